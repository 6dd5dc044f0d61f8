// The fits. Codes 1, 3 and 11 are linear in their coefficients: one least-
// squares solve each. The Sellmeier codes 4, 6 and 7 are linear once their
// poles are fixed, so for them the poles are searched and every candidate is
// one linear solve, with every strength B kept at 0 or above: a negative B
// is no oscillator, and two poles close together with huge B of opposite
// signs fit a table's noise between its points and nothing outside them. The error surface in the poles has many shallow valleys,
// where a local method started from one guess easily settles in the wrong
// one; instead every choice of poles from a grid of candidates
// (logarithmically spaced, ultraviolet ones below the range and infrared
// ones above it, where the physical poles of a material lie) is solved, and
// the few best are refined. For three poles that is a few thousand small
// solves: a few milliseconds.
//
// Equations in n² are weighted by 1/(2n), which turns a residual in n² into
// one in n: every fit minimises the error in the quantity catalogues quote.

#include "dispersion/PotrivireEcuatie.h"
#include "record/TextFormatat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <cstdio>
#include <vector>

namespace vitramor {

namespace {

constexpr double Infinit = std::numeric_limits<double>::infinity();
constexpr std::size_t ColoaneMaxime = 12;

// The points as the evaluator sees them: λ is a float, and λ², L and x are
// formed from it in single precision before they are widened.
struct Puncte {
    std::vector<float> lambda;
    std::vector<double> l2, L, x, n;
    std::size_t size() const { return n.size(); }
};

Puncte Pregateste(std::span<const double> lambdaNm, std::span<const double> n) {
    Puncte p;
    for (std::size_t j = 0; j < lambdaNm.size() && j < n.size(); ++j) {
        if (!(lambdaNm[j] > 0.0 && lambdaNm[j] < 1e15) || !(n[j] > 0.0) || !std::isfinite(n[j])) continue;
        const float l = static_cast<float>(lambdaNm[j]);
        const float l2 = l * l, L = l2 / 1.0e6f;
        if (!(L > 0.0f)) continue;
        p.lambda.push_back(l);
        p.l2.push_back(l2);
        p.L.push_back(L);
        p.x.push_back(l / 1000.0f);
        p.n.push_back(n[j]);
    }
    return p;
}

// min ‖A·c − y‖ for A of y.size() rows and k columns, stored column after
// column in `a`. Householder reflections rather than the normal equations,
// which would square a condition number that is already large (x⁰ to x¹¹
// over 2 - 14 µm). Every column is first scaled to unit length: the terms
// of one equation differ by orders of magnitude (1 beside λ⁻⁸, 1 beside
// x¹¹), and only on columns of one size does one threshold tell a column
// that adds a direction of its own from one that is rounding noise.
// `a` and `y` are overwritten. Returns the sum of squared residuals, or
// infinity when a column is numerically a combination of the others.
double MinimePatrate(std::vector<double>& a, std::size_t k, std::vector<double>& y, double* c) {
    const std::size_t m = y.size();
    if (m < k || k > ColoaneMaxime) return Infinit;
    double scara[ColoaneMaxime], diagonala[ColoaneMaxime];
    for (std::size_t j = 0; j < k; ++j) {
        double* v = &a[j * m];
        double norma = 0.0;
        for (std::size_t i = 0; i < m; ++i) norma += v[i] * v[i];
        norma = std::sqrt(norma);
        if (!(norma > 0.0) || !std::isfinite(norma)) return Infinit;
        scara[j] = 1.0 / norma;
        for (std::size_t i = 0; i < m; ++i) v[i] *= scara[j];
    }
    for (std::size_t j = 0; j < k; ++j) {
        double* v = &a[j * m];
        double norma = 0.0;
        for (std::size_t i = j; i < m; ++i) norma += v[i] * v[i];
        norma = std::sqrt(norma);
        // What is left of the unit column once the columns before it are
        // taken out.
        if (!(norma > 1e-13)) return Infinit;
        const double alfa = v[j] > 0.0 ? -norma : norma;
        v[j] -= alfa;
        double vv = 0.0;
        for (std::size_t i = j; i < m; ++i) vv += v[i] * v[i];
        const auto reflecta = [&](double* w) {
            double d = 0.0;
            for (std::size_t i = j; i < m; ++i) d += v[i] * w[i];
            d = 2.0 * d / vv;
            for (std::size_t i = j; i < m; ++i) w[i] -= d * v[i];
        };
        for (std::size_t jj = j + 1; jj < k; ++jj) reflecta(&a[jj * m]);
        reflecta(y.data());
        diagonala[j] = alfa;
    }
    for (std::size_t j = k; j-- > 0;) {
        double s = y[j];
        for (std::size_t jj = j + 1; jj < k; ++jj) s -= a[jj * m + j] * c[jj];
        c[j] = s / diagonala[j];
    }
    for (std::size_t j = 0; j < k; ++j) c[j] *= scara[j];
    double suma = 0.0;
    for (std::size_t i = k; i < m; ++i) suma += y[i] * y[i];
    return std::isfinite(suma) ? suma : Infinit;
}

// The largest deviation of the stored equation from the points, through the
// record's evaluator of n or k; infinity where it gives no n.
double AbatereMaxima(const Puncte& p, std::int16_t cod, const double* coef, int care) {
    MaterialOptic m{};
    (care == 0 ? m.ec_dispersie_n : m.ec_dispersie_k) = cod;
    std::copy(coef, coef + NumarCoeficientiDispersie, care == 0 ? m.coef_disp_n : m.coef_disp_k);
    double maxim = 0.0;
    for (std::size_t j = 0; j < p.size(); ++j) {
        float v = 0.0f;
        if (IndiceDinEcuatieDispersie(m, care, p.lambda[j], v) != IndiceValid) return Infinit;
        maxim = std::max(maxim, std::fabs(v - p.n[j]));
    }
    return std::isfinite(maxim) ? maxim : Infinit;
}

// ---- codes linear in their coefficients ----------------------------------

// The columns of point j of a linear code: codes 1 (an equation in n²), 3
// and 11 (in n).
void ColoaneLiniare(std::int16_t cod, const Puncte& p, std::size_t j, double* r) {
    if (cod == 1) {
        const double L = p.L[j], L2 = L * L, L3 = L2 * L, L4 = L3 * L;
        r[0] = 1.0, r[1] = L, r[2] = 1.0 / L, r[3] = 1.0 / L2, r[4] = 1.0 / L3, r[5] = 1.0 / L4;
    } else if (cod == 3) {
        r[0] = 1.0, r[1] = 1.0 / p.l2[j], r[2] = 1.0 / (p.l2[j] * p.l2[j]);
    } else {
        // Powers by repeated multiplication, as the evaluator forms them.
        r[0] = 1.0;
        for (std::size_t i = 1; i < 12; ++i) r[i] = r[i - 1] * p.x[j];
    }
}

PotrivireEcuatie PotrivireLiniara(const Puncte& p, std::int16_t cod, int care) {
    PotrivireEcuatie r;
    r.cod = cod;
    const std::size_t m = p.size(), k = cod == 1 ? 6 : cod == 3 ? 3 : 12;
    if (m < k) return r;
    std::vector<double> a(m * k), y(m);
    double rand[ColoaneMaxime];
    for (std::size_t j = 0; j < m; ++j) {
        ColoaneLiniare(cod, p, j, rand);
        const double w = cod == 1 ? 1.0 / (2.0 * p.n[j]) : 1.0;
        for (std::size_t i = 0; i < k; ++i) a[i * m + j] = w * rand[i];
        y[j] = w * (cod == 1 ? p.n[j] * p.n[j] : p.n[j]);
    }
    if (!std::isfinite(MinimePatrate(a, k, y, r.coef))) return r;
    r.abatereMaxima = AbatereMaxima(p, cod, r.coef, care);
    r.ok = std::isfinite(r.abatereMaxima);
    return r;
}

// ---- Sellmeier codes: n² = 1 or c + Σ Bᵢ·L/(L − Cᵢ) ------------------------

using Poli = std::array<double, 3>;
using CoeficientiLiniari = std::array<double, 4>;  // the constant (codes 6, 7), then one B per pole

struct ProblemaPoli {
    explicit ProblemaPoli(const Puncte& puncte) : p(puncte) {}
    const Puncte& p;
    int poli = 0;
    bool constanta = false;  // codes 6 and 7 have a free constant, code 4 the 1 of vacuum
    std::vector<double> w;    // 1/(2n)
    double lMin = 0.0, lMax = 0.0;
    std::vector<double> a, y;  // reused by every solve
};

std::size_t Coloane(const ProblemaPoli& q) { return static_cast<std::size_t>(q.poli) + (q.constanta ? 1 : 0); }

// The columns and the target for fixed poles into q.a and q.y; false for a
// pole that sits on a point.
bool UmpleColoane(ProblemaPoli& q, const Poli& poli) {
    const std::size_t m = q.p.size();
    q.a.resize(m * Coloane(q));
    q.y.resize(m);
    for (std::size_t j = 0; j < m; ++j) {
        const double L = q.p.L[j];
        std::size_t i = 0;
        if (q.constanta) q.a[i++ * m + j] = q.w[j];
        for (int t = 0; t < q.poli; ++t) {
            const double numitor = L - poli[static_cast<std::size_t>(t)];
            if (numitor == 0.0) return false;
            q.a[i++ * m + j] = q.w[j] * L / numitor;
        }
        q.y[j] = q.w[j] * (q.p.n[j] * q.p.n[j] - (q.constanta ? 0.0 : 1.0));
    }
    return true;
}

// The linear coefficients for fixed poles, every B at 0 or above, and the
// sum of squared weighted residuals; infinity for poles that sit on a point
// or leave the columns dependent. The best B of a few columns under that
// bound is the free solve of one subset of them with the others at 0: the
// free solve of all of them nearly always is it already, and otherwise the
// subsets are tried.
double RezolvaPoli(ProblemaPoli& q, const Poli& poli, CoeficientiLiniari& b) {
    if (!UmpleColoane(q, poli)) return Infinit;
    const std::size_t m = q.p.size(), k = Coloane(q), primulB = q.constanta ? 1 : 0;
    double suma = MinimePatrate(q.a, k, q.y, b.data());
    const auto fizic = [&](const double* c, std::size_t de, std::size_t pana) {
        return std::all_of(c + de, c + pana, [](double v) { return v >= 0.0; });
    };
    if (std::isfinite(suma) && fizic(b.data(), primulB, k)) return suma;
    UmpleColoane(q, poli);  // the solve overwrote them
    const std::vector<double> a = q.a, y = q.y;
    suma = Infinit;
    const unsigned toate = (1u << q.poli) - 1;
    for (unsigned pastrate = 0; pastrate < toate; ++pastrate) {
        std::vector<std::size_t> coloane;
        for (std::size_t i = 0; i < primulB; ++i) coloane.push_back(i);
        for (std::size_t t = 0; t < static_cast<std::size_t>(q.poli); ++t)
            if (pastrate & (1u << t)) coloane.push_back(primulB + t);
        double c[ColoaneMaxime] = {};
        double s = 0.0;
        if (coloane.empty()) {
            for (double v : y) s += v * v;
        } else {
            q.a.resize(m * coloane.size());
            for (std::size_t j = 0; j < coloane.size(); ++j)
                std::copy(&a[coloane[j] * m], &a[coloane[j] * m] + m, &q.a[j * m]);
            q.y = y;
            s = MinimePatrate(q.a, coloane.size(), q.y, c);
        }
        if (!(s < suma) || !fizic(c, primulB, coloane.size())) continue;
        suma = s;
        b.fill(0.0);
        for (std::size_t j = 0; j < coloane.size(); ++j) b[coloane[j]] = c[j];
    }
    return suma;
}

// The same, with the weighted residuals themselves in `r`.
double ReziduuriPoli(ProblemaPoli& q, const Poli& poli, CoeficientiLiniari& b, std::vector<double>& r) {
    if (!std::isfinite(RezolvaPoli(q, poli, b))) return Infinit;
    UmpleColoane(q, poli);
    const std::size_t m = q.p.size(), k = Coloane(q);
    r.resize(m);
    double suma = 0.0;
    for (std::size_t j = 0; j < m; ++j) {
        double f = 0.0;
        for (std::size_t i = 0; i < k; ++i) f += q.a[i * m + j] * b[i];
        r[j] = f - q.y[j];
        suma += r[j] * r[j];
    }
    return std::isfinite(suma) ? suma : Infinit;
}

// A pole inside the fitted range (or at its edge) makes n jump to infinity
// between two points; such poles are not candidates.
bool PolPermis(const ProblemaPoli& q, double c) {
    return c > 1e-10 && c < 1e8 && (c < 0.98 * q.lMin || c > 1.02 * q.lMax);
}

std::vector<double> Logspatiu(double a, double b, int n) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) v.push_back(a * std::pow(b / a, n > 1 ? double(i) / (n - 1) : 0.0));
    return v;
}

// Levenberg–Marquardt in log C from a start of the grid. Two poles close
// together lie in a long curved valley, which a search along one pole at a
// time crawls through; the steps here follow it. The Jacobian of the
// residuals in the poles is taken by central differences: the B are solved
// anew at every pole, so the residuals are those of the best B for them.
double RafineazaPoli(ProblemaPoli& q, Poli& poli, CoeficientiLiniari& b) {
    const std::size_t m = q.p.size(), np = static_cast<std::size_t>(q.poli);
    std::vector<double> r, rIncercat, rPlus, rMinus, jacobian(m * np), a, y;
    double suma = ReziduuriPoli(q, poli, b, r);
    if (!std::isfinite(suma)) return suma;
    double mu = 1e-3;
    CoeficientiLiniari bIncercat{};
    constexpr double h = 1e-6;
    for (int iteratie = 0; iteratie < 100; ++iteratie) {
        double normaColoana[3] = {};
        for (std::size_t i = 0; i < np; ++i) {
            Poli plus = poli, minus = poli;
            plus[i] *= std::exp(h), minus[i] *= std::exp(-h);
            if (!std::isfinite(ReziduuriPoli(q, plus, bIncercat, rPlus)) ||
                !std::isfinite(ReziduuriPoli(q, minus, bIncercat, rMinus)))
                return suma;
            for (std::size_t j = 0; j < m; ++j) {
                jacobian[i * m + j] = (rPlus[j] - rMinus[j]) / (2.0 * h);
                normaColoana[i] += jacobian[i * m + j] * jacobian[i * m + j];
            }
        }
        bool acceptat = false;
        for (int incercare = 0; incercare < 12 && !acceptat; ++incercare) {
            // min ‖J·δ + r‖² + μ·Σ ‖Jᵢ‖²·δᵢ², as one least-squares problem.
            a.assign((m + np) * np, 0.0);
            y.assign(m + np, 0.0);
            for (std::size_t i = 0; i < np; ++i) {
                std::copy(&jacobian[i * m], &jacobian[i * m] + m, &a[i * (m + np)]);
                a[i * (m + np) + m + i] = std::sqrt(mu * normaColoana[i]);
            }
            for (std::size_t j = 0; j < m; ++j) y[j] = -r[j];
            double pas[3] = {};
            Poli incercat = poli;
            bool permis = std::isfinite(MinimePatrate(a, np, y, pas));
            for (std::size_t i = 0; i < np && permis; ++i) {
                incercat[i] = poli[i] * std::exp(std::clamp(pas[i], -2.0, 2.0));
                permis = PolPermis(q, incercat[i]);
            }
            const double s = permis ? ReziduuriPoli(q, incercat, bIncercat, rIncercat) : Infinit;
            if (s < suma) {
                acceptat = true;
                const bool gata = suma - s < 1e-12 * suma;
                poli = incercat, b = bIncercat, suma = s;
                r.swap(rIncercat);
                mu = std::max(mu / 3.0, 1e-12);
                if (gata) return suma;
            } else {
                mu *= 4.0;
            }
        }
        if (!acceptat) break;
    }
    return suma;
}

PotrivireEcuatie PotrivireSellmeier(const Puncte& p, std::int16_t cod, int care) {
    PotrivireEcuatie r;
    r.cod = cod;
    ProblemaPoli q(p);
    q.poli = cod == 4 ? 3 : cod == 6 ? 2 : 1;
    q.constanta = cod != 4;
    if (p.size() < static_cast<std::size_t>(2 * q.poli) + (q.constanta ? 1 : 0)) return r;
    for (double n : p.n) q.w.push_back(1.0 / (2.0 * n));
    q.lMin = *std::min_element(p.L.begin(), p.L.end());
    q.lMax = *std::max_element(p.L.begin(), p.L.end());

    std::vector<double> candidati;
    for (double c : Logspatiu(1e-4, 0.95 * q.lMin, 9))
        if (PolPermis(q, c)) candidati.push_back(c);
    for (double c : Logspatiu(1.05 * q.lMax, std::max(1e4, 100.0 * q.lMax), 7))
        if (PolPermis(q, c)) candidati.push_back(c);

    // Every choice of q.poli candidates, in increasing order; the few best
    // are the starts of the refinement, since the best on the grid need not
    // lie in the valley of the best overall.
    struct Start {
        double suma;
        Poli poli;
    };
    constexpr std::size_t Starturi = 4;
    std::vector<Start> starturi;
    Poli poli{};
    CoeficientiLiniari b{};
    const auto alege = [&](auto&& self, int nivel, std::size_t de) -> void {
        if (nivel == q.poli) {
            const double s = RezolvaPoli(q, poli, b);
            if (!std::isfinite(s)) return;
            starturi.push_back({s, poli});
            std::sort(starturi.begin(), starturi.end(), [](const Start& x, const Start& y) { return x.suma < y.suma; });
            if (starturi.size() > Starturi) starturi.pop_back();
            return;
        }
        for (std::size_t i = de; i < candidati.size(); ++i) {
            poli[static_cast<std::size_t>(nivel)] = candidati[i];
            self(self, nivel + 1, i + 1);
        }
    };
    alege(alege, 0, 0);

    double celMaiBun = Infinit;
    Poli celMaiBuniPoli{};
    CoeficientiLiniari celMaiBunB{};
    for (Start& s : starturi) {
        const double suma = RafineazaPoli(q, s.poli, b);
        if (suma < celMaiBun) celMaiBun = suma, celMaiBuniPoli = s.poli, celMaiBunB = b;
    }
    if (!std::isfinite(celMaiBun)) return r;

    if (cod == 4) {  // B1 B2 B3 C1 C2 C3
        for (std::size_t i = 0; i < 3; ++i) r.coef[i] = celMaiBunB[i], r.coef[3 + i] = celMaiBuniPoli[i];
    } else {  // c0, then B and C of each term
        r.coef[0] = celMaiBunB[0];
        for (std::size_t i = 0; i < static_cast<std::size_t>(q.poli); ++i)
            r.coef[1 + 2 * i] = celMaiBunB[1 + i], r.coef[2 + 2 * i] = celMaiBuniPoli[i];
    }
    r.abatereMaxima = AbatereMaxima(p, cod, r.coef, care);
    r.ok = std::isfinite(r.abatereMaxima);
    return r;
}

}  // namespace

PotrivireEcuatie PotrivesteEcuatie(std::span<const double> lambdaNm, std::span<const double> n, std::int16_t cod,
                                   int care) {
    const Puncte p = Pregateste(lambdaNm, n);
    switch (cod) {
        case 1: case 3: case 11: return PotrivireLiniara(p, cod, care);
        case 4: case 6: case 7: return PotrivireSellmeier(p, cod, care);
        default: {
            PotrivireEcuatie r;
            r.cod = cod;
            return r;
        }
    }
}

PotrivireEcuatie CeaMaiBunaPotrivire(std::span<const double> lambdaNm, std::span<const double> n,
                                     std::span<const std::int16_t> coduri, int care) {
    double nMaxim = 0.0;
    for (double v : n)
        if (std::isfinite(v)) nMaxim = std::max(nMaxim, v);
    const double zgomot = nMaxim * std::numeric_limits<float>::epsilon();
    PotrivireEcuatie cea;
    for (std::int16_t cod : coduri) {
        const PotrivireEcuatie r = PotrivesteEcuatie(lambdaNm, n, cod, care);
        if (r.ok && (!cea.ok || r.abatereMaxima < cea.abatereMaxima - zgomot)) cea = r;
    }
    return cea;
}

PotrivireTabel PotrivesteTabel(const MaterialOptic& m, int care, std::int16_t cod) {
    PotrivireTabel r;
    r.ecuatie.cod = cod;
    const double* valori = care == 0 ? m.indice_n : m.indice_k;
    const char* marime = care == 0 ? "n" : "k";
    std::vector<double> lambda, valoare;
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        const float l = m.lambda_indici[i];
        if (!(l > 0.0f) || valori[i] == 0.0) continue;
        if (!(valori[i] > 0.0) || !std::isfinite(valori[i]) || !std::isfinite(l)) {
            r.eroare = TextFormatat("Valoarea %s = %g la %g nm nu este una fizica (%s <= 0); corectati tabelul inainte de "
                          "potrivire",
                          marime, valori[i], static_cast<double>(l), marime);
            return r;
        }
        lambda.push_back(l);
        valoare.push_back(valori[i]);
        r.puncte.push_back({l, valori[i], 0.0});
    }
    const bool oricare = cod == 0;
    const auto& coduri = CoduriPotrivibile;
    if (!oricare && std::find(std::begin(coduri), std::end(coduri), cod) == std::end(coduri)) {
        r.eroare = TextFormatat("Ecuatia %d nu se poate potrivi unui tabel; codurile posibile sunt 1, 3, 4, 6, 7, 11", cod);
        return r;
    }
    // The equation with the fewest coefficients decides when any code will do.
    const int nevoie = oricare ? DescriereEcuatie(3).coeficientiFolositi : DescriereEcuatie(cod).coeficientiFolositi;
    if (static_cast<int>(lambda.size()) < nevoie) {
        r.eroare = TextFormatat("Tabelul %s are %zu puncte; ecuatia %s are %d coeficienti si cere cel putin %d "
                      "puncte", marime, lambda.size(), oricare ? "cea mai simpla" : std::to_string(cod).c_str(),
                      nevoie, nevoie);
        return r;
    }
    r.ecuatie = oricare ? CeaMaiBunaPotrivire(lambda, valoare, CoduriPotrivibile, care)
                        : PotrivesteEcuatie(lambda, valoare, cod, care);
    if (!r.ecuatie.ok) {
        if (oricare)
            r.eroare = TextFormatat("Nicio ecuatie nu se potriveste tabelului %s", marime);
        else
            r.eroare = TextFormatat("Ecuatia %d nu se poate potrivi tabelului %s (prea putine puncte "
                          "distincte sau un pol pe un punct)", cod, marime);
        return r;
    }
    MaterialOptic e{};
    (care == 0 ? e.ec_dispersie_n : e.ec_dispersie_k) = r.ecuatie.cod;
    std::copy(r.ecuatie.coef, r.ecuatie.coef + NumarCoeficientiDispersie, care == 0 ? e.coef_disp_n : e.coef_disp_k);
    for (PunctPotrivire& p : r.puncte) {
        float v = 0.0f;
        IndiceDinEcuatieDispersie(e, care, p.lambda, v);
        p.reziduu = static_cast<double>(v) - p.valoare;
    }
    return r;
}

double ReziduuMaximPotrivire(const PotrivireTabel& p, int care) {
    double maxim = 0.0;
    for (const PunctPotrivire& q : p.puncte)
        maxim = std::max(maxim, std::fabs(q.reziduu) / (care == 0 ? 1.0 : std::fabs(q.valoare)));
    return maxim;
}

std::string MotivRefuzPotrivire(const PotrivireTabel& p, int care, double toleranta) {
    if (!p.ok()) return p.eroare;
    const double maxim = ReziduuMaximPotrivire(p, care);
    if (maxim <= toleranta) return {};
    return TextFormatat("Ecuatia %d nu se potriveste tabelului %s: reziduul maxim%s este %.2e, peste toleranta %.2e. "
                        "Ecuatia nu a fost salvata.",
                        p.ecuatie.cod, care == 0 ? "n" : "k", care == 0 ? "" : " relativ", maxim, toleranta);
}

std::string AplicaPotrivire(MaterialOptic& m, int care, const PotrivireTabel& p) {
    if (!p.ok()) return {};
    (care == 0 ? m.ec_dispersie_n : m.ec_dispersie_k) = p.ecuatie.cod;
    std::copy(p.ecuatie.coef, p.ecuatie.coef + NumarCoeficientiDispersie, care == 0 ? m.coef_disp_n : m.coef_disp_k);
    std::uint16_t* domeniu = care == 0 ? m.domeniu_n : m.domeniu_k;
    const std::uint16_t vechi[2] = {domeniu[0], domeniu[1]};
    float jos = 0.0f, sus = 0.0f;
    if (!IntervalDinTabel(m, care == 0 ? m.indice_n : m.indice_k, jos, sus)) return {};
    domeniu[0] = static_cast<std::uint16_t>(std::clamp(jos, 1.0f, 65535.0f));
    domeniu[1] = static_cast<std::uint16_t>(std::clamp(sus, 1.0f, 65535.0f));
    const char* marime = care == 0 ? "n" : "k";
    std::string nota;
    if (domeniu[0] != vechi[0] || domeniu[1] != vechi[1])
        nota = DomeniuSpectralValid(vechi) ? TextFormatat("Domeniul ecuatiei lui %s este acum %d - %d nm (era %d - %d nm).",
                                                          marime, domeniu[0], domeniu[1], vechi[0], vechi[1])
                                           : TextFormatat("Domeniul ecuatiei lui %s este acum %d - %d nm.", marime,
                                                          domeniu[0], domeniu[1]);
    if (sus > 65535.0f)
        nota += TextFormatat("%sTabelul merge pana la %g nm; domeniul se opreste la 65535 nm, cel mai mare pe care il "
                             "tine materialul.",
                             nota.empty() ? "" : " ", static_cast<double>(sus));
    return nota;
}

}  // namespace vitramor
