#include <gtest/gtest.h>

#include "settings/SettingsFixture.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using Culori = SettingsFixture;

constexpr std::uint32_t Martor = 0xDEADBEEF;  // a slot's content that must survive

}  // namespace

TEST_F(Culori, WithoutTheKeyTheFirstTwentyTakeThePalette) {
    std::uint32_t c[NumarCuloriUtilizator];
    std::fill(std::begin(c), std::end(c), Martor);
    EXPECT_EQ(CitesteRegistriCuloriUtilizator(c, NumarCuloriUtilizator), 0);
    const std::uint32_t asteptat[20] = {0x000000, 0xFFFFFF, 0x0000FF, 0x0000C0, 0x000080, 0x00FF00, 0x00C000,
                                        0x008000, 0xFF0000, 0xC00000, 0x800000, 0xFFFF00, 0xFF00FF, 0x00FFFF,
                                        0x800080, 0x008080, 0x8000E1, 0x000080, 0x808000, 0xC0C0C0};
    for (int i = 0; i < 20; ++i) EXPECT_EQ(c[i], asteptat[i]) << "slot " << i;
    for (int i = 20; i < NumarCuloriUtilizator; ++i) EXPECT_EQ(c[i], Martor) << "slot " << i;
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(Culori, MissingOrMisshapenValuesLeaveTheirSlot) {
    store().scrieBinar(CheieCulori, "CULOARE_3", {0x11, 0x22, 0x33, 0x00});
    store().scrieBinar(CheieCulori, "CULOARE_24", {0xFF, 0x00, 0x80, 0x00});
    store().scrieBinar(CheieCulori, "CULOARE_7", {0x01, 0x02, 0x03});  // three bytes: not a colour
    std::uint32_t c[NumarCuloriUtilizator];
    std::fill(std::begin(c), std::end(c), Martor);
    EXPECT_EQ(CitesteRegistriCuloriUtilizator(c, NumarCuloriUtilizator), 1);
    EXPECT_EQ(c[3], 0x00332211u);
    EXPECT_EQ(c[24], 0x008000FFu);
    EXPECT_EQ(c[7], Martor);
    EXPECT_EQ(c[0], Martor) << "an existing key gives no defaults";
}

TEST_F(Culori, WrittenAsFourLittleEndianBytes) {
    std::uint32_t c[NumarCuloriUtilizator] = {};
    c[0] = 0x00C0FFEE;  // red EE, green FF, blue C0
    c[16] = 0x8000E1;
    ScrieRegistriCuloriUtilizator(c, NumarCuloriUtilizator);
    EXPECT_EQ(store().citesteBinar(CheieCulori, "CULOARE_0"), (std::vector<std::uint8_t>{0xEE, 0xFF, 0xC0, 0x00}));
    EXPECT_EQ(store().citesteBinar(CheieCulori, "CULOARE_16"), (std::vector<std::uint8_t>{0xE1, 0x00, 0x80, 0x00}));
    EXPECT_EQ(store().citesteBinar(CheieCulori, "CULOARE_24"), (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_FALSE(store().citesteBinar(CheieCulori, "CULOARE_25").has_value());
}

TEST(CuloareInversa, EachChannelIsMirrored) {
    const struct {
        std::uint32_t culoare, inversa;
    } cazuri[] = {
        {0x000000, 0xFFFFFF}, {0xFFFFFF, 0x000000}, {0x0000FF, 0xFFFF00},
        {0x123456, 0xEDCBA9}, {0x8000E1, 0x7FFF1E}, {0x808080, 0x7F7F7F},
    };
    for (const auto& c : cazuri) EXPECT_EQ(CuloareInversa(c.culoare), c.inversa) << std::hex << c.culoare;
}
