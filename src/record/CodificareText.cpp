#include "record/CodificareText.h"

#include <cstring>

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

}  // namespace vitramor
