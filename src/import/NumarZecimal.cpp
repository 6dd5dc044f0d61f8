#include "import/NumarZecimal.h"

#include <charconv>
#include <cstdint>

namespace vitramor {

namespace {

// Powers of ten that a double holds exactly.
constexpr double PuteriExacte[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

bool EsteCifra(char c) { return c >= '0' && c <= '9'; }

bool General(std::string_view t, double& v) {
    const auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
    return ec == std::errc() && p == t.data() + t.size();
}

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

bool NumarZecimal(std::string_view t, double& v) {
    std::uint64_t mantisa = 0;
    int semnificative = 0, exponent = 0;
    std::size_t cifre = 0, i = 0;
    const std::size_t n = t.size();
    for (; i < n; ++i) {
        const unsigned d = static_cast<unsigned>(static_cast<unsigned char>(t[i])) - '0';
        if (d > 9) break;
        ++cifre;
        if (semnificative < 19) {
            mantisa = mantisa * 10 + d;
            semnificative += mantisa != 0;
        } else {
            ++exponent;
            semnificative = 20;  // digits were dropped: not exact any more
        }
    }
    if (i < n && t[i] == '.') {
        for (++i; i < n; ++i) {
            const unsigned d = static_cast<unsigned>(static_cast<unsigned char>(t[i])) - '0';
            if (d > 9) break;
            ++cifre;
            if (semnificative < 19) {
                mantisa = mantisa * 10 + d;
                semnificative += mantisa != 0;
                --exponent;
            } else {
                semnificative = 20;
            }
        }
    }
    if (cifre == 0) return false;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        const bool minus = j < n && t[j] == '-';
        if (j < n && (t[j] == '+' || t[j] == '-')) ++j;
        if (j == n || n - j > 4) return General(t, v);
        int e = 0;
        for (; j < n; ++j) {
            if (!EsteCifra(t[j])) return false;
            e = e * 10 + (t[j] - '0');
        }
        exponent += minus ? -e : e;
        i = n;
    }
    if (i != n) return false;
    if (mantisa == 0) {
        v = 0.0;
        return true;
    }
    if (semnificative > 18 || mantisa > (std::uint64_t{1} << 53) || exponent < -22 || exponent > 22) return General(t, v);
    v = static_cast<double>(mantisa);
    v = exponent < 0 ? v / PuteriExacte[-exponent] : v * PuteriExacte[exponent];
    return true;
}

}  // namespace vitramor
