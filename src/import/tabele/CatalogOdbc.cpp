// The table and column catalogues of a connected source and the connection
// report of the "Info" button.

#include <cstdio>
#include <cstring>

#include "import/tabele/ConexiuneOdbc.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

void Mesaj(const std::string& text, const std::string& titlu = {}) { MesajBox(nullptr, text, titlu, stil::MB_OK); }

std::string Text(const SQLCHAR* s) { return reinterpret_cast<const char*>(s); }

struct CursorAsteptare {
    CursorAsteptare() { platforma().cursorAsteptare(true); }
    ~CursorAsteptare() { platforma().cursorAsteptare(false); }
};

}  // namespace

bool AflaNumeleTabelelorDinBazaDeDate(ConexiuneODBC& c, std::string& motiv) {
    if (!c.conectat) {
        motiv = "Nu exista conexiune";
        return false;
    }
    CursorAsteptare cursor;
    SQLHSTMT st = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, c.hdbc, &st))) {
        motiv = "Eroare SQLAllocHandle(SQL_HANDLE_STMT...)\n" + DiagnosticOdbc(SQL_HANDLE_DBC, c.hdbc);
        return false;
    }
    if (!SQL_SUCCEEDED(SQLTables(st, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0))) {
        motiv = "Eroare SQLTables()\n" + DiagnosticOdbc(SQL_HANDLE_STMT, st);
        SQLFreeHandle(SQL_HANDLE_STMT, st);
        return false;
    }
    InregistrareTabelOdbc r{};
    SQLCHAR* campuri[5] = {r.catalog, r.schema, r.nume, r.tip, r.remarci};
    for (SQLUSMALLINT i = 0; i < 5; ++i) SQLBindCol(st, i + 1, SQL_C_CHAR, campuri[i], 257, &r.lungimi[i]);
    c.numeTabele.clear();
    c.tabele.clear();
    bool citit = true;
    for (;;) {
        std::memset(&r, 0, sizeof r);
        const SQLRETURN f = SQLFetch(st);
        if (f == SQL_NO_DATA) break;
        // A row with a warning still counts; a failed one ends the list, which is then not whole.
        if (!SQL_SUCCEEDED(f)) {
            motiv = "Eroare SQLFetch()\n" + DiagnosticOdbc(SQL_HANDLE_STMT, st);
            citit = false;
            break;
        }
        if (Text(r.tip) == "TABLE") {
            c.numeTabele.push_back(Text(r.nume));
            c.tabele.push_back(r);
        }
    }
    c.nrTabele = static_cast<int>(c.tabele.size());
    SQLFreeHandle(SQL_HANDLE_STMT, st);
    return citit;
}

namespace {

void LeagaColoaneCatalog(SQLHSTMT st, InregistrareColoanaOdbc& r) {
    struct {
        SQLSMALLINT tip;
        void* camp;
        SQLLEN lungime;
    } const c[18] = {
        {SQL_C_CHAR, r.catalog, 129},         {SQL_C_CHAR, r.schema, 129},       {SQL_C_CHAR, r.tabel, 129},
        {SQL_C_CHAR, r.nume, 129},            {SQL_C_SSHORT, &r.tipDate, 0},     {SQL_C_CHAR, r.numeTip, 129},
        {SQL_C_SLONG, &r.marimeColoana, 0},   {SQL_C_SLONG, &r.lungimeBuffer, 0}, {SQL_C_SSHORT, &r.zecimale, 0},
        {SQL_C_SSHORT, &r.baza, 0},           {SQL_C_SSHORT, &r.nullable, 0},    {SQL_C_CHAR, r.remarci, 254},
        {SQL_C_CHAR, r.valoareImplicita, 129}, {SQL_C_SSHORT, &r.tipSql, 0},     {SQL_C_SSHORT, &r.subtipDataOra, 0},
        {SQL_C_SLONG, &r.lungimeOcteti, 0},   {SQL_C_SLONG, &r.pozitie, 0},      {SQL_C_CHAR, r.esteNullable, 129},
    };
    for (SQLUSMALLINT i = 0; i < 18; ++i) SQLBindCol(st, i + 1, c[i].tip, c[i].camp, c[i].lungime, &r.lungimi[i]);
}

}  // namespace

bool CitesteColoaneleTabelului(ConexiuneODBC& c, const std::string& tabel, std::string& motiv) {
    CursorAsteptare cursor;
    SQLHSTMT st = SQL_NULL_HSTMT;
    if (!VerificaRezultatOdbc(SQLAllocHandle(SQL_HANDLE_STMT, c.hdbc, &st), SQL_HANDLE_DBC, c.hdbc, motiv))
        return false;
    std::string nume = tabel;
    if (!VerificaRezultatOdbc(SQLColumns(st, nullptr, 0, nullptr, 0, reinterpret_cast<SQLCHAR*>(nume.data()),
                                         static_cast<SQLSMALLINT>(nume.size()), nullptr, 0),
                              SQL_HANDLE_STMT, st, motiv)) {
        SQLFreeHandle(SQL_HANDLE_STMT, st);
        return false;
    }
    InregistrareColoanaOdbc r{};
    LeagaColoaneCatalog(st, r);
    c.numeColoane.clear();
    c.coloane.clear();
    for (;;) {
        std::memset(&r, 0, sizeof r);
        if (!SQL_SUCCEEDED(SQLFetch(st))) break;
        if (r.nume[0]) c.numeColoane.push_back(Text(r.nume));
        c.coloane.push_back(r);
        if (c.coloane.size() >= MaximColoaneTabel) {
            Mesaj("Nr. maxim de coloane din tabel este de max. 255\nStergeti din coloanele inutile "
                  "(nefolosite).\nColoanele cu index peste 255 sunt ignorate",
                  "ATENTIE!");
            break;
        }
    }
    c.nrColoane = static_cast<int>(c.coloane.size());
    SQLFreeHandle(SQL_HANDLE_STMT, st);
    return true;
}

namespace {

// What the driver says of itself and of the source it is connected to.
void ScrieParametriConexiune(BlocText& b, ConexiuneODBC& c) {
    const struct {
        SQLUSMALLINT info;
        const char* format;
        const char* eroare;
    } texte[] = {{SQL_DBMS_NAME, "DBMS_Name: %s", "Eroare SQLGetInfo(..., SQL_DBMS_NAME,..)"},
                 {SQL_DBMS_VER, "Versiunea: %s", "Eroare SQLGetInfo(..., SQL_DBMS_VER,..)"},
                 {SQL_DATABASE_NAME, "Nume baza de date: %s", "Eroare SQLGetInfo(..., SQL_DATABASE_NAME,..)"}};
    for (const auto& t : texte) {
        char v[128] = {};
        if (SQL_SUCCEEDED(SQLGetInfo(c.hdbc, t.info, v, sizeof v, nullptr))) {
            AddTextRAM(b, TextFormatat(t.format, v));
        } else {
            AddTextRAM(b, t.eroare);
        }
    }
}

void ScrieFunctiiSuportate(BlocText& b, ConexiuneODBC& c) {
#define F(x) {x, #x}
    static const struct {
        SQLUSMALLINT id;
        const char* nume;
    } functii[60] = {
        F(SQL_API_SQLALLOCHANDLE), F(SQL_API_SQLGETDESCFIELD), F(SQL_API_SQLBINDCOL), F(SQL_API_SQLGETDESCREC),
        F(SQL_API_SQLCANCEL), F(SQL_API_SQLGETDIAGFIELD), F(SQL_API_SQLCLOSECURSOR), F(SQL_API_SQLGETDIAGREC),
        F(SQL_API_SQLCOLATTRIBUTE), F(SQL_API_SQLGETENVATTR), F(SQL_API_SQLCONNECT), F(SQL_API_SQLGETFUNCTIONS),
        F(SQL_API_SQLCOPYDESC), F(SQL_API_SQLGETINFO), F(SQL_API_SQLDATASOURCES), F(SQL_API_SQLGETSTMTATTR),
        F(SQL_API_SQLDESCRIBECOL), F(SQL_API_SQLGETTYPEINFO), F(SQL_API_SQLDISCONNECT), F(SQL_API_SQLNUMRESULTCOLS),
        F(SQL_API_SQLDRIVERS), F(SQL_API_SQLPARAMDATA), F(SQL_API_SQLENDTRAN), F(SQL_API_SQLPREPARE),
        F(SQL_API_SQLEXECDIRECT), F(SQL_API_SQLPUTDATA), F(SQL_API_SQLEXECUTE), F(SQL_API_SQLROWCOUNT),
        F(SQL_API_SQLFETCH), F(SQL_API_SQLSETCONNECTATTR), F(SQL_API_SQLFETCHSCROLL), F(SQL_API_SQLSETCURSORNAME),
        F(SQL_API_SQLFREEHANDLE), F(SQL_API_SQLSETDESCFIELD), F(SQL_API_SQLFREESTMT), F(SQL_API_SQLSETDESCREC),
        F(SQL_API_SQLGETCONNECTATTR), F(SQL_API_SQLSETENVATTR), F(SQL_API_SQLGETCURSORNAME), F(SQL_API_SQLSETSTMTATTR),
        F(SQL_API_SQLGETDATA), F(SQL_API_SQLCOLUMNS), F(SQL_API_SQLSTATISTICS), F(SQL_API_SQLSPECIALCOLUMNS),
        F(SQL_API_SQLTABLES), F(SQL_API_SQLBINDPARAMETER), F(SQL_API_SQLNATIVESQL), F(SQL_API_SQLBROWSECONNECT),
        F(SQL_API_SQLNUMPARAMS), F(SQL_API_SQLBULKOPERATIONS), F(SQL_API_SQLPRIMARYKEYS),
        F(SQL_API_SQLCOLUMNPRIVILEGES), F(SQL_API_SQLPROCEDURECOLUMNS), F(SQL_API_SQLDESCRIBEPARAM),
        F(SQL_API_SQLPROCEDURES), F(SQL_API_SQLDRIVERCONNECT), F(SQL_API_SQLSETPOS), F(SQL_API_SQLFOREIGNKEYS),
        F(SQL_API_SQLTABLEPRIVILEGES), F(SQL_API_SQLMORERESULTS),
    };
#undef F
    for (const auto& f : functii) {
        SQLUSMALLINT da = 0;
        const bool ok = SQL_SUCCEEDED(SQLGetFunctions(c.hdbc, f.id, &da));
        AddTextRAM(b, TextFormatat(std::strlen(f.nume) <= 19 ? "\tFunctie: %s - \t\t%s" : "\tFunctie: %s - \t%s",
                                   f.nume, ok && da ? "Yes" : "No"));
    }
}

void ScrieLimiteDriver(BlocText& b, ConexiuneODBC& c) {
    SQLUINTEGER creare = 0;
    if (SQL_SUCCEEDED(SQLGetInfo(c.hdbc, SQL_CREATE_TABLE, &creare, sizeof creare, nullptr)))
        AddTextRAM(b, std::string("Create table: ") + (creare & SQL_CT_CREATE_TABLE ? "Yes" : "No"));
    else
        AddTextRAM(b, "Eroare SQLGetInfo(..., SQL_CREATE_TABLE,..)");
    SQLUINTEGER conformitate = 0;
    if (SQL_SUCCEEDED(SQLGetInfo(c.hdbc, SQL_ODBC_INTERFACE_CONFORMANCE, &conformitate, sizeof conformitate, nullptr)))
        AddTextRAM(b, std::string("Interface conformance:") +
                          (conformitate == SQL_OIC_LEVEL2 ? "SQL_OIC_LEVEL2"
                           : conformitate == SQL_OIC_LEVEL1 ? "SQL_OIC_LEVEL1"
                                                            : "SQL_OIC_CORE"));
    else
        AddTextRAM(b, "Eroare SQLGetInfo(..., SQL_ODBC_INTERFACE_CONFORMANCE,..)");
    SQLUINTEGER rand = 0;
    if (SQL_SUCCEEDED(SQLGetInfo(c.hdbc, SQL_MAX_ROW_SIZE, &rand, sizeof rand, nullptr))) {
        AddTextRAM(b, TextFormatat("Lungime maxima linie = %d", static_cast<int>(rand)));
    } else {
        AddTextRAM(b, "Eroare SQLGetInfo(..., SQL_MAX_ROW_SIZE,..)");
    }
    SQLUSMALLINT maxNume = 0, maxColoane = 0;
    SQLGetInfo(c.hdbc, SQL_MAX_COLUMN_NAME_LEN, &maxNume, sizeof maxNume, nullptr);
    SQLGetInfo(c.hdbc, SQL_MAX_COLUMNS_IN_TABLE, &maxColoane, sizeof maxColoane, nullptr);
    AddTextRAM(b, TextFormatat("MAX_COLUMN_NAME = %d", maxNume));
    AddTextRAM(b, TextFormatat("SQL_MAX_COLUMNS_IN_TABLE = %d", maxColoane));
    AddTextRAM(b, c.asincron ? "bAsyncSupported = TRUE" : "bAsyncSupported = FALSE");
}

// Lists every table of the source; returns the names of the plain tables,
// whose columns follow.
std::vector<std::string> ScrieTabele(BlocText& b, ConexiuneODBC& c) {
    std::vector<std::string> tabele;
    SQLHSTMT st = SQL_NULL_HSTMT;
    if (SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, c.hdbc, &st))) {
        if (SQL_SUCCEEDED(SQLTables(st, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0))) {
            InregistrareTabelOdbc r{};
            SQLCHAR* campuri[5] = {r.catalog, r.schema, r.nume, r.tip, r.remarci};
            for (SQLUSMALLINT i = 0; i < 5; ++i) SQLBindCol(st, i + 1, SQL_C_CHAR, campuri[i], 257, &r.lungimi[i]);
            for (;;) {
                std::memset(&r, 0, sizeof r);
                if (SQLFetch(st) != SQL_SUCCESS) break;
                if (r.nume[0]) AddTextRAM(b, "\t" + Text(r.nume));
                for (const SQLCHAR* camp : {r.catalog, r.schema, r.tip, r.remarci})
                    if (camp[0]) AddTextRAM(b, "\t\t" + Text(camp));
                if (Text(r.tip) == "TABLE") tabele.push_back(Text(r.nume));
            }
        }
        SQLFreeHandle(SQL_HANDLE_STMT, st);
    }
    return tabele;
}

// Returns false when no statement could be made for it (the report stops there).
bool ScrieColoaneTabel(BlocText& b, ConexiuneODBC& c, const std::string& t) {
    AddTextRAM(b, "Coloane din tabelul " + t);
    SQLHSTMT st = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, c.hdbc, &st))) return false;
    std::string nume = t;
    int n = 0;
    SQLRETURN f = SQL_NO_DATA;
    if (SQL_SUCCEEDED(SQLColumns(st, nullptr, 0, nullptr, 0, reinterpret_cast<SQLCHAR*>(nume.data()),
                                 static_cast<SQLSMALLINT>(nume.size()), nullptr, 0))) {
        InregistrareColoanaOdbc r{};
        LeagaColoaneCatalog(st, r);
        for (;;) {
            std::memset(&r, 0, sizeof r);
            for (auto& l : r.lungimi) l = SQL_NULL_DATA;
            f = SQLFetch(st);
            if (f != SQL_SUCCESS) break;
            ++n;
            AddTextRAM(b, Text(r.nume));
            auto adauga = [&](int k, const char* format, auto... v) {
                if (r.lungimi[k] == SQL_NULL_DATA) return;
                AddTextRAM(b, TextFormatat(format, v...));
            };
            adauga(4, "\t\tDataType = %s (%d)", NumeTipSql(r.tipDate), r.tipDate);
            adauga(6, "\t\tColumnSize = %d", static_cast<int>(r.marimeColoana));
            adauga(7, "\t\tBufferLength = %d", static_cast<int>(r.lungimeBuffer));
            adauga(8, "\t\tDecimalDigits = %d", r.zecimale);
            adauga(9, "\t\tNumPrecRadix = %d", r.baza);
            adauga(10, "\t\tNullable = %d", r.nullable);
            adauga(11, "\t\tRemarks = %s", reinterpret_cast<char*>(r.remarci));
            adauga(13, "\t\tSQLDataType = %s (%d)", NumeTipSql(r.tipSql), r.tipSql);
            adauga(14, "\t\tDatetimeSubtypeCode = %d", r.subtipDataOra);
            adauga(15, "\t\tCharOctetLength = %d", static_cast<int>(r.lungimeOcteti));
            adauga(16, "\t\tOrdinalPosition = %d", static_cast<int>(r.pozitie));
            adauga(17, "\t\tIsNullable = %s", reinterpret_cast<char*>(r.esteNullable));
        }
    }
    SQLFreeHandle(SQL_HANDLE_STMT, st);
    AddTextRAM(b, TextFormatat("\tNr. coloane din tabelul %s  este: %d", t.c_str(), n));
    // A fetch that failed is told in the report, where its table is.
    if (f == SQL_ERROR || f == SQL_SUCCESS_WITH_INFO)
        AddTextRAM(b, "Eroare SQL_ERROR | SQL_SUCCESS_WITH_INFO  SQLFetch()");
    else if (f == SQL_INVALID_HANDLE)
        AddTextRAM(b, "Eroare SQL_INVALID_HANDLE SQLFetch()");
    else if (f == SQL_NEED_DATA)
        AddTextRAM(b, "Eroare SQL_NEED_DATA  SQLFetch()");
    else if (f == SQL_PARAM_DATA_AVAILABLE)
        AddTextRAM(b, "Eroare SQL_PARAM_DATA_AVAILABLE  SQLFetch()");
    return true;
}

}  // namespace

BlocText RaportConexiuneOdbc(ConexiuneODBC& c) {
    BlocText b;
    if (!c.conectat) return b;
    CursorAsteptare cursor;
    const std::string egal(60, '='), minus(60, '-');
    AddTextRAM(b, "Parametri conexiune");
    AddTextRAM(b, egal);
    ScrieParametriConexiune(b, c);
    AddTextRAM(b, "ODBC functions suported by driver");
    AddTextRAM(b, minus);
    ScrieFunctiiSuportate(b, c);
    ScrieLimiteDriver(b, c);

    AddTextRAM(b, "  ");
    AddTextRAM(b, "Tabelele din baza de date:");
    AddTextRAM(b, minus);
    for (const auto& t : ScrieTabele(b, c)) {
        AddTextRAM(b, minus);
        if (!ScrieColoaneTabel(b, c, t)) break;
    }
    return b;
}

}  // namespace vitramor
