#include "import/ColoaneText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <limits>

namespace vitramor {

namespace {

bool EsteCifra(char c) { return c >= '0' && c <= '9'; }
bool EsteSpatiu(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::size_t SariSpatii(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && EsteSpatiu(t[i])) ++i;
    return i;
}

}  // namespace

ColoaneText::ColoaneText(std::string_view sursa, char separator, int maxim) : text_(sursa) {
    std::string_view linie = text_;
    // The line ends at its first carriage return or line feed.
    linie = linie.substr(0, std::min(linie.find('\r'), linie.find('\n')));
    coloane_.reserve(static_cast<std::size_t>(std::min(maxim, 256)));
    const bool zecimalaVirgula = separator == '\t';
    std::size_t i = 0;
    while (i < linie.size() && static_cast<int>(coloane_.size()) < maxim) {
        const std::size_t inceput = i;
        std::size_t virgula = std::string_view::npos;
        while (i < linie.size() && linie[i] != separator) {
            if (zecimalaVirgula && linie[i] == ',' && virgula == std::string_view::npos) virgula = i;
            ++i;
        }
        std::size_t lungime = std::min(i - inceput, static_cast<std::size_t>(CaractereColoanaText));
        std::size_t start = inceput;
        while (lungime > 0 && linie[start] == ' ') ++start, --lungime;
        if (virgula != std::string_view::npos && virgula < start + lungime) text_[virgula] = '.';
        coloane_.emplace_back(linie.data() + start, lungime);
        ++i;
    }
}

std::string_view ColoaneText::coloana(int numar) const {
    if (numar < 1 || numar > static_cast<int>(coloane_.size())) return {};
    return coloane_[static_cast<std::size_t>(numar - 1)];
}

namespace {

// Powers of ten that a double holds exactly.
constexpr double PuteriExacte[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

float RealText(std::string_view t) {
    std::size_t i = SariSpatii(t);
    const std::size_t n = t.size();
    bool negativ = false;
    if (i < n && (t[i] == '+' || t[i] == '-')) negativ = t[i++] == '-';
    const std::size_t inceput = i;
    // The digits are gathered into an integer as they go: a catalogue value
    // has few of them, and then one exact multiplication or division by a
    // power of ten gives the same correctly rounded double as the general
    // conversion, at a fraction of its cost.
    std::uint64_t mantisa = 0;
    int semnificative = 0, exponent = 0;
    std::size_t cifre = 0;
    const auto cifra = [&](char c, bool zecimala) {
        if (mantisa == 0 && c == '0') {
            if (zecimala) --exponent;
            return;
        }
        if (semnificative < 19) {
            mantisa = mantisa * 10 + static_cast<std::uint64_t>(c - '0');
            ++semnificative;
            if (zecimala) --exponent;
        } else if (!zecimala) {
            ++exponent;
        }
    };
    while (i < n && EsteCifra(t[i])) cifra(t[i++], false), ++cifre;
    if (i < n && t[i] == '.') {
        ++i;
        while (i < n && EsteCifra(t[i])) cifra(t[i++], true), ++cifre;
    }
    if (cifre == 0) return 0.0f;
    bool exponentLung = false;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        bool minus = false;
        if (j < n && (t[j] == '+' || t[j] == '-')) minus = t[j++] == '-';
        const std::size_t inceputExponent = j;
        int e = 0;
        while (j < n && EsteCifra(t[j])) {
            if (e < 10000) e = e * 10 + (t[j] - '0');
            else exponentLung = true;
            ++j;
        }
        if (j > inceputExponent) {
            i = j;
            exponent += minus ? -e : e;
        }
    }
    double v = 0.0;
    if (mantisa == 0) {
        v = 0.0;
    } else if (!exponentLung && mantisa <= (std::uint64_t{1} << 53) && exponent >= -22 && exponent <= 22 &&
               semnificative < 19) {
        v = static_cast<double>(mantisa);
        v = exponent < 0 ? v / PuteriExacte[-exponent] : v * PuteriExacte[exponent];
    } else {
        const auto [p, ec] = std::from_chars(t.data() + inceput, t.data() + i, v, std::chars_format::general);
        if (ec != std::errc()) return 0.0f;
    }
    if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(std::numeric_limits<float>::max())) return 0.0f;
    return static_cast<float>(negativ ? -v : v);
}

long IntregText(std::string_view t) {
    std::size_t i = SariSpatii(t);
    bool negativ = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negativ = t[i++] == '-';
    long v = 0;
    for (; i < t.size() && EsteCifra(t[i]); ++i) {
        v = v * 10 + (t[i] - '0');
        if (v > std::numeric_limits<std::int32_t>::max()) return 0;
    }
    return negativ ? -v : v;
}

std::uint16_t CuvantText(std::string_view text) {
    const long v = IntregText(text);
    return v >= 0 && v <= 65535 ? static_cast<std::uint16_t>(v) : 0;
}

bool CititorLiniiText::citeste() {
    lunga_ = false;
    if (!std::getline(in_, linie_)) {
        linie_.clear();
        return false;
    }
    if (const std::size_t nul = linie_.find('\0'); nul != std::string::npos) linie_.resize(nul);
    if (linie_.size() > static_cast<std::size_t>(CaractereLinieText)) {
        // Anything but the carriage return of a CR LF line is lost text.
        lunga_ = !(linie_.size() == static_cast<std::size_t>(CaractereLinieText) + 1 && linie_.back() == '\r');
        linie_.resize(CaractereLinieText);
    }
    ++numar_;
    return true;
}

}  // namespace vitramor
