// A release is read for comparison in each of its formats as its import
// reads it, every glass under the producer asked for, nothing stored.

#include <filesystem>

#include "database/GlassDirFixture.h"
#include "import/AgfTestData.h"
#include "import/comparare/ComparaCatalog.h"
#include "import/tabele/ActualizareExcel.h"
#include "import/tabele/AsociereColoane.h"
#include "support/TabelCatalog.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using CatalogDeComparat = GlassDirFixture;

TEST_F(CatalogDeComparat, TheFormatComesFromTheExtensionTheConnectionStringOrTheFolder) {
    std::filesystem::create_directory(d / "pilkington.v2");
    const struct {
        std::string fisier;
        std::optional<FormatCatalog> format;
    } cazuri[] = {
        {"a.AGF", FormatCatalog::Agf},
        {"v2/b.Xlsx", FormatCatalog::Tabel},
        {"b.xls", FormatCatalog::Tabel},
        {"b.csv", FormatCatalog::Tabel},
        {"DSN=Ohara;DBQ=c.mdb", FormatCatalog::Tabel},
        {"c.txt", FormatCatalog::Text},
        {(d / "pilkington.v2").string(), FormatCatalog::Text},
        {"e.dat", FormatCatalog::BazaDate},
        {"f.yml", FormatCatalog::Rii},
        {"f.yaml", FormatCatalog::Rii},
        {"g.json", std::nullopt},
        {"fara", std::nullopt},
    };
    for (const auto& c : cazuri) EXPECT_EQ(FormatCatalogDinFisier(c.fisier), c.format) << c.fisier;
    const char* nume[] = {"agf", "table", "text", "db", "rii"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(FormatCatalogDinText(nume[i]), static_cast<FormatCatalog>(i));
    EXPECT_EQ(FormatCatalogDinText("xls"), std::nullopt);
}

TEST_F(CatalogDeComparat, EveryFormatGivesTheGlassesItsImportBuildsUnderTheProducerAskedFor) {
    TestDir alt;
    alt.write("vechi.dat", databaseOf({namedRecord("A1", 3), namedRecord("B2", 5), namedRecord("A3", 3)}));
    alt.write("NUME-FOARTE-LUNG-SIO2.yml",
              "DATA:\n  - type: formula 1\n    wavelength_range: 0.21 6.7\n"
              "    coefficients: 0 0.6961663 0.0684043 0.4079426 0.1162414 0.8974794 9.896161\n");
    alt.write("gol.yml", "DATA:\n");
    // Sumita's layout: the flag in column 1, the name in column 3; an
    // unflagged glass is listed but not built for storing.
    alt.write("sumita.txt", "h1\nh2\n1\t\tK-ON\n0\t\tK-OFF\n");
    alt.write("a.agf", std::string(F2Agf) + NBK7Agf);
    // A table of names and densities (x10) with its association file.
    ContextImportExcel ctx;
    StergeAsocieri(ctx.asocieri);
    ScrieAsocieriImplicite(ctx);
    for (const auto& [intrare, coloana, factor] : {std::tuple{IntrareNume, 0, 1.0f}, {IntrareDensitate, 1, 10.0f}}) {
        AsociereMarimeSticla& a = ctx.asocieri[intrare];
        a.activ = 1;
        a.coloanaStart = a.coloanaStop = static_cast<std::int16_t>(coloana);
        a.nrColoane = 1;
        a.factor = factor;
    }
    ASSERT_FALSE(SalveazaAsocieriInFisier((alt / "t.aso").string(), ctx.asocieri).esuat());
    ScrieCsv(
        (alt / "t.csv").string(),
        {{std::string("nume"), std::string("densitate")}, {std::string("T-1"), 0.251}, {std::string("T-2"), 0.36}});

    const struct {
        FormatCatalog format;
        std::string fisier, nume;
        int cod;
        std::vector<std::string> sticle;  // empty: refused with a message
    } cazuri[] = {
        {FormatCatalog::BazaDate, "vechi.dat", "", 0, {"A1", "A3"}},
        {FormatCatalog::Rii, "NUME-FOARTE-LUNG-SIO2.yml", "", 0, {"NUME-FOARTE-LUN"}},
        {FormatCatalog::Rii, "NUME-FOARTE-LUNG-SIO2.yml", "SIO2", 0, {"SIO2"}},
        {FormatCatalog::Rii, "gol.yml", "", 0, {}},
        {FormatCatalog::Text, "sumita.txt", "", 4, {"K-ON"}},
        {FormatCatalog::Agf, "a.agf", "", 0, {"F2", "N-BK7"}},
        {FormatCatalog::Tabel, "t.csv", "", 3, {"T-1", "T-2"}},
    };
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.fisier + " " + c.nume);
        CerereComparatie q;
        q.format = c.format;
        q.directorSticle = path_sticle;
        q.fisier = (alt / c.fisier).string();
        q.producator = 3;
        q.cod = c.cod;
        q.nume = c.nume;
        q.asocieri = (alt / "t.aso").string();
        q.tabel = "t";
        std::vector<MaterialOptic> sticle;
        ComparatieCatalog r;
        p.casete.clear();
        const RezultatOperatie citit = CitesteCatalogDeComparat(nullptr, q, sticle, r);
        std::vector<std::string> nume;
        for (const MaterialOptic& m : sticle) {
            nume.push_back(m.nume);
            EXPECT_EQ(m.producator, 3) << m.nume;
        }
        EXPECT_EQ(nume, c.sticle);
        if (c.sticle.empty()) {
            EXPECT_TRUE(citit.esuat());
            EXPECT_EQ(citit.motiv.rfind(q.fisier + ": ", 0), 0u) << citit.motiv;
            EXPECT_TRUE(p.casete.empty());
            continue;
        }
        EXPECT_EQ(citit.stare, StareOperatie::Facut);
        EXPECT_TRUE(p.casete.empty()) << p.casete.front().text;
        EXPECT_EQ(r.sursa.fisier, c.fisier);
        EXPECT_EQ(r.sursa.sha256.size(), 64u);
        if (c.format == FormatCatalog::Tabel) {
            EXPECT_FLOAT_EQ(sticle[1].densitate, 3.6f);
        }
    }
    EXPECT_FALSE(d.exists("sticleNou32.dat"));
}

}  // namespace
