#pragma once
// One way to read a catalogue table, whatever holds it: an ODBC data source,
// a workbook (.xlsx, .xls) or a CSV file. The update binds the columns it
// needs to its own buffers and fetches row after row, as it always did with
// ODBC; the spreadsheet sources copy each row into the bound buffers the same
// way a driver would, so the transfer of a value never knows where it came
// from.

#include <sql.h>
#include <sqlext.h>

#include <memory>
#include <string>
#include <vector>

namespace vitramor {

struct ConexiuneODBC;

struct ColoanaTabel {
    std::string nume;
    SQLSMALLINT tipSql = SQL_VARCHAR;
    SQLINTEGER marime = 0;         // column size as the catalogue gives it
    SQLINTEGER lungimeBuffer = 0;  // bytes a bound value needs
    // A sheet's header rows above the names, top to bottom: the text of the
    // cell above this column in each ("" where it is empty). Makers put
    // units and the transmittance's thickness there.
    std::vector<std::string> deasupra{};
};

class SursaTabel {
public:
    virtual ~SursaTabel() = default;

    // The name shown as the data source (the DSN, or the file name).
    virtual std::string numeSursa() const = 0;
    // Sheet names of a workbook take brackets in the query, as the Excel
    // driver wants them.
    virtual bool excel() const { return false; }

    // Each of these reports its own failure before returning false.
    virtual bool citesteTabele(std::vector<std::string>& tabele) = 0;
    virtual bool citesteColoane(const std::string& tabel, std::vector<ColoanaTabel>& coloane) = 0;

    // A read: start, bind the 0-based columns wanted, execute over the
    // table, fetch until 0, close. urmatorulRand gives 1 for a row, 0 at the
    // end, -1 on a failure it has reported.
    virtual bool incepeCitire() = 0;
    virtual bool leagaColoana(int coloana, SQLSMALLINT tipC, void* buffer, SQLLEN lungime, SQLLEN* indicator) = 0;
    virtual bool executa(const std::string& tabel) = 0;
    virtual int urmatorulRand() = 0;
    // How many rows an executed read will give, when the source knows (a
    // sheet in memory); 0 when it does not.
    virtual std::size_t randuriDeCitit() const { return 0; }
    virtual bool inchideCitire() = 0;
};

// SOURCE as the command line and the import dialog take it: an ODBC
// connection string when it holds '=', otherwise the path of an .xlsx, .xls
// or .csv file. randAntet is the 1-based row that names the columns of a
// spreadsheet (0: found from the cells). Null after a reported failure.
std::unique_ptr<SursaTabel> DeschideSursaTabel(const std::string& sursa, int randAntet = 0);

// A source over a connection the caller keeps (the import dialog's).
std::unique_ptr<SursaTabel> CreazaSursaOdbc(ConexiuneODBC& c);

// Only the file kinds; null after a reported failure.
std::unique_ptr<SursaTabel> DeschideFisierFoaieCalcul(const std::string& cale, int randAntet = 0);

}  // namespace vitramor
