#pragma once
// What the benchmarks share: a glass directory holding a generated database
// (removed at the end of the program), a stopwatch, and the physical limit
// every figure is compared with — one sequential read of the same file.

#include <benchmark/benchmark.h>
#include <stdlib.h>

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

}  // namespace vitramor::bench
