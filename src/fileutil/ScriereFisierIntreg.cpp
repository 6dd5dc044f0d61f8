#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "fileutil/UtilitatiFisiere.h"
#include "platform/Platforma.h"
#include "platform/SistemFisiere.h"

namespace vitramor {

int ScrieFisierIntreg(const std::string& cale, std::string_view continut, bool arhiveaza) {
    // Refused before anything is written, and again by the rename itself.
    if (const int cod = RefuzaNeobisnuit(cale)) return cod;
    SistemFisiere& fs = platforma().fisiere();
    const std::string temporar = cale + ".tmp";
    int fd = -1;
    if (const int cod = fs.creeaza(temporar, fd)) return cod;
    int cod = fs.scrie(fd, continut.data(), continut.size());
    if (cod == 0) cod = fs.sincronizeaza(fd);
    if (::close(fd) != 0 && cod == 0) cod = errno;
    if (cod == 0 && arhiveaza) {
        // The old file becomes its next archive copy.
        const RezultatOperatie r = InlocuiesteFisierCuTemporar(cale, temporar);
        if (r.esuat()) MesajBox(nullptr, r.motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONHAND);
        return r.esuat() ? EPERM : 0;
    }
    if (cod == 0) cod = fs.redenumeste(temporar, cale);
    if (cod != 0) {
        ::unlink(temporar.c_str());
        return cod;
    }
    const std::filesystem::path director = std::filesystem::path(cale).parent_path();
    fs.sincronizeazaDirector(director.empty() ? "." : director.string());
    return 0;
}

}  // namespace vitramor
