#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QDialog>
#include <QPointer>
#include <QTableView>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <cstring>
#include <filesystem>
#include "shell/ComenziMeniu.h"

#include "explorare/CatalogSticleWidget.h"
#include "checks/VerificariDispersieUi.h"
#include "editors/MecanicWindow.h"
#include "import/SchottTestData.h"
#include "platform/FerestreMaterialUi.h"
#include "settings/Registri.h"
#include "shell/PanouCatalog.h"
#include "shell/ShellHelpers.h"
#include "shell/TexteButoane.h"
#include "suite/FereastraText.h"
#include "support/ModalDriver.h"
#include "support/ProgresSubIntrebari.h"
#include "database/ConversieSticle32.h"
#include "support/RecordImage.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

// The commands that need an open material, and the ones that never depend
// on the working set, as the menu's users know them.
const int cuMaterial[] = {40099, 40002, 40004, 40005, 40028, 40043, 40071, 40024, 40069, 40034,
                          40029, 40086, 40084, 40008, 40009, 40010, 40011, 40012, 40013, 40027, 40014,
                          40047, 40016, 40067, 40017, 40019, 40020, 40062, 40036, 40037, 40039, 40052, 40054, 40076};
const int mereu[] = {40001, 40003, 40060, 40078, 40098, 40080, 40032, 40007, 40045, 40058, 40064, 40096, 40015};

class Shell : public MainWindowTest {
protected:
    // Name dialog: types `nume` and presses OK, or Anuleaza when `nume` is null.
    // Chooser: takes its first row, or is closed when `alegeRand` is false.
    void incarca(const char* nume, bool alegeRand = true) {
        std::deque<DriverModal::Pas> pasi{[nume](QWidget* dlg) {
            auto* camp = dlg->findChild<QLineEdit*>("101");
            if (!nume) return dlg->findChild<QPushButton*>("2")->click();
            camp->setFocus();
            camp->selectAll();
            camp->insert(QString::fromUtf8(nume));  // typed or pasted
            dlg->findChild<QPushButton*>("1")->click();
        }};
        if (nume)
            pasi.push_back([alegeRand](QWidget* chooser) {
                auto* lista = chooser->findChild<QTreeWidget*>("lista");
                if (alegeRand && lista->topLevelItemCount() > 0) lista->setCurrentItem(lista->topLevelItem(0));
                alegeRand ? static_cast<QDialog*>(chooser)->accept() : static_cast<QDialog*>(chooser)->reject();
            });
        DriverModal drv(std::move(pasi));
        alege(40003);
        EXPECT_TRUE(drv.terminat());
    }
};

}  // namespace

TEST_F(Shell, MenuCarriesEveryCommandByIdWithItsMnemonicsAndShortcuts) {
    EXPECT_EQ(w.windowTitle(), "VITRAMOR V" VITRAMOR_VERSIUNE);
    EXPECT_EQ(w.lista()->objectName(), "1066");
    std::vector<int> toate(std::begin(cuMaterial), std::end(cuMaterial));
    toate.insert(toate.end(), std::begin(mereu), std::end(mereu));
    for (int id : toate) EXPECT_EQ(w.actiune(id) ? w.actiune(id)->data().toInt() : 0, id);

    // No two items of a menu share a mnemonic (an item whose letters are
    // all taken has none); the usual shortcuts are there.
    int cuMnemonica = 0;
    for (QMenu* m : w.findChildren<QMenu*>()) {
        QSet<QChar> litere;
        for (QAction* a : m->actions()) {
            const QString t = a->text();
            if (a->isSeparator() || !t.contains(QLatin1Char('&'))) continue;
            EXPECT_FALSE(litere.contains(t[t.indexOf(QLatin1Char('&')) + 1].toLower())) << t.toStdString();
            litere.insert(t[t.indexOf(QLatin1Char('&')) + 1].toLower());
            ++cuMnemonica;
        }
    }
    EXPECT_GE(cuMnemonica, 45);
    const std::pair<int, const char*> taste[] = {{40001, "Ctrl+N"}, {40003, "Ctrl+O"}, {40004, "Ctrl+S"}, {40015, "F1"}};
    for (auto [id, tasta] : taste) EXPECT_EQ(w.actiune(id)->shortcut(), QKeySequence(QString::fromLatin1(tasta))) << id;
    // The two checks of the same name: the database's and the current material's.
    EXPECT_TRUE(w.findChild<QMenu*>("&Verificari")->actions().contains(w.actiune(40045)));
    EXPECT_TRUE(w.findChild<QMenu*>("&Material")->actions().contains(w.actiune(40047)));

    // One item per text catalogue, in a submenu of the import menu.
    const QMenu* catalog = w.findChild<QMenu*>("&File/&Importa/Import catalog text");
    ASSERT_NE(catalog, nullptr);
    EXPECT_TRUE(w.findChild<QMenu*>("&File/&Importa")->actions().contains(catalog->menuAction()));
    for (int id : {40036, 40037, 40039, 40052, 40054}) EXPECT_TRUE(catalog->actions().contains(w.actiune(id))) << id;
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
    // Chosen with nothing open, a command says what it needs and does nothing.
    alege(40017);
    EXPECT_NE(p.ultima().text.find("nu este deschis niciun material"), std::string::npos) << p.ultima().text;
    EXPECT_EQ(ferestreMaterial().numarDeschise(), 0);

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
    EXPECT_EQ(p.ultima().style, stil::MB_YESNO | stil::MB_DEFBUTTON2);
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
    for (int i : {0, 1}) w.marcheazaNemodificat(i);  // as if loaded
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

TEST_F(Shell, DeletingTheCurrentMaterialFromTheDatabase) {
    d.write("sticleNou32.dat", databaseOf({namedRecord("BK7", 2), namedRecord("F2", 2), namedRecord("BK7", 3)}));
    alege(40001);
    std::strcpy(setLucru().curent().nume, "BK7");
    w.reumpleLista();
    setLucru().modificat = 1;

    p.raspunde(raspuns::IDNO);
    alege(40028);
    EXPECT_EQ(p.ultima().text, "Stergeti toate materialele cu numele BK7 ?");
    EXPECT_EQ(p.ultima().style, 36u | stil::MB_DEFBUTTON2);  // No is the default
    EXPECT_EQ(d.read("sticleNou32.dat").size(), 3 * 2128u);
    EXPECT_EQ(setLucru().modificat, 1);

    // The record of the open material's producer goes; the other maker's
    // glass of the same name, first in the file, stays.
    setLucru().curent().producator = 3;
    p.raspunde(raspuns::IDYES);
    alege(40005);
    EXPECT_EQ(p.casete[1].text.rfind("Stergeti materialul BK7 al producatorului Hoya din SticleNou32.dat ?", 0), 0u);
    EXPECT_EQ(d.read("sticleNou32.dat"), databaseOf({namedRecord("BK7", 2), namedRecord("F2", 2)}));
    EXPECT_EQ(setLucru().modificat, 0);
    // The material stays open.
    EXPECT_EQ(randuri(), QStringList({"BK7"}));
}

// Nothing offered does nothing: the commands without a function are gone
// from the menu, and every enabled item has a handler.
TEST_F(Shell, NoMenuItemIsACommandWithoutFunction) {
    for (int id : {40018, 40041, 40074, 40088, 40090, 40092, 40094}) EXPECT_EQ(w.actiune(id), nullptr) << id;
    for (const ComandaMeniu& c : TabelaComenzi()) EXPECT_NE(c.handler, nullptr) << c.id;
}

TEST_F(Shell, ACancelledOrFailedLoadLeavesTheMaterialAndTheDatabaseAsTheyWere) {
    const std::string baza = databaseOf({namedRecord("F2", 6), namedRecord("N-BK7", 2)});
    d.write("sticleNou32.dat", baza);
    alege(40001);
    alege(40001);
    incarca("N-*");
    EXPECT_EQ(randuri(), QStringList({"Gol0", "N-BK7"}));
    EXPECT_EQ(w.lista()->currentRow(), 1);
    const MaterialOptic incarcat = setLucru().curent();

    incarca(nullptr);        // the name dialog cancelled
    incarca("F2", false);    // the chooser closed: a failed load
    EXPECT_EQ(p.ultima().text, "eroare cautare material");
    EXPECT_EQ(std::memcmp(&setLucru().curent(), &incarcat, sizeof incarcat), 0);
    EXPECT_EQ(randuri(), QStringList({"Gol0", "N-BK7"}));

    // Unmodified, so saving asks first (message 23): No stores nothing, Yes
    // stores N-BK7 over itself (its ranges completed); F2 keeps every byte.
    p.raspunde({raspuns::IDNO, raspuns::IDYES});
    alege(40004);
    EXPECT_EQ(p.ultima().numar, 23);
    EXPECT_EQ(d.read("sticleNou32.dat"), baza);
    alege(40004);
    EXPECT_EQ(p.ultima().numar, 21);
    const std::string dupa = d.read("sticleNou32.dat");
    EXPECT_EQ(dupa.substr(0, MarimeMaterialOptic), baza.substr(0, MarimeMaterialOptic));
    EXPECT_EQ(dupa.substr(MarimeMaterialOptic),
              std::string(reinterpret_cast<const char*>(&setLucru().curent()), MarimeMaterialOptic));
}

TEST_F(Shell, ANameTypedAsTheListShowsItFindsItsMaterial) {
    d.write("sticleNou32.dat", databaseOf({namedRecord("F2", 6), namedRecord("Sticl\xE2-\xB5\xCE", 2)}));
    alege(40001);
    incarca("Sticlâ-µÎ");
    EXPECT_EQ(std::string(setLucru().curent().nume), "Sticl\xE2-\xB5\xCE");
    EXPECT_EQ(randuri(), QStringList({QString::fromUtf8("Sticlâ-µÎ")}));
    std::memset(setLucru().curent().nume, 0, 16);
    p.raspunde(raspuns::IDNO);  // the emptied name is not worth saving
    incarca(randuri().front().toUtf8().constData());  // copied from the list
    EXPECT_EQ(std::string(setLucru().curent().nume), "Sticl\xE2-\xB5\xCE");
    p.raspunde(raspuns::IDYES);
    alege(40004);  // stored over itself by its name: still two materials
    EXPECT_EQ(d.read("sticleNou32.dat").size(), 2 * MarimeMaterialOptic);
}

TEST_F(Shell, AModifiedMaterialIsOfferedForSavingBeforeItGoes) {
    d.write("sticleNou32.dat", databaseOf({namedRecord("N-BK7", 2)}));
    const std::string gol0 = "Materialul Gol0 a fost modificat. Il salvati in SticleNou32.dat?";
    struct Caz {
        int comanda;  // 40002 close, 40003 load over it, 40007 quit
        int raspuns;
        bool ramane;  // Gol0 is still open afterwards
    };
    const Caz cazuri[] = {{40002, raspuns::IDCANCEL, true}, {40002, raspuns::IDNO, false},
                          {40002, raspuns::IDYES, false},   {40003, raspuns::IDCANCEL, true},
                          {40003, raspuns::IDYES, false},   {40007, raspuns::IDCANCEL, true},
                          {40007, raspuns::IDYES, false}};
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(testing::Message() << c.comanda << " answered " << c.raspuns);
        std::filesystem::remove(d.path() / "sticleNou32#_0.dat");
        setLucru() = SetLucru{};
        w.reumpleLista();
        alege(40001);
        setLucru().curent().densitate = 2.5f;
        p.casete.clear();
        p.raspunde(c.raspuns);
        if (c.comanda == 40003) {
            incarca("N-BK7");
        } else if (c.comanda == 40007) {
            w.close();
        } else {
            alege(c.comanda);
        }
        ASSERT_FALSE(p.casete.empty());
        EXPECT_EQ(p.casete.front().text, gol0);
        EXPECT_EQ(p.casete.front().style, stil::MB_YESNOCANCEL | stil::MB_ICONQUESTION);
        const bool salvat = d.read("sticleNou32.dat").size() == 2 * MarimeMaterialOptic;
        EXPECT_EQ(salvat, c.raspuns == raspuns::IDYES);
        const bool deschis = !setLucru().gol() && std::string(setLucru().curent().nume) == "Gol0";
        EXPECT_EQ(deschis, c.ramane);
        if (salvat) d.write("sticleNou32.dat", databaseOf({namedRecord("N-BK7", 2)}));
        if (c.comanda == 40007 && !c.ramane) break;  // the window is closed for good
    }
}

// Blanking the open material asks first, No being the default; after a Yes
// the save question offers Cancel, not Yes, as its default, and one undo
// brings the material back, into its open editor too. The boxes answer with
// the program's own words.
TEST_F(Shell, AnInitialisationAsksFirstAndItsSaveQuestionDefaultsToCancel) {
    d.write("sticleNou32.dat", databaseOf({namedRecord("N-BK7", 2)}));
    incarca("N-BK7");  // nothing open: it comes into a new place
    ASSERT_EQ(randuri(), QStringList{"N-BK7"});
    setLucru().curent().densitate = 2.5f;
    w.marcheazaNemodificat(0);
    QPointer<FereastraMaterial> mecanic = ComandaMecanic(&w);
    p.raspunde(raspuns::IDNO);
    alege(40008);
    EXPECT_EQ(p.ultima().style, stil::MB_YESNO | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON2);
    EXPECT_EQ(setLucru().curent().densitate, 2.5f);

    p.raspunde({raspuns::IDYES, raspuns::IDCANCEL});
    alege(40008);
    EXPECT_EQ(mecanic->findChild<QLineEdit*>("101")->text(), "");
    alege(40002);
    EXPECT_EQ(p.ultima().style, stil::MB_YESNOCANCEL | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON3);
    ASSERT_EQ(setLucru().numarMateriale(), 1);

    alege(40151);
    EXPECT_EQ(setLucru().curent().densitate, 2.5f);
    EXPECT_EQ(mecanic->findChild<QLineEdit*>("101")->text(), "2.5");
    EXPECT_FALSE(w.materialModificat(0));

    InstaleazaTexteButoane(*QCoreApplication::instance());
    QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Da");
    EXPECT_EQ(box.button(QMessageBox::No)->text(), "&Nu");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "Anuleaza");
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
    EXPECT_EQ(p.ultima().caption, TitluFereastraPrincipala);
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

TEST_F(Shell, StartUpAsksNothingAndLeavesDirectoriesEmptyOnAFirstStart) {
    path_sticle.clear();
    EXPECT_TRUE(w.initializeaza());
    EXPECT_TRUE(p.casete.empty());
    EXPECT_EQ(path_sticle, "");
}

TEST_F(Shell, StartUpMendsADatabaseEndingInAFragmentOnlyOnYes) {
    const std::string intregi = databaseOf({namedRecord("A"), namedRecord("B")});
    d.write("sticleNou32.dat", intregi + std::string(100, 'z'));
    p.setari().scrieText(CheieDirectoare, "STICLE", d.str());
    for (const int raspuns : {raspuns::IDNO, raspuns::IDYES}) {
        p.raspunde(raspuns);  // the fragment
        EXPECT_TRUE(w.initializeaza());
        EXPECT_TRUE(p.raspunsuri.empty());
        EXPECT_EQ(d.read("sticleNou32.dat"), raspuns == raspuns::IDYES ? intregi : intregi + std::string(100, 'z'));
    }
    EXPECT_EQ(d.read("sticleNou32.dat.rest"), std::string(100, 'z'));
}

// N-BK7, F2 and N-SF6 open, F2's density window and report open: closing
// N-BK7 moves F2 up the list and its windows with it; loading another
// material in F2's place closes them. No commit reaches N-SF6.
TEST_F(Shell, AnEditorWindowBelongsToItsMaterialWhereverTheListMovesIt) {
    const MaterialOptic sf6 = namedRecord("N-SF6");
    d.write("sticleNou32.dat", databaseOf({namedRecord("N-BK7"), namedRecord("F2"), sf6}));
    for (const char* nume : {"N-BK7", "F2", "N-SF6"}) ASSERT_TRUE(DeschideMaterialDinBaza(w, nume));
    setLucru().materialCurent = 1;
    QPointer<FereastraMaterial> densitate = ComandaMecanic(&w);
    ComandaVerificaMaterialCurent(&w);
    QPointer<TextWindow> raport = FereastraRaportVerificare(RaportVerificare::Material);

    setLucru().materialCurent = 0;
    p.raspunde({raspuns::IDYES, raspuns::IDNO});  // close N-BK7; F2, changed, is not saved
    alege(40002);
    auto* celula = densitate->findChild<QLineEdit*>("101");
    celula->selectAll();
    QTest::keyClicks(celula, "4");
    QTest::keyClick(celula, Qt::Key_Return);
    EXPECT_EQ(setLucru().materiale[0].densitate, 4.0f);
    incarca("N-BK7");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(densitate || raport);
    EXPECT_EQ(bytesOf(setLucru().materiale[1]), bytesOf(sf6));
}

// However a material comes from the database, it starts unmodified: the
// exit asks only the close question.
TEST_F(Shell, AMaterialOpenedFromTheCatalogueIsNotModified) {
    d.write("sticleNou32.dat", databaseOf({namedRecord("N-K5"), namedRecord("F2")}));
    QTableView* tabel = InstaleazaPanouCatalog(w)->tabel();
    Q_EMIT tabel->doubleClicked(tabel->model()->match(tabel->model()->index(0, 0), Qt::DisplayRole, "N-K5").at(0));
    alege(40001);
    incarca("F2");
    EXPECT_EQ(randuri(), QStringList({"N-K5", "F2"}));
    p.raspunde(raspuns::IDYES);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.ultima().text, "Inchideti aplicatia VITRAMOR ?");
}

// An import builds its glasses in records of its own: the open material is
// neither replaced nor marked modified, whether the glasses were stored or
// the database refused them all, and the closing summary says which.
TEST_F(Shell, AnImportLeavesTheOpenMaterialAsItWas) {
    TestDir catalog;
    catalog.write("catalog.sch", TextBloc(NBK7()) + TextBloc(NSF11()));
    for (const bool refuzat : {false, true}) {
        setLucru() = SetLucru{};
        w.reumpleLista();
        alege(40001);
        // A database that cannot be written refuses every glass.
        if (refuzat) std::filesystem::remove(d / "sticleNou32.dat");
        if (refuzat) std::filesystem::create_directory(d / "sticleNou32.dat");
        p.fisiereAlese = {FisierAles{catalog.str(), "catalog.sch"}};
        alege(40024);
        EXPECT_EQ(std::string(setLucru().materiale[0].nume), "Gol0");
        EXPECT_FALSE(w.materialModificat(0));
        // A failure is said once, where it was found.
        EXPECT_EQ(p.ultima().text.substr(0, 25), refuzat ? "Eroare deschidere fisier " : "2 noi, 0 actualizate, 0 r");
    }
}

// The conversion's questions go over its progress dialog, never under it.
TEST_F(Shell, TheConversionAsksOverItsProgressDialog) {
    d.write(NumeFisierVechi, std::string(MarimeInregistrareVeche, '\0'));
    std::atomic<int> acoperite = 0;
    NumaraProgreseSubIntrebari(p, acoperite);
    p.raspunde(raspuns::IDYES);
    alege(40080);
    EXPECT_EQ(acoperite, 0);
    EXPECT_TRUE(p.casete.front().text.ends_with("Continuam ?"));
    EXPECT_EQ(p.ultima().text.rfind("S-au scris 1 inregistrari\n1 noi", 0), 0u) << p.ultima().text;
    EXPECT_EQ(p.ultima().caption, TitluConversieSticle32);
    EXPECT_EQ(d.read(NumeFisierConvertit).size(), MarimeMaterialOptic);
}
