#pragma once
// The association of catalogue table columns with the fields of a material
// record: for each field whether it is imported, its first and last column
// and a conversion factor. The 50 entries of 136 bytes are also the stored
// form (the "ASOCIERE" settings value and the *.aso files), byte for byte.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "import/tabele/SursaTabel.h"
#include "operatie/RezultatOperatie.h"
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
// The default entries, in their stored order: code addresses an entry by
// its name here, never by its number. The transmittance's reference
// thickness has an entry of its own for a catalogue that does not give it
// in its column names.
enum IntrareAsociere : int {
    IntrareNume, IntrareCod, IntrareLambdaIndici, IntrareIndici, IntrareIndiciK, IntrareCoefDispersieN,
    IntrareCoefDispersieK, IntrareDensitate, IntrareLambdaTransmisie, IntrareTransmisie, IntrareModulYoung,
    IntrareRaportPoisson, IntrareProprietatiChimice, IntrareTemperaturi, IntrareConductibilitate, IntrareDilatare,
    IntrareDuritateKnoop, IntrareCalduraSpecifica, IntrareDuritateAbraziune, IntrareGrosimeTransmisie,
};
static_assert(IntrareGrosimeTransmisie + 1 == NumarAsocieriImplicite);
inline constexpr int MarimeTabelAsocieri = NumarAsocieri * 136;

enum TipElement : std::int16_t {
    TipFloat = 1, TipDouble, TipInt, TipUint, TipShort, TipUshort, TipChar, TipWchar, TipBool, TipByte, TipLint, TipUlint
};

using TabelAsocieri = std::array<AsociereMarimeSticla, NumarAsocieri>;

// The C type of an entry's elements as messages name it.
const char* NumeTipElement(int tip);

// The association dialog's title, and the caption of what it reports.
inline constexpr const char* TitluAsociere = "Asociere campuri material cu coloane din tabel";

// What the first rows of a table hold, column by column, every cell read as
// text: the association dialog judges a column by its data, never by its
// declared type or one cell, and shows the value a field will get.
struct DateColoana {
    // Cells that read as numbers, and other texts; empty cells and the
    // placeholders makers write for "no value" ("-", "n/a") count in neither.
    std::size_t numere = 0, texte = 0;
    std::string text;  // the first of those texts, to name in a message
};
struct EsantionTabel {
    std::vector<DateColoana> coloane;
    std::vector<std::vector<std::string>> randuri;  // the first rows, "" for an empty cell
};

// Everything the update dialog owns for one import: the connection, the
// table being read, the scratch record each row fills and the associations.
struct ContextImportExcel {
    // The layout the table follows: 1 as Schott writes it, 3 as Ohara does.
    int codProducator = 0;
    std::unique_ptr<SursaTabel> sursa;   // the ODBC connection or a spreadsheet file
    std::string caleSursa;               // the spreadsheet file's path (empty for ODBC), for the journal
    std::string tabel;                   // the selected table
    std::vector<ColoanaTabel> coloane;   // its columns
    EsantionTabel esantion;              // its first rows
    MaterialOptic sticla{};              // the scratch record; its producer is the one the glasses get
    TabelAsocieri asocieri{};
    int asocieriSetate = 0;
    int intrareCurenta = -1;
    int nrLambdaTi = 0;
    int nrLambdaIndici = 0;
    // What "Detect lambda" found, column by column of the index
    // and transmittance associations: each value travels with the
    // wavelength of its own column, whatever order the catalogue gives them.
    std::vector<float> lambdaColoaneIndici;
    std::vector<std::uint16_t> lambdaColoaneTi;
    // The transmittance's thickness (mm) the user gives, used when neither
    // the column names nor the header rows above them state one; 0 none.
    float grosimeUtilizator = 0;
    // Why the transmittance is not imported (no thickness known); empty
    // when it is.
    std::string motivFaraTransmisie;
    // Why the last "Detect lambda" found no wavelengths, for its caller to tell.
    std::string motivDetectie;
    // The row being transferred: its name as the table gives it (UTF-8) and
    // why it cannot be stored as it stands (empty when it can).
    std::string numeRand;
    std::string motivRespingere;
    // Live halves of the entries: where each one's values go in `sticla`.
    std::array<void*, NumarAsocieri> campuri{};
};

// Names, types, sizes and fields of entries 0 to 19; the active flags,
// columns and factors stay as they are.
void ScrieAsocieriImplicite(ContextImportExcel& c);
// "Sterge toate asocierile": every entry numbered, inactive, columns -1.
void StergeAsocieri(TabelAsocieri& t);
void DezactiveazaAsocieri(TabelAsocieri& t);

// An entry checked against the table's columns: a start or stop outside it
// makes the entry inactive, a factor of 0 becomes 1. Without columns only
// the factor is checked.
void VerificaAsociere(AsociereMarimeSticla& a, const std::vector<ColoanaTabel>* coloane);
// The association list's cells of an entry in the user's words, under
// TitluriAsocieri' titles; columns by name, or "coloana N" without a table.
// `producator` decides the expansion's unit (negative: not known).
std::vector<std::string> CeluleAsociere(const TabelAsocieri& t, int intrare, const std::vector<ColoanaTabel>* coloane,
                                        int producator);
std::vector<std::string> TitluriAsocieri();

// The entry's field in the user's words ("Densitate"); an entry an
// association file names otherwise keeps that name (Windows-1252).
std::string NumeCampAsociere(const AsociereMarimeSticla& a);
// What the field takes, in words ("un numar", "text, max. 15 caractere").
std::string DescriereValoriAsociere(const AsociereMarimeSticla& a);
// What a column holds by its data, in words ("numere", "text", "goala").
std::string FelColoana(const DateColoana& d);
bool EsteNumerica(const AsociereMarimeSticla& a);
// A cell's text as the update reads a number from it: the number it starts
// with; nothing for an empty cell, a placeholder or another text.
std::optional<double> NumarDinCelula(std::string_view text);

// A cell as a text field takes it: a text as written, a number with all its
// digits (a glass code 517642.251 stays that, not 517642), "" for an empty one.
std::string TextDinCelula(const CelulaFoaie& c);

// The first `maxim` rows of the table, every cell as text; the first
// `pastrate` are kept whole. False after a failure of the source, with why
// in its eroare().
bool CitesteEsantion(ContextImportExcel& c, std::size_t maxim = 1000, std::size_t pastrate = 20);
// Why columns start..stop cannot feed entry `intrare` (empty when they can):
// more columns than the field holds, or a column whose data are not what
// the field takes.
std::string MotivColoane(const ContextImportExcel& c, int intrare, int start, int stop);
// A value of the catalogue as the entry's field will hold it: times the
// factor, then as the field's type keeps it (whole numbers truncated, the
// 16-bit ones without the factor).
double ValoareDupaFactor(const AsociereMarimeSticla& a, double v);
// The first data row's values for an active entry (the first row that has
// a name when the name is associated), as they will be stored, in the
// field's unit: "86.2", "1.5163; 1.522; ..."; "-" for an empty cell.
std::string PrimulRandStocat(const ContextImportExcel& c, int intrare);

std::vector<std::uint8_t> OctetiAsocieri(const TabelAsocieri& t);
// False for bytes that are not a whole table.
bool AsocieriDinOcteti(const std::vector<std::uint8_t>& o, TabelAsocieri& t);

// Settings value "ASOCIERE" under the producer's key; a failure says why,
// for the caller to report.
RezultatOperatie SalveazaAsocieriInRegistri(const std::string& numeRegistru, const TabelAsocieri& t);
RezultatOperatie RestaureazaAsocieriDinRegistri(const std::string& numeRegistru, TabelAsocieri& t);
// *.aso files; a failure says why (the text of numbered message 145 and the
// path when the file cannot be opened). A failed load leaves `t` as it was.
RezultatOperatie SalveazaAsocieriInFisier(const std::string& cale, const TabelAsocieri& t);
RezultatOperatie IncarcaAsocieriDinFisier(const std::string& cale, TabelAsocieri& t);
// After a load: the stored pointers mean nothing here.
void DupaIncarcareAsocieri(ContextImportExcel& c);

// "Detect lambda" for layout code 1 or 3: the wavelength of every index and
// transmittance column from its name (the fixed table of code 1 only for a
// column whose name carries none), and the transmittance's thickness: from
// "TAUI<mm>/<nm>" names, the header rows above the columns, the thickness
// entry's column, or the user's; without one the transmittance is not
// imported (`motivFaraTransmisie` says why). Only active entries are
// detected. The scratch record shows the wavelengths in ascending order;
// the result-list lines (the pairing of columns and wavelengths, the
// thickness and its source) are appended to `linii`. 1 when found; 0 with
// why in `c.motivDetectie`.
int DetecteazaLambda(ContextImportExcel& c, int codProducator, std::vector<std::string>& linii);

}  // namespace vitramor
