#pragma once
// The dispersion formulas of AGF glass catalogues and how they meet the
// record's equation codes, both ways: reading a catalogue and writing one
// go through the same mapping, so that a glass written and read back keeps
// its coefficients bit for bit.

#include <cstdint>

namespace vitramor {

inline constexpr int FormulaAgfMaxima = 13;
inline constexpr int CoeficientiAgfMaxim = 10;

// n of an AGF formula at λ µm in double precision; 0 where the formula gives
// no real index. Formula numbers outside 1..13 give 0.
double IndiceFormulaAgf(int formula, const double* cd, double lambdaUm);

// How many CD coefficients a formula reads.
int CoeficientiFormulaAgf(int formula);

// The equation code that is exactly formula `formula` (1 for formula 1, 4
// for formula 2, its K and L reordered to B1 B2 B3 C1 C2 C3, 6 for formula
// 9, 7 for formula 8 without its λ² term), its coefficients into `coef` (24
// values, the rest untouched); 0 for a formula that no code is exactly.
std::int16_t EcuatieDinFormulaAgf(int formula, const double* cd, double* coef);

// The way back: the formula that is exactly equation `cod` with its CD
// coefficients in `cd` (6 values): 1 for code 1, 2 for code 4, 9 for code 6,
// 8 with D = 0 for code 7; 0 for a code that no formula is exactly.
int FormulaAgfDinEcuatie(std::int16_t cod, const double* coef, double* cd);

}  // namespace vitramor
