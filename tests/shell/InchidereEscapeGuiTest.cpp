// Esc closes every window a command of the main window opens: the editors,
// plots and reports (plain windows) as well as the dialogs.
#include <QApplication>
#include <QTest>

#include "editors/GraficTransmisieWindow.h"
#include "shell/ShellHelpers.h"
#include "support/ModalDriver.h"
#include "support/RecordImage.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using InchidereEscape = MainWindowTest;

// Esc as a user presses it: to the control with the focus, else the window.
void ApasaEscape(QWidget* fereastra) {
    QWidget* tinta = fereastra->focusWidget() ? fereastra->focusWidget() : fereastra;
    QTest::keyClick(tinta, Qt::Key_Escape);
}

QList<QWidget*> FerestreDeschise(const QWidget* principala) {
    QList<QWidget*> l;
    for (QWidget* f : QApplication::topLevelWidgets())
        if (f != principala && f->isVisible() && f->windowType() != Qt::Popup && f->windowType() != Qt::ToolTip)
            l << f;
    return l;
}

}  // namespace

TEST_F(InchidereEscape, EscClosesEveryWindowAndDialogOfTheMenu) {
    MaterialOptic m = namedRecord("N-BK7");
    m.lambda_Ti[20] = 400;
    m.lambda_Ti[21] = 700;
    m.grosime_transmisie = 10.0f;
    d.write("sticleNou32.dat", databaseOf({m, namedRecord("F2")}));
    w.show();
    for (int i = 0; i < 2; ++i) {
        alege(40001);
        setLucru().incarca(setLucru().materialCurent, i == 0 ? m : namedRecord("F2"));
    }
    // Editors, plots, reports and dialogs, modal or not.
    const int comenzi[] = {40013, 40027, 40016, 40017, 40019, 40020, 40062, 40076, 40102, 40012,
                           40014, 40049, 40096, 40101, 40060, 40078, 40015, 40098};
    for (int id : comenzi) {
        // A modal dialog gets its Esc while the command waits for it.
        std::deque<DriverModal::Pas> pasi(4, [](QWidget* dlg) { ApasaEscape(dlg); });
        DriverModal modal(std::move(pasi));
        alege(id);
        QTest::qWait(10);
        const QList<QWidget*> deschise = FerestreDeschise(&w);
        for (QWidget* f : deschise) ApasaEscape(f);
        QTest::qWait(10);
        EXPECT_TRUE(FerestreDeschise(&w).isEmpty()) << id << " " << FerestreDeschise(&w).front()->objectName().toStdString();
        for (QWidget* f : FerestreDeschise(&w)) f->close();
    }
    ASSERT_NE(ComandaGraficTransmisie(0, &w), nullptr);
    for (QWidget* f : FerestreDeschise(&w)) ApasaEscape(f);
    QTest::qWait(10);
    EXPECT_TRUE(FerestreDeschise(&w).isEmpty());
}
