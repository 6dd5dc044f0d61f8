#pragma once
// The laser damage thresholds of a material: pairs of a wavelength and the
// threshold there. Glasses keep three pairs with 16-bit wavelengths that
// default to the usual laser lines; evaporation materials keep five pairs of
// floats whose last three thresholds are the bytes of the glasses' three.

#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr std::uint16_t LungimiUndaLidtImplicite[3] = {1064, 1540, 532};

// Puts the default wavelength into every empty glass slot; true when one
// was empty (the record changed).
bool AsiguraLungimiUndaLidt(MaterialOptic& m);

}  // namespace vitramor
