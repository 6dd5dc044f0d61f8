#pragma once
// Default wavelengths of the three glass laser-damage thresholds.

#include <array>
#include <cstdint>

#include "record/MaterialOptic.h"

namespace vitramor {

// Nd:YAG fundamental, eye-safe Er band, doubled Nd:YAG: slot order.
inline constexpr std::array<std::uint16_t, 3> LungimiUndaLidtImplicite = {1064, 1540, 532};

// Writes the default into every zero slot of `lidt_lambda`. Evaporation
// records are left alone (those bytes hold `puritate` there). True when a
// slot changed, so the caller knows to mark the material as modified.
bool CompleteazaLungimiUndaLidt(MaterialOptic& m);

}  // namespace vitramor
