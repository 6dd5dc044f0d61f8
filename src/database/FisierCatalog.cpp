#include "database/FisierCatalog.h"

#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <sys/stat.h>

#include <algorithm>
#include <mutex>
#include <set>

#include "fileutil/BlocareFisier.h"
#include "fileutil/UtilitatiFisiere.h"
#include "platform/Platforma.h"
#include "platform/SistemFisiere.h"
#include "record/OrdineOcteti.h"
#include "database/EroriCatalog.h"
#include "database/CatalogMateriale.h"
#include "database/Recuperare.h"

namespace vitramor {

std::string_view NumeDinCamp(const char* camp, std::size_t marimeCamp) {
    return std::string_view(camp, strnlen(camp, marimeCamp));
}

bool NumeEgale(const char* numeRecord, const char* numeCautat) {
    return std::strncmp(numeRecord, numeCautat, sizeof(MaterialOptic::nume)) == 0;
}

bool NumeMaterialCurat(const char* nume) {
    const auto* p = reinterpret_cast<const unsigned char*>(nume);
    bool areCaracterVizibil = false;
    std::size_t i = 0;
    for (; i < sizeof(MaterialOptic::nume) && p[i] != 0; ++i) {
        if (p[i] < 0x20 || p[i] == 0x7F) return false;
        if (p[i] != ' ') areCaracterVizibil = true;
    }
    // A name of blanks is as good as none: it shows as an empty list row.
    return i < sizeof(MaterialOptic::nume) && areCaracterVizibil;
}

CititorBlocuri::CititorBlocuri(std::FILE* f, std::size_t marimeRecord, std::size_t recorduriPeBloc)
    : f_(f), marimeRecord_(marimeRecord), buffer_(marimeRecord * recorduriPeBloc) {}

std::size_t CititorBlocuri::urmatorulBloc() {
    indexPrimul_ += inBloc_;
    inBloc_ = 0;
    if (sfarsit_) return 0;
    const std::size_t citit = std::fread(buffer_.data(), 1, buffer_.size(), f_);
    if (citit < buffer_.size()) {
        // fread of a regular file comes back short only at the end or on an error.
        sfarsit_ = true;
        if (std::ferror(f_)) {
            codEroare_ = errno != 0 ? errno : EIO;
            eroare_ = true;
            return 0;
        }
        rest_ = citit % marimeRecord_;
    }
    inBloc_ = citit / marimeRecord_;
    return inBloc_;
}

ParcurgereFisier ParcurgeMateriale(std::FILE* fisier,
                                   const std::function<void(const MaterialOptic& m, std::size_t index)>& f,
                                   Progres& progres) {
    ParcurgereFisier r;
    CititorBlocuri cititor(fisier, MarimeMaterialOptic);
    // The total only feeds a progress bar: a file that cannot say its size
    // shows a busy bar instead.
    struct stat s {};
    const std::size_t total =
        ::fstat(::fileno(fisier), &s) == 0 && s.st_size > 0 ? static_cast<std::size_t>(s.st_size) / MarimeMaterialOptic : 0;
    MaterialOptic m;
    while (const std::size_t n = cititor.urmatorulBloc()) {
        for (std::size_t i = 0; i < n; ++i) {
            std::memcpy(&m, cititor.record(i), sizeof m);
            MaterialDinOrdineaFisierului(m);
            f(m, cititor.indexPrimul() + i);
        }
        progres.pas(cititor.recorduriCitite(), total);
        if (progres.anulat()) {
            r.anulat = true;
            break;
        }
    }
    r.cod = cititor.eroare() ? cititor.codEroare() : 0;
    r.recorduri = cititor.recorduriCitite();
    r.octetiRest = cititor.octetiRest();
    return r;
}

std::string DeCeDirectorSticleNu(const std::string& director) {
    if (director.empty()) return "Directorul cu materiale (STICLE) nu este ales.";
    return DeCeDirectorInaccesibil(director);
}

int ScrieSiSincronizeaza(std::FILE* f) {
    errno = 0;
    if (std::fflush(f) != 0 || std::ferror(f)) return errno != 0 ? errno : EIO;
    // Without this the data may sit in the page cache when the rename or the
    // caller's success message already claims it is stored. fdatasync also
    // writes the file length, which reading the data back needs; it only
    // skips the time stamps.
    return platforma().fisiere().sincronizeazaDate(::fileno(f));
}

std::string TextEroareSistem(int cod) { return cod != 0 ? std::strerror(cod) : std::string("eroare necunoscuta"); }

std::string CaleAfisata(const std::string& director, const std::string& fisier) {
    if (director.empty() || director.back() == '/') return director + fisier;
    return director + "/" + fisier;
}

bool FisierLipseste(const std::string& fisier) {
    struct stat st;
    return ::stat(fisier.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

std::string TextFisierLipsa(const std::string& director, const std::string& fisier) {
    return TextFormatat("In directorul %s nu exista fisierul %s", director.c_str(), fisier.c_str());
}

std::string TextEroareCitire(const std::string& cale, int cod) {
    return TextFormatat("Eroare citire fisier %s:\n%s", cale.c_str(), TextEroareSistem(cod).c_str());
}

int DeschideFisierDate(const std::string& fisier, const char* mod, FisierDeschis& f, std::string& motiv) {
    RezultatOperatie r = DeschideFisierObisnuit(fisier, mod, f.f);
    if (!r.esuat()) return CatalogOk;
    motiv = std::move(r.motiv);
    return EroareDeschidereFisier;
}

namespace {

// The length of a regular file, or -1 for anything else (missing, a FIFO...).
long long MarimeObisnuit(const std::string& fisier) {
    struct stat st {};
    if (::stat(fisier.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return static_cast<long long>(st.st_size);
}

bool Rupta(long long marime) { return marime > 0 && marime % static_cast<long long>(MarimeMaterialOptic) != 0; }

// The torn files (device, inode, length) the user has heard of in this
// process, so that a script's reads or the window's refreshes say it once.
// Background work of the window reads too, hence the lock.
std::mutex mutexAnuntate;
std::set<std::string> anuntate;

// True the first time for a torn file of this identity and length.
bool PrimaOara(const std::string& fisier) {
    struct stat st {};
    if (::stat(fisier.c_str(), &st) != 0) return false;
    const std::string cheie = std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" +
                              std::to_string(st.st_size);
    const std::lock_guard<std::mutex> garda(mutexAnuntate);
    return anuntate.insert(cheie).second;
}

// The first name beside the database that nothing stands under yet.
std::string NumeRest(const std::string& fisier) {
    const std::string baza = fisier + ".rest";
    std::string nume = baza;
    struct stat st {};
    for (int i = 1; ::lstat(nume.c_str(), &st) == 0; ++i) nume = baza + "." + std::to_string(i);
    return nume;
}

// The fragment goes to its own file, which is on the disk before the
// database loses it; then the database is cut to its whole records. 0 or
// the errno of the failure; on a failure the database is as it was.
int MutaRestul(const std::string& fisier, const std::string& rest, off_t intregi) {
    SistemFisiere& fs = platforma().fisiere();
    FisierDeschis baza;
    if (DeschideFisierObisnuit(fisier, "r+b", baza.f).esuat()) return errno != 0 ? errno : EIO;
    const int fd = ::fileno(baza.f);
    struct stat st {};
    if (::fstat(fd, &st) != 0) return errno;
    std::string fragment(static_cast<std::size_t>(st.st_size - intregi), '\0');
    if (::pread(fd, fragment.data(), fragment.size(), intregi) != static_cast<ssize_t>(fragment.size()))
        return errno != 0 ? errno : EIO;
    int fdRest = -1;
    int cod = fs.creeaza(rest, fdRest);
    if (cod != 0) return cod;
    cod = fs.scrie(fdRest, fragment.data(), fragment.size());
    if (cod == 0) cod = fs.sincronizeaza(fdRest);
    if (::close(fdRest) != 0 && cod == 0) cod = errno;
    if (cod == 0) cod = fs.sincronizeazaDirector(rest);
    if (cod == 0) cod = fs.trunchiaza(fd, intregi);
    if (cod == 0) cod = fs.sincronizeaza(fd);
    if (cod != 0 && MarimeObisnuit(fisier) == static_cast<long long>(st.st_size)) std::remove(rest.c_str());
    return cod;
}

}  // namespace

int AsiguraBazaDateIntreaga(Intrebari& intrebari, Fereastra owner, const std::string& fisier,
                            const std::string& caleAfisata, std::string& motiv) {
    if (!Rupta(MarimeObisnuit(fisier))) return CatalogOk;
    // Looked at again under a lock: another program's append in progress
    // ends before a reader's lock is granted.
    BlocareFisier citire(fisier, false);
    if (!citire.ok()) {
        motiv = citire.motiv();
        return EroareFisierBlocat;
    }
    const long long marime = MarimeObisnuit(fisier);
    if (!Rupta(marime)) return CatalogOk;
    const auto R = static_cast<long long>(MarimeMaterialOptic);
    const std::string rest = NumeRest(fisier);
    const std::string restAfisat = caleAfisata + rest.substr(fisier.size());
    const std::string intrebare = TextFormatat(
        "Fisierul %s are %lld octeti: %lld inregistrari intregi si, la sfarsit, %lld octeti dintr-o inregistrare "
        "neterminata (o scriere a fost probabil intrerupta).\nPastrati inregistrarile intregi si mutati cei %lld "
        "octeti in %s?",
        caleAfisata.c_str(), marime, marime / R, marime % R, marime % R, restAfisat.c_str());
    PrimaOara(fisier);  // the question tells the user all a warning would
    if (intrebari.intreaba(owner, intrebare, TitluAtentie, stil::MB_YESNO | stil::MB_ICONQUESTION) != raspuns::IDYES) {
        motiv = TextFormatat(
            "Fisierul %s a ramas neschimbat; operatia nu se face cat timp el se termina cu o "
            "inregistrare neterminata.",
            caleAfisata.c_str());
        return EroareBazaDateIncompleta;
    }
    BlocareFisier scriere(fisier, true);
    if (!scriere.ok()) {
        motiv = scriere.motiv();
        return EroareFisierBlocat;
    }
    const long long acum = MarimeObisnuit(fisier);
    if (!Rupta(acum)) return CatalogOk;
    if (const int cod = MutaRestul(fisier, rest, static_cast<off_t>(acum - acum % R))) {
        motiv = TextFormatat(
            "Eroare la mutarea sfarsitului neterminat al fisierului %s in %s:\n%s\nFisierul a "
            "ramas neschimbat.",
            caleAfisata.c_str(), restAfisat.c_str(), TextEroareSistem(cod).c_str());
        return EroareScriereFisier;
    }
    MesajBox(owner,
             TextFormatat("Fisierul %s pastreaza %lld inregistrari intregi; cei %lld octeti de la sfarsit sunt in %s.",
                          caleAfisata.c_str(), acum / R, acum % R, restAfisat.c_str()),
             TitluAtentie, stil::MB_OK | stil::MB_ICONASTERISK);
    return CatalogOk;
}

int VerificaBazaDateIntreaga(Fereastra owner, const std::string& directorSticle) {
    if (directorSticle.empty()) return CatalogOk;
    const std::string cale = CaleBazaDate(directorSticle);
    // The library's boundary: the windows and the command line call it, so
    // it asks through their platform and reports the refusal once.
    std::string motiv;
    const int cod = AsiguraBazaDateIntreaga(platforma(), owner, cale, cale, motiv);
    RaporteazaEsecCatalog(owner, cod, motiv);
    return cod;
}

void RaporteazaEsecCatalog(Fereastra owner, int cod, const std::string& motiv) {
    if (cod != CatalogOk && !motiv.empty())
        MesajBox(owner, motiv, TitluAtentie, stil::MB_OK | stil::MB_ICONEXCLAMATION);
}

void AnuntaBazaDateRupta(Fereastra owner, const std::string& fisier, const std::string& caleAfisata) {
    const long long marime = MarimeObisnuit(fisier);
    if (!Rupta(marime) || !PrimaOara(fisier)) return;
    const auto R = static_cast<long long>(MarimeMaterialOptic);
    MesajBox(owner,
             TextFormatat("Fisierul %s se termina cu %lld octeti dintr-o inregistrare neterminata (de la octetul %lld; "
                          "o scriere a fost probabil intrerupta). Se citesc cele %lld inregistrari intregi; prima "
                          "operatie care scrie in baza de date va propune mutarea celor %lld octeti in %s.",
                          caleAfisata.c_str(), marime % R, marime - marime % R, marime / R, marime % R,
                          (caleAfisata + NumeRest(fisier).substr(fisier.size())).c_str()),
             TitluAtentie, stil::MB_OK | stil::MB_ICONEXCLAMATION);
}

int DeschideBazaDate(Intrebari& intrebari, Fereastra owner, const std::string& fisier, const std::string& caleAfisata,
                     const char* mod, FisierDeschis& f, std::string& motiv) {
    if (std::strcmp(mod, "rb") == 0) AnuntaBazaDateRupta(owner, fisier, caleAfisata);
    else if (const int cod = AsiguraBazaDateIntreaga(intrebari, owner, fisier, caleAfisata, motiv))
        return cod;
    return DeschideFisierDate(fisier, mod, f, motiv);
}

int CodRescriere(const RezultatRescriere& r) {
    switch (r.stare) {
        case StareRescriere::Reusita: return CatalogOk;
        case StareRescriere::Anulata:
        case StareRescriere::Abandonata: return EroareOperatieAnulata;
        case StareRescriere::EroareDeschidere: return EroareDeschidereFisier;
        case StareRescriere::EroareCitire: return EroareCitireFisier;
        case StareRescriere::EroareScriere: return EroareScriereFisier;
        case StareRescriere::EroareInlocuire: return EroareInlocuireFisier;
    }
    return EroareInlocuireFisier;
}

namespace {

int ScrieOcteti(std::FILE* f, const char* date, std::size_t n) {
    if (n == 0) return 0;
    errno = 0;
    if (std::fwrite(date, 1, n, f) != n) return errno != 0 ? errno : EIO;
    return 0;
}

}  // namespace

int CreazaFisierNou(const std::string& fisier, std::string_view continut, std::string& motiv) {
    FisierDeschis f;
    // "x": never truncate a file that appeared since the caller looked.
    if (const int cod = DeschideFisierDate(fisier, "wbx", f, motiv)) return cod;
    int cod = ScrieOcteti(f.f, continut.data(), continut.size());
    if (cod == 0) cod = ScrieSiSincronizeaza(f.f);
    if (cod == 0 && !f.inchide()) cod = errno != 0 ? errno : EIO;
    if (cod != 0) {
        f.inchide();
        std::remove(fisier.c_str());
        motiv = TextFormatat("Eroare scriere fisier %s:\n%s\nFisierul nu a fost creat.",
                             FisierDinDirector(fisier).c_str(), TextEroareSistem(cod).c_str());
        return EroareScriereFisier;
    }
    return CatalogOk;
}

}  // namespace vitramor
