#include "settings/Culori.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Platforma.h"
#include "platform/DepozitSetari.h"
#include "record/TextFormatat.h"

namespace vitramor {

std::uint32_t culoriUtilizator[NumarCuloriUtilizator] = {};

namespace {

// The palette a first start paints with: black, white, three reds, three
// greens, three blues, then the mixed colours and a light grey.
constexpr int NumarCuloriImplicite = 20;
constexpr std::uint32_t CuloriImplicite[NumarCuloriImplicite] = {
    0x000000, 0xFFFFFF, 0x0000FF, 0x0000C0, 0x000080, 0x00FF00, 0x00C000, 0x008000, 0xFF0000, 0xC00000,
    0x800000, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800080, 0x008080, 0x8000E1, 0x000080, 0x808000, 0xC0C0C0,
};

std::string numeValoare(int slot) {
    return TextFormatat("CULOARE_%d", slot);
}

void aratEroareaSistem(const char* titlu) {
    const std::string text = platforma().setari().textEroare();
    if (!text.empty()) MesajBox(nullptr, text, titlu, stil::MB_OK | stil::MB_ICONASTERISK);
}

}  // namespace

int CitesteRegistriCuloriUtilizator(std::uint32_t* culori, int numar) {
    DepozitSetari& s = platforma().setari();
    if (!s.existaCheie(CheieCulori)) {
        aratEroareaSistem("CitesteRegistriCuloriUtilizator");
        for (int i = 0; i < std::min(numar, NumarCuloriImplicite); ++i) culori[i] = CuloriImplicite[i];
        return 0;
    }
    for (int i = 0; i < numar; ++i) {
        // A value of another length is not one of our colours: like a
        // missing value it leaves the slot as it was.
        const auto octeti = s.citesteBinar(CheieCulori, numeValoare(i));
        if (!octeti || octeti->size() != 4) continue;
        const auto& b = *octeti;
        culori[i] = std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
                    std::uint32_t{b[3]} << 24;
    }
    return 1;
}

void ScrieRegistriCuloriUtilizator(const std::uint32_t* culori, int numar) {
    DepozitSetari& s = platforma().setari();
    bool ok = s.creazaCheie(CheieCulori);
    for (int i = 0; ok && i < numar; ++i) {
        const std::uint32_t c = culori[i];
        // Little-endian whatever the host, so the file and the registry hold the same four bytes.
        const std::vector<std::uint8_t> octeti{static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
                                               static_cast<std::uint8_t>(c >> 16),
                                               static_cast<std::uint8_t>(c >> 24)};
        ok = s.scrieBinar(CheieCulori, numeValoare(i), octeti);
    }
    if (!ok) aratEroareaSistem("ScrieRegistriCuloriUtilizator");
}

}  // namespace vitramor
