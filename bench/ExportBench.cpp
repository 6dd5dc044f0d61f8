// Exporting 2,000 materials into one JSON document, against the part of
// the same work that no export can avoid: printing a finished document of
// the same text (a cJSON tree read back from the export's own output; only
// the expansion tokens come out in cJSON's digits instead of the export's). "export_ms" is the whole export
// (every material object written and added, then the document printed);
// "ratio_to_print" is that time over the printing of the ready tree alone.
// The target is 2.5 or less.
//
// The materials are full catalogue entries: 35 index entries, 50
// transmittance slots, mechanical, thermal, chemical and laser values, and
// two roles each, so that the role names are looked up in a real attribute
// file as in a real export.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <cjson/cJSON.h>

#include "export/DocumentJson.h"
#include "support/BazaBench.h"
#include "support/PlatformaScriptata.h"
#include "record/MaterialOptic.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::bench;
namespace fs = std::filesystem;

namespace {

const int NumarMateriale = Marime(2000, 100);

MaterialOptic Material(int i) {
    MaterialOptic m;
    std::memset(&m, 0, sizeof m);
    std::snprintf(m.nume, sizeof m.nume, "GLAS-%05d", i);
    m.producator = static_cast<std::uint16_t>(i % 15);
    for (int k = 0; k < 35; ++k) {
        m.lambda_indici[k] = 365.01f + 25.3f * static_cast<float>(k);
        m.indice_n[k] = 1.5 + 0.0123456 * k + 1e-5 * i;
        m.indice_k[k] = k % 3 ? 0.0 : 1.234e-7 * (k + 1);
    }
    for (int k = 0; k < NumarSloturiTabel; ++k) {
        m.lambda_Ti[k] = static_cast<std::uint16_t>(280 + 10 * k);
        m.transmisia_interna[k] = 0.001f * static_cast<float>(k % 7);
    }
    m.densitate = 2.51f;
    m.duritate_knoop = 610.4f;
    m.modul_young = 82.1f;
    m.raport_poisson = 0.206f;
    m.duritate_abraziune = 1.0f;
    m.conductibilitate_termica[0] = 1.114f;
    m.caldura_specifica[0] = 858.0f;
    m.dilatare[0] = 7.1f;
    m.dilatare[1] = 8.3f;
    m.temperaturi[0] = 557;
    m.temperaturi[1] = 719;
    for (int k = 0; k < 5; ++k) m.stabilitate_chimica[k] = static_cast<std::uint16_t>(1 + k);
    m.lidt[0] = 10.0f;
    m.lidt_lambda[0] = 1064;
    m.roluri[0] = static_cast<std::uint8_t>(1 + i % 4);
    m.roluri[1] = 5;
    return m;
}

class DirectorSticle {
public:
    DirectorSticle() {
        std::string sablon = (fs::temp_directory_path() / "vitramor-export-XXXXXX").string();
        if (!mkdtemp(sablon.data())) std::abort();
        director = sablon;
        std::FILE* f = std::fopen((fs::path(director) / "AtributMatSubstrat_ML.txt").c_str(), "wb");
        if (!f) std::abort();
        std::fputs("; roles\n(liber)\t1\nSubstrat\t0\nLentila\t0\nFereastra\t0\nPrisma\t0\nUV\t0\n", f);
        if (std::fclose(f) != 0) std::abort();
    }
    ~DirectorSticle() {
        std::error_code ec;
        fs::remove_all(director, ec);
    }
    std::string director;
};

void BM_Export2000Materiale(benchmark::State& state) {
    DirectorSticle sticle;
    PlatformaScriptata platforma;
    PlatformaInstalata instalata(platforma);
    path_sticle = sticle.director;
    std::vector<MaterialOptic> materiale;
    for (int i = 0; i < NumarMateriale; ++i) materiale.push_back(Material(i));

    double totalExport = 0;
    double totalTiparire = 0;
    std::size_t octeti = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        cJSON* document = cJSON_CreateObject();
        DocumentMaterialeJson materialeDocument(document, path_sticle);
        for (const MaterialOptic& m : materiale)
            if (materialeDocument.adauga(m, "SubstrateMaterials.json", nullptr) != 0) {
                state.SkipWithError("a material could not be added");
                break;
            }
        char* text = cJSON_Print(document);
        const double exportare = Secunde(start);
        cJSON_Delete(document);
        if (!text || !platforma.casete.empty()) {
            state.SkipWithError("the document did not print cleanly");
            cJSON_free(text);
            break;
        }

        cJSON* gata = cJSON_Parse(text);
        start = std::chrono::steady_clock::now();
        char* retiparit = cJSON_Print(gata);
        const double tiparire = Secunde(start);
        octeti = std::strlen(text);
        cJSON_free(retiparit);
        cJSON_free(text);
        cJSON_Delete(gata);

        state.SetIterationTime(exportare);
        totalExport += exportare;
        totalTiparire += tiparire;
    }
    if (totalTiparire > 0) {
        const double n = static_cast<double>(state.iterations());
        state.counters["export_ms"] = 1e3 * totalExport / n;
        state.counters["print_ms"] = 1e3 * totalTiparire / n;
        state.counters["ratio_to_print"] = totalExport / totalTiparire;
        state.counters["document_MB"] = static_cast<double>(octeti) / 1e6;
    }
}

}  // namespace

BENCHMARK(BM_Export2000Materiale)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Apply([](benchmark::internal::Benchmark* b) { ModScurt() ? b->Iterations(1) : b->MinTime(2.0); });

BENCHMARK_MAIN();
