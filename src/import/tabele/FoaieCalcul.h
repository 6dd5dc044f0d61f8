#pragma once
// The cells of a worksheet (or of a CSV file) as the spreadsheet sources
// read them, one row at a time, and how a sheet becomes a table: which row
// names the columns, what each column is called and whether it holds
// numbers or text. A sheet is read through twice (once to learn its
// columns, once for its rows) rather than held: a catalogue file of tens of
// megabytes then costs a row's worth of memory, not several times its size.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "import/tabele/SursaTabel.h"

namespace vitramor {

// The filled cells (CelulaFoaie, SursaTabel.h) of one row, in column order.
// Empty cells are not kept: a sheet holds what its file holds, however far
// apart its cells stand.
struct RandFoaie {
    std::uint32_t index = 0;  // 0-based row of the sheet
    std::vector<CelulaFoaie> celule;

    // The cell of a column, or null when it is empty.
    const CelulaFoaie* celula(std::uint32_t coloana) const;
    // One past the last filled column.
    std::uint32_t latime() const { return celule.empty() ? 0 : celule.back().coloana + 1; }
    // Readers add cells as the file gives them; an empty cell (or an empty
    // text) is dropped.
    void adauga(std::uint32_t coloana, CelulaFoaie celula);
    // Puts the cells in column order, a cell given twice keeping its last value.
    void ordoneaza();
};

// The filled rows of one sheet, one after the other.
class CititorFoaie {
public:
    virtual ~CititorFoaie() = default;
    // The next row with a filled cell, its cells in column order: 1; 0 at
    // the end; -1 after a failure, its reason noted in the workbook's
    // eroare(). Rows come as the file
    // gives them, which is row order in every file a spreadsheet program
    // writes; the table source checks it.
    virtual int urmatorul(RandFoaie& rand) = 0;
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

private:
    bool inOrdine_ = true;
};

// A workbook reader: the sheet names at once, a sheet's rows on demand.
class RegistruCalcul {
public:
    virtual ~RegistruCalcul() = default;
    virtual const std::vector<std::string>& numeFoi() const = 0;
    // A reader at the first row of sheet `index`; null after a failure.
    virtual std::unique_ptr<CititorFoaie> deschideFoaie(std::size_t index) = 0;
    // The whole sheet in memory, rows and cells in order, for a file that
    // gives its rows out of order. False after a failure.
    bool citesteFoaie(std::size_t index, FoaieCalcul& foaie);

    // Why the last failure of the workbook or of a reader of its sheets
    // happened (UTF-8), for the caller to report.
    const std::string& eroare() const { return eroare_; }
    // Notes why the file cannot be used; false, for the failing call to return.
    bool esec(std::string motiv) const {
        eroare_ = std::move(motiv);
        return false;
    }

private:
    mutable std::string eroare_;
};

// Each gives null, with why in `eroare`, when the file cannot be read.
std::unique_ptr<RegistruCalcul> DeschideRegistruXlsx(const std::string& cale, std::string& eroare);
std::unique_ptr<RegistruCalcul> DeschideRegistruXls(const std::string& cale, std::string& eroare);
// The version of the libgsf the .xls reader runs with ("1.14.50").
std::string VersiuneLibgsf();
std::unique_ptr<RegistruCalcul> DeschideRegistruCsv(const std::string& cale, std::string& eroare);

// A sheet as a table: its columns and the row index where its data begin.
struct TabelFoaie {
    std::vector<ColoanaTabel> coloane;
    std::size_t primulRandDate = 0;
};

// randAntet is 1-based; 0 finds the header row: the first row whose cells
// are mostly text and that fills at least half as many cells as the fullest
// row near the top (so a title line above the header is passed over).
// False for a sheet without such a row, with why in `eroare`.
bool AnalizeazaFoaie(const FoaieCalcul& foaie, int randAntet, TabelFoaie& tabel, std::string& eroare);

// The same analysis over rows handed in one at a time, in row order: it
// keeps the first rows until the header row is known, then only the header
// and what each column has held.
class AnalizaFoaie {
public:
    AnalizaFoaie(std::string numeFoaie, int randAntet);
    void adauga(const RandFoaie& rand);
    bool termina(TabelFoaie& tabel);
    // Why termina() found no table.
    const std::string& eroare() const { return eroare_; }

private:
    struct Tipuri {
        bool text = false, numar = false;
    };
    void antet(const RandFoaie& rand, std::size_t pozitie);
    void date(const RandFoaie& rand);
    void alegeDinPrimele();
    void deasupra(const RandFoaie& rand);

    std::string nume_;
    int randAntet_;
    std::size_t pozitie_ = 0, pozitieAntet_ = 0, maxim_ = 0;
    std::uint32_t sfarsit_ = 0;  // one past the last row index seen
    bool gasit_ = false, maximStiut_ = false;
    std::vector<RandFoaie> primele_;
    RandFoaie capete_;
    // The rows just above the header, where makers write units and the
    // transmittance's thickness ("10mm Thick"); the nearest ones only.
    std::vector<RandFoaie> deasupra_;
    std::uint32_t latime_ = 0;
    std::vector<Tipuri> tipuri_;
    std::string eroare_;
};

// "A", "B", ..., "Z", "AA", ... for the 0-based column index.
std::string LitereColoana(std::size_t index);

// A cell's text read as a number: blanks around it allowed, a decimal comma
// accepted; false for anything else.
bool NumarDinTextCelula(const std::string& text, double& valoare);

// A file's text as UTF-8: valid UTF-8 stays as it is, anything else (a CSV
// file saved on a Windows machine) is read as Windows-1252.
std::string TextCelula(std::string octeti);

}  // namespace vitramor
