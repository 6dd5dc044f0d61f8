#pragma once
// The quantities by which catalogues and optical designers know a glass:
// nd and ne, the Abbe numbers vd and ve, the relative partial dispersions
// P g,F and P C,t and the deviation of P g,F from the normal line. The name
// dialog, the comparison window, the catalogue browser, the glass map and
// the substitutes all read them from here, so that every window shows the
// same figures for the same record.

#include <cmath>
#include <string>

#include "record/MaterialOptic.h"

namespace vitramor {

// The Fraunhofer and mercury/cadmium lines the quantities are defined at, nm.
inline constexpr float LambdaLiniaE = 546.0740f;        // e, mercury
inline constexpr float LambdaLiniaF = 486.1327f;        // F, hydrogen
inline constexpr float LambdaLiniaC = 656.2725f;        // C, hydrogen
inline constexpr float LambdaLiniaFPrim = 479.9914f;    // F', cadmium
inline constexpr float LambdaLiniaCPrim = 643.8469f;    // C', cadmium
inline constexpr float LambdaLiniaG = 435.8343f;        // g, mercury
inline constexpr float LambdaLiniaT = 1013.98f;         // t, mercury

// The normal line through K7 and F2 as the glass catalogues draw it:
// P g,F = a + b * vd.
inline constexpr double NormalaPgFA = 0.6438;
inline constexpr double NormalaPgFB = -0.001682;

// A quantity that cannot be formed (no equation and no table value at one of
// its lines, or a zero dispersion) is NaN; AreValoare tells.
struct MarimiOptice {
    double nd = NAN, ne = NAN;
    double vd = NAN, ve = NAN;
    double pgF = NAN, pCt = NAN;
    double deltaPgF = NAN;
};

inline bool AreValoare(double v) { return !std::isnan(v); }

// n of a record at one wavelength: by its n dispersion equation when it has
// one that yields a value there, otherwise from its index table (a slot
// within half a nanometre of the wavelength, else interpolated in 1/λ²
// between the two slots around it). NaN when neither gives a value.
double IndiceNLa(const MaterialOptic& m, float lambda);

// Every quantity of a record at once.
MarimiOptice CalculeazaMarimiOptice(const MaterialOptic& m);
// Only nd, vd, P g,F and its deviation (four lines instead of eight): what
// the lists and the map of a whole database need, at half the cost.
MarimiOptice CalculeazaMarimiPrincipale(const MaterialOptic& m);

// "nd 1.516800  ne 1.518722  vd 64.17  ve 63.96  P g,F 0.5349  P C,t 0.8709
// dP g,F -0.0009": each at the precision catalogues print, "-" when missing.
std::string TextMarimiOptice(const MarimiOptice& q);

}  // namespace vitramor
