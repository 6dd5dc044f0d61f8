// vitramor-cli import-schott: the real program on a catalogue file.
#include "cli/CliFixture.h"
#include "import/SchottTestData.h"
#include "record/MaterialOptic.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using SchottCli = CliFixture;

TEST_F(SchottCli, PrintsTheClassesOfEachGlassAndStoresThem) {
    const Rezultat r = ruleaza("import-schott " + fisier("allglass.sch", TextBloc(NBK7()) + TextBloc(F2()) + TextBloc(NFK51A())));
    ASSERT_EQ(r.cod, 0) << r.err;
    EXPECT_EQ(r.out, "1 0 1 2 2\n1 0 1 2 1\n2 0 52 2 4\n");
    EXPECT_EQ(r.err, "Import sticle Schott: 3 noi, 0 actualizate, 0 redenumite, 0 sarite, 0 refuzate.\n");
    EXPECT_EQ(recorduri().size(), 3u);
}

// A missing file stores nothing and fails; a cut one stores its whole
// glasses and names the one it refused.
TEST_F(SchottCli, AMissingOrCutFileIsAFailureWithItsMessage) {
    const std::string cale = (lucru / "nu-exista.sch").string();
    Rezultat r = ruleaza("import-schott '" + cale + "'");
    EXPECT_EQ(r.cod, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Import sticle Schott: Fisierul " + cale + " nu poate fi deschis\nBaza de date nu s-a schimbat.\n");
    EXPECT_EQ(recorduri().size(), 0u);

    auto f2 = LiniiBloc(F2());
    f2.resize(40);
    r = ruleaza("import-schott " + fisier("allglass.sch", TextBloc(NBK7()) + TextLinii(f2)));
    EXPECT_EQ(r.cod, 4);
    EXPECT_EQ(r.out, "1 0 1 2 2\n");
    EXPECT_NE(r.err.find("Refuzat F2: fisierul "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("se termina in blocul sticlei, dupa 40 din cele 195 linii"), std::string::npos) << r.err;
    EXPECT_EQ(recorduri().size(), 1u);
}

}  // namespace
