// The two import dialogs driven offscreen on files of a scratch glass
// directory. Nothing is read before a dialog is on screen, so whatever the
// reading reports stands over it.

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <filesystem>

#include "database/DialogControls.h"
#include "database/GlassDirFixture.h"
#include "import/text/ImportCatalogTextDialog.h"
#include "import/bazadate/ImportSticleDialog.h"
#include "support/PauzaBucla.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using ImportDialogs = GlassDirFixture;

void Arata(QWidget& w) {
    w.show();
    QCoreApplication::processEvents();
}

TEST_F(ImportDialogs, TextCatalogueListsAndImportsTheSelection) {
    std::filesystem::create_directory(d / "ohara");
    d.write("ohara/ohara_eco.txt", "h1\nh2\n1\tS-BAL2\t57095\n2\tS-BSL7\t51633\n3\tS-FPL51\t49700\n");
    SetLucru set;
    set.materiale = {namedRecord("Gol0")};
    int actualizari = 0;
    ImportCatalogTextDialog dialog(nullptr, 3, [&] { ++actualizari; }, set);
    EXPECT_EQ(Control<QLineEdit>(dialog, 102)->text().toStdString(), (d / "ohara" / "ohara_eco.txt").string());
    QListWidget* lista = Control<QListWidget>(dialog, 1066);
    EXPECT_EQ(lista->count(), 0);
    Arata(dialog);
    ASSERT_EQ(lista->count(), 3);
    EXPECT_EQ(lista->item(1)->text(), "S-BSL7\t1.51633");
    EXPECT_FALSE(Control<QPushButton>(dialog, 1025)->isEnabled());
    lista->item(2)->setSelected(true);
    lista->item(0)->setSelected(true);
    ASSERT_TRUE(Control<QPushButton>(dialog, 1025)->isEnabled());
    Control<QPushButton>(dialog, 1025)->click();
    EXPECT_EQ(actualizari, 1);
    EXPECT_STREQ(set.curent().nume, "S-FPL51");
    EXPECT_EQ(db().size(), 2 * MarimeMaterialOptic);
    EXPECT_FALSE(Control<QPushButton>(dialog, 1025)->isEnabled());
}

// A 5,000-glass import runs off the window's thread: the event loop is served
// while it works, and every glass is stored.
TEST_F(ImportDialogs, AManyGlassImportKeepsTheWindowResponsive) {
    std::filesystem::create_directory(d / "ohara");
    std::string text = "h1\nh2\n";
    for (int i = 0; i < 5000; ++i) text += std::to_string(i + 1) + "\tG" + std::to_string(i) + "\t51633\n";
    d.write("ohara/ohara_eco.txt", text);
    SetLucru set;
    set.materiale = {namedRecord("Gol0")};
    ImportCatalogTextDialog dialog(nullptr, 3, {}, set);
    Arata(dialog);
    QListWidget* lista = Control<QListWidget>(dialog, 1066);
    ASSERT_EQ(lista->count(), 5000);
    lista->selectAll();
    const PauzaMaximaBucla pauza;
    Control<QPushButton>(dialog, 1025)->click();
    EXPECT_EQ(db().size(), 5000 * MarimeMaterialOptic);
    EXPECT_GT(pauza.batai(), 0);
}

TEST_F(ImportDialogs, DatabaseImportListsBothFiles) {
    writeDb(databaseOf({namedRecord("KEEP")}));
    ImportSticleDialog dialog(nullptr);
    EXPECT_EQ(Control<QLineEdit>(dialog, 101)->text(), "Selectati fisier import");
    EXPECT_EQ(Control<QListWidget>(dialog, 106)->count(), 0);
    Arata(dialog);
    EXPECT_EQ(Control<QListWidget>(dialog, 106)->count(), 1);
    EXPECT_EQ(Control<QListWidget>(dialog, 105)->count(), 0);
    EXPECT_FALSE(Control<QPushButton>(dialog, 107)->isEnabled());

    std::filesystem::create_directory(d / "alt");
    writeFile(d / "alt" / "a.dat", databaseOf({namedRecord("A"), namedRecord("B")}));
    p.fisiereAlese.push_back(FisierAles{(d / "alt").string(), "a.dat"});
    Control<QPushButton>(dialog, 102)->click();
    QListWidget* sursa = Control<QListWidget>(dialog, 105);
    ASSERT_EQ(sursa->count(), 2);
    sursa->item(1)->setSelected(true);
    Control<QPushButton>(dialog, 107)->click();
    EXPECT_EQ(Control<QListWidget>(dialog, 106)->count(), 2);
    EXPECT_EQ(db(), databaseOf({namedRecord("KEEP"), namedRecord("B")}));
}

}  // namespace
