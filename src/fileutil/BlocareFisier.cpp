#include "fileutil/BlocareFisier.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <cstdio>
#include <thread>
#include <vector>

#include "fileutil/UtilitatiFisiere.h"
#include "platform/SistemFisiere.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

// The locks this process holds: a second lock of the same directory through
// another descriptor would wait for the first, so each directory is opened
// once and its nested uses counted here.
struct Deschisa {
    std::string cale;
    int fd = -1;
    int adancime = 0;
    bool exclusiv = false;
};

std::vector<Deschisa>& Deschise() {
    static std::vector<Deschisa> d;
    return d;
}

Deschisa* Gaseste(const std::string& cale) {
    for (auto& d : Deschise())
        if (d.cale == cale) return &d;
    return nullptr;
}

// Waits for the lock; 0, or the errno of a failure other than a conflict,
// or EAGAIN when the time ran out.
int Asteapta(int fd, bool exclusiv) {
    SistemFisiere& fs = platforma().fisiere();
    const auto limita = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimpAsteptareBlocareMs);
    for (;;) {
        const int cod = fs.blocheaza(fd, exclusiv);
        if (cod != EAGAIN && cod != EACCES && cod != EINTR) return cod;
        if (std::chrono::steady_clock::now() >= limita) return EAGAIN;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// One name per directory whatever the current directory, so that nested
// locks find each other.
std::string DirectorulFisierului(const std::string& caleDate) {
    std::filesystem::path cale(caleDate);
    if (cale.is_relative()) cale = std::filesystem::path(DirectorCurent()) / cale;
    std::filesystem::path director = cale.parent_path();
    if (director.empty()) director = "/";
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::canonical(director, ec);
    return (ec ? director : real).string();
}

}  // namespace

BlocareFisier::BlocareFisier(const std::string& caleDate, bool exclusiv) : cale_(DirectorulFisierului(caleDate)) {
    int fd = -1;
    int cod = 0;
    if (Deschisa* d = Gaseste(cale_)) {
        // A reader that becomes a writer must wait like any writer.
        if (exclusiv && !d->exclusiv) cod = Asteapta(d->fd, true);
        if (cod == 0) {
            d->exclusiv = d->exclusiv || exclusiv;
            ++d->adancime;
            ok_ = luata_ = true;
            return;
        }
        fd = d->fd;
    } else {
        fd = ::open(cale_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        // A directory that cannot be opened: the operation's own opening of
        // the file reports why.
        if (fd < 0) {
            ok_ = true;
            return;
        }
        cod = Asteapta(fd, exclusiv);
        if (cod == 0) {
            Deschise().push_back({cale_, fd, 1, exclusiv});
            ok_ = luata_ = true;
            return;
        }
    }
    const long pid = cod == EAGAIN ? platforma().fisiere().cineBlocheaza(fd, exclusiv) : 0;
    if (!Gaseste(cale_)) ::close(fd);
    if (cod != EAGAIN) {
        ok_ = true;  // a file system without locks: nothing to wait for
        return;
    }
    motiv_ = pid > 0
                 ? TextFormatat(
                       "Fisierul %s este folosit de alt program (procesul %ld).\nNu s-a schimbat nimic; "
                       "incercati din nou dupa ce acesta termina.",
                       caleDate.c_str(), pid)
                 : TextFormatat("Fisierul %s este folosit de alt program.\nNu s-a schimbat nimic; incercati din nou.",
                                caleDate.c_str());
}

BlocareFisier::~BlocareFisier() {
    if (!luata_) return;
    auto& deschise = Deschise();
    for (auto it = deschise.begin(); it != deschise.end(); ++it) {
        if (it->cale != cale_) continue;
        if (--it->adancime == 0) {
            platforma().fisiere().deblocheaza(it->fd);
            ::close(it->fd);
            deschise.erase(it);
        }
        return;
    }
}

}  // namespace vitramor
