// Category assignment: the enabling rule of the dialog's buttons, the
// selection modes, and the rewrite that gives the selected rows' records
// their category, on real database files.

#include <cmath>

#include "database/CategoriiMaterial.h"
#include "database/GlassDirFixture.h"
#include "database/ListaSticle.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct AssignCategory : GlassDirFixture {
    AssignCategory() { d.write("CategoriiMaterial.txt", "; categorii\nCrown\tc\nFlint\nLaser\n"); }

    // The list rows as the dialog shows them, in file order.
    std::vector<std::string> rows() {
        std::vector<LinieSticla> lines;
        EXPECT_FALSE(ListeazaSticleInLista(path_sticle, lines).esuat());
        std::vector<std::string> r;
        for (const auto& l : lines) r.push_back(l.text);
        return r;
    }
};

}  // namespace

TEST(CategoryButtons, EnablingRule) {
    struct Case {
        int mode;
        int selected;
        const char* search;
        bool done;
        ButoaneCategorie expected;
    };
    const Case cases[] = {
        // On opening: no choice, nothing selected - everything off.
        {FaraSelectie, 0, "", false, {false, false, false, false, false}},
        // "Tot" with nothing selected: only "Selecteaza".
        {SelectieTot, 0, "", false, {false, false, false, false, true}},
        {SelectieTot, 3, "", false, {true, false, true, true, true}},
        // Search: the edit always, "Selecteaza" only with a text.
        {SelectieCautare, 0, "", false, {false, true, false, false, false}},
        {SelectieCautare, 0, "BK", false, {false, true, false, false, true}},
        {SelectieCautare, 2, "", false, {true, true, true, true, false}},
        // "Revers" needs a selection to invert.
        {SelectieRevers, 0, "BK", false, {false, false, false, false, false}},
        {SelectieRevers, 1, "", false, {true, false, true, true, true}},
        {FaraSelectie, 5, "BK", false, {true, false, true, true, false}},
        // Once the category is put, the button stays off for this opening.
        {SelectieTot, 3, "", true, {false, false, true, true, true}},
    };
    for (const Case& c : cases) {
        StareCategorie s;
        s.mod = c.mode;
        s.randuriSelectate = c.selected;
        s.textCautare = c.search;
        s.categoriePusa = c.done;
        EXPECT_EQ(ActualizeazaButoaneCategorie(s), c.expected)
            << "mode " << c.mode << " selected " << c.selected << " search '" << c.search << "' done " << c.done;
    }
}

TEST(CategorySelection, Modes) {
    const std::vector<std::string> rows{"BK7\tShott Mainz\tCrown", "F2\tShott Mainz\tFlint", "N-BK10\tHoya\tCrown",
                                        "bk1\tRusia\t???"};
    using V = std::vector<bool>;

    V s{false, true, false, false};
    AplicaSelectia(SelectieTot, rows, "", s);
    EXPECT_EQ(s, (V{true, true, true, true}));

    // Search replaces the selection and is case-sensitive; it looks at the
    // whole row, producer and category included.
    s = {true, true, false, true};
    AplicaSelectia(SelectieCautare, rows, "BK", s);
    EXPECT_EQ(s, (V{true, false, true, false}));
    AplicaSelectia(SelectieCautare, rows, "Rusia\t?", s);
    EXPECT_EQ(s, (V{false, false, false, true}));

    s = {true, false, true, false};
    AplicaSelectia(SelectieRevers, rows, "", s);
    EXPECT_EQ(s, (V{false, true, false, true}));

    AplicaSelectia(FaraSelectie, rows, "BK", s);
    EXPECT_EQ(s, (V{false, true, false, true}));
}

TEST(CategoryRows, FirstRowBeginningWithTheLine) {
    const IndexRanduri index({"AB\tx\tc", "A\tx\tcd", "A\tx\tc", "A\tx\tc", "B\ty\tc"});
    EXPECT_EQ(index.primulCuInceputul("A\tx\tc"), 1);  // row 1 begins with it, before the exact rows
    EXPECT_EQ(index.primulCuInceputul("A\tx\tcd"), 1);
    EXPECT_EQ(index.primulCuInceputul("AB"), 0);
    EXPECT_EQ(index.primulCuInceputul("B\ty\tc"), 4);
    EXPECT_EQ(index.primulCuInceputul("A\tx\tce"), -1);
    EXPECT_EQ(IndexRanduri({}).primulCuInceputul("A"), -1);
}

TEST_F(AssignCategory, SelectedRowsRecordsGetTheCategoryInFileOrder) {
    writeDb(databaseOf({withCategory("A", 2, 0), withCategory("B", 3, 1), withCategory("C", 2, 0),
                        withCategory("D", 6, 2)}));
    const std::vector<std::string> r = rows();
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[1], "B\tHoya\tFlint");

    RezultatRescriere result;
    ASSERT_EQ(PuneCategorieMateriale(p, nullptr, path_sticle, r, {false, true, true, false}, 2, &result), 1);
    EXPECT_EQ(result.citite, 4u);
    EXPECT_EQ(result.modificate, 2u);
    EXPECT_EQ(db(), databaseOf({withCategory("A", 2, 0), withCategory("B", 3, 2), withCategory("C", 2, 2),
                                withCategory("D", 6, 2)}));
    EXPECT_EQ(archive(0), databaseOf({withCategory("A", 2, 0), withCategory("B", 3, 1), withCategory("C", 2, 0),
                                      withCategory("D", 6, 2)}));
    EXPECT_EQ(rows()[1], "B\tHoya\tLaser");
}

TEST_F(AssignCategory, IdenticalListLinesShareTheFirstRow) {
    // The two "B" records of the same producer and category have one list
    // line; both follow the first row showing it.
    const std::string original = databaseOf({withCategory("B", 2, 0), withCategory("A", 2, 0),
                                             withCategory("B", 2, 0)});
    writeDb(original);
    const std::vector<std::string> r = rows();
    ASSERT_EQ(r[0], r[2]);

    ASSERT_EQ(PuneCategorieMateriale(p, nullptr, path_sticle, r, {true, false, false}, 1), 1);
    EXPECT_EQ(db(), databaseOf({withCategory("B", 2, 1), withCategory("A", 2, 0), withCategory("B", 2, 1)}));

    // Selecting only the later duplicate row selects nothing: the records
    // are found at the first row.
    writeDb(original);
    ASSERT_EQ(PuneCategorieMateriale(p, nullptr, path_sticle, r, {false, false, true}, 1), 1);
    EXPECT_EQ(db(), original);
}

TEST_F(AssignCategory, StaleCategoryIsNotReportedAgainAndRecordsStayMatched) {
    writeDb(databaseOf({withCategory("A", 2, 7), withCategory("B", 2, 7)}));
    const std::vector<std::string> r = rows();
    EXPECT_EQ(r[0], "A\tShott Mainz\t???");
    p.casete.clear();
    ASSERT_EQ(PuneCategorieMateriale(p, nullptr, path_sticle, r, {true, false}, 0), 1);
    EXPECT_EQ(db(), databaseOf({withCategory("A", 2, 0), withCategory("B", 2, 7)}));
    EXPECT_EQ(p.texte(), std::vector<std::string>{"S-a creat fisierul arhiva sticleNou32#_0.dat"});
}

// The Abbe diagram's line between crowns and flints: vd 50 below nd 1.60,
// vd 55 from there on; on the line a glass is a crown.
TEST(ImportCategory, TheAbbeDiagramSeparatesCrownsFromFlints) {
    const struct {
        double nd, vd;
        bool crown;
    } cazuri[] = {
        {1.5168, 64.17, true},  {1.50, 50.0, true},   {1.50, 49.99, false}, {1.5999, 50.0, true},
        {1.60, 54.99, false},   {1.60, 55.0, true},   {1.62, 36.37, false}, {1.7292, 54.67, false},
        {1.7130, 53.87, false}, {1.8830, 40.76, false}, {1.4339, 94.95, true}, {1.6204, 60.37, true},
    };
    for (const auto& c : cazuri) EXPECT_EQ(EsteCrown(c.nd, c.vd), c.crown) << c.nd << " " << c.vd;
}

TEST_F(AssignCategory, AnImportTakesCrownAndFlintFromTheFileOrThePickAndSaysWhenNeither) {
    d.write("CategoriiMaterial.txt", "; c\nLaser\n#retras\n crown \tcoroane\nFLINT\n");
    CategoriiImport abbe(d.str());
    EXPECT_TRUE(abbe.dupaDiagramaAbbe());
    EXPECT_EQ(abbe.categorie(1.5168, 64.17), 1);
    EXPECT_EQ(abbe.categorie(1.62, 36.37), 2);
    EXPECT_EQ(abbe.raport(), "");
    EXPECT_EQ(abbe.categorie(1.0, 0.0), 0);  // no place on the diagram, no pick
    EXPECT_EQ(abbe.raport(), "1 materiale fara nd si vd (nu au loc pe diagrama Abbe) au primit categoria 0 (Laser)");
    EXPECT_EQ(CategoriiImport(d.str(), 2).categorie(NAN, NAN), 2);

    d.write("CategoriiMaterial.txt", "Laser\nCristal\n");
    CategoriiImport fara(d.str());
    EXPECT_EQ(fara.categorie(1.5168, 64.17), 0);
    EXPECT_NE(fara.raport().find("nu are intrarile \"Crown\" si \"Flint\""), std::string::npos) << fara.raport();
    CategoriiImport aleasa(d.str(), 1);
    EXPECT_EQ(aleasa.categorie(1.5168, 64.17), 1);
    EXPECT_EQ(aleasa.raport(), "");
}
