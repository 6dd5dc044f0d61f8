#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include "suite/UnitatiDialog.h"

namespace vitramor {
namespace {

// Hand-worked conversions: 8 x 16 (the classic system font) gives two pixels
// per unit; with 7 x 15 a quarter is 1.75 and an eighth 1.875 pixels, which
// round to the nearest pixel, halves away from zero on both sides.
TEST(UnitatiDialog, UnitsRoundToTheNearestPixelHalvesAway) {
    const struct {
        int bazaX, bazaY, unitati, x, y;
    } cazuri[] = {
        {8, 16, 4, 8, 8},  {8, 16, 274, 548, 548}, {7, 15, 1, 2, 2}, {7, 15, 2, 4, 4},  // 1.75, 3.5
        {7, 15, 3, 5, 6},  {7, 15, 4, 7, 8},       {7, 15, 5, 9, 9}, {7, 15, 100, 175, 188},
        {7, 15, -2, -4, -4},
    };
    for (const auto& c : cazuri) {
        const UnitatiDialog u(c.bazaX, c.bazaY);
        EXPECT_EQ(u.x(c.unitati), c.x) << c.bazaX << " " << c.unitati;
        EXPECT_EQ(u.y(c.unitati), c.y) << c.bazaY << " " << c.unitati;
    }
    EXPECT_EQ(UnitatiDialog(8, 16).dreptunghi(10, 20, 30, 14), QRect(20, 40, 60, 28));
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
    QWidget parinte;
    auto* camp = new QWidget(&parinte);
    UnitatiDialog(6, 13).plaseaza(camp, 50, 6, 40, 10);
    EXPECT_EQ(camp->geometry(), QRect(75, 10, 60, 16));
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

    // A fixed-pitch font's letters are all as wide as "M", so the 52 letters measure 52 of them.
    const QFont fix = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontInfo(fix).fixedPitch()) {
        EXPECT_EQ(latimeMedieCaracter(fix), QFontMetrics(fix).horizontalAdvance(QLatin1Char('M')));
    }
}

// No stop leaves the default of 32 units, one repeats, several stand where asked.
TEST(UnitatiDialog, TabStopsInDialogUnits) {
    const UnitatiDialog u(8, 16);
    QPlainTextEdit unul;
    u.tabulatori(&unul, {50});
    EXPECT_DOUBLE_EQ(unul.tabStopDistance(), 100.0);
    EXPECT_TRUE(unul.document()->defaultTextOption().tabArray().isEmpty());
    u.tabulatori(&unul, {});
    EXPECT_DOUBLE_EQ(unul.tabStopDistance(), 64.0);
    QTextEdit mai;
    u.tabulatori(&mai, {50, 100, 150, 200});
    EXPECT_EQ(mai.document()->defaultTextOption().tabArray(), (QList<qreal>{100, 200, 300, 400}));
    EXPECT_DOUBLE_EQ(mai.tabStopDistance(), 100.0);
}

}  // namespace
}  // namespace vitramor
