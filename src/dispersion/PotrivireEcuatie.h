#pragma once
// Dispersion equations fitted to given indices: points λ nm → n (a
// catalogue formula sampled over its range, a material's own index table)
// become the coefficients of one of the record's equation codes. The
// deviation a fit reports is measured with the record's own evaluator, so it
// is what the user gets from the stored equation.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "dispersion/EcuatieDispersie.h"

namespace vitramor {

struct PotrivireEcuatie {
    bool ok = false;
    std::int16_t cod = 0;
    double coef[NumarCoeficientiDispersie] = {};  // as the record stores them
    double abatereMaxima = 0.0;  // largest |n of the stored equation − n given| over the points
};

// The codes a fit can give, in the order preferred between fits equally
// close: 4 (three-term Sellmeier), 6 and 7 (Sellmeier with a constant, two
// terms and one), 1 (Schott power series), 3 (Cauchy) and last 11
// (polynomial of degree 11 in λ µm), which strays fastest outside its range.
inline constexpr std::int16_t CoduriPotrivibile[] = {4, 6, 7, 1, 3, 11};

// Least squares in n over the points. Points without a positive finite λ and
// n are left out. Not ok for a code that is not fitted, for fewer points than
// the equation has coefficients, and where the stored equation gives no n at
// one of the points. `care` 1 fits k: the values are k, and the deviation is
// that of the record's k evaluator (which reads a negative k as 0).
PotrivireEcuatie PotrivesteEcuatie(std::span<const double> lambdaNm, std::span<const double> n, std::int16_t cod,
                                   int care = 0);

// The fit, among `coduri`, whose largest deviation is the smallest; not ok
// when no code fits. A code comes before a later one unless the later one
// is closer by more than the float rounding of n, which the record's
// evaluator applies: below that the difference is noise.
PotrivireEcuatie CeaMaiBunaPotrivire(std::span<const double> lambdaNm, std::span<const double> n,
                                     std::span<const std::int16_t> coduri = CoduriPotrivibile, int care = 0);

// ---- the fit of a material's own table ("Potriveste ecuatie") ------------

struct PunctPotrivire {
    float lambda = 0.0f;   // nm
    double valoare = 0.0;  // the table's n or k
    double reziduu = 0.0;  // the fitted equation minus the table, as the record evaluates it
};

struct PotrivireTabel {
    PotrivireEcuatie ecuatie;
    std::vector<PunctPotrivire> puncte;
    std::string eroare;  // why there is no fit, for the user; empty when there is one
    bool ok() const { return eroare.empty() && ecuatie.ok; }
};

// The n (care 0) or k (care 1) table of a material fitted to equation `cod`,
// or with `cod` 0 to the best of CoduriPotrivibile. The points are the slots
// with a wavelength and a non-zero value; a negative or non-finite value is
// no index, and the table is refused with a message naming it rather than
// fitted around it. Too few points for the equation are refused the same way.
PotrivireTabel PotrivesteTabel(const MaterialOptic& m, int care, std::int16_t cod);

// A fit is stored only when it fits: its largest residual over the table
// within the tolerance, in n, or relative to the table's value for k.
inline constexpr double TolerantaPotrivireImplicita = 1e-4;

// The largest residual the tolerance is held against: |residual| for n,
// |residual| / k for k.
double ReziduuMaximPotrivire(const PotrivireTabel& p, int care);

// Why a fit may not be stored, with the figure (UTF-8); empty when it may.
std::string MotivRefuzPotrivire(const PotrivireTabel& p, int care, double toleranta);

// Stores an accepted fit: the equation code and coefficients, and the
// validity range of the table's points (up to 65535 nm, the most the record
// holds: a table that goes further is fitted beyond it). Returns what
// became of the range when it is not the one the material had (narrower,
// wider, or cut at 65535 nm), for the user; empty otherwise.
std::string AplicaPotrivire(MaterialOptic& m, int care, const PotrivireTabel& p);

}  // namespace vitramor
