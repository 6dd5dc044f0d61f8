#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include "suite/DialogUnits.h"

namespace vitramor {
namespace {

// Base units 8 x 16 are those of the classic Windows system font, for which
// the layout numbers below were worked out by hand.
TEST(UnitatiDialog, ClassicBaseUnitsGiveTwoPixelsPerUnit) {
    const UnitatiDialog u(8, 16);
    EXPECT_EQ(u.x(4), 8);
    EXPECT_EQ(u.y(8), 16);
    EXPECT_EQ(u.punct(15, 23), QPoint(30, 46));
    EXPECT_EQ(u.dimensiune(274, 200), QSize(548, 400));
    EXPECT_EQ(u.dreptunghi(10, 20, 30, 14), QRect(20, 40, 60, 28));
}

// With 7 x 15 the quarter and eighth are fractions: 1.75 and 1.875 pixels.
TEST(UnitatiDialog, FractionalUnitsRoundToTheNearestPixelHalvesAway) {
    const UnitatiDialog u(7, 15);
    const int asteptatX[] = {0, 2, 4, 5, 7, 9, 11, 12, 14};  // n * 7 / 4: .75 up, 3.5 -> 4, 5.25 down
    for (int n = 0; n < 9; ++n) EXPECT_EQ(u.x(n), asteptatX[n]) << n;
    EXPECT_EQ(u.y(1), 2);    // 1.875
    EXPECT_EQ(u.y(4), 8);    // 7.5
    EXPECT_EQ(u.y(3), 6);    // 5.625
    EXPECT_EQ(u.x(-2), -4);  // -3.5 rounds away from zero, like the positive side
    EXPECT_EQ(u.x(100), 175);
}

TEST(UnitatiDialog, RectanglesConvertTheirCornersSoNeighboursStillTouch) {
    const UnitatiDialog u(7, 15);
    // Corners (1,1) and (3,4) in units: (2,2) and (5,8) in pixels.
    EXPECT_EQ(u.dreptunghi(1, 1, 2, 3), QRect(2, 2, 3, 6));
    // Cells of 7 units side by side, as the editors lay out their tables.
    for (int i = 0; i < 10; ++i) {
        const QRect a = u.dreptunghi(7 * i, 0, 7, 10);
        const QRect b = u.dreptunghi(7 * (i + 1), 0, 7, 10);
        EXPECT_EQ(a.right() + 1, b.left()) << i;
    }
}

TEST(UnitatiDialog, ControlIsPlacedOnItsRectangle) {
    const UnitatiDialog u(6, 13);
    QWidget parinte;
    auto* camp = new QWidget(&parinte);
    u.plaseaza(camp, 50, 6, 40, 10);
    EXPECT_EQ(camp->geometry(), u.dreptunghi(50, 6, 40, 10));
    EXPECT_EQ(camp->geometry(), QRect(75, 10, 60, 16));
    u.plaseaza(nullptr, 0, 0, 1, 1);  // a missing control is ignored
}

TEST(UnitatiDialog, AverageWidthOfAFixedPitchFontIsItsCharacterWidth) {
    const QFont fix = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(fix).fixedPitch()) GTEST_SKIP() << "no fixed-pitch font installed";
    // Every letter is as wide as "M", so the 52 letters measure 52 of them.
    EXPECT_EQ(latimeMedieCaracter(fix), QFontMetrics(fix).horizontalAdvance(QLatin1Char('M')));
}

TEST(UnitatiDialog, ApplicationUnitsComeFromTheApplicationFont) {
    const UnitatiDialog& u = remasoaraUnitatiDialog();
    const QFontMetrics fm(QApplication::font());
    EXPECT_EQ(u.x(4), latimeMedieCaracter(QApplication::font()));
    EXPECT_EQ(u.y(8), fm.height());
    // A proportional font's average lies between its narrowest and widest letters.
    EXPECT_GE(u.bazaX(), fm.horizontalAdvance(QLatin1Char('i')));
    EXPECT_LE(u.bazaX(), fm.horizontalAdvance(QLatin1Char('W')));
    EXPECT_GT(u.bazaY(), u.bazaX());
    EXPECT_EQ(&unitatiDialog(), &u);
}

TEST(UnitatiDialog, OneTabStopRepeatsEveryThatManyUnits) {
    const UnitatiDialog u(8, 16);
    QPlainTextEdit text;
    u.tabulatori(&text, {50});
    EXPECT_DOUBLE_EQ(text.tabStopDistance(), 100.0);
    EXPECT_TRUE(text.document()->defaultTextOption().tabArray().isEmpty());
    u.tabulatori(&text, {});
    EXPECT_DOUBLE_EQ(text.tabStopDistance(), 64.0);  // the default 32 units
}

TEST(UnitatiDialog, SeveralTabStopsStandWhereTheyAreAsked) {
    const UnitatiDialog u(8, 16);
    QTextEdit text;
    u.tabulatori(&text, {50, 100, 150, 200, 250, 300, 350});
    const QList<qreal> pozitii = text.document()->defaultTextOption().tabArray();
    EXPECT_EQ(pozitii, (QList<qreal>{100, 200, 300, 400, 500, 600, 700}));
    EXPECT_DOUBLE_EQ(text.tabStopDistance(), 100.0);
}

}  // namespace
}  // namespace vitramor
