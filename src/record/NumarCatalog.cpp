#include "record/NumarCatalog.h"

#include <charconv>
#include <string>

namespace vitramor {

namespace {

bool EsteCifra(char c) { return c >= '0' && c <= '9'; }
bool EsteBlanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view FaraBlancuri(std::string_view t) {
    while (!t.empty() && EsteBlanc(t.front())) t.remove_prefix(1);
    while (!t.empty() && EsteBlanc(t.back())) t.remove_suffix(1);
    return t;
}

}  // namespace

CitireNumar CitesteNumarCatalog(std::string_view t, double& valoare) {
    const std::size_t n = t.size();
    std::size_t i = 0;
    const bool negativ = i < n && t[i] == '-';
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    const std::size_t inceput = i;
    std::size_t cifre = 0, virgula = std::string_view::npos;
    while (i < n && EsteCifra(t[i])) ++i, ++cifre;
    // A comma counts only with a digit after it: "1,2" is a decimal, "1," a
    // number followed by a separator.
    const bool punct = i < n && t[i] == '.';
    if (punct || (i + 1 < n && t[i] == ',' && EsteCifra(t[i + 1]))) {
        if (!punct) virgula = i;
        ++i;
        while (i < n && EsteCifra(t[i])) ++i, ++cifre;
    }
    if (cifre == 0) return {};
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (t[j] == '+' || t[j] == '-')) ++j;
        const std::size_t exponent = j;
        while (j < n && EsteCifra(t[j])) ++j;
        if (j > exponent) i = j;  // "2e" is 2 followed by text
    }
    std::string cuPunct;
    std::string_view numar = t.substr(inceput, i - inceput);
    if (virgula != std::string_view::npos) {
        cuPunct.assign(numar);
        cuPunct[virgula - inceput] = '.';
        numar = cuPunct;
    }
    double v = 0.0;
    const auto [p, ec] = std::from_chars(numar.data(), numar.data() + numar.size(), v, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        valoare = 0.0;
        return {i, true};
    }
    if (ec != std::errc() || p != numar.data() + numar.size()) return {};
    valoare = negativ ? -v : v;
    return {i, false};
}

bool NumarCatalog(std::string_view t, double& valoare) {
    t = FaraBlancuri(t);
    double v = 0.0;
    const CitireNumar c = CitesteNumarCatalog(t, v);
    if (c.lungime == 0 || c.lungime != t.size() || c.depasire) return false;
    valoare = v;
    return true;
}

std::optional<long long> NumarIntreg(std::string_view t, long long minim, long long maxim) {
    t = FaraBlancuri(t);
    // from_chars takes a '-' but not a '+'; a sign before a sign is no number.
    if (t.size() > 1 && t[0] == '+' && EsteCifra(t[1])) t.remove_prefix(1);
    long long v = 0;
    const auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v, 10);
    if (t.empty() || ec != std::errc() || p != t.data() + t.size() || v < minim || v > maxim) return std::nullopt;
    return v;
}

}  // namespace vitramor
