#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QScreen>

#include "shell/AsezareFerestre.h"

using namespace vitramor;

TEST(AsezareFerestre, DialogsOpenWholeOnTheScreenAndOverTheirOwner) {
    InstaleazaAsezareFerestre();
    const QRect zona = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget proprietar;
    proprietar.setGeometry(zona.x() + 60, zona.y() + 60, 300, 200);
    proprietar.show();
    struct Caz {
        QPoint pozitie;  // a saved position of another screen, or none
        QSize marime;
    };
    for (const Caz& c : {Caz{{5000, 5000}, {200, 100}}, Caz{{-900, 40}, {200, 100}}, Caz{{0, 0}, zona.size() * 2}}) {
        QDialog d(&proprietar);
        d.resize(c.marime);
        d.move(c.pozitie);
        d.show();
        QApplication::processEvents();
        EXPECT_TRUE(zona.contains(d.frameGeometry())) << c.pozitie.x();
        EXPECT_TRUE(d.frameGeometry().intersects(proprietar.frameGeometry())) << c.pozitie.x();
    }
}
