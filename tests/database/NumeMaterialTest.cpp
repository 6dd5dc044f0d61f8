// The identity fields as the name dialog takes them into the current
// record: what is kept of a name or code, how a price becomes tenths, and
// which selections are refused.
#include <gtest/gtest.h>

#include "database/NumeMaterial.h"
#include "support/PlatformaScriptata.h"
#include "support/RecordImage.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct NameFields : ::testing::Test {
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    SetLucru set;
    NameFields() { set.materiale = {namedRecord("BK7", 2)}; }
    std::string bytes(std::size_t off, std::size_t n) const { return bytesOf(set.materiale[0]).substr(off, n); }
};

}  // namespace

TEST(RelativePrice, TextBecomesTenthsRoundedDown) {
    struct Case {
        const char* text;
        bool accepted;
        std::uint16_t tenths;
    };
    const Case cases[] = {
        {"1.7", true, 17},   {"6400", true, 64000}, {" 12.34 ", true, 123}, {"0.19", true, 1},
        {"1e3", true, 10000}, {"-0", true, 0},       {"6400.0001", false, 0}, {"-0.1", false, 0},
        {"  ", false, 0},     {"1,7", true, 17},     {"12abc", false, 0},     {"inf", false, 0},
        {"nan", false, 0},
    };
    for (const Case& c : cases) {
        std::uint16_t tenths = 999;
        EXPECT_EQ(PretRelativDinText(c.text, tenths), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_EQ(tenths, c.tenths) << c.text;
        }
    }
}

TEST(RelativePrice, ShownAsTheStoredValueOverTen) {
    EXPECT_EQ(TextPretRelativ(5), "0.5");
    EXPECT_EQ(TextPretRelativ(17), "1.7");
    EXPECT_EQ(TextPretRelativ(65535), "6553.5");
}

// Name: all 15 characters, the rest of the field cleared; code: 13, the name not touched.
TEST_F(NameFields, NameAndCodeKeepWhatTheirFieldsHold) {
    set.curent().nume[15] = 'Z';  // stale byte past the terminator
    ASSERT_EQ(PreiaNumeMaterial(set, "ABCDEFGHIJKLMNO"), 1);
    EXPECT_EQ(bytes(22, 16), std::string("ABCDEFGHIJKLMNO\0", 16));
    EXPECT_EQ(set.modificat, 1);
    ASSERT_EQ(PreiaNumeMaterial(set, "F2"), 1);
    EXPECT_EQ(bytes(22, 16), std::string("F2") + std::string(14, '\0'));

    ASSERT_EQ(PreiaCodMaterial(set, "1234567890123"), 1);
    EXPECT_EQ(bytes(38, 14), std::string("1234567890123\0", 14));
    EXPECT_EQ(bytes(22, 4), std::string("F2\0\0", 4));
}

TEST_F(NameFields, ComboSelectionsPastTheirLimitShowMessage38) {
    struct Case {
        int (*take)(Fereastra, SetLucru&, int);
        int selection;
        bool accepted;
        std::size_t offset;
    };
    const Case cases[] = {
        {PreiaTipMaterial, 18, true, 0}, {PreiaTipMaterial, 19, false, 0}, {PreiaStas, 10, true, 2},
        {PreiaStas, 11, false, 2},       {PreiaProducator, 15, true, 4},    {PreiaProducator, 16, false, 4},
        {PreiaProducator, -1, false, 4},
    };
    for (const Case& c : cases) {
        set.materiale = {namedRecord("BK7", 2)};
        set.modificat = 0;
        p.casete.clear();
        const std::string before = bytes(c.offset, 2);
        EXPECT_EQ(c.take(nullptr, set, c.selection), c.accepted ? 1 : 0) << c.offset << " " << c.selection;
        if (c.accepted) {
            EXPECT_EQ(bytes(c.offset, 2), std::string({static_cast<char>(c.selection), '\0'}));
            EXPECT_EQ(set.modificat, 1);
            EXPECT_TRUE(p.casete.empty());
        } else {
            EXPECT_EQ(bytes(c.offset, 2), before);
            EXPECT_EQ(set.modificat, 0);
            ASSERT_EQ(p.casete.size(), 1u);
            EXPECT_EQ(p.casete[0].numar, 38);
        }
    }
}
