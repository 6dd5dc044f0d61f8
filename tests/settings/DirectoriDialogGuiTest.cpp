
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "record/MaterialOptic.h"
#include "settings/DirectoriDialog.h"
#include "settings/Registri.h"
#include "settings/SettingsFixture.h"
#include "support/ModalDriver.h"
#include "support/TestDir.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct DialogDirectori : SettingsFixture {
    TestDir dir;
    std::string sticla = (dir / "STICLA").string();
    std::string help = (dir / "HELP").string();
    std::string user = (dir / "USER").string();
    std::string alt = (dir / "ALT").string();

    DialogDirectori() {
        for (const auto& d : {sticla, help, user, alt}) std::filesystem::create_directory(d);
        writeFile(std::filesystem::path(sticla) / "sticleNou32.dat", "");
        path_sticle = sticla;
        path_help = help;
        path_user = user;
        path_machine_learning = (dir / "ML").string();
    }

    static QString q(const std::string& s) { return QString::fromStdString(s); }

    // Shows the dialog as the active window, so focus changes reach the fields.
    static void arata(DirectoriDialog& d) {
        d.show();
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    }

    // Types into field `id` over its whole text, then moves the focus on.
    static void tasteaza(DirectoriDialog& d, int id, const QString& text) {
        QLineEdit* e = d.camp(id);
        e->setFocus();
        ASSERT_TRUE(e->hasFocus());
        e->selectAll();
        if (text.isEmpty())
            QTest::keyClick(e, Qt::Key_Delete);
        else
            QTest::keyClicks(e, text);
        d.camp(id == IdTextPathUser ? IdTextPathHelp : IdTextPathUser)->setFocus();
    }

    static void clic(DirectoriDialog& d, int id) {
        QPushButton* b = d.findChild<QPushButton*>(QString::number(id));
        ASSERT_NE(b, nullptr) << id;
        QTest::mouseClick(b, Qt::LeftButton);
    }
};

}  // namespace

// Every field shows its buffer; every control lies inside the dialog and no
// two of them overlap.
TEST_F(DialogDirectori, OpensOnTheBuffersWithoutOverlaps) {
    nume_fisier_sticle = "alta.dat";
    DirectoriDialog d(nullptr);
    const std::pair<int, std::string> campuri[] = {{101, user}, {102, help}, {103, sticla}, {104, "alta.dat"}};
    for (const auto& [id, valoare] : campuri) EXPECT_EQ(d.camp(id)->text(), q(valoare)) << id;
    const auto copii = d.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* a : copii) {
        EXPECT_TRUE(d.rect().contains(a->geometry())) << a->objectName().toStdString();
        for (QWidget* b : copii)
            if (a != b) {
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << a->objectName().toStdString() << " / " << b->objectName().toStdString();
            }
    }
}

TEST_F(DialogDirectori, DirectoryFieldsOnFocusLoss) {
    const struct {
        int id;
        std::string* buffer;
        bool pastreazaTextul;  // the glass field keeps a wrong text
    } campuri[] = {{101, &path_user, false}, {102, &path_help, false}, {103, &path_sticle, true}};
    for (const auto& c : campuri) {
        SCOPED_TRACE(c.id);
        const std::string anterior = *c.buffer;
        DirectoriDialog d(nullptr);
        arata(d);

        const QString gresit = q((dir / "nu_exista").string());
        tasteaza(d, c.id, gresit);
        EXPECT_EQ(*c.buffer, anterior);
        EXPECT_EQ(d.camp(c.id)->text(), c.pastreazaTextul ? gresit : q(anterior));

        tasteaza(d, c.id, "");
        EXPECT_EQ(*c.buffer, anterior);

        tasteaza(d, c.id, q(alt));
        EXPECT_EQ(*c.buffer, alt);
        EXPECT_EQ(d.camp(c.id)->text(), q(alt));
        EXPECT_TRUE(p.casete.empty());
        *c.buffer = anterior;
    }
}

TEST_F(DialogDirectori, DatabaseNameMustNameAFileOfTheGlassDirectory) {
    writeFile(std::filesystem::path(sticla) / "alta.dat", "");
    writeFile(std::filesystem::path(sticla) / "sticle_prea_lungi.dat", "");  // 21 characters
    writeFile(std::filesystem::path(alt) / "x.dat", "");
    DirectoriDialog d(nullptr);
    arata(d);

    tasteaza(d, 104, "alta.dat");
    EXPECT_EQ(nume_fisier_sticle, "alta.dat");
    EXPECT_TRUE(p.casete.empty());

    for (const QString& gresit : {QStringLiteral("lipsa.dat"), QStringLiteral("../ALT/x.dat")}) {
        SCOPED_TRACE(gresit.toStdString());
        p.casete.clear();
        tasteaza(d, 104, gresit);
        ASSERT_EQ(p.casete.size(), 1u);
        EXPECT_EQ(p.ultima().numar, 40);
        EXPECT_EQ(nume_fisier_sticle, "alta.dat");
        EXPECT_EQ(d.camp(104)->text(), "alta.dat");
    }

    p.casete.clear();
    tasteaza(d, 104, "sticle_prea_lungi.dat");
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.ultima().numar, -1);
    EXPECT_NE(p.ultima().text.find("15"), std::string::npos) << p.ultima().text;
    EXPECT_EQ(nume_fisier_sticle, "alta.dat");
    EXPECT_EQ(d.camp(104)->text(), "alta.dat");
}

TEST_F(DialogDirectori, ChosenDatabaseFileMustHoldWholeRecords) {
    const struct { const char* nume; std::size_t octeti; bool acceptat; } cazuri[] = {
        {"gol.dat", 0, true},
        {"doua.dat", 2 * MarimeMaterialOptic, true},
        {"doua_plus1.dat", 2 * MarimeMaterialOptic + 1, false},
        {"un_octet.dat", 1, false},
        {"nume_de_16_car.dat", MarimeMaterialOptic, false},  // too long for the name buffer
    };
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.nume);
        path_sticle = sticla;
        nume_fisier_sticle = NumeFisierSticleImplicit;
        p.casete.clear();
        writeFile(std::filesystem::path(alt) / c.nume, std::string(c.octeti, '\0'));
        DirectoriDialog d(nullptr);
        p.fisiereAlese.push_back(FisierAles{alt, c.nume});
        clic(d, 134);

        ASSERT_FALSE(p.cereriFisier.empty());
        EXPECT_EQ(p.cereriFisier.back().directorInitial, sticla);
        EXPECT_EQ(p.casete.size(), c.acceptat ? 0u : 1u);
        if (!c.acceptat && c.octeti % MarimeMaterialOptic != 0) {
            EXPECT_EQ(p.ultima().text, "Fisierul selectat nu contine date sticle noi");
        }
        const std::string nume = c.acceptat ? c.nume : NumeFisierSticleImplicit;
        EXPECT_EQ(nume_fisier_sticle, nume);
        EXPECT_EQ(path_sticle, c.acceptat ? alt : sticla);
        EXPECT_EQ(d.camp(104)->text(), q(nume));
    }

    // A cancelled chooser changes nothing and says nothing.
    p.casete.clear();
    DirectoriDialog d(nullptr);
    p.fisiereAlese.push_back(std::nullopt);
    clic(d, 134);
    EXPECT_TRUE(p.casete.empty());
    EXPECT_EQ(path_sticle, sticla);
}

TEST_F(DialogDirectori, DirectoryChoosers) {
    DirectoriDialog d(nullptr);
    const std::string lipsa = (dir / "nu_exista").string();

    // The user directory must be one we can change into.
    p.directoareAlese.push_back(lipsa);
    clic(d, 131);
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.ultima().numar, 9);
    EXPECT_EQ(p.ultima().style & stil::MaskIcon, stil::MB_ICONASTERISK);
    EXPECT_EQ(path_user, user);
    EXPECT_EQ(d.camp(101)->text(), q(user));

    p.directoareAlese.push_back(alt);
    clic(d, 131);
    EXPECT_EQ(path_user, alt);
    EXPECT_EQ(d.camp(101)->text(), q(alt));

    // Help and glass take the choice as it comes; a cancel keeps the old one.
    p.casete.clear();
    p.directoareAlese.push_back(alt);
    clic(d, 132);
    p.directoareAlese.push_back(std::nullopt);
    clic(d, 133);
    EXPECT_EQ(path_help, alt);
    EXPECT_EQ(d.camp(102)->text(), q(alt));
    EXPECT_EQ(path_sticle, sticla);
    EXPECT_TRUE(p.casete.empty());
    EXPECT_TRUE(p.directoareAlese.empty());
}

TEST_F(DialogDirectori, SalveazaWritesTheSettingsAndOkTakesOverTheFieldBeingTyped) {
    DirectoriDialog d(nullptr);
    arata(d);
    tasteaza(d, 103, q(alt));
    clic(d, 1025);
    EXPECT_EQ(store().citesteText(CheieDirectoare, "STICLE"), alt);
    EXPECT_EQ(store().citesteText(CheieDirectoare, "USER"), user);
    EXPECT_TRUE(store().existaCheie(CheieCulori));

    // Return ends the dialog with the focus still in the field.
    QLineEdit* e = d.camp(101);
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, q(help));
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(path_user, help);
    EXPECT_EQ(store().citesteText(CheieDirectoare, "USER"), user) << "only Salveaza writes the settings";
}

TEST_F(DialogDirectori, FirstStartOffersTheDialogOnlyWithoutAGlassDirectory) {
    CereDirectorSticlaLaPrimaPornire(nullptr);
    EXPECT_TRUE(p.casete.empty());

    path_sticle.clear();
    p.raspunde(raspuns::IDNO);
    CereDirectorSticlaLaPrimaPornire(nullptr);
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.ultima().style, stil::MB_YESNO | stil::MB_ICONQUESTION);
    EXPECT_NE(p.ultima().text.find("Directorul sticlelor nu este setat"), std::string::npos);
    EXPECT_NE(p.ultima().text.find("sticleNou32.dat"), std::string::npos);

    p.raspunde(raspuns::IDYES);
    QString titlu;
    DriverModal driver({[&titlu](QWidget* w) {
        titlu = w->windowTitle();
        auto* ok = w->findChild<QPushButton*>("1");
        ASSERT_NE(ok, nullptr);
        ok->click();
    }});
    CereDirectorSticlaLaPrimaPornire(nullptr);
    EXPECT_TRUE(driver.terminat());
    EXPECT_EQ(titlu, "Directories");
}
