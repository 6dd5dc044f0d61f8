#include "fileutil/RescriereFisier.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "fileutil/UtilitatiFisiere.h"
#include "platform/SistemFisiere.h"
#include "record/TextFormatat.h"

namespace vitramor {

using namespace stil;

namespace {

// About a megabyte per read and per write: the copy runs at the speed of
// the disk rather than of the calls.
constexpr std::size_t OctetiPeBloc = 1 << 20;

// What a rewrite holds open. However it ends before the replacement - a
// refusal, a failure, an exception from the caller - the work file goes
// and the data file is untouched.
class Lucru {
public:
    Lucru(Intrebari& intrebari, Fereastra owner, const CerereRescriere& c)
        : intrebari_(intrebari), owner_(owner), c_(c) {}
    ~Lucru() {
        if (fd_ >= 0) ::close(fd_);
        if (temporarCreat_) std::remove(c_.temporar.c_str());
        if (cursor_) platforma().cursorAsteptare(false);
    }
    Lucru(const Lucru&) = delete;
    Lucru& operator=(const Lucru&) = delete;

    StareRescriere deschide(std::string& motiv) {
        if (RezultatOperatie r = DeschideFisierObisnuit(c_.fisier, "rb", sursa_.f); r.esuat()) {
            motiv = std::move(r.motiv);
            return StareRescriere::EroareDeschidere;
        }
        struct stat st {};
        if (::lstat(c_.temporar.c_str(), &st) == 0) {
            const std::string text = TextFormatat(
                "Fisierul %s exista.\nProbabil eroare la vechea stergere.\nContinuam ?",
                std::filesystem::path(c_.temporar).filename().c_str());
            if (intrebari_.intreaba(owner_, text, "ATENTIE!", MB_OKCANCEL | MB_ICONQUESTION) != raspuns::IDOK)
                return StareRescriere::Anulata;
        }
        if (const int cod = platforma().fisiere().creeaza(c_.temporar, fd_)) {
            fd_ = -1;
            errno = cod;
            motiv = TextEsec("creare", c_.temporar, cod);
            return StareRescriere::EroareDeschidere;
        }
        temporarCreat_ = true;
        if (c_.cursorAsteptare) {
            platforma().cursorAsteptare(true);
            cursor_ = true;
        }
        return StareRescriere::Reusita;
    }

    std::FILE* sursa() const { return sursa_.f; }

    // 0 or the errno of the failure; the first failure sticks.
    int scrie(const char* date, std::size_t n) {
        if (cod_ == 0 && n > 0) cod_ = platforma().fisiere().scrie(fd_, date, n);
        return cod_;
    }

    int incheie() {
        if (cod_ == 0) cod_ = platforma().fisiere().sincronizeaza(fd_);
        if (::close(fd_) != 0 && cod_ == 0) cod_ = errno;
        fd_ = -1;
        return cod_;
    }

    std::string TextEsec(const char* actiune, const std::string& fisier, int cod) const {
        return TextFormatat("Eroare %s fisier %s:\n%s\nFisierul %s a ramas neschimbat.", actiune,
                            FisierDinDirector(fisier).c_str(), cod ? std::strerror(cod) : "eroare necunoscuta",
                            std::filesystem::path(c_.fisier).filename().c_str());
    }

    RezultatOperatie inlocuieste() {
        sursa_.inchide();
        // The work file now belongs to the replacement, which keeps it when
        // it cannot put it in place.
        temporarCreat_ = false;
        return InlocuiesteFisierCuTemporar(c_.fisier, c_.temporar, c_.golPastrat);
    }

private:
    Intrebari& intrebari_;
    Fereastra owner_;
    const CerereRescriere& c_;
    FisierDeschis sursa_;
    int fd_ = -1;
    bool temporarCreat_ = false;
    bool cursor_ = false;
    int cod_ = 0;
};

}  // namespace

RezultatRescriere RescrieFisier(Intrebari& intrebari, Fereastra owner, const CerereRescriere& c) {
    RezultatRescriere r;
    Lucru lucru(intrebari, owner, c);
    r.stare = lucru.deschide(r.motiv);
    if (!r.ok()) return r;

    std::string eliminate;
    if (c.prelucrare) {
        const std::size_t recorduriPeBloc = std::max<std::size_t>(1, OctetiPeBloc / c.marimeRecord);
        std::vector<char> bloc(recorduriPeBloc * c.marimeRecord);
        for (;;) {
            const std::size_t octeti = std::fread(bloc.data(), 1, bloc.size(), lucru.sursa());
            const std::size_t intregi = octeti / c.marimeRecord;
            std::size_t pastrate = 0;
            for (std::size_t i = 0; i < intregi; ++i) {
                char* rec = bloc.data() + i * c.marimeRecord;
                const DecizieInregistrare d = c.prelucrare(rec, r.citite++);
                if (d == DecizieInregistrare::Abandoneaza) {
                    r.stare = StareRescriere::Abandonata;
                    return r;
                }
                if (d == DecizieInregistrare::Elimina) {
                    ++r.eliminate;
                    if (c.inainteDeInlocuire) eliminate.append(rec, c.marimeRecord);
                    continue;
                }
                if (d == DecizieInregistrare::Modificata) ++r.modificate;
                if (pastrate != i) std::memmove(bloc.data() + pastrate * c.marimeRecord, rec, c.marimeRecord);
                ++pastrate;
            }
            r.pastrate += pastrate;
            if (const int cod = lucru.scrie(bloc.data(), pastrate * c.marimeRecord)) {
                r.motiv = lucru.TextEsec("scriere", c.temporar, cod);
                r.stare = StareRescriere::EroareScriere;
                return r;
            }
            if (octeti < bloc.size()) {
                if (std::ferror(lucru.sursa())) {
                    // A file that cannot be read to its end must not be
                    // replaced by the part that could.
                    r.motiv = lucru.TextEsec("citire", c.fisier, errno ? errno : EIO);
                    r.stare = StareRescriere::EroareCitire;
                    return r;
                }
                r.octetiRest = octeti % c.marimeRecord;
                break;
            }
        }
    }
    lucru.scrie(c.adaugat.data(), c.adaugat.size());
    if (const int cod = lucru.incheie()) {
        r.motiv = lucru.TextEsec("scriere", c.temporar, cod);
        r.stare = StareRescriere::EroareScriere;
        return r;
    }
    if (c.inainteDeInlocuire && !c.inainteDeInlocuire(eliminate)) {
        r.stare = StareRescriere::Abandonata;
        return r;
    }
    if (RezultatOperatie inlocuire = lucru.inlocuieste(); inlocuire.esuat()) {
        r.stare = StareRescriere::EroareInlocuire;
        r.motiv = std::move(inlocuire.motiv);
        // With the data file in its place (the first rename failed, or the
        // archive went back after the second) the work file is only a
        // leftover; without it, it is kept for the next start to find.
        struct stat st {};
        if (::stat(c.fisier.c_str(), &st) == 0) std::remove(c.temporar.c_str());
    }
    return r;
}

}  // namespace vitramor
