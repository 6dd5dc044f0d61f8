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

std::string DiagnosticOdbc(int tipHandle, SQLHANDLE h) {
    std::string text;
    for (SQLSMALLINT rec = 1;; ++rec) {
        SQLCHAR stare[6] = {}, mesaj[1024] = {};
        SQLINTEGER nativ = 0;
        SQLSMALLINT lungime = 0;
        const SQLRETURN r = SQLGetDiagRec(static_cast<SQLSMALLINT>(tipHandle), h, rec, stare, &nativ, mesaj,
                                          sizeof mesaj, &lungime);
        // A message cut to the buffer is still worth its first kilobyte.
        if (r != SQL_SUCCESS && r != SQL_SUCCESS_WITH_INFO) {
            if (!text.empty()) return text;
            if (r == SQL_INVALID_HANDLE) return "Handle invalid in SQLGetDiagRec()";
            return r == SQL_NO_DATA ? "SQL_NO_DATA" : "SQL_ERROR";
        }
        if (!text.empty()) text += '\n';
        text += TextFormatat("SQLState: %s: %s", reinterpret_cast<char*>(stare), reinterpret_cast<char*>(mesaj));
    }
}

bool VerificaRezultatOdbc(SQLRETURN rezultat, int tipHandle, SQLHANDLE h, std::string& motiv) {
    if (tipHandle < SQL_HANDLE_ENV || tipHandle > SQL_HANDLE_DESC) {
        motiv = TextFormatat("HandleType = %d necunoscut", tipHandle);
        return false;
    }
    if (rezultat == SQL_SUCCESS || rezultat == SQL_SUCCESS_WITH_INFO) return true;
    motiv = DiagnosticOdbc(tipHandle, h);
    return false;
}

RezultatOperatie AlocaHandleOdbc(ConexiuneODBC& c) {
    std::string motiv;
    SQLRETURN r = SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &c.henv);
    if (r == SQL_INVALID_HANDLE) return RezultatOperatie::Esec("Invalid handle in SQLAllocHandle(SQL_HANDLE_ENV, ...)");
    if (!VerificaRezultatOdbc(r, SQL_HANDLE_ENV, c.henv, motiv)) return RezultatOperatie::Esec(motiv);
    r = SQLSetEnvAttr(c.henv, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC2), 0);
    if (r == SQL_INVALID_HANDLE) return RezultatOperatie::Esec("Invalid handle in SQLSetEnvAttr()");
    if (!VerificaRezultatOdbc(r, SQL_HANDLE_ENV, c.henv, motiv)) return RezultatOperatie::Esec(motiv);
    r = SQLAllocHandle(SQL_HANDLE_DBC, c.henv, &c.hdbc);
    if (r == SQL_INVALID_HANDLE) return RezultatOperatie::Esec("Invalid handle in SQLAllocHandle(SQL_HANDLE_DBC, ...)");
    if (!VerificaRezultatOdbc(r, SQL_HANDLE_ENV, c.henv, motiv)) return RezultatOperatie::Esec(motiv);
    r = SQLSetConnectAttr(c.hdbc, SQL_ATTR_ODBC_CURSORS, reinterpret_cast<SQLPOINTER>(SQL_CUR_USE_DRIVER), 0);
    if (r == SQL_INVALID_HANDLE) return RezultatOperatie::Esec("Invalid handle in SQLSetConnectAttr()");
    if (!VerificaRezultatOdbc(r, SQL_HANDLE_DBC, c.hdbc, motiv)) return RezultatOperatie::Esec(motiv);
    return {};
}

RezultatOperatie ConecteazaOdbc(Intrebari* intrebari, Fereastra owner, std::string& sir, int& capacitate,
                                ConexiuneODBC& c) {
    RezultatOperatie rezultat;
    if (c.conectat) {
        if (!intrebari ||
            intrebari->intreaba(
                owner,
                "This operation will close the current connection.\nChoose OK to continue with the operation or "
                "Cancel to abort.",
                Titlu, stil::MB_OKCANCEL | 0x100) != raspuns::IDOK)
            return RezultatOperatie::Anulare();
        DeconecteazaOdbc(c);
    }
    if (c.hdbc == SQL_NULL_HDBC) {
        rezultat = AlocaHandleOdbc(c);
        if (rezultat.esuat()) return rezultat;
    }

    const bool gol = sir.empty();
    std::string folosit = sir;
    if (gol) {
        // The driver manager here has no dialog of its own: ours builds the string.
        if (!alegereSursa())
            return RezultatOperatie::Esec("Nu exista connection string si nici dialog de alegere a sursei de date");
        const std::optional<std::string> ales = alegereSursa()(owner);
        if (!ales) return RezultatOperatie::Anulare();
        folosit = *ales;
    }
    std::vector<SQLCHAR> complet(4096);
    SQLSMALLINT lungime = 0;
    const SQLRETURN r = SQLDriverConnect(c.hdbc, nullptr, reinterpret_cast<SQLCHAR*>(folosit.data()),
                                         static_cast<SQLSMALLINT>(folosit.size()), complet.data(),
                                         static_cast<SQLSMALLINT>(complet.size()), &lungime, SQL_DRIVER_NOPROMPT);
    std::string motiv;
    if (!VerificaRezultatOdbc(r, SQL_HANDLE_DBC, c.hdbc, motiv)) {
        if (r != SQL_NO_DATA) sir.clear();
        return RezultatOperatie::Esec(motiv);
    }
    c.conectat = 1;
    if (gol) {
        if (lungime >= capacitate) {
            rezultat.note.push_back(
                TextFormatat("Lungime connectionString obtinuta (%d) > memoria alocata (%d)", lungime, capacitate));
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
    return rezultat;
}

RezultatOperatie ConecteazaOdbcSourceSiSalveazaInRegistri(Intrebari* intrebari, Fereastra owner, ConexiuneODBC& c) {
    struct Cursor {
        Cursor() { platforma().cursorAsteptare(true); }
        ~Cursor() { platforma().cursorAsteptare(false); }
    } cursor;
    std::string sir, pastrat, negasit;
    if (c.folosesteRegistri) {
        // A key not there yet is the first connection: the chooser asks for the source.
        CitesteODBC_CoatingDB_dinRegistri(c.numeRegistru, sir, 1023, negasit);
        pastrat = sir;
    } else {
        sir = c.sirConexiune;
    }
    int capacitate = 1023;
    RezultatOperatie rezultat = ConecteazaOdbc(intrebari, owner, sir, capacitate, c);
    if (!negasit.empty()) rezultat.note.insert(rezultat.note.begin(), negasit);
    if (rezultat.stare != StareOperatie::Facut) {
        c.conectat = 0;
        return rezultat;
    }
    if (c.folosesteRegistri && !sir.empty() && (pastrat.empty() || pastrat != sir)) {
        const RezultatOperatie scris = ScrieODBC_BazaDateInRegistri(c.numeRegistru, sir);
        // The connection stands whether or not the string could be kept.
        rezultat.note.push_back(scris.esuat() ? scris.motiv : scris.note.front());
    }
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
    return rezultat;
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

bool CitesteODBC_CoatingDB_dinRegistri(const std::string& numeRegistru, std::string& sir, int capacitate,
                                       std::string& motiv) {
    DepozitSetari& s = platforma().setari();
    const std::string cheie = CheieRegistruOdbc(numeRegistru);
    sir.clear();
    if (!s.existaCheie(cheie)) {
        motiv = "Sistemul nu poate gasi cheia " + cheie + " in registri.";
        return false;
    }
    // A key that holds only the associations has no string yet: no fault to tell.
    const auto v = s.citesteText(cheie, "CONNECTION_STRING");
    if (!v) return false;
    sir = v->substr(0, static_cast<std::size_t>(capacitate));
    return true;
}

RezultatOperatie ScrieODBC_BazaDateInRegistri(const std::string& numeRegistru, const std::string& sir) {
    DepozitSetari& s = platforma().setari();
    const std::string cheie = CheieRegistruOdbc(numeRegistru);
    if (!s.creazaCheie(cheie) || !s.scrieText(cheie, "CONNECTION_STRING", sir))
        return RezultatOperatie::Esec(s.textEroare().empty() ? "Cheia nu poate fi creata" : s.textEroare());
    RezultatOperatie r;
    r.note.push_back("Connection string salvat in registri");
    return r;
}

RezultatOperatie StergeConexiuneDinRegistri(const std::string& numeRegistru, Intrebari* intreaba) {
    if (numeRegistru.empty()) return RezultatOperatie::Nimic("Producatorul nu are o cheie in registri.");
    const std::string cheie = CheieRegistruOdbc(numeRegistru);
    if (intreaba && intreaba->intreaba(nullptr, "Stergeti registrul curent?", cheie, stil::MB_YESNO) != raspuns::IDYES)
        return RezultatOperatie::Anulare();
    DepozitSetari& s = platforma().setari();
    if (!s.existaCheie(cheie)) return RezultatOperatie::Esec("Sistemul nu poate gasi cheia " + cheie + " in registri.");
    // The store has no delete: an empty value is what a missing one reads as.
    if (!s.citesteText(cheie, "CONNECTION_STRING") || !s.scrieText(cheie, "CONNECTION_STRING", ""))
        return RezultatOperatie::Esec("Valoarea CONNECTION_STRING nu exista.");
    return {};
}

bool NumeRegistruProducator(int cod, std::string& nume, std::string& motiv) {
    static const char* const n[] = {"SCHOTT_XLS", "HOYA_XLS", "OHARA_XLS", "SUMITA_XLS", "PILKINGTON_XLS"};
    if (cod < 1 || cod > 5) {
        motiv = TextFormatat("Producator sticle %d necunoscut sau functie nefinalizata", cod);
        return false;
    }
    nume = n[cod - 1];
    return true;
}

bool DistrugeIndexMemorieConexiuneODBC(int index) {
    auto& s = sloturi();
    if (index < 0 || static_cast<std::size_t>(index) >= s.size()) return false;
    DeconecteazaOdbc(*s[index]);
    ElibereazaHandleOdbc(*s[index]);
    s.erase(s.begin() + index);
    return true;
}

void InchideToateConexiunileOdbc() {
    while (!sloturi().empty()) DistrugeIndexMemorieConexiuneODBC(static_cast<int>(sloturi().size()) - 1);
}

}  // namespace vitramor
