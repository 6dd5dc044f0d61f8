#pragma once
// One glass of an AGF catalogue as a record.

#include <cstdint>
#include <string>
#include <vector>

#include "database/CategoriiMaterial.h"
#include "import/agf/CatalogAgf.h"
#include "record/MaterialOptic.h"

namespace vitramor {

// The record of one glass: zero-filled, then name, code (the MIL number, or
// the six-digit nd/vd code when the file has none), producer, catalogue
// status (`stare_catalog`, the AGF number + 1), equation, range (the default
// one when the file gives none), thermal, chemical and price data and the
// transmittance. Formulas 1, 2, 9 and 8 without its λ² term are stored as
// equation codes 1, 4, 6 and 7 exactly; the other formulas as their values
// at the standard wavelengths inside the range and the equation code that
// fits them closest over the range. Messages about the glass (the fitted
// code and its largest deviation, a transmittance table cut to 40 points, a
// name cut to 15 characters, a stored nd far from the catalogue's, a status
// it does not know) are appended to `mesaje`. With `categorii` the glass
// gets its category: by the catalogue's nd and vd, or the equation's where
// the catalogue gives a placeholder.
void ConvertesteSticlaAgf(const SticlaAgf& s, std::uint16_t producator, MaterialOptic& m,
                          std::vector<std::string>& mesaje, CategoriiImport* categorii = nullptr);

}  // namespace vitramor
