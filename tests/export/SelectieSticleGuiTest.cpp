// The export dialog and the verification window as the user drives them:
// the enabling of the action button, the selection buttons, the producer and
// filter, the export itself, the verification table, double-click loading
// and the single verification window with its kept position.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "export/ExportFixture.h"
#include "export/ExportSubstratDialog.h"
#include "export/SelectieSticleWidget.h"
#include "export/VerificaSubstratWindow.h"
#include "settings/PozitieFereastra.h"
#include "support/ProgresSubIntrebari.h"

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
    static std::vector<int> selected(QTreeWidget* l) {
        std::vector<int> r;
        for (int i = 0; i < l->topLevelItemCount(); ++i)
            if (l->topLevelItem(i)->isSelected()) r.push_back(i);
        return r;
    }
    static QStringList rand(QTreeWidgetItem* item) {
        QStringList r;
        for (int c = 0; c < item->columnCount(); ++c) r << item->text(c);
        return r;
    }
    static void click(QWidget& w, int id) { QTest::mouseClick(control<QPushButton>(w, id), Qt::LeftButton); }
};

// Exporta is enabled exactly while a line is selected, and exports the
// selection in list order.
TEST_F(Selectie, SelectionDrivesExportaWhichWritesInListOrder) {
    ExportSubstratDialog d(nullptr);
    d.show();
    EXPECT_EQ(d.windowTitle(), "Exporta sticle in fisierul SubstrateMaterials.json");
    auto* producator = control<QComboBox>(d, 1128);
    EXPECT_EQ(producator->count(), 15);
    EXPECT_EQ(producator->currentIndex(), 2);
    EXPECT_EQ(control<QLineEdit>(d, 1079)->text(), "*");
    auto* lista = control<QTreeWidget>(d, 1066);
    auto* exporta = control<QPushButton>(d, 1099);
    ASSERT_EQ(lista->topLevelItemCount(), 3);  // producer 2's, from the start
    // Each value under its own header, the code not under "nd".
    EXPECT_EQ(rand(lista->headerItem()), (QStringList{"Nume", "Cod", "nd", "Categorie"}));
    EXPECT_EQ(rand(lista->topLevelItem(0)), (QStringList{"BK7", "", "-", "0"}));
    EXPECT_FALSE(exporta->isEnabled());

    const QPoint rand1 = lista->visualItemRect(lista->topLevelItem(1)).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, rand1);
    EXPECT_TRUE(exporta->isEnabled());
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, rand1);
    EXPECT_FALSE(exporta->isEnabled());

    click(d, 1131);  // Select all, then invert it to nothing
    EXPECT_EQ(selected(lista), (std::vector<int>{0, 1, 2}));
    click(d, 1006);
    EXPECT_TRUE(selected(lista).empty());
    EXPECT_FALSE(exporta->isEnabled());
    lista->topLevelItem(1)->setSelected(true);
    click(d, 1006);  // Select_revers
    EXPECT_EQ(selected(lista), (std::vector<int>{0, 2}));
    EXPECT_TRUE(exporta->isEnabled());

    // The closing question goes over the export's progress dialog, never under it.
    std::atomic<int> acoperite = 0;
    NumaraProgreseSubIntrebari(p, acoperite);
    p.raspunde(raspuns::IDNO);
    click(d, 1099);
    EXPECT_EQ(acoperite, 0);
    Json doc(cJSON_Parse(mlFile("SubstrateMaterials.json").c_str()));
    EXPECT_EQ(Chei(doc.get()), (std::vector<std::string>{"BK7", "SF6"}));
    EXPECT_EQ(p.ultima().numar, 41);
    EXPECT_TRUE(d.isVisible());
    click(d, 1023);
    EXPECT_EQ(p.ultima().numar, 0);

    producator->setCurrentIndex(3);  // a new producer's list takes the place
    EXPECT_FALSE(exporta->isEnabled());
    ASSERT_EQ(lista->topLevelItemCount(), 1);
    EXPECT_EQ(lista->topLevelItem(0)->text(0), "FK5");
    click(d, 2);
    EXPECT_FALSE(d.isVisible());
}

TEST_F(Selectie, TheFilterCountsOnceTheFieldIsLeftOrEnterPressed) {
    ExportSubstratDialog d(nullptr);
    d.show();
    auto* filtru = control<QLineEdit>(d, 1079);
    filtru->selectAll();
    QTest::keyClicks(filtru, "b*");
    d.selectie()->incarcaLista();  // still typing: the old filter
    EXPECT_EQ(control<QTreeWidget>(d, 1066)->topLevelItemCount(), 3);
    QTest::keyClick(filtru, Qt::Key_Return);  // Enter shows what the filter selects
    EXPECT_EQ(control<QTreeWidget>(d, 1066)->topLevelItemCount(), 2);
    EXPECT_EQ(d.selectie()->filtru(), "b*");
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

TEST_F(Verificare, VerificaTabulatesMissingValuesAndDoubleClickLoadsTheMaterial) {
    VerificaSubstratWindow* w = deschide();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Verifica materialele substrat ptr. export");
    auto* verifica = control<QPushButton>(*w, 1049);
    EXPECT_FALSE(verifica->isEnabled());
    click(*w, 1130);
    auto* lista = control<QTreeWidget>(*w, 1066);
    click(*w, 1131);
    ASSERT_TRUE(verifica->isEnabled());
    click(*w, 1049);
    // A row per material, a mark under each value it lacks: BAK1 has no
    // Knoop hardness and no Tg, the others lack nothing.
    QTableWidget* t = w->rezultate();
    ASSERT_EQ(t->rowCount(), 3);
    QStringList antet, bak1;
    for (int c = 0; c < t->columnCount(); ++c) {
        antet << t->horizontalHeaderItem(c)->text();
        bak1 << (t->item(1, c) ? t->item(1, c)->text() : QString());
    }
    EXPECT_EQ(antet, (QStringList{"Material", "Duritate Knoop", "Modul Young", "Raport Poisson", "Duritate la abraziune",
                                  "Caldura specifica", "Conductivitate termica", "Dilatare termica", "Tg",
                                  "Stabilitate chimica"}));
    EXPECT_EQ(bak1, (QStringList{"BAK1", "lipsa", "", "", "", "", "", "", "lipsa", ""}));
    EXPECT_EQ(w->sumar()->text(), "3 materiale verificate, 1 cu valori lipsa");

    // A double click is a click followed by the double-click event; in the
    // results table it loads the material too.
    const QPoint centru = lista->visualItemRect(lista->topLevelItem(2)).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, centru);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, centru);
    EXPECT_TRUE(lista->topLevelItem(2)->isSelected());
    Q_EMIT t->cellDoubleClicked(1, 8);
    EXPECT_EQ(incarcate, (std::vector<std::pair<std::string, int>>{{"SF6", 2}, {"BAK1", 2}}));

    control<QComboBox>(*w, 1128)->setCurrentIndex(5);
    EXPECT_FALSE(verifica->isEnabled());
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
