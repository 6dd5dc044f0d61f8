// The text catalogues and the conversion of the old database file, each
// against one sequential read of the same input file in the same run
// ("ratio_to_read"; targets: 3 for a 5,000-line catalogue, 1.5 for the
// conversion of 100,000 old records).
//
// The listing and building figures cover reading, splitting and building
// every glass. The whole import of the catalogue into an empty database and
// the conversion also write what they read and put it on the disk, which a
// read does not pay: "ratio_to_read_write" adds to the read the write of as
// many bytes as they produce, synced once.
//
// The conversion as the window runs it, off the window's thread, also says
// how long the event loop went unserved at most ("max_pause_ms"; target:
// under 100 ms, so the window keeps painting and Cancel answers).

#include <benchmark/benchmark.h>

#include <QApplication>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "database/ConversieSticle32.h"
#include "import/text/CatalogText.h"
#include "import/text/ColoaneText.h"
#include "messages/ListaMesaje.h"
#include "suite/LucruInFundalUi.h"
#include "support/PauzaBucla.h"
#include "support/PlatformaScriptata.h"
#include "support/BazaBench.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::bench;

namespace {

const int LiniiCatalog = Marime(5000, 200);
const int RecorduriVechi = Marime(100000, 2000);

struct Director {
    Director() {
        std::string sablon = (std::filesystem::temp_directory_path() / "vitramor-text-XXXXXX").string();
        if (!mkdtemp(sablon.data())) std::abort();
        cale = sablon;
    }
    ~Director() {
        std::error_code ec;
        std::filesystem::remove_all(cale, ec);
    }
    std::string fisier(const char* nume) const { return (std::filesystem::path(cale) / nume).string(); }
    std::string cale;
};

const Director& Lucru() {
    static Director d;
    return d;
}

// A Schott-layout catalogue: 162 columns a line, numbers where the layout
// reads numbers, each one a value every field it can land in may hold (an
// internal transmittance among them), so that every glass is stored.
const std::string& Catalog() {
    static const std::string cale = [] {
        const std::string f = Lucru().fisier("catalog.txt");
        std::ofstream o(f, std::ios::binary);
        for (int i = 0; i < 7; ++i) o << "header\n";
        for (int l = 0; l < LiniiCatalog; ++l) {
            o << "G" << l;
            for (int c = 2; c <= 162; ++c) o << '\t' << (c == 159 ? "517642" : "0.9") << (c % 10);
            o << "\r\n";
        }
        return f;
    }();
    return cale;
}

const std::string& FisierVechi() {
    static const std::string cale = [] {
        const std::string f = Lucru().fisier("sticle32.dat");
        std::ofstream o(f, std::ios::binary);
        std::string r(MarimeInregistrareVeche, '\0');
        for (int i = 0; i < RecorduriVechi; ++i) {
            std::snprintf(&r[1168], 11, "G%05d", i % 100000);
            o.write(r.data(), static_cast<std::streamsize>(r.size()));
        }
        return f;
    }();
    return cale;
}

// `pregatire` runs untimed before each operation; `produs`, when given,
// names the file the operation writes.
template <typename Operatie>
void FataDeCitire(benchmark::State& state, const std::string& intrare, Operatie operatie,
                  const std::function<void(PlatformaScriptata&)>& pregatire = {}, const std::string& produs = {}) {
    PlatformaScriptata platforma;
    PlatformaInstalata garda(platforma);
    InstaleazaDestinatieMesaje([](const std::string&, int) { return 1; });
    CitesteSecvential(intrare);
    double citire = 0, operatii = 0, scriere = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        CitesteSecvential(intrare);
        citire += Secunde(t0);
        if (pregatire) pregatire(platforma);
        t0 = std::chrono::steady_clock::now();
        operatie(platforma);
        const double t = Secunde(t0);
        operatii += t;
        state.SetIterationTime(t);
        if (!produs.empty()) scriere += SecundeScriereSincronizata(Lucru().cale, std::filesystem::file_size(produs));
    }
    state.counters["ratio_to_read"] = operatii / citire;
    if (scriere > 0) state.counters["ratio_to_read_write"] = operatii / (citire + scriere);
    state.counters["read_ms"] = 1e3 * citire / static_cast<double>(state.iterations());
    InstaleazaDestinatieMesaje({});
}

void BM_ListeazaCatalogText(benchmark::State& state) {
    FataDeCitire(state, Catalog(), [](PlatformaScriptata&) {
        std::ifstream in(Catalog(), std::ios::binary);
        benchmark::DoNotOptimize(ListeazaCatalogText(1, in, Catalog()).size());
    });
}
BENCHMARK(BM_ListeazaCatalogText)->UseManualTime()->Unit(benchmark::kMillisecond)->Apply(OdataInModScurt);

void BM_ConstruiesteSticleCatalogText(benchmark::State& state) {
    FataDeCitire(state, Catalog(), [](PlatformaScriptata&) {
        std::ifstream in(Catalog(), std::ios::binary);
        CititorLiniiText cititor(in);
        MaterialOptic m;
        for (int i = 0; i < 7; ++i) cititor.citeste();
        while (cititor.citeste()) benchmark::DoNotOptimize(ParseazaLinieCatalogText(1, cititor.linie(), {}, m));
    });
}
BENCHMARK(BM_ConstruiesteSticleCatalogText)->UseManualTime()->Unit(benchmark::kMillisecond)->Apply(OdataInModScurt);

void BM_ImportaCatalogTextInBazaGoala(benchmark::State& state) {
    path_sticle = Lucru().cale;
    nume_fisier_sticle = NumeFisierSticleImplicit;
    const std::string baza = Lucru().fisier(NumeFisierSticleImplicit);
    std::vector<int> toate(LiniiCatalog);
    for (int i = 0; i < LiniiCatalog; ++i) toate[static_cast<std::size_t>(i)] = i;
    FataDeCitire(
        state, Catalog(),
        [&toate](PlatformaScriptata&) {
            std::vector<IntrareCatalogText> lista;
            MaterialOptic lucru;
            if (ListeazaFisierCatalogText(1, Catalog(), lista).esuat() ||
                ImportaFisierCatalogText(1, Catalog(), toate, lucru, nullptr, path_sticle, PoliticaConflict::Intreaba)
                        .noi != LiniiCatalog)
                std::abort();
        },
        [&baza](PlatformaScriptata&) { std::filesystem::remove(baza); }, baza);
}
BENCHMARK(BM_ImportaCatalogTextInBazaGoala)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)
    ->Apply(OdataInModScurt);

void BM_ConversieSticle32(benchmark::State& state) {
    const std::string nou = Lucru().fisier("SticleNou32.dat");
    FataDeCitire(
        state, FisierVechi(),
        [&nou](PlatformaScriptata& p) {
            if (ConvertesteSticle32(p, nullptr, FisierVechi(), nou).stare != StareOperatie::Facut) std::abort();
        },
        [&nou](PlatformaScriptata& p) {
            std::remove(nou.c_str());  // no archive copies piling up
            p.raspunde(raspuns::IDYES);
        },
        nou);
}
BENCHMARK(BM_ConversieSticle32)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5)->Apply(OdataInModScurt);

void BM_ConversieSticle32InFundal(benchmark::State& state) {
    static int argc = 1;
    static char nume[] = "CatalogTextBench";
    static char* argv[] = {nume, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication aplicatie(argc, argv);
    PlatformaScriptata platforma;
    PlatformaInstalata garda(platforma);
    InstaleazaDestinatieMesaje([](const std::string&, int) { return 1; });
    const std::string nou = Lucru().fisier("SticleNou32.dat");
    qint64 pauzaMaxima = 0;
    for (auto _ : state) {
        std::remove(nou.c_str());
        platforma.raspunde(raspuns::IDYES);
        const vitramor::test::PauzaMaximaBucla pauza;
        const auto t0 = std::chrono::steady_clock::now();
        RuleazaCuProgres(nullptr, QStringLiteral("Conversie"), [&](Progres& progres) {
            if (ConvertesteSticle32(platforma, nullptr, FisierVechi(), nou, nullptr, progres).stare !=
                StareOperatie::Facut)
                std::abort();
        });
        state.SetIterationTime(Secunde(t0));
        pauzaMaxima = std::max(pauzaMaxima, pauza.maximMs());
    }
    state.counters["max_pause_ms"] = static_cast<double>(pauzaMaxima);
    InstaleazaDestinatieMesaje({});
}
BENCHMARK(BM_ConversieSticle32InFundal)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3)
    ->Apply(OdataInModScurt);

}  // namespace

BENCHMARK_MAIN();
