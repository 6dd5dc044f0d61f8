#pragma once
// What the benchmarks share: a glass directory holding a generated database
// (removed at the end of the program), a stopwatch, and the physical limit
// every figure is compared with — one sequential read of the same file.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "record/MaterialOptic.h"
#include "settings/Directoare.h"

namespace vitramor::bench {

// The short mode (VITRAMOR_BENCH_SCURT in the environment): every benchmark
// runs once on small sizes, so that scripts/test runs them all in a minute
// or two and an error fails the build. Its figures mean nothing; full runs
// give the figures.
inline bool ModScurt() {
    static const bool scurt = std::getenv("VITRAMOR_BENCH_SCURT") != nullptr;
    return scurt;
}
// `complet` in a full run, `scurt` in the short mode.
inline int Marime(int complet, int scurt) { return ModScurt() ? scurt : complet; }
// For ->Apply(), last: one iteration in the short mode, whatever the
// benchmark asks otherwise.
inline void OdataInModScurt(benchmark::internal::Benchmark* b) {
    if (ModScurt()) b->Iterations(1);
}

class BazaDeTest {
public:
    BazaDeTest(const char* prefix, int numarRecorduri, const std::function<MaterialOptic(int)>& material) {
        std::string sablon = (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
        if (!mkdtemp(sablon.data())) std::abort();
        director = sablon;
        fisier = (std::filesystem::path(director) / NumeFisierSticleImplicit).string();
        std::FILE* f = std::fopen(fisier.c_str(), "wb");
        if (!f) std::abort();
        std::vector<MaterialOptic> bloc;
        bloc.reserve(1000);
        for (int i = 0; i < numarRecorduri; ++i) {
            bloc.push_back(material(i));
            if (bloc.size() == 1000 || i + 1 == numarRecorduri) {
                if (std::fwrite(bloc.data(), sizeof(MaterialOptic), bloc.size(), f) != bloc.size()) std::abort();
                bloc.clear();
            }
        }
        if (std::fclose(f) != 0) std::abort();
    }
    ~BazaDeTest() {
        std::error_code ec;
        std::filesystem::remove_all(director, ec);
    }
    BazaDeTest(const BazaDeTest&) = delete;
    BazaDeTest& operator=(const BazaDeTest&) = delete;

    std::string director;
    std::string fisier;
};

inline double Secunde(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Every byte of the file through fread in 1 MB pieces; returns the bytes read.
inline std::size_t CitesteSecvential(const std::string& fisier) {
    static std::vector<char> tampon(1 << 20);
    std::FILE* f = std::fopen(fisier.c_str(), "rb");
    if (!f) std::abort();
    std::size_t total = 0;
    while (const std::size_t n = std::fread(tampon.data(), 1, tampon.size(), f)) total += n;
    std::fclose(f);
    benchmark::DoNotOptimize(total);
    return total;
}

// The write half of the limit of an operation that produces a file: `octeti`
// bytes written to a new file of `director` in one call and put on the disk
// once, as the operation must. Returns the seconds it took.
inline double SecundeScriereSincronizata(const std::string& director, std::size_t octeti) {
    static std::vector<char> date;
    date.assign(octeti, 'x');
    const std::string cale = director + "/limit.tmp";
    std::filesystem::remove(cale);
    const auto t0 = std::chrono::steady_clock::now();
    const int fd = ::open(cale.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0 || ::write(fd, date.data(), date.size()) != static_cast<ssize_t>(date.size()) || ::fdatasync(fd) != 0 ||
        ::close(fd) != 0)
        std::abort();
    const double t = Secunde(t0);
    std::filesystem::remove(cale);
    return t;
}

}  // namespace vitramor::bench
