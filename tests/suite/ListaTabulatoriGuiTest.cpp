#include <gtest/gtest.h>

#include <QHeaderView>
#include <QImage>
#include <QListWidget>
#include <QTest>
#include <QVBoxLayout>

#include "suite/ListaTabulatoriUi.h"
#include "suite/UnitatiDialog.h"

namespace vitramor {
namespace {

// Where the columns of a drawn line begin, found in the picture: the left
// edge of each run of dark pixel columns.
std::vector<int> InceputuriColoane(QWidget& fereastra, QListWidget* lista) {
    const QImage img = fereastra.grab().toImage();
    const QRect rand = lista->visualItemRect(lista->item(0)).translated(lista->viewport()->mapTo(&fereastra, QPoint()));
    std::vector<int> inceputuri;
    bool inText = false;
    for (int x = rand.left(); x <= rand.right(); ++x) {
        bool inchis = false;
        for (int y = rand.top(); y <= rand.bottom(); ++y) inchis = inchis || qGray(img.pixel(x, y)) < 128;
        if (inchis && !inText) inceputuri.push_back(x);
        inText = inchis;
    }
    return inceputuri;
}

// Stops at 18 and 100 units of 8 x 16 (36 and 200 pixels), then every 82
// units (164 pixels): the fourth column at 328. Each header section starts
// where its column does, above the list in a box layout and in a window
// laid out by hand.
TEST(ListaTabulatori, ColumnsStartAtTheirStopsAndTheHeaderSectionsWithThem) {
    for (const bool cutie : {true, false}) {
        SCOPED_TRACE(cutie ? "box layout" : "by hand");
        QWidget fereastra;
        fereastra.resize(500, 200);
        auto* lista = new QListWidget(&fereastra);
        lista->setObjectName(QStringLiteral("101"));
        if (cutie)
            (new QVBoxLayout(&fereastra))->addWidget(lista);
        else
            lista->setGeometry(10, 20, 480, 150);
        lista->addItem(QStringLiteral("W\tW\tW\tW"));
        SeteazaTabulatoriLista(lista, UnitatiDialog(8, 16), {18, 100});
        QHeaderView* antet = SeteazaAntetLista(lista, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        ASSERT_NE(antet, nullptr);
        EXPECT_EQ(antet->objectName(), "antet101");
        fereastra.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fereastra));
        EXPECT_EQ(antet->geometry().bottom() + 1, lista->y());
        EXPECT_EQ(antet->x(), lista->x());
        if (!cutie) {
            EXPECT_EQ(lista->geometry(), QRect(10, 20 + antet->height(), 480, 150 - antet->height()));
        }
        const std::vector<int> x = InceputuriColoane(fereastra, lista);
        ASSERT_EQ(x.size(), 4u);
        const int pozitii[] = {0, 36, 200, 328};
        for (int k = 1; k < 4; ++k) EXPECT_NEAR(x[k] - x[0], pozitii[k], 1) << k;
        for (int k = 1; k < 3; ++k) EXPECT_NEAR(x[k], antet->x() + antet->sectionPosition(k), 1) << k;
    }
}

}  // namespace
}  // namespace vitramor
