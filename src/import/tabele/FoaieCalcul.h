#pragma once
// The cells of a worksheet (or of a CSV file) as the spreadsheet sources
// hold them in memory, and how a sheet becomes a table: which row names the
// columns, what each column is called and whether it binds as a number or as
// text.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "import/tabele/SursaTabel.h"

namespace vitramor {

// One filled cell. Empty cells are not kept: a sheet holds what its file
// holds, however far apart its cells stand.
struct CelulaFoaie {
    enum Tip : unsigned char { Goala, Numar, Text };
    std::uint32_t coloana = 0;  // 0-based
    Tip tip = Goala;
    double numar = 0;
    std::string text;  // UTF-8 as the file gives it; only a record field takes Windows-1252
};

// The filled cells of one row, in column order.
struct RandFoaie {
    std::uint32_t index = 0;  // 0-based row of the sheet
    std::vector<CelulaFoaie> celule;

    // The cell of a column, or null when it is empty.
    const CelulaFoaie* celula(std::uint32_t coloana) const;
    // One past the last filled column.
    std::uint32_t latime() const { return celule.empty() ? 0 : celule.back().coloana + 1; }
};

// The filled rows of a sheet in row order.
struct FoaieCalcul {
    std::string nume;  // UTF-8
    std::vector<RandFoaie> randuri;

    // Readers add cells as the file gives them; rows and columns 0-based.
    // An empty cell (or an empty text) is dropped; a cell given twice keeps
    // its last value.
    void adauga(std::uint32_t rand, std::uint32_t coloana, CelulaFoaie celula);
    // Puts rows and cells in order once a reader has added them all.
    void termina();
    // The row of a 0-based index, or null when the row is empty.
    const RandFoaie* rand(std::uint32_t index) const;

private:
    bool inOrdine_ = true;
};

// A workbook reader: the sheet names at once, a sheet's cells on demand.
class RegistruCalcul {
public:
    virtual ~RegistruCalcul() = default;
    virtual const std::vector<std::string>& numeFoi() const = 0;
    // Reports its own failure.
    virtual bool citesteFoaie(std::size_t index, FoaieCalcul& foaie) = 0;
};

// Each reports why a file cannot be read and gives null.
std::unique_ptr<RegistruCalcul> DeschideRegistruXlsx(const std::string& cale);
std::unique_ptr<RegistruCalcul> DeschideRegistruXls(const std::string& cale);
std::unique_ptr<RegistruCalcul> DeschideRegistruCsv(const std::string& cale);

// A sheet as a table: its columns and the row index where its data begin.
struct TabelFoaie {
    std::vector<ColoanaTabel> coloane;
    std::size_t primulRandDate = 0;
};

// randAntet is 1-based; 0 finds the header row: the first row whose cells
// are mostly text and that fills at least half as many cells as the fullest
// row near the top (so a title line above the header is passed over).
// Reports a sheet without such a row.
bool AnalizeazaFoaie(const FoaieCalcul& foaie, int randAntet, TabelFoaie& tabel);

// "A", "B", ..., "Z", "AA", ... for the 0-based column index.
std::string LitereColoana(std::size_t index);

// A cell's text read as a number: blanks around it allowed, a decimal comma
// accepted; false for anything else.
bool NumarDinTextCelula(const std::string& text, double& valoare);

// A file's text as UTF-8: valid UTF-8 stays as it is, anything else (a CSV
// file saved on a Windows machine) is read as Windows-1252.
std::string TextCelula(std::string octeti);

// Tells the user why a spreadsheet file cannot be used ("ATENTIE!").
void RaporteazaFoaieCalcul(const std::string& text);

}  // namespace vitramor
