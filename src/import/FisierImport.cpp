#include "import/FisierImport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace vitramor {

bool CitesteFisierImport(Fereastra owner, const std::string& cale, std::string& octeti) {
    auto esec = [&](const std::string& motiv) {
        MesajBox(owner, "Fisierul " + cale + " nu poate fi citit: " + motiv, "Eroare", stil::MB_OK | stil::MB_ICONHAND);
        return false;
    };
    std::error_code ec;
    if (std::filesystem::is_directory(cale, ec)) return esec("este un director");
    std::FILE* f = std::fopen(cale.c_str(), "rb");
    if (!f) return esec(std::strerror(errno));
    octeti.clear();
    if (const auto marime = std::filesystem::file_size(cale, ec); !ec && marime <= MarimeMaximaFisierImport)
        octeti.reserve(marime);
    char tampon[1 << 16];
    bool prea_mare = false;
    while (const std::size_t n = std::fread(tampon, 1, sizeof tampon, f)) {
        if (octeti.size() + n > MarimeMaximaFisierImport) {
            prea_mare = true;
            break;
        }
        octeti.append(tampon, n);
    }
    const bool eroare = std::ferror(f) != 0;
    const int cod = errno;
    std::fclose(f);
    if (prea_mare) return esec("are mai mult de 64 MB, nu este un catalog");
    if (eroare) return esec(std::strerror(cod));
    return true;
}

}  // namespace vitramor
