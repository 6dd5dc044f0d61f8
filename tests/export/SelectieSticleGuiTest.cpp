// The export dialog and the verification window as the user drives them:
// the enabling of the action button, the selection buttons, the producer and
// filter, the export itself, verification lines, double-click loading and
// the single verification window with its kept position.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "export/ExportFixture.h"
#include "export/ExportSubstratDialog.h"
#include "export/SelectieSticleWidget.h"
#include "export/VerificaSubstratWindow.h"
#include "settings/PozitieFereastra.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class Selectie : public ExportFixture {
protected:
    Selectie() {
        MaterialOptic b = Complet("BAK1");
        b.duritate_knoop = 0;
        b.temperaturi[0] = 0;
        glass.write("sticleNou32.dat", databaseOf({Complet("BK7"), b, Complet("SF6"), Complet("FK5", 3)}));
    }

    template <class T>
    static T* control(QWidget& w, int id) {
        T* c = w.findChild<T*>(QString::number(id));
        EXPECT_NE(c, nullptr) << id;
        return c;
    }
    static std::vector<int> selected(QListWidget* l) {
        std::vector<int> r;
        for (int i = 0; i < l->count(); ++i)
            if (l->item(i)->isSelected()) r.push_back(i);
        return r;
    }
    static void click(QWidget& w, int id) { QTest::mouseClick(control<QPushButton>(w, id), Qt::LeftButton); }
};

TEST_F(Selectie, TheExportDialogOpensOnProducer2WithAStarAndNothingToExport) {
    ExportSubstratDialog d(nullptr);
    EXPECT_EQ(d.windowTitle(), "Exporta sticle in fisierul SubstrateMaterials.json");
    auto* producator = control<QComboBox>(d, 1128);
    ASSERT_NE(producator, nullptr);
    EXPECT_EQ(producator->count(), 15);
    EXPECT_EQ(producator->currentIndex(), 2);
    EXPECT_EQ(control<QLineEdit>(d, 1079)->text(), "*");
    EXPECT_EQ(control<QListWidget>(d, 1066)->count(), 0);
    EXPECT_FALSE(control<QPushButton>(d, 1099)->isEnabled());
    for (int id : {1130, 1131, 1006, 1, 2, 1023}) EXPECT_NE(control<QPushButton>(d, id), nullptr);
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(Selectie, ExportaIsEnabledExactlyWhileALineIsSelected) {
    ExportSubstratDialog d(nullptr);
    d.show();
    auto* lista = control<QListWidget>(d, 1066);
    auto* exporta = control<QPushButton>(d, 1099);
    click(d, 1130);
    ASSERT_EQ(lista->count(), 3);  // producer 2 only
    EXPECT_EQ(lista->item(0)->text().left(4), "BK7\t");
    EXPECT_FALSE(exporta->isEnabled());

    const QPoint rand1 = lista->visualItemRect(lista->item(1)).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, rand1);
    EXPECT_TRUE(exporta->isEnabled());
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, rand1);
    EXPECT_FALSE(exporta->isEnabled());

    lista->item(0)->setSelected(true);
    click(d, 1006);  // Select_revers
    EXPECT_EQ(selected(lista), (std::vector<int>{1, 2}));
    EXPECT_TRUE(exporta->isEnabled());

    click(d, 1131);  // Select all, then invert it to nothing
    EXPECT_EQ(selected(lista), (std::vector<int>{0, 1, 2}));
    click(d, 1006);
    EXPECT_TRUE(selected(lista).empty());
    EXPECT_FALSE(exporta->isEnabled());

    click(d, 1131);
    control<QComboBox>(d, 1128)->setCurrentIndex(3);  // a new producer empties the list
    EXPECT_EQ(lista->count(), 0);
    EXPECT_FALSE(exporta->isEnabled());
    click(d, 1130);
    ASSERT_EQ(lista->count(), 1);
    EXPECT_EQ(lista->item(0)->text().left(4), "FK5\t");
}

TEST_F(Selectie, TheFilterCountsOnlyOnceTheFieldIsLeft) {
    ExportSubstratDialog d(nullptr);
    d.show();
    auto* filtru = control<QLineEdit>(d, 1079);
    filtru->selectAll();
    QTest::keyClicks(filtru, "b*");
    d.selectie()->incarcaLista();  // still typing: the old filter
    EXPECT_EQ(control<QListWidget>(d, 1066)->count(), 3);
    Q_EMIT filtru->editingFinished();  // what leaving the field does
    d.selectie()->incarcaLista();
    EXPECT_EQ(control<QListWidget>(d, 1066)->count(), 2);
    EXPECT_EQ(d.selectie()->filtru(), "b*");
}

TEST_F(Selectie, ExportaWritesTheSelectedMaterialsInListOrder) {
    ExportSubstratDialog d(nullptr);
    d.show();
    click(d, 1130);
    auto* lista = control<QListWidget>(d, 1066);
    lista->item(2)->setSelected(true);
    lista->item(0)->setSelected(true);
    p.raspunde(raspuns::IDNO);
    click(d, 1099);
    Json doc(cJSON_Parse(mlFile("SubstrateMaterials.json").c_str()));
    EXPECT_EQ(Chei(doc.get()), (std::vector<std::string>{"BK7", "SF6"}));  // list order, not selection order
    EXPECT_EQ(p.ultima().numar, 41);
    EXPECT_TRUE(d.isVisible());
    click(d, 1023);
    EXPECT_EQ(p.ultima().numar, 0);
    click(d, 2);
    EXPECT_FALSE(d.isVisible());
}

class Verificare : public Selectie {
protected:
    Verificare() { ActiveazaPastrarePozitii(true); }
    ~Verificare() override {
        if (VerificaSubstratWindow* w = FereastraVerificaSubstrat()) delete w;
    }
    VerificaSubstratWindow* deschide() {
        ComandaVerificaSubstrat(nullptr, [this](const std::string& nume, int producator) {
            incarcate.emplace_back(nume, producator);
        });
        return FereastraVerificaSubstrat();
    }
    std::vector<std::pair<std::string, int>> incarcate;
};

TEST_F(Verificare, VerificaRewritesTheLinesOfIncompleteMaterials) {
    VerificaSubstratWindow* w = deschide();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Verifica materialele substrat ptr. export");
    auto* verifica = control<QPushButton>(*w, 1049);
    EXPECT_FALSE(verifica->isEnabled());
    click(*w, 1130);
    auto* lista = control<QListWidget>(*w, 1066);
    const QString complet = lista->item(0)->text();
    click(*w, 1131);
    ASSERT_TRUE(verifica->isEnabled());
    click(*w, 1049);
    EXPECT_EQ(lista->item(0)->text(), complet);
    EXPECT_EQ(lista->item(1)->text(), "BAK1\tKnoop hardness\tTg\t");
    EXPECT_EQ(selected(lista), (std::vector<int>{0, 1, 2}));

    control<QComboBox>(*w, 1128)->setCurrentIndex(5);
    EXPECT_FALSE(verifica->isEnabled());
}

TEST_F(Verificare, DoubleClickLoadsTheLinesMaterialIntoTheMainWindow) {
    VerificaSubstratWindow* w = deschide();
    click(*w, 1130);
    auto* lista = control<QListWidget>(*w, 1066);
    const QPoint centru = lista->visualItemRect(lista->item(2)).center();
    // A double click is a click followed by the double-click event.
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, centru);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, centru);
    ASSERT_EQ(incarcate.size(), 1u);
    EXPECT_EQ(incarcate[0], std::make_pair(std::string("SF6"), 2));
    EXPECT_TRUE(lista->item(2)->isSelected());
}

TEST_F(Verificare, TheWindowIsSingleAndKeepsItsPositionWhenClosedWithOk) {
    VerificaSubstratWindow* w = deschide();
    EXPECT_EQ(deschide(), w);
    w->move(123, 77);
    PozitieFereastra citita{};
    EXPECT_EQ(CitestePozitieFereastraDinRegistri("VerificaSticlePtrExportSubstratWnd", 1, citita), 0);

    click(*w, 2);  // Cancel closes without keeping the position
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FereastraVerificaSubstrat(), nullptr);
    EXPECT_EQ(CitestePozitieFereastraDinRegistri("VerificaSticlePtrExportSubstratWnd", 1, citita), 0);

    w = deschide();
    w->move(123, 77);
    click(*w, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FereastraVerificaSubstrat(), nullptr);
    ASSERT_EQ(CitestePozitieFereastraDinRegistri("VerificaSticlePtrExportSubstratWnd", 1, citita), 1);
    EXPECT_EQ(citita.x, 123);
    EXPECT_EQ(citita.y, 77);

    w = deschide();
    EXPECT_EQ(w->pos(), QPoint(123, 77));
}

}  // namespace
