// Directory tests and directory creation.
//
// This system runs on a case-sensitive file system, so paths are used
// exactly as given (never upper-cased), "/" stays the separator, and there
// are no drive letters: a path starting with "/" is absolute and starts from
// the root, every other path is relative to the current directory. Nothing
// here changes the current directory: it belongs to the whole process, and
// the window's thread would find it moved under it by background work.

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include "fileutil/UtilitatiFisiere.h"
#include "record/TextFormatat.h"

namespace vitramor {

using namespace stil;

namespace {

bool EsteDirector(const std::string& cale) {
    struct stat st {};
    return ::stat(cale.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// What a change into `cale` would meet, found without making it: 0 when
// `cale` is a directory we may enter, else the errno chdir would give.
int CodIntrareDirector(const std::string& cale) {
    struct stat st {};
    if (::stat(cale.c_str(), &st) != 0) return errno;
    if (!S_ISDIR(st.st_mode)) return ENOTDIR;
    return ::access(cale.c_str(), X_OK) == 0 ? 0 : errno;
}

std::string TextEroare(const std::string& cale, int cod) {
    return cale + ":\n" + (cod != 0 ? std::strerror(cod) : "eroare necunoscuta");
}

// Creates a directory with all its missing parents, one component at a
// time, so that a failure names the component that could not be made.
RezultatOperatie CreazaCuParinti(Intrebari& intrebari, const std::string& cale) {
    const bool absoluta = !cale.empty() && cale.front() == '/';
    if (!absoluta) {
        const std::string curent = DirectorCurent();
        const std::string text =
            TextFormatat("Directorul: %s\nse va adauga la: %s\nContinuam?", cale.c_str(), curent.c_str());
        if (intrebari.intreaba(nullptr, text, "ATENTIE!", MB_YESNO | MB_ICONQUESTION) != raspuns::IDYES)
            return RezultatOperatie::Anulare();
    }

    std::string partial = absoluta ? "/" : "";
    std::size_t poz = absoluta ? 1 : 0;
    while (poz <= cale.size()) {
        std::size_t urm = cale.find('/', poz);
        if (urm == std::string::npos) urm = cale.size();
        const std::string componenta = cale.substr(poz, urm - poz);
        poz = urm + 1;
        if (componenta.empty()) continue;
        if (!partial.empty() && partial.back() != '/') partial += '/';
        partial += componenta;
        if (::mkdir(partial.c_str(), 0777) == 0) continue;
        if (errno == EEXIST && EsteDirector(partial)) continue;
        return RezultatOperatie::Esec("Eroare creare director " +
                                      TextEroare(partial, errno == EEXIST ? ENOTDIR : errno));
    }
    return {};
}

RezultatOperatie CreeazaSiVerifica(Intrebari& intrebari, const std::string& cale) {
    RezultatOperatie r = CreazaCuParinti(intrebari, cale);
    if (r.stare != StareOperatie::Facut || EsteDirector(cale)) return r;
    return RezultatOperatie::Esec("Eroare creare director " + TextEroare(cale, ENOTDIR));
}

}  // namespace

std::string DirectorCurent() {
    std::vector<char> buffer(PATH_MAX + 1);
    if (!::getcwd(buffer.data(), buffer.size())) return "????";
    return buffer.data();
}


std::string DeCeDirectorInaccesibil(const std::string& cale) {
    if (cale.empty()) return "Directorul nu este ales.";
    const int cod = CodIntrareDirector(cale);
    if (cod == 0) return {};
    return "Eroare schimbare director " + TextEroare(cale, cod);
}

int ExistaDirector(const std::string& cale) { return !cale.empty() && CodIntrareDirector(cale) == 0 ? 1 : 0; }

RezultatOperatie CreazaDirector(Intrebari& intrebari, const std::string& cale) {
    if (cale.empty()) return RezultatOperatie::Esec("Directorul nu este ales.");
    if (EsteDirector(cale)) return {};
    return CreeazaSiVerifica(intrebari, cale);
}

RezultatOperatie CreazaDirectorCuIntrebare(Intrebari& intrebari, const std::string& cale) {
    if (cale.empty()) return RezultatOperatie::Esec("Directorul nu este ales.");
    if (EsteDirector(cale)) return {};
    const std::string text = TextFormatat("Directorul %s\nu exista. Il creati?", cale.c_str());
    if (intrebari.intreaba(nullptr, text, "ATENTIE!", MB_YESNO | MB_ICONQUESTION) != raspuns::IDYES)
        return RezultatOperatie::Anulare();
    return CreeazaSiVerifica(intrebari, cale);
}

}  // namespace vitramor
