// The three dialogs of the spreadsheet update, driven offscreen over an
// .xlsx catalogue: the only sheet and its first rows at once, the
// association dialog's refusals and its words, then the whole road from the
// file to the result list.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

#include "fileutil/GardaDirectorCurent.h"
#include "import/tabele/ActualizareExcelDialog.h"
#include "import/tabele/AsociereColoaneDialog.h"
#include "import/tabele/ConexiuneOdbc.h"
#include "import/tabele/ImportExcelDialog.h"
#include "platform/CopiereTabelUi.h"
#include "support/ModalDriver.h"
#include "support/PlatformaScriptata.h"
#include "support/ProgresSubIntrebari.h"
#include "settings/Directoare.h"
#include "support/TabelCatalog.h"
#include "suite/FereastraText.h"
#include "support/TestDir.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct ActualizareExcelGui : ::testing::Test {
    CurrentDirGuard cwd;  // the update works in the glass directory
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    TestDir d;
    std::string vechi = path_sticle;
    ActualizareExcelGui() {
        path_sticle = d.str();
        ScrieXlsx((d / "ohara.xlsx").string(), "Catalog",
                  {{std::string("Glass"), std::string("nd"), std::string("nF"), std::string("TAUI10/400"), std::string("Code"),
                    std::string("E (10\u2078N/m\u00b2)")},
                   {std::string("S-BSL7"), 1.5163, 1.5220, 0.997, std::string("516641"), 862.0}});
    }
    ~ActualizareExcelGui() override { path_sticle = vechi; }
};

// Every text a dialog puts on screen: titles, labels, fields, buttons and
// the cells and column titles of its tables.
QStringList TextePeEcran(QWidget& w) {
    QStringList t{w.windowTitle()};
    for (auto* l : w.findChildren<QLabel*>()) t << l->text();
    for (auto* e : w.findChildren<QLineEdit*>()) t << e->text();
    for (auto* b : w.findChildren<QAbstractButton*>()) t << b->text();
    for (auto* g : w.findChildren<QTableWidget*>())
        for (int k = 0; k < g->columnCount(); ++k) {
            t << g->horizontalHeaderItem(k)->text();
            for (int r = 0; r < g->rowCount(); ++r) t << (g->item(r, k) ? g->item(r, k)->text() : QString());
        }
    return t;
}

TEST_F(ActualizareExcelGui, FromTheWorkbookToTheResultList) {
    // One window: choosing the Ohara layout makes the panel for it and
    // proposes its maker; the user can name another.
    ActualizareExcelDialog actualizare(nullptr);
    ContextImportExcel& c = actualizare.context();
    ASSERT_EQ(actualizare.formate()->count(), 2);
    actualizare.formate()->setCurrentIndex(1);
    ASSERT_EQ(c.codProducator, 3);
    EXPECT_EQ(c.sticla.producator, 6);
    ASSERT_NE(actualizare.panou(), nullptr);
    ImportExcelDialog& import = *actualizare.panou();
    ASSERT_TRUE(import.deschideFisier((d / "ohara.xlsx").string()));
    // The only sheet is chosen and read without being asked for.
    EXPECT_EQ(import.tabele()->currentText(), "Catalog");
    ASSERT_EQ(c.coloane.size(), 6u);
    QTableWidget* primele = import.previzualizare();
    ASSERT_EQ(primele->rowCount(), 1);
    EXPECT_EQ(primele->horizontalHeaderItem(3)->text(), "TAUI10/400");
    EXPECT_EQ(primele->item(0, 0)->text(), "S-BSL7");
    EXPECT_EQ(primele->item(0, 1)->text(), "1.5163");

    AsociereColoaneDialog asociere(&import, c, "OHARA_XLS");
    EXPECT_EQ(asociere.windowTitle(), "Asociere campuri material cu coloane din tabel Catalog");
    // A start and a stop are judged together; what is wrong is said, the
    // choice stays on screen and the entry as it was.
    const struct {
        int intrare;
        bool start;
        int coloana;
        const char* indicatie;  // nullptr: nothing to say
    } pasi[] = {
        {3, true, 1, nullptr},  {3, false, 2, nullptr},
        {0, true, 0, nullptr},  {9, true, 3, nullptr},
        {3, true, 3, "Coloana de sfarsit (nF) este inaintea celei de inceput"},
        {7, true, 0, "coloana Glass are text (\"S-BSL7\")"}, {14, true, 1, nullptr},
        {14, false, 5, "Nr. coloane > nr. elemente"}, {13, false, 1, nullptr},
        {10, true, 5, "este in 10^8 N/m^2: factorul 0.1 o aduce in GPa"},
    };
    for (const auto& s : pasi) {
        SCOPED_TRACE(s.intrare);
        if (c.intrareCurenta != s.intrare) asociere.selecteaza(s.intrare);
        asociere.alegeColoana(s.start, s.coloana);
        EXPECT_TRUE(asociere.indicatie()->text().contains(QString::fromUtf8(s.indicatie ? s.indicatie : "\x01")) ||
                    (!s.indicatie && asociere.indicatie()->text().isEmpty()))
            << asociere.indicatie()->text().toStdString();
    }
    EXPECT_TRUE(p.casete.empty());
    EXPECT_EQ(c.asocieri[IntrareIndici].coloanaStart, 1);
    EXPECT_EQ(c.asocieri[IntrareIndici].coloanaStop, 2);
    EXPECT_FALSE(c.asocieri[IntrareDensitate].activ);
    EXPECT_EQ(c.asocieri[IntrareConductibilitate].coloanaStop, 1);

    // Fields and columns in the user's words; the record's C types and the
    // driver's SQL types never reach the screen.
    const QStringList texte = TextePeEcran(asociere);
    const QRegularExpression tipuri(QStringLiteral("\\b(u?short|u?int|u?lint|char|wchar|double|float|bool|byte|SQL_\\w+)\\b"),
                                    QRegularExpression::CaseInsensitiveOption);
    for (const QString& t : texte) EXPECT_FALSE(tipuri.match(t).hasMatch()) << t.toStdString();
    EXPECT_TRUE(texte.contains("Camp din material") && texte.contains("Coloana din tabel"));
    // Each field with its unit and the first glass's value as it will be stored.
    asociere.show();
    asociere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&asociere));
    asociere.lista()->setFocus();
    asociere.lista()->selectRow(10);
    QTest::keyClick(asociere.lista(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(p.clipboard.ends_with("\nda\tModul Young\tGPa\tun numar\tE (10\u2078N/m\u00b2)\tE (10\u2078N/m\u00b2)\t1\t0.1\t86.2\n"))
        << p.clipboard;
    c.asocieri[IntrareTemperaturi].activ = c.asocieri[IntrareConductibilitate].activ = 0;

    import.detecteazaLambda();
    import.actualizeazaLista();
    // The rows under the titles of their cells, as the table copies them.
    ASSERT_EQ(actualizare.rezultate()->rowCount(), 1) << p.texte().back();
    actualizare.rezultate()->selectAll();
    EXPECT_EQ(TextCeluleSelectate(actualizare.rezultate()).toStdString(),
              "Nume\tn 486.133 nm\tn 587.562 nm\tTi 400 nm\tModul Young [GPa]\tObservatii\n"
              "S-BSL7\t1.522\t1.5163\t0.997\t86.2\t\n");

    // Stored: the category is asked before the progress dialog opens, the
    // new glass once it has closed.
    d.write("CategoriiMaterial.txt", "Sticla\n");
    actualizare.actualizeaza()->setChecked(true);
    std::atomic<int> acoperite = 0;
    NumaraProgreseSubIntrebari(p, acoperite);
    DriverModal categorie({[&](QWidget* w) {
        acoperite += ProgreseSubIntrebare();
        w->findChild<QComboBox*>("categorie")->setCurrentIndex(0);
        static_cast<QDialog*>(w)->accept();
    }});
    p.raspunde(raspuns::IDYES);
    import.actualizeazaLista();
    EXPECT_TRUE(categorie.terminat());
    EXPECT_EQ(acoperite, 0);
    EXPECT_TRUE(std::ranges::any_of(p.texte(), [](const std::string& t) { return t.ends_with("material nou?"); }));
}

TEST_F(ActualizareExcelGui, AWorkbookOfSeveralSheetsWaitsForTheChoice) {
    ScrieXls((d / "ohara.xls").string(), "Catalog",
             {{std::string("Glass"), std::string("nd")}, {std::string("S-BSL7"), 1.5163}, {std::string("S-FPL51"), 1.497}});
    ContextImportExcel c;
    c.codProducator = 3;
    ImportExcelDialog import(nullptr, c, [] { return false; });
    ASSERT_TRUE(import.deschideFisier((d / "ohara.xls").string()));
    ASSERT_GT(import.tabele()->count(), 1);
    EXPECT_EQ(import.tabele()->currentIndex(), -1);
    EXPECT_TRUE(c.coloane.empty());
    EXPECT_EQ(import.previzualizare()->columnCount(), 0);
    import.alegeTabel(import.tabele()->findText("Catalog"));
    ASSERT_EQ(import.previzualizare()->rowCount(), 2);
    EXPECT_EQ(import.previzualizare()->item(1, 1)->text(), "1.497");
}

TEST_F(ActualizareExcelGui, ConnectionInfoAskedAgainRefreshesItsWindow) {
    ConfigureazaOdbc(d.str());
    ScrieSqlite((d / "cat.db").string(), "sticle", {{std::string("nume")}, {std::string("F2")}});
    ScrieODBC_BazaDateInRegistri("OHARA_XLS", SirSqlite((d / "cat.db").string()));
    auto c = std::make_unique<ContextImportExcel>();
    c->codProducator = 3;
    ImportExcelDialog import(nullptr, *c, [] { return false; });
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
