#include "material/CelulaNumerica.h"

#include "record/NumarCatalog.h"
#include "record/TextFormatat.h"

#include <cmath>
#include <cstdio>

namespace vitramor {

namespace {

bool blanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

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
    double v = 0.0;
    if (!NumarCatalog(text, v) || !std::isfinite(v)) return std::nullopt;
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
    return TextFormatat("%g", v);
}

}  // namespace vitramor
