// Exporting 2,000 glasses of a database as an AGF catalogue (the records
// read from the database, the text made, written through a work file and
// put on the disk), against the physical limit of the same work measured in
// the same run: one sequential read of the database plus one write of as
// many bytes as the catalogue has, synced once. The counter
// "ratio_to_read_write" is the figure to watch; the target is 3 or less.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "export/ExportAgf.h"
#include "messages/ListaMesaje.h"
#include "record/ConversiiMaterial.h"
#include "settings/Directoare.h"
#include "support/BazaBench.h"
#include "support/PlatformaScriptata.h"

using namespace vitramor;
using namespace vitramor::bench;

namespace {

const int NumarSticle = Marime(2000, 100);

// A catalogue glass as the AGF import leaves it: a Sellmeier equation, the
// index table at 30 wavelengths, thermal, chemical and price data and a
// transmittance curve of 30 points.
MaterialOptic Sticla(int i) {
    MaterialOptic m{};
    std::snprintf(m.nume, sizeof m.nume, "G%05d", i);
    std::snprintf(m.cod, sizeof m.cod, "517642.%03d", i % 1000);
    m.producator = static_cast<std::uint16_t>(2 + i % 3);
    m.ec_dispersie_n = 4;
    const double c[6] = {1.0 + 0.0002 * i, 0.231792344, 1.01046945, 0.00600069867, 0.0200179144, 103.560653};
    std::copy(c, c + 6, m.coef_disp_n);
    m.domeniu_n[0] = 300, m.domeniu_n[1] = 2500;
    m.domeniu_k[0] = 10, m.domeniu_k[1] = 20000;
    for (int j = 0; j < 30; ++j) {
        m.lambda_indici[j] = 320.0f + 70.0f * static_cast<float>(j);
        m.indice_n[j] = 1.5;
    }
    m.grosime_transmisie = 10.0f;
    for (int j = 0; j < 30; ++j) {
        m.lambda_Ti[j] = static_cast<std::uint16_t>(300 + 50 * j);
        m.transmisia_interna[j] = AbsorbtieDinTransmisieCatalog(j < 3 ? 0.3f * static_cast<float>(j) : 0.998f, 10.0f);
    }
    m.densitate = 2.51f;
    m.dilatare[0] = 7.1f, m.dilatare[1] = 8.3f;
    m.pret_relativ = 10;
    for (int j = 0; j < 5; ++j) m.stabilitate_chimica[j] = static_cast<std::uint16_t>(1 + j % 3);
    m.temperaturi[0] = 557;
    return m;
}

void BM_ExportAgf(benchmark::State& state) {
    PlatformaScriptata platforma;
    PlatformaInstalata garda(platforma);
    InstaleazaDestinatieMesaje([](const std::string&, int) { return 1; });
    static BazaDeTest baza("vitramor-export-agf", NumarSticle, Sticla);
    path_sticle = baza.director;
    nume_fisier_sticle = NumeFisierSticleImplicit;
    const std::string iesire = baza.director + "/export.agf";
    CitesteSecvential(baza.fisier);
    double limita = 0, export_ = 0;
    for (auto _ : state) {
        std::filesystem::remove(iesire);
        const auto t0 = std::chrono::steady_clock::now();
        if (ExportaCatalogAgf(path_sticle, -1, {}, iesire).stare != StareOperatie::Facut) {
            state.SkipWithError("the export failed");
            break;
        }
        const double t = Secunde(t0);
        export_ += t;
        state.SetIterationTime(t);
        const auto tl = std::chrono::steady_clock::now();
        CitesteSecvential(baza.fisier);
        limita += Secunde(tl) + SecundeScriereSincronizata(baza.director, std::filesystem::file_size(iesire));
    }
    if (limita > 0) {
        state.counters["ratio_to_read_write"] = export_ / limita;
        state.counters["limit_ms"] = 1e3 * limita / static_cast<double>(state.iterations());
        state.counters["export_ms"] = 1e3 * export_ / static_cast<double>(state.iterations());
    }
    InstaleazaDestinatieMesaje({});
    if (!platforma.casete.empty()) state.SkipWithError(platforma.casete.front().text.c_str());
}
BENCHMARK(BM_ExportAgf)->UseManualTime()->Unit(benchmark::kMillisecond)->Apply(OdataInModScurt);

}  // namespace

BENCHMARK_MAIN();
