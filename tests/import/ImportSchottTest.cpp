// The Schott catalogue import: catalogue glasses in, database records out,
// and the line rules of the format one by one.

#include <cstring>
#include <sstream>

#include "database/GlassDirFixture.h"
#include "dispersion/EcuatieDispersie.h"
#include "import/schott/ImportSchott.h"
#include "import/SchottTestData.h"
#include "messages/ListaMesaje.h"
#include "record/ConversiiMaterial.h"
#include "record/SetLucru.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class ImportSchott : public GlassDirFixture {
protected:
    ImportSchott() {
        InstaleazaDestinatieMesaje([this](const std::string& text, int nivel) {
            mesaje.push_back({text, nivel});
            return 1;
        });
        salvat_ = setLucru();
        setLucru() = SetLucru{};
        setLucru().materiale.push_back(namedRecord("Gol0", 2));
    }
    ~ImportSchott() override {
        InstaleazaDestinatieMesaje({});
        setLucru() = salvat_;
    }

    // Imports the text as the menu command does: allglass.sch in the current
    // directory; the command line's class lines are kept.
    RezultatOperatie importa(const std::string& text) {
        d.write(NumeFisierSchott, text);
        std::filesystem::current_path(d.path());
        OptiuniImportSchott o;
        o.directorSticle = path_sticle;
        o.raport = [this](const std::string& c) { clase.push_back(c); };
        o.laConflict = PoliticaConflict::Redenumeste;
        return ImportaFisierSchott(NumeFisierSchott, o);
    }

    std::vector<MaterialOptic> recorduri() const { return recordsOf(db()); }

    std::vector<std::pair<std::string, int>> mesaje;
    std::vector<std::string> clase;

private:
    SetLucru salvat_;
};

MaterialOptic Converteste(const std::vector<std::string>& linii, std::vector<AvertizareSchott>* avertizari = nullptr,
                          MaterialOptic m = namedRecord("", 0)) {
    std::istringstream in(TextLinii(linii));
    CititorLiniiSchott cititor(in);
    BlocSchott bloc;
    EXPECT_TRUE(CitesteBlocSchott(cititor, bloc));
    auto a = ConvertesteBlocSchott(bloc, m);
    if (avertizari) *avertizari = a;
    return m;
}

TEST_F(ImportSchott, CatalogueGlassesReproduceTheirPublishedDataInTheDatabase) {
    const std::vector<SticlaCatalog> sticle = {NBK7(), F2(), NSF11(), NFK51A()};
    std::string text;
    for (const auto& s : sticle) text += TextBloc(s);

    const RezultatOperatie r = importa(text);
    EXPECT_EQ(r.codIesire(), 0);
    EXPECT_EQ(r.noi, 4);
    EXPECT_TRUE(mesaje.empty()) << mesaje[0].first;

    const std::vector<MaterialOptic> db = recorduri();
    ASSERT_EQ(db.size(), 4u);
    for (std::size_t g = 0; g < sticle.size(); ++g) {
        const SticlaCatalog& s = sticle[g];
        const MaterialOptic& m = db[g];
        SCOPED_TRACE(s.nume);
        EXPECT_STREQ(m.nume, s.nume.c_str());
        EXPECT_EQ(m.producator, 2);
        EXPECT_EQ(m.ec_dispersie_n, 4);
        EXPECT_EQ(m.domeniu_n[0], 300);
        EXPECT_EQ(m.domeniu_n[1], 2500);
        EXPECT_EQ(m.domeniu_k[0], 400);
        EXPECT_EQ(m.domeniu_k[1], 700);

        // The equation gives the published nd, and vd from the published F and C lines.
        float nd = 0, nF = 0, nC = 0;
        ASSERT_EQ(IndiceDinEcuatieDispersie(m, 0, 587.5618f, nd), 0);
        ASSERT_EQ(IndiceDinEcuatieDispersie(m, 0, 486.1327f, nF), 0);
        ASSERT_EQ(IndiceDinEcuatieDispersie(m, 0, 656.2725f, nC), 0);
        EXPECT_NEAR(nd, s.nd, 1e-5);
        EXPECT_NEAR((nd - 1.0) / (nF - nC), s.vd, 0.02);

        // Every published index sits in the slot of its wavelength, where
        // the equation agrees with it; the other imported slots are empty.
        int indici = 0;
        for (int slot = 0; slot < 23; ++slot) {
            EXPECT_FLOAT_EQ(m.lambda_indici[slot], static_cast<float>(LambdaLiniiIndici[22 - slot]));
            if (m.indice_n[slot] == 0.0) continue;
            ++indici;
            float n = 0;
            ASSERT_EQ(IndiceDinEcuatieDispersie(m, 0, m.lambda_indici[slot], n), 0);
            EXPECT_NEAR(m.indice_n[slot], n, 1e-5) << "slot " << slot;
        }
        EXPECT_EQ(indici, static_cast<int>(s.indici.size()));
        for (int slot = 23; slot < 40; ++slot) EXPECT_EQ(m.lambda_indici[slot], 0.0f);

        // Transmittances read back to the catalogue's values at its thickness.
        const float d = static_cast<float>(std::strtod(s.grosime, nullptr));
        EXPECT_EQ(m.grosime_transmisie, d);
        for (int i = 0; i < 30; ++i) {
            const int slot = 29 - i;
            EXPECT_EQ(m.lambda_Ti[slot], LambdaLiniiTransmisie[i]);
            const double tau = *s.tau[i] ? std::strtod(s.tau[i], nullptr) : 0.0;
            if (tau == 0.0) {
                EXPECT_EQ(m.transmisia_interna[slot], 37.0f) << LambdaLiniiTransmisie[i];
            }
            EXPECT_NEAR(TransmisieInternaDinAbsorbtie(m.transmisia_interna[slot], d), tau, 1e-6)
                << LambdaLiniiTransmisie[i] << " nm";
        }

        const std::pair<float, const char*> proprietati[] = {
            {m.dilatare[0], s.cte1}, {m.dilatare[1], s.cte2}, {m.temperaturi_vascozitate[0], s.tv1},
            {m.temperaturi_vascozitate[1], s.tv2}, {m.temperaturi_vascozitate[2], s.tv3}, {m.caldura_specifica[0], s.cp},
            {m.conductibilitate_termica[0], s.lambda}, {m.densitate, s.rho}, {m.duritate_knoop, s.hk}};
        for (const auto& [stocat, publicat] : proprietati) EXPECT_EQ(stocat, std::strtof(publicat, nullptr)) << publicat;
        EXPECT_EQ(m.clasa_catalog, std::atoi(s.clase[0]));
        EXPECT_EQ(m.clasa_catalog_implicita, 0);
    }
    // Classes as printed: "2.3" read as an integer is 2; the acid class 52.3
    // is 52. The window's closing table has them as columns.
    EXPECT_EQ(clase, (std::vector<std::string>{"1 0 1 2 2", "1 0 1 2 1", "1 0 1 1 1", "2 0 52 2 4"}));
    EXPECT_EQ(r.articole.back().coloane, (std::vector<std::string>{"2", "0", "52", "2", "4"}));
    EXPECT_TRUE(p.casete.empty());
    // The open material is not touched.
    EXPECT_STREQ(setLucru().materiale[0].nume, "Gol0");
}

// Blank lines after the last glass are no glass.
TEST_F(ImportSchott, ReplacesAMaterialOfTheSameNameAndKeepsTheOthers) {
    writeDb(databaseOf({namedRecord("SF1", 2), namedRecord("N-BK7", 2)}));
    const RezultatOperatie r = importa(TextBloc(NBK7()) + "\n  \r\n\n");
    EXPECT_EQ(r.actualizate, 1);
    EXPECT_EQ(r.codIesire(), 0);
    EXPECT_TRUE(mesaje.empty());
    const auto db = recorduri();
    ASSERT_EQ(db.size(), 2u);
    EXPECT_STREQ(db[0].nume, "SF1");
    EXPECT_STREQ(db[1].nume, "N-BK7");
    EXPECT_EQ(db[1].producator, 2);
    EXPECT_EQ(db[1].densitate, 2.51f);
}

TEST_F(ImportSchott, AFileThatCannotBeOpenedIsReportedAndNothingElseHappens) {
    std::filesystem::current_path(d.path());
    const RezultatOperatie r = ImportaFisierSchott(NumeFisierSchott, {});
    EXPECT_EQ(r.codIesire(), 1);
    EXPECT_EQ(r.motiv, "Fisierul allglass.sch nu poate fi deschis");
    EXPECT_FALSE(d.exists("sticleNou32.dat"));
    // A directory of that name is no catalogue either.
    std::filesystem::create_directory(d / NumeFisierSchott);
    EXPECT_EQ(ImportaFisierSchott(NumeFisierSchott, {}).codIesire(), 1);
}

TEST_F(ImportSchott, ABlockCutBeforeItsDataEndsIsNotStoredAndDoesNotReplaceTheOldRecord) {
    MaterialOptic vechi = namedRecord("F2", 2);
    vechi.densitate = 3.6f;
    writeDb(databaseOf({vechi}));
    auto f2 = LiniiBloc(F2());
    f2.resize(90);  // ends among the transmittances
    const RezultatOperatie r = importa(TextBloc(NBK7()) + TextLinii(f2));
    EXPECT_EQ(r.codIesire(), 4);
    EXPECT_EQ(r.noi, 1);
    const auto db = recorduri();
    ASSERT_EQ(db.size(), 2u);
    EXPECT_EQ(std::memcmp(&db[0], &vechi, sizeof vechi), 0);
    EXPECT_STREQ(db[1].nume, "N-BK7");
    ASSERT_EQ(r.refuzate.size(), 1u);
    EXPECT_EQ(r.refuzate[0].material, "F2");
    EXPECT_NE(r.refuzate[0].motiv.find("blocul sticlei, dupa 90 din cele 195 linii"), std::string::npos);
}

TEST_F(ImportSchott, ABlockCutAfterItsDataIsStoredWithAWarning) {
    auto f2 = LiniiBloc(F2());
    f2.resize(150);
    std::string text = TextLinii(f2);
    text.pop_back();  // and the last line has no line end
    const RezultatOperatie r = importa(TextBloc(NBK7()) + text);
    EXPECT_EQ(r.codIesire(), 0);
    ASSERT_EQ(recorduri().size(), 2u);
    EXPECT_EQ(recorduri()[1].densitate, 3.60f);
    ASSERT_EQ(mesaje.size(), 1u);
    EXPECT_NE(mesaje[0].first.find("sticlei F2, dupa 150 din cele 195 linii"), std::string::npos) << mesaje[0].first;
}

TEST_F(ImportSchott, AnOverLongLineStopsTheImportBeforeTheGlassItShifts) {
    auto f2 = LiniiBloc(F2());
    f2[40] = std::string(100, 'x');
    const RezultatOperatie r = importa(TextBloc(NBK7()) + TextLinii(f2) + TextBloc(NSF11()));
    EXPECT_EQ(r.noi, 1);
    ASSERT_EQ(recorduri().size(), 1u);
    // Line 40 of the second block is line 195 + 41 of the file.
    ASSERT_EQ(r.refuzate.size(), 1u);
    EXPECT_EQ(r.refuzate[0].material, "F2");
    EXPECT_NE(r.refuzate[0].motiv.find("linia 236 a fisierului allglass.sch"), std::string::npos);
}

TEST(NumeSchott, NameLineRules) {
    const struct {
        const char* linie;
        const char* nume;
    } cazuri[] = {
        {"ABC   \n", "ABC"},
        {"ABCDEFGHIJKL\n", "ABCDEFGHIJ"},  // 10 characters at most
        {"N-SF6     HT 805254\n", "N-SF6"},  // cut first, then trimmed
        {" X  \n", " X"},                  // a leading blank stays
        {"  \n", " "},                     // and so does a lone first character
        {"\n", ""},
        {"SF\xE9\xA0\t\n", "SF"},  // bytes from 0x80 up go with the trailing blanks
        {"SF\xE9x", "SF\xE9x"},
        {"LAK9", "LAK9"},  // last line of a file without a line end
    };
    for (const auto& c : cazuri) EXPECT_EQ(NumeDinLinieSchott(c.linie), c.nume) << c.linie;
}

TEST(CititorSchott, LinesOfAtMost78CharactersAndWhereThePhysicalLinesAre) {
    const std::string l78(78, 'a');
    std::istringstream in("ab\r\ncd\r\re\n" + l78 + "\n" + l78 + "bcd\n" + std::string("x\0y\n", 4) + "last" +
                         l78.substr(4));
    CititorLiniiSchott c(in);
    struct Asteptat {
        std::string linie;
        bool lunga;
        int numar;
    };
    const Asteptat asteptate[] = {
        {"ab\n", false, 1},      {"cd\r\re\n", false, 2}, {l78, true, 3},  // the line end would not fit
        {"\n", false, 3},        {l78, true, 4},          {"bcd\n", false, 4},
        {"x", false, 5},  // up to the NUL
        {"last" + l78.substr(4), false, 6},  // 78 characters and the end of the file: complete
    };
    for (const auto& a : asteptate) {
        ASSERT_TRUE(c.citeste());
        EXPECT_EQ(c.linie(), a.linie);
        EXPECT_EQ(c.linieLunga(), a.lunga) << a.linie;
        EXPECT_EQ(c.numarLinie(), a.numar) << a.linie;
    }
    EXPECT_FALSE(c.citeste());
    EXPECT_EQ(c.linie(), "last" + l78.substr(4));  // the buffer keeps the last line
}

TEST(ConversieSchott, TransmittanceToAbsorptionCoefficient) {
    EXPECT_EQ(AbsorbtieDinTransmisieCatalog(0.0f, 10.0f), 37.0f);
    EXPECT_EQ(AbsorbtieDinTransmisieCatalog(1.0f, 10.0f), 0.0f);
    EXPECT_NEAR(AbsorbtieDinTransmisieCatalog(0.5f, 10.0f), 0.0693147, 1e-7);
    EXPECT_NEAR(AbsorbtieDinTransmisieCatalog(0.5f, 25.0f), 0.0277259, 1e-7);
}

TEST(ConversieSchott, LinesTheFormatLeavesOpenKeepTheGlassUsable) {
    auto linii = LiniiBloc(NFK51A());
    linii[70] = "  rho 3.68";     // no colon: not a value line, nothing of it is taken
    linii[76] = "  CR : 3;";      // a class without quotes is read as it stands
    linii[77] = "  FR : \"4 ;";   // only an opening quote: read from it
    linii[81] = "  d : 25";       // a thickness without 'm'
    std::vector<AvertizareSchott> a;
    const MaterialOptic m = Converteste(linii, &a);
    EXPECT_EQ(m.densitate, 0.0f);
    EXPECT_EQ(m.stabilitate_chimica[0], 3);
    EXPECT_EQ(m.stabilitate_chimica[1], 4);
    EXPECT_EQ(m.grosime_transmisie, 25.0f);
    // The rest of the glass is as the catalogue gives it.
    float nd = 0;
    ASSERT_EQ(IndiceDinEcuatieDispersie(m, 0, 587.5618f, nd), 0);
    EXPECT_NEAR(nd, 1.48656, 1e-5);
    EXPECT_NEAR(TransmisieInternaDinAbsorbtie(m.transmisia_interna[0], 25.0f), 0.44, 1e-6);
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].linieBloc, 70);
    EXPECT_NE(a[0].text.find("nu are ':'"), std::string::npos) << a[0].text;
}

// The thickness number starts at the first digit 1 to 9 and ends at 'm' or by itself; none reads as 1 mm.
TEST(ConversieSchott, ValuesThatAreNoUsableNumbersReadAsNotGivenWithAWarning) {
    using Camp = double (*)(const MaterialOptic&);
    const Camp rho = [](const MaterialOptic& m) { return double(m.densitate); };
    const Camp b1 = [](const MaterialOptic& m) { return m.coef_disp_n[0]; };
    const Camp cr = [](const MaterialOptic& m) { return double(m.stabilitate_chimica[0]); };
    const Camp sr = [](const MaterialOptic& m) { return double(m.stabilitate_chimica[2]); };
    const Camp ti = [](const MaterialOptic& m) { return double(m.transmisia_interna[29]); };
    const Camp d = [](const MaterialOptic& m) { return double(m.grosime_transmisie); };
    const struct {
        int linie;
        const char* valoare;
        Camp camp;
        double asteptat;
        bool avertizare;
    } cazuri[] = {
        {70, "2.51 g/cm3", rho, 2.51f, false}, {70, "  ", rho, 0, false},        {70, "abc", rho, 0, true},
        {70, "inf", rho, 0, true},             {70, "1e999", rho, 0, true},
        {33, "1e39", b1, 0, true},  // beyond a float
        {76, "\"70000\"", cr, 0, true},        {78, "\"1e10\"", sr, 0, true},    {78, "\"51.9\"", sr, 51, false},
        {83, "1.02", ti, 0, true},             {83, "-0.2", ti, 37, true},       {83, "x", ti, 37, true},
        {83, "", ti, 37, false},               {81, "10 mm", d, 10, false},      {81, "\"25mm\"", d, 25, false},
        {81, "0.5 mm", d, 5, true},            {81, "2.5e1mm", d, 25, false},    {81, "25", d, 25, false},
        {81, "", d, 1, false},                 {81, "n/a", d, 1, true},          {81, "0 mm", d, 1, true},
    };
    for (const auto& c : cazuri) {
        auto linii = LiniiBloc(NBK7());
        linii[static_cast<std::size_t>(c.linie)] = std::string("  v : ") + c.valoare + ";";
        std::vector<AvertizareSchott> a;
        const MaterialOptic m = Converteste(linii, &a);
        SCOPED_TRACE(std::to_string(c.linie) + " " + c.valoare);
        EXPECT_EQ(c.camp(m), c.asteptat);
        ASSERT_EQ(a.size(), c.avertizare ? 1u : 0u);
        if (c.avertizare) {
            EXPECT_EQ(a[0].linieBloc, c.linie);
        }
    }
}

TEST_F(ImportSchott, WarningsNameTheFileLineAndTheGlassAndStopAfterFifty) {
    auto f2 = LiniiBloc(F2());
    f2[70] = "  rho : ?;";
    const RezultatOperatie r = importa(TextBloc(NBK7()) + TextLinii(f2));
    EXPECT_EQ(r.codIesire(), 0);
    // A value that does not read is not the glass before's.
    EXPECT_EQ(recorduri().at(1).densitate, 0.0f);
    ASSERT_EQ(mesaje.size(), 1u);
    EXPECT_EQ(mesaje[0].first, "allglass.sch, linia 266 (sticla F2): \"?\" nu este un numar; se ia 0");
    EXPECT_EQ(mesaje[0].second, NivelAvertizare);

    mesaje.clear();
    auto gunoi = LiniiBloc(NBK7());
    for (int i = 83; i < 113; ++i) gunoi[static_cast<std::size_t>(i)] = "  Ti : ?;";
    importa(TextLinii(gunoi) + TextLinii(gunoi));
    EXPECT_EQ(mesaje.size(), 51u);
    EXPECT_EQ(mesaje.back().first, "allglass.sch: inca 10 avertizari nu au fost afisate");
}

}  // namespace
