// AGF catalogues: public glasses in, database records out; damaged glasses
// stay out and take nothing else with them.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "database/GlassDirFixture.h"
#include "dispersion/EcuatieDispersie.h"
#include "import/AgfTestData.h"
#include "import/agf/ImportAgf.h"
#include "messages/ListaMesaje.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class ImportAgf : public GlassDirFixture {
protected:
    ImportAgf() {
        InstaleazaDestinatieMesaje([this](const std::string& t, int) { return mesaje += t + "\n", 1; });
    }
    ~ImportAgf() override { InstaleazaDestinatieMesaje({}); }

    RezultatOperatie importa(const std::string& text, bool toate = false) {
        catalog = CitesteCatalogAgf(text);
        const std::vector<bool> selectie =
            toate ? std::vector<bool>(catalog.sticle.size(), true) : SelectieImplicitaAgf(catalog);
        return ImportaSticleAgf(nullptr, path_sticle, "t.agf", SursaDinOcteti("t.agf", text), catalog, selectie, 2,
                                PoliticaConflict::Redenumeste);
    }
    std::vector<MaterialOptic> recorduri() const { return recordsOf(db()); }

    CatalogAgf catalog;
    std::string mesaje;
};

// The code and the largest deviation that the message of an approximated
// formula names for a glass; code 0 when there is none.
std::pair<int, double> AproximareRaportata(const std::string& mesaje, const std::string& nume) {
    std::istringstream linii(mesaje);
    for (std::string l; std::getline(linii, l);) {
        const std::size_t a = l.find("aproximata cu ecuatia "), d = l.find("abaterea maxima ");
        if (l.find("sticla " + nume + " (") != std::string::npos && a != std::string::npos && d != std::string::npos)
            return {std::atoi(l.c_str() + a + 22), std::strtod(l.c_str() + d + 16, nullptr)};
    }
    return {0, 0.0};
}

TEST_F(ImportAgf, EveryFormulaGetsTheClosestCodeAndItsTrueDeviation) {
    struct Caz {
        const char* nume;
        std::int16_t cod;
        double abatereMaxima;  // what the stored equation may stray from the formula
    };
    const Caz cazuri[] = {
        {"N-BK7", 4, 1e-6}, {"F2", 4, 1e-6},   {"SUPRASIL", 4, 1e-6}, {"BK7", 1, 1e-6}, {"BK7-E3", 1, 1e-6},
        // Formula 4 is code 6 in other words; formula 9 is code 6 itself.
        {"SILICON", 1, 1e-6}, {"F4", 6, 1e-6}, {"F5", 11, 1e-6},      {"F6", 4, 1e-5},  {"F7", 4, 1e-6},
        {"F8", 4, 1e-6},      {"F9", 6, 1e-6}, {"F10", 1, 1e-6},      {"F11", 4, 1e-5},
        // The makers' infrared glasses: a Sellmeier form keeps 2.5e-4 away,
        // the polynomial 7.5e-5 at most.
        {"IRG12", 11, 3e-5},
    };
    const std::string text = std::string(NBK7Agf) + F2Agf + SilicaAgf + BK7SchottAgf + BK7Extins3Agf + SiliciuAgf +
                             FormuleAproximateAgf;
    const RezultatOperatie r = importa(text, true);
    EXPECT_TRUE(r.reusit());
    const std::vector<MaterialOptic> m = recorduri();
    ASSERT_EQ(m.size(), std::size(cazuri));
    EXPECT_EQ(mesaje.find("ecuatia da nd"), std::string::npos) << mesaje;
    for (std::size_t i = 0; i < m.size(); ++i) {
        const Caz& c = cazuri[i];
        const SticlaAgf& s = catalog.sticle[i];
        SCOPED_TRACE(c.nume);
        EXPECT_STREQ(m[i].nume, c.nume);
        EXPECT_EQ(m[i].ec_dispersie_n, c.cod);
        EXPECT_EQ(m[i].domeniu_n[0], std::lround((s.areLd ? s.lambdaMinUm : 0.365) * 1000));
        // The stored equation against the formula, between and beyond the
        // points it was fitted on.
        double abatere = 0;
        for (int k = 0; k <= 500; ++k) {
            const float l = static_cast<float>(m[i].domeniu_n[0] + (m[i].domeniu_n[1] - m[i].domeniu_n[0]) * k / 500.0);
            float n = 0;
            ASSERT_EQ(IndiceDinEcuatieDispersie(m[i], 0, l, n), IndiceValid);
            abatere = std::max(abatere, std::fabs(n - IndiceFormulaAgf(s.formula, s.cd.data(), l / 1000.0)));
        }
        EXPECT_LE(abatere, c.abatereMaxima);
        const auto [cod, raportata] = AproximareRaportata(mesaje, c.nume);
        double exacta[NumarCoeficientiDispersie];
        if (EcuatieDinFormulaAgf(s.formula, s.cd.data(), exacta) == 0) {
            EXPECT_EQ(cod, c.cod);
            EXPECT_LE(abatere, raportata * 1.1 + 2e-7);
            EXPECT_GE(abatere, raportata * 0.5);
        } else {
            EXPECT_EQ(cod, 0);
        }
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

// What makers leave out is left empty; every glass of their file is stored,
// the same from UTF-16 and from LF line ends.
TEST_F(ImportAgf, AMakersCatalogueIsStoredWhole) {
    std::string lf = CatalogProducatorAgf;
    lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
    std::vector<std::string> baze;
    for (const std::string& text : {Utf16Le(CatalogProducatorAgf), lf, std::string(CatalogProducatorAgf)}) {
        writeDb("");
        mesaje.clear();
        EXPECT_TRUE(importa(text).reusit());
        baze.push_back(db());
    }
    EXPECT_EQ(baze[0], baze[2]);
    EXPECT_EQ(baze[1], baze[2]);
    const std::vector<MaterialOptic> m = recorduri();
    ASSERT_EQ(m.size(), 3u);
    struct Caz {
        const char* nume;
        std::uint16_t domeniu[2];
        std::int16_t cod;
    };
    const Caz cazuri[] = {{"MK-BK7", {300, 2500}, 4}, {"MK-F2", {365, 1014}, 4}, {"MK-IR12", {2000, 14000}, 11}};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(cazuri[i].nume);
        EXPECT_STREQ(m[i].nume, cazuri[i].nume);
        EXPECT_EQ(m[i].domeniu_n[0], cazuri[i].domeniu[0]);
        EXPECT_EQ(m[i].domeniu_n[1], cazuri[i].domeniu[1]);
        EXPECT_EQ(m[i].ec_dispersie_n, cazuri[i].cod);
    }
    EXPECT_STREQ(m[0].cod, "517642");
    EXPECT_FLOAT_EQ(m[0].dilatare[0], 7.1f);
    EXPECT_EQ(m[0].dilatare[1], 0.0f);
    EXPECT_EQ(m[0].pret_relativ, 0);
    EXPECT_EQ((std::vector<int>(m[0].stabilitate_chimica, m[0].stabilitate_chimica + 5)),
              (std::vector<int>{2, 0, 1, 0, 2}));
    EXPECT_EQ(m[1].pret_relativ, 16);
    EXPECT_EQ(m[1].stabilitate_chimica[1], 0);
    EXPECT_STREQ(m[2].cod, "");
    EXPECT_FLOAT_EQ(m[2].densitate, 4.41f);
    EXPECT_EQ(m[2].lambda_Ti[1], 0);  // the point without a transmittance
    for (const char* t : {"sticla MK-F2 (linia 10): linia 13: LD 0 0 nu este un domeniu",
                          "sticla MK-F2 (linia 10): fara domeniu de valabilitate (LD): se foloseste 0.365 - 1.014 um",
                          "sticla MK-IR12 (linia 14): linia 21: punctul de transmisie 14 um, -, 5 mm nu a fost luat",
                          "sticla MK-IR12 (linia 14): formula 12 aproximata cu ecuatia 11 (Polinom in lungimea de unda)"})
        EXPECT_NE(mesaje.find(t), std::string::npos) << t << "\n" << mesaje;
}

// Only what the index needs refuses a glass; anything else is left out
// with a warning and the glass is stored.
TEST_F(ImportAgf, OnlyAGlassWithoutItsIndexIsRefused) {
    struct Caz {
        const char* sticla;
        const char* mesaj;
        bool salvata;
    };
    const Caz cazuri[] = {
        {"NM BAD\nCD 1 0.01 0 0 0 0\n", "linia NM nu da formula de dispersie", false},
        {"NM BAD 2 0 1.5 60 0 0\nLD 0.4 0.7\n", "lipseste linia CD", false},
        {"NM BAD 2 0 1.5 60 0 0\nCD 1 0.01 nan 0 0 0\n", "coeficientul 3 al liniei CD, \"nan\", nu este un numar", false},
        {"NM BAD 2 0 1.5 60 0 0\nCD 1 0.01 0.2x 0 0 0\n", "\"0.2x\", nu este un numar", false},
        {"NM BAD 2 0 1.5 60 0 0\nCD 1 0.01 0.2 - 0 0\n", "\"-\", nu este un numar; formula 2 are nevoie de 6", false},
        {"NM BAD 14 0 1.5 60 0 0\nCD 1 0.01 0 0 0 0\n", "formula de dispersie 14 nu exista", false},
        {"NM BAD 2.5 0 1.5 60 0 0\nCD 1 0.01 0 0 0 0\n", "formula de dispersie 2.5 nu exista", false},
        {"NM BAD 2 0 1.5 60 0 0\nCD 1 0.01 0.2\n", "linia CD are 3 coeficienti, formula 2 are nevoie de 6", false},
        {"NM BAD 2 0 1.5 sixty 0 0\nCD 1 0.01 0 0 0 0\n", "campul 5 al liniei NM, \"sixty\", nu este un numar; nu a fost luat",
         true},
        {"NM BAD 2 0 1.5 60 0 0\nCD 1 0.01 0 0 0 0\nLD 0.7 0.4\n", "LD 0.7 0.4 nu este un domeniu", true},
        {"NM BAD 2 0 1.5 60 0 0\nCD 1 0.01 0 0 0 0\nLD - 2\n", "LD - 2 nu este un domeniu", true},
        {"NM BAD 2 0 1.5 60 0 0\nCD 1 0.01 0 0 0 0\nIT 0.4 0.9\n", "punctul de transmisie 0.4 um, 0.9, - mm", true},
        {"NM BAD 2 0 1.5 60 0 0\nCD 1 0.01 0 0 0 0\nOD - x\n", "campul 2 al liniei OD, \"x\", nu este un numar", true},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.sticla);
        writeDb("");
        mesaje.clear();
        const RezultatOperatie r = importa(std::string(NBK7Agf) + c.sticla + F2Agf);
        EXPECT_EQ(r.noi, 2 + c.salvata);
        EXPECT_EQ(r.codIesire(), c.salvata ? 0 : 4);
        ASSERT_EQ(recorduri().size(), 2u + c.salvata);
        EXPECT_STREQ(recorduri().back().nume, "F2");
        const std::string spus = mesaje + (r.refuzate.empty() ? "" : r.refuzate[0].material + ": " + r.refuzate[0].motiv);
        if (!c.salvata) {
            EXPECT_NE(spus.find("BAD: linia 12: "), std::string::npos) << spus;
        }
        EXPECT_NE(spus.find(c.mesaj), std::string::npos) << spus;
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

// A whole maker's catalogue (well above the size that was once read in two
// halves) reads glass for glass as its glasses read one by one, with the
// line numbers of the whole file.
TEST(CatalogAgfMare, AManufacturersCatalogueReadsAsItsGlassesOneByOne) {
    std::string tot;
    std::vector<std::string> sticle;
    for (int i = 0; i < 1500; ++i) {
        std::string s = NBK7Agf;
        s.replace(3, 5, "G" + std::to_string(i));
        if (i % 5 == 0) s += "OD - 2 - 1 2 -\n";
        sticle.push_back(s);
        tot += s;
    }
    ASSERT_GT(tot.size(), 300u * 1024);
    const CatalogAgf catalog = CitesteCatalogAgf(tot);
    ASSERT_EQ(catalog.sticle.size(), sticle.size());
    int linie = 1;
    for (std::size_t i = 0; i < sticle.size(); ++i) {
        const SticlaAgf singura = CitesteCatalogAgf(sticle[i]).sticle.at(0);
        const SticlaAgf& s = catalog.sticle[i];
        ASSERT_EQ(s.nume, singura.nume);
        ASSERT_EQ(s.linie, linie) << s.nume;
        ASSERT_EQ(s.cd, singura.cd) << s.nume;
        ASSERT_EQ(s.od, singura.od) << s.nume;
        ASSERT_EQ(s.transmisie.size(), singura.transmisie.size()) << s.nume;
        ASSERT_EQ(s.avertizari, singura.avertizari) << s.nume;
        linie += static_cast<int>(std::count(sticle[i].begin(), sticle[i].end(), '\n'));
    }
}

TEST(ProducatorAgf, TheFileNameNamesTheProducer) {
    EXPECT_EQ(ProducatorDinNumeFisierAgf("/x/SCHOTT.AGF"), 2);
    EXPECT_EQ(ProducatorDinNumeFisierAgf("C:\\cat\\ohara_2023.agf"), 6);
    EXPECT_EQ(ProducatorDinNumeFisierAgf("/hoya/misc.agf"), -1);  // the directory does not count
}

}  // namespace
