#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "database/GlassDirFixture.h"
#include "database/ListaSticleUi.h"
#include "database/StergeMaterialeProducatorDialog.h"
#include "record/TexteMaterial.h"
#include "suite/Catalix.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct DeleteDialog : GlassDirFixture {
    const std::string original = databaseOf({namedRecord("A", 2), namedRecord("B", 10), namedRecord("C", 16),
                                             namedRecord("D", 3)});
    DeleteDialog() { writeDb(original); }

    template <class T>
    static T* control(QWidget& w, int id) {
        T* c = w.findChild<T*>(QString::number(id));
        EXPECT_NE(c, nullptr) << id;
        return c;
    }
};

}  // namespace

TEST_F(DeleteDialog, OpensOnTheCurrentProducerWithBuiltInNames) {
    StergeMaterialeProducatorDialog dialog(nullptr, 10);
    EXPECT_EQ(dialog.windowTitle(), "Sterge materiale producator");
    auto* combo = control<QComboBox>(dialog, 1097);
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 15);
    for (int code = 0; code < 15; ++code) EXPECT_EQ(combo->itemText(code), NumeProducatorImplicit(code));
    EXPECT_EQ(combo->currentIndex(), 10);
    auto* ask = control<QCheckBox>(dialog, 101);
    ASSERT_NE(ask, nullptr);
    EXPECT_TRUE(ask->isChecked());
    EXPECT_EQ(ask->text(), "Intreaba la fiecare material");
    EXPECT_EQ(control<QPushButton>(dialog, 1)->text(), "OK");
    EXPECT_EQ(control<QPushButton>(dialog, 1026)->text(), "Sterge");
    EXPECT_EQ(control<QPushButton>(dialog, 1023)->text(), "Ajutor");
}

TEST_F(DeleteDialog, DeleteWithoutAskingStaysOpen) {
    StergeMaterialeProducatorDialog dialog(nullptr, 2);
    dialog.show();
    control<QComboBox>(dialog, 1097)->setCurrentIndex(10);
    QTest::mouseClick(control<QCheckBox>(dialog, 101), Qt::LeftButton);
    EXPECT_FALSE(dialog.intreaba());
    EXPECT_EQ(dialog.producatorAles(), 10);

    QTest::mouseClick(control<QPushButton>(dialog, 1026), Qt::LeftButton);
    EXPECT_EQ(db(), databaseOf({namedRecord("A", 2), namedRecord("D", 3)}));
    EXPECT_EQ(p.ultima().text, "S-au sters 2 materiale");
    EXPECT_EQ(p.ultima().caption, "ATENTIE !");
    EXPECT_TRUE(dialog.isVisible());

    QTest::mouseClick(control<QPushButton>(dialog, 1), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(DeleteDialog, AskingAndAnsweringNoDeletesNothing) {
    StergeMaterialeProducatorDialog dialog(nullptr, 10);
    p.raspunde({raspuns::IDNO, raspuns::IDNO});
    dialog.sterge();
    EXPECT_EQ(p.texte(), (std::vector<std::string>{"Stergeti materialul B?", "Stergeti materialul C?",
                                                   "S-a creat fisierul arhiva sticleNou32#_0.dat",
                                                   "S-au sters 0 materiale"}));
    EXPECT_EQ(db(), original);
}

TEST_F(DeleteDialog, ProducerTableNamesComeFirst) {
    tag_ProducatorMatOptic entry{};
    entry.cod = 20;
    std::strcpy(entry.nume, "Nou");
    int index = 0, maxCode = 0;
    ASSERT_EQ(IncarcaProducatoriSticla(nullptr, path_sticle, SalveazaProducator, index, maxCode, entry, nullptr), 1);
    p.casete.clear();

    StergeMaterialeProducatorDialog dialog(nullptr, 20);
    auto* combo = control<QComboBox>(dialog, 1097);
    ASSERT_EQ(combo->count(), 21);
    EXPECT_EQ(combo->itemText(20), "Nou");
    EXPECT_EQ(combo->currentIndex(), 15);  // codes above 15 select 15
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
