// The producer table: 278-byte entries in "ProducatoriMatOptic.dat" in the
// glass directory, kept sorted by code. The producers dialog edits it; every
// producer combo and every list line of a material reads names from it.
//
// A listing of a large database asks for a producer name per record, so the
// name functions keep the table in memory and only read it again when the
// directory or the file itself (identity, size, times) has changed.

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "database/CatalogMateriale.h"
#include "database/EroriCatalog.h"
#include "database/FisierCatalog.h"
#include "fileutil/UtilitatiFisiere.h"

namespace vitramor {

namespace {

constexpr const char* NumeProducatoriImpliciti[] = {
    "Rusia",   "Jena GW",     "Shott Mainz", "Hoya",    "Romania", "Sopra",   "Ohara",        "Corning",
    "Pilkington", "CHENGDU", "Evaporation", "Sumita", "Umicore", "Haraeus", "Saint Gobain", "Producator_16"};
constexpr int NumarProducatoriImpliciti = 16;

// Work file of the table's rewrites; the table and the database have their
// own work files so that a leftover of one never stops the other.
constexpr const char* TemporarProducatori = "ProducatoriMatOptic.tmp";

constexpr std::size_t MarimeIntrare = sizeof(tag_ProducatorMatOptic);

using Tabel = std::vector<tag_ProducatorMatOptic>;

enum class StareTabel { Citit, Lipsa, Eroare };

std::string CaleTabel(const std::string& director) { return CaleAfisata(director, NumeFisierProducatori); }

std::string NumeIntrare(const tag_ProducatorMatOptic& p) { return std::string(NumeDinCamp(p.nume, sizeof p.nume)); }
std::string DirectorIntrare(const tag_ProducatorMatOptic& p) {
    return std::string(NumeDinCamp(p.director, sizeof p.director));
}

// Whole entries in file order; a partial tail is not an entry. The reason
// of an error goes to `motiv` when it is given; without it the name
// functions fall back on the built-in names instead of interrupting a listing.
StareTabel CitesteTabel(const std::string& director, Tabel& tabel, std::string* motiv) {
    tabel.clear();
    if (director.empty()) return StareTabel::Lipsa;
    const std::string cale = CaleTabel(director);
    if (FisierLipseste(cale)) return StareTabel::Lipsa;
    FisierDeschis f;
    if (motiv) {
        if (DeschideFisierDate(cale, "rb", f, *motiv) != CatalogOk) return StareTabel::Eroare;
    } else {
        if (EsteNeobisnuit(cale)) return StareTabel::Eroare;
        f.f = std::fopen(cale.c_str(), "rb");
        struct stat st;
        if (!f.f || ::fstat(::fileno(f.f), &st) != 0 || !S_ISREG(st.st_mode)) return StareTabel::Eroare;
    }
    CititorBlocuri cititor(f.f, MarimeIntrare, 64);
    while (const std::size_t n = cititor.urmatorulBloc()) {
        for (std::size_t i = 0; i < n; ++i) {
            tag_ProducatorMatOptic p;
            std::memcpy(&p, cititor.record(i), MarimeIntrare);
            tabel.push_back(p);
        }
    }
    if (cititor.eroare()) {
        tabel.clear();
        if (motiv) *motiv = TextEroareCitire(cale, cititor.codEroare());
        return StareTabel::Eroare;
    }
    return StareTabel::Citit;
}

// The entry as it is stored: texts cut to their fields with a NUL, and zero
// bytes after it, so that the file holds no leftovers of the caller's buffers.
tag_ProducatorMatOptic Normalizata(const tag_ProducatorMatOptic& p) {
    tag_ProducatorMatOptic r;
    std::memset(&r, 0, sizeof r);
    r.cod = p.cod;
    const std::string nume = NumeIntrare(p).substr(0, sizeof r.nume - 1);
    const std::string director = DirectorIntrare(p).substr(0, sizeof r.director - 1);
    std::memcpy(r.nume, nume.data(), nume.size());
    std::memcpy(r.director, director.data(), director.size());
    return r;
}

void SorteazaDupaCod(Tabel& t) {
    std::stable_sort(t.begin(), t.end(), [](const auto& a, const auto& b) { return a.cod < b.cod; });
}

int CodMaxim(const Tabel& t) {
    int m = 0;
    for (const auto& p : t) m = std::max(m, static_cast<int>(p.cod));
    return m;
}

// Index of the first entry of the code in the sorted table, or -1.
int Pozitie(const Tabel& t, std::uint16_t cod) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i].cod == cod) return static_cast<int>(i);
    }
    return -1;
}

struct CacheProducatori {
    bool valid = false;
    std::string director;
    bool exista = false;
    struct stat st {};
    Tabel tabel;
};

CacheProducatori& Cache() {
    static CacheProducatori c;
    return c;
}

bool AceeasiVersiune(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
           a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

// The table of the glass directory for the name functions: one stat per
// call, a read only when the directory or the file changed.
const Tabel& TabelNume(const std::string& directorSticle) {
    CacheProducatori& c = Cache();
    struct stat st {};
    const bool exista = !directorSticle.empty() && ::stat(CaleTabel(directorSticle).c_str(), &st) == 0;
    if (c.valid && c.director == directorSticle && c.exista == exista && (!exista || AceeasiVersiune(c.st, st))) {
        return c.tabel;
    }
    c.tabel.clear();
    if (exista) CitesteTabel(directorSticle, c.tabel, nullptr);
    c.valid = true;
    c.director = directorSticle;
    c.exista = exista;
    c.st = st;
    return c.tabel;
}

// A name for every code: the table's, else the built-in one, else a readable
// placeholder. `cunoscut` tells whether it was one of the first two.
std::string NumeProducator(const Tabel& tabel, long cod, bool* cunoscut = nullptr) {
    if (cunoscut) *cunoscut = true;
    for (const auto& p : tabel) {
        if (p.cod == cod) {
            std::string nume = NumeIntrare(p);
            if (!nume.empty()) return nume;
        }
    }
    if (cod >= 0 && cod < NumarProducatoriImpliciti) return NumeProducatoriImpliciti[cod];
    if (cunoscut) *cunoscut = false;
    return TextFormatat("Producator %ld", cod);
}

int ScrieTabel(Intrebari& intrebari, Fereastra owner, const std::string& director, const Tabel& tabel,
               std::string& motiv) {
    motiv = DeCeDirectorSticleNu(director);
    if (!motiv.empty()) return 0;
    std::string continut;
    continut.reserve(tabel.size() * MarimeIntrare);
    for (const auto& p : tabel) continut.append(reinterpret_cast<const char*>(&p), MarimeIntrare);
    Cache().valid = false;
    const std::string cale = CaleTabel(director);
    if (FisierLipseste(cale)) return CreazaFisierNou(cale, continut, motiv) == 0;
    CerereRescriere cerere;
    cerere.fisier = cale;
    cerere.temporar = CaleAfisata(director, TemporarProducatori);
    cerere.marimeRecord = MarimeIntrare;
    cerere.adaugat = continut;
    RezultatRescriere r = RescrieFisier(intrebari, owner, cerere);
    motiv = std::move(r.motiv);
    return r.ok();
}

std::string TextCodLipsa(const std::string& director, int cod) {
    return TextFormatat("Producatorul cu codul %d nu exista in %s", cod, CaleTabel(director).c_str());
}

// The library's function without its report: 1, or 0 and the reason in `motiv`.
int Producatori(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle, int mod, int& indexSelectat,
                int& codMaxim, tag_ProducatorMatOptic& intrare, std::vector<std::string>* linii, std::string& motiv) {
    if (linii && (mod == ListeazaProducatori || mod == ListeazaNumeProducatori)) linii->clear();
    if (mod < ListeazaProducatori || mod > ListeazaNumeProducatori) {
        motiv = TextFormatat("IncarcaProducatoriSticla(): mod necunoscut %d", mod);
        return 0;
    }
    Tabel tabel;
    const StareTabel stare = CitesteTabel(directorSticle, tabel, &motiv);
    if (stare == StareTabel::Eroare) return 0;
    // Without a table the callers use the built-in names; only storing an
    // entry starts a new table.
    if (stare == StareTabel::Lipsa && mod != SalveazaProducator) return 0;
    SorteazaDupaCod(tabel);
    codMaxim = CodMaxim(tabel);

    switch (mod) {
        case ListeazaProducatori:
            if (linii) {
                for (const auto& p : tabel) {
                    linii->push_back(TextFormatat("%2d\t%s\t%s", p.cod, NumeIntrare(p).c_str(),
                                                  DirectorIntrare(p).c_str()));
                }
            }
            return 1;
        case ListeazaNumeProducatori:
            // The combos take the selected index for the producer code, so
            // every code up to the largest gets a line, gaps included.
            if (linii) {
                const int ultimul = std::max(NumarProducatoriImpliciti - 1, codMaxim);
                for (int cod = 0; cod <= ultimul; ++cod) linii->push_back(NumeProducator(tabel, cod));
            }
            return 1;
        case IncarcaProducator: {
            const int i = Pozitie(tabel, intrare.cod);
            if (i < 0) {
                motiv = TextCodLipsa(directorSticle, intrare.cod);
                return 0;
            }
            intrare = tabel[static_cast<std::size_t>(i)];
            indexSelectat = i;
            return 1;
        }
        case StergeProducator: {
            const int i = Pozitie(tabel, intrare.cod);
            if (i < 0) {
                motiv = TextCodLipsa(directorSticle, intrare.cod);
                return 0;
            }
            const std::uint16_t cod = intrare.cod;
            std::erase_if(tabel, [cod](const auto& p) { return p.cod == cod; });
            if (!ScrieTabel(intrebari, owner, directorSticle, tabel, motiv)) return 0;
            indexSelectat = i;
            codMaxim = CodMaxim(tabel);
            return 1;
        }
        default: {  // SalveazaProducator
            const tag_ProducatorMatOptic noua = Normalizata(intrare);
            const int i = Pozitie(tabel, noua.cod);
            if (i >= 0) {
                // Replace in place and drop any duplicates of the code a
                // hand-edited file may hold.
                tabel[static_cast<std::size_t>(i)] = noua;
                const std::uint16_t cod = noua.cod;
                std::size_t vazute = 0;
                std::erase_if(tabel, [cod, &vazute](const auto& p) { return p.cod == cod && vazute++ > 0; });
            } else {
                tabel.push_back(noua);
                SorteazaDupaCod(tabel);
            }
            if (!ScrieTabel(intrebari, owner, directorSticle, tabel, motiv)) return 0;
            intrare = noua;
            indexSelectat = Pozitie(tabel, noua.cod);
            codMaxim = CodMaxim(tabel);
            return 1;
        }
    }
}

}  // namespace

int IncarcaProducatoriSticla(Fereastra owner, const std::string& directorSticle, int mod, int& indexSelectat,
                             int& codMaxim, tag_ProducatorMatOptic& intrare, std::vector<std::string>* linii) {
    std::string motiv;
    const int ok = Producatori(platforma(), owner, directorSticle, mod, indexSelectat, codMaxim, intrare, linii, motiv);
    if (!ok) RaporteazaEsecCatalog(owner, EroareDeschidereFisier, motiv);
    return ok;
}

int ReturneazaNumeProducatorMatOptic(const std::string& directorSticle, int cod, std::string& nume) {
    bool cunoscut = false;
    nume = NumeProducator(TabelNume(directorSticle), cod, &cunoscut);
    return cunoscut ? 1 : 0;
}

void ReturneazaNumeCodProducatorSticla(const std::string& directorSticle, std::uint16_t cod, std::string& nume,
                                       int marimeBuffer) {
    nume = NumeProducatorSticla(directorSticle, cod, marimeBuffer);
}

std::string NumeProducatorSticla(const std::string& directorSticle, std::uint16_t cod, int marimeBuffer) {
    std::string nume = NumeProducator(TabelNume(directorSticle), cod);
    const std::size_t maxim = marimeBuffer > 1 ? static_cast<std::size_t>(marimeBuffer - 1) : 0;
    if (nume.size() > maxim) nume.resize(maxim);
    return nume;
}

}  // namespace vitramor
