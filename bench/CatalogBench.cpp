// Finding and storing a material in a 20,000-record database, each measured
// against the physical limit of the same work: one sequential read of the
// same file, timed alternately with the operation in the same run so that
// both see the same page cache. The counter "ratio_to_read" is the figure
// to watch; the target is 1.5 or less.
//
// A store also waits for its record to reach the disk, which no read pays.
// The store benchmark therefore also times one bare 2128-byte write with
// fdatasync on the same file system ("sync_ms") and reports the store
// against read plus sync ("ratio_to_read_plus_sync"), the limit of a
// durable store: on a disk with a slow cache flush the first ratio is
// dominated by the flush, the second shows what the code itself costs.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "support/PlatformaScriptata.h"
#include "support/BazaBench.h"
#include "record/MaterialOptic.h"
#include "settings/Directoare.h"
#include "database/CatalogMateriale.h"

using namespace vitramor;

namespace {

using namespace vitramor::bench;

const int NumarRecorduri = Marime(20000, 500);

MaterialOptic Material(int i) {
    MaterialOptic m;
    std::memset(&m, 0, sizeof m);
    std::snprintf(m.nume, sizeof m.nume, "G%05d", i);
    m.producator = static_cast<std::uint16_t>(i % 15);
    for (int k = 0; k < NumarSloturiTabel; ++k) {
        m.lambda_indici[k] = 400.0f + 10.0f * static_cast<float>(k);
        m.indice_n[k] = 1.5 + 0.001 * k;
    }
    return m;
}

BazaDeTest& Baza() {
    static BazaDeTest b("vitramor-bench", NumarRecorduri, Material);
    return b;
}

// A glass directory with the database, removed at the end of the program.
// The limit: every byte of the file through fread in 1 MB pieces.
double SecundeCitireSecventiala(const std::string& fisier) {
    const auto t0 = std::chrono::steady_clock::now();
    CitesteSecvential(fisier);
    return Secunde(t0);
}

// The other limit of a store: one record written to a scratch file next to
// the database and put on the disk.
double SecundeRescriereRecord(const std::string& director) {
    static const std::string cale = (std::filesystem::path(director) / "sync.tmp").string();
    static int fd = ::open(cale.c_str(), O_RDWR | O_CREAT, 0644);
    static char record[MarimeMaterialOptic] = {};
    ++record[0];
    const auto t0 = std::chrono::steady_clock::now();
    if (::pwrite(fd, record, sizeof record, 0) != static_cast<ssize_t>(sizeof record) || ::fdatasync(fd) != 0) {
        std::abort();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

template <typename Operatie>
void MasoaraFataDeCitire(benchmark::State& state, bool cuSincronizare, Operatie operatie) {
    PlatformaScriptata platforma;
    PlatformaInstalata garda(platforma);
    nume_fisier_sticle = NumeFisierSticleImplicit;
    const BazaDeTest& baza = Baza();
    SecundeCitireSecventiala(baza.fisier);  // warm the page cache for both sides
    double citire = 0, operatii = 0, sincronizare = 0;
    for (auto _ : state) {
        citire += SecundeCitireSecventiala(baza.fisier);
        if (cuSincronizare) sincronizare += SecundeRescriereRecord(baza.director);
        const auto t0 = std::chrono::steady_clock::now();
        if (operatie(baza) != 0) {
            state.SkipWithError("the catalogue operation failed");
            break;
        }
        const double t = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        operatii += t;
        state.SetIterationTime(t);
    }
    if (citire > 0) {
        state.counters["ratio_to_read"] = operatii / citire;
        state.counters["read_ms"] = 1e3 * citire / static_cast<double>(state.iterations());
        state.counters["op_ms"] = 1e3 * operatii / static_cast<double>(state.iterations());
        if (cuSincronizare) {
            state.counters["sync_ms"] = 1e3 * sincronizare / static_cast<double>(state.iterations());
            state.counters["ratio_to_read_plus_sync"] = operatii / (citire + sincronizare);
        }
    }
    if (!platforma.casete.empty()) state.SkipWithError(platforma.casete.front().text.c_str());
}

void BM_CautaUltimulMaterial(benchmark::State& state) {
    MasoaraFataDeCitire(state, false, [](const BazaDeTest& b) {
        MaterialOptic m = Material(NumarRecorduri - 1);
        std::memset(m.indice_n, 0, sizeof m.indice_n);
        return CautaMaterialOptic(b.director, m, nullptr, CautaOp);
    });
}
BENCHMARK(BM_CautaUltimulMaterial)->UseManualTime()->Unit(benchmark::kMillisecond)->Apply(OdataInModScurt);

void BM_SalveazaPesteUltimulMaterial(benchmark::State& state) {
    MasoaraFataDeCitire(state, true, [](const BazaDeTest& b) {
        // A changed record every time, so that each store really writes.
        static std::uint16_t pret = 0;
        MaterialOptic m = Material(NumarRecorduri - 1);
        m.pret_relativ = ++pret;
        return CautaMaterialOptic(b.director, m, nullptr, SalveazaOp);
    });
}
BENCHMARK(BM_SalveazaPesteUltimulMaterial)->UseManualTime()->Unit(benchmark::kMillisecond)->Apply(OdataInModScurt);

}  // namespace

BENCHMARK_MAIN();
