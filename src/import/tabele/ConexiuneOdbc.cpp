#include "import/tabele/ConexiuneOdbc.h"
#include "record/TextFormatat.h"

#include <cstring>
#include <memory>

#include "platform/DepozitSetari.h"

namespace vitramor {

namespace {

constexpr const char* Titlu = "VITRAMOR V3.0";

AlegereSursaOdbc& alegereSursa() {
    static AlegereSursaOdbc f;
    return f;
}

void Mesaj(const std::string& text, const std::string& titlu = {}) { MesajBox(nullptr, text, titlu, stil::MB_OK); }

std::vector<std::unique_ptr<ConexiuneODBC>>& sloturi() {
    static std::vector<std::unique_ptr<ConexiuneODBC>> s;
    return s;
}

}  // namespace

void InstaleazaAlegereSursaOdbc(AlegereSursaOdbc f) { alegereSursa() = std::move(f); }

const char* NumeTipSql(int tip) {
    switch (tip) {
        case -10: return "SQL_WLONGVARCHAR";
        case -9: return "SQL_WVARCHAR";
        case -8: return "SQL_WCHAR";
        case -7: return "SQL_BIT";
        case -6: return "SQL_TINYINT";
        case -5: return "SQL_BIGINT";
        case -4: return "SQL_LONGVARBINARY";
        case -3: return "SQL_VARBINARY";
        case -2: return "SQL_BINARY";
        case -1: return "SQL_LONGVARCHAR";
        case 1: return "SQL_CHAR";
        case 2: return "SQL_NUMERIC";
        case 3: return "SQL_DECIMAL";
        case 4: return "SQL_INTEGER";
        case 5: return "SQL_SMALLINT";
        case 6: return "SQL_FLOAT";
        case 7: return "SQL_REAL";
        case 8: return "SQL_DOUBLE";
        case 9: return "SQL_DATETIME";
        case 12: return "SQL_VARCHAR";
        case 91: return "SQL_TYPE_DATE";
        case 92: return "SQL_TYPE_TIME";
        case 93: return "SQL_TYPE_TIMESTAMP";
        default: return "Unknown";
    }
}

SQLSMALLINT TipLegareColoana(int tip) {
    switch (tip) {
        case -9: case -8: return SQL_C_WCHAR;
        case -7: return SQL_C_BIT;
        case -6: case 5: return SQL_C_SHORT;
        case -4: case -3: case -2: return SQL_C_BINARY;
        case 4: return SQL_C_LONG;
        case 6: case 8: return SQL_C_DOUBLE;
        case 7: return SQL_C_FLOAT;
        case 9: case 10: case 11: case 91: case 92: case 93: return static_cast<SQLSMALLINT>(tip);
        default: return SQL_C_CHAR;
    }
}

void AfiseazaDiagnosticOdbc(int tipHandle, SQLHANDLE h) {
    for (SQLSMALLINT rec = 1;; ++rec) {
        SQLCHAR stare[6] = {}, mesaj[1024] = {};
        SQLINTEGER nativ = 0;
        SQLSMALLINT lungime = 0;
        const SQLRETURN r = SQLGetDiagRec(static_cast<SQLSMALLINT>(tipHandle), h, rec, stare, &nativ, mesaj,
                                          sizeof mesaj, &lungime);
        const std::string titlu = TextFormatat("SQLState: %s", reinterpret_cast<char*>(stare));
        switch (r) {
            case SQL_SUCCESS: Mesaj(reinterpret_cast<char*>(mesaj), titlu); continue;
            case SQL_SUCCESS_WITH_INFO:
                if (lungime >= static_cast<SQLSMALLINT>(sizeof mesaj))
                    Mesaj("Lungime string insuficienta pentru mesaj eroare", titlu);
                return;
            case SQL_INVALID_HANDLE: Mesaj("Handle invalid in SQLGetDiagRec()", titlu); return;
            case SQL_ERROR: Mesaj("SQL_ERROR", titlu); return;
            case SQL_NO_DATA: Mesaj("SQL_NO_DATA", "SQLGetDiagRec()"); return;
            case SQL_NEED_DATA: Mesaj("SQL_NEED_DATA", "SQLGetDiagRec()"); return;
            default: continue;
        }
    }
}

int VerificaRezultatOdbc(SQLRETURN rezultat, int tipHandle, SQLHANDLE h) {
    if (tipHandle < SQL_HANDLE_ENV || tipHandle > SQL_HANDLE_DESC) {
        Mesaj(TextFormatat("HandleType = %d necunoscut", tipHandle));
        return 0;
    }
    if (rezultat == SQL_SUCCESS || rezultat == SQL_SUCCESS_WITH_INFO) return 1;
    AfiseazaDiagnosticOdbc(tipHandle, h);
    return 0;
}

int AlocaHandleOdbc(Fereastra, ConexiuneODBC& c) {
    SQLRETURN r = SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &c.henv);
    if (r == SQL_INVALID_HANDLE) return 0;
    if (!VerificaRezultatOdbc(r, SQL_HANDLE_ENV, c.henv)) return 0;
    r = SQLSetEnvAttr(c.henv, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC2), 0);
    if (r == SQL_INVALID_HANDLE) return Mesaj("Invalid handle in SQLSetEnvAttr()", Titlu), 0;
    if (!VerificaRezultatOdbc(r, SQL_HANDLE_ENV, c.henv)) return 0;
    r = SQLAllocHandle(SQL_HANDLE_DBC, c.henv, &c.hdbc);
    if (r == SQL_INVALID_HANDLE) return Mesaj("Invalid handle in SQLAllocHandle(SQL_HANDLE_DBC, ...)", Titlu), 0;
    if (!VerificaRezultatOdbc(r, SQL_HANDLE_ENV, c.henv)) return 0;
    r = SQLSetConnectAttr(c.hdbc, SQL_ATTR_ODBC_CURSORS, reinterpret_cast<SQLPOINTER>(SQL_CUR_USE_DRIVER), 0);
    if (r == SQL_INVALID_HANDLE) return Mesaj("Invalid handle in SQLSetConnectAttr()", Titlu), 0;
    return VerificaRezultatOdbc(r, SQL_HANDLE_DBC, c.hdbc);
}

int ConecteazaOdbc(Intrebari* intrebari, Fereastra owner, std::string& sir, int& capacitate, ConexiuneODBC& c) {
    if (c.conectat) {
        if (!intrebari ||
            intrebari->intreaba(owner,
                     "This operation will close the current connection.\nChoose OK to continue with the operation or "
                     "Cancel to abort.",
                     Titlu, stil::MB_OKCANCEL | 0x100) != raspuns::IDOK)
            return 0;
        DeconecteazaOdbc(c);
    }
    if (c.hdbc == SQL_NULL_HDBC && !AlocaHandleOdbc(owner, c)) return 0;

    const bool gol = sir.empty();
    std::string folosit = sir;
    if (gol) {
        // The driver manager here has no dialog of its own: ours builds the string.
        std::optional<std::string> ales;
        if (alegereSursa()) ales = alegereSursa()(owner);
        else Mesaj("Nu exista connection string si nici dialog de alegere a sursei de date", Titlu);
        if (!ales) return 0;
        folosit = *ales;
    }
    std::vector<SQLCHAR> complet(4096);
    SQLSMALLINT lungime = 0;
    const SQLRETURN r = SQLDriverConnect(c.hdbc, nullptr, reinterpret_cast<SQLCHAR*>(folosit.data()),
                                         static_cast<SQLSMALLINT>(folosit.size()), complet.data(),
                                         static_cast<SQLSMALLINT>(complet.size()), &lungime, SQL_DRIVER_NOPROMPT);
    if (!VerificaRezultatOdbc(r, SQL_HANDLE_DBC, c.hdbc)) {
        if (r != SQL_NO_DATA) sir.clear();
        return 0;
    }
    c.conectat = 1;
    if (gol) {
        if (lungime >= capacitate) {
            Mesaj(TextFormatat("Lungime connectionString obtinuta (%d) > memoria alocata (%d)", lungime, capacitate));
            sir.clear();
        } else {
            sir.assign(reinterpret_cast<char*>(complet.data()), static_cast<std::size_t>(lungime));
            capacitate = lungime;
        }
    }
    SQLUSMALLINT maxNume = 0;
    c.lungimeMaximaNumeColoana = 32;
    if (SQL_SUCCEEDED(SQLGetInfo(c.hdbc, SQL_MAX_COLUMN_NAME_LEN, &maxNume, sizeof maxNume, nullptr)) && maxNume)
        c.lungimeMaximaNumeColoana = maxNume;
    char ghilimea[8] = {};
    c.ghilimeaIdentificator = ' ';
    if (SQL_SUCCEEDED(SQLGetInfo(c.hdbc, SQL_IDENTIFIER_QUOTE_CHAR, ghilimea, sizeof ghilimea, nullptr)) && ghilimea[0])
        c.ghilimeaIdentificator = ghilimea[0];
    SQLHSTMT st = SQL_NULL_HSTMT;
    c.asincron = 0;
    if (SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, c.hdbc, &st))) {
        c.asincron = SQL_SUCCEEDED(SQLSetStmtAttr(st, SQL_ATTR_ASYNC_ENABLE,
                                                  reinterpret_cast<SQLPOINTER>(SQL_ASYNC_ENABLE_ON), 0));
        SQLFreeHandle(SQL_HANDLE_STMT, st);
    }
    return 1;
}

int ConecteazaOdbcSourceSiSalveazaInRegistri(Intrebari* intrebari, Fereastra owner, ConexiuneODBC& c) {
    platforma().cursorAsteptare(true);
    std::string sir, pastrat;
    if (c.folosesteRegistri) {
        CitesteODBC_CoatingDB_dinRegistri(c.numeRegistru, sir, 1023);
        pastrat = sir;
    } else {
        sir = c.sirConexiune;
    }
    int capacitate = 1023;
    if (!ConecteazaOdbc(intrebari, owner, sir, capacitate, c)) {
        c.conectat = 0;
        platforma().cursorAsteptare(false);
        return 0;
    }
    if (c.folosesteRegistri && !sir.empty() && (pastrat.empty() || pastrat != sir))
        ScrieODBC_BazaDateInRegistri(c.numeRegistru, sir);
    c.conectat = 1;
    if (sir.find("excel") != std::string::npos || sir.find("xls") != std::string::npos) c.sursaExcel = 1;
    c.numeSursaDate.clear();
    for (std::size_t inceput = 0; inceput <= sir.size();) {
        std::size_t sfarsit = sir.find(';', inceput);
        if (sfarsit == std::string::npos) sfarsit = sir.size();
        const std::string parte = sir.substr(inceput, sfarsit - inceput);
        if (parte.find("DSN") != std::string::npos) {
            c.numeSursaDate = parte.size() > 4 ? parte.substr(4, 63) : std::string();
            break;
        }
        inceput = sfarsit + 1;
    }
    platforma().cursorAsteptare(false);
    return c.conectat;
}

void DeconecteazaOdbc(ConexiuneODBC& c) {
    c.numeTabele.clear();
    c.numeColoane.clear();
    c.tabele.clear();
    c.coloane.clear();
    c.nrTabele = c.nrColoane = 0;
    if (c.conectat) SQLDisconnect(c.hdbc);
    c.conectat = 0;
    c.lungimeMaximaNumeColoana = 0;
}

void ElibereazaHandleOdbc(ConexiuneODBC& c) {
    if (c.hdbc != SQL_NULL_HDBC) SQLFreeHandle(SQL_HANDLE_DBC, c.hdbc);
    if (c.henv != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, c.henv);
    c.hdbc = SQL_NULL_HDBC;
    c.henv = SQL_NULL_HENV;
}

int CitesteODBC_CoatingDB_dinRegistri(const std::string& numeRegistru, std::string& sir, int capacitate) {
    DepozitSetari& s = platforma().setari();
    const std::string cheie = CheieRegistruOdbc(numeRegistru);
    if (!s.existaCheie(cheie)) {
        MesajBox(nullptr, "Sistemul nu poate gasi cheia " + cheie + " in registri.",
                 "Sursa de date ODBC", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        sir.clear();
        return 0;
    }
    const auto v = s.citesteText(cheie, "CONNECTION_STRING");
    if (!v) {
        sir.clear();
        return 0;
    }
    sir = v->substr(0, static_cast<std::size_t>(capacitate));
    return 1;
}

void ScrieODBC_BazaDateInRegistri(const std::string& numeRegistru, const std::string& sir) {
    DepozitSetari& s = platforma().setari();
    const std::string cheie = CheieRegistruOdbc(numeRegistru);
    if (!s.creazaCheie(cheie) || !s.scrieText(cheie, "CONNECTION_STRING", sir)) {
        MesajBox(nullptr, s.textEroare().empty() ? "Cheia nu poate fi creata" : s.textEroare(),
                 "Sursa de date ODBC", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return;
    }
    Mesaj("Connection string salvat in registri");
}

int StergeConexiuneDinRegistri(const std::string& numeRegistru, Intrebari* intreaba) {
    if (numeRegistru.empty()) return 0;
    const std::string cheie = CheieRegistruOdbc(numeRegistru);
    if (intreaba && intreaba->intreaba(nullptr, "Stergeti registrul curent?", cheie, stil::MB_YESNO) != raspuns::IDYES)
        return 0;
    DepozitSetari& s = platforma().setari();
    if (!s.existaCheie(cheie)) {
        MesajBox(nullptr, "Sistemul nu poate gasi cheia " + cheie + " in registri.", "Sursa de date ODBC",
                 stil::MB_OK);
        return 0;
    }
    // The store has no delete: an empty value is what a missing one reads as.
    if (!s.citesteText(cheie, "CONNECTION_STRING") || !s.scrieText(cheie, "CONNECTION_STRING", "")) {
        MesajBox(nullptr, "Valoarea CONNECTION_STRING nu exista.", "RegDeleteKeyA", stil::MB_OK);
        return 0;
    }
    return 1;
}

int NumeRegistruProducator(int cod, std::string& nume) {
    static const char* const n[] = {"SCHOTT_XLS", "HOYA_XLS", "OHARA_XLS", "SUMITA_XLS", "PILKINGTON_XLS"};
    if (cod < 1 || cod > 5) {
        Mesaj(TextFormatat("Producator sticle %d necunoscut sau functie nefinalizata", cod));
        return 0;
    }
    nume = n[cod - 1];
    return 1;
}

int DistrugeIndexMemorieConexiuneODBC(int index) {
    auto& s = sloturi();
    if (index < 0 || static_cast<std::size_t>(index) >= s.size()) {
        Mesaj("Index > nr. conexiuni create", "DistrugeIndexMemorieConexiuneODBC");
        return 0;
    }
    DeconecteazaOdbc(*s[index]);
    ElibereazaHandleOdbc(*s[index]);
    s.erase(s.begin() + index);
    return 1;
}

void InchideToateConexiunileOdbc() {
    while (!sloturi().empty()) DistrugeIndexMemorieConexiuneODBC(static_cast<int>(sloturi().size()) - 1);
}

}  // namespace vitramor
