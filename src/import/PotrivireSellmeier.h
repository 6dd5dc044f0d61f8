#pragma once
// The three-term Sellmeier equation (equation code 4) that best fits a
// glass's index curve. Catalogues give some glasses in forms the record
// cannot hold; their curve, fitted this way, still evaluates everywhere in
// its range with the record's own equation.

#include <vector>

namespace vitramor {

struct PotrivireSellmeier {
    bool ok = false;
    double coef[6] = {};           // B1 B2 B3 C1 C2 C3, the order of code 4 (C in µm²)
    double rezidualMaxim = 0.0;    // largest |n fitted − n given| over the points
};

// Least squares in n over the points (λ in µm, ascending). Needs at least
// six points with n > 1.
PotrivireSellmeier PotrivesteSellmeier(const std::vector<double>& lambdaUm, const std::vector<double>& n);

// n of the code-4 coefficients at λ µm, in double precision; 0 where n² ≤ 0.
double IndiceSellmeier(const double coef[6], double lambdaUm);

}  // namespace vitramor
