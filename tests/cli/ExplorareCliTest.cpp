// vitramor-cli compare, glass-map and substitute on a small catalogue.
#include "explorare/SticleCatalog.h"
#include "cli/CliFixture.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class ExplorareCli : public CliFixture {
protected:
    ExplorareCli() {
        MaterialOptic gol = Material("GOL", ProducatorHoya, 0, {}, {});  // nothing to place
        MaterialOptic bsc7 = NBK7("BSC7");  // the same glass from another producer
        bsc7.producator = ProducatorHoya;
        dir.write("sticleNou32.dat", databaseOf({NBK7(), F2(), SiliceTopita(), bsc7, gol, F2("E-F2", 3)}));
    }
    std::vector<std::string> linii(const std::string& text) {
        std::vector<std::string> r;
        std::size_t p = 0;
        for (std::size_t n; (n = text.find('\n', p)) != std::string::npos; p = n + 1) r.push_back(text.substr(p, n - p));
        return r;
    }
};

}  // namespace

TEST_F(ExplorareCli, CompareTablesTheUnionOrTheGivenWavelengths) {
    Rezultat r = ruleaza("compare N-BK7 F2");
    ASSERT_EQ(r.cod, 0) << r.err;
    auto l = linii(r.out);
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(l[0], "435.834\t1.52668\t1.64202\t");
    EXPECT_EQ(l[3], "587.562\t1.5168\t1.62004\t");

    r = ruleaza("compare --from 500 --to 600 --step 50 N-BK7 GOL");
    ASSERT_EQ(r.cod, 0) << r.err;
    l = linii(r.out);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0].substr(0, 11), "500\t1.52141");  // from the equation; GOL has no n
    EXPECT_EQ(l[2].substr(0, 4), "600\t");
    EXPECT_EQ(l[2].substr(l[2].size() - 2), "\t\t");

    EXPECT_EQ(ruleaza("compare --from 500 N-BK7").cod, 2);
    EXPECT_EQ(ruleaza("compare NU-EXISTA").cod, 1);
}

TEST_F(ExplorareCli, GlassMapListsThePlaceableMaterialsAndDrawsThem) {
    const auto svg = (lucru / "harta.svg").string();
    Rezultat r = ruleaza("glass-map --svg '" + svg + "'");
    ASSERT_EQ(r.cod, 0) << r.err;
    auto l = linii(r.out);
    ASSERT_EQ(l.size(), 5u);  // GOL has neither nd nor vd
    EXPECT_EQ(l[0].substr(0, 6), "N-BK7\t");
    EXPECT_NE(l[0].find("\t1.516800\t64.1"), std::string::npos) << l[0];
    const std::string desen = readFile(svg);
    // The window's chart, drawn by Qt SVG: its axis titles and the makers' legend.
    EXPECT_NE(desen.find("<title>Harta sticlelor</title>"), std::string::npos);
    EXPECT_NE(desen.find("vd (numar Abbe)"), std::string::npos);
    EXPECT_NE(desen.find("Hoya (2)"), std::string::npos);

    const std::string lipsa = (lucru / "x" / "h.svg").string();
    r = ruleaza("glass-map --svg '" + lipsa + "'");
    EXPECT_EQ(r.cod, 1);
    EXPECT_NE(r.err.find("Eroare scriere fisier " + lipsa + ":\n"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("Eroare scriere fisier"), r.err.rfind("Eroare scriere fisier")) << r.err;

    r = ruleaza("glass-map --producer 3");
    l = linii(r.out);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].substr(0, 10), "BSC7\tHoya\t");
    EXPECT_EQ(l[1].substr(0, 5), "E-F2\t");
}

TEST_F(ExplorareCli, SubstituteFindsTheSameGlassOfAnotherProducerFirst) {
    for (const char* cum : {"substitute --count 2 N-BK7", "substitute --range 450 650 --count 2 N-BK7"}) {
        SCOPED_TRACE(cum);
        const Rezultat r = ruleaza(cum);
        ASSERT_EQ(r.cod, 0) << r.err;
        const auto l = linii(r.out);
        ASSERT_EQ(l.size(), 2u);
        EXPECT_EQ(l[0].substr(0, 13), "BSC7\tHoya\t0\t1");
        // Schott's own F2 is never a substitute of a Schott glass.
        EXPECT_EQ(l[1].substr(0, 7), "SILICA\t");
    }
    EXPECT_EQ(ruleaza("substitute --count 0 N-BK7").cod, 2);
}
