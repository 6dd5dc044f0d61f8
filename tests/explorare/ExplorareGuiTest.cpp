// The catalogue browser and the glass map, offscreen, on a small catalogue.
#include <gtest/gtest.h>

#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QTreeWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QValueAxis>

#include "explorare/CatalogSticleWidget.h"
#include "explorare/HartaSticleWidget.h"
#include "explorare/HartaSticleWindow.h"
#include "explorare/SticleCatalog.h"
#include "explorare/SticleEchivalenteDialog.h"
#include "database/GlassDirFixture.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class ExplorareGui : public GlassDirFixture {
protected:
    std::vector<std::string> deschise;
    ExplorareGui() {
        MaterialOptic gol = Material("GOL", ProducatorHoya, 0, {}, {});
        MaterialOptic bsc7 = NBK7("BSC7");  // the same glass from another producer
        bsc7.producator = ProducatorHoya;
        gol.categorie = 1;
        d.write("CategoriiMaterial.txt", "Crown\nFlint\n");
        writeDb(databaseOf({NBK7(), F2(), SiliceTopita(), bsc7, gol, F2("E-F2", ProducatorHoya)}));
    }
    auto deschide() {
        return [this](const std::string& n) { deschise.push_back(n); };
    }
    static QStringList coloana(const QAbstractItemModel* m, int c) {
        QStringList r;
        for (int i = 0; i < m->rowCount(); ++i) r << m->index(i, c).data().toString();
        return r;
    }
    void captura(QWidget& w, const char* nume) {
        if (qEnvironmentVariableIsEmpty("VITRAMOR_SCREENSHOTS")) return;
        w.resize(900, 500);
        w.show();
        w.grab().save(QStringLiteral("/tmp/%1.png").arg(QString::fromLatin1(nume)));
    }
};

}  // namespace

TEST_F(ExplorareGui, BrowserFiltersSortsOpensAndFollowsTheFile) {
    CatalogSticleWidget w(nullptr, deschide());
    const QAbstractItemModel* m = w.tabel()->model();
    ASSERT_EQ(m->rowCount(), 6);
    EXPECT_EQ(m->index(0, coloanaCatalog::Nd).data().toString(), "1.516800");
    EXPECT_EQ(m->index(4, coloanaCatalog::Nd).data().toString(), "");
    captura(w, "catalog");

    struct Caz {
        const char* text;
        int producator, categorie;
        QStringList nume;
    };
    const Caz cazuri[] = {
        {"f2", -1, -1, {"F2", "E-F2"}},  {"?-*7", -1, -1, {"N-BK7"}}, {"", ProducatorHoya, -1, {"BSC7", "GOL", "E-F2"}},
        {"", -1, 1, {"GOL"}},            {"", -1, -1, {"N-BK7", "F2", "SILICA", "BSC7", "GOL", "E-F2"}},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.text);
        w.filtruNume()->clear();
        w.filtruProducator()->setCurrentIndex(w.filtruProducator()->findData(c.producator));
        w.filtruCategorie()->setCurrentIndex(w.filtruCategorie()->findData(c.categorie));
        QTest::keyClicks(w.filtruNume(), QString::fromLatin1(c.text));
        EXPECT_EQ(coloana(m, coloanaCatalog::Nume), c.nume);
    }

    w.tabel()->sortByColumn(coloanaCatalog::Vd, Qt::DescendingOrder);
    EXPECT_EQ(coloana(m, coloanaCatalog::Nume), (QStringList{"SILICA", "N-BK7", "BSC7", "F2", "E-F2", "GOL"}));
    w.tabel()->sortByColumn(coloanaCatalog::Nd, Qt::AscendingOrder);
    EXPECT_EQ(coloana(m, coloanaCatalog::Nume).first(), "SILICA");
    EXPECT_EQ(coloana(m, coloanaCatalog::Nume).last(), "GOL");  // no nd: last either way

    w.tabel()->setFocus();
    w.tabel()->setCurrentIndex(m->index(1, 0));
    QTest::keyClick(w.tabel(), Qt::Key_Return);
    const QRect r = w.tabel()->visualRect(m->index(2, 0));
    QTest::mouseClick(w.tabel()->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(w.tabel()->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(deschise, (std::vector<std::string>{"N-BK7", "BSC7"}));

    // A rewrite through a rename, as the archive rule does it.
    d.write("nou.tmp", databaseOf({SiliceTopita("NOU")}));
    std::filesystem::rename(d / "nou.tmp", d / "sticleNou32.dat");
    w.verificaSchimbari();
    EXPECT_EQ(coloana(m, coloanaCatalog::Nume), QStringList{"NOU"});
}

TEST_F(ExplorareGui, MapPlacesPointsByNdAndVdAndOpensOnDoubleClick) {
    MaterialOptic ir = NBK7("IR"), bsc7 = NBK7("BSC7");
    ir.coef_disp_n[0] = 5.0;  // nd 2.6: outside the makers' window
    bsc7.producator = ProducatorHoya;
    writeDb(databaseOf({NBK7(), F2(), SiliceTopita(), bsc7, Material("GOL", ProducatorHoya, 0, {}, {}),
                        F2("E-F2", ProducatorHoya), ir}));
    HartaSticleWindow fereastra(nullptr, deschide());
    HartaSticleWidget* h = fereastra.harta();
    fereastra.resize(1000, 680);
    fereastra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fereastra));
    EXPECT_EQ(h->puncte().size(), 5u);  // GOL cannot be placed, IR is left out
    // The window makers print, the one material outside it counted and shown on request.
    const auto fereastraHartii = [h] {
        const LimiteHarta l = h->limite();
        return std::vector<double>{l.vdMin, l.vdMax, l.yMin, l.yMax};
    };
    EXPECT_EQ(fereastraHartii(), (std::vector<double>{15, 100, 1.4, 2.1}));
    EXPECT_TRUE(fereastra.stare()->text().contains("1 materiale in afara ferestrei")) << fereastra.stare()->text().toStdString();
    fereastra.toate()->setChecked(true);
    EXPECT_EQ(h->puncte().size(), 6u);
    EXPECT_GT(h->limite().yMax, 2.5);
    fereastra.toate()->setChecked(false);
    h->fixeazaScala(40, 60, 1.5, 1.6);
    fereastra.findChild<QPushButton*>("reseteazaAxele")->click();
    EXPECT_EQ(fereastraHartii(), (std::vector<double>{15, 100, 1.4, 2.1}));
    EXPECT_EQ(h->axaX()->titleText(), "vd (numar Abbe)");
    EXPECT_EQ(h->axaY()->titleText(), "nd");
    EXPECT_EQ(h->numarSerii(), 3);  // a legend entry per producer

    QWidget* vedere = h->vedereGrafic()->viewport();
    const auto pixel = [&](const char* nume) {
        for (const RezumatMaterial& m : h->catalog())
            if (m.numeText() == nume) return h->pozitieValoare(QPointF(m.vd, m.nd)).toPoint();
        return QPoint();
    };
    // vd decreases to the right, nd grows upward.
    EXPECT_LT(pixel("SILICA").x(), pixel("N-BK7").x());
    EXPECT_LT(pixel("N-BK7").x(), pixel("F2").x());
    EXPECT_GT(pixel("SILICA").y(), pixel("F2").y());
    // The picture saved is the one shown: the producer's colour where the point is.
    TestDir dir;
    p.fisiereAlese = {FisierAles{dir.str(), "h.png"}};
    fereastra.salveazaPng();
    QImage png;
    ASSERT_TRUE(png.load(QString::fromStdString((dir / "h.png").string())));
    EXPECT_EQ(png.pixelColor(pixel("SILICA")).rgb() & 0xFFFFFF, CuloareProducator(ProducatorCorning));

    QTest::mouseDClick(vedere, Qt::LeftButton, {}, pixel("SILICA") + QPoint(2, 1));
    QTest::mouseDClick(vedere, Qt::LeftButton, {}, QPoint(vedere->width() - 5, 5));  // no point there
    EXPECT_EQ(deschise, std::vector<std::string>{"SILICA"});
    QTest::mouseMove(vedere, pixel("F2"));
    const QString citire = h->eticheteCitire()->text();
    EXPECT_TRUE(citire.startsWith("vd (numar Abbe) = ") && citire.contains("F2")) << citire.toStdString();

    fereastra.vedere()->setCurrentIndex(1);
    EXPECT_LT(h->limite().yMax, 1.0);
    EXPECT_EQ(h->numarSerii(), 4);  // and the normal line
    captura(fereastra, "harta");
}

// A substitute is of the reference's class: a coating material or a crystal
// with the same constants is no substitute for a lens glass unless asked for.
TEST_F(ExplorareGui, SubstitutesKeepToTheReferencesClassAndOpenOnActivation) {
    MaterialOptic bsc7 = NBK7("BSC7"), evaporare = NBK7("BK7-EV"), cristal = NBK7("CRISTAL");
    bsc7.producator = cristal.producator = ProducatorHoya;
    evaporare.producator = ProducatorEvaporare;
    cristal.categorie = 2;
    d.write("CategoriiMaterial.txt", "Crown\nFlint\nCristale\n");
    writeDb(databaseOf({NBK7(), bsc7, evaporare, cristal, F2("E-F2", ProducatorHoya)}));
    SticleEchivalenteDialog dialog(nullptr, NBK7(), deschide());
    const auto randuri = [&dialog] {
        QStringList r;
        for (int i = 0; i < dialog.rezultate()->topLevelItemCount(); ++i) r << dialog.rezultate()->topLevelItem(i)->text(0);
        return r;
    };
    EXPECT_EQ(randuri(), (QStringList{"BSC7", "E-F2"}));
    dialog.findChild<QCheckBox*>("aceeasiClasa")->setChecked(false);
    dialog.cauta();
    EXPECT_EQ(randuri().size(), 4);
    EXPECT_TRUE(randuri().contains("BK7-EV") && randuri().contains("CRISTAL"));

    dialog.findChild<QCheckBox*>("aceeasiClasa")->setChecked(true);
    dialog.findChild<QRadioButton*>("modRms")->setChecked(true);
    dialog.cauta();
    EXPECT_EQ(randuri().first(), "BSC7");
    EXPECT_FALSE(randuri().contains("BK7-EV"));
    Q_EMIT dialog.rezultate()->itemActivated(dialog.rezultate()->topLevelItem(0), 0);
    EXPECT_EQ(deschise, std::vector<std::string>{"BSC7"});

    // A range that runs backwards is refused with a word, not searched.
    dialog.findChild<QDoubleSpinBox*>("de")->setValue(700);
    dialog.findChild<QDoubleSpinBox*>("la")->setValue(400);
    dialog.cauta();
    EXPECT_EQ(dialog.rezultate()->topLevelItemCount(), 0);
    ASSERT_EQ(p.casete.size(), 1u);
}
