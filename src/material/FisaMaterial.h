#pragma once
// The material sheet without its window: the figures an engineer looks for
// first (maker, category, code, nd, ne, vd, ve, P g,F, equation and range,
// density, Tg, expansion, chemical classes, roles) as label and value
// texts, and the curves its small plots and the n/k plot draw.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "record/MaterialOptic.h"

namespace vitramor {

struct RandFisa {
    std::string eticheta;  // UTF-8
    std::string valoare;   // UTF-8; "-" when the record has no value
};

// The rows of the sheet, in display order. Names of producers, categories
// and roles come from the glass directory's files; a missing file or line
// shows the code instead.
std::vector<RandFisa> RanduriFisaMaterial(const std::string& directorSticle, const MaterialOptic& m);

struct PunctGrafic {
    double x = 0.0, y = 0.0;
};

// The filled slots of the n (which 0) or k (which 1) table, by wavelength.
std::vector<PunctGrafic> PuncteTabelIndici(const MaterialOptic& m, int which);
// The n or k equation evaluated at `numar` wavelengths over its validity
// range (the table's span, or 380-1000 nm, where the range is the default
// or missing); empty when the record has no equation for it.
std::vector<PunctGrafic> CurbaEcuatieIndici(const MaterialOptic& m, int which, int numar = 200);
// Record `index` of the database file (CaleBazaDate) read for display, with
// no message: false when the file or the record cannot be read.
bool CitesteMaterialDinBaza(const std::string& caleBazaDate, std::uint32_t index, MaterialOptic& m);

// The material's history from the journal of the glass directory: where it
// came from and when it last changed (UTF-8 lines); one line saying there
// is none when the journal names it not.
std::vector<std::string> IstoricFisaMaterial(const std::string& directorSticle, const MaterialOptic& m);

// The internal transmittance in percent at thickness `grosime` mm, by wavelength.
std::vector<PunctGrafic> PuncteTransmisiePercent(const MaterialOptic& m, float grosime);

}  // namespace vitramor
