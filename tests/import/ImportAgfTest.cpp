// AGF catalogues: public glasses in, database records out; damaged glasses
// stay out and take nothing else with them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "database/GlassDirFixture.h"
#include "dispersion/EcuatieDispersie.h"
#include "import/AgfTestData.h"
#include "import/ImportAgf.h"
#include "messages/ListaMesaje.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class ImportAgf : public GlassDirFixture {
protected:
    ImportAgf() {
        InstaleazaDestinatieMesaje([this](const std::string& t, int) { return mesaje += t + "\n", 1; });
    }
    ~ImportAgf() override { InstaleazaDestinatieMesaje({}); }

    RezultatImportAgf importa(const std::string& text) {
        catalog = CitesteCatalogAgf(text);
        return ImportaSticleAgf(nullptr, "t.agf", catalog, SelectieImplicitaAgf(catalog), 2);
    }
    std::vector<MaterialOptic> recorduri() const {
        const std::string b = db();
        std::vector<MaterialOptic> r(b.size() / sizeof(MaterialOptic));
        if (!r.empty()) std::memcpy(r.data(), b.data(), b.size());
        return r;
    }

    CatalogAgf catalog;
    std::string mesaje;
};

// The largest residual a message reports for a glass, 1e-5 when none is.
double RezidualRaportat(const std::string& mesaje, const std::string& nume) {
    const std::size_t p = mesaje.find("sticla " + nume + " ");
    const std::size_t a = p == std::string::npos ? p : mesaje.find("abaterea maxima ", p);
    return a == std::string::npos || mesaje.find('\n', p) < a ? 1e-5 : std::strtod(mesaje.c_str() + a + 16, nullptr);
}

TEST_F(ImportAgf, PublicGlassesKeepTheirIndexWithinTheirFormulaPrecision) {
    struct Caz {
        const char* text;
        const char* nume;
        std::int16_t cod;
        double ndCatalog;
    };
    const Caz cazuri[] = {
        {NBK7Agf, "N-BK7", 4, 1.5168},   {F2Agf, "F2", 4, 1.62004},           {SilicaAgf, "SUPRASIL", 4, 1.458464},
        {BK7SchottAgf, "BK7", 1, 1.5168}, {BK7Extins3Agf, "BK7-E3", 4, 1.5168}, {SiliciuAgf, "SILICON", 4, 0.0},
    };
    std::string text = "CC public values\n";
    for (const Caz& c : cazuri) text += c.text;
    catalog = CitesteCatalogAgf(text);
    ASSERT_EQ(catalog.sticle.size(), std::size(cazuri));
    const RezultatImportAgf r = ImportaSticleAgf(nullptr, "t.agf", catalog, std::vector<bool>(6, true), 2);
    EXPECT_EQ(r.salvate, 6);
    const std::vector<MaterialOptic> m = recorduri();
    ASSERT_EQ(m.size(), std::size(cazuri));
    for (std::size_t i = 0; i < m.size(); ++i) {
        const Caz& c = cazuri[i];
        const SticlaAgf& s = catalog.sticle[i];
        SCOPED_TRACE(c.nume);
        EXPECT_STREQ(m[i].nume, c.nume);
        EXPECT_EQ(m[i].ec_dispersie_n, c.cod);
        EXPECT_EQ(m[i].producator, 2);
        const double tol = s.formula <= 2 ? 1e-5 : RezidualRaportat(mesaje, c.nume) + 1e-6;
        // The stored equation against the catalogue formula over the whole range.
        for (double l = s.lambdaMinUm; l <= s.lambdaMaxUm; l += (s.lambdaMaxUm - s.lambdaMinUm) / 37) {
            float n = 0;
            ASSERT_EQ(IndiceDinEcuatieDispersie(m[i], 0, static_cast<float>(l * 1000), n), IndiceValid);
            EXPECT_NEAR(n, IndiceFormulaAgf(s.formula, s.cd.data(), static_cast<float>(l * 1000) / 1000.0), tol) << l;
        }
        float nd = 0;
        IndiceDinEcuatieDispersie(m[i], 0, LambdaLiniaD, nd);
        if (c.ndCatalog > 0) {
            EXPECT_NEAR(nd, c.ndCatalog, std::max(tol, 1e-5));
        }
        EXPECT_EQ(m[i].domeniu_n[0], std::lround(s.lambdaMinUm * 1000));
    }
    EXPECT_STREQ(m[0].cod, "517642.251");
    EXPECT_STREQ(m[3].cod, "517642");  // the file has none: from nd and vd
    EXPECT_FLOAT_EQ(m[0].dilatare[0], 7.1f);
    EXPECT_FLOAT_EQ(m[0].densitate, 2.51f);
    EXPECT_EQ(m[0].pret_relativ, 10);
    EXPECT_EQ(m[0].stabilitate_chimica[4], 2);  // PR 2.3 truncated like the other imports
    // IT lines at their own thickness: τ = 0.999 at 25 mm is α = -ln(0.999)/25.
    EXPECT_EQ(m[0].lambda_Ti[3], 1060);
    EXPECT_FLOAT_EQ(m[0].grosime_transmisie, 10.0f);
    EXPECT_NEAR(m[0].transmisia_interna[3], -std::log(0.999) / 25, 1e-9);
}

TEST_F(ImportAgf, Utf16WithCrLfReadsLikeAscii) {
    std::string ascii = std::string(NBK7Agf) + F2Agf, utf16 = "\xFF\xFE";
    for (char c : ascii) {
        if (c == '\n') utf16 += std::string("\r\0", 2);
        utf16 += c, utf16 += '\0';
    }
    const CatalogAgf a = CitesteCatalogAgf(ascii), u = CitesteCatalogAgf(utf16);
    ASSERT_EQ(u.sticle.size(), 2u);
    std::vector<std::string> ignorat;
    MaterialOptic ma, mu;
    for (int i = 0; i < 2; ++i) {
        ConvertesteSticlaAgf(a.sticle[i], 2, ma, ignorat);
        ConvertesteSticlaAgf(u.sticle[i], 2, mu, ignorat);
        EXPECT_EQ(std::memcmp(&ma, &mu, sizeof ma), 0) << i;
    }
}

TEST_F(ImportAgf, ADamagedGlassIsReportedAndTheOthersAreStored) {
    struct Caz {
        const char* sticla;
        const char* mesaj;
    };
    const Caz cazuri[] = {
        {"NM BAD 2 0 1.5\nCD 1 0.01 0 0 0 0\n", "linia NM are 4 campuri"},
        {"NM BAD 2 0 1.5 60 0 0\nLD 0.4 0.7\n", "lipseste linia CD"},
        {"NM BAD 2 0 1.5 60 0 0\nCD 1 0.01 nan 0 0 0\n", "\"nan\", nu este un numar"},
        {"NM BAD 2 0 1.5 60 0 0\nCD 1 0.01 0.2x 0 0 0\n", "\"0.2x\", nu este un numar"},
        {"NM BAD 2 0 1.5 sixty 0 0\nCD 1 0.01 0 0 0 0\n", "\"sixty\", nu este un numar"},
        {"NM BAD 14 0 1.5 60 0 0\nCD 1 0.01 0 0 0 0\n", "formula de dispersie 14 nu exista"},
        {"NM BAD 2.5 0 1.5 60 0 0\nCD 1 0.01 0 0 0 0\n", "formula de dispersie 2.5 nu exista"},
        {"NM BAD 2 0 1.5 60 0 0\nCD 1 0.01 0.2\n", "linia CD are 3 coeficienti, formula 2 are nevoie de 6"},
        {"NM BAD 2 0 1.5 60 0 0\nCD 1 0.01 0 0 0 0\nLD 0.7 0.4\n", "nu este un domeniu"},
        {"NM BAD 2 0 1.5 60 0 0\nCD 1 0.01 0 0 0 0\nIT 0.4 0.9\n", "linia IT are 2 campuri, trebuie 3"},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.sticla);
        writeDb("");
        mesaje.clear();
        const RezultatImportAgf r = importa(std::string(NBK7Agf) + c.sticla + F2Agf);
        EXPECT_EQ(r.salvate, 2);
        EXPECT_EQ(r.respinse, 1);
        EXPECT_FALSE(r.ok());
        ASSERT_EQ(recorduri().size(), 2u);
        EXPECT_STREQ(recorduri()[1].nume, "F2");
        EXPECT_NE(mesaje.find("sticla BAD (linia 12): "), std::string::npos) << mesaje;
        EXPECT_NE(mesaje.find(c.mesaj), std::string::npos) << mesaje;
    }
}

TEST_F(ImportAgf, WithdrawnGlassesAreListedButNotSelected) {
    catalog = CitesteCatalogAgf(std::string(NBK7Agf) + BK7SchottAgf);
    EXPECT_EQ(LinieListaAgf(catalog.sticle[1]), "BK7\t1.516800\t64.17\tobsolete");
    EXPECT_EQ(LinieListaAgf(catalog.sticle[0]), "N-BK7\t1.516800\t64.17\tpreferred");
    EXPECT_EQ(SelectieImplicitaAgf(catalog), (std::vector<bool>{true, false}));
}

TEST_F(ImportAgf, ALongTransmittanceCurveKeepsItsEdgeIn40Slots) {
    // An absorption edge at 0.35 µm on a flat plateau, 200 points.
    std::string text = "NM EDGE 2 0 1.5168 64.17 0 0 0\nCD 1.03961212 0.006 0.23 0.02 1.01 103.56\nLD 0.3 2.5\n";
    for (int i = 0; i < 200; ++i) {
        const double l = 0.3 + 0.01 * i;
        text += "IT " + std::to_string(l) + " " + std::to_string(1 / (1 + std::exp(-(l - 0.35) * 200))) + " 10\n";
    }
    importa(text);
    const MaterialOptic m = recorduri().at(0);
    EXPECT_EQ(m.lambda_Ti[0], 300);
    EXPECT_EQ(m.lambda_Ti[39], 2290);
    int inMuchie = 0;
    for (int i = 0; i < 40; ++i) inMuchie += m.lambda_Ti[i] > 320 && m.lambda_Ti[i] < 380;
    EXPECT_GE(inMuchie, 4);
    EXPECT_NE(mesaje.find("transmisia are 200 puncte; s-au pastrat cele 40"), std::string::npos) << mesaje;
}

// A range beyond what the record's nm words hold (a damaged LD line) gives
// a table inside the stored range, never wavelengths a float cannot hold.
TEST_F(ImportAgf, ARangeBeyondTheRecordIsTabulatedWithinTheStoredRange) {
    importa("NM WIDE 2 0 1.5168 64.17 0 0 0\nCD 1.03961212 0.006 0.23 0.02 1.01 103.56\nLD 2 "
            "517777777777777777777777777777777777777642.251\n");
    const MaterialOptic m = recorduri().at(0);
    EXPECT_EQ(m.domeniu_n[1], 65535);
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        EXPECT_TRUE(std::isfinite(m.lambda_indici[i]) && m.lambda_indici[i] <= 65535.0f) << i;
        EXPECT_TRUE(std::isfinite(m.indice_n[i])) << i;
    }
}

TEST(ProducatorAgf, TheFileNameNamesTheProducer) {
    EXPECT_EQ(ProducatorDinNumeFisierAgf("/x/SCHOTT.AGF"), 2);
    EXPECT_EQ(ProducatorDinNumeFisierAgf("C:\\cat\\ohara_2023.agf"), 6);
    EXPECT_EQ(ProducatorDinNumeFisierAgf("/hoya/misc.agf"), -1);  // the directory does not count
}

}  // namespace
