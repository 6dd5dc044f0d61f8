#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QScreen>

#include "shell/AsezareFerestre.h"

// A position saved on another screen, one off to the left, a size larger than
// the screen: each dialog opens whole on the screen and over its owner.
TEST(AsezareFerestre, DialogsOpenWholeOnTheScreenAndOverTheirOwner) {
    vitramor::InstaleazaAsezareFerestre();
    const QRect zona = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget proprietar;
    proprietar.setGeometry(zona.x() + 60, zona.y() + 60, 300, 200);
    proprietar.show();
    const std::pair<QPoint, QSize> cazuri[] = {
        {{5000, 5000}, {200, 100}}, {{-900, 40}, {200, 100}}, {{0, 0}, zona.size() * 2}};
    for (const auto& [pozitie, marime] : cazuri) {
        QDialog d(&proprietar);
        d.setGeometry(QRect(pozitie, marime));
        d.show();
        QApplication::processEvents();
        EXPECT_TRUE(zona.contains(d.frameGeometry())) << pozitie.x();
        EXPECT_TRUE(d.frameGeometry().intersects(proprietar.frameGeometry())) << pozitie.x();
    }
}

// A tool window no one has placed opens over the main window; one put back
// where the user left it stays there.
TEST(AsezareFerestre, ToolWindowsOpenOverTheMainWindowOrWhereTheyWereLeft) {
    vitramor::InstaleazaAsezareFerestre();
    const QRect zona = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget principala;
    principala.setGeometry(zona.x() + 300, zona.y() + 200, 500, 400);
    principala.show();
    for (const bool asezata : {false, true}) {
        QWidget w(&principala, Qt::Window);
        w.resize(200, 100);
        if (asezata) w.move(zona.topLeft() + QPoint(20, 20));
        w.show();
        QApplication::processEvents();
        EXPECT_EQ(w.frameGeometry().contains(principala.frameGeometry().center()), !asezata);
        EXPECT_TRUE(!asezata || w.pos() == zona.topLeft() + QPoint(20, 20));
    }
}
