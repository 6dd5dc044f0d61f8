#include <cstring>

#include "database/EroriCatalog.h"
#include "database/CatalogFixture.h"
#include "database/CautareCatalog.h"
#include "database/CatalogMateriale.h"

using namespace vitramor;
using namespace vitramor::test;

TEST(NumePotrivitModel, WildcardsAndCase) {
    struct Case {
        const char* model;
        const char* nume;
        bool match;
    } cases[] = {
        {"N-BK7", "N-BK7", true},
        {"n-bk7", "N-BK7", true},  // ASCII case does not count
        {"N-BK7", "N-BK70", false},
        {"N-BK?", "N-BK7", true},
        {"??", "A", false},
        {"?*", "A", true},
        {"*", "", true},
        {"", "N-SF6", true},  // an emptied filter lists everything
        {"*7", "N-BK7", true},
        {"N*K*7", "N-BK7", true},
        {"N*K*7", "N-BK7HT", false},
        {"a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaa", false},  // backtracking ends
        {"S-*L?M*", "S-BSLM2", false},
        {"S-*L?M*", "S-BSLAM2", true},
        {"\xE9*", "\xC9X", false},  // 8-bit letters are compared as they are
        {"\xE9*", "\xE9X", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumePotrivitModel(c.model, c.nume), c.match) << '"' << c.model << "\" vs \"" << c.nume << '"';
    }
}

namespace {

// N-BK7 with its published nd of 1.51680 in table slot 3 (lambda at offset
// 52 + 3*4, n at 256 + 3*8), code "517642", category 3.
MaterialOptic nbk7(std::uint16_t producer) {
    return RecordImage()
        .u16(4, producer)
        .u16(20, 3)
        .text(22, "N-BK7")
        .text(38, "517642")
        .f32(64, 587.5618f)
        .f64(280, 1.5168)
        .record();
}

struct Search : CatalogFixture {
    tag_OptiuniCautareMaterial options() const {
        // The request as the export dialog builds it: zero but for the word
        // at 40 and the list id at 332.
        unsigned char raw[336] = {};
        raw[40] = 1;
        raw[332] = 0x1A;
        raw[333] = 0x04;  // 1066
        tag_OptiuniCautareMaterial o;
        std::memcpy(&o, raw, sizeof o);
        return o;
    }
    int search(std::uint16_t producer, const std::string& filter, std::vector<std::string>& lines,
               tag_OptiuniCautareMaterial o) {
        MaterialOptic m = namedRecord(filter, producer);
        return CautaMaterialOpticCuOptiuni(d.str(), m, nullptr, 0, o, lines);
    }
};

}  // namespace

TEST_F(Search, OneProducersMatchingNamesInFileOrder) {
    d.write("sticleNou32.dat", databaseOf({namedRecord("N-SF6", 2), nbk7(2), namedRecord("N-BK10", 3),
                                           namedRecord("N-BAK4", 2), namedRecord("F2", 2)}));
    std::vector<std::string> lines{"stale line"};
    ASSERT_EQ(search(2, "n-b*", lines, options()), 0);
    EXPECT_EQ(lines, (std::vector<std::string>{"N-BK7\t517642\t1.51680\t3", "N-BAK4\t\t-\t0"}));

    ASSERT_EQ(search(2, "*", lines, options()), 0);
    EXPECT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(0, 6), "N-SF6\t");

    // Without the producer word every producer's materials are listed.
    tag_OptiuniCautareMaterial all = options();
    all.cautaDupaProducator = 0;
    ASSERT_EQ(search(2, "N-BK*", lines, all), 0);
    EXPECT_EQ(lines, (std::vector<std::string>{"N-BK7\t517642\t1.51680\t3", "N-BK10\t\t-\t0"}));
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(Search, NoMatchIsAnEmptyListAndAMissingFileAnError) {
    std::vector<std::string> lines;
    EXPECT_EQ(search(2, "*", lines, options()), EroareFisierLipsa);
    EXPECT_EQ(p.texte(), std::vector<std::string>{"In directorul " + d.str() + " nu exista fisierul sticleNou32.dat"});

    d.write("sticleNou32.dat", bytesOf(nbk7(2)));
    p.casete.clear();
    EXPECT_EQ(search(3, "*", lines, options()), 0);
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(p.casete.empty());
}
