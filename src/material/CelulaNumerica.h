#pragma once
// Reading the number typed into an editor cell. Every property editor keeps
// its values in the record the moment a cell is left, so the text must be
// judged on its own: a cell left empty means "not given" (0), and anything
// that is not one plain decimal number is refused rather than guessed at,
// because a half-read value would be stored over a good one.

#include <optional>
#include <string>
#include <string_view>

namespace vitramor {

// Whether a cell holds nothing but blanks: "not given".
bool CelulaGoala(std::string_view text);

// The number a cell holds. Leading and trailing blanks are ignored; empty
// or blank text reads as 0. Accepted: an optional sign, digits with at most
// one decimal point, an optional exponent ("1.5168", "-2", ".5", "1e-3").
// Refused (nullopt): letters, a decimal comma, hexadecimal, "nan", "inf",
// two numbers, and values outside the range of a double.
std::optional<double> CitesteNumarCelula(std::string_view text);

// The same number as the single-precision value a float field keeps; also
// refused when it does not fit a float. -0 reads as 0.
std::optional<float> CitesteFloatCelula(std::string_view text);

// A whole number from 0 to `maxim` (a 16-bit field, a temperature):
// "1064" and "1064.0" are whole, "1064.5", a sign and text are not.
std::optional<unsigned> CitesteIntregCelula(std::string_view text, unsigned maxim);

// A float cell with a lower bound: the value when it is at least `minim`
// (or above it when `strict`), nullopt otherwise.
std::optional<float> CitesteFloatMinim(std::string_view text, float minim, bool strict = false);

// A value as the cells show it: printf "%g".
std::string FormatG(double v);

}  // namespace vitramor
