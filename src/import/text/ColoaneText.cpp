#include "import/text/ColoaneText.h"

#include "record/NumarCatalog.h"

#include <algorithm>
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

float RealText(std::string_view t) {
    std::size_t i = SariSpatii(t);
    const std::size_t n = t.size();
    double v = 0.0;
    const CitireNumar c = CitesteNumarCatalog(t.substr(std::min(i, n)), v);
    if (c.lungime == 0 || c.depasire || std::fabs(v) > static_cast<double>(std::numeric_limits<float>::max()))
        return 0.0f;
    return static_cast<float>(v);
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
