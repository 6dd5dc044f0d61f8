#pragma once
// The cells of a worksheet (or of a CSV file) as the spreadsheet sources
// hold them in memory, and how a sheet becomes a table: which row names the
// columns, what each column is called and whether it binds as a number or as
// text.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "import/SursaTabel.h"

namespace vitramor {

struct CelulaFoaie {
    enum Tip : unsigned char { Goala, Numar, Text };
    Tip tip = Goala;
    double numar = 0;
    std::string text;  // Windows-1252, as record texts are
};

using RandFoaie = std::vector<CelulaFoaie>;

// Rows in sheet order; a missing row is an empty one, so index i is row i + 1.
struct FoaieCalcul {
    std::string nume;
    std::vector<RandFoaie> randuri;
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

// UTF-8 from the workbook formats into the record texts' Windows-1252; a
// character that code page lacks becomes '?', as in a typed name, and text
// that is no UTF-8 (a CSV file saved in Windows-1252) stays as it is.
std::string TextCelula(const std::string& utf8);

// Tells the user why a spreadsheet file cannot be used ("ATENTIE!").
void RaporteazaFoaieCalcul(const std::string& text);

}  // namespace vitramor
