
#include <algorithm>

#include <QComboBox>
#include <QLineEdit>
#include <QHeaderView>
#include <QTableWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "database/CategorieImportDialog.h"
#include "database/CategoriiMaterial.h"
#include "database/DialogControls.h"
#include "support/ModalDriver.h"
#include "database/GlassDirFixture.h"
#include "database/PuneCategorieDialog.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct CategoryDialog : GlassDirFixture {
    bool seed() {
        d.write("CategoriiMaterial.txt", "Crown\nFlint\nLaser\n");
        writeDb(databaseOf({withCategory("BK7", 2, 0), withCategory("F2", 2, 1), withCategory("N-BK10", 3, 0),
                            withCategory("BK7", 2, 0)}));
        return true;
    }
    bool seeded = seed();
    PuneCategorieDialog dialog{nullptr};

    template <class T>
    T* control(int id) { return Control<T>(dialog, id); }
    QTableWidget* list() { return control<QTableWidget>(1066); }
    QString row(int r) {
        QStringList t;
        for (int c = 0; c < list()->columnCount(); ++c) t << list()->item(r, c)->text();
        return t.join('\t');
    }
    // As a click does it, including nothing at all on a disabled control.
    void click(int id) { control<QAbstractButton>(id)->click(); }
    // The category word (offset 20) of every record of the database file.
    std::vector<int> categories() const {
        const std::string bytes = db();
        std::vector<int> c;
        for (std::size_t off = 0; off + MarimeMaterialOptic <= bytes.size(); off += MarimeMaterialOptic)
            c.push_back(static_cast<unsigned char>(bytes[off + 20]) | static_cast<unsigned char>(bytes[off + 21]) << 8);
        return c;
    }
    bool enabled(int id) { return control<QWidget>(id)->isEnabled(); }
    // Enabled state of "Pune categoria", search edit, "Revers", "Deselecteaza", "Selecteaza".
    std::vector<bool> states() { return {enabled(1099), enabled(1118), enabled(1116), enabled(1117), enabled(1114)}; }
    std::vector<int> selectedRows() {
        std::vector<int> rows;
        for (const QModelIndex& i : list()->selectionModel()->selectedRows()) rows.push_back(i.row());
        std::sort(rows.begin(), rows.end());
        return rows;
    }
};

using B = std::vector<bool>;

}  // namespace

TEST_F(CategoryDialog, OpensWithTheGlassListAndEverythingOff) {
    dialog.show();
    ASSERT_EQ(list()->rowCount(), 4);
    EXPECT_EQ(row(1), "F2\tShott Mainz\tFlint");
    // Every column as wide as its longest text.
    for (int c = 0; c < 2; ++c)
        EXPECT_GE(list()->columnWidth(c), list()->fontMetrics().horizontalAdvance(list()->item(1, c)->text())) << c;
    EXPECT_EQ(list()->selectionMode(), QAbstractItemView::MultiSelection);
    auto* combo = control<QComboBox>(108);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(dialog.mod(), FaraSelectie);
    EXPECT_EQ(states(), (B{false, false, false, false, false}));
    EXPECT_TRUE(enabled(1113));
}

TEST_F(CategoryDialog, TotThenSelecteazaThenPuneCategoria) {
    dialog.show();
    click(1113);
    EXPECT_EQ(dialog.mod(), SelectieTot);
    click(1114);
    EXPECT_EQ(selectedRows(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(states(), (B{true, false, true, true, true}));

    control<QComboBox>(108)->setCurrentIndex(2);
    click(1099);
    EXPECT_EQ(categories(), (std::vector<int>{2, 2, 2, 2}));
    EXPECT_EQ(p.ultima().text, "4 materiale au primit categoria \"Laser\".");
    // The list shows the rewritten file, and the button is done for this opening.
    EXPECT_EQ(row(0), "BK7\tShott Mainz\tLaser");
    EXPECT_TRUE(selectedRows().empty());
    click(1114);
    EXPECT_EQ(states(), (B{false, false, true, true, true}));
    EXPECT_TRUE(dialog.categoriePusa());
}

TEST_F(CategoryDialog, SearchThenRevers) {
    dialog.show();
    click(1115);
    QTest::keyClicks(control<QLineEdit>(1118), "BK");
    EXPECT_EQ(states(), (B{false, true, false, false, true}));  // the typed text enables "Selecteaza"
    click(1114);
    EXPECT_EQ(selectedRows(), (std::vector<int>{0, 2, 3}));

    click(1116);
    EXPECT_EQ(dialog.mod(), SelectieRevers);
    click(1114);
    EXPECT_EQ(selectedRows(), std::vector<int>{1});

    // One of the duplicate rows clicked by hand: the first of them decides
    // for both records.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(0, 0)).center());
    EXPECT_EQ(selectedRows(), (std::vector<int>{0, 1}));
    control<QComboBox>(108)->setCurrentIndex(2);
    click(1099);
    EXPECT_EQ(categories(), (std::vector<int>{2, 2, 0, 2}));
    // Only the materials whose category was another one count as changed.
    EXPECT_EQ(p.ultima().text, "3 materiale au primit categoria \"Laser\".");
}

// The category of an import: asked only when the file has no "Crown" and
// "Flint", and given only once the user has chosen one.
TEST_F(CategoryDialog, AnImportAsksForItsCategoryOnlyWhenTheFileCannotDecide) {
    EXPECT_EQ(AlegeCategorieImport(nullptr, d.str()), -1);
    d.write("CategoriiMaterial.txt", "; c\nLaser\n#x\nCristal\n");
    DriverModal alege({[](QWidget* w) {
        auto* ok = w->findChild<QPushButton*>("ok");
        EXPECT_FALSE(ok->isEnabled());
        auto* combo = w->findChild<QComboBox*>("categorie");
        ASSERT_EQ(combo->count(), 2);
        combo->setCurrentIndex(1);
        ok->click();
    }});
    EXPECT_EQ(AlegeCategorieImport(nullptr, d.str()), 1);
    DriverModal renunta({[](QWidget* w) { w->findChild<QPushButton*>("cancel")->click(); }});
    EXPECT_EQ(AlegeCategorieImport(nullptr, d.str()), -2);
}
