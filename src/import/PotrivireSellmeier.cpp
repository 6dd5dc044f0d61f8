// The fit. With the three poles C fixed, n² − 1 = Σ Bᵢ·L/(L − Cᵢ) is linear
// in B, so B follows from a linear least-squares solve (a QR factorisation
// of the weighted N×3 matrix; the normal equations would square a condition
// number that is already large when two poles are close). What remains is a
// search over three poles only. The error surface in the poles has many
// shallow valleys, so a local method such as Levenberg–Marquardt started
// from one guess easily settles in the wrong one; instead every triple of a
// grid of candidate poles (logarithmically spaced, ultraviolet ones below the
// range and infrared ones above it, where the physical poles of a glass lie)
// is solved, and the best triple is refined by a coordinate search in
// log C with a shrinking step. About two thousand 3-column solves of some
// eighty points: a few milliseconds per glass.
//
// Residuals are weighted by 1/(2n), which turns a residual in n² into one in
// n: the fit minimises the error in the quantity catalogues quote.

#include "import/PotrivireSellmeier.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace vitramor {

namespace {

constexpr double Infinit = std::numeric_limits<double>::infinity();

struct Problema {
    std::vector<double> L, y, w;  // λ², n² − 1, 1/(2n)
    double lMin = 0.0, lMax = 0.0;
};

using Coloana = std::vector<double>;

// The weighted column of one pole; false when a point sits on the pole.
bool UmpleColoana(const Problema& p, double c, Coloana& col) {
    col.resize(p.L.size());
    for (std::size_t j = 0; j < p.L.size(); ++j) {
        const double numitor = p.L[j] - c;
        if (numitor == 0.0) return false;
        col[j] = p.w[j] * p.L[j] / numitor;
    }
    return true;
}

// Solves the weighted least squares for B with the poles' columns fixed, by
// modified Gram–Schmidt. Returns the sum of squared weighted residuals, or
// infinity for columns that are (nearly) dependent.
double RezolvaB(const Problema& p, const std::array<const Coloana*, 3>& coloane, std::array<double, 3>& b) {
    const std::size_t m = p.L.size();
    static thread_local std::array<Coloana, 3> q;
    std::array<std::array<double, 3>, 3> r{};
    for (int i = 0; i < 3; ++i) {
        q[i] = *coloane[i];
        double norma0 = 0.0;
        for (std::size_t j = 0; j < m; ++j) norma0 += q[i][j] * q[i][j];
        for (int k = 0; k < i; ++k) {
            double d = 0.0;
            for (std::size_t j = 0; j < m; ++j) d += q[k][j] * q[i][j];
            r[k][i] = d;
            for (std::size_t j = 0; j < m; ++j) q[i][j] -= d * q[k][j];
        }
        double norma = 0.0;
        for (std::size_t j = 0; j < m; ++j) norma += q[i][j] * q[i][j];
        if (!(norma > 1e-24 * norma0) || !std::isfinite(norma)) return Infinit;
        norma = std::sqrt(norma);
        r[i][i] = norma;
        for (std::size_t j = 0; j < m; ++j) q[i][j] /= norma;
    }
    std::array<double, 3> qy{};
    for (int i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < m; ++j) qy[i] += q[i][j] * p.w[j] * p.y[j];
    for (int i = 2; i >= 0; --i) {
        double s = qy[i];
        for (int k = i + 1; k < 3; ++k) s -= r[i][k] * b[k];
        b[i] = s / r[i][i];
    }
    double suma = 0.0;
    for (std::size_t j = 0; j < m; ++j) {
        double f = 0.0;
        for (int i = 0; i < 3; ++i) f += b[i] * (*coloane[i])[j];
        const double e = f - p.w[j] * p.y[j];
        suma += e * e;
    }
    return std::isfinite(suma) ? suma : Infinit;
}

// A pole inside the fitted range (or at its edge) makes n jump to infinity
// between two points; such triples are not candidates.
bool PolPermis(const Problema& p, double c) { return c > 0.0 && (c < 0.98 * p.lMin || c > 1.02 * p.lMax); }

std::vector<double> Logspatiu(double a, double b, int n) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) v.push_back(a * std::pow(b / a, n > 1 ? double(i) / (n - 1) : 0.0));
    return v;
}

}  // namespace

double IndiceSellmeier(const double coef[6], double lambdaUm) {
    const double L = lambdaUm * lambdaUm;
    double n2 = 1.0;
    for (int i = 0; i < 3; ++i) n2 += coef[i] * L / (L - coef[3 + i]);
    return n2 > 0.0 ? std::sqrt(n2) : 0.0;
}

PotrivireSellmeier PotrivesteSellmeier(const std::vector<double>& lambdaUm, const std::vector<double>& n) {
    PotrivireSellmeier rezultat;
    Problema p;
    for (std::size_t j = 0; j < lambdaUm.size() && j < n.size(); ++j) {
        if (!(n[j] > 1.0) || !(lambdaUm[j] > 0.0) || !std::isfinite(n[j])) continue;
        p.L.push_back(lambdaUm[j] * lambdaUm[j]);
        p.y.push_back(n[j] * n[j] - 1.0);
        p.w.push_back(1.0 / (2.0 * n[j]));
    }
    if (p.L.size() < 6) return rezultat;
    p.lMin = *std::min_element(p.L.begin(), p.L.end());
    p.lMax = *std::max_element(p.L.begin(), p.L.end());

    std::vector<double> candidati;
    for (double c : Logspatiu(1e-4, 0.95 * p.lMin, 9))
        if (PolPermis(p, c)) candidati.push_back(c);
    for (double c : Logspatiu(1.05 * p.lMax, std::max(1e4, 100.0 * p.lMax), 7))
        if (PolPermis(p, c)) candidati.push_back(c);
    std::vector<Coloana> coloane(candidati.size());
    for (std::size_t i = 0; i < candidati.size(); ++i)
        if (!UmpleColoana(p, candidati[i], coloane[i])) return rezultat;

    std::array<double, 3> celMaiBunC{}, b{}, celMaiBunB{};
    double celMaiBun = Infinit;
    for (std::size_t i = 0; i < candidati.size(); ++i)
        for (std::size_t j = i + 1; j < candidati.size(); ++j)
            for (std::size_t k = j + 1; k < candidati.size(); ++k) {
                const double s = RezolvaB(p, {&coloane[i], &coloane[j], &coloane[k]}, b);
                if (s < celMaiBun) celMaiBun = s, celMaiBunC = {candidati[i], candidati[j], candidati[k]}, celMaiBunB = b;
            }
    if (!std::isfinite(celMaiBun)) return rezultat;

    // The refinement moves one pole at a time by a factor e^±step. A pole
    // that drifts off towards 0 or infinity (a term that wants to be a
    // constant or a λ² term) improves the sum ever more slowly; the budget
    // of solves stops it.
    std::array<Coloana, 3> curente;
    for (int i = 0; i < 3; ++i) UmpleColoana(p, celMaiBunC[i], curente[i]);
    Coloana incercata;
    int buget = 1500;
    for (double pas = 0.5; pas > 1e-7 && buget > 0; pas *= 0.5) {
        bool imbunatatit = true;
        while (imbunatatit && buget > 0) {
            imbunatatit = false;
            for (int i = 0; i < 3; ++i)
                for (double semn : {-1.0, 1.0}) {
                    const double c = celMaiBunC[i] * std::exp(semn * pas);
                    if (!PolPermis(p, c) || c > 1e8 || c < 1e-10 || !UmpleColoana(p, c, incercata)) continue;
                    std::array<const Coloana*, 3> col{&curente[0], &curente[1], &curente[2]};
                    col[i] = &incercata;
                    --buget;
                    const double s = RezolvaB(p, col, b);
                    if (s < celMaiBun * (1.0 - 1e-12)) {
                        celMaiBun = s, celMaiBunC[i] = c, celMaiBunB = b, imbunatatit = true;
                        curente[i].swap(incercata);
                    }
                }
        }
    }

    for (int i = 0; i < 3; ++i) {
        rezultat.coef[i] = celMaiBunB[i];
        rezultat.coef[3 + i] = celMaiBunC[i];
    }
    for (std::size_t j = 0; j < lambdaUm.size() && j < n.size(); ++j) {
        if (!(n[j] > 1.0) || !(lambdaUm[j] > 0.0)) continue;
        rezultat.rezidualMaxim =
            std::max(rezultat.rezidualMaxim, std::fabs(IndiceSellmeier(rezultat.coef, lambdaUm[j]) - n[j]));
    }
    rezultat.ok = std::isfinite(rezultat.rezidualMaxim);
    return rezultat;
}

}  // namespace vitramor
