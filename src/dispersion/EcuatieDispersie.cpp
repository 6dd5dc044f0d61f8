#include "dispersion/EcuatieDispersie.h"

#include <cmath>
#include <limits>

#include "platform/Platforma.h"

namespace vitramor {

namespace {

// Rounds a double to single precision the way the FPU does, without the
// undefined conversion of values beyond the float range.
float LaSimplaPrecizie(double v) {
    constexpr double maxim = std::numeric_limits<float>::max();
    if (v > maxim) return std::numeric_limits<float>::infinity();
    if (v < -maxim) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

constexpr DescriereEcuatieDispersie Descrieri[CodMaximEcuatieDispersie + 1] = {
    {"Constanta", "v = c0", 1},
    {"Schott (serie de puteri)", "n^2 = c0 + c1*L + c2/L + c3/L^2 + c4/L^3 + c5/L^4, L = lambda^2 [um^2]", 6},
    {"fara ecuatie", "-", 1},
    {"Cauchy", "n = c0 + c1/lambda^2 + c2/lambda^4, lambda [nm]", 3},
    {"Sellmeier (3 termeni)", "n^2 = 1 + B1*L/(L-C1) + B2*L/(L-C2) + B3*L/(L-C3), L [um^2]; c0..c5 = B1 B2 B3 C1 C2 C3",
     6},
    {"fara ecuatie", "-", 1},
    {"Sellmeier cu constanta (2 termeni)", "n^2 = c0 + c1*L/(L-c2) + c3*L/(L-c4), L = lambda^2 [um^2]", 5},
    {"Sellmeier cu constanta (1 termen)", "n^2 = c0 + c1*L/(L-c2), L = lambda^2 [um^2]", 3},
    {"fara ecuatie", "-", 1},
    {"fara ecuatie", "-", 1},
    {"Tabelat", "valorile din tabelul de indici", 1},
    {"Polinom in lungimea de unda", "v = c0 + c1*x + c2*x^2 + ... + c11*x^11, x = lambda [um]", 12},
    {"Exponentiala zecimala", "v = 10^(c0 - c1*lambda), lambda [nm]", 2},
    {"Exponentiala in 1/lambda", "v = c0 * exp(c1/lambda), lambda [nm]", 2},
};

}  // namespace

bool EsteEcuatieDispersie(std::int16_t cod) {
    switch (cod) {
        case 0: case 1: case 3: case 4: case 6: case 7: case 11: case 12: case 13:
            return true;
        default:
            return false;
    }
}

DescriereEcuatieDispersie DescriereEcuatie(std::int16_t cod) {
    if (cod < 0 || cod > CodMaximEcuatieDispersie) return {"cod necunoscut", "-", 1};
    return Descrieri[cod];
}

double CalculeazaEcuatieDispersie(const double c[NumarCoeficientiDispersie], std::int16_t cod, float lambda) {
    double valoare = 0.0;
    if (!EsteEcuatieDispersie(cod)) {
        // Types 2, 5, 8, 9 and 10 are not equations, and a code out of range
        // is a damaged record: the caller still gets c0, and the user hears it.
        platforma().beep();
        return c[0];
    }

    // λ² and L are formed in single precision from the single-precision
    // wavelength, as the stored catalogues were checked with; everything after
    // that is double precision.
    const float lambda2f = lambda * lambda;
    const double lambda2 = lambda2f;     // nm²
    const double L = lambda2f / 1.0e6f;  // µm², still single precision before widening

    switch (cod) {
        case 0:
            valoare = c[0];
            break;
        case 1: {
            const double L2 = L * L, L3 = L2 * L, L4 = L3 * L;
            const double n2 = c[0] + c[1] * L + c[2] / L + c[3] / L2 + c[4] / L3 + c[5] / L4;
            if (!(n2 > 0.0)) return 0.0;
            // The power-series formula was always taken with the single-precision root.
            valoare = std::sqrt(LaSimplaPrecizie(n2));
            break;
        }
        case 4: {
            const double n2 = 1.0 + c[0] * L / (L - c[3]) + c[1] * L / (L - c[4]) + c[2] * L / (L - c[5]);
            if (!(n2 > 0.0)) return 0.0;
            valoare = std::sqrt(n2);
            break;
        }
        case 6: {
            const double n2 = c[0] + c[1] * L / (L - c[2]) + c[3] * L / (L - c[4]);
            if (!(n2 >= 0.0)) return 0.0;  // n² = 0 is allowed and gives 0
            valoare = std::sqrt(n2);
            break;
        }
        case 7: {
            const double n2 = c[0] + c[1] * L / (L - c[2]);
            if (!(n2 >= 0.0)) return 0.0;
            valoare = std::sqrt(n2);
            break;
        }
        case 3:
            valoare = c[0] + c[1] / lambda2 + c[2] / (lambda2 * lambda2);
            break;
        case 11: {
            const double x = lambda / 1000.0f;  // µm, single precision
            double putere = 1.0;
            valoare = c[0];
            for (int i = 1; i <= 11; ++i) {
                putere *= x;
                valoare += c[i] * putere;
            }
            break;
        }
        case 12:
            valoare = std::pow(10.0, c[0] - c[1] * static_cast<double>(lambda));
            break;
        case 13:
            valoare = c[0] * std::exp(c[1] / static_cast<double>(lambda));
            break;
        default:
            break;
    }
    return valoare;
}

int IndiceDinEcuatieDispersie(const MaterialOptic& material, int which, float lambda, float& value) {
    value = 0.0f;
    const bool pentruN = which == 0;
    const std::int16_t cod = pentruN ? material.ec_dispersie_n : material.ec_dispersie_k;
    const double* coef = pentruN ? material.coef_disp_n : material.coef_disp_k;

    const float v = LaSimplaPrecizie(CalculeazaEcuatieDispersie(coef, cod, lambda));
    if (pentruN) {
        // Below the smallest normal float: 0, every negative value, and a
        // not-a-number from a damaged record, which no caller could show.
        if (!(v >= std::numeric_limits<float>::min())) return IndiceNegativ;
        value = v;
        return IndiceValid;
    }
    value = (v >= 0.0f) ? v : 0.0f;  // k cannot be negative; not-a-number reads as 0 too
    return IndiceValid;
}

bool IntervalDinTabel(const MaterialOptic& m, const double valori[NumarSloturiTabel], float& minim, float& maxim,
                      float sub) {
    bool gasit = false;
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        const float lambda = m.lambda_indici[i];
        if (!(lambda > 0.0f) || !(lambda < sub) || !(valori[i] > 0.0)) continue;
        if (!gasit || lambda < minim) minim = lambda;
        if (!gasit || lambda > maxim) maxim = lambda;
        gasit = true;
    }
    return gasit;
}

// Fills a range from the table: the wavelengths (slots 0 to 49) that carry a
// positive value in `valori`. Starting the lower bound at 65535 keeps a
// wavelength beyond the 16-bit range from wrapping: with no usable slot, or
// only such slots, the range comes out 65535..0 and is invalid.
// Wavelengths from 65535 up cannot be carried by a range word; they are
// left out rather than cut.
void DomeniuDinTabel(const MaterialOptic& m, const double valori[NumarSloturiTabel], std::uint16_t domeniu[2]) {
    float inferior = 65535.0f;
    float superior = 0.0f;
    IntervalDinTabel(m, valori, inferior, superior, 65535.0f);
    domeniu[0] = static_cast<std::uint16_t>(inferior);  // toward zero
    domeniu[1] = static_cast<std::uint16_t>(superior);
}

int IndiceMaterial(const MaterialOptic& m, int which, float lambda, float& value) {
    const std::int16_t cod = which == 0 ? m.ec_dispersie_n : m.ec_dispersie_k;
    if (cod != EcuatieTabelata) return IndiceDinEcuatieDispersie(m, which, lambda, value);
    const double* valori = which == 0 ? m.indice_n : m.indice_k;
    // The nearest filled slot on each side, whatever the slot order.
    int jos = -1, sus = -1;
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        const float l = m.lambda_indici[i];
        if (!(l > 0.0f) || !(valori[i] > 0.0)) continue;
        if (l <= lambda && (jos < 0 || l > m.lambda_indici[jos])) jos = i;
        if (l >= lambda && (sus < 0 || l < m.lambda_indici[sus])) sus = i;
    }
    value = 0.0f;
    if (jos < 0 || sus < 0) return IndiceNegativ;
    const double l0 = m.lambda_indici[jos], l1 = m.lambda_indici[sus];
    const double f = l1 > l0 ? (static_cast<double>(lambda) - l0) / (l1 - l0) : 0.0;
    value = LaSimplaPrecizie(valori[jos] + f * (valori[sus] - valori[jos]));
    return IndiceValid;
}

int CompleteazaDomeniiSpectrale(MaterialOptic& m) {
    if (m.ec_dispersie_n == 0) {
        m.domeniu_n[0] = DomeniuImplicitInferior;
        m.domeniu_n[1] = DomeniuImplicitSuperior;
    } else if (m.ec_dispersie_n == EcuatieTabelata) {
        DomeniuDinTabel(m, m.indice_n, m.domeniu_n);
    }
    if (!DomeniuSpectralValid(m.domeniu_n)) return 0;

    if (m.ec_dispersie_k == 0) {
        m.domeniu_k[0] = DomeniuImplicitInferior;
        m.domeniu_k[1] = DomeniuImplicitSuperior;
        return 1;
    }
    if (m.ec_dispersie_k == EcuatieTabelata) DomeniuDinTabel(m, m.indice_k, m.domeniu_k);
    return DomeniuSpectralValid(m.domeniu_k) ? 1 : 0;
}

}  // namespace vitramor
