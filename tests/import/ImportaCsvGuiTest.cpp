#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "fileutil/AlegereFisier.h"
#include "import/csv/CaleCsv.h"
#include "import/csv/ImportaCsvDialog.h"
#include "support/PlatformaScriptata.h"
#include "settings/Directoare.h"
#include "support/ModalDriver.h"
#include "support/TestDir.h"
#include "database/CatalogMateriale.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct CsvDialog : ::testing::Test {
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    TestDir d;
    std::string vechi = path_sticle;

    CsvDialog() {
        path_sticle = d.str();
        std::filesystem::create_directory(d / "Schott");
        writeFile(d / "Schott" / "N-BK7.csv", "nume;nd\nN-BK7;1.5168\n");
    }
    ~CsvDialog() override { path_sticle = vechi; }

    static void tasteaza(QLineEdit* camp, const std::string& text) {
        camp->selectAll();
        QTest::keyClicks(camp, QString::fromStdString(text));
        QFocusEvent iesire(QEvent::FocusOut);
        QApplication::sendEvent(camp, &iesire);
    }
};

}  // namespace

TEST_F(CsvDialog, OpensOnSchottWithItsFolder) {
    ImportaCsvDialog dialog(nullptr);
    ASSERT_TRUE(dialog.pregatit());
    EXPECT_EQ(dialog.producatori()->count(), 15);  // no producer table: the built-in names
    EXPECT_EQ(dialog.producatori()->currentIndex(), 2);
    EXPECT_EQ(dialog.campCale()->text().toStdString(), d.str() + "/Schott/*.csv");
    // A producer without a folder leaves the user in the glass directory.
    dialog.producatori()->setCurrentIndex(10);
    EXPECT_EQ(dialog.cale(), d.str() + "/*.csv");
    // Every text shows whole at the default font.
    dialog.show();
    for (QLabel* l : dialog.findChildren<QLabel*>()) {
        const QSize trebuie = l->wordWrap() ? QSize(0, l->heightForWidth(l->width())) : l->sizeHint();
        EXPECT_GE(l->width(), trebuie.width()) << l->text().toStdString();
        EXPECT_GE(l->height(), trebuie.height()) << l->text().toStdString();
    }
    // A pattern is no file to update from: said here, no second window.
    dialog.findChild<QPushButton*>("1099")->click();
    EXPECT_EQ(p.ultima().text, "Alegeti intai fisierul *.csv de actualizat.");
    p.casete.clear();

    // A producer table that is there but cannot be read keeps the dialog shut; the library said why.
    std::filesystem::create_directory(d / NumeFisierProducatori);
    EXPECT_FALSE(ImportaCsvDialog(nullptr).pregatit());
    EXPECT_FALSE(p.casete.empty());
}

TEST_F(CsvDialog, ChooserTakesTheProducerFolder) {
    ImportaCsvDialog dialog(nullptr);
    dialog.show();
    p.fisiereAlese.push_back(std::nullopt);
    QTest::mouseClick(dialog.findChild<QPushButton*>("1122"), Qt::LeftButton);
    EXPECT_EQ(dialog.cale(), d.str() + "/Schott/*.csv");
    ASSERT_EQ(p.cereriFisier.size(), 1u);
    EXPECT_EQ(p.cereriFisier[0].directorInitial, d.str() + "/Schott");
    EXPECT_EQ(p.cereriFisier[0].numeInitial, "*.csv");
    EXPECT_EQ(p.cereriFisier[0].filtre.at(0).descriere, "CSV (*.csv)");

    p.fisiereAlese.push_back(FisierAles{d.str() + "/Schott", "N-BK7.csv"});
    QTest::mouseClick(dialog.findChild<QPushButton*>("1122"), Qt::LeftButton);
    EXPECT_EQ(dialog.campCale()->text().toStdString(), d.str() + "/Schott/N-BK7.csv");
    EXPECT_EQ(dialog.cale(), d.str() + "/Schott/N-BK7.csv");
    EXPECT_TRUE(p.casete.empty());
    EXPECT_EQ(UltimulDirectorAles(tipfisier::Csv), d.str() + "/Schott");
}

// The folder last chosen from while it is there, then the producer's, the
// glass directory's, and at the end some folder that exists.
TEST_F(CsvDialog, StartsOnlyInAFolderThatExists) {
    std::filesystem::create_directory(d / "alt");
    TineMinteDirectorAles(tipfisier::Csv, (d / "alt").string());
    EXPECT_EQ(ImportaCsvDialog(nullptr).cale(), d.str() + "/alt/*.csv");
    std::filesystem::remove(d / "alt");
    EXPECT_EQ(ImportaCsvDialog(nullptr).cale(), d.str() + "/Schott/*.csv");
    path_sticle = (d / "lipsa").string();
    const std::filesystem::path cale = ImportaCsvDialog(nullptr).cale();
    EXPECT_EQ(cale.filename(), "*.csv");
    EXPECT_TRUE(std::filesystem::is_directory(cale.parent_path())) << cale;
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(CsvDialog, TypedPathIsCheckedWhenTheFieldIsLeft) {
    ImportaCsvDialog dialog(nullptr);
    dialog.show();
    tasteaza(dialog.campCale(), d.str() + "/Schott/lipsa.csv");
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.ultima().numar, 40);
    EXPECT_EQ(dialog.campCale()->text().toStdString(), d.str() + "/Schott/*.csv");
    EXPECT_EQ(dialog.cale(), d.str() + "/Schott/*.csv");

    tasteaza(dialog.campCale(), "Schott/N-BK7.csv");
    EXPECT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(dialog.cale(), d.str() + "/Schott/N-BK7.csv");

    // Leaving the field without typing checks nothing.
    QFocusEvent iesire(QEvent::FocusOut);
    std::filesystem::remove(d / "Schott" / "N-BK7.csv");
    QApplication::sendEvent(dialog.campCale(), &iesire);
    EXPECT_EQ(p.casete.size(), 1u);
}

TEST_F(CsvDialog, AssociationOpensEmptyAndOnlyOkCloses) {
    ImportaCsvDialog dialog(nullptr);
    dialog.show();
    bool inchisaCuCancel = true;
    int rezultat = -1;
    DriverModal driver({[&](QWidget* w) {
        ASSERT_EQ(w->objectName(), "129");
        auto* asociere = static_cast<QDialog*>(w);
        QTest::mouseClick(w->findChild<QPushButton*>("2"), Qt::LeftButton);
        inchisaCuCancel = !w->isVisible();
        QObject::connect(asociere, &QDialog::finished, [&](int r) { rezultat = r; });
        QTest::mouseClick(w->findChild<QPushButton*>("1"), Qt::LeftButton);
    }});
    QTest::mouseClick(dialog.findChild<QPushButton*>("1084"), Qt::LeftButton);
    EXPECT_TRUE(driver.terminat());
    EXPECT_FALSE(inchisaCuCancel);
    EXPECT_EQ(rezultat, 1);
    EXPECT_TRUE(p.casete.empty());
}

