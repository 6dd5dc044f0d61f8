#pragma once
// The comparison of open materials: the request the selection dialog fills
// and the comparison window reads, the union of their index-table
// wavelengths and the lines of the comparison list. The command line prints
// the same lines.

#include <array>
#include <string>
#include <vector>

#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr int NumarMaximComparate = 99;
inline constexpr int NumarMaximLungimiUnda = 1000;
inline constexpr int LatimeInitialaColoana = 100;  // pixels

// What the comparison shows, as bits.
namespace continut {
inline constexpr int Indici = 1;
inline constexpr int Transmisie = 2;
inline constexpr int Mecanic = 4;
inline constexpr int Chimic = 8;
inline constexpr int Termic = 16;
}  // namespace continut

// The thickness the transmittance is compared at when none is chosen, mm.
inline constexpr float GrosimeComparareImplicita = 10.0f;

struct CerereComparare {
    int numar = 0;                     // selected materials, 2 to 99
    std::array<int, 100> indici{};     // positions in the working set, in list order
    std::array<int, 100> latimi{};     // header column widths, pixels; column 0 the wavelengths
    int continut = continut::Indici;
    float grosime = GrosimeComparareImplicita;  // mm, for the transmittance

    CerereComparare() { latimi.fill(LatimeInitialaColoana); }
};

// The application's request: one at a time, overwritten by the next comparison.
CerereComparare& cerereComparare();

// The ascending union of the wavelengths of slots 0 to 39 whose n is given,
// at most 1000 of them (a larger one arriving when all places are taken is
// not kept; a smaller one pushes the largest out).
std::vector<float> ReuniuneLungimiUnda(const std::vector<const MaterialOptic*>& materiale);

// The lines of the comparison list: "Lambda [nm]", an empty line, then per
// wavelength "%g\t" and per material its n there ("%g\t", the first of its
// 50 slots at exactly that wavelength) or a bare tab. Then, after an empty
// line, one line per derived quantity (nd, vd, ...) in the same columns.
// Each further content asked for adds its block after an empty line:
// the internal transmittance in percent at `grosime` mm over the union of
// the transmittance wavelengths, the mechanical rows (density, Young's
// modulus, Poisson ratio, hardnesses, stress-optical coefficient) and the
// thermal rows (Tg, expansion in 10^-7/K, conductivity, specific heat);
// a value the record lacks is a bare tab.
std::vector<std::string> LiniiComparare(const std::vector<const MaterialOptic*>& materiale, int continutCerut,
                                        float grosime = GrosimeComparareImplicita);

// The wavelength lines only, for wavelengths the caller gives: n by the
// material's equation or its table (IndiceNLa), a bare tab where neither
// gives one. The command line's --from/--to/--step.
std::vector<std::string> LiniiComparareLaLungimi(const std::vector<const MaterialOptic*>& materiale,
                                                 const std::vector<float>& lungimi);

}  // namespace vitramor
