
#include <QLineEdit>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "database/DialogControls.h"
#include "database/GlassDirFixture.h"
#include "database/ProducatoriHelpers.h"
#include "database/ProducatoriDialog.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct ProducersDialog : GlassDirFixture {
    // The table exists before the dialog opens on it.
    bool seed() {
        storeProducer(3, "Hoya", "/cat/hoya");
        storeProducer(20, "Nou", "/cat/nou");
        p.casete.clear();
        return true;
    }
    template <class T>
    T* control(int id) { return Control<T>(dialog, id); }
    QListWidget* list() { return control<QListWidget>(101); }
    QLineEdit* name() { return control<QLineEdit>(1079); }
    QLineEdit* code() { return control<QLineEdit>(1097); }
    QLineEdit* dir() { return control<QLineEdit>(103); }
    void click(int id) { QTest::mouseClick(control<QPushButton>(id), Qt::LeftButton); }


    bool seeded = seed();
    ProducatoriDialog dialog{nullptr};
};

}  // namespace

TEST_F(ProducersDialog, OpensWithTheTableAndItsControls) {
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->item(0)->text(), " 3\tHoya\t/cat/hoya");
    const QAbstractItemModel* antet = dialog.findChild<QHeaderView*>("antet101")->model();
    EXPECT_EQ(antet->headerData(1, Qt::Horizontal).toString(), "Producator");
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_EQ(code()->text(), "0");
    EXPECT_EQ(name()->maxLength(), 15);  // the record's name field
}

TEST_F(ProducersDialog, ChangedEntryIsOfferedWhenAnotherRowIsClicked) {
    dialog.show();
    list()->setCurrentRow(0);
    EXPECT_EQ(name()->text(), "Hoya");
    EXPECT_EQ(code()->text(), "3");
    EXPECT_EQ(dir()->text(), "/cat/hoya");

    Type(name(), "Hoya Optics");
    p.raspunde(raspuns::IDYES);
    list()->setCurrentRow(1);
    EXPECT_EQ(numberedMessages(p), std::vector<int>{205});
    EXPECT_EQ(producerTable()[0], " 3\tHoya Optics\t/cat/hoya");
    EXPECT_EQ(list()->item(0)->text(), " 3\tHoya Optics\t/cat/hoya");
    EXPECT_EQ(name()->text(), "Nou");
    EXPECT_EQ(list()->currentRow(), 1);
}

TEST_F(ProducersDialog, CreateBrowseAndInclude) {
    dialog.show();
    click(1069);
    EXPECT_EQ(code()->text(), "21");
    EXPECT_EQ(name()->text(), "?");
    EXPECT_EQ(dir()->text(), QString::fromStdString(path_sticle));
    EXPECT_TRUE(list()->selectedItems().isEmpty());

    Type(name(), "Schott");
    p.directoareAlese.push_back(std::string("/cat/schott"));
    click(1073);
    EXPECT_EQ(dir()->text(), "/cat/schott");

    click(1070);
    EXPECT_EQ(producerTable().back(), "21\tSchott\t/cat/schott");
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->currentRow(), 2);
    EXPECT_TRUE(numberedMessages(p).empty());
}
