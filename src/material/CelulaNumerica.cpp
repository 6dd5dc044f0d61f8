#include "material/CelulaNumerica.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vitramor {

namespace {

bool blanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool cifra(char c) { return c >= '0' && c <= '9'; }

// Checks the shape of the text before strtod sees it: strtod alone would
// also take hexadecimal, "inf" and "nan", and the locale's own decimal sign.
bool formaZecimala(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t cifre = 0;
    while (i < s.size() && cifra(s[i])) ++i, ++cifre;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && cifra(s[i])) ++i, ++cifre;
    }
    if (cifre == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exponent = 0;
        while (i < s.size() && cifra(s[i])) ++i, ++exponent;
        if (exponent == 0) return false;
    }
    return i == s.size();
}

}  // namespace

bool CelulaGoala(std::string_view text) {
    for (char c : text)
        if (!blanc(c)) return false;
    return true;
}

std::optional<double> CitesteNumarCelula(std::string_view text) {
    while (!text.empty() && blanc(text.front())) text.remove_prefix(1);
    while (!text.empty() && blanc(text.back())) text.remove_suffix(1);
    if (text.empty()) return 0.0;
    if (!formaZecimala(text)) return std::nullopt;

    // The shape check leaves only characters whose meaning does not depend on
    // the locale, except the point: swap it for the locale's own sign so that
    // strtod reads the whole text under any LC_NUMERIC.
    std::string copie(text);
    const char punct = *std::localeconv()->decimal_point;
    for (char& c : copie)
        if (c == '.') c = punct;
    errno = 0;
    char* sfarsit = nullptr;
    const double v = std::strtod(copie.c_str(), &sfarsit);
    if (sfarsit != copie.c_str() + copie.size() || !std::isfinite(v)) return std::nullopt;
    if (errno == ERANGE && std::fabs(v) > 1.0) return std::nullopt;  // overflow; underflow reads as 0
    return v == 0.0 ? 0.0 : v;
}

std::optional<float> CitesteFloatCelula(std::string_view text) {
    const std::optional<double> d = CitesteNumarCelula(text);
    if (!d) return std::nullopt;
    const float f = static_cast<float>(*d);
    if (!std::isfinite(f)) return std::nullopt;
    return f == 0.0f ? 0.0f : f;
}

std::optional<unsigned> CitesteIntregCelula(std::string_view text, unsigned maxim) {
    const std::optional<double> d = CitesteNumarCelula(text);
    if (!d || *d < 0.0 || *d > maxim || std::floor(*d) != *d) return std::nullopt;
    return static_cast<unsigned>(*d);
}

std::optional<float> CitesteFloatMinim(std::string_view text, float minim, bool strict) {
    const std::optional<float> v = CitesteFloatCelula(text);
    if (!v || *v < minim || (strict && *v == minim)) return std::nullopt;
    return v;
}

std::string FormatG(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

}  // namespace vitramor
