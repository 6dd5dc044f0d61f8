#include <gtest/gtest.h>

#include <QRegularExpression>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <thread>

#include "messages/ListaMesaje.h"
#include "messages/ListaMesajeWindow.h"
#include "messages/TabulatorDialog.h"
#include "support/PlatformaScriptata.h"
#include "support/ModalDriver.h"

namespace vitramor {
namespace {

using namespace raspuns;

class ListaMesajeWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SimuleazaEsecCreareListaMesaje(false);
        SeteazaIntervalClipireListaMesaje(IntervalClipireImplicit);
        InstaleazaListaMesajeInFereastra();
    }
    void TearDown() override {
        // Unread warnings would refuse a close; the test is over, so the
        // window simply goes.
        DistrugeFereastraListaMesaje();
        InstaleazaDestinatieMesaje(nullptr);
        SimuleazaEsecCreareListaMesaje(false);
        SeteazaIntervalClipireListaMesaje(IntervalClipireImplicit);
    }

    static QStringList randuri(ListaMesajeWindow* w) {
        QStringList r;
        QAbstractItemModel* m = w->lista()->model();
        // Every line begins with its time, "HH:MM:SS  ".
        for (int i = 0; i < m->rowCount(); ++i) {
            const QString t = m->index(i, 0).data().toString();
            EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d  ").match(t).hasMatch()) << t.toStdString();
            r << t.mid(10);
        }
        return r;
    }

    static ListaMesajeWindow* fereastraFaraTimer() {
        EXPECT_EQ(CreazaFereastraListaMesaje(), 1);
        ListaMesajeWindow* w = FereastraListaMesaje();
        w->timerClipire()->stop();
        return w;
    }

    // Pixels of exactly this colour in the list's drawing.
    static int pixeli(ListaMesajeWindow* w, const QColor& c) {
        const QImage img = w->lista()->viewport()->grab().toImage();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelColor(x, y).rgb() == c.rgb()) ++n;
        return n;
    }

    PlatformaScriptata p;
    PlatformaInstalata guard{p};
};

TEST_F(ListaMesajeWindowTest, TheFirstLineCreatesTheWindowAtItsPlaceAndItClosesOnceTheWarningsAreRead) {
    ASSERT_EQ(FereastraListaMesaje(), nullptr);
    for (const char* t : {"A", "B", "C"}) EXPECT_EQ(AfiseazaMesajInLista(t, 0), 1);
    ListaMesajeWindow* w = FereastraListaMesaje();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->timerClipire()->isActive());

    const QRect ecran = QGuiApplication::primaryScreen()->geometry();
    const QRect cadru = w->frameGeometry();
    EXPECT_EQ(cadru.size(), QSize(LatimeListaMesaje, InaltimeListaMesaje));
    EXPECT_EQ(ecran.right() + 1 - cadru.left(), DistantaDreaptaListaMesaje);
    EXPECT_EQ(ecran.bottom() + 1 - cadru.top(), DistantaJosListaMesaje);

    EXPECT_EQ(randuri(w), (QStringList{"C", "B", "A"}));
    // The window follows the model's side.
    p.raspunde(IDYES);
    w->executaComanda(comandaLista::InsereazaLaSfarsit);
    AfiseazaMesajInLista("D", NivelAvertizare);
    EXPECT_EQ(randuri(w), (QStringList{"A", "B", "C", "D"}));

    // Closing is refused until the warnings are read.
    EXPECT_FALSE(w->close());
    EXPECT_EQ(p.casete.size(), 2u);
    EXPECT_EQ(FereastraListaMesaje(), w);

    w->executaComanda(comandaLista::AmCitit);
    EXPECT_TRUE(w->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FereastraListaMesaje(), nullptr);

    // The next line starts a new, empty list.
    AfiseazaMesajInLista("din nou", 0);
    ASSERT_NE(FereastraListaMesaje(), nullptr);
    EXPECT_EQ(randuri(FereastraListaMesaje()), QStringList{"din nou"});
}

TEST_F(ListaMesajeWindowTest, TheTimerBeepsBlinksAndSelectsTheWarningUntilRead) {
    SeteazaIntervalClipireListaMesaje(10);
    AfiseazaMesajInLista("avertizare", NivelAvertizare);
    AfiseazaMesajInLista("informatie", NivelInformatie);  // on top; the warning is row 1
    ListaMesajeWindow* w = FereastraListaMesaje();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->timerClipire()->interval(), 10);

    QTRY_VERIFY(p.beepuri >= 3);
    EXPECT_EQ(w->lista()->selectionModel()->selectedRows(), QModelIndexList{w->lista()->model()->index(1, 0)});
    EXPECT_EQ(w->model().linieApasata(), -1);  // the timer's selection is not a click

    // Minimised: no beeps.
    w->showMinimized();
    QCoreApplication::processEvents();
    int inainte = p.beepuri;
    QTest::qWait(60);
    EXPECT_EQ(p.beepuri, inainte);
    w->showNormal();

    w->executaComanda(comandaLista::AmCitit);
    inainte = p.beepuri;
    QTest::qWait(60);
    EXPECT_EQ(p.beepuri, inainte);
    EXPECT_TRUE(w->lista()->selectionModel()->selectedRows().isEmpty());
}

TEST_F(ListaMesajeWindowTest, WarningsBlinkRedAndTheSelectedLineGetsADarkBlueFrame) {
    ListaMesajeWindow* w = fereastraFaraTimer();
    w->adaugaLinie("AVERTIZARE WWWWWWWW", NivelAvertizare);
    const QColor rosu(255, 0, 0), albastruInchis(0, 0, 64);

    EXPECT_FALSE(w->model().fazaClipire());
    EXPECT_EQ(pixeli(w, rosu), 0);
    w->bataieTimer();  // phase on, warning selected
    EXPECT_GT(pixeli(w, rosu), 20);
    EXPECT_GT(pixeli(w, albastruInchis), 20);
    w->bataieTimer();
    EXPECT_EQ(pixeli(w, rosu), 0);

    w->bataieTimer();
    w->executaComanda(comandaLista::AmCitit);
    EXPECT_EQ(pixeli(w, rosu), 0);
}

TEST_F(ListaMesajeWindowTest, MenusTakeTheModelsStateWhenTheyOpenAndCopyTakesTheClickedLine) {
    ListaMesajeWindow* w = fereastraFaraTimer();
    using namespace comandaLista;
    Q_EMIT w->meniuFereastra()->aboutToShow();
    EXPECT_FALSE(w->actiune(StergeMesaje)->isEnabled());
    EXPECT_TRUE(w->actiune(InsereazaLaInceput)->isChecked());

    w->adaugaLinie("avertizare", 1);
    p.raspunde(IDNO);
    w->executaComanda(InsereazaLaSfarsit);
    Q_EMIT w->meniuContext()->aboutToShow();
    EXPECT_TRUE(w->actiune(StergeMesaje)->isEnabled());
    EXPECT_FALSE(w->actiune(InsereazaLaInceput)->isChecked());
    EXPECT_TRUE(w->actiune(InsereazaLaSfarsit)->isChecked());

    // Copy takes the clicked line.
    w->adaugaLinie("jos", 0);
    QListView* l = w->lista();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualRect(l->model()->index(0, 0)).center());
    EXPECT_EQ(w->model().linieApasata(), 0);
    w->executaComanda(CopiazaMesaj);
    EXPECT_EQ(p.clipboard, "avertizare");
}

TEST_F(ListaMesajeWindowTest, ALineFromAnotherThreadArrivesWithoutHoldingItsSender) {
    std::thread fir([] { EXPECT_EQ(AfiseazaMesajInLista("din alt fir", NivelAvertizare), 1); });
    fir.join();
    // This thread was waiting in join: had the sender waited for the
    // window, join would never have returned.
    EXPECT_EQ(FereastraListaMesaje(), nullptr);
    QTRY_VERIFY(FereastraListaMesaje() != nullptr);
    EXPECT_EQ(randuri(FereastraListaMesaje()), QStringList{"din alt fir"});
    EXPECT_TRUE(AvertizariInAsteptare());
}

TEST_F(ListaMesajeWindowTest, WithoutAWindowEachLineGoesToABoxCaptionedMesaj) {
    SimuleazaEsecCreareListaMesaje(true);
    p.stergeUltimaEroare();
    AfiseazaMesajInLista("unu", 0);
    AfiseazaMesajInLista("doi", 1);
    EXPECT_EQ(FereastraListaMesaje(), nullptr);
    EXPECT_EQ(p.texte(), (std::vector<std::string>{"unu", "doi"}));
    EXPECT_EQ(p.ultima().caption, "Mesaj");

    // A pending system error is shown first, captioned with the operation.
    p.casete.clear();
    errno = ENOMEM;
    AfiseazaMesajInLista("trei", 0);
    ASSERT_EQ(p.casete.size(), 2u);
    EXPECT_EQ(p.casete[0].caption, "CreazaFereastraListaMesaje");
    EXPECT_EQ(p.casete[0].text, std::strerror(ENOMEM));
    EXPECT_EQ(p.casete[1].caption, "Mesaj");
}

TEST_F(ListaMesajeWindowTest, ALongLineWidensTheScrollableExtent) {
    ListaMesajeWindow* w = fereastraFaraTimer();
    const int vizibil = w->lista()->viewport()->width();
    EXPECT_EQ(w->extensieOrizontala(), vizibil);
    w->adaugaLinie("scurt", 0);
    EXPECT_EQ(w->extensieOrizontala(), vizibil);

    const QString lung(200, QLatin1Char('M'));
    // The line as shown, after its time.
    const int latime = w->lista()->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00  ") + lung);
    ASSERT_GT(latime, vizibil);
    w->adaugaLinie(lung.toStdString(), 0);
    EXPECT_EQ(w->extensieOrizontala(), latime + 20);
    QTRY_COMPARE(w->lista()->horizontalScrollBar()->maximum(), latime + 20 - vizibil);

    // Tabs open columns a tab stop apart.
    const QFontMetrics fm = w->lista()->fontMetrics();
    EXPECT_EQ(w->latimeDesenata("a\tb"), w->tabulatorPixeli() + fm.horizontalAdvance("b"));
}

TEST_F(ListaMesajeWindowTest, SetTabsRefusesAStopBelowOne) {
    ListaMesajeWindow* w = fereastraFaraTimer();
    QString afisatDupaRefuz;
    test::DriverModal d({[&](QWidget* dlg) {
        auto* camp = dlg->findChild<QLineEdit*>("101");
        auto* ok = dlg->findChild<QPushButton*>("1");
        EXPECT_EQ(camp->text(), "100");
        camp->setText("0");
        ok->click();
        afisatDupaRefuz = camp->text();
        camp->setText("40");
        ok->click();
    }});
    w->executaComanda(comandaLista::SetTabs);
    EXPECT_TRUE(d.terminat());
    EXPECT_EQ(afisatDupaRefuz, "100");
    EXPECT_EQ(p.ultima().numar, 10);
    EXPECT_EQ(w->model().tabulator(), 40);

    test::DriverModal anulare({[](QWidget* dlg) {
        dlg->findChild<QLineEdit*>("101")->setText("7");
        dlg->findChild<QPushButton*>("2")->click();
    }});
    w->executaComanda(comandaLista::SetTabs);
    EXPECT_EQ(w->model().tabulator(), 40);
}

TEST_F(ListaMesajeWindowTest, AMinimisedWindowComesBackOnANewLineOnlyWhenAsked) {
    ListaMesajeWindow* w = fereastraFaraTimer();
    w->showMinimized();
    w->adaugaLinie("unu", 0);
    EXPECT_TRUE(w->isMinimized());

    w->executaComanda(comandaLista::ArataDupaInserare);
    w->adaugaLinie("doi", 0);
    EXPECT_FALSE(w->isMinimized());
    EXPECT_TRUE(w->isVisible());
}

}  // namespace
}  // namespace vitramor
