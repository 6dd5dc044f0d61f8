#include "dispersion/FormuleAgf.h"

#include <algorithm>
#include <cmath>

namespace vitramor {

namespace {

// CD order K1 L1 K2 L2 K3 L3 against the record's B1 B2 B3 C1 C2 C3: slot i
// of the record is CD slot OrdineSellmeier[i].
constexpr int OrdineSellmeier[6] = {0, 2, 4, 1, 3, 5};

}  // namespace

int CoeficientiFormulaAgf(int formula) {
    static const int n[FormulaAgfMaxima + 1] = {0, 6, 6, 6, 5, 3, 8, 4, 4, 5, 8, 10, 8, 9};
    return formula >= 1 && formula <= FormulaAgfMaxima ? n[formula] : 0;
}

double IndiceFormulaAgf(int formula, const double* a, double x) {
    const double l2 = x * x, l4 = l2 * l2, i2 = 1.0 / l2;
    double n2 = 0.0;
    auto laurent = [&](int termeni) {  // a0 + a1 λ² + a2 λ⁻² + a3 λ⁻⁴ ...
        double s = a[0] + a[1] * l2, p = 1.0;
        for (int k = 2; k < termeni; ++k) s += a[k] * (p *= i2);
        return s;
    };
    auto sellmeier = [&](int termeni) {
        double s = 1.0;
        for (int k = 0; k < termeni; ++k) s += a[2 * k] * l2 / (l2 - a[2 * k + 1]);
        return s;
    };
    switch (formula) {
        case 1: n2 = laurent(6); break;
        case 2: n2 = sellmeier(3); break;
        case 3: {
            const double L = 1.0 / (l2 - 0.028);
            return a[0] + a[1] * L + a[2] * L * L + a[3] * l2 + a[4] * l4 + a[5] * l4 * l2;
        }
        case 4: n2 = 1.0 + a[0] + a[1] * l2 / (l2 - a[2] * a[2]) + a[3] / (l2 - a[4] * a[4]); break;
        case 5: return a[0] + a[1] / x + a[2] / std::pow(x, 3.5);
        case 6: n2 = sellmeier(4); break;
        case 7: n2 = a[0] + a[1] / (l2 - a[2]) - a[3] * l2; break;
        case 8: n2 = a[0] + a[1] * l2 / (l2 - a[2]) - a[3] * l2; break;
        case 9: n2 = a[0] + a[1] * l2 / (l2 - a[2]) + a[3] * l2 / (l2 - a[4]); break;
        case 10: n2 = laurent(8); break;
        case 11: n2 = sellmeier(5); break;
        case 12: n2 = laurent(6) + a[6] * l4 + a[7] * l4 * l2; break;
        case 13: {
            n2 = a[0] + a[1] * l2 + a[2] * l4;
            double p = 1.0;
            for (int k = 3; k < 9; ++k) n2 += a[k] * (p *= i2);
            break;
        }
        default: return 0.0;
    }
    return n2 > 0.0 && std::isfinite(n2) ? std::sqrt(n2) : 0.0;
}

std::int16_t EcuatieDinFormulaAgf(int formula, const double* cd, double* coef) {
    if (formula == 1) {
        std::copy(cd, cd + 6, coef);
        return 1;
    }
    if (formula == 2) {
        for (int i = 0; i < 6; ++i) coef[i] = cd[OrdineSellmeier[i]];
        return 4;
    }
    if (formula == 9) {  // A B C D E is c0 c1 c2 c3 c4
        std::copy(cd, cd + 5, coef);
        return 6;
    }
    if (formula == 8 && cd[3] == 0.0) {  // without its λ² term
        std::copy(cd, cd + 3, coef);
        return 7;
    }
    return 0;
}

int FormulaAgfDinEcuatie(std::int16_t cod, const double* coef, double* cd) {
    switch (cod) {
        case 1: std::copy(coef, coef + 6, cd); return 1;
        case 4:
            for (int i = 0; i < 6; ++i) cd[OrdineSellmeier[i]] = coef[i];
            return 2;
        case 6:
            std::copy(coef, coef + 5, cd);
            cd[5] = 0.0;
            return 9;
        case 7:
            std::copy(coef, coef + 3, cd);
            std::fill(cd + 3, cd + 6, 0.0);
            return 8;
        default: return 0;
    }
}

}  // namespace vitramor
