#include "platform/SistemFisiere.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/Platforma.h"

namespace vitramor {

std::string DescriereNeobisnuit(const std::string& cale) {
    struct stat st {};
    if (::stat(cale.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return {};
    if (S_ISDIR(st.st_mode)) return "un director";
    if (S_ISBLK(st.st_mode)) return "un dispozitiv de tip bloc";
    if (S_ISCHR(st.st_mode)) return "un dispozitiv de tip caracter";
    if (S_ISFIFO(st.st_mode)) return "un FIFO";
    if (S_ISSOCK(st.st_mode)) return "un socket";
    return "un fisier special";
}

std::string TextNeobisnuit(const std::string& cale) {
    const std::string fel = DescriereNeobisnuit(cale);
    if (fel.empty()) return {};
    return cale + " este " + fel + ", nu un fisier obisnuit: nu se scrie peste el si nu se muta.";
}

int RefuzaNeobisnuit(const std::string& cale) {
    const std::string text = TextNeobisnuit(cale);
    if (text.empty()) return 0;
    MesajBox(nullptr, text, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
    return EPERM;
}

int SistemFisiere::creeaza(const std::string& cale, int& fd) {
    fd = -1;
    if (const int cod = RefuzaNeobisnuit(cale)) return cod;
    fd = ::open(cale.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return fd < 0 ? errno : 0;
}

namespace {

// The one write loop: a write the system cut short or a signal interrupted
// goes on from where it stopped. `pozitie` negative writes at the file's
// offset, otherwise at that position.
int ScrieTot(int fd, const char* p, std::size_t n, off_t pozitie) {
    while (n > 0) {
        const ssize_t scris = pozitie < 0 ? ::write(fd, p, n) : ::pwrite(fd, p, n, pozitie);
        if (scris < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (scris == 0) return EIO;
        p += scris;
        n -= static_cast<std::size_t>(scris);
        if (pozitie >= 0) pozitie += scris;
    }
    return 0;
}

}  // namespace

int SistemFisiere::scrie(int fd, const void* date, std::size_t n) {
    return ScrieTot(fd, static_cast<const char*>(date), n, -1);
}

int SistemFisiere::scrieLa(int fd, const void* date, std::size_t n, off_t pozitie) {
    return ScrieTot(fd, static_cast<const char*>(date), n, pozitie);
}

int SistemFisiere::trunchiaza(int fd, off_t lungime) { return ::ftruncate(fd, lungime) == 0 ? 0 : errno; }

int SistemFisiere::sincronizeaza(int fd) { return ::fsync(fd) == 0 ? 0 : errno; }

int SistemFisiere::sincronizeazaDate(int fd) { return ::fdatasync(fd) == 0 ? 0 : errno; }

int SistemFisiere::redenumeste(const std::string& din, const std::string& in) {
    if (const int cod = RefuzaNeobisnuit(din)) return cod;
    if (const int cod = RefuzaNeobisnuit(in)) return cod;
    return std::rename(din.c_str(), in.c_str()) == 0 ? 0 : errno;
}

int SistemFisiere::sincronizeazaDirector(const std::string& cale) {
    const std::size_t bara = cale.rfind('/');
    const std::string director = bara == std::string::npos ? "." : bara == 0 ? "/" : cale.substr(0, bara);
    const int fd = ::open(director.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int cod = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    // Some file systems cannot sync a directory; the rename itself happened.
    return cod == EINVAL ? 0 : cod;
}

int SistemFisiere::blocheaza(int fd, bool exclusiv) {
    return ::flock(fd, (exclusiv ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0 ? 0 : errno;
}

int SistemFisiere::deblocheaza(int fd) { return ::flock(fd, LOCK_UN) == 0 ? 0 : errno; }

long SistemFisiere::cineBlocheaza(int fd, bool) {
    // flock keeps no owner that a call could ask for; the kernel's table of
    // locks names the process for each locked file.
    struct stat st {};
    if (::fstat(fd, &st) != 0) return 0;
    std::ifstream tabel("/proc/locks");
    std::string linie;
    while (std::getline(tabel, linie)) {
        std::istringstream campuri(linie);
        std::string nr, tip, fel, acces, pid, fisier;
        campuri >> nr >> tip;
        if (tip == "->") campuri >> tip;  // a waiter, listed under the holder
        campuri >> fel >> acces >> pid >> fisier;
        if (tip != "FLOCK") continue;
        unsigned major = 0, minor = 0;
        unsigned long inod = 0;
        if (std::sscanf(fisier.c_str(), "%x:%x:%lu", &major, &minor, &inod) != 3) continue;
        if (inod == st.st_ino && major == ::major(st.st_dev) && minor == ::minor(st.st_dev) &&
            std::atol(pid.c_str()) != static_cast<long>(::getpid()))
            return std::atol(pid.c_str());
    }
    return 0;
}

SistemFisiere& sistemFisiereImplicit() {
    static SistemFisiere s;
    return s;
}

}  // namespace vitramor
