// Exploring a 100,000-record database: filling the catalogue browser (read,
// derived quantities, table shown) and the glass map (read, points, one
// painting), each against one sequential read of the same file timed
// alternately in the same run; "ratio_to_read" is the figure to watch
// (target 2 or less). The substitutes of one glass are timed on their own
// ("ms"): the summary table is in memory, as the window holds it. Arrowing
// through the browser with the material sheet beside it is held against
// the event loop's longest wait.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTableView>
#include <QTimer>
#include <chrono>
#include <cstring>
#include <limits>

#include "database/Recuperare.h"
#include "material/FisaMaterial.h"
#include "editors/FisaMaterialWidget.h"

#include "explorare/CatalogSticleWidget.h"
#include "explorare/HartaSticleWidget.h"
#include "explorare/SticleEchivalente.h"
#include "support/PauzaBucla.h"
#include "support/PlatformaScriptata.h"
#include "support/BazaBench.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::bench;

namespace {

const int NumarRecorduri = Marime(100000, 2000);

// Sellmeier glasses spread over the map, as a large merged catalogue is.
MaterialOptic Sticla(int i) {
    MaterialOptic m;
    std::memset(&m, 0, sizeof m);
    std::snprintf(m.nume, sizeof m.nume, "S%06d", i);
    m.producator = static_cast<std::uint16_t>(i % 15);
    m.categorie = static_cast<std::uint16_t>(i % 7);
    m.ec_dispersie_n = 4;
    const double f = 1.0 + 0.8 * ((i * 7919) % 1000) / 1000.0;
    const double g = 1.0 + 1.5 * ((i * 104729) % 997) / 997.0;
    const double c[6] = {1.04 * f, 0.23 * g, 1.01, 0.006 * g, 0.02 * g, 103.56};
    std::memcpy(m.coef_disp_n, c, sizeof c);
    m.domeniu_n[0] = 310;
    m.domeniu_n[1] = 2500;
    for (int k = 0; k < 20; ++k) {
        m.lambda_indici[k] = 400.0f + 30.0f * static_cast<float>(k);
        m.indice_n[k] = 1.5;
    }
    // Now and then a record of the odd shapes stored tables take: one
    // point, a far wavelength, values no glass has.
    switch (i % 50) {
    case 1:
        m.ec_dispersie_n = 0;
        std::memset(m.lambda_indici + 1, 0, sizeof m.lambda_indici - sizeof(float));
        break;
    case 2: m.lambda_indici[19] = 60000.0f; break;
    case 3: m.indice_n[5] = 1e300, m.indice_n[6] = std::numeric_limits<double>::infinity(); break;
    }
    return m;
}

BazaDeTest& Baza() {
    static BazaDeTest b("vitramor-explore", NumarRecorduri, Sticla);
    return b;
}

template <typename Operatie>
void FataDeCitire(benchmark::State& state, Operatie operatie) {
    PlatformaScriptata platforma;
    PlatformaInstalata garda(platforma);
    const BazaDeTest& baza = Baza();
    path_sticle = baza.director;
    nume_fisier_sticle = NumeFisierSticleImplicit;
    CitesteSecvential(baza.fisier);
    double citire = 0, operatii = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        CitesteSecvential(baza.fisier);
        citire += Secunde(t0);
        t0 = std::chrono::steady_clock::now();
        operatie();
        const double t = Secunde(t0);
        operatii += t;
        state.SetIterationTime(t);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["ratio_to_read"] = operatii / citire;
    state.counters["read_ms"] = 1e3 * citire / n;
    state.counters["op_ms"] = 1e3 * operatii / n;
}

// The panel exists (the main window made it at start-up); filling it is
// reading the file into it and showing the first rows.
void BM_UmpleCatalogul(benchmark::State& state) {
    PlatformaScriptata platforma;
    PlatformaInstalata garda(platforma);
    CatalogSticleWidget w;
    w.resize(800, 600);
    w.show();
    QCoreApplication::processEvents();
    FataDeCitire(state, [&w] {
        w.reincarca();
        w.repaint();
        if (w.model()->rowCount() != NumarRecorduri) std::abort();
    });
}
BENCHMARK(BM_UmpleCatalogul)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5)->Apply(OdataInModScurt);

// The part both fills share: the summary rows of the whole file.
void BM_RezumatCatalog(benchmark::State& state) {
    FataDeCitire(state, [] {
        std::vector<RezumatMaterial> catalog;
        CitesteRezumatCatalog(CaleBazaDate(path_sticle), catalog);
        benchmark::DoNotOptimize(catalog.data());
    });
}
BENCHMARK(BM_RezumatCatalog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5)->Apply(OdataInModScurt);

void BM_UmpleHarta(benchmark::State& state) {
    FataDeCitire(state, [] {
        std::vector<RezumatMaterial> catalog;
        CitesteRezumatCatalog(CaleBazaDate(path_sticle), catalog);
        HartaSticleWidget h;
        h.seteazaCatalog(std::move(catalog));
        const QImage img = h.imagine(QSize(1000, 700));
        benchmark::DoNotOptimize(img.constBits());
    });
}
BENCHMARK(BM_UmpleHarta)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5)->Apply(OdataInModScurt);

// Arrowing through the browser with the material sheet beside it, as the
// main window shows them: each row read from the file and drawn in the
// sheet's two plots. The arrows run in stretches at five places of the
// file. "max_gap_ms" is the event loop's longest wait (target: under
// 100 ms, the window never seen to stall); "ms_per_row" one step's cost.
void BM_SageataPrinCatalog(benchmark::State& state) {
    PlatformaScriptata platforma;
    PlatformaInstalata garda(platforma);
    path_sticle = Baza().director;
    nume_fisier_sticle = NumeFisierSticleImplicit;
    QWidget fereastra;
    auto* catalog = new CatalogSticleWidget(&fereastra);
    auto* fisa = new FisaMaterialWidget(&fereastra);
    auto* l = new QHBoxLayout(&fereastra);
    l->addWidget(catalog, 2);
    l->addWidget(fisa, 1);
    QObject::connect(catalog, &CatalogSticleWidget::materialAles, fisa, [fisa](quint32 index, const QString&) {
        MaterialOptic m;
        if (CitesteMaterialDinBaza(CaleBazaDate(path_sticle), index, m)) fisa->arata(m);
    });
    fereastra.resize(1200, 700);
    fereastra.show();
    QCoreApplication::processEvents();
    const int pePortiune = Marime(1000, 50), portiuni = 5;
    QTableView* tabel = catalog->tabel();
    qint64 pauzaMaxima = 0;
    double secunde = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        const test::PauzaMaximaBucla pauza;
        for (int k = 0; k < portiuni; ++k) {
            tabel->selectRow(k * (NumarRecorduri - pePortiune) / portiuni);
            int ramase = pePortiune;
            QEventLoop bucla;
            QTimer pas;
            QObject::connect(&pas, &QTimer::timeout, [&] {
                if (--ramase < 0) return bucla.quit();
                QKeyEvent jos(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
                QApplication::sendEvent(tabel, &jos);
            });
            pas.start(0);
            bucla.exec();
        }
        const double t = Secunde(t0);
        secunde += t;
        state.SetIterationTime(t);
        pauzaMaxima = std::max(pauzaMaxima, pauza.maximMs());
    }
    state.counters["max_gap_ms"] = static_cast<double>(pauzaMaxima);
    state.counters["ms_per_row"] = 1e3 * secunde / static_cast<double>(state.iterations() * pePortiune * portiuni);
}
BENCHMARK(BM_SageataPrinCatalog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Apply(OdataInModScurt);

void BM_SticleEchivalente(benchmark::State& state) {
    PlatformaScriptata platforma;
    PlatformaInstalata garda(platforma);
    std::vector<RezumatMaterial> catalog;
    CitesteRezumatCatalog(Baza().fisier, catalog);
    if (catalog.empty()) {
        state.SkipWithError("the catalogue could not be read");
        return;
    }
    // A glass one eighth into the catalogue, whatever its size (the short run's is small).
    const RezumatMaterial referinta = catalog[catalog.size() / 8];
    double total = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        auto r = CautaEchivalente(referinta, catalog, NumarImplicitEchivalente);
        benchmark::DoNotOptimize(r.data());
        const double t = Secunde(t0);
        total += t;
        state.SetIterationTime(t);
    }
    state.counters["ms"] = 1e3 * total / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SticleEchivalente)->UseManualTime()->Unit(benchmark::kMillisecond)->Apply(OdataInModScurt);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
