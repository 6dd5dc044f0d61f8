#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "import/ImportaIntreMaterialeDialog.h"
#include "support/PlatformaScriptata.h"
#include "platform/FerestreMaterialUi.h"
#include "support/RecordImage.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class FereastraIndici : public FereastraMaterial {
public:
    using FereastraMaterial::FereastraMaterial;
    void reimprospateaza() override { ++reimprospatari; }
    int reimprospatari = 0;
};

MaterialOptic CuIndici(const char* nume, double n) {
    MaterialOptic m = namedRecord(nume, 2);
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        m.lambda_indici[i] = 400.0f + 10.0f * static_cast<float>(i);
        m.indice_n[i] = n;
    }
    m.ec_dispersie_n = 2;
    m.coef_disp_n[0] = n;
    return m;
}

struct ImportDialog : ::testing::Test {
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    SetLucru& set = setLucru();  // the editor windows belong to the application's materials

    ImportDialog() {
        set = SetLucru{};
        set.materiale = {CuIndici("N-BK7", 1.5), CuIndici("F2", 1.6), CuIndici("SF6", 1.8)};
        set.materialCurent = 1;
    }
    ~ImportDialog() override {
        ferestreMaterial().inchideToate();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        set = SetLucru{};
    }

    static QListWidget* lista(QWidget& d) { return d.findChild<QListWidget*>("1066"); }
    static QPushButton* importa(QWidget& d) { return d.findChild<QPushButton*>("1065"); }
    static void alege(QWidget& d, int rand) {
        QListWidget* l = lista(d);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(rand)).center());
    }
};

}  // namespace

TEST_F(ImportDialog, OpensWithNothingChosenAndRefusesTheCurrentMaterial) {
    ImportaIntreMaterialeDialog d(nullptr, 40057, set);
    ASSERT_EQ(lista(d)->count(), 3);
    EXPECT_EQ(lista(d)->item(2)->text(), "SF6");
    EXPECT_FALSE(importa(d)->isEnabled());
    EXPECT_EQ(d.sursa(), -1);
    d.show();
    alege(d, 1);
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.ultima().text, "Alegeti o sticla diferita");
    EXPECT_FALSE(importa(d)->isEnabled());
    EXPECT_TRUE(lista(d)->selectedItems().isEmpty());
    EXPECT_EQ(d.sursa(), -1);

    // A valid choice, then the current one again: the earlier choice is gone.
    alege(d, 0);
    EXPECT_TRUE(importa(d)->isEnabled());
    EXPECT_EQ(d.sursa(), 0);
    alege(d, 1);
    EXPECT_EQ(p.casete.size(), 2u);
    EXPECT_FALSE(importa(d)->isEnabled());
    EXPECT_EQ(d.sursa(), -1);
}

TEST_F(ImportDialog, ImportOfIndicesRefreshesTheOpenIndexWindows) {
    auto* n = static_cast<FereastraIndici*>(ferestreMaterial().deschide(
        TipEditor::IndiciN, 1, [] { return new FereastraIndici(TipEditor::IndiciN, 1); }));
    auto* k = static_cast<FereastraIndici*>(ferestreMaterial().deschide(
        TipEditor::IndiciK, 1, [] { return new FereastraIndici(TipEditor::IndiciK, 1); }));
    auto* alta = static_cast<FereastraIndici*>(ferestreMaterial().deschide(
        TipEditor::IndiciN, 2, [] { return new FereastraIndici(TipEditor::IndiciN, 2); }));

    ImportaIntreMaterialeDialog d(nullptr, 40057, set);
    d.show();
    alege(d, 2);
    p.raspunde(raspuns::IDYES);
    QTest::mouseClick(importa(d), Qt::LeftButton);
    EXPECT_EQ(p.ultima().text, "Importati n,k din SF6 in F2");
    EXPECT_EQ(set.curent().indice_n[39], 1.8);
    EXPECT_EQ(set.curent().indice_n[40], 1.6);
    EXPECT_EQ(set.curent().coef_disp_n[0], 1.6);
    EXPECT_EQ(set.modificat, 1);
    EXPECT_EQ(n->reimprospatari, 1);
    EXPECT_EQ(k->reimprospatari, 1);
    EXPECT_EQ(alta->reimprospatari, 0);
    EXPECT_TRUE(d.isVisible());  // stays open for another import
}

