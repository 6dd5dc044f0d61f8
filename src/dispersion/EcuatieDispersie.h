#pragma once
// Dispersion equations: every record carries, for n and for k, an equation
// type code, 24 coefficients and a validity range in nm. This header is the
// only way the rest of the system evaluates them; the n and k windows, the
// checks, the command line and the save command all come through here.

#include <cstdint>
#include <limits>

#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr int NumarCoeficientiDispersie = 24;
inline constexpr std::int16_t CodMaximEcuatieDispersie = 13;
inline constexpr std::int16_t EcuatieTabelata = 10;  // values come from the index table

// The default validity range, written wherever a range is set to the default.
inline constexpr std::uint16_t DomeniuImplicitInferior = 10;
inline constexpr std::uint16_t DomeniuImplicitSuperior = 20000;

// The d line (helium, 587.5618 nm) at which catalogues quote nd.
inline constexpr float LambdaLiniaD = 587.5618f;

// Status of IndiceDinEcuatieDispersie.
inline constexpr int IndiceValid = 0;
inline constexpr int IndiceNegativ = 3;  // n came out below the smallest normal float

// Evaluates equation `cod` with coefficients c0..c23 at `lambda` nm. Never
// fails: a non-equation or unknown code beeps and yields c0, a negative n²
// yields 0. The precision is that of the stored data's producers: λ², L and x
// are formed in single precision from the single-precision wavelength.
double CalculeazaEcuatieDispersie(const double coef[NumarCoeficientiDispersie], std::int16_t cod, float lambda);

// n (which = 0) or k (which = 1) of a record at `lambda` nm, rounded to
// single precision. Returns IndiceValid, or IndiceNegativ for an n below
// 1.1754944e-38 (value 0 then). A negative k is clamped to 0 with status 0.
// The validity ranges are not consulted.
int IndiceDinEcuatieDispersie(const MaterialOptic& material, int which, float lambda, float& value);

// n or k of a record at `lambda` nm as the record gives it: from its table
// for code 10 (a slot's value at that wavelength, or linear in wavelength
// between the two filled slots around it; IndiceNegativ, value 0, outside
// them), from its equation otherwise, as IndiceDinEcuatieDispersie.
int IndiceMaterial(const MaterialOptic& material, int which, float lambda, float& value);

// True for the codes that are equations (0, 1, 3, 4, 6, 7, 11, 12, 13): the
// evaluator neither beeps nor falls back on c0 for them. Windows that show a
// value as the user types use this to stay quiet.
bool EsteEcuatieDispersie(std::int16_t cod);

// What the dialogs and the command line show for a code: "4 Sellmeier (3 termeni)"
// and the formula as it is written in the catalogues. Codes outside 0..13
// get a text naming the unknown code.
struct DescriereEcuatieDispersie {
    const char* nume;       // short name, without the code
    const char* forma;      // the published form of the equation
    int coeficientiFolositi;  // how many of c0.. the equation reads
};
DescriereEcuatieDispersie DescriereEcuatie(std::int16_t cod);

// A range is valid when its lower bound is non-zero and its upper bound is
// strictly greater.
inline bool DomeniuSpectralValid(const std::uint16_t domeniu[2]) {
    return domeniu[0] != 0 && domeniu[1] > domeniu[0];
}

// The range of a tabulated quantity: the span of the table's slots that
// hold a wavelength below 65535 and a positive value, truncated to whole
// nanometres (65535..0, not valid, when none does).
void DomeniuDinTabel(const MaterialOptic& m, const double valori[NumarSloturiTabel], std::uint16_t domeniu[2]);

// Completes the validity ranges before a save: default range for code 0,
// range of the table for code 10, the stored range otherwise. Returns 1 when
// both ranges are valid afterwards, 0 otherwise (the k range is then left as
// it was when the n range already failed).
int CompleteazaDomeniiSpectrale(MaterialOptic& material);

// The span of the table: the smallest and largest wavelength of the slots
// that hold a wavelength (below `sub`) and a positive value. False, with
// the bounds untouched, when no slot does. Validity ranges are made from it
// wherever they come from a table.
bool IntervalDinTabel(const MaterialOptic& m, const double valori[NumarSloturiTabel], float& minim, float& maxim,
                      float sub = std::numeric_limits<float>::infinity());

}  // namespace vitramor
