#pragma once
// The manufacturers' text catalogues: one glass per line at fixed column
// positions, one layout per manufacturer, chosen by a selection code from 1
// to 5 (Schott, Hoya, Ohara, Sumita, Pilkington). The Pilkington catalogue is
// a pair of files read in step: Pilkington_2.txt gives the names and indices,
// Pilkington_1.txt the dispersion equation of the glass on the same line.
//
// Listing and import take streams, so tests and benchmarks feed them inline
// text; the *Fisier* functions open the files for the dialog and the command
// line.

#include <istream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "database/CategoriiMaterial.h"
#include "database/StocareMateriale.h"
#include "operatie/Progres.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr int CodCatalogTextMinim = 1;
inline constexpr int CodCatalogTextMaxim = 5;
inline constexpr int CodCatalogPilkington = 5;
inline constexpr int CaractereNumeCatalogText = 10;

// The commands of the "Import catalog text" menu, codes 1 to 5.
inline constexpr int IdComenziCatalogText[] = {40036, 40037, 40039, 40052, 40054};

inline constexpr const char* NumeFisierPilkington1 = "Pilkington_1.txt";
inline constexpr const char* NumeFisierPilkington2 = "Pilkington_2.txt";

// What each code reads.
struct DescriereCatalogText {
    int cod;
    const char* fisier;      // below the glass directory
    char separator;
    int liniiAntet;
    int coloanaNume;         // of the list entry
    int coloanaNd;
    bool ndDupaUnu;          // nd is "1." followed by the column's text
    std::uint16_t producator;  // also the `stas` of the glasses
};

// The row of a code, or null outside 1..5.
const DescriereCatalogText* DescriereCatalog(int cod);

// The catalogue file the dialog proposes for a code: the file below the glass
// directory, "????????????" for a code outside 1..5.
std::string CaleCatalogText(const std::string& directorSticle, int cod);
// The folder of the Pilkington pair: the same folder below the glass directory.
std::string DirectorPilkington(const std::string& directorSticle);

// One list entry, bound to the data line (counted from 0 after the header)
// that it shows: an import of the entry parses that line.
struct IntrareCatalogText {
    std::string nume;  // at most 10 characters, as the file's bytes
    double nd = 0.0;
    int linie = 0;
    // "%s\t%7.5f"
    std::string text() const;
};

// Lists a catalogue (for code 5, Pilkington_2.txt). `numeFisier` names the
// file in the warnings about over-long lines and stray columns.
std::vector<IntrareCatalogText> ListeazaCatalogText(int cod, std::istream& in, const std::string& numeFisier);

// What one line's parser decided.
enum class StareLinieText {
    Stocheaza,
    NumeGol,          // no name: nothing to store
    FaraIndicator,    // code 4: the first column is no non-zero integer
    NumeDiferite,     // code 5: the two files name different glasses
    NumePreaLung,     // code 5: a name longer than the catalogue's 10 characters
};

// Sets the working record as every line starts: all zero, transmittances
// at the opaque mark 37.0 in slots 0 to 39, `stas` and `producator` the code's.
void ReseteazaRecordCatalogText(int cod, MaterialOptic& m);

// Builds the working record from one data line; for code 5 `linie` is the
// line of Pilkington_2.txt and `linie1` the one of Pilkington_1.txt.
StareLinieText ParseazaLinieCatalogText(int cod, std::string_view linie, std::string_view linie1, MaterialOptic& m);

// The selected data lines (in any order, each once) read and built, in file
// order, before anything is stored: the import and the release comparison
// both start here. `sticle[i]` holds a glass where `stari[i]` is Stocheaza.
struct SticleCatalogText {
    std::vector<int> linii;  // the selection, sorted
    std::vector<std::pair<std::string, std::string>> alese;  // the lines read (and of Pilkington_1.txt)
    std::vector<MaterialOptic> sticle;
    std::vector<StareLinieText> stari;
};
SticleCatalogText ConstruiesteSticleCatalogText(int cod, std::istream& in, std::istream* in1, std::vector<int> linii,
                                                CategoriiImport& categorii, Progres& progres = FaraProgres());

// Imports the selected data lines (in any order; glasses are stored in file
// order) through the one store, each built in `lucru`; a line whose glass
// cannot be built is refused with its reason. For code 5 `in` is
// Pilkington_2.txt and `in1` Pilkington_1.txt. Each glass's category
// follows CategoriiImport, with the entry the user picked (-1 none). Stopped
// through `progres` once the glasses are built, it stores nothing.
RezultatOperatie ImportaCatalogText(int cod, std::istream& in, std::istream* in1, std::vector<int> linii,
                                    MaterialOptic& lucru, Fereastra owner, const std::string& directorSticle,
                                    PoliticaConflict laConflict,
                                    const SursaMateriale& sursa, int categorieAleasa = -1,
                                    Progres& progres = FaraProgres());

inline constexpr const char* TitluImportCatalogText = "Import catalog text";

// The same on files: `cale` is the catalogue file, for code 5 the folder of
// the two files. An unreadable file fails with "Eroare deschidere fisier
// %s" as its reason; nothing is shown.
RezultatOperatie ListeazaFisierCatalogText(int cod, const std::string& cale, std::vector<IntrareCatalogText>& intrari);
// Every entry of a catalogue file built, and its source for the journal.
RezultatOperatie ConstruiesteFisierCatalogText(int cod, const std::string& cale, CategoriiImport& categorii,
                                               SticleCatalogText& sticle, SursaMateriale& sursa,
                                               Progres& progres = FaraProgres());
RezultatOperatie ImportaFisierCatalogText(int cod, const std::string& cale, const std::vector<int>& linii,
                                          MaterialOptic& lucru, Fereastra owner, const std::string& directorSticle,
                                          PoliticaConflict laConflict,
                                          int categorieAleasa = -1, Progres& progres = FaraProgres());

}  // namespace vitramor
