
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <cstring>

#include "database/DialogControls.h"
#include "database/GlassDirFixture.h"
#include "database/NumeDialog.h"
#include "database/NumeMaterial.h"
#include "record/SetLucru.h"
#include "platform/FerestreMaterialUi.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class MechanicalWindow : public FereastraMaterial {
public:
    MechanicalWindow(int index, int* cancelled) : FereastraMaterial(TipEditor::Mecanic, index), cancelled_(cancelled) {}
    void reimprospateaza() override {}
    void anuleaza() override {
        ++*cancelled_;
        FereastraMaterial::anuleaza();
    }

private:
    int* cancelled_;
};

struct NameDialog : GlassDirFixture {
    bool seed() {
        // The "#" line is no entry, for the combo as for the list lines.
        d.write("CategoriiMaterial.txt", "; categorii\nCrown\n#retras\nFlint\n");
        MaterialOptic other = namedRecord("Other", 2);
        MaterialOptic m = namedRecord("BK7", 2);
        std::memcpy(m.cod, "517642", 6);
        m.tip_material = 1;
        m.stas = 4;
        m.pret_relativ = 17;
        m.categorie = 1;
        setLucru() = SetLucru{};
        setLucru().materiale = {other, m};
        setLucru().materialCurent = 1;
        UnitatePret() = 0;
        return true;
    }
    ~NameDialog() override {
        ferestreMaterial().inchideToate();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setLucru() = SetLucru{};
    }

    bool seeded = seed();
    std::vector<std::pair<int, std::string>> renamed;
    NumeDialog dialog{nullptr, [this](int i, const std::string& n) { renamed.emplace_back(i, n); }};

    MaterialOptic& record() { return setLucru().materiale[1]; }

    template <class T>
    T* control(int id) { return Control<T>(dialog, id); }
};

}  // namespace

TEST_F(NameDialog, OpensOnTheCurrentMaterial) {
    EXPECT_EQ(dialog.windowTitle(), "Nume: BK7");
    EXPECT_EQ(control<QLineEdit>(1079)->text(), "BK7");
    EXPECT_EQ(control<QLineEdit>(102)->text(), "517642");
    EXPECT_EQ(control<QLineEdit>(102)->maxLength(), 13);
    EXPECT_EQ(control<QLineEdit>(106)->text(), "1.7");
    EXPECT_EQ(control<QLineEdit>(107)->text(), "0");

    // The combos open on the record's codes.
    for (const auto& [id, current] : {std::pair{103, 1}, {105, 4}, {1097, 2}, {108, 1}})
        EXPECT_EQ(control<QComboBox>(id)->currentIndex(), current) << id;
    EXPECT_EQ(control<QComboBox>(108)->itemText(1), "Flint");
    EXPECT_EQ(setLucru().modificat, 0);
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(NameDialog, NameRenamesTheListRowAndKeepsAllFifteenCharacters) {
    Type(control<QLineEdit>(1079), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(control<QLineEdit>(1079)->text(), "ABCDEFGHIJKLMNO");  // the field takes 15
    // The record keeps them all; the list row follows the record.
    EXPECT_EQ(renamed, (std::vector<std::pair<int, std::string>>{{1, "ABCDEFGHIJKLMNO"}}));
    EXPECT_EQ(setLucru().modificat, 1);
    EXPECT_EQ(std::string(setLucru().materiale[0].nume), "Other");

    // Leaving the field again without a change takes nothing over.
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(control<QLineEdit>(1079), &out);
    EXPECT_EQ(renamed.size(), 1u);
}

TEST_F(NameDialog, PriceOutOfRangeIsRefusedAndShownAgain) {
    Type(control<QLineEdit>(106), "6400.1");
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].numar, 10);
    EXPECT_EQ(control<QLineEdit>(106)->text(), "1.7");
    EXPECT_EQ(record().pret_relativ, 17);
    EXPECT_EQ(setLucru().modificat, 0);

    Type(control<QLineEdit>(106), "6400");
    EXPECT_EQ(record().pret_relativ, 64000);
    EXPECT_EQ(setLucru().modificat, 1);
}

TEST_F(NameDialog, PriceUnitOutlivesTheDialog) {
    Type(control<QLineEdit>(107), "-2");
    EXPECT_EQ(control<QLineEdit>(107)->text(), "0");
    Type(control<QLineEdit>(107), "2.5");
    EXPECT_EQ(p.casete.size(), 1u);
    NumeDialog again(nullptr, {});
    EXPECT_EQ(again.findChild<QLineEdit*>("107")->text(), "2.5");
}

TEST_F(NameDialog, EvaporationProducerClosesTheMechanicalWindow) {
    int cancelled = 0;
    ferestreMaterial().deschide(TipEditor::Mecanic, 1, [&] { return new MechanicalWindow(1, &cancelled); });
    ferestreMaterial().deschide(TipEditor::Mecanic, 0, [&] { return new MechanicalWindow(0, &cancelled); });
    control<QComboBox>(1097)->setCurrentIndex(3);
    EXPECT_EQ(cancelled, 0);
    control<QComboBox>(1097)->setCurrentIndex(10);
    EXPECT_EQ(record().producator, 10);
    EXPECT_EQ(cancelled, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ferestreMaterial().fereastra(TipEditor::Mecanic, 1), nullptr);
    EXPECT_NE(ferestreMaterial().fereastra(TipEditor::Mecanic, 0), nullptr);  // another material's window stays
}

TEST_F(NameDialog, EnterTakesTheTypedCodeOver) {
    dialog.show();
    auto* code = control<QLineEdit>(102);
    code->selectAll();
    QTest::keyClicks(code, "1234567890123");
    QTest::keyClick(code, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(std::string(record().cod), "1234567890123");
}
