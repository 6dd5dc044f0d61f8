// The memory and time a CSV catalogue costs the table commands of the real
// vitramor-cli, whatever the file's size: `columns`, `tables` and
// `import-table` (listing and, with --update, storing) over 10 MB and 40 MB
// of a catalogue with 59 columns a glass. Each command runs as a child
// process; "peak_mb_above_footprint" is its peak resident memory less that
// of the same command on a two-row file (the program's own footprint), the
// figure to watch: a few tens of MB at most for reading, whatever the size.
// "s_per_mb" is the command's wall time per megabyte of file: reading stays
// linear when it is the same at both sizes.
//
// A full run (Debian 12, 2 cores, the Release tree), peak MB above the
// footprint and s/MB:
//
//   command                         10 MB           40 MB
//   columns                         0.19  0.0100    0.34  0.0096
//   tables                          0.25  0.0137    0.13  0.0088
//   import-table (listing)          0.03  0.173     0.07  0.160
//   import-table --update           59    0.185     235   0.205
//
// Reading costs a row's worth of memory whatever the size, in time
// proportional to it. The update keeps each row's glass (2,128 bytes, some
// 5.9 bytes a byte of this file) until its one-pass store, which stores
// them all or none; that, not the sheet, is its figure.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "import/tabele/AsociereColoane.h"
#include "support/BazaBench.h"
#include "support/PlatformaScriptata.h"

using namespace vitramor;
using namespace vitramor::bench;
namespace fs = std::filesystem;

namespace {

struct Lucru {
    fs::path dir;
    Lucru() {
        std::string sablon = (fs::temp_directory_path() / "vitramor-memorie-XXXXXX").string();
        if (!mkdtemp(sablon.data())) std::abort();
        dir = sablon;
        fs::create_directories(dir / "sticle");
        // Name, 20 indices, 32 transmittances, 6 coefficients: as the
        // update benchmark's catalogue.
        ContextImportExcel c;
        StergeAsocieri(c.asocieri);
        ScrieAsocieriImplicite(c);
        const struct { int i, start, stop; } a[] = {{0, 0, 0}, {3, 1, 20}, {9, 21, 52}, {5, 53, 58}};
        for (const auto& x : a) {
            c.asocieri[x.i].activ = 1;
            c.asocieri[x.i].coloanaStart = static_cast<std::int16_t>(x.start);
            c.asocieri[x.i].coloanaStop = static_cast<std::int16_t>(x.stop);
            c.asocieri[x.i].nrColoane = static_cast<std::int16_t>(x.stop - x.start + 1);
        }
        PlatformaScriptata p;
        PlatformaInstalata garda(p);
        if (SalveazaAsocieriInFisier((dir / "a.aso").string(), c.asocieri).esuat()) std::abort();
    }
    ~Lucru() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

Lucru& lucru() {
    static Lucru l;
    return l;
}

// A catalogue CSV of at least `octeti` bytes and one glass (an update of
// no glass stores nothing, which is a failure); returns its path.
fs::path Catalog(std::size_t octeti) {
    const fs::path cale = lucru().dir / ("c" + std::to_string(octeti) + ".csv");
    if (fs::exists(cale)) return cale;
    std::ofstream c(cale, std::ios::binary);
    c << "nume";
    for (int k = 0; k < 20; ++k) c << ",n" << 400 + 50 * k;
    for (int k = 0; k < 32; ++k) c << ",TAUI10/" << 300 + 20 * k;
    for (int k = 1; k <= 6; ++k) c << ",c" << k;
    c << "\r\n";
    for (int i = 0; i == 0 || static_cast<std::size_t>(c.tellp()) < octeti; ++i) {
        char n[16], tau[16], coef[16];
        std::snprintf(n, sizeof n, "1.%05d", 50000 + i % 20000);
        std::snprintf(tau, sizeof tau, "0.9%02d", i % 100);
        std::snprintf(coef, sizeof coef, "%.6f", 1.0 + i * 1e-6);
        c << "N" << i;
        for (int k = 0; k < 20; ++k) c << ',' << n;
        for (int k = 0; k < 32; ++k) c << ',' << tau;
        for (int k = 0; k < 6; ++k) c << ',' << coef;
        c << "\r\n";
    }
    return cale;
}

struct Rulare {
    double secunde = 0;
    double mb = 0;  // peak resident memory
};

// vitramor-cli with the arguments (the file last, then its table), output
// thrown away; its exit status must be 0.
Rulare Ruleaza(const std::string& argumente, const fs::path& csv) {
    const std::string sticle = (lucru().dir / "sticle").string();
    fs::remove(lucru().dir / "sticle" / NumeFisierSticleImplicit);
    const std::string comanda = "exec '" VITRAMOR_CLI_PATH "' --yes --glass-dir '" + sticle + "' " + argumente + " '" +
                                csv.string() + "'" + (argumente == "tables" ? "" : " '" + csv.stem().string() + "'") +
                                " >/dev/null 2>&1";
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("VITRAMOR_SETTINGS", (lucru().dir / "s.ini").c_str(), 1);
        ::execl("/bin/sh", "sh", "-c", comanda.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int stare = 0;
    struct rusage u {};
    if (pid < 0 || ::wait4(pid, &stare, 0, &u) != pid || !WIFEXITED(stare) || WEXITSTATUS(stare) != 0) return {-1, 0};
    return {Secunde(t0), static_cast<double>(u.ru_maxrss) / 1024.0};
}

const char* const Comenzi[] = {"columns", "tables", "import-table --code 3 --associations a.aso",
                               "import-table --update --code 3 --associations a.aso"};

void BM_MemorieCsv(benchmark::State& state) {
    const std::size_t mb = static_cast<std::size_t>(state.range(1));
    std::string comanda = Comenzi[state.range(0)];
    if (const auto a = comanda.find("a.aso"); a != std::string::npos) comanda.replace(a, 5, (lucru().dir / "a.aso").string());
    const fs::path mic = Catalog(1), mare = Catalog(mb << 20);
    double varf = 0, secunde = 0;
    for (auto _ : state) {
        const Rulare baza = Ruleaza(comanda, mic), r = Ruleaza(comanda, mare);
        if (baza.secunde < 0 || r.secunde < 0) {
            state.SkipWithError(("vitramor-cli " + comanda + " failed").c_str());
            break;
        }
        state.SetIterationTime(r.secunde);
        varf = std::max(varf, r.mb - baza.mb);
        secunde += r.secunde;
    }
    state.SetLabel(comanda.substr(0, comanda.find(" --associations")) + ", " + std::to_string(mb) + " MB");
    state.counters["peak_mb_above_footprint"] = varf;
    state.counters["s_per_mb"] = secunde / static_cast<double>(state.iterations()) / static_cast<double>(mb);
}

void Dimensiuni(benchmark::internal::Benchmark* b) {
    const std::vector<int> marimi = ModScurt() ? std::vector<int>{1} : std::vector<int>{10, 40};
    for (int comanda = 0; comanda < 4; ++comanda)
        for (int mb : marimi) b->Args({comanda, mb});
}
BENCHMARK(BM_MemorieCsv)->Apply(Dimensiuni)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
