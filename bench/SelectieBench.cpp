// The pre-export verification and the export of one producer's 6,250
// materials out of a 100,000-record database, each against one sequential
// read of the same file timed in the same run. Both first list the
// producer's materials and then need every listed record again: with one
// search per name that second part grew with the square of the database;
// the figure to watch is "ratio_to_read", target 3 or less.
//
// The export also builds the JSON document and puts it on the disk, which a
// read does not pay: its own physical limit, "ratio_to_read_write", adds the
// write of as many bytes as the document has, synced once, to the read.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <filesystem>

#include "export/ExportSubstrat.h"
#include "messages/ListaMesaje.h"
#include "support/PlatformaScriptata.h"
#include "support/BazaBench.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::bench;

namespace {

const int NumarRecorduri = Marime(100000, 2000);
constexpr int ProducatorAles = 3;  // every sixteenth record: 6,250 materials

MaterialOptic Material(int i) {
    MaterialOptic m;
    std::memset(&m, 0, sizeof m);
    std::snprintf(m.nume, sizeof m.nume, "S%06d", i);
    m.producator = static_cast<std::uint16_t>(i % 16 == 0 ? ProducatorAles : 1 + i % 2);
    for (int k = 0; k < 20; ++k) {
        m.lambda_indici[k] = 400.0f + 25.0f * static_cast<float>(k);
        m.indice_n[k] = 1.5 + 0.001 * k;
    }
    m.duritate_knoop = 500.0f;
    m.temperaturi[0] = 550;
    return m;
}

BazaDeTest& Baza() {
    static BazaDeTest b("vitramor-selectie", NumarRecorduri, Material);
    return b;
}

template <typename Lucru>
void Masoara(benchmark::State& state, const char* eticheta, Lucru lucru) {
    PlatformaScriptata platforma;
    PlatformaInstalata instalata(platforma);
    InstaleazaDestinatieMesaje([](const std::string&, int) { return 1; });
    path_sticle = Baza().director;
    path_machine_learning = Baza().director + "/ml";
    nume_fisier_sticle = NumeFisierSticleImplicit;
    double total = 0, citire = 0, scriere = 0;
    for (auto _ : state) {
        std::filesystem::remove_all(path_machine_learning);
        auto start = std::chrono::steady_clock::now();
        CitesteSecvential(Baza().fisier);
        citire += Secunde(start);

        platforma.raspunde(raspuns::IDNO);  // the offer to open the exported file
        start = std::chrono::steady_clock::now();
        std::vector<std::string> linii;
        std::string motiv;
        if (IncarcaListaSticleSubstrat(nullptr, path_sticle, ProducatorAles, "*", linii, motiv) != 0 ||
            linii.size() != static_cast<std::size_t>(NumarRecorduri / 16) || !lucru(linii)) {
            state.SkipWithError("the selection did not run through");
            break;
        }
        const double t = Secunde(start);
        state.SetIterationTime(t);
        total += t;
        const std::string document = path_machine_learning + "/" + NumeFisierExportSubstrat;
        if (std::filesystem::exists(document))
            scriere += SecundeScriereSincronizata(Baza().director, std::filesystem::file_size(document));
    }
    if (citire > 0) {
        const double n = static_cast<double>(state.iterations());
        state.counters[eticheta] = 1e3 * total / n;
        state.counters["read_ms"] = 1e3 * citire / n;
        state.counters["ratio_to_read"] = total / citire;
        if (scriere > 0) state.counters["ratio_to_read_write"] = total / (citire + scriere);
    }
    InstaleazaDestinatieMesaje({});
}

void BM_Verificare6250Din100000(benchmark::State& state) {
    Masoara(state, "verify_ms", [](std::vector<std::string>& linii) {
        std::string motiv;
        return VerificaSticleSubstrat(nullptr, path_sticle, linii, ProducatorAles, motiv) == linii.size();
    });
}

void BM_Export6250Din100000(benchmark::State& state) {
    Masoara(state, "export_ms", [](std::vector<std::string>& linii) {
        return ExportaSticleSubstrat(platforma(), nullptr, {path_sticle, path_machine_learning}, linii, ProducatorAles)
            .trecereCompleta;
    });
}

}  // namespace

BENCHMARK(BM_Verificare6250Din100000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3)
    ->Apply(OdataInModScurt);
BENCHMARK(BM_Export6250Din100000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3)
    ->Apply(OdataInModScurt);
BENCHMARK_MAIN();
