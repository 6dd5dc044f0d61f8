#pragma once
// The association of catalogue table columns with the fields of a material
// record: for each field whether it is imported, its first and last column
// and a conversion factor. The 50 entries of 136 bytes are also the stored
// form (the "ASOCIERE" settings value and the *.aso files), byte for byte.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "import/tabele/ConexiuneOdbc.h"
#include "import/tabele/SursaTabel.h"
#include "record/MaterialOptic.h"

namespace vitramor {

struct AsociereMarimeSticla {
    std::int32_t numar;
    std::int32_t activ;
    char nume[64];
    std::int16_t tip;
    std::int16_t nrElemente;
    std::int16_t coloanaStart;
    std::int16_t coloanaStop;
    std::int16_t rezervat;
    std::int16_t nrColoane;
    std::int32_t marimeElement;
    // Pointers of the stored form: written as zero, the live ones are kept
    // beside the table (a 64-bit pointer does not fit the 4 bytes).
    std::uint32_t campSticla;
    std::uint32_t dateClient;
    std::uint32_t indicatori;
    float factor;
    std::uint8_t nefolosit[32];
};
static_assert(sizeof(AsociereMarimeSticla) == 136);

inline constexpr int NumarAsocieri = 50;
inline constexpr int NumarAsocieriImplicite = 20;
// The entry of the transmittance's reference thickness: a catalogue that
// does not give it in its column names gives it in a column of its own.
inline constexpr int IntrareGrosimeTransmisie = 19;
inline constexpr int MarimeTabelAsocieri = NumarAsocieri * 136;

enum TipElement : std::int16_t {
    TipFloat = 1, TipDouble, TipInt, TipUint, TipShort, TipUshort, TipChar, TipWchar, TipBool, TipByte, TipLint, TipUlint
};

using TabelAsocieri = std::array<AsociereMarimeSticla, NumarAsocieri>;

// Everything the update dialog owns for one import: the connection, the
// table being read, the scratch record each row fills and the associations.
struct ContextImportExcel {
    ConexiuneODBC odbc;
    std::unique_ptr<SursaTabel> sursa;   // the ODBC connection or a spreadsheet file
    std::string tabel;                   // the selected table
    std::vector<ColoanaTabel> coloane;   // its columns
    MaterialOptic sticla{};              // the scratch record
    TabelAsocieri asocieri{};
    int asocieriSetate = 0;
    int intrareCurenta = -1;
    int nrLambdaTi = 0;
    int nrLambdaIndici = 0;
    // What "Detect lambda" found, column by column of the index (entry 3)
    // and transmittance (entry 9) associations: each value travels with the
    // wavelength of its own column, whatever order the catalogue gives them.
    std::vector<float> lambdaColoaneIndici;
    std::vector<std::uint16_t> lambdaColoaneTi;
    // The row being transferred: its name as the table gives it (UTF-8) and
    // why it cannot be stored as it stands (empty when it can).
    std::string numeRand;
    std::string motivRespingere;
    // Live halves of the entries.
    std::array<void*, NumarAsocieri> campuri{};
    std::array<std::vector<unsigned char>, NumarAsocieri> date;
    std::array<std::vector<SQLLEN>, NumarAsocieri> lungimi;
    std::array<std::vector<std::size_t>, NumarAsocieri> pozitii;  // of each column's value in `date`
};

// Names, types, sizes and fields of entries 0 to 18; the active flags,
// columns and factors stay as they are.
void ScrieAsocieriImplicite(ContextImportExcel& c);
// "Deselect all": every entry numbered, inactive, columns -1.
void StergeAsocieri(TabelAsocieri& t);
void DezactiveazaAsocieri(TabelAsocieri& t);

// The association dialog's list line of entry `i` (empty for an unnamed
// entry). With `coloane` the entry is checked against them first: a start or
// stop outside the table makes it inactive, a factor of 0 becomes 1.
std::string LinieAsociere(AsociereMarimeSticla& a, const std::vector<ColoanaTabel>* coloane);

// The entry's field in the user's words ("Densitate [g/cm^3]"); an entry an
// association file names otherwise keeps that name.
std::string NumeCampAsociere(const AsociereMarimeSticla& a);
// What the field takes, in words ("un numar", "text, max. 15 caractere").
std::string DescriereValoriAsociere(const AsociereMarimeSticla& a);
// What a catalogue column holds, in words ("text", "numere").
const char* FelColoanaTabel(int tipSql);

std::vector<std::uint8_t> OctetiAsocieri(const TabelAsocieri& t);
// False for bytes that are not a whole table.
bool AsocieriDinOcteti(const std::vector<std::uint8_t>& o, TabelAsocieri& t);

// Settings value "ASOCIERE" under the producer's key; failures are shown.
int SalveazaAsocieriInRegistri(const std::string& numeRegistru, const TabelAsocieri& t);
int RestaureazaAsocieriDinRegistri(const std::string& numeRegistru, TabelAsocieri& t);
// *.aso files; failures are shown (numbered message 145 when the file
// cannot be opened).
int SalveazaAsocieriInFisier(const std::string& cale, const TabelAsocieri& t);
int IncarcaAsocieriDinFisier(const std::string& cale, TabelAsocieri& t);
// After a load: the stored pointers mean nothing here.
void DupaIncarcareAsocieri(ContextImportExcel& c);

// "Detect lambda" for producer selection code 1 or 3: the wavelength of
// every index and transmittance column, and the transmittance's reference
// thickness (from "TAUI<mm>/<nm>" column names, or the thickness entry). The
// scratch record shows them in ascending order. The result-list lines are
// appended to `linii`. 1 when found.
int DetecteazaLambda(ContextImportExcel& c, int codProducator, std::vector<std::string>& linii);

}  // namespace vitramor
