// The catalogue at the centre of the main window, the material sheet and
// opening materials from the database.
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QValueAxis>
#include <cmath>
#include <limits>

#include "editors/FisaMaterialWidget.h"
#include "explorare/CatalogSticleWidget.h"
#include "shell/PanouCatalog.h"
#include "shell/ShellHelpers.h"
#include "suite/GraficWidget.h"
#include "support/RecordImage.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using PanouCatalogTest = MainWindowTest;

// N-BK7 as the catalogue gives it: Sellmeier coefficients, density, Tg,
// a transmittance point pair.
MaterialOptic Bk7() {
    MaterialOptic m = namedRecord("N-BK7", 2);
    m.ec_dispersie_n = 4;
    const double c[] = {1.03961212, 0.231792344, 1.01046945, 0.00600069867, 0.0200179144, 103.560653};
    std::copy(std::begin(c), std::end(c), m.coef_disp_n);
    m.domeniu_n[0] = 300;
    m.domeniu_n[1] = 2500;
    m.densitate = 2.51f;
    m.temperaturi[0] = 557;
    m.grosime_transmisie = 10.0f;
    m.lambda_Ti[20] = 400;
    m.lambda_Ti[21] = 700;
    m.lambda_indici[0] = 587.56f;
    m.indice_n[0] = 1.5168;
    return m;
}

}  // namespace

TEST_F(PanouCatalogTest, TheSheetShowsTheCatalogueRowOrTheOpenMaterialChosen) {
    MaterialOptic f2 = namedRecord("F2", 2);
    f2.densitate = 3.6f;
    d.write("sticleNou32.dat", databaseOf({Bk7(), f2}));
    CatalogSticleWidget* panou = InstaleazaPanouCatalog(w);
    EXPECT_EQ(w.centralWidget(), panou);
    FisaMaterialWidget* fisa = w.fisa();

    // The first row from the start, with its figures and both plots.
    EXPECT_EQ(fisa->valoare("Nume"), "N-BK7");
    EXPECT_EQ(fisa->valoare("nd"), "1.516800");
    EXPECT_EQ(fisa->valoare("vd"), "64.17");
    EXPECT_EQ(fisa->valoare("Domeniu n [nm]"), "300 - 2500");
    EXPECT_EQ(fisa->valoare("Densitate [g/cm\u00b3]"), "2.510");
    EXPECT_EQ(fisa->valoare("Tg [\u00b0C]"), "557");
    EXPECT_EQ(fisa->graficIndici()->numarSerii(), 2);  // the equation and the table point
    EXPECT_EQ(fisa->graficTransmisie()->numarSerii(), 1);
    // Round ticks over the equation's range.
    EXPECT_EQ(fisa->graficIndici()->axaX()->min(), 0.0);
    EXPECT_EQ(fisa->graficIndici()->axaX()->max(), 2500.0);

    panou->tabel()->selectRow(1);
    EXPECT_EQ(fisa->valoare("Nume"), "F2");
    EXPECT_EQ(fisa->valoare("nd"), "-");
    EXPECT_EQ(fisa->graficIndici()->numarSerii(), 0);

    // An open material is shown as it stands in the working set, not as stored.
    ASSERT_TRUE(DeschideMaterialDinBaza(w, "N-BK7"));
    setLucru().curent().densitate = 2.6f;
    w.lista()->setCurrentRow(-1);
    w.lista()->setCurrentRow(0);
    EXPECT_EQ(fisa->valoare("Densitate [g/cm\u00b3]"), "2.600");

    // The widths the user gives the columns come back in the next browser.
    panou->tabel()->setColumnWidth(0, 211);
    CatalogSticleWidget urmator;
    EXPECT_EQ(urmator.tabel()->columnWidth(0), 211);
}

TEST_F(PanouCatalogTest, OpeningFromTheDatabaseAddsAMaterialUpToTen) {
    MaterialOptic m = namedRecord("N-BK7");
    m.coef_disp_n[0] = 1.5;
    d.write("sticleNou32.dat", databaseOf({m}));
    CatalogSticleWidget* panou = InstaleazaPanouCatalog(w);
    ASSERT_EQ(panou->model()->rowCount(), 1);

    for (int i = 1; i <= NumarMaximMateriale; ++i) {
        ASSERT_TRUE(DeschideMaterialDinBaza(w, "N-BK7"));
        EXPECT_EQ(setLucru().numarMateriale(), i);
        EXPECT_EQ(setLucru().curent().coef_disp_n[0], 1.5);
    }
    EXPECT_EQ(randuri().first(), "N-BK7");
    EXPECT_FALSE(DeschideMaterialDinBaza(w, "N-BK7"));
    EXPECT_EQ(p.beepuri, 1);
    EXPECT_EQ(setLucru().numarMateriale(), NumarMaximMateriale);
}

// Arrowing through records of every shape a stored table takes never stalls
// the window: each plot keeps a handful of ticks whatever its data.
TEST_F(PanouCatalogTest, ArrowingThroughEveryKindOfRecordNeverStallsTheWindow) {
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    std::vector<MaterialOptic> baza;
    for (int i = 0; i < 1000; ++i) {
        MaterialOptic m = namedRecord("M" + std::to_string(i));
        const auto indici = [&m](std::initializer_list<std::pair<float, double>> p) {
            int s = 0;
            for (auto [l, n] : p) m.lambda_indici[s] = l, m.indice_n[s++] = n;
        };
        switch (i % 8) {
        case 1: indici({{587.56f, 1.5}}); break;
        case 2: indici({{400, 1.7}, {500, 1.7}, {600, 1.7}}); break;
        case 3: indici({{500, inf}, {600, nan}, {700, 1e300}, {800, 1.5}}); break;
        case 4:  // the evaporation rate lies over the first transmittance wavelengths
            m.producator = ProducatorEvaporare;
            m.rata_evaporare = 0.5f;
            m.transmisia_interna[1] = 1e-3f;
            break;
        case 5:
            m.lambda_Ti[20] = 400, m.lambda_Ti[21] = 401;
            m.transmisia_interna[20] = 1e-30f, m.transmisia_interna[21] = 3e38f;
            break;
        case 6: m = Bk7(); break;
        case 7: indici({{0.001f, 1.5}, {60000, 1.5000001}}); break;
        }
        baza.push_back(m);
    }
    d.write("sticleNou32.dat", databaseOf(baza));
    CatalogSticleWidget* panou = InstaleazaPanouCatalog(w);
    w.show();
    QTableView* tabel = panou->tabel();
    tabel->setFocus();
    double ceMaiMulteDiviziuni = 0;
    QEventLoop bucla;
    QTimer pas;
    QObject::connect(&pas, &QTimer::timeout, [&] {
        for (GraficWidget* g : {w.fisa()->graficIndici(), w.fisa()->graficTransmisie()})
            for (QValueAxis* a : {g->axaX(), g->axaY()})
                ceMaiMulteDiviziuni = std::max(ceMaiMulteDiviziuni, (a->max() - a->min()) / a->tickInterval());
        if (tabel->currentIndex().row() == 999) bucla.quit();
        QTest::keyClick(tabel, Qt::Key_Down);
    });
    pas.start(1);
    bucla.exec();
    EXPECT_LE(ceMaiMulteDiviziuni, 12.0);
}
