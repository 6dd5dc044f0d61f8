
#include "settings/SettingsFixture.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using Culori = SettingsFixture;

constexpr std::uint32_t Martor = 0xDEADBEEF;  // a slot's content that must survive

}  // namespace

// Without the key the first twenty slots take the palette; with it, only
// well-formed values (four bytes, little-endian) replace their slot.
TEST_F(Culori, ReadingFillsThePaletteOrTheStoredSlotsOnly) {
    std::uint32_t c[NumarCuloriUtilizator];
    std::fill(std::begin(c), std::end(c), Martor);
    EXPECT_EQ(CitesteRegistriCuloriUtilizator(c, NumarCuloriUtilizator), 0);
    EXPECT_EQ((std::vector<std::uint32_t>{c[0], c[1], c[2], c[8], c[16], c[19], c[20], c[24]}),
              (std::vector<std::uint32_t>{0x000000, 0xFFFFFF, 0x0000FF, 0xFF0000, 0x8000E1, 0xC0C0C0, Martor, Martor}));

    store().scrieBinar(CheieCulori, "CULOARE_3", {0x11, 0x22, 0x33, 0x00});
    store().scrieBinar(CheieCulori, "CULOARE_24", {0xFF, 0x00, 0x80, 0x00});
    store().scrieBinar(CheieCulori, "CULOARE_7", {0x01, 0x02, 0x03});  // three bytes: not a colour
    std::fill(std::begin(c), std::end(c), Martor);
    EXPECT_EQ(CitesteRegistriCuloriUtilizator(c, NumarCuloriUtilizator), 1);
    EXPECT_EQ((std::vector<std::uint32_t>{c[0], c[3], c[7], c[24]}),
              (std::vector<std::uint32_t>{Martor, 0x00332211u, Martor, 0x008000FFu}));
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(Culori, WrittenAsFourLittleEndianBytes) {
    std::uint32_t c[NumarCuloriUtilizator] = {};
    c[0] = 0x00C0FFEE;  // red EE, green FF, blue C0
    ScrieRegistriCuloriUtilizator(c, NumarCuloriUtilizator);
    EXPECT_EQ(store().citesteBinar(CheieCulori, "CULOARE_0"), (std::vector<std::uint8_t>{0xEE, 0xFF, 0xC0, 0x00}));
    EXPECT_EQ(store().citesteBinar(CheieCulori, "CULOARE_24"), (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_FALSE(store().citesteBinar(CheieCulori, "CULOARE_25").has_value());
}
