#include "support/TabelCatalog.h"

#include <sql.h>
#include <sqlext.h>
#include <xlsxwriter.h>
#include <zip.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "support/RegistruXlsTest.h"

namespace vitramor::test {

void ConfigureazaOdbc(const std::string& director) {
    std::ofstream(director + "/odbcinst.ini") << "[SQLite3]\nDriver=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so\n";
    std::ofstream(director + "/odbc.ini") << "";
    setenv("ODBCSYSINI", director.c_str(), 1);
    setenv("ODBCINI", (director + "/odbc.ini").c_str(), 1);
}

std::string SirSqlite(const std::string& fisier) { return "DRIVER={SQLite3};Database=" + fisier + ";NoCreat=1"; }

namespace {

std::string Ghilimele(const std::string& s) { return "\"" + s + "\""; }

std::string Literal(const Celula& c) {
    if (std::holds_alternative<std::monostate>(c)) return "NULL";
    if (const auto* d = std::get_if<double>(&c)) {
        char b[32];
        std::snprintf(b, sizeof b, "%.17g", *d);
        return b;
    }
    return "'" + std::get<std::string>(c) + "'";
}

}  // namespace

void ScrieSqlite(const std::string& fisier, const std::string& tabel, const Randuri& r) {
    SQLHENV env;
    SQLHDBC dbc;
    SQLHSTMT st;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    std::string sir = "DRIVER={SQLite3};Database=" + fisier;
    if (!SQL_SUCCEEDED(SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(sir.data()), SQL_NTS, nullptr, 0,
                                        nullptr, SQL_DRIVER_NOPROMPT)))
        throw std::runtime_error("cannot create " + fisier);
    SQLAllocHandle(SQL_HANDLE_STMT, dbc, &st);
    auto executa = [&](std::string sql) {
        if (!SQL_SUCCEEDED(SQLExecDirect(st, reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS)))
            throw std::runtime_error("failed: " + sql.substr(0, 200));
        SQLFreeStmt(st, SQL_CLOSE);
    };
    std::string creaza = "CREATE TABLE " + tabel + " (";
    for (std::size_t j = 0; j < r[0].size(); ++j) {
        // A column is REAL when its first data cell is a number.
        const bool numar = r.size() > 1 && std::holds_alternative<double>(r[1][j]);
        creaza += (j ? ", " : "") + Ghilimele(std::get<std::string>(r[0][j])) + (numar ? " REAL" : " TEXT");
    }
    executa(creaza + ")");
    executa("BEGIN");
    for (std::size_t i = 1; i < r.size(); ++i) {
        std::string v = "INSERT INTO " + tabel + " VALUES (";
        for (std::size_t j = 0; j < r[i].size(); ++j) v += (j ? ", " : "") + Literal(r[i][j]);
        executa(v + ")");
    }
    executa("COMMIT");
    SQLFreeHandle(SQL_HANDLE_STMT, st);
    SQLDisconnect(dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
}

void ScrieXlsx(const std::string& fisier, const std::string& foaie, const Randuri& r) {
    lxw_workbook* wb = workbook_new(fisier.c_str());
    lxw_worksheet* ws = workbook_add_worksheet(wb, foaie.c_str());
    for (std::size_t i = 0; i < r.size(); ++i)
        for (std::size_t j = 0; j < r[i].size(); ++j) {
            const auto ri = static_cast<lxw_row_t>(i);
            const auto cj = static_cast<lxw_col_t>(j);
            if (const auto* d = std::get_if<double>(&r[i][j])) worksheet_write_number(ws, ri, cj, *d, nullptr);
            else if (const auto* s = std::get_if<std::string>(&r[i][j])) worksheet_write_string(ws, ri, cj, s->c_str(), nullptr);
        }
    if (workbook_close(wb) != LXW_NO_ERROR) throw std::runtime_error("cannot write " + fisier);
}

namespace {

// The sheet part handed to libzip piece by piece, so a part of hundreds of
// megabytes never sits in memory.
struct FluxFoaie {
    std::function<std::string(std::size_t)> bucata;
    std::size_t bucati = 0, urmatoarea = 0;
    std::string curent;
    std::size_t pozitie = 0;
};

zip_int64_t CitesteFlux(void* stare, void* date, zip_uint64_t n, zip_source_cmd_t cmd) {
    auto* f = static_cast<FluxFoaie*>(stare);
    switch (cmd) {
    case ZIP_SOURCE_OPEN:
        f->urmatoarea = 0, f->pozitie = 0;
        f->curent = "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
        return 0;
    case ZIP_SOURCE_READ: {
        while (f->pozitie == f->curent.size()) {
            if (f->urmatoarea > f->bucati) return 0;
            f->curent = f->urmatoarea < f->bucati ? f->bucata(f->urmatoarea) : "</sheetData></worksheet>";
            ++f->urmatoarea, f->pozitie = 0;
        }
        const std::size_t k = std::min<std::size_t>(n, f->curent.size() - f->pozitie);
        std::memcpy(date, f->curent.data() + f->pozitie, k);
        f->pozitie += k;
        return static_cast<zip_int64_t>(k);
    }
    case ZIP_SOURCE_STAT: {
        auto* st = static_cast<zip_stat_t*>(date);
        zip_stat_init(st);
        return sizeof(*st);
    }
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    case ZIP_SOURCE_ERROR: return 2 * sizeof(int);
    default: return 0;
    }
}

void AdaugaText(zip_t* z, const char* nume, const std::string& text) {
    char* copie = static_cast<char*>(std::malloc(text.size()));
    std::memcpy(copie, text.data(), text.size());
    zip_file_add(z, nume, zip_source_buffer(z, copie, text.size(), 1), ZIP_FL_OVERWRITE);
}

}  // namespace

void ScrieXlsxBrut(const std::string& fisier, const std::string& foaie,
                   const std::function<std::string(std::size_t)>& bucata, std::size_t bucati) {
    int eroare = 0;
    zip_t* z = zip_open(fisier.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &eroare);
    if (!z) throw std::runtime_error("cannot write " + fisier);
    AdaugaText(z, "xl/workbook.xml",
               "<workbook xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
               "<sheet name=\"" + foaie + "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>");
    AdaugaText(z, "xl/_rels/workbook.xml.rels",
               "<Relationships><Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/></Relationships>");
    FluxFoaie flux{bucata, bucati, 0, {}, 0};
    zip_source_t* sursa = zip_source_function(z, CitesteFlux, &flux);
    const zip_int64_t index = zip_file_add(z, "xl/worksheets/sheet1.xml", sursa, ZIP_FL_OVERWRITE);
    zip_set_file_compression(z, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 1);
    if (zip_close(z) != 0) throw std::runtime_error("cannot write " + fisier);
}

void ScrieXls(const std::string& fisier, const std::string& foaie, const Randuri& r) {
    std::vector<TextComun> texte{{""}};
    std::string celule;
    for (unsigned i = 0; i < r.size(); ++i) {
        std::vector<std::uint32_t> rk;
        auto scrieRk = [&](unsigned j) {
            if (rk.size() == 1) celule += CelulaRk(i, j - 1, rk[0]);
            if (rk.size() > 1) celule += CelulaMulRk(i, j - static_cast<unsigned>(rk.size()), rk);
            rk.clear();
        };
        for (unsigned j = 0; j < r[i].size(); ++j) {
            const auto* d = std::get_if<double>(&r[i][j]);
            if (d && CodRk(*d)) {
                rk.push_back(*CodRk(*d));
                continue;
            }
            scrieRk(j);
            if (d) {
                celule += CelulaNumar(i, j, *d);
            } else {
                const auto* s = std::get_if<std::string>(&r[i][j]);
                celule += CelulaSst(i, j, s ? static_cast<std::uint32_t>(texte.size()) : 0);
                if (s) texte.push_back({*s});
            }
        }
        scrieRk(static_cast<unsigned>(r[i].size()));
    }
    ScrieCompus(fisier, FluxRegistru({{foaie, celule}, {"note", ""}, {"Recommended glasses 5桁", ""}},
                                     TexteComune(texte, 40)));
}

void ScrieCsv(const std::string& fisier, const Randuri& r, char separator) {
    std::ofstream f(fisier, std::ios::binary);
    for (const auto& rand : r) {
        for (std::size_t j = 0; j < rand.size(); ++j) {
            if (j) f << separator;
            if (const auto* d = std::get_if<double>(&rand[j])) {
                char b[32];
                std::snprintf(b, sizeof b, "%.17g", *d);
                std::string t = b;
                if (separator == ';')
                    for (auto& ch : t)
                        if (ch == '.') ch = ',';
                f << t;
            } else if (const auto* s = std::get_if<std::string>(&rand[j])) {
                std::string t;
                for (char ch : *s) t += ch == '"' ? std::string("\"\"") : std::string(1, ch);
                f << '"' << t << '"';
            }
        }
        f << "\r\n";
    }
}

}  // namespace vitramor::test
