#pragma once
// Decimal numbers of the catalogues read fast. A catalogue value has few
// significant digits and a small exponent; gathered into an integer, one
// exact multiplication or division by a power of ten then gives the same
// correctly rounded double as the general conversion, at a fraction of its
// cost. Anything else goes through the general conversion.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vitramor {

// The length of the number that starts `text`: digits with an optional
// point and an optional exponent (one whose digits are missing is not part
// of it), no sign. 0 when it starts with no digit.
std::size_t PrefixZecimal(std::string_view text);

// The general conversion of a whole text, for what the fast path leaves.
bool ZecimalGeneral(std::string_view text, double& valoare);

namespace detaliu {
// Powers of ten that a double holds exactly.
inline constexpr double PuteriExacte[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                          1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
}  // namespace detaliu

// The number that starts `text`, read in the same pass that finds where it
// ends: its length as PrefixZecimal gives it, 0 when there is none or it
// does not fit a double. Inline: the catalogue readers call it for every
// number of files of hundreds of thousands.
inline std::size_t CitesteZecimal(std::string_view t, double& v) {
    // Up to 19 digits gather into the integer without overflow; more (or a
    // long exponent) is left to the general conversion.
    std::uint64_t mantisa = 0;
    int exponent = 0;
    std::size_t cifre = 0, i = 0;
    const std::size_t n = t.size();
    for (; i < n; ++i) {
        const unsigned d = static_cast<unsigned>(static_cast<unsigned char>(t[i])) - '0';
        if (d > 9) break;
        mantisa = mantisa * 10 + d;
        ++cifre;
    }
    if (i < n && t[i] == '.') {
        const std::size_t punct = ++i;
        for (; i < n; ++i) {
            const unsigned d = static_cast<unsigned>(static_cast<unsigned char>(t[i])) - '0';
            if (d > 9) break;
            mantisa = mantisa * 10 + d;
        }
        cifre += i - punct;
        exponent = -static_cast<int>(i - punct);
    }
    if (cifre == 0) return 0;
    bool general = cifre > 19;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        const bool minus = j < n && t[j] == '-';
        if (j < n && (t[j] == '+' || t[j] == '-')) ++j;
        const std::size_t cifreExponent = j;
        int e = 0;
        for (; j < n && (t[j] >= '0' && t[j] <= '9'); ++j)
            if (j - cifreExponent < 4) e = e * 10 + (t[j] - '0');
        if (j > cifreExponent) {
            general = general || j - cifreExponent > 4;
            exponent += minus ? -e : e;
            i = j;
        }
    }
    if (general || mantisa > (std::uint64_t{1} << 53) || exponent < -22 || exponent > 22) {
        if (!general && mantisa == 0) {
            v = 0.0;
            return i;
        }
        return ZecimalGeneral(t.substr(0, i), v) ? i : 0;
    }
    v = static_cast<double>(mantisa);
    v = exponent < 0 ? v / detaliu::PuteriExacte[-exponent] : v * detaliu::PuteriExacte[exponent];
    return i;
}



// `text` as a whole: digits with an optional point and an optional exponent,
// no sign. False when it is not such a number or does not fit a double.
inline bool NumarZecimal(std::string_view text, double& valoare) {
    return !text.empty() && CitesteZecimal(text, valoare) == text.size();
}

}  // namespace vitramor
