// The three dialogs of the spreadsheet update, driven offscreen over an
// .xlsx catalogue: the association dialog's refusals, then the whole road
// from the file to the result list.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "fileutil/GardaDirectorCurent.h"
#include "import/tabele/ActualizareExcelDialog.h"
#include "import/tabele/AsociereColoaneDialog.h"
#include "import/tabele/ConexiuneOdbc.h"
#include "import/tabele/ImportExcelDialog.h"
#include "support/PlatformaScriptata.h"
#include "settings/Directoare.h"
#include "support/TabelCatalog.h"
#include "suite/FereastraText.h"
#include "support/TestDir.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct ActualizareExcelGui : ::testing::Test {
    CurrentDirGuard cwd;  // the update works in the glass directory
    ScriptedPlatform p;
    ScopedPlatform guard{p};
    TestDir d;
    std::string vechi = path_sticle;
    ActualizareExcelGui() {
        path_sticle = d.str();
        ScrieXlsx((d / "ohara.xlsx").string(), "Catalog",
                  {{std::string("Glass"), std::string("nd"), std::string("nF"), std::string("TAUI10/400"), std::string("Code")},
                   {std::string("S-BSL7"), 1.5163, 1.5220, 0.997, std::string("516641")}});
    }
    ~ActualizareExcelGui() override { path_sticle = vechi; }
};

TEST_F(ActualizareExcelGui, FromTheWorkbookToTheResultList) {
    ActualizareExcelDialog actualizare(nullptr);
    ContextImportExcel& c = actualizare.context();
    c.odbc.codProducator = 3;
    ImportExcelDialog import(&actualizare, c, actualizare.rezultate(), [] { return false; });
    ASSERT_TRUE(import.deschideFisier((d / "ohara.xlsx").string()));
    ASSERT_EQ(import.tabele()->count(), 1);
    import.alegeTabel(0);
    ASSERT_EQ(c.coloane.size(), 5u);

    AsociereColoaneDialog asociere(&import, c, "OHARA_XLS");
    const struct {
        int intrare;
        bool start;
        int coloana;
        const char* mesaj;  // nullptr: accepted
    } pasi[] = {
        {3, true, 1, nullptr},  {3, false, 2, nullptr},
        {0, true, 0, nullptr},  {0, false, 0, nullptr},
        {9, true, 3, nullptr},  {9, false, 3, nullptr},
        {3, true, 3, "ColStop >= ColStart"},
        {7, true, 3, nullptr},  {7, false, 4, "Coloanele selectate nu au acelasi tip"},
        {11, true, 1, nullptr}, {11, false, 2, "Nr. coloane > nr. elemente"},
    };
    // Columns left in an inactive entry from a wider table are never read.
    c.asocieri[13].coloanaStart = 2, c.asocieri[13].coloanaStop = 200;
    asociere.selecteaza(13);
    asociere.alegeColoana(true, 1);
    EXPECT_EQ(c.asocieri[13].coloanaStop, 1);
    for (const auto& s : pasi) {
        SCOPED_TRACE(s.intrare);
        p.casete.clear();
        asociere.selecteaza(s.intrare);
        c.asocieri[s.intrare].activ = 1;
        asociere.alegeColoana(s.start, s.coloana);
        if (s.mesaj) {
            ASSERT_EQ(p.casete.size(), 1u);
            EXPECT_EQ(p.ultima().text, s.mesaj);
        } else {
            EXPECT_TRUE(p.casete.empty());
        }
    }
    EXPECT_EQ(c.asocieri[3].coloanaStart, 1);
    EXPECT_EQ(c.asocieri[3].coloanaStop, 2);
    EXPECT_EQ(c.asocieri[11].coloanaStop, -1);
    c.asocieri[7].activ = c.asocieri[11].activ = 0;

    import.detecteazaLambda();
    import.actualizeazaLista();
    ASSERT_EQ(actualizare.rezultate()->count(), 1) << p.texte().back();
    EXPECT_EQ(actualizare.rezultate()->item(0)->text(), "S-BSL7\t1.522\t1.5163\t0.997");
    EXPECT_EQ(import.lista()->count(), 3);
}

TEST_F(ActualizareExcelGui, ConnectionInfoAskedAgainRefreshesItsWindow) {
    ConfigureazaOdbc(d.str());
    ScrieSqlite((d / "cat.db").string(), "sticle", {{std::string("nume")}, {std::string("F2")}});
    ScrieODBC_BazaDateInRegistri("OHARA_XLS", SirSqlite((d / "cat.db").string()));
    auto c = std::make_unique<ContextImportExcel>();
    c->odbc.codProducator = 3;
    ImportExcelDialog import(nullptr, *c, nullptr, [] { return false; });
    import.conecteaza(true);
    auto* info = import.findChild<QPushButton*>(QStringLiteral("1080"));
    ASSERT_TRUE(info && info->isEnabled());
    info->click();
    const auto ferestre = import.findChildren<TextWindow*>();
    ASSERT_EQ(ferestre.size(), 1);
    ferestre[0]->controlText()->setPlainText(QStringLiteral("vechi"));
    ferestre[0]->showMinimized();
    info->click();
    EXPECT_EQ(import.findChildren<TextWindow*>(), ferestre);
    EXPECT_EQ(ferestre[0]->linii().value(0), QStringLiteral("Parametri conexiune"));
    EXPECT_FALSE(ferestre[0]->isMinimized());
}

}  // namespace
