#pragma once
// One catalogue table written as a SQLite database (reached through the
// real unixODBC driver manager and SQLite ODBC driver), an .xlsx or .xls
// workbook and a CSV file, so the same rows can be read from every kind of
// source.

#include <cstddef>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace vitramor::test {

using Celula = std::variant<std::monostate, double, std::string>;
using Randuri = std::vector<std::vector<Celula>>;  // the first row names the columns

// Points the driver manager at an odbcinst.ini in `director` that knows
// only the SQLite3 driver.
void ConfigureazaOdbc(const std::string& director);
std::string SirSqlite(const std::string& fisier);

// Every cell but the header row's goes in as written; a string in a REAL
// column stays text, as a careless catalogue has it.
void ScrieSqlite(const std::string& fisier, const std::string& tabel, const Randuri& r);
void ScrieXlsx(const std::string& fisier, const std::string& foaie, const Randuri& r);
// A workbook of one sheet whose rows are written as raw XML, `bucata(i)`
// for i below `bucati`, streamed into the archive: far cells, huge parts.
void ScrieXlsxBrut(const std::string& fisier, const std::string& foaie,
                   const std::function<std::string(std::size_t)>& bucata, std::size_t bucati);
// With the habits of Excel's own .xls files: numbers in RK form where they
// have one (runs of them in MULRK records), texts in a shared table split
// over CONTINUE records, an empty shared string for the empty cells, two
// more sheets after the table's.
void ScrieXls(const std::string& fisier, const std::string& foaie, const Randuri& r);
void ScrieCsv(const std::string& fisier, const Randuri& r, char separator = ',');

}  // namespace vitramor::test
