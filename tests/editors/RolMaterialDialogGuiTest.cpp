// The role dialog driven through its controls: the lists it opens with, the
// description of a chosen role, and adding, clearing and removing roles in
// the record with the questions and refusals the user sees.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "database/DialogControls.h"
#include "editors/RolMaterialDialog.h"
#include "support/PlatformaScriptata.h"
#include "record/SetLucru.h"
#include "settings/Directoare.h"
#include "support/RecordImage.h"
#include "support/TestDir.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class RolDialog : public ::testing::Test {
protected:
    RolDialog() : saved_(path_sticle) {
        path_sticle = d.str();
        d.write("AtributMatSubstrat_ML.txt",
                "; name<TAB>hidden<TAB>description\n"
                "(liber)\t1\tfree slot\n"
                "Substrat\t0\tcoating substrate\n"
                "Lentila\t\tlens material\n"
                "Ascuns\t2\tnot offered\n"
                "Prisma\t0\tprisms\n");
        d.write("AtributMatEvap_ML.txt", "(liber)\t1\nIndice mare (H)\t0\tH layers\n");
    }
    ~RolDialog() override { path_sticle = saved_; }

    static QStringList texts(QListWidget* l) {
        QStringList r;
        for (int i = 0; i < l->count(); ++i) r << l->item(i)->text();
        return r;
    }
    static void click(QWidget& w, int id) { QTest::mouseClick(Control<QPushButton>(w, id), Qt::LeftButton); }
    static void choose(QComboBox* c, int i) {
        c->setCurrentIndex(i);
        Q_EMIT c->activated(i);
    }

    TestDir d;
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    MaterialOptic m = namedRecord("N-BK7", 2);
    int modificat = 0;

private:
    std::string saved_;
};

TEST_F(RolDialog, OpensWithTheFreeSlotAndTheOfferedRolesAndNothingChosen) {
    RolMaterialDialog dialog(nullptr, m, modificat);
    EXPECT_EQ(dialog.windowTitle(), "Rol material substrat N-BK7");
    auto* lista = Control<QListWidget>(dialog, 101);
    EXPECT_EQ(texts(lista), QStringList{"(liber)"});
    EXPECT_TRUE(lista->selectedItems().isEmpty());
    auto* roluri = Control<QComboBox>(dialog, 102);
    ASSERT_EQ(roluri->count(), 3);
    EXPECT_EQ(roluri->itemText(1), "Lentila");  // an empty second column is offered too
    EXPECT_EQ(roluri->itemText(2), "Prisma");
    EXPECT_EQ(roluri->itemData(2).toInt(), 4);
    EXPECT_EQ(roluri->currentIndex(), -1);
    EXPECT_TRUE(p.casete.empty());

    // An evaporation material takes its roles from its own file.
    MaterialOptic e = namedRecord("TiO2", 10);
    RolMaterialDialog evaporare(nullptr, e, modificat);
    EXPECT_EQ(Control<QComboBox>(evaporare, 102)->itemText(0), "Indice mare (H)");
    EXPECT_EQ(evaporare.windowTitle(), "Rol material de evaporare TiO2");
}

TEST_F(RolDialog, AddingAChosenRoleWritesTheRecordAndRefusesItTwice) {
    RolMaterialDialog dialog(nullptr, m, modificat);
    auto* roluri = Control<QComboBox>(dialog, 102);
    click(dialog, 1114);  // nothing chosen yet: role 0 meets the free slot
    EXPECT_EQ(p.ultima().text, "Rolul deja exista");
    EXPECT_EQ(modificat, 0);

    choose(roluri, 2);
    EXPECT_EQ(Control<QPlainTextEdit>(dialog, 1033)->toPlainText(), "prisms");
    click(dialog, 1114);
    choose(roluri, 1);
    EXPECT_EQ(Control<QPlainTextEdit>(dialog, 1033)->toPlainText(), "lens material");
    click(dialog, 1114);
    EXPECT_EQ(bytesOf(m).substr(2112, 4), std::string("\x04\x02\x00\x00", 4));
    EXPECT_EQ(modificat, 1);
    EXPECT_EQ(texts(Control<QListWidget>(dialog, 101)), (QStringList{"Prisma", "Lentila", "(liber)"}));

    p.casete.clear();
    click(dialog, 1114);
    EXPECT_EQ(p.texte(), std::vector<std::string>{"Rolul deja exista"});
}

TEST_F(RolDialog, RemovingNeedsASelectionAndAYes) {
    m.roluri[0] = 1;
    m.roluri[1] = 2;
    m.roluri[2] = 4;
    RolMaterialDialog dialog(nullptr, m, modificat);
    auto* lista = Control<QListWidget>(dialog, 101);
    EXPECT_EQ(texts(lista), (QStringList{"Substrat", "Lentila", "Prisma", "(liber)"}));

    click(dialog, 1026);
    EXPECT_EQ(p.ultima().text, "Mai intai selectati un rol din lista");

    lista->item(1)->setSelected(true);
    p.raspunde(raspuns::IDNO);
    click(dialog, 1026);
    EXPECT_EQ(p.ultima().text, "Stergeti rolul \" Lentila \" ?");
    EXPECT_EQ(p.ultima().style, 4u | stil::MB_DEFBUTTON2);
    EXPECT_EQ(modificat, 0);

    p.raspunde(raspuns::IDYES);
    click(dialog, 1026);
    EXPECT_EQ(bytesOf(m).substr(2112, 4), std::string("\x01\x04\x00\x00", 4));
    EXPECT_EQ(modificat, 1);
    EXPECT_EQ(texts(lista), (QStringList{"Substrat", "Prisma", "(liber)"}));
    EXPECT_TRUE(lista->selectedItems().isEmpty());
}

TEST_F(RolDialog, ResetClearsEveryRoleAfterTheQuestion) {
    m.roluri[0] = 1;
    m.roluri[1] = 9;  // the file has no data line 9
    RolMaterialDialog dialog(nullptr, m, modificat);
    EXPECT_EQ(texts(Control<QListWidget>(dialog, 101)), (QStringList{"Substrat", "????????", "(liber)"}));
    EXPECT_EQ(p.ultima().text, "In fisier AtributMatSubstrat_ML.txt nu exista inregistrarea 9");

    p.raspunde(raspuns::IDNO);
    click(dialog, 1085);
    EXPECT_EQ(p.ultima().text, "Stergeti rolurile materialului ?");
    EXPECT_EQ(p.ultima().style, 36u | stil::MB_DEFBUTTON2);
    EXPECT_EQ(m.roluri[1], 9);

    p.raspunde(raspuns::IDYES);
    click(dialog, 1085);
    EXPECT_EQ(bytesOf(m).substr(2112, 4), std::string(4, '\0'));
    EXPECT_EQ(modificat, 1);
    EXPECT_EQ(texts(Control<QListWidget>(dialog, 101)), QStringList{"(liber)"});
}

TEST_F(RolDialog, TheCommandWorksOnTheCurrentMaterialOfTheWorkingSet) {
    SetLucru& set = setLucru();
    const SetLucru inainte = set;
    set.materiale = {namedRecord("A"), namedRecord("B")};
    set.materialCurent = 1;
    set.modificat = 0;
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<RolMaterialDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        auto* roluri = d->findChild<QComboBox*>("102");
        roluri->setCurrentIndex(0);
        Q_EMIT roluri->activated(0);
        d->adauga();
        d->accept();
    });
    ComandaRolMaterial(nullptr);
    EXPECT_EQ(set.materiale[1].roluri[0], 1);
    EXPECT_EQ(set.materiale[0].roluri[0], 0);
    EXPECT_EQ(set.modificat, 1);
    set = inainte;
}

}  // namespace
