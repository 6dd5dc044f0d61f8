#include "record/CodificareText.h"

#include <cstring>
#include <string_view>

namespace vitramor {

namespace {

// Code points of bytes 0x80-0x9F; the rest of the upper half is Latin-1.
constexpr char16_t Rand80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AdaugaUtf8(std::string& iesire, char32_t cp) {
    if (cp < 0x80) {
        iesire += static_cast<char>(cp);
    } else if (cp < 0x800) {
        iesire += static_cast<char>(0xC0 | (cp >> 6));
        iesire += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        iesire += static_cast<char>(0xE0 | (cp >> 12));
        iesire += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        iesire += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the valid UTF-8 prefix of `s` (overlong forms, surrogates and
// code points past U+10FFFF are not valid). `cp` receives each character.
template <typename F>
std::size_t PrefixUtf8(std::string_view s, F&& cp) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t n;
        char32_t c;
        if (b < 0x80) n = 1, c = b;
        else if (b >= 0xC2 && b <= 0xDF) n = 2, c = b & 0x1F;
        else if (b >= 0xE0 && b <= 0xEF) n = 3, c = b & 0x0F;
        else if (b >= 0xF0 && b <= 0xF4) n = 4, c = b & 0x07;
        else return i;
        if (i + n > s.size()) return i;
        for (std::size_t k = 1; k < n; ++k) {
            const auto u = static_cast<unsigned char>(s[i + k]);
            if ((u & 0xC0) != 0x80) return i;
            c = (c << 6) | (u & 0x3F);
        }
        if ((n == 3 && c < 0x800) || (n == 4 && (c < 0x10000 || c > 0x10FFFF)) || (c >= 0xD800 && c <= 0xDFFF))
            return i;
        if (!cp(c)) return i;
        i += n;
    }
    return i;
}

// The byte of a code point, or -1 when Windows-1252 has none.
int OctetWindows1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (Rand80[i] == cp) return 0x80 + i;
    return -1;
}

}  // namespace

std::string_view TextCamp(const char* camp, std::size_t marime) {
    const void* nul = std::memchr(camp, '\0', marime);
    return {camp, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - camp) : marime};
}

std::string Utf8DinWindows1252(std::string_view text) {
    std::string iesire;
    iesire.reserve(text.size());
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0) AdaugaUtf8(iesire, Rand80[b - 0x80]);
        else AdaugaUtf8(iesire, b);
    }
    return iesire;
}

std::optional<std::string> Windows1252DinUtf8(std::string_view text) {
    std::string iesire;
    iesire.reserve(text.size());
    const std::size_t valid = PrefixUtf8(text, [&](char32_t cp) {
        const int b = OctetWindows1252(cp);
        if (b >= 0) iesire += static_cast<char>(b);
        return b >= 0;
    });
    if (valid != text.size()) return std::nullopt;
    return iesire;
}

QString TextQt(std::string_view windows1252) {
    QString s;
    s.reserve(static_cast<qsizetype>(windows1252.size()));
    for (char c : windows1252) {
        const auto b = static_cast<unsigned char>(c);
        s += QChar(b >= 0x80 && b < 0xA0 ? Rand80[b - 0x80] : char16_t{b});
    }
    return s;
}

std::string Windows1252DinQt(const QString& text) {
    std::string iesire;
    iesire.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t cp : text.toUcs4()) {
        const int b = OctetWindows1252(cp);
        iesire += b >= 0 ? static_cast<char>(b) : '?';
    }
    return iesire;
}

std::string Utf8DinMesaj(std::string_view text) {
    if (PrefixUtf8(text, [](char32_t) { return true; }) == text.size()) return std::string(text);
    return Utf8DinWindows1252(text);
}

}  // namespace vitramor
