// Opening files with the reasons of their failures, and existence tests.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "fileutil/UtilitatiFisiere.h"
#include "platform/SistemFisiere.h"
#include "record/TextFormatat.h"

namespace vitramor {

using namespace stil;

std::string CaleInDirector(const std::string& director, const std::string& numeFisier) {
    // An absolute name stands on its own, as it did when opened from inside the directory.
    if (director.empty() || (!numeFisier.empty() && numeFisier.front() == '/')) return numeFisier;
    if (director.back() == '/') return director + numeFisier;
    return director + "/" + numeFisier;
}

std::string FisierDinDirector(const std::string& cale) {
    std::error_code ec;
    std::filesystem::path unde = std::filesystem::absolute(cale, ec);
    if (ec) unde = cale;
    return unde.filename().string() + " din " + unde.parent_path().string();
}

namespace {

// fopen's mode as open(2) flags; the truncation of "w" is left out and done
// only once the file is known to be a regular one.
int FlaguriMod(const char* mod, bool& trunchiaza) {
    const bool plus = std::strchr(mod, '+') != nullptr;
    trunchiaza = false;
    int flaguri = O_CLOEXEC | O_NONBLOCK;
    switch (mod[0]) {
        case 'w': flaguri |= (plus ? O_RDWR : O_WRONLY) | O_CREAT; trunchiaza = true; break;
        case 'a': flaguri |= (plus ? O_RDWR : O_WRONLY) | O_CREAT | O_APPEND; break;
        default: flaguri |= plus ? O_RDWR : O_RDONLY; break;
    }
    if (std::strchr(mod, 'x')) flaguri |= O_EXCL;
    return flaguri;
}

// Opens without blocking (a FIFO would wait for a writer) and without
// truncating, then keeps only a regular file: a device under a data file's
// name reads without end (/dev/zero would fill the disk) and a FIFO blocks.
std::FILE* DeschideObisnuit(const std::string& cale, const char* mod, bool& neobisnuit) {
    neobisnuit = false;
    bool trunchiaza = false;
    const int fd = ::open(cale.c_str(), FlaguriMod(mod, trunchiaza), 0666);
    struct stat st {};
    if (fd < 0) {
        // A FIFO without a reader refuses a writer (ENXIO): that it is a
        // FIFO is what the user needs to hear.
        const int cod = errno;
        neobisnuit = ::stat(cale.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
        errno = cod;
        return nullptr;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool director = S_ISDIR(st.st_mode);
        ::close(fd);
        neobisnuit = !director;
        errno = director ? EISDIR : EINVAL;
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (trunchiaza && ::ftruncate(fd, 0) != 0) {
        const int cod = errno;
        ::close(fd);
        errno = cod;
        return nullptr;
    }
    std::string modFdopen;
    for (const char* p = mod; *p; ++p)
        if (*p != 'x') modFdopen += *p;
    std::FILE* f = ::fdopen(fd, modFdopen.c_str());
    if (!f) ::close(fd);
    return f;
}

}  // namespace

bool FisierDeschis::inchide() {
    if (!f) return true;
    const bool ok = std::fclose(f) == 0;
    f = nullptr;
    return ok;
}

bool EsteNeobisnuit(const std::string& cale) {
    struct stat st {};
    return ::stat(cale.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
}

namespace {

std::string TextNeobisnuitLaDeschidere(const std::string& cale) {
    std::string fel = DescriereNeobisnuit(cale);
    if (fel.empty()) fel = "un dispozitiv, un FIFO sau un socket";
    return TextFormatat("%s nu este un fisier obisnuit (este %s) si nu se deschide.", cale.c_str(), fel.c_str());
}

}  // namespace

RezultatOperatie DeschideFisierObisnuit(const std::string& cale, const char* mod, std::FILE*& f) {
    bool neobisnuit = false;
    f = DeschideObisnuit(cale, mod, neobisnuit);
    if (f) return {};
    const int cod = errno;
    RezultatOperatie r =
        RezultatOperatie::Esec(neobisnuit ? TextNeobisnuitLaDeschidere(cale)
                                          : "Eroare deschidere fisier " + FisierDinDirector(cale) + ":\n" +
                                                (cod != 0 ? std::strerror(cod) : "eroare necunoscuta"));
    errno = neobisnuit ? EINVAL : cod;
    return r;
}

namespace {

std::string TextFisierLipsa(const std::string& director, const std::string& numeFisier) {
    const std::string unde = director.empty() ? DirectorCurent() : director;
    return TextFormatat("In directorul %s nu exista fisierul %s", unde.c_str(), numeFisier.c_str());
}

bool Exista(const std::string& director, const std::string& numeFisier) {
    struct stat st {};
    return ::stat(CaleInDirector(director, numeFisier).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

}  // namespace

RezultatOperatie DeschideInDirector(const std::string& director, const std::string& numeFisier, const char* mod,
                                    std::FILE*& f) {
    f = nullptr;
    if (!director.empty())
        if (std::string motiv = DeCeDirectorInaccesibil(director); !motiv.empty())
            return RezultatOperatie::Esec(std::move(motiv));
    const bool citire = std::strchr(mod, 'r') != nullptr;
    if (citire && !Exista(director, numeFisier)) return RezultatOperatie::Esec(TextFisierLipsa(director, numeFisier));
    return DeschideFisierObisnuit(CaleInDirector(director, numeFisier), mod, f);
}

int ExistaFisier(const std::string& director, const std::string& numeFisier, bool raporteaza) {
    if (Exista(director, numeFisier)) return 1;
    if (raporteaza) MesajBox(nullptr, TextFisierLipsa(director, numeFisier), "ATENTIE!", MB_OK | MB_ICONEXCLAMATION);
    return 0;
}

int MarimeFisier(const std::string& numeFisier, const std::string& director, std::uint64_t& marime) {
    // The path is looked up below the directory instead of changing into it:
    // the same answer without touching the process-wide current directory.
    marime = 0;
    struct stat st {};
    if (::stat(CaleInDirector(director, numeFisier).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return 0;
    marime = static_cast<std::uint64_t>(st.st_size);
    return 1;
}

}  // namespace vitramor
