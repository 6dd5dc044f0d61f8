#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <filesystem>

#include "platform/PlatformaQt.h"
#include "platform/DepozitSetari.h"
#include "suite/Vedora.h"
#include "support/ModalDriver.h"
#include "support/TestDir.h"

namespace vitramor {
namespace {

using namespace stil;
using namespace raspuns;
using test::DriverModal;
using test::TestDir;

// A platform whose settings live in a scratch INI file, so no test touches
// the user's own settings.
struct PlatformaTest {
    TestDir dir;
    PlatformaQt platforma{creazaSettingsStoreQt((dir / "KESTRA.ini").string())};
};

// What a step saw of the box it answered.
struct CasetaVazuta { QString text, titlu; QMessageBox::Icon icon = QMessageBox::NoIcon; int butoane = 0; };

// Answers the box with button b, or with Escape for NoButton.
DriverModal::Pas apasa(QMessageBox::StandardButton b, CasetaVazuta* vazut = nullptr) {
    return [b, vazut](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        if (vazut) *vazut = {box->text(), box->windowTitle(), box->icon(), static_cast<int>(box->buttons().size())};
        if (b == QMessageBox::NoButton) return QTest::keyClick(box, Qt::Key_Escape);
        QAbstractButton* buton = box->button(b);
        ASSERT_NE(buton, nullptr) << "the box has no such button";
        buton->click();
    };
}

TEST(QtPlatformMesaje, ButtonsAnswerWithWin32CodesAndIconsFollowTheStyle) {
    struct Caz {
        unsigned style;
        QMessageBox::StandardButton apasat;  // NoButton: Escape
        int asteptat;
        int butoane;
        QMessageBox::Icon icon;
    };
    const Caz cazuri[] = {
        {MB_OK, QMessageBox::Ok, IDOK, 1, QMessageBox::NoIcon},
        {MB_OK | MB_ICONHAND, QMessageBox::NoButton, IDOK, 1, QMessageBox::Critical},
        {MB_OKCANCEL | MB_ICONASTERISK, QMessageBox::Ok, IDOK, 2, QMessageBox::Information},
        {MB_OKCANCEL, QMessageBox::Cancel, IDCANCEL, 2, QMessageBox::NoIcon},
        {MB_YESNO | MB_ICONQUESTION, QMessageBox::Yes, IDYES, 2, QMessageBox::Question},
        {MB_YESNO | MB_ICONEXCLAMATION, QMessageBox::NoButton, IDNO, 2, QMessageBox::Warning},
        {MB_YESNOCANCEL, QMessageBox::No, IDNO, 3, QMessageBox::NoIcon},
        {MB_YESNOCANCEL, QMessageBox::NoButton, IDCANCEL, 3, QMessageBox::NoIcon},
    };
    PlatformaTest t;
    for (const Caz& c : cazuri) {
        SCOPED_TRACE("style " + std::to_string(c.style) + " button " + std::to_string(c.apasat));
        CasetaVazuta vazut;
        DriverModal d({apasa(c.apasat, &vazut)});
        // Markup in a text is shown as typed.
        EXPECT_EQ(t.platforma.messageBox(nullptr, "<b>N-BK7</b> & F2 ?", "ATENTIE!", c.style), c.asteptat);
        EXPECT_TRUE(d.terminat());
        EXPECT_EQ(vazut.butoane, c.butoane);
        EXPECT_EQ(vazut.icon, c.icon);
        EXPECT_EQ(vazut.text, QStringLiteral("<b>N-BK7</b> & F2 ?"));
        EXPECT_EQ(vazut.titlu, QStringLiteral("ATENTIE!"));
    }

    // A numbered message is captioned with its number.
    PlatformaInstalata guard(t.platforma);
    CasetaVazuta vazut;
    DriverModal d({apasa(QMessageBox::Yes, &vazut)});
    EXPECT_EQ(eroare("", nullptr, MB_YESNO | MB_ICONQUESTION, 23), IDYES);
    EXPECT_EQ(vazut.titlu, QStringLiteral("VITRAMOR - mesaj 23"));
}

TEST(QtPlatformCursor, OnlyTheCursorsItSetAreTakenBack) {
    PlatformaTest t;
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    QApplication::setOverrideCursor(Qt::CrossCursor);  // somebody else's
    t.platforma.cursorAsteptare(false);                 // unmatched: ignored
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);

    t.platforma.cursorAsteptare(true);
    t.platforma.cursorAsteptare(true);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    t.platforma.cursorAsteptare(false);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    t.platforma.cursorAsteptare(false);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtPlatformChoosers, FilterTextNamesItsPatternsOnce) {
    EXPECT_EQ(filtruQt({"Fisier text", {"*.txt"}}), "Fisier text (*.txt)");
    EXPECT_EQ(filtruQt({"Excel", {"*.xls", "*.xlsx"}}), "Excel (*.xls *.xlsx)");
    EXPECT_EQ(filtruQt({"Toate fisierele", {}}), "Toate fisierele (*)");
    EXPECT_EQ(filtruQt({"", {"*.dat"}}), "*.dat");
}

DriverModal::Pas alegeInDialog(const QString& cale) {
    return [cale](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        d->selectFile(cale);
        static_cast<QDialog*>(d)->accept();  // runs the file dialog's own checks
    };
}

TEST(QtPlatformChoosers, ChoosersGiveDirectoryAndNameApartAndSaveAddsTheDefaultExtension) {
    PlatformaTest t;
    t.dir.write("SticleNou32.dat", "");
    CerereAlegereFisier c;
    c.titlu = "Salveaza mesaje";
    c.directorInitial = t.dir.str();
    c.extensieImplicita = "txt";
    c.filtre = {{"Fisier text (*.txt)", {"*.txt"}}};
    const QString director = QString::fromStdString(t.dir.str());
    {
        DriverModal d({alegeInDialog(director + QStringLiteral("/message"))});
        const auto ales = t.platforma.alegeFisierSalvare(nullptr, c);
        ASSERT_TRUE(ales.has_value());
        EXPECT_EQ(std::filesystem::path(ales->director), t.dir.path());
        EXPECT_EQ(ales->nume, "message.txt");
    }
    {
        DriverModal d({[](QWidget* w) { static_cast<QDialog*>(w)->reject(); }});
        EXPECT_FALSE(t.platforma.alegeFisierSalvare(nullptr, c).has_value());
        EXPECT_TRUE(d.terminat());
    }
    c.filtre = {{"Fisier cu materiale optice (*.dat)", {"*.dat"}}};
    DriverModal d({alegeInDialog(director + QStringLiteral("/SticleNou32.dat"))});
    const auto ales = t.platforma.alegeFisierDeschidere(nullptr, c);
    ASSERT_TRUE(ales.has_value());
    EXPECT_EQ(std::filesystem::path(ales->director), t.dir.path());
    EXPECT_EQ(ales->nume, "SticleNou32.dat");
}

TEST(QtPlatformShell, ProgramStartsDetachedInTheWorkingDirectoryAndFailuresGiveTheShellCodes) {
    PlatformaTest t;
    t.dir.write("scrie.sh", "#!/bin/sh\nprintf '%s|%s' \"$1\" \"$2\" > semn.tmp\nmv semn.tmp semn.txt\n");
    const std::filesystem::path program = t.dir / "scrie.sh";
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    std::filesystem::create_directory(t.dir / "lucru");
    const std::string lucru = (t.dir / "lucru").string();

    EXPECT_GT(t.platforma.deschideDocument(program.string(), "\"Sticle noi.json\" 2", lucru), 32);
    QElapsedTimer ceas;
    ceas.start();
    while (!std::filesystem::exists(t.dir / "lucru" / "semn.txt") && ceas.elapsed() < 10000) QTest::qWait(20);
    ASSERT_TRUE(std::filesystem::exists(t.dir / "lucru" / "semn.txt"));
    EXPECT_EQ(test::readFile(t.dir / "lucru" / "semn.txt"), "Sticle noi.json|2");

    // A missing file or path, or a working directory that does not exist, give the shell's codes.
    EXPECT_EQ(t.platforma.deschideDocument(program.string(), "", (t.dir / "lipsa").string()), 3);
    EXPECT_EQ(t.platforma.deschideDocument("nu_exista.txt", "", t.dir.str()), 2);
    EXPECT_EQ(t.platforma.deschideDocument((t.dir / "lipsa" / "x.pdf").string(), "", ""), 3);
    EXPECT_EQ(t.platforma.deschideDocument("", "", ""), 2);
}

TEST(QtPlatformSetari, ValuesWrittenByOneStoreAreReadByAnotherOnTheSameFile) {
    TestDir dir;
    const std::string ini = (dir / "KESTRA.ini").string();
    const std::string cheie = "Software\\KESTRA\\VITRAMOR\\DIRECTORI";
    const std::vector<std::uint8_t> binar{0x00, 0xFF, 0x0A, 0x0D, 0x3D, 0x5C, 0x22, 0x80};
    {
        auto s = creazaSettingsStoreQt(ini);
        EXPECT_TRUE(s->scrieText(cheie, "STICLE", "C:\\Sticle noi\\a=b;c"));
        EXPECT_TRUE(s->scrieText(cheie, "GOL", ""));
        EXPECT_TRUE(s->scrieIntreg(cheie, "Dx", -8));
        EXPECT_TRUE(s->scrieIntreg(cheie, "Mare", 2147483647));
        EXPECT_TRUE(s->scrieBinar(cheie, "Culori", binar));
    }
    auto s = creazaSettingsStoreQt(ini);
    EXPECT_EQ(s->citesteText(cheie, "STICLE"), std::optional<std::string>("C:\\Sticle noi\\a=b;c"));
    EXPECT_EQ(s->citesteText(cheie, "GOL"), std::optional<std::string>(""));
    EXPECT_EQ(s->citesteIntreg(cheie, "Dx"), std::optional<std::int32_t>(-8));
    EXPECT_EQ(s->citesteIntreg(cheie, "Mare"), std::optional<std::int32_t>(2147483647));
    EXPECT_EQ(s->citesteBinar(cheie, "Culori"), std::optional<std::vector<std::uint8_t>>(binar));

    EXPECT_FALSE(s->citesteText(cheie, "HELP").has_value());
    EXPECT_FALSE(s->citesteIntreg(cheie, "Dy").has_value());
    EXPECT_FALSE(s->citesteBinar("Software\\KESTRA\\VITRAMOR\\ALTA", "Culori").has_value());

    EXPECT_TRUE(s->existaCheie(cheie));
    EXPECT_TRUE(s->existaCheie("Software\\KESTRA\\VITRAMOR"));
    EXPECT_FALSE(s->existaCheie("Software\\KESTRA\\VITRAMOR\\FERESTRE"));
    EXPECT_TRUE(s->creazaCheie("Software\\KESTRA\\VITRAMOR\\FERESTRE"));
    EXPECT_TRUE(creazaSettingsStoreQt(ini)->existaCheie("Software\\KESTRA\\VITRAMOR\\FERESTRE"));
}

}  // namespace
}  // namespace vitramor
