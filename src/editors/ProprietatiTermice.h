#pragma once
// Rules of the thermal-properties editors beyond single cells: how a stored
// expansion coefficient is shown, and the confidences of the evaporation
// data, which must lie in 0.01..1 to mean anything.

#include <cstdint>

#include "record/MaterialOptic.h"

namespace vitramor {

// The factor a stored expansion coefficient is shown with in the glass
// window: values below 0.05 are in 1/K and shown x 10^7; larger ones are
// catalogue numbers, shown as they are for producers 0 and 1 and x 10 for
// the others. Typed values are stored as typed.
double FactorDilatareAfisata(float valoare, std::uint16_t producator);

// The evaporation dialog's scale for its two expansion cells.
inline constexpr double FactorDilatareEvaporare = 1e6;

inline constexpr float IncredereImplicita = 0.7f;            // conductivity, specific heat, expansion
inline constexpr float IncredereImplicitaTemperaturi = 0.95f;
// Replaces every confidence outside 0.01..1 by its default; true when one changed.
bool AsiguraIncrederi(MaterialOptic& m);
// "Init confidence": all four back to their defaults.
void InitIncrederi(MaterialOptic& m);

}  // namespace vitramor
