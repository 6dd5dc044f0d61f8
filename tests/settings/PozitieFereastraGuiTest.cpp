
#include <QDialog>
#include <QMainWindow>
#include <QTest>

#include "settings/PozitieFereastraUi.h"
#include "settings/SettingsFixture.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct PozitiiFerestre : SettingsFixture {
    static void arata(QWidget& w, const QRect& cadru) {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        w.move(cadru.topLeft());
        const QSize margini = w.frameGeometry().size() - w.geometry().size();
        w.resize(cadru.size() - margini);
        QCoreApplication::processEvents();
    }
    void scrie(const std::string& nume, int x, int y, int dx, int dy) {
        const std::string cheie = cheieFereastra(nume);
        store().creazaCheie(cheie);
        store().scrieIntreg(cheie, "POSX", x);
        store().scrieIntreg(cheie, "POSY", y);
        store().scrieIntreg(cheie, "DX", dx);
        store().scrieIntreg(cheie, "DY", dy);
    }
};

}  // namespace

TEST_F(PozitiiFerestre, ASavedMainWindowReopensOnTheSameFrame) {
    const QRect cadru(130, 90, 520, 340);
    QRect salvat;
    {
        QMainWindow w;
        w.setProperty("clasaFereastra", "SticlaWndClass");
        arata(w, cadru);
        salvat = w.frameGeometry();
        ASSERT_EQ(SalveazaPozitieFereastraInRegistri(&w), 1);
    }
    EXPECT_EQ(store().citesteIntreg(cheieFereastra("SticlaWndClass"), "POSX"), salvat.x());
    EXPECT_EQ(store().citesteIntreg(cheieFereastra("SticlaWndClass"), "DY"), salvat.height());

    QMainWindow w;
    w.setProperty("clasaFereastra", "SticlaWndClass");
    arata(w, QRect(10, 10, 200, 150));
    ASSERT_EQ(RestaureazaPozitieFereastra(&w), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.frameGeometry(), salvat);
}

TEST_F(PozitiiFerestre, RestoredBeforeShowingItKeepsTheFrameSize) {
    scrie("SticlaWndClass", 70, 80, 500, 300);
    QMainWindow w;
    ASSERT_EQ(RestaureazaPozitieFereastra(&w, "SticlaWndClass"), 1);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QCoreApplication::processEvents();
    EXPECT_EQ(w.frameGeometry(), QRect(70, 80, 500, 300));
}

TEST_F(PozitiiFerestre, DialogsAndModeOneRestoreOnlyThePosition) {
    scrie("Editor", 140, 160, 999, 777);
    QDialog d;
    arata(d, QRect(20, 30, 300, 200));
    const QSize marime = d.frameGeometry().size();
    ASSERT_EQ(RestaureazaPozitieFereastra(&d, "Editor"), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(d.frameGeometry().topLeft(), QPoint(140, 160));
    EXPECT_EQ(d.frameGeometry().size(), marime);

    QMainWindow w;
    arata(w, QRect(20, 30, 300, 200));
    ASSERT_EQ(RestaureazaPozitieFereastraMod(&w, "Editor", 1), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.frameGeometry(), QRect(140, 160, 300, 200));

    // A key without POSY leaves the window where it is.
    store().scrieIntreg(cheieFereastra("Grafic"), "POSX", 300);
    const QRect inainte = w.frameGeometry();
    EXPECT_EQ(RestaureazaPozitieFereastra(&w, "Grafic"), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.frameGeometry(), inainte);
}

TEST_F(PozitiiFerestre, MessageListAndMinimisedWindowsAreNeverWritten) {
    QMainWindow lista;
    lista.setProperty("clasaFereastra", ClasaListaErori);
    arata(lista, QRect(40, 40, 300, 200));
    // Not even under another name.
    EXPECT_EQ(SalveazaPozitieFereastraInRegistri(&lista, "Mesaje"), 0);
    EXPECT_FALSE(store().existaCheie(cheieFereastra("Mesaje")));

    QMainWindow w;
    arata(w, QRect(40, 40, 300, 200));
    w.setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(SalveazaPozitieFereastraInRegistri(&w, "Minimizata"), 0);
    EXPECT_FALSE(store().existaCheie(cheieFereastra("Minimizata")));
}
