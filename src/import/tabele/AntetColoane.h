#pragma once
// What the header of a catalogue column says besides its name: the
// wavelength an index or transmittance column stands for, the reference
// thickness of the transmittance, the unit of a value. Makers write these in
// the column names ("TAUI10/400", "n2325.4", "nF'", "280") or in the header
// rows above them ("τ／10mm Thick", "×10⁻⁷/℃", often one merged cell over a
// group of columns), each in their own spelling and script.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/tabele/SursaTabel.h"

namespace vitramor {

// The header of column `k` (UTF-8): its name, then the text above it in each
// header row, one line each. Where the cell above is empty the nearest text
// to its left in that row stands for it, as a merged cell over a group of
// columns shows it.
std::string AntetColoana(const std::vector<ColoanaTabel>& coloane, int k);

// The wavelength (nm) an index column's name stands for: "n2325.4",
// "n 1013.98#2", a spectral line ("nd", "nF'"), or a bare number with or
// without its unit ("2325.4", "2325.4 nm", "1.01398µm"; a bare number below
// 10 is in µm). 0 when the name gives none.
float LungimeUndaIndice(std::string_view nume);

// A transmittance column's name: "TAUI<thickness mm>/<wavelength nm>", or a
// name that holds one wavelength ("280", "T280", "τ 280 nm"). lambda is 0
// when the name carries none.
struct NumeTransmisie {
    int lambda = 0;
    bool taui = false;
    std::string grosime;  // TAUI: the thickness as written
};
NumeTransmisie CitesteNumeTransmisie(std::string_view nume);

// The thicknesses (mm) a header text names: "10mm", "τ／10 mm Thick".
std::vector<float> GrosimiDinText(std::string_view text);

// The unit a record field holds, as the association dialog shows it ("" for
// a pure number or a text). The expansion's depends on the producer (a
// negative producer: not known yet).
std::string UnitateCamp(int intrare, int producator);

// The unit a column header names for the field of entry `intrare`, and the
// factor that brings a value in it to the field's unit.
struct UnitateAntet {
    std::string unitate;
    double factor = 1;
};
std::optional<UnitateAntet> UnitateDinAntet(int intrare, std::string_view antet, int producator);

}  // namespace vitramor
