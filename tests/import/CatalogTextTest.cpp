// Small catalogues of each manufacturer, built here column by column, go
// through the listing and the import; the stored records are checked field by
// field against the column layouts.

#include <cmath>
#include <cstring>
#include <map>
#include <sstream>

#include "database/GlassDirFixture.h"
#include "import/text/CatalogText.h"
#include "messages/ListaMesaje.h"
#include "support/ProgresTest.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using Coloane = std::map<int, std::string>;

std::string Linie(char sep, const Coloane& c) {
    std::string s;
    for (int i = 1; i <= c.rbegin()->first; ++i) {
        if (i > 1) s += sep;
        if (auto it = c.find(i); it != c.end()) s += it->second;
    }
    return s + "\r\n";
}

// Columns first..first+n-1 with the values v(0)..v(n-1).
void Grup(Coloane& c, int prima, int n, const std::function<std::string(int)>& v) {
    for (int i = 0; i < n; ++i) c[prima + i] = v(i);
}

double F(const char* t) { return static_cast<double>(std::stof(t)); }
// Each pair: a stored field and what the layout gives it.
void Egale(std::initializer_list<std::pair<double, double>> campuri) {
    int i = 0;
    for (const auto& [stocat, asteptat] : campuri) EXPECT_EQ(stocat, asteptat) << "pair " << i++;
}

float Alfa(float tau, float d) { return static_cast<float>(-std::log(static_cast<double>(tau))) / d; }

class CatalogTextTest : public GlassDirFixture {
protected:
    CatalogTextTest() { InstaleazaDestinatieMesaje([this](const std::string& t, int) { return mesaje.push_back(t), 1; }); }
    ~CatalogTextTest() override { InstaleazaDestinatieMesaje({}); }

    std::vector<MaterialOptic> importa(int cod, const std::string& text, std::vector<int> linii,
                                       const std::string& text1 = "", Progres& progres = FaraProgres()) {
        std::istringstream in(text), in1(text1);
        r = ImportaCatalogText(cod, in, &in1, std::move(linii), lucru, nullptr, path_sticle, PoliticaConflict::Redenumeste, {}, -1,
                               progres);
        return recordsOf(db());
    }
    std::vector<IntrareCatalogText> listeaza(int cod, const std::string& text) {
        std::istringstream in(text);
        return ListeazaCatalogText(cod, in, "t.txt");
    }

    MaterialOptic lucru = namedRecord("Gol0");
    RezultatOperatie r;
    std::vector<std::string> mesaje;
};

TEST_F(CatalogTextTest, SchottTabFile) {
    Coloane c{{1, "N-BK7"}, {2, "1,5168"}, {99, "1"}, {100, "0"}, {101, "1"}, {102, "2.3"}, {103, "0"},
              {104, "2.51"}, {105, "557"}, {110, "7.1"}, {111, "8.3"}, {114, "610"}, {159, "517642.251X"}, {162, "1.07"}};
    Grup(c, 7, 6, [](int i) { return std::to_string(0.1 * (i + 1)); });
    Grup(c, 38, 30, [](int i) { return i == 0 ? "0.5" : i == 29 ? "0" : "1"; });
    Grup(c, 117, 23, [](int i) { return "1.5" + std::to_string(10 + i); });
    const std::string text = std::string(7, '\n') + Linie('\t', c) + "\t\n" + Linie('\t', c);
    ASSERT_EQ(listeaza(1, text).size(), 1u);  // the list ends at the empty name
    EXPECT_EQ(listeaza(1, text)[0].text(), "N-BK7\t1.51680");
    const auto v = importa(1, text, {0});
    ASSERT_EQ(v.size(), 1u);
    const MaterialOptic& m = v[0];
    EXPECT_STREQ(m.nume, "N-BK7");
    EXPECT_STREQ(m.cod, "517642.251");
    Egale({{m.producator, 2}, {m.ec_dispersie_n, 4}, {m.coef_disp_n[2], F("0.300000")}, {m.grosime_transmisie, 25.0f},
           {m.transmisia_interna[29], Alfa(0.5f, 25.0f)}, {m.lambda_Ti[29], 2500}, {m.transmisia_interna[0], 37.0f},
           {m.lambda_Ti[0], 250}, {m.transmisia_interna[15], 0.0f}, {m.lambda_Ti[15], 405},
           {m.transmisia_interna[30], 37.0f}, {m.lambda_Ti[30], 0}, {m.stabilitate_chimica[3], 2},
           {m.densitate, 2.51f}, {m.temperaturi[0], 557}, {m.duritate_knoop, 610.0f}, {m.indice_n[22], F("1.510")},
           {m.indice_n[0], F("1.532")}, {m.lambda_indici[2], 296.7278f}, {m.pret_relativ, 10}, {m.domeniu_n[0], 248},
           {m.domeniu_n[1], 2325}});
    // The working record holds the last glass built.
    EXPECT_EQ(std::memcmp(&lucru, &m, sizeof m), 0);
}

TEST_F(CatalogTextTest, HoyaCommaFileWithExponentPairs) {
    Coloane c{{2, "E-FD1"}, {3, "FD1"}, {4, "1.71736"}, {62, "1"}, {64, "2"}, {66, "3"}, {68, "4"}, {70, "5"},
              {73, "530"}, {107, "2.96"}, {26, "1.60865"}, {27, "0"}, {28, "2.27"}, {29, "2"}, {30, "-5.1"}, {31, "-3"}};
    Grup(c, 10, 15, [](int i) { return "1.7" + std::to_string(10 + i); });
    Grup(c, 153, 38, [](int i) { return i == 0 ? "0.99" : "0"; });
    const std::string text = "header\n" + Linie(',', c);
    EXPECT_EQ(listeaza(2, text).at(0).text(), "E-FD1\t1.71736");
    const auto v = importa(2, text, {0});
    ASSERT_EQ(v.size(), 1u);
    const MaterialOptic& m = v[0];
    EXPECT_STREQ(m.cod, "FD1");
    Egale({{m.producator, 3}, {m.ec_dispersie_n, 1}, {m.coef_disp_n[0], F("1.60865")},
           {m.coef_disp_n[1], static_cast<double>(2.27f * 0.01f)}});
    EXPECT_NEAR(m.coef_disp_n[1], 0.0227, 1e-8);
    Egale({{m.coef_disp_n[2], static_cast<double>(-5.1f * 1000.0f)}, {m.indice_n[14], F("1.710")},
           {m.lambda_indici[14], 1013.98f}});
    const std::uint16_t clase[] = {1, 3, 2, 4, 5};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(m.stabilitate_chimica[i], clase[i]);
    Egale({{m.temperaturi[0], 530}, {m.densitate, 2.96f}, {m.transmisia_interna[37], Alfa(0.99f, 10.0f)},
           {m.lambda_Ti[37], 1550}, {m.domeniu_n[1], 1013}});
}

TEST_F(CatalogTextTest, OharaTabFile) {
    Coloane c{{2, "S-BSL7 long"}, {3, "51633"}, {152, "576"}, {169, "52.3"}, {170, "1"}, {172, "2,52"}};
    Grup(c, 5, 20, [](int i) { return i == 19 ? "0" : "1.5" + std::to_string(10 + i); });
    Grup(c, 61, 6, [](int i) { return std::to_string(i + 1); });
    Grup(c, 76, 32, [](int i) { return i == 31 ? "0.9" : "1"; });
    const std::string text = "h1\nh2\n" + Linie('\t', c) + Linie('\t', {{2, "S-NOIDX"}, {3, "5"}});

    EXPECT_EQ(listeaza(3, text).at(0).text(), "S-BSL7 lon\t1.51633");
    const MaterialOptic m = importa(3, text, {0}).at(0);
    EXPECT_STREQ(m.nume, "S-BSL7 lon");
    Egale({{m.producator, 6}, {m.indice_n[19], F("1.510")}, {m.indice_n[0], 0.0}, {m.coef_disp_n[5], 6.0},
           {m.ec_dispersie_n, 4}, {m.transmisia_interna[31], Alfa(0.9f, 10.0f)}, {m.lambda_Ti[31], 2400},
           {m.stabilitate_chimica[2], 52}, {m.densitate, 2.52f}, {m.domeniu_n[0], 404}, {m.domeniu_n[1], 2325}});
    // A glass without indices still has the k range of the visible.
    const MaterialOptic faraIndici = importa(3, text, {1}).back();
    EXPECT_EQ(faraIndici.domeniu_k[0], 400);
    EXPECT_EQ(faraIndici.domeniu_k[1], 700);
}

TEST_F(CatalogTextTest, SumitaStoresOnlyMarkedGlassesAndKeepsEntriesOnTheirLines) {
    Coloane c{{1, "1"}, {2, "51680"}, {3, "K-BK7"}, {60, "559"}, {67, "2"}, {73, "2.52"}, {75, "10"}};
    Grup(c, 8, 15, [](int i) { return i == 1 ? "0.5" : "1.52"; });
    Grup(c, 47, 6, [](int i) { return std::to_string(i); });
    Grup(c, 76, 27, [](int i) { return i == 0 ? "0.5" : "1"; });
    Coloane fara = c, gol = c;
    fara[1] = "0";
    fara[3] = "K-OFF";
    gol[3] = "";
    const std::string text = "h1\nh2\n" + Linie('\t', gol) + Linie('\t', c) + Linie('\t', fara);
    const auto lista = listeaza(4, text);
    ASSERT_EQ(lista.size(), 2u);
    EXPECT_EQ(lista[0].linie, 1);
    const auto v = importa(4, text, {lista[1].linie, lista[0].linie});
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(r.refuzate.size(), 1u);
    const MaterialOptic& m = v[0];
    EXPECT_STREQ(m.nume, "K-BK7");
    Egale({{m.producator, 11}, {m.indice_n[13], 0.0}, {m.lambda_indici[13], 0.0f}, {m.lambda_indici[14], 1548.0f},
           {m.grosime_transmisie, 10.0f}, {m.transmisia_interna[0], Alfa(0.5f, 10.0f)}, {m.temperaturi[0], 559},
           {m.domeniu_n[0], 365}, {m.domeniu_n[1], 1013}});
}

TEST_F(CatalogTextTest, PilkingtonPairChecksNamesLineByLine) {
    Coloane n{{1, "BSC510"}, {2, "51"}}, n2{{1, "HC519"}, {2, "519"}};
    Grup(n, 3, 9, [](int i) { return "1.5" + std::to_string(10 + i); });
    Coloane e{{1, "BSC510"}, {9, "0.365"}, {10, "2.325"}}, e2{{1, "HC5190"}, {9, "1"}};
    Grup(e, 3, 6, [](int i) { return std::to_string(i + 1); });
    // Names longer than the catalogue's 10 characters, alike in their first
    // 10: compared whole, and refused rather than cut and stored.
    Coloane n3 = n, e3 = e;
    n3[1] = "BSC510-EXTRA", e3[1] = "BSC510-EXTRB";
    const std::string names = "h\nh\n" + Linie('\t', n) + Linie('\t', n2) + Linie('\t', n3);
    const std::string eqs = "h\nh\n" + Linie('\t', e) + Linie('\t', e2) + Linie('\t', e3);
    EXPECT_EQ(listeaza(5, names).at(1).text(), "HC519\t1.51900");
    const auto v = importa(5, names, {0, 1, 2}, eqs);
    ASSERT_EQ(v.size(), 1u);
    ASSERT_EQ(r.refuzate.size(), 2u);
    EXPECT_EQ(r.refuzate[0].material + ": " + r.refuzate[0].motiv, "HC519: numele sticlei nu coincid in cele doua fisiere");
    EXPECT_EQ(r.refuzate[1].material + ": " + r.refuzate[1].motiv.substr(0, 25), "BSC510-EXT: numele are mai mult de 10");
    const MaterialOptic& m = v[0];
    Egale({{m.producator, 8}, {m.indice_n[8], F("1.510")}, {m.lambda_indici[0], 404.65f}});
    const double coef[] = {5, 6, 4, 3, 2, 1};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(m.coef_disp_n[i], coef[i]) << i;
    EXPECT_EQ(m.domeniu_n[0], 365);
    EXPECT_EQ(m.domeniu_k[1], 2325);
}

TEST_F(CatalogTextTest, BadLinesLoseNothingAlreadyStored) {
    writeDb(databaseOf({namedRecord("KEEP", 4)}));
    const std::string lung = ",E-LONG," + std::string(5000, '7') + "\n";
    const std::string text = "a,b,c,d\n" + lung + ",,\n" + ",E-FD2,1,5\nE-FD3\n";
    const auto lista = listeaza(2, text);
    ASSERT_EQ(lista.size(), 1u);  // the list ends at the line without a name
    ASSERT_EQ(mesaje.size(), 1u);
    EXPECT_NE(mesaje[0].find("4095"), std::string::npos);
    const auto v = importa(2, text, {0, 1, 2, 3});
    ASSERT_EQ(v.size(), 3u);
    EXPECT_STREQ(v[0].nume, "KEEP");
    EXPECT_STREQ(v[1].nume, "E-LONG");
    EXPECT_STREQ(v[2].nume, "E-FD2");
    EXPECT_EQ(r.refuzate.size(), 2u);  // nameless lines are never stored
    EXPECT_EQ(r.codIesire(), 4);
}

// Cancel reaches the import before anything is stored: the database, the
// working record and the count stay as they were, and the list says so.
TEST_F(CatalogTextTest, ACancelledImportChangesNothing) {
    writeDb(databaseOf({namedRecord("KEEP", 4)}));
    const std::string inainte = db();
    const MaterialOptic lucruInainte = lucru;
    ProgresAnulatDupa anulare(0);
    importa(2, "a,b,c,d\n,E-FD2,1,5\n", {0}, "", anulare);
    EXPECT_EQ(r.stare, StareOperatie::Anulat);
    EXPECT_EQ(db(), inainte);
    EXPECT_EQ(std::memcmp(&lucru, &lucruInainte, sizeof lucru), 0);
    EXPECT_NE(r.rezumat().find("anulat"), std::string::npos);
}

}  // namespace
