#pragma once
// Catalogue glasses for the check tests: the manufacturers' Sellmeier
// constants (code 4: B1, B2, B3, C1, C2, C3 in µm²) and index tables at the
// standard spectral lines holding the catalogue's published five-decimal
// indices - data the equations were fitted to, not values computed here.

#include <cstring>
#include <initializer_list>
#include <string>

#include "record/MaterialOptic.h"

namespace vitramor::test {

// Standard spectral lines, nm.
inline constexpr float LiniaG = 435.8343f;  // Hg g
inline constexpr float LiniaF = 486.1327f;  // H F
inline constexpr float LiniaE = 546.0740f;  // Hg e
inline constexpr float LiniaD = 587.5618f;  // He d
inline constexpr float LiniaC = 656.2725f;  // H C

inline constexpr std::uint16_t ProducatorSchott = 2;
inline constexpr std::uint16_t ProducatorHoya = 3;
inline constexpr std::uint16_t ProducatorCorning = 7;

struct IndiceTabel { float lambda; double n; double k = 0.0; };

inline MaterialOptic Material(const std::string& nume, std::uint16_t producator, std::int16_t ecuatieN,
                              std::initializer_list<double> coefN, std::initializer_list<IndiceTabel> tabel) {
    MaterialOptic m;
    std::memset(&m, 0, sizeof m);
    std::strncpy(m.nume, nume.c_str(), sizeof m.nume - 1);
    m.producator = producator;
    m.ec_dispersie_n = ecuatieN;
    int i = 0;
    for (double c : coefN) m.coef_disp_n[i++] = c;
    i = 0;
    for (const IndiceTabel& t : tabel) {
        m.lambda_indici[i] = t.lambda;
        m.indice_n[i] = t.n;
        m.indice_k[i] = t.k;
        ++i;
    }
    return m;
}

// Schott N-BK7: nF 1.52238, nd 1.51680, nC 1.51432, ne 1.51872, ng 1.52668.
inline MaterialOptic NBK7(const std::string& nume = "N-BK7") {
    return Material(nume, ProducatorSchott, 4,
                    {1.03961212, 0.231792344, 1.01046945, 0.00600069867, 0.0200179144, 103.560653},
                    {{LiniaG, 1.52668}, {LiniaF, 1.52238}, {LiniaE, 1.51872}, {LiniaD, 1.51680}, {LiniaC, 1.51432}});
}

// Schott F2: nF 1.63208, nd 1.62004, nC 1.61503, ne 1.62408, ng 1.64202.
inline MaterialOptic F2(const std::string& nume = "F2", std::uint16_t producator = ProducatorSchott) {
    return Material(nume, producator, 4,
                    {1.34533359, 0.209073176, 0.937357162, 0.00997743871, 0.0470450767, 111.886764},
                    {{LiniaG, 1.64202}, {LiniaF, 1.63208}, {LiniaE, 1.62408}, {LiniaD, 1.62004}, {LiniaC, 1.61503}});
}

// Fused silica (Malitson's constants, C given as squared wavelengths):
// nF 1.46313, nd 1.45846, nC 1.45637, ne 1.46008, ng 1.46669.
inline MaterialOptic SiliceTopita(const std::string& nume = "SILICA") {
    return Material(nume, ProducatorCorning, 4,
                    {0.6961663, 0.4079426, 0.8974794, 0.0684043 * 0.0684043, 0.1162414 * 0.1162414,
                     9.896161 * 9.896161},
                    {{LiniaG, 1.46669}, {LiniaF, 1.46313}, {LiniaE, 1.46008}, {LiniaD, 1.45846}, {LiniaC, 1.45637}});
}

// The slot of a record whose wavelength is `lambda`.
inline int Slot(const MaterialOptic& m, float lambda) {
    for (int i = 0; i < NumarSloturiTabel; ++i)
        if (m.lambda_indici[i] == lambda) return i;
    return -1;
}

}  // namespace vitramor::test
