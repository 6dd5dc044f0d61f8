// Opening files with the fixed failure reports, and existence tests.

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "fileutil/FileUtil.h"

namespace vitramor {

using namespace stil;

namespace {

std::string InDirector(const std::string& director, const std::string& numeFisier) {
    if (director.empty()) return numeFisier;
    if (director.back() == '/') return director + numeFisier;
    return director + "/" + numeFisier;
}

}  // namespace

int DeschideFisierCuMesaj(const std::string& cale, const char* mod, std::FILE*& f, bool raporteaza) {
    f = std::fopen(cale.c_str(), mod);
    if (f) {
        // fopen happily opens a directory for reading; every read would
        // then fail, so it is refused here with the proper cause.
        struct stat st {};
        if (::fstat(::fileno(f), &st) == 0 && S_ISDIR(st.st_mode)) {
            std::fclose(f);
            f = nullptr;
            errno = EISDIR;
        }
    }
    if (f) return 1;
    if (raporteaza) {
        const int cod = errno;
        const std::string eroare = platforma().textUltimaEroare();
        if (!eroare.empty()) MesajBox(nullptr, eroare, "Open", MB_OK | MB_ICONASTERISK);
        char text[800];
        const std::string curent = DirectorCurent();
        std::snprintf(text, sizeof text, "Eroare deschidere fisier %s din %s", cale.c_str(), curent.c_str());
        MesajBox(nullptr, text, "ATENTIE!", MB_OK | MB_ICONEXCLAMATION);
        errno = cod;
    }
    return 0;
}

int DeschidePerecheFisiere(const std::string& sursa, const char* modSursa, std::FILE*& fSursa,
                           const std::string& temporar, const char* modTemporar, std::FILE*& fTemporar) {
    fSursa = nullptr;
    fTemporar = nullptr;
    if (!DeschideFisierCuMesaj(sursa, modSursa, fSursa, true)) return 0;

    struct stat st {};
    if (::lstat(temporar.c_str(), &st) == 0) {
        char text[600];
        std::snprintf(text, sizeof text, "Fisierul %s exista.\nProbabil eroare la vechea stergere.\nContinuam ?",
                      temporar.c_str());
        if (MesajBox(nullptr, text, "ATENTIE!", MB_OKCANCEL | MB_ICONQUESTION) != raspuns::IDOK) {
            std::fclose(fSursa);
            fSursa = nullptr;
            return 0;
        }
    }
    if (!DeschideFisierCuMesaj(temporar, modTemporar, fTemporar, true)) {
        std::fclose(fSursa);
        fSursa = nullptr;
        return 0;
    }
    return 1;
}

int DeschideInDirector(const std::string& director, const std::string& numeFisier, std::string& directorAnterior,
                       const char* mod, std::FILE*& f) {
    f = nullptr;
    directorAnterior.clear();
    if (!director.empty() && !SchimbaDirectorCuSalvare(director, directorAnterior, true)) return 0;

    const bool citire = std::strchr(mod, 'r') != nullptr;
    if ((citire && !ExistaFisier("", numeFisier, true)) || !DeschideFisierCuMesaj(numeFisier, mod, f, true)) {
        // The caller only goes back on success, so a failure goes back here.
        RevinoInDirector(directorAnterior);
        directorAnterior.clear();
        return 0;
    }
    return 1;
}

int ExistaFisier(const std::string& director, const std::string& numeFisier, bool raporteaza) {
    struct stat st {};
    if (::stat(InDirector(director, numeFisier).c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) return 1;
    if (raporteaza) {
        char text[800];
        const std::string unde = director.empty() ? DirectorCurent() : director;
        std::snprintf(text, sizeof text, "In directorul %s nu exista fisierul %s", unde.c_str(), numeFisier.c_str());
        MesajBox(nullptr, text, "ATENTIE!", MB_OK | MB_ICONEXCLAMATION);
    }
    return 0;
}

int MarimeFisier(const std::string& numeFisier, const std::string& director, std::uint64_t& marime) {
    // The path is looked up below the directory instead of changing into it:
    // the same answer without touching the process-wide current directory.
    marime = 0;
    struct stat st {};
    if (::stat(InDirector(director, numeFisier).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return 0;
    marime = static_cast<std::uint64_t>(st.st_size);
    return 1;
}

}  // namespace vitramor
