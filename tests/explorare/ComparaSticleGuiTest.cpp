// The comparison dialog and window, offscreen, on a working set of their own.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QPushButton>

#include "explorare/ComparaSticleDialog.h"
#include "explorare/ComparaSticleWindow.h"
#include "support/PlatformaScriptata.h"
#include "support/RecordImage.h"

using namespace vitramor;

namespace {

class ComparaGui : public ::testing::Test {
protected:
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    SetLucru set;
    ComparaGui() {
        for (const char* n : {"N-BK7", "F2", "N-SF6"}) {
            MaterialOptic m = test::namedRecord(n);
            m.lambda_indici[0] = 587.56f;
            m.indice_n[0] = n[0] == 'F' ? 1.62004 : 1.5168;
            set.materiale.push_back(m);
        }
        // What the other contents compare: N-BK7's transmittance and Tg, both densities.
        set.materiale[0].lambda_Ti[0] = 400;
        set.materiale[0].transmisia_interna[0] = 0.01f;
        set.materiale[0].temperaturi[0] = 557;
        set.materiale[0].densitate = 2.51f;
        set.materiale[2].densitate = 3.37f;
        cerereComparare() = CerereComparare{};
    }
    ~ComparaGui() override {
        if (ComparaSticleWindow* w = FereastraComparaSticle()) delete w;
    }
    void selecteaza(ComparaSticleDialog& d, std::initializer_list<int> randuri) {
        for (int r : randuri) d.lista()->item(r)->setSelected(true);
    }
};

// A row as the user reads it: the cells apart by tabs, none after the last value.
QString Rand(const ComparaSticleWindow* w, int r) {
    QStringList celule;
    for (int c = 0; c < w->tabel()->columnCount(); ++c)
        celule << (w->tabel()->item(r, c) ? w->tabel()->item(r, c)->text() : QString());
    while (!celule.isEmpty() && celule.back().isEmpty()) celule.removeLast();
    return celule.join(QLatin1Char('\t'));
}

}  // namespace

TEST_F(ComparaGui, CompareNeedsTwoSelectedAndOpensOneWindow) {
    ComparaSticleDialog d(nullptr, set);
    EXPECT_FALSE(d.butonCompara()->isEnabled());
    selecteaza(d, {1});
    EXPECT_FALSE(d.butonCompara()->isEnabled());
    d.compara();
    EXPECT_EQ(p.beepuri, 1);
    EXPECT_EQ(FereastraComparaSticle(), nullptr);

    selecteaza(d, {0});
    ASSERT_TRUE(d.butonCompara()->isEnabled());
    d.butonCompara()->click();
    ComparaSticleWindow* w = FereastraComparaSticle();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Compara sticle optice");
    // List order, not the order of the clicks.
    EXPECT_EQ(w->header()->model()->headerData(1, Qt::Horizontal).toString(), "N-BK7");
    EXPECT_EQ(w->header()->model()->headerData(2, Qt::Horizontal).toString(), "F2");
    EXPECT_EQ(Rand(w, 1), "587.56\t1.5168\t1.62004");

    // Dragging a divider widens the column in the request; a second
    // comparison replaces the window.
    w->header()->resizeSection(1, 160);
    EXPECT_EQ(cerereComparare().latimi[1], 160);
    ComparaSticleDialog d2(nullptr, set);
    selecteaza(d2, {0, 2});
    d2.findChild<QCheckBox*>(QString::number(IdIndici))->setChecked(false);
    for (int id : {IdTransmisie, IdMecanic, IdTermic}) d2.findChild<QCheckBox*>(QString::number(id))->setChecked(true);
    d2.findChild<QLineEdit*>(QString::number(IdGrosimeComparare))->setText("5");
    d2.compara();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FereastraComparaSticle()->header()->count(), 3);
    // What was ticked and only that: the transmittance at the chosen
    // thickness, the mechanical and the thermal rows, no indices.
    QStringList linii;
    for (int i = 0; i < FereastraComparaSticle()->tabel()->rowCount(); ++i) linii << Rand(FereastraComparaSticle(), i);
    EXPECT_EQ(linii.front(), "Transmisie interna [%] la 5 mm");
    for (const char* linie : {"400\t95.12", "Densitate [g/cm3]\t2.510\t3.370", "Tg [C]\t557"})
        EXPECT_TRUE(linii.contains(QString::fromLatin1(linie))) << linie;
    EXPECT_FALSE(linii.contains("Lambda [nm]"));
    if (!qEnvironmentVariableIsEmpty("VITRAMOR_SCREENSHOTS")) {
        d.show();
        d.grab().save("/tmp/compara-dialog.png");
    }
}
