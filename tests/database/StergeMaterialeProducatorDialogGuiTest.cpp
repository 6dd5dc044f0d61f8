
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "database/DialogControls.h"
#include "database/GlassDirFixture.h"
#include "database/ListaSticleUi.h"
#include "database/ProducatoriHelpers.h"
#include "database/StergeMaterialeProducatorDialog.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct DeleteDialog : GlassDirFixture {
    const std::string original = databaseOf({namedRecord("A", 2), namedRecord("B", 10), namedRecord("C", 16),
                                             namedRecord("D", 3)});
    DeleteDialog() { writeDb(original); }
};

}  // namespace

TEST_F(DeleteDialog, OpensOnTheCurrentProducerWithTheProducerNames) {
    StergeMaterialeProducatorDialog dialog(nullptr, 10);
    auto* combo = Control<QComboBox>(dialog, 1097);
    ASSERT_EQ(combo->count(), 15);
    EXPECT_EQ(combo->itemText(10), "Evaporation");
    EXPECT_EQ(combo->currentIndex(), 10);
    EXPECT_TRUE(Control<QCheckBox>(dialog, 101)->isChecked());

    // The producer table's names come first; codes above 15 select 15.
    storeProducer(20, "Nou", "");
    StergeMaterialeProducatorDialog cuTabel(nullptr, 20);
    combo = Control<QComboBox>(cuTabel, 1097);
    ASSERT_EQ(combo->count(), 21);
    EXPECT_EQ(combo->itemText(20), "Nou");
    EXPECT_EQ(combo->currentIndex(), 15);
}

TEST_F(DeleteDialog, DeleteWithoutAskingPerMaterialAsksOnceAndStaysOpen) {
    StergeMaterialeProducatorDialog dialog(nullptr, 2);
    dialog.show();
    Control<QComboBox>(dialog, 1097)->setCurrentIndex(10);
    QTest::mouseClick(Control<QCheckBox>(dialog, 101), Qt::LeftButton);
    EXPECT_FALSE(dialog.intreaba());
    EXPECT_EQ(dialog.producatorAles(), 10);

    // Without a question per material, one question for all: No keeps them.
    p.raspunde(raspuns::IDNO);
    QTest::mouseClick(Control<QPushButton>(dialog, 1026), Qt::LeftButton);
    EXPECT_EQ(p.ultima().style, stil::MB_YESNO | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON2);
    EXPECT_EQ(db(), original);
    p.raspunde(raspuns::IDYES);
    QTest::mouseClick(Control<QPushButton>(dialog, 1026), Qt::LeftButton);
    EXPECT_EQ(db(), databaseOf({namedRecord("A", 2), namedRecord("D", 3)}));
    EXPECT_EQ(p.ultima().text.rfind("S-au sters 2 materiale\n", 0), 0u) << p.ultima().text;
    EXPECT_TRUE(dialog.isVisible());

    QTest::mouseClick(Control<QPushButton>(dialog, 1), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(DeleteDialog, GlassListCarriesProducerCodes) {
    QWidget host;
    auto* list = new QListWidget(&host);
    list->setObjectName("1098");
    list->addItem("stale");
    ASSERT_EQ(ListeazaSticleInLista(&host, 1098), 1);
    ASSERT_EQ(list->count(), 4);
    EXPECT_TRUE(list->item(1)->text().startsWith("B\t"));
    EXPECT_EQ(list->item(2)->data(Qt::UserRole).toInt(), 16);
}
