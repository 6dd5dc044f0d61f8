#pragma once
// A maker's new catalogue release held against what the database keeps of
// that maker, before anything is stored: which glasses are new, which the
// release no longer has, which changed and by how much, which did not, and
// which names another maker already holds. The file is read by the same
// code that imports it; the database by its one pass. What the user then
// chooses goes through the one store, as any import.
//
// Two releases differ in ways that are not changes: a coefficient written
// with more or fewer digits, a field added at the end of a line, glasses in
// another order. Values are therefore compared within the precision they
// are stored and printed with (n within 5e-7, τ within 5e-4, other numbers
// within 5 parts in a million), never byte for byte.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "database/StocareMateriale.h"
#include "operatie/Progres.h"
#include "operatie/RezultatOperatie.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr int IdComandaComparaCatalog = 40130;  // "Compara catalog nou..."
inline constexpr const char* TitluComparaCatalog = "Compara catalog nou";

// The tolerances of "equal within the stored precision".
inline constexpr double ToleranteN = 5e-7;
inline constexpr double ToleranteTau = 5e-4;
inline constexpr double ToleranteRelativa = 5e-6;

enum class ClasaComparatie : std::uint8_t { Nou, Schimbat, Neschimbat, Disparut, Conflict };
inline constexpr int NumarClaseComparatie = 5;
// nou, schimbat, neschimbat, disparut, conflict
const char* TextClasaComparatie(ClasaComparatie c);

struct SticlaComparata {
    std::string nume;  // the record's text, Windows-1252
    ClasaComparatie clasa = ClasaComparatie::Nou;
    // The database's record (for a conflict the other maker's) and the
    // file's; each present where the class says.
    std::optional<MaterialOptic> vechi, nou;
    // Of a glass in both: the largest |Δn| over the common validity range
    // and where it is, Δn at d, Δvd, ΔP g,F (new minus old, 0 where either
    // has none) and the largest |Δτ| at the common wavelengths and thickness.
    double dnMax = 0, lambdaDnMax = 0, dnD = 0, dvd = 0, dpgf = 0, dtau = 0;
    // The names of the record fields that changed besides n, in record order.
    std::vector<std::string> campuri;
    // "ec_dispersie_n,densitate" or "-".
    std::string textCampuri() const;
};

struct ComparatieCatalog {
    std::uint16_t producator = 0;
    std::vector<SticlaComparata> sticle;  // the file's order, then the discontinued in the database's
    std::array<int, NumarClaseComparatie> numar{};
    // Entries of the file that could not be built, with why (UTF-8).
    std::vector<MaterialRefuzat> refuzate;
    SursaMateriale sursa;  // the file, for the journal of what is applied
};

// Compares built records (the file's, under `producator`) with the
// database of `directorSticle`, read once under a reader's lock. Failed
// with the reason when the database cannot be read, cancelled when the user
// stopped the pass (through `progres`); nothing is shown.
RezultatOperatie ComparaCuBazaDate(const std::string& directorSticle, std::span<const MaterialOptic> noi,
                                   std::uint16_t producator, ComparatieCatalog& rezultat,
                                   Progres& progres = FaraProgres());

// The measures of one glass in both (the fields of SticlaComparata after
// `clasa`); Schimbat or Neschimbat.
ClasaComparatie ComparaSticla(const MaterialOptic& vechi, const MaterialOptic& nou, SticlaComparata& s);

// n(new) - n(old) over the common validity range (or at d alone when the
// ranges do not meet), `puncte` wavelengths in nm and their Δn.
std::vector<std::pair<double, double>> CurbaDeltaN(const MaterialOptic& vechi, const MaterialOptic& nou,
                                                   int puncte = 121);

// The catalogue kinds a release comes in.
enum class FormatCatalog : std::uint8_t { Agf, Tabel, Text, BazaDate, Rii };
// agf, table, text, db, rii
std::optional<FormatCatalog> FormatCatalogDinText(std::string_view text);
// By the file's extension (.agf, .xlsx/.xls/.csv or an ODBC string, .txt
// or a folder, .dat, .yml/.yaml); none when it says nothing.
std::optional<FormatCatalog> FormatCatalogDinFisier(const std::string& fisier);

struct CerereComparatie {
    FormatCatalog format = FormatCatalog::Agf;
    std::string directorSticle;  // the glass directory whose categories a new glass takes
    std::string fisier;  // for text code 5 the folder of the Pilkington pair
    std::uint16_t producator = 0;
    int cod = 0;  // the text catalogue's code 1 to 5, the table's layout 1 or 3
    std::string asocieri, tabel;  // a table: the association file and the table
    int randAntet = 0;            // a table's header row (0: found)
    std::string nume;             // a refractiveindex.info material's name (empty: the file's stem)
};

// Reads the release and builds its glasses as the import would, every one
// under the producer asked for (of another database file, its glasses of
// that producer). Failed with the reason when the file cannot be used
// (an association file or an ODBC connection that could not be used has
// told its own failure: no reason then), cancelled when the reading was stopped through
// `progres`, nothing to do when a table built no glass; nothing is shown.
RezultatOperatie CitesteCatalogDeComparat(Fereastra owner, const CerereComparatie& c,
                                          std::vector<MaterialOptic>& sticle, ComparatieCatalog& rezultat,
                                          Progres& progres = FaraProgres());

// Both steps; done only when both ran to their end.
RezultatOperatie ComparaCatalog(Fereastra owner, const std::string& directorSticle, const CerereComparatie& c,
                                ComparatieCatalog& rezultat, Progres& progres = FaraProgres());

// What the user chose for one glass.
enum class ActiuneSticla : std::uint8_t {
    Nimic,      // left as it is
    Stocheaza,  // a new glass stored, a changed one updated, a conflict settled by `laConflict`
    Sterge,     // a discontinued glass deleted (after one question)
    Marcheaza,  // a discontinued glass kept under the marking category
};

struct OptiuniAplicare {
    std::vector<ActiuneSticla> actiuni;  // one per glass of the comparison
    int categorieMarcaj = -1;            // the category entry of the marked ones
    PoliticaConflict laConflict = PoliticaConflict::Intreaba;
};

// The choice of a class as a whole: new and changed glasses stored,
// the rest left.
std::vector<ActiuneSticla> ActiuniPentruClase(const ComparatieCatalog& c, std::span<const ClasaComparatie> clase);

// Stores what was chosen in one pass of the one store (an updated glass
// keeps its category and the fields the release does not give), then
// deletes the chosen discontinued glasses after one question whose default
// is No. The outcome counts every glass chosen. A stop asked through
// `progres` ends the deletions between two glasses. The questions are asked
// through `intrebari`.
RezultatOperatie AplicaComparatia(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle,
                                  const ComparatieCatalog& c, const OptiuniAplicare& o,
                                  Progres& progres = FaraProgres());

}  // namespace vitramor
