#pragma once
// Substitutes of a glass: the nearest materials of the other producers,
// either by a weighted distance in (nd, vd, P g,F) or by the RMS difference
// of n over a wavelength range.

#include <cstddef>
#include <string>
#include <vector>

#include "explorare/RezumatCatalog.h"

namespace vitramor {

inline constexpr int NumarImplicitEchivalente = 10;

// The distance is sqrt(Σ (w·Δ/u)²) with the units u below: a thousandth of
// nd, a tenth of vd and a thousandth of P g,F weigh alike at weight 1,
// which is roughly what a designer trades one against the other. A weight of
// 0 leaves its quantity out.
inline constexpr double UnitateNd = 0.001, UnitateVd = 0.1, UnitatePgF = 0.001;

struct PonderiEchivalenta {
    double nd = 1.0, vd = 1.0, pgF = 1.0;
};

struct Echivalent {
    RezumatMaterial material;
    double distanta = 0.0;
};

// The `numar` rows of `catalog` nearest to `referinta`, nearest first, of
// producers other than the reference's. A quantity the reference lacks is
// left out of every distance; a row lacking one the distance needs is passed
// over.
std::vector<Echivalent> CautaEchivalente(const RezumatMaterial& referinta, const std::vector<RezumatMaterial>& catalog,
                                         int numar, const PonderiEchivalenta& ponderi = {});

// The same by the RMS difference of n over [de, la] nm, sampled at 41
// points, reading every record of the database file; rows that cannot give n
// at every point are passed over. `citire` reports a file that could not be read.
std::vector<Echivalent> CautaEchivalenteRms(const MaterialOptic& referinta, const std::string& caleFisier, float de,
                                            float la, int numar, CitireRezumat* citire = nullptr);

}  // namespace vitramor
