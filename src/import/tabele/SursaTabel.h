#pragma once
// One way to read a catalogue table, whatever holds it: an ODBC data source,
// a workbook (.xlsx, .xls) or a CSV file. A read hands the caller one row
// after another as cells (empty, a number or UTF-8 text), the way a CSV
// parser hands its rows to a callback: the spreadsheet sources give their
// cells as the file holds them, the ODBC source binds its own buffers and
// turns each value into a cell, so no SQL type leaves it and the update
// never knows where a value came from.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vitramor {

// The most columns of a table the import reads.
inline constexpr int MaximColoaneTabel = 255;

struct ConexiuneODBC;

// One cell of a table: a number keeps its full precision (a double), a text
// is UTF-8 as the source gives it; only a record field takes Windows-1252.
struct CelulaFoaie {
    enum Tip : unsigned char { Goala, Numar, Text };
    std::uint32_t coloana = 0;  // 0-based
    Tip tip = Goala;
    double numar = 0;
    std::string text;
};

struct ColoanaTabel {
    std::string nume;
    // The column's type in the words of ODBC ("SQL_DOUBLE", "SQL_VARCHAR"),
    // as a sheet's columns are described too; only shown to the user.
    std::string tip = "SQL_VARCHAR";
    // A sheet's header rows above the names, top to bottom: the text of the
    // cell above this column in each ("" where it is empty). Makers put
    // units and the transmittance's thickness there.
    std::vector<std::string> deasupra{};
};

// The cells of one row, one for each column asked for, in the order asked;
// returning false stops the read there (not a failure).
using RandTabel = std::function<bool(const std::vector<CelulaFoaie>& celule)>;

class SursaTabel {
public:
    virtual ~SursaTabel() = default;

    // The name shown as the data source (the DSN, or the file name).
    virtual std::string numeSursa() const = 0;
    // Sheet names of a workbook take brackets in the query, as the Excel
    // driver wants them.
    virtual bool excel() const { return false; }

    // Each of these keeps why it failed in eroare() before returning false.
    virtual bool citesteTabele(std::vector<std::string>& tabele) = 0;
    virtual bool citesteColoane(const std::string& tabel, std::vector<ColoanaTabel>& coloane) = 0;
    // Every data row of the table, the cells of the 0-based `coloane` handed
    // to `rand`; a column the table lacks is a failure. False after a
    // failure; true when the rows ran out or `rand` stopped.
    virtual bool citesteRanduri(const std::string& tabel, const std::vector<int>& coloane, const RandTabel& rand) = 0;
    // Why the last call failed (UTF-8), for the caller to report.
    const std::string& eroare() const { return eroare_; }
    // How many rows the read under way gives in all, when the source knows
    // (a sheet, asked from `rand`); 0 when it does not.
    virtual std::size_t randuriDeCitit() const { return 0; }

protected:
    // Each call starts with no reason of an earlier one.
    void stergeEroare() { eroare_.clear(); }
    bool esec(std::string motiv) {
        eroare_ = std::move(motiv);
        return false;
    }

private:
    std::string eroare_;
};

// The title of the box that tells why a table source cannot be used.
inline constexpr const char* TitluFoaieCalcul = "ATENTIE!";

// SOURCE as the command line and the import dialog take it: an ODBC
// connection string when it holds '=', otherwise the path of an .xlsx, .xls
// or .csv file. randAntet is the 1-based row that names the columns of a
// spreadsheet (0: found from the cells). Null after a failure, with why in
// `eroare` (for an ODBC connection, the driver's diagnostics).
std::unique_ptr<SursaTabel> DeschideSursaTabel(const std::string& sursa, std::string& eroare, int randAntet = 0);

// A source over a connection the caller keeps (the import dialog's).
std::unique_ptr<SursaTabel> CreazaSursaOdbc(ConexiuneODBC& c);

// Only the file kinds; null after a failure, with why in `eroare`.
std::unique_ptr<SursaTabel> DeschideFisierFoaieCalcul(const std::string& cale, std::string& eroare, int randAntet = 0);

}  // namespace vitramor
