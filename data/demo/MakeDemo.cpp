// Writes the demo glass directory: vitramor-make-demo DIR
// Each file goes to a temporary name first and replaces the old one only
// when it is complete.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "demo/DateDemo.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vitramor-make-demo DIR\n");
        return 2;
    }
    const std::filesystem::path director = argv[1];
    std::error_code eroare;
    std::filesystem::create_directories(director, eroare);
    for (const auto& fisier : vitramor::demo::FisiereDemo()) {
        const auto tinta = director / fisier.nume;
        const auto temporar = director / (fisier.nume + ".tmp");
        {
            std::ofstream iesire(temporar, std::ios::binary | std::ios::trunc);
            iesire.write(fisier.continut.data(), static_cast<std::streamsize>(fisier.continut.size()));
            if (!iesire.flush()) {
                std::fprintf(stderr, "%s: cannot write\n", temporar.string().c_str());
                return 1;
            }
        }
        std::filesystem::rename(temporar, tinta, eroare);
        if (eroare) {
            std::fprintf(stderr, "%s: %s\n", tinta.string().c_str(), eroare.message().c_str());
            return 1;
        }
        std::printf("%s\t%zu bytes\n", tinta.string().c_str(), fisier.continut.size());
    }
    return 0;
}
