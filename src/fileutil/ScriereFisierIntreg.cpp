#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "fileutil/UtilitatiFisiere.h"
#include "platform/Platforma.h"
#include "platform/SistemFisiere.h"

namespace vitramor {

namespace {

// The system's text, or the refusal's when a name on the way is no regular file.
RezultatOperatie EsecScriere(const std::string& cale, const std::string& temporar, int cod) {
    for (const std::string* c : {&cale, &temporar})
        if (std::string text = TextNeobisnuit(*c); !text.empty()) return RezultatOperatie::Esec(std::move(text));
    return RezultatOperatie::Esec("Eroare scriere fisier " + cale + ":\n" +
                                  (cod != 0 ? std::strerror(cod) : "eroare necunoscuta"));
}

}  // namespace

RezultatOperatie ScrieFisierIntreg(const std::string& cale, std::string_view continut, bool arhiveaza) {
    // Both names refused before anything is written (and again by the calls themselves).
    const std::string temporar = cale + ".tmp";
    for (const std::string* c : {&cale, &temporar})
        if (std::string text = TextNeobisnuit(*c); !text.empty()) return RezultatOperatie::Esec(std::move(text));
    SistemFisiere& fs = platforma().fisiere();
    int fd = -1;
    if (const int cod = fs.creeaza(temporar, fd)) return EsecScriere(cale, temporar, cod);
    int cod = fs.scrie(fd, continut.data(), continut.size());
    if (cod == 0) cod = fs.sincronizeaza(fd);
    if (::close(fd) != 0 && cod == 0) cod = errno;
    // The old file becomes its next archive copy.
    if (cod == 0 && arhiveaza) return InlocuiesteFisierCuTemporar(cale, temporar);
    if (cod == 0) cod = fs.redenumeste(temporar, cale);
    if (cod != 0) {
        ::unlink(temporar.c_str());
        return EsecScriere(cale, temporar, cod);
    }
    const std::filesystem::path director = std::filesystem::path(cale).parent_path();
    fs.sincronizeazaDirector(director.empty() ? "." : director.string());
    return {};
}

}  // namespace vitramor
