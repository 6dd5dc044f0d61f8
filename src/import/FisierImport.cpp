#include "import/FisierImport.h"

#include "fileutil/UtilitatiFisiere.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace vitramor {

RezultatOperatie CitesteFisierImport(const std::string& cale, std::string& octeti) {
    auto esec = [&](const std::string& motiv) {
        return RezultatOperatie::Esec("Fisierul " + cale + " nu poate fi citit: " + motiv);
    };
    std::error_code ec;
    if (std::filesystem::is_directory(cale, ec)) return esec("este un director");
    // Only a regular file: a FIFO under a catalogue's name would block, and a
    // device would read without end. The opening's reason names what it is.
    FisierDeschis f;
    if (RezultatOperatie r = DeschideFisierObisnuit(cale, "rb", f.f); r.esuat())
        return errno == EINVAL ? r : esec(std::strerror(errno));
    octeti.clear();
    if (const auto marime = std::filesystem::file_size(cale, ec); !ec && marime <= MarimeMaximaFisierImport)
        octeti.reserve(marime + 1);
    // Read straight into the text, in pieces, up to the limit.
    // The first piece is the whole file as its size says; a file that grows
    // meanwhile goes on in pieces of a megabyte.
    std::size_t bucata = std::max<std::size_t>(octeti.capacity(), 1);
    bool prea_mare = false;
    for (;;) {
        const std::size_t avem = octeti.size();
        if (avem > MarimeMaximaFisierImport) {
            prea_mare = true;
            break;
        }
        octeti.resize(avem + bucata);
        const std::size_t n = std::fread(octeti.data() + avem, 1, bucata, f.f);
        octeti.resize(avem + n);
        if (n < bucata) break;
        bucata = std::size_t{1} << 20;
    }
    if (octeti.size() > MarimeMaximaFisierImport) prea_mare = true;
    const bool eroare = std::ferror(f.f) != 0;
    const int cod = errno;
    f.inchide();
    if (prea_mare) return esec("are mai mult de 64 MB, nu este un catalog");
    if (eroare) return esec(std::strerror(cod));
    return {};
}

}  // namespace vitramor
