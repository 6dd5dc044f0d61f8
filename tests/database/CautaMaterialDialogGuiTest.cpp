// The catalogue library's chooser: filtering by producer and name pattern,
// and loading the chosen material into the caller's record.

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <QTest>

#include "database/GlassDirFixture.h"
#include "database/CautaMaterialDialog.h"
#include "support/ModalDriver.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct CautaMaterialGui : GlassDirFixture {
    CautaMaterialGui() {
        MaterialOptic bk7 = namedRecord("N-BK7", 2);
        bk7.densitate = 2.51f;
        writeDb(databaseOf({bk7, namedRecord("N-SF11", 2), namedRecord("S-BSL7", 6), namedRecord("BK7G18", 2)}));
    }

    static QStringList nume(const QTreeWidget* l) {
        QStringList r;
        for (int i = 0; i < l->topLevelItemCount(); ++i) r << l->topLevelItem(i)->text(0);
        return r;
    }
};

TEST_F(CautaMaterialGui, FiltersByPatternAndProducer) {
    MaterialOptic model = namedRecord("*BK*", 0);
    CautaMaterialDialog d(nullptr, path_sticle, model);
    EXPECT_EQ(nume(d.lista()), (QStringList{"N-BK7", "BK7G18"}));  // every producer, in file order

    d.filtru()->setText(QStringLiteral("*"));
    d.reincarca();
    EXPECT_EQ(d.lista()->topLevelItemCount(), 4);

    d.producatori()->setCurrentIndex(d.producatori()->findData(6));
    EXPECT_EQ(nume(d.lista()), QStringList{"S-BSL7"});
    EXPECT_EQ(d.producatorAles(), 6);

    // An empty name starts with every material.
    MaterialOptic gol = namedRecord("", 0);
    CautaMaterialDialog toate(nullptr, path_sticle, gol);
    EXPECT_EQ(toate.filtru()->text(), QStringLiteral("*"));
    EXPECT_EQ(toate.lista()->topLevelItemCount(), 4);
}

TEST_F(CautaMaterialGui, LoadsTheChosenMaterialOrLeavesTheRecordOnCancel) {
    MaterialOptic m = namedRecord("N-BK7", 0);
    {
        DriverModal driver({[](QWidget* w) {
            auto* d = qobject_cast<CautaMaterialDialog*>(w);
            ASSERT_NE(d, nullptr);
            d->accept();
        }});
        EXPECT_EQ(CautaMaterial(nullptr, d.str(), m), 1);
        EXPECT_TRUE(driver.terminat());
    }
    EXPECT_FLOAT_EQ(m.densitate, 2.51f);
    EXPECT_EQ(m.producator, 2);

    MaterialOptic neatins = namedRecord("N-SF11", 0);
    DriverModal driver({[](QWidget* w) { static_cast<QDialog*>(w)->reject(); }});
    EXPECT_EQ(CautaMaterial(nullptr, d.str(), neatins), 2);
    EXPECT_EQ(neatins.producator, 0);
}

}  // namespace
