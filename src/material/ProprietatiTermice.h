#pragma once
// Rules of the thermal-properties editors beyond single cells: how a stored
// expansion coefficient is shown, and the confidences of the evaporation
// data, which must lie in 0.01..1 to mean anything.

#include <cstdint>

#include "record/MaterialOptic.h"

namespace vitramor {

// An expansion coefficient shown in 10^-7/K (the sheet, the comparison), or
// in another scale, read from the record by the rule of DilatarePeKelvin
// whatever scale it is stored in; a typed value goes back in the scale the
// record used.
inline constexpr double FactorDilatareAfisata = 1e7;
double DilatareAfisata(float stocat, std::uint16_t producator, double factor = FactorDilatareAfisata);
float DilatareDinAfisata(double tastat, float stocat, std::uint16_t producator, double factor = FactorDilatareAfisata);
// The glass window's scale: the one the producer's catalogue numbers are kept
// in (10^-7/K for producers 0 and 1, 10^-6/K for the others), so that a
// catalogue value is typed as the catalogue prints it.
double FactorDilatareProducator(std::uint16_t producator);

// The evaporation dialog's scale for its two expansion cells.
inline constexpr double FactorDilatareEvaporare = 1e6;

inline constexpr float IncredereImplicita = 0.7f;            // conductivity, specific heat, expansion
inline constexpr float IncredereImplicitaTemperaturi = 0.95f;
// A confidence means something in 0.01..1 (NaN is outside).
inline bool IncredereValida(float v) { return v >= 0.01f && v <= 1.0f; }
// Replaces every confidence outside 0.01..1 by its default; true when one changed.
bool AsiguraIncrederi(MaterialOptic& m);
// "Init confidence": all four back to their defaults.
void InitIncrederi(MaterialOptic& m);

}  // namespace vitramor
