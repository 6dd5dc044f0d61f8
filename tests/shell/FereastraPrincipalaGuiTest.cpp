#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cstring>
#include <regex>

#include "settings/Registri.h"
#include "shell/ShellHelpers.h"
#include "support/ModalDriver.h"
#include "support/RecordImage.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

// The commands that need an open material, and the ones that never depend
// on the working set, as the menu's users know them.
const int cuMaterial[] = {40099, 40002, 40003, 40004, 40005, 40028, 40043, 40071, 40024, 40069, 40034,
                          40029, 40086, 40084, 40008, 40009, 40010, 40011, 40012, 40013, 40027, 40014,
                          40047, 40016, 40017, 40018, 40019, 40020, 40062, 40037, 40039, 40052, 40054};
const int mereu[] = {40001, 40060, 40078, 40098, 40080, 40092, 40094, 40088, 40090, 40032, 40074, 40007,
                     40045, 40041, 40076, 40058, 40064, 40067, 40096, 40015};

using Shell = MainWindowTest;

}  // namespace

TEST_F(Shell, MenuCarriesEveryCommandByIdWithItsExactText) {
    EXPECT_EQ(w.windowTitle(), "VITRAMOR V3.0");
    EXPECT_EQ(w.property("clasaFereastra").toString(), "SticlaWndClass");
    EXPECT_EQ(w.lista()->objectName(), "1066");
    std::vector<int> toate(std::begin(cuMaterial), std::end(cuMaterial));
    toate.insert(toate.end(), std::begin(mereu), std::end(mereu));
    for (int id : toate) EXPECT_EQ(w.actiune(id) ? w.actiune(id)->data().toInt() : 0, id);
    EXPECT_EQ(w.findChild<QAction*>("40071")->text(), "Curata materiale  in SticleNou32.dat...");
    EXPECT_EQ(w.findChild<QAction*>("40099")->text(), "Creaza material nou copiat....");
    EXPECT_EQ(w.findChild<QAction*>("40098")->text(),
              "Verifica domeniu spectral valabilitate ec. dispersie din indici...");

    // The text-catalogue ids have actions but no menu item.
    for (int id : {40037, 40039, 40052, 40054})
        for (QMenu* m : w.findChildren<QMenu*>()) EXPECT_FALSE(m->actions().contains(w.actiune(id))) << id;
    const QMenu* file = w.findChild<QMenu*>("&File");
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->actions().contains(w.actiune(40007)));
}

TEST_F(Shell, TenMaterialsAtMostThenCreateAndCopyOnlyBeep) {
    for (int i = 0; i < 10; ++i) alege(40001);
    ASSERT_EQ(setLucru().numarMateriale(), 10);
    EXPECT_EQ(randuri(), QStringList({"Gol0", "Gol1", "Gol2", "Gol3", "Gol4", "Gol5", "Gol6", "Gol7", "Gol8", "Gol9"}));
    EXPECT_EQ(setLucru().materialCurent, 9);
    EXPECT_EQ(w.lista()->currentRow(), 9);
    // Zero-filled apart from the name, standard 2 and producer 2.
    MaterialOptic asteptat = RecordImage().text(22, "Gol4").u16(2, 2).u16(4, 2).record();
    EXPECT_EQ(std::memcmp(&setLucru().materiale[4], &asteptat, sizeof asteptat), 0);
    EXPECT_EQ(p.beepuri, 0);

    alege(40001);
    alege(40099);
    EXPECT_EQ(p.beepuri, 2);
    EXPECT_EQ(setLucru().numarMateriale(), 10);
    EXPECT_EQ(w.lista()->count(), 10);
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(Shell, CopyThenCloseFollowsTheEnablingRules) {
    for (int id : cuMaterial) EXPECT_FALSE(activa(id)) << id;

    alege(40001);
    setLucru().curent().densitate = 2.51f;
    for (int id : cuMaterial) EXPECT_TRUE(activa(id)) << id;
    EXPECT_FALSE(activa(40049));
    EXPECT_FALSE(activa(40057));

    alege(40099);
    ASSERT_EQ(setLucru().numarMateriale(), 2);
    EXPECT_EQ(std::memcmp(&setLucru().materiale[0], &setLucru().materiale[1], sizeof(MaterialOptic)), 0);
    EXPECT_EQ(randuri(), QStringList({"Gol0", "Gol0"}));
    // The copy is current, the row shown is the first of that name.
    EXPECT_EQ(setLucru().materialCurent, 1);
    EXPECT_EQ(w.lista()->currentRow(), 0);
    // Clicking the row shown selected makes the original current again.
    w.show();
    QWidget* rows = w.lista()->viewport();
    QTest::mouseClick(rows, Qt::LeftButton, {}, w.lista()->visualItemRect(w.lista()->item(0)).center());
    EXPECT_EQ(setLucru().materialCurent, 0);
    setLucru().materialCurent = 1;
    EXPECT_TRUE(activa(40049));
    EXPECT_TRUE(activa(40057));

    p.raspunde({raspuns::IDYES, raspuns::IDYES});
    alege(40002);
    EXPECT_EQ(p.ultima().text, "Distrugeti materialul curent Gol0 ?");
    EXPECT_EQ(p.ultima().style, stil::MB_YESNO);
    EXPECT_EQ(setLucru().numarMateriale(), 1);
    EXPECT_FALSE(activa(40049));

    alege(40002);
    EXPECT_TRUE(setLucru().gol());
    EXPECT_EQ(w.lista()->count(), 0);
    for (int id : cuMaterial) EXPECT_FALSE(activa(id)) << id;
    for (int id : mereu) EXPECT_TRUE(activa(id)) << id;
}

TEST_F(Shell, ClosingAMiddleMaterialKeepsRowsAndRecordsInStep) {
    for (int i = 0; i < 3; ++i) alege(40001);
    std::strcpy(setLucru().materiale[0].nume, "BK7G18");
    std::strcpy(setLucru().materiale[1].nume, "BK7");
    w.reumpleLista();
    setLucru().materialCurent = 1;

    p.raspunde(raspuns::IDNO);
    alege(40002);
    EXPECT_EQ(setLucru().numarMateriale(), 3);

    p.raspunde(raspuns::IDYES);
    alege(40002);
    // The row that went is BK7's, even though BK7G18 begins with its name.
    EXPECT_EQ(randuri(), QStringList({"BK7G18", "Gol2"}));
    EXPECT_EQ(std::string(setLucru().materiale[1].nume), "Gol2");
    EXPECT_EQ(setLucru().materialCurent, 1);
    EXPECT_EQ(w.lista()->currentRow(), 0);

    // A row chosen by the user makes its record current.
    setLucru().materialCurent = 0;
    w.lista()->setCurrentRow(1);
    EXPECT_EQ(setLucru().materialCurent, 1);
}

TEST_F(Shell, SavingAnUnmodifiedMaterialAsksFirst) {
    alege(40001);
    setLucru().modificat = 0;
    p.raspunde(raspuns::IDNO);
    alege(40004);
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.ultima().numar, 23);
    EXPECT_EQ(p.ultima().style, 36u);
    EXPECT_FALSE(d.exists("sticleNou32.dat"));

    p.raspunde(raspuns::IDYES);
    alege(40004);
    EXPECT_EQ(p.ultima().numar, 21);
    const std::string db = d.read("sticleNou32.dat");
    ASSERT_EQ(db.size(), 2128u);
    EXPECT_EQ(db.substr(22, 5), std::string("Gol0\0", 5));

    // A modified material is saved without a question, and is no longer modified.
    p.casete.clear();
    setLucru().modificat = 1;
    alege(40004);
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.ultima().numar, 21);
    EXPECT_EQ(setLucru().modificat, 0);
    EXPECT_EQ(d.read("sticleNou32.dat").size(), 2128u);
}

TEST_F(Shell, DeletingTheCurrentMaterialFromTheDatabase) {
    d.write("sticleNou32.dat", databaseOf({namedRecord("BK7", 2), namedRecord("F2", 2), namedRecord("BK7", 3)}));
    alege(40001);
    std::strcpy(setLucru().curent().nume, "BK7");
    w.reumpleLista();
    setLucru().modificat = 1;

    p.raspunde(raspuns::IDNO);
    alege(40028);
    EXPECT_EQ(p.ultima().text, "Stergeti toate materialele cu numele BK7 ?");
    EXPECT_EQ(p.ultima().style, 36u);
    EXPECT_EQ(d.read("sticleNou32.dat").size(), 3 * 2128u);
    EXPECT_EQ(setLucru().modificat, 1);

    p.raspunde(raspuns::IDYES);
    alege(40005);
    EXPECT_EQ(p.casete[1].text, "Stergeti materialul BK7 ?");
    EXPECT_EQ(d.read("sticleNou32.dat"), databaseOf({namedRecord("F2", 2), namedRecord("BK7", 3)}));
    EXPECT_EQ(setLucru().modificat, 0);
    // The material stays open.
    EXPECT_EQ(randuri(), QStringList({"BK7"}));
}

TEST_F(Shell, CommandsNotBuiltYetShowMessageZeroAndNoActionIdsStaySilent) {
    alege(40001);
    for (int id : {40016, 40017, 40018}) {
        p.casete.clear();
        alege(id);
        ASSERT_EQ(p.casete.size(), 1u) << id;
        EXPECT_EQ(p.ultima().numar, 0) << id;
        EXPECT_EQ(p.ultima().style, 48u) << id;
    }
    p.casete.clear();
    for (int id : {40092, 40094, 40088, 40090, 40076, 40067}) alege(id);
    EXPECT_TRUE(p.casete.empty());

    alege(40074);
    EXPECT_TRUE(std::regex_match(p.ultima().text, std::regex("Dx = -?[0-9]+  Dy = -?[0-9]+")));
    EXPECT_EQ(p.ultima().caption, "");
}

TEST_F(Shell, LoadAsksForTheNameThenTheChooserLoadsIntoTheCurrentRow) {
    d.write("sticleNou32.dat", databaseOf({namedRecord("F2", 6), namedRecord("N-BK7", 2)}));
    alege(40001);
    alege(40001);
    std::memset(setLucru().curent().nume, 0, 16);
    setLucru().curent().producator = 3;

    // The name dialog shows "*" for an empty name; Anuleaza loads nothing.
    QString aratat;
    {
        DriverModal drv({[&](QWidget* dlg) {
            aratat = dlg->findChild<QLineEdit*>("101")->text();
            dlg->findChild<QPushButton*>("2")->click();
        }});
        alege(40003);
        EXPECT_TRUE(drv.terminat());
    }
    EXPECT_EQ(aratat, "*");
    EXPECT_EQ(std::string(setLucru().curent().nume), "*");
    EXPECT_EQ(setLucru().curent().producator, 0);
    EXPECT_TRUE(p.casete.empty());

    // A typed name goes into the record; the chooser picks N-BK7 and the
    // row of the current material shows it in place.
    {
        DriverModal drv({[](QWidget* dlg) {
                             auto* camp = dlg->findChild<QLineEdit*>("101");
                             camp->setFocus();
                             camp->selectAll();
                             QTest::keyClicks(camp, "N-*");
                             dlg->findChild<QPushButton*>("1")->click();
                         },
                         [](QWidget* chooser) {
                             auto* lista = chooser->findChild<QListWidget*>("lista");
                             ASSERT_NE(lista, nullptr);
                             ASSERT_EQ(lista->count(), 1);
                             lista->setCurrentRow(0);
                             static_cast<QDialog*>(chooser)->accept();
                         }});
        alege(40003);
        EXPECT_TRUE(drv.terminat());
    }
    EXPECT_TRUE(p.casete.empty());
    EXPECT_EQ(std::string(setLucru().curent().nume), "N-BK7");
    EXPECT_EQ(setLucru().materialCurent, 1);
    EXPECT_EQ(randuri(), QStringList({"Gol0", "N-BK7"}));
    EXPECT_EQ(w.lista()->currentRow(), 1);

    // Cancelling the chooser is a failed load: the row stays.
    {
        DriverModal drv({[](QWidget* dlg) { dlg->findChild<QPushButton*>("1")->click(); },
                         [](QWidget* chooser) { static_cast<QDialog*>(chooser)->reject(); }});
        alege(40003);
    }
    EXPECT_EQ(p.ultima().text, "eroare cautare material");
    EXPECT_EQ(randuri(), QStringList({"Gol0", "N-BK7"}));
}

TEST_F(Shell, NoToTheCloseQuestionKeepsEverything) {
    w.show();
    alege(40001);
    setLucru().modificat = 1;
    QSignalSpy terminata(&w, &FereastraPrincipala::terminata);

    p.raspunde(raspuns::IDNO);
    alege(40007);  // posted: nothing is asked until the loop runs
    EXPECT_TRUE(p.casete.empty());
    QTest::qWait(20);
    EXPECT_EQ(p.ultima().text, "Inchideti aplicatia VITRAMOR ?");
    EXPECT_EQ(p.ultima().caption, "VITRAMOR V3.0");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(setLucru().numarMateriale(), 1);
    EXPECT_EQ(setLucru().modificat, 1);
    EXPECT_EQ(terminata.count(), 0);

    // Yes writes the settings and frees the working set.
    path_user = "/u";
    p.raspunde(raspuns::IDYES);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(terminata.count(), 1);
    EXPECT_TRUE(setLucru().gol());
    EXPECT_EQ(p.setari().citesteText(CheieDirectoare, "USER"), std::optional<std::string>("/u"));
    path_user.clear();
}

TEST_F(Shell, StartUpWarnsAboutASmallScreenAndLeavesDirectoriesEmptyOnAFirstStart) {
    // Offscreen screens are smaller than 1280 x 1024.
    p.raspunde(raspuns::IDNO);
    path_sticle.clear();
    EXPECT_TRUE(w.initializeaza());
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.ultima().numar, 336);
    EXPECT_EQ(p.ultima().style, 52u);
    EXPECT_EQ(path_sticle, "");
}
