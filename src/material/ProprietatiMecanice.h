#pragma once
// Rules of the mechanical-properties editors that are not about one cell:
// the surface stress of an evaporated layer and the labels of the
// elasticity panel, which follow what each producer's catalogue gives.

#include <cstdint>
#include <string>

#include "record/MaterialOptic.h"

namespace vitramor {

// S = a0 + a1*t + a2*t^2 (N/m) for a layer t nm thick, in single precision;
// 0 when the three coefficients are 0 (no stress data).
float StresSuprafata(const MaterialOptic& m, float grosime);
// The texts of the "Surface stress" and "Stres" cells: S (N/m), and the
// stress S/t in MPa when t > 0 (otherwise the stress cell repeats S), "%g".
std::string TextStresSuprafata(const MaterialOptic& m, float grosime);
std::string TextStres(const MaterialOptic& m, float grosime);

// The elasticity group: the two older catalogues give the longitudinal and
// transversal moduli in the fields that hold Young's modulus and Poisson's
// ratio for every other producer. Labels with the unit the field keeps.
struct EticheteElasticitate {
    const char* titlu;
    const char* primul;
    const char* alDoilea;
};
EticheteElasticitate EticheteElasticitateProducator(std::uint16_t producator);

}  // namespace vitramor
