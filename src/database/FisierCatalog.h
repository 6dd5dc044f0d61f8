#pragma once
// The file mechanics under the catalogue library: reading fixed-size records
// in large blocks, comparing and vetting record names, entering the glass
// directory. The database and the producer table share them.

#include <cstddef>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "database/CatalogMateriale.h"
#include "fileutil/FisierDeschis.h"
#include "fileutil/RescriereFisier.h"
#include "operatie/Progres.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"
#include "record/TextFormatat.h"

namespace vitramor {

// 256 records (about half a megabyte) per read: a 20,000-record database is
// read in some eighty calls, which keeps a search close to the cost of one
// plain sequential read of the file.
inline constexpr std::size_t RecorduriPeBloc = 256;

// The library's own work file for database rewrites. It is not the "3.tmp"
// of the system's rewrites on purpose: a leftover work file then tells which
// kind of operation was interrupted, and a leftover of one kind never makes
// the other kind ask about a file it did not write.
inline constexpr const char* NumeTemporarCatalog = "catalix.tmp";

inline constexpr const char* TitluAtentie = "ATENTIE!";

// The name held in a 16-byte name field: up to its first NUL, at most 16
// bytes when the field has none.
std::string_view NumeDinCamp(const char* camp, std::size_t marimeCamp = 16);

// NUL-terminated comparison of a record's name with a wanted name, bounded by
// the 16-byte field.
bool NumeEgale(const char* numeRecord, const char* numeCautat);

// The rule of the clean operation, which also guards what may be stored: a
// material name has a NUL within its 16 bytes, at least one character before
// it, and only printable characters, meaning bytes from 0x20 up except DEL
// (0x7F). Bytes from 0x80 up are the letters of 8-bit code pages and count
// as printable; tabs, line breaks and other control bytes do not, because the
// list lines of every material list are tab separated.
bool NumeMaterialCurat(const char* nume);

// Reads whole records of a fixed size in blocks. A trailing fragment shorter
// than one record is not a record: reading stops there and its length is
// kept in octetiRest().
class CititorBlocuri {
public:
    CititorBlocuri(std::FILE* f, std::size_t marimeRecord, std::size_t recorduriPeBloc = RecorduriPeBloc);

    // Reads the next block; returns the number of whole records in it, 0 at
    // the end of the file or after a read error.
    std::size_t urmatorulBloc();
    const char* record(std::size_t i) const { return buffer_.data() + i * marimeRecord_; }
    const char* inceput() const { return buffer_.data(); }
    // Index in the file of the first record of the current block.
    std::size_t indexPrimul() const { return indexPrimul_; }
    // Whole records read so far, and the length of a partial tail once the end was reached.
    std::size_t recorduriCitite() const { return indexPrimul_ + inBloc_; }
    std::size_t octetiRest() const { return rest_; }
    bool eroare() const { return eroare_; }
    // errno of a read error, kept because closing files may change errno.
    int codEroare() const { return codEroare_; }

private:
    std::FILE* f_;
    std::size_t marimeRecord_;
    std::vector<char> buffer_;
    std::size_t indexPrimul_ = 0;
    std::size_t inBloc_ = 0;
    std::size_t rest_ = 0;
    bool sfarsit_ = false;
    bool eroare_ = false;
    int codEroare_ = 0;
};

// Every whole record of an open database file, in file order and in the
// host's byte order, with its index: the one reading of the database that
// every pass over its records uses. A trailing fragment shorter than a record
// is not a record; its length comes back in `octetiRest`. `cod` is 0 or the
// errno of a read error, after which the records seen so far are not the
// whole file. The pass reports its progress to `progres` and stops after a
// block when it was asked to stop (`anulat`): the records seen so far are not
// the whole file either.
struct ParcurgereFisier {
    int cod = 0;
    std::size_t recorduri = 0;
    std::size_t octetiRest = 0;
    bool anulat = false;
};
ParcurgereFisier ParcurgeMateriale(std::FILE* fisier,
                                   const std::function<void(const MaterialOptic& m, std::size_t index)>& f,
                                   Progres& progres = FaraProgres());

// A glass directory checked before the library works in it: why it cannot
// be used, or empty when it can. An empty one is refused with its own reason
// (the library never works silently in whatever the current directory
// happens to be), one that cannot be entered with DeCeDirectorInaccesibil's.
// Its files are then reached by their paths in it (CaleAfisata); the
// current directory never changes.
std::string DeCeDirectorSticleNu(const std::string& director);

// Writes the stdio buffer and asks the system to put the data on the disk.
// Returns 0 or the errno of the failure.
int ScrieSiSincronizeaza(std::FILE* f);

// errno text for a saved errno value.
std::string TextEroareSistem(int cod);

// "directory/file" for messages.
std::string CaleAfisata(const std::string& director, const std::string& fisier);
// True when nothing of that name is there (as opposed to a file that exists
// but cannot be reached, which the opening reports).
bool FisierLipseste(const std::string& fisier);
// "In directorul %s nu exista fisierul %s".
std::string TextFisierLipsa(const std::string& director, const std::string& fisier);
// "Eroare citire fisier %s:" and the system's text.
std::string TextEroareCitire(const std::string& cale, int cod);
// Opens a data file (a regular file only). 0, or a CodEroareCatalog and
// the reason in `motiv`.
int DeschideFisierDate(const std::string& fisier, const char* mod, FisierDeschis& f, std::string& motiv);

// A database file ends in part of a record when a store was cut off (a
// kill, a power cut) while appending: the whole records before it are
// sound, the fragment is not a record, and anything appended after it would
// sit off the record grid. Every opening of the database checks its length
// here, under at least a shared lock so that another program's append in
// progress is never taken for one. A torn file is reported and, on the
// user's Yes, repaired: the fragment goes to a file of its own beside the
// database ("sticleNou32.dat.rest", then ".rest.1", ...), synced, and only
// then is the database cut to its whole records. On No nothing changes and
// the operation stops.
//
// Only an operation that writes asks: reading never needs the repair, so a
// reader reads the whole records and is told once (AnuntaBazaDateRupta).
//
// `fisier` is the database's path, `caleAfisata` its name in messages; the
// question is asked through `intrebari`. CatalogOk also when the file is
// missing or not a regular file: the opening finds those. Otherwise the
// code of the refusal or failure and its reason in `motiv`.
int AsiguraBazaDateIntreaga(Intrebari& intrebari, Fereastra owner, const std::string& fisier,
                            const std::string& caleAfisata, std::string& motiv);
// (VerificaBazaDateIntreaga in Catalix.h does it for a glass directory.)
// The reader's side of a torn database: a warning (how many bytes, from
// which offset, where the repair will put them), given once per process for
// one file of one length, and not at all after the user has already
// declined the repair of it. Nothing changes and nothing is asked.
void AnuntaBazaDateRupta(Fereastra owner, const std::string& fisier, const std::string& caleAfisata);
// Opens the database file. Opened for reading only ("rb"), a torn file is
// announced (AnuntaBazaDateRupta); opened for writing, it must be whole
// first (AsiguraBazaDateIntreaga). An operation that reads before it writes
// calls AsiguraBazaDateIntreaga itself first. 0, or the code and `motiv`.
int DeschideBazaDate(Intrebari& intrebari, Fereastra owner, const std::string& fisier, const std::string& caleAfisata,
                     const char* mod, FisierDeschis& f, std::string& motiv);

// The library's functions that the windows call (CatalogMateriale.h) keep
// their int codes: they show the reason of a failure here, once, before
// returning its code (nothing for CatalogOk or an empty reason).
void RaporteazaEsecCatalog(Fereastra owner, int cod, const std::string& motiv);

// CautaMaterialOptic without the report: 0, or the code and the reason in
// `motiv`; the question about a torn database goes through `intrebari`.
int RuleazaOperatieCatalog(Intrebari& intrebari, const std::string& directorSticle, MaterialOptic& material,
                           Fereastra owner, int operatie, std::string& motiv);

// SalveazaMaterialeOptice without the report: the reason of its result code
// (the first refused name's when only names were refused) in `motiv`.
int SalveazaLotCatalog(Intrebari& intrebari, const std::string& directorSticle,
                       std::span<const MaterialOptic> materiale, Fereastra owner, std::vector<int>& coduri,
                       const DecideSalvarea& decide, std::string& motiv);

// The catalogue's error code of a rewrite's outcome.
int CodRescriere(const RezultatRescriere& r);

// Creates `fisier`, which must not exist yet, with the given content. No
// temporary file is involved: there is nothing to lose, and a leftover work
// file (perhaps the newest copy of the data after an interrupted rewrite) is
// left alone. A failed write removes the half-written file again. 0, or
// the code and `motiv`.
int CreazaFisierNou(const std::string& fisier, std::string_view continut, std::string& motiv);

}  // namespace vitramor
