#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "messages/ModelListaMesaje.h"
#include "support/PlatformaScriptata.h"
#include "support/TestDir.h"

namespace vitramor {
namespace {

using namespace raspuns;
using Texte = std::vector<std::string>;

class ModelListaMesajeTest : public ::testing::Test {
protected:
    void SetUp() override { SeteazaAvertizariInAsteptare(false); }

    // Levels top to bottom.
    static std::vector<int> nivele(const ModelListaMesaje& l) {
        std::vector<int> r;
        for (int i = 0; i < l.numarLinii(); ++i) r.push_back(l.linie(i).nivel);
        return r;
    }

    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    ModelListaMesaje m;
};

TEST_F(ModelListaMesajeTest, NewLinesGoOnTopUntilTheEndIsChosenAndBack) {
    for (const char* t : {"A", "B", "C"}) ASSERT_EQ(m.adaugaLinie(t, 0), 1);
    EXPECT_EQ(m.texte(), (Texte{"C", "B", "A"}));
    p.raspunde(IDYES);
    m.insereazaLaSfarsit(p, nullptr);
    EXPECT_EQ(p.ultima().style, 36u);
    m.adaugaLinie("D", 0);
    EXPECT_EQ(m.texte(), (Texte{"A", "B", "C", "D"}));
    p.raspunde(IDYES);
    m.insereazaLaInceput(p, nullptr);
    m.adaugaLinie("E", 0);
    EXPECT_EQ(m.texte(), (Texte{"E", "D", "C", "B", "A"}));
}

// Turning the list over to the other side: the question, the refusals, and
// the levels and unread warning travelling with their lines. The side is
// switched whatever the answer.
TEST_F(ModelListaMesajeTest, TurningOverToTheEnd) {
    struct Caz {
        const char* nume;
        std::vector<std::pair<const char*, int>> linii;  // in arrival order
        std::vector<int> raspunsuri;
        std::string caseta;  // the last box, or empty for none
        Texte texte;
        std::vector<int> nivele;
        int avertizare;  // the unread warning afterwards
    };
    const Caz cazuri[] = {
        {"no: lines stay", {{"A", 0}, {"B", 0}}, {IDNO}, "Inversati liniile din lista ?", {"B", "A"}, {0, 0}, -1},
        {"empty list: no question", {}, {}, "", {}, {}, -1},
        {"one line: no question", {{"A", 0}}, {}, "", {"A"}, {0}, -1},
        {"all lines empty", {{"", 1}, {"", 0}}, {IDYES}, "Lungime linii text < 1", {"", ""}, {0, 1}, 1},
        {"levels and the newest warning follow",
         {{"i1", 0}, {"w1", 1}, {"w2", 1}, {"i2", 0}},
         {IDYES},
         "Inversati liniile din lista ?",
         {"i1", "w1", "w2", "i2"},
         {0, 1, 1, 0},
         2},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.nume);
        PlatformaScriptata q;
        PlatformaInstalata g(q);
        ModelListaMesaje l;
        for (const auto& [text, nivel] : c.linii) l.adaugaLinie(text, nivel);
        for (int r : c.raspunsuri) q.raspunde(r);
        l.insereazaLaSfarsit(q, nullptr);
        EXPECT_TRUE(l.inserareLaSfarsit());
        if (c.caseta.empty()) {
            EXPECT_TRUE(q.casete.empty());
        } else {
            EXPECT_EQ(q.ultima().text, c.caseta);
        }
        EXPECT_EQ(l.texte(), c.texte);
        EXPECT_EQ(nivele(l), c.nivele);
        EXPECT_EQ(l.ultimaAvertizareNecitita(), c.avertizare);
        // Choosing the side already in force asks nothing (an unqueued
        // question would throw).
        l.insereazaLaSfarsit(q, nullptr);
    }
}

// The list holds 32765 lines; the next pushes out the oldest, on the side
// away from where lines arrive.
TEST_F(ModelListaMesajeTest, AFullListPushesOutItsOldestLine) {
    for (bool laSfarsit : {false, true}) {
        SCOPED_TRACE(laSfarsit ? "at the end" : "at the beginning");
        ModelListaMesaje l;
        if (laSfarsit) l.insereazaLaSfarsit(p, nullptr);
        l.adaugaLinie("0", 1);  // the only warning, and the oldest line
        for (int i = 1; i < 32765; ++i) ASSERT_EQ(l.adaugaLinie(std::to_string(i), 0), 1);
        ASSERT_EQ(l.numarLinii(), 32765);
        EXPECT_TRUE(l.existaAvertizariNecitite());

        EXPECT_EQ(l.adaugaLinie("nou", 0), 1);
        EXPECT_EQ(l.numarLinii(), 32765);
        const Texte capete{l.linie(0).text, l.linie(1).text, l.linie(32764).text};
        EXPECT_EQ(capete, (laSfarsit ? Texte{"1", "2", "nou"} : Texte{"nou", "32764", "1"}));
        // The warning went with its line.
        EXPECT_FALSE(l.existaAvertizariNecitite());
        EXPECT_EQ(l.ultimaAvertizareNecitita(), -1);
    }
}

TEST_F(ModelListaMesajeTest, UnreadWarningsBlockClearingAndClosing) {
    m.adaugaLinie("w", 1);
    EXPECT_EQ(m.stergeMesaje(nullptr), 0);
    EXPECT_EQ(p.ultima().text, "Mai intai confirmati ca ati citit mesajele de averizare (cele cu rosu)");
    EXPECT_EQ(m.numarLinii(), 1);
    EXPECT_FALSE(m.poateFiInchisa(nullptr));
    EXPECT_EQ(p.ultima().text, "Mai intai marcati ca citite mesajele noi");

    m.amCitit();
    const std::size_t casete = p.casete.size();
    EXPECT_TRUE(m.poateFiInchisa(nullptr));
    EXPECT_EQ(m.stergeMesaje(nullptr), 1);
    EXPECT_EQ(m.numarLinii(), 0);
    EXPECT_EQ(m.linieApasata(), -1);
    EXPECT_EQ(p.casete.size(), casete);
}

TEST_F(ModelListaMesajeTest, CopyTakesTheClickedLineEvenAfterLinesArriveAboveIt) {
    m.adaugaLinie("A", 0);
    EXPECT_EQ(m.copiazaMesaj(nullptr), 0);
    EXPECT_EQ(p.ultima().text, "Selectati un mesaj");

    m.adaugaLinie("B", 0);  // B, A
    m.seteazaLinieApasata(1);
    m.adaugaLinie("C", 0);  // C, B, A
    EXPECT_EQ(m.copiazaMesaj(nullptr), 1);
    EXPECT_EQ(p.clipboard, "A");

    p.clipboardEsueaza = true;
    EXPECT_EQ(m.copiazaMesaj(nullptr), 0);
    EXPECT_EQ(p.ultima().numar, 362);
    EXPECT_EQ(p.ultima().style, 48u);
}

TEST_F(ModelListaMesajeTest, MenuGreyingAndChecks) {
    struct Caz { const char* nume; std::vector<int> nivele; bool laSfarsit, arata; StareMeniuListaMesaje asteptat; };
    const Caz cazuri[] = {
        {"empty", {}, false, false, {false, false, false, false, false, true, false, false}},
        {"information only", {0, 0}, false, true, {false, true, true, true, true, true, false, true}},
        {"an unread warning", {0, 1}, true, false, {true, true, true, true, true, false, true, false}},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.nume);
        ModelListaMesaje l;
        if (c.laSfarsit) l.insereazaLaSfarsit(p, nullptr);
        if (c.arata) l.comutaArataDupaInserare();
        for (int n : c.nivele) l.adaugaLinie("x", n);
        const StareMeniuListaMesaje s = l.stareMeniu();
        for (const ComandaListaMesaje& cmd : ComenziListaMesaje()) {
            EXPECT_EQ(s.activ(cmd.id), c.asteptat.activ(cmd.id)) << cmd.text;
            EXPECT_EQ(s.bifat(cmd.id), c.asteptat.bifat(cmd.id)) << cmd.text;
        }
    }
}

TEST_F(ModelListaMesajeTest, WarningsArePendingAndBeepUntilRead) {
    m.adaugaLinie("i", 0);
    EXPECT_FALSE(AvertizariInAsteptare());
    EXPECT_EQ(m.bataieTimer(), -1);
    EXPECT_TRUE(m.fazaClipire());

    m.adaugaLinie("w", 2);
    m.adaugaLinie("j", 0);
    EXPECT_TRUE(AvertizariInAsteptare());
    EXPECT_EQ(m.bataieTimer(), 1);
    EXPECT_FALSE(m.fazaClipire());
    EXPECT_EQ(m.bataieTimer(), 1);
    EXPECT_EQ(p.beepuri, 2);

    m.amCitit();
    EXPECT_EQ(nivele(m), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(m.ultimaAvertizareNecitita(), -1);
    EXPECT_FALSE(AvertizariInAsteptare());
    EXPECT_EQ(m.bataieTimer(), -1);
    EXPECT_EQ(p.beepuri, 2);
}

TEST(ColoaneMesaj, EachPartStartsOneStepOnWhereTheStepIsTheTabOrTheWidestPart) {
    struct Caz { std::vector<int> latimi; int tab; std::vector<int> inceputuri; int latime; };
    const Caz cazuri[] = {
        {{40}, 100, {0}, 40},                      // no tab
        {{10, 20, 30}, 100, {0, 100, 200}, 230},   // narrow parts: tab stops
        {{30, 150, 20}, 100, {0, 150, 300}, 320},  // one wide part widens every column
        {{0, 0}, 1, {0, 1}, 1},                    // empty parts, smallest stop
        {{}, 100, {}, 0},
    };
    for (const Caz& c : cazuri) {
        EXPECT_EQ(InceputuriColoane(c.latimi, c.tab), c.inceputuri);
        EXPECT_EQ(LatimeColoane(c.latimi, c.tab), c.latime);
    }
}

class SalvareMesajeTest : public ModelListaMesajeTest {
protected:
    void SetUp() override {
        ModelListaMesajeTest::SetUp();
        anterior = std::filesystem::current_path();
        m.insereazaLaSfarsit(p, nullptr);
        m.adaugaLinie("prima\tcoloana", 1);
        m.adaugaLinie("a doua", 0);
    }
    void TearDown() override { std::filesystem::current_path(anterior); }

    void alege(const std::string& director) { p.fisiereAlese.push_back(FisierAles{director, "message.txt"}); }

    std::filesystem::path anterior;
    test::TestDir d;
};

TEST_F(SalvareMesajeTest, WritesEveryLineAsksBeforeReplacingAndOffersToOpenTheFile) {
    alege(d.str());
    p.raspunde(IDYES);  // 568: open it
    EXPECT_EQ(m.salveazaMesaje(p, nullptr), 1);
    EXPECT_EQ(d.read("message.txt"), "prima\tcoloana\na doua\n");
    EXPECT_EQ(std::filesystem::current_path(), anterior);
    ASSERT_EQ(p.cereriFisier.size(), 1u);
    const CerereAlegereFisier& c = p.cereriFisier[0];
    EXPECT_EQ(c.numeInitial, "message.txt");
    EXPECT_EQ(c.directorInitial, anterior.string());
    ASSERT_FALSE(c.filtre.empty());
    EXPECT_EQ(c.filtre[0].descriere, "Fisier text (*.txt)");
    EXPECT_EQ(p.ultima().numar, 568);
    EXPECT_EQ(p.documenteDeschise, (Texte{"message.txt @" + d.str()}));

    d.write("message.txt", "vechi\n");
    alege(d.str());
    p.raspunde(IDNO);  // 947
    EXPECT_EQ(m.salveazaMesaje(p, nullptr), 0);
    EXPECT_EQ(p.ultima().numar, 947);
    EXPECT_EQ(d.read("message.txt"), "vechi\n");
    EXPECT_EQ(d.files(), (Texte{"message.txt"}));

    alege(d.str());
    p.raspunde({IDYES, IDNO});  // replace; do not open
    EXPECT_EQ(m.salveazaMesaje(p, nullptr), 1);
    EXPECT_EQ(d.read("message.txt"), "prima\tcoloana\na doua\n");
    EXPECT_EQ(p.documenteDeschise.size(), 1u);
}

TEST_F(SalvareMesajeTest, FailuresAreReportedAndNothingIsWritten) {
    p.fisiereAlese.push_back(std::nullopt);  // cancelled chooser: no box at all
    EXPECT_EQ(m.salveazaMesaje(p, nullptr), 0);
    EXPECT_TRUE(p.casete.empty());

    alege((d / "lipsa").string());
    EXPECT_EQ(m.salveazaMesaje(p, nullptr), 0);
    EXPECT_EQ(p.ultima().numar, 144);

    // The file name is taken by a directory: it is refused, said, and kept.
    std::filesystem::create_directory(d / "message.txt");
    alege(d.str());
    p.raspunde(IDYES);  // 947: replace
    EXPECT_EQ(m.salveazaMesaje(p, nullptr), 0);
    EXPECT_NE(p.ultima().text.find("message.txt"), std::string::npos) << p.ultima().text;
    EXPECT_TRUE(std::filesystem::is_directory(d / "message.txt"));
    EXPECT_EQ(std::filesystem::current_path(), anterior);
}

}  // namespace
}  // namespace vitramor
