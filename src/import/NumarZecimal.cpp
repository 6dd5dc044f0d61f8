#include "import/NumarZecimal.h"

#include <charconv>
#include <cstdint>

namespace vitramor {

namespace {

bool EsteCifra(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::size_t PrefixZecimal(std::string_view t) {
    const std::size_t n = t.size();
    std::size_t i = 0, cifre = 0;
    while (i < n && EsteCifra(t[i])) ++i, ++cifre;
    if (i < n && t[i] == '.') {
        ++i;
        while (i < n && EsteCifra(t[i])) ++i, ++cifre;
    }
    if (cifre == 0) return 0;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (t[j] == '+' || t[j] == '-')) ++j;
        const std::size_t exponent = j;
        while (j < n && EsteCifra(t[j])) ++j;
        if (j > exponent) i = j;
    }
    return i;
}

bool ZecimalGeneral(std::string_view t, double& v) {
    const auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
    return ec == std::errc() && p == t.data() + t.size();
}

}  // namespace vitramor
