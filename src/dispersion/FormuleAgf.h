#pragma once
// The dispersion formulas of AGF glass catalogues, numbered as the format
// numbers them (1 Schott, 2 Sellmeier 1, ... 13 extended 3): what the AGF
// import converts from and the AGF export writes.

namespace vitramor {

inline constexpr int FormulaAgfMaxima = 13;
inline constexpr int CoeficientiAgfMaxim = 10;

// How many CD coefficients a formula reads; 0 for a number outside 1..13.
int CoeficientiFormulaAgf(int formula);

// n of an AGF formula at λ µm in double precision; 0 where the formula gives
// no real index. Formula numbers outside 1..13 give 0.
double IndiceFormulaAgf(int formula, const double* cd, double lambdaUm);

}  // namespace vitramor
