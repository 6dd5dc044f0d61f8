// Exploring a 100,000-record database: filling the catalogue browser (read,
// derived quantities, table shown) and the glass map (read, points, one
// painting), each against one sequential read of the same file timed
// alternately in the same run; "ratio_to_read" is the figure to watch
// (target 2 or less). The substitutes of one glass are timed on their own
// ("ms"): the summary table is in memory, as the window holds it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTableView>
#include <chrono>
#include <cstring>

#include "explorare/CatalogSticleWidget.h"
#include "explorare/HartaSticleWidget.h"
#include "explorare/SticleEchivalente.h"
#include "support/PlatformaScriptata.h"
#include "support/BazaBench.h"

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
    return m;
}

BazaDeTest& Baza() {
    static BazaDeTest b("vitramor-explore", NumarRecorduri, Sticla);
    return b;
}

template <typename Operatie>
void FataDeCitire(benchmark::State& state, Operatie operatie) {
    ScriptedPlatform platforma;
    ScopedPlatform garda(platforma);
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
    ScriptedPlatform platforma;
    ScopedPlatform garda(platforma);
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
        CitesteRezumatCatalog(CaleBazaDate(), catalog);
        benchmark::DoNotOptimize(catalog.data());
    });
}
BENCHMARK(BM_RezumatCatalog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5)->Apply(OdataInModScurt);

void BM_UmpleHarta(benchmark::State& state) {
    FataDeCitire(state, [] {
        std::vector<RezumatMaterial> catalog;
        CitesteRezumatCatalog(CaleBazaDate(), catalog);
        HartaSticleWidget h;
        h.seteazaCatalog(std::move(catalog));
        const QImage img = h.imagine(QSize(1000, 700));
        benchmark::DoNotOptimize(img.constBits());
    });
}
BENCHMARK(BM_UmpleHarta)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5)->Apply(OdataInModScurt);

void BM_SticleEchivalente(benchmark::State& state) {
    ScriptedPlatform platforma;
    ScopedPlatform garda(platforma);
    std::vector<RezumatMaterial> catalog;
    CitesteRezumatCatalog(Baza().fisier, catalog);
    const RezumatMaterial referinta = catalog[12345];
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
