// The dialogs of the dispersion checks and their report windows, driven
// offscreen with every box recorded by the scripted platform.

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

#include "checks/PropuneDomeniiDialog.h"
#include "explorare/SticleCatalog.h"
#include "checks/VerificaBazaDateDialog.h"
#include "checks/VerificariDispersieUi.h"
#include "database/DialogControls.h"
#include "database/GlassDirFixture.h"
#include "messages/ListaMesaje.h"
#include "record/SetLucru.h"
#include "database/CatalogMateriale.h"
#include "suite/UnitatiDialog.h"
#include "suite/FereastraText.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

void InchideRapoarte() {
    for (RaportVerificare tip : {RaportVerificare::BazaDate, RaportVerificare::Material})
        if (TextWindow* w = FereastraRaportVerificare(tip)) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class VerificariGui : public GlassDirFixture {
protected:
    VerificariGui() {
        InstaleazaDestinatieMesaje([](const std::string&, int) { return 1; });
    }
    ~VerificariGui() override {
        InchideRapoarte();
        InstaleazaDestinatieMesaje(nullptr);
    }

    // Types into a field and moves the focus away, as the user commits it.
    static void Scrie(QLineEdit* camp, const QString& text) {
        camp->setFocus();
        camp->selectAll();
        if (text.isEmpty())
            QTest::keyClick(camp, Qt::Key_Delete);
        else
            QTest::keyClicks(camp, text);
        QFocusEvent pierdut(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(camp, &pierdut);
    }

    QWidget principala;
};

TEST_F(VerificariGui, APrecisionIsTakenWhenItsFieldLosesTheFocus) {
    VerificaBazaDateDialog dialog(&principala, &principala);
    dialog.show();
    QLineEdit* n = Control<QLineEdit>(dialog, IdPrecizieN);
    QLineEdit* k = Control<QLineEdit>(dialog, IdPrecizieK);
    EXPECT_EQ(k->text(), "0.00100");
    EXPECT_TRUE(Control<QCheckBox>(dialog, IdVerificaN)->isChecked());
    EXPECT_FALSE(Control<QCheckBox>(dialog, IdVerificaK)->isChecked());
    Control<QPushButton>(dialog, IdButonAjutorVerificari)->click();  // no help behind it: no box

    Scrie(n, "-0.5");
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].numar, 38);
    EXPECT_EQ(n->text(), "0.00100");
    EXPECT_EQ(dialog.setari().precizieN, 0.001f);

    Scrie(n, "");
    EXPECT_EQ(dialog.setari().precizieN, 0.0f);
    Scrie(k, "0.0005");
    EXPECT_EQ(dialog.setari().precizieK, 0.0005f);
    EXPECT_EQ(p.casete.size(), 1u);

    Control<QCheckBox>(dialog, IdVerificaN)->click();
    Control<QCheckBox>(dialog, IdVerificaK)->click();
    EXPECT_FALSE(dialog.setari().verificaN);
    EXPECT_TRUE(dialog.setari().verificaK);

    // A new opening starts from the initial values again.
    VerificaBazaDateDialog altul(&principala, &principala);
    EXPECT_EQ(altul.setari().precizieN, 0.001f);
    EXPECT_TRUE(altul.setari().verificaN);
}

TEST_F(VerificariGui, EachRunRefreshesTheSameReportWindow) {
    MaterialOptic gresit = F2("F2 GRESIT");
    gresit.indice_n[Slot(gresit, LiniaD)] = 1.26004;
    writeDb(databaseOf({NBK7(), gresit}));

    VerificaBazaDateDialog dialog(&principala, &principala);
    QPushButton* verifica = Control<QPushButton>(dialog, IdButonVerifica);
    verifica->click();
    TextWindow* fereastra = FereastraRaportVerificare(RaportVerificare::BazaDate);
    ASSERT_NE(fereastra, nullptr);
    EXPECT_EQ(fereastra->parentWidget(), &principala);
    const QString linie(60, QLatin1Char('-'));
    EXPECT_EQ(fereastra->linii(),
              QStringList({"Material\tProducator\tStare", linie, "F2 GRESIT\tSchott Mainz\tn la 587.6 nm: 1.26004 fata de 1.62004 din ecuatie", linie,
                           "2 materiale verificate, 1 cu probleme"}));
    EXPECT_EQ(fereastra->controlText()->document()->defaultTextOption().tabStopDistance(), unitatiDialog().x(50));

    // A pending edit is taken over by the button itself; the report that
    // was minimized meanwhile comes back into view.
    fereastra->showMinimized();
    QLineEdit* n = Control<QLineEdit>(dialog, IdPrecizieN);
    n->setFocus();
    n->selectAll();
    QTest::keyClicks(n, "0.5");
    writeDb(databaseOf({NBK7(), gresit, F2("ALT GRESIT")}));
    verifica->click();
    EXPECT_EQ(FereastraRaportVerificare(RaportVerificare::BazaDate), fereastra);
    EXPECT_FALSE(fereastra->isMinimized());
    EXPECT_EQ(fereastra->linii(), QStringList({"Material\tProducator\tStare", linie, linie,
                                               "3 materiale verificate, 0 cu probleme"}));

    // Once the user has closed it, the next run makes a new one.
    fereastra->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FereastraRaportVerificare(RaportVerificare::BazaDate), nullptr);
    verifica->click();
    EXPECT_NE(FereastraRaportVerificare(RaportVerificare::BazaDate), nullptr);
}

TEST_F(VerificariGui, TheMaterialReportHasAWindowOfItsOwnWithSevenTabStops) {
    writeDb(databaseOf({NBK7()}));
    VerificaBazaDateDialog dialog(&principala, &principala);
    Control<QPushButton>(dialog, IdButonVerifica)->click();

    SetLucru& set = setLucru();
    const SetLucru pastrat = set;
    set.materiale.clear();
    ComandaVerificaMaterialCurent(&principala);  // no open material, no report
    EXPECT_EQ(FereastraRaportVerificare(RaportVerificare::Material), nullptr);
    set.materiale = {SiliceTopita()};
    set.materialCurent = 0;
    ComandaVerificaMaterialCurent(&principala);
    set = pastrat;

    TextWindow* material = FereastraRaportVerificare(RaportVerificare::Material);
    ASSERT_NE(material, nullptr);
    EXPECT_NE(material, FereastraRaportVerificare(RaportVerificare::BazaDate));
    EXPECT_EQ(material->linii().value(0), "Material: SILICA   Producator: Corning");
    const UnitatiDialog& u = unitatiDialog();
    QList<qreal> stopuri;
    for (int s : {50, 100, 150, 200, 250, 300, 350}) stopuri << u.x(s);
    EXPECT_EQ(material->controlText()->document()->defaultTextOption().tabArray(), stopuri);
}

// A producer table with code 20 lists 21 producers; one beyond the record's
// codes is refused and the choice goes back to Schott.
TEST_F(VerificariGui, RangeDialogProposesForTheChosenProducerAndRefusesOneBeyondTheCodes) {
    int index = 0, codMaxim = 0;
    tag_ProducatorMatOptic intrare{};
    intrare.cod = 20;
    std::strcpy(intrare.nume, "Departe");
    ASSERT_EQ(IncarcaProducatoriSticla(nullptr, path_sticle, SalveazaProducator, index, codMaxim, intrare, nullptr), 1);
    const std::string inainte = databaseOf({NBK7(), F2("E-F2", ProducatorHoya)});
    writeDb(inainte);
    p.casete.clear();

    PropuneDomeniiDialog dialog(&principala);
    QComboBox* producatori = Control<QComboBox>(dialog, IdComboProducatorDomenii);
    ASSERT_EQ(producatori->count(), 21);
    producatori->setCurrentIndex(20);
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].numar, 38);
    EXPECT_EQ(producatori->currentIndex(), 2);
    EXPECT_EQ(dialog.producatorAles(), 2);

    Control<QPushButton>(dialog, IdButonAjutorVerificari)->click();
    ASSERT_EQ(p.casete.size(), 2u);
    EXPECT_EQ(p.casete[1].numar, 0);

    producatori->setCurrentIndex(ProducatorHoya);
    // No to all: the file stays byte for byte, without an archive copy.
    p.raspunde(raspuns::IDNU_TOATE);
    Control<QPushButton>(dialog, IdButonVerifica)->click();
    EXPECT_EQ(p.casete[2].style, stil::MB_YESNOCANCEL | stil::MB_PENTRUTOATE | stil::MB_ICONQUESTION);
    EXPECT_EQ(p.ultima().text.rfind("Domeniu spectral actualizat la 0 materiale din 1 propuse.\n", 0), 0u)
        << p.ultima().text;
    EXPECT_TRUE(db() == inainte);
    EXPECT_FALSE(d.exists("sticleNou32#_0.dat"));

    p.casete.resize(2);
    p.raspunde(raspuns::IDYES);
    Control<QPushButton>(dialog, IdButonVerifica)->click();
    EXPECT_EQ(p.casete[2].text,
              "Sticla E-F2: Domeniu spectral valabil ec. dispersie n: [435 nm - 656 nm]. Acualizati?");
    const std::string dupa = db();
    EXPECT_EQ(dupa.substr(0, MarimeMaterialOptic), inainte.substr(0, MarimeMaterialOptic));
    EXPECT_EQ(dupa.substr(MarimeMaterialOptic + 1060, 4), std::string("\xB3\x01\x90\x02", 4));  // 435, 656
}

}  // namespace
