// An ODBC data source behind the table interface, and the choice between
// it and a spreadsheet file. A read binds its own buffers (numbers as
// doubles, everything else as UTF-16 text) and hands each row over as cells.

#include <QString>

#include <algorithm>
#include <map>
#include <memory>

#include "import/tabele/ConexiuneOdbc.h"
#include "import/tabele/SursaTabel.h"

namespace vitramor {

namespace {

// Numbers arrive as doubles, whatever the column's own numeric type: a
// catalogue's values keep the precision the driver has.
bool TipNumeric(SQLSMALLINT tip) {
    switch (tip) {
        case SQL_NUMERIC: case SQL_DECIMAL: case SQL_INTEGER: case SQL_SMALLINT: case SQL_FLOAT: case SQL_REAL:
        case SQL_DOUBLE: case SQL_TINYINT: case SQL_BIGINT: case SQL_BIT:
            return true;
        default: return false;
    }
}

std::string Utf8DinLarg(const unsigned char* p, SQLLEN octeti) {
    std::u16string u;
    for (SQLLEN i = 0; i + 1 < octeti; i += 2) {
        const char16_t cp = static_cast<char16_t>(p[i] | (p[i + 1] << 8));
        if (cp == 0) break;
        u.push_back(cp);
    }
    return QString::fromStdU16String(u).toStdString();
}

// The buffer of one column a read binds: a double, or the column's text in
// UTF-16 up to what a catalogue cell can hold (some drivers report their
// type's maximum, tens of kilobytes, as the size).
struct ColoanaLegata {
    bool numar = false;
    std::vector<unsigned char> text;
    double valoare = 0;
    SQLLEN indicator = SQL_NULL_DATA;
};

// The statement of one read, freed whatever way the read ends.
struct Instructiune {
    SQLHSTMT h = SQL_NULL_HSTMT;
    ~Instructiune() {
        if (h == SQL_NULL_HSTMT) return;
        SQLFreeStmt(h, SQL_CLOSE);
        SQLFreeHandle(SQL_HANDLE_STMT, h);
    }
};

class SursaOdbc : public SursaTabel {
public:
    explicit SursaOdbc(ConexiuneODBC& c) : c_(c) {}

    std::string numeSursa() const override { return c_.numeSursaDate; }
    bool excel() const override { return c_.sursaExcel == 1; }

    bool citesteTabele(std::vector<std::string>& tabele) override {
        stergeEroare();
        std::string motiv;
        if (!AflaNumeleTabelelorDinBazaDeDate(c_, motiv)) return esec(motiv);
        tabele = c_.numeTabele;
        return true;
    }

    bool citesteColoane(const std::string& tabel, std::vector<ColoanaTabel>& coloane) override {
        stergeEroare();
        std::string motiv;
        if (!CitesteColoaneleTabelului(c_, tabel, motiv)) return esec(motiv);
        coloane.clear();
        for (const auto& r : c_.coloane) coloane.push_back({reinterpret_cast<const char*>(r.nume), NumeTipSql(r.tipDate)});
        return true;
    }

    bool citesteRanduri(const std::string& tabel, const std::vector<int>& coloane, const RandTabel& dat) override {
        stergeEroare();
        Instructiune st;
        std::string motiv;
        if (!VerificaRezultatOdbc(SQLAllocHandle(SQL_HANDLE_STMT, c_.hdbc, &st.h), SQL_HANDLE_DBC, c_.hdbc, motiv))
            return esec(motiv);
        const std::string comanda = (excel() ? "SELECT * FROM [" + tabel + "]" : "SELECT * FROM " + tabel);
        std::string text = comanda;
        if (!SQL_SUCCEEDED(SQLExecDirect(st.h, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS)))
            return esec("Eroare in SQLExecDirect(): TipBazaDeDate = " + std::to_string(c_.sursaExcel) +
                        "\nComanda: " + comanda + "\n" + DiagnosticOdbc(SQL_HANDLE_STMT, st.h));
        // A column asked for twice is bound once: a second binding would take the first one's place.
        std::map<int, ColoanaLegata> legate;
        for (int k : coloane) {
            if (legate.count(k)) continue;
            ColoanaLegata& l = legate[k];
            const auto numar = static_cast<SQLUSMALLINT>(k + 1);
            SQLSMALLINT tip = 0, zecimale = 0, nul = 0;
            SQLULEN marime = 0;
            // A column the table lacks is the driver's to report, as any other failure.
            if (!VerificaRezultatOdbc(SQLDescribeCol(st.h, numar, nullptr, 0, nullptr, &tip, &marime, &zecimale, &nul),
                                      SQL_HANDLE_STMT, st.h, motiv))
                return esec(motiv);
            l.numar = TipNumeric(tip);
            SQLRETURN r;
            if (l.numar) {
                r = SQLBindCol(st.h, numar, SQL_C_DOUBLE, &l.valoare, sizeof l.valoare, &l.indicator);
            } else {
                l.text.assign(2 * std::clamp<SQLULEN>(marime + 1, 64, 1024), 0);
                r = SQLBindCol(st.h, numar, SQL_C_WCHAR, l.text.data(), static_cast<SQLLEN>(l.text.size()), &l.indicator);
            }
            if (!VerificaRezultatOdbc(r, SQL_HANDLE_STMT, st.h, motiv)) return esec(motiv);
        }
        std::vector<CelulaFoaie> celule(coloane.size());
        for (;;) {
            const SQLRETURN r = SQLFetch(st.h);
            if (r == SQL_NO_DATA) break;
            if (!SQL_SUCCEEDED(r)) return esec("Eroare SQLFetch()\n" + DiagnosticOdbc(SQL_HANDLE_STMT, st.h));
            for (std::size_t k = 0; k < coloane.size(); ++k) {
                const ColoanaLegata& l = legate[coloane[k]];
                CelulaFoaie& c = celule[k];
                c.coloana = static_cast<std::uint32_t>(coloane[k]);
                c.tip = l.indicator == SQL_NULL_DATA ? CelulaFoaie::Goala : l.numar ? CelulaFoaie::Numar : CelulaFoaie::Text;
                c.numar = l.numar ? l.valoare : 0;
                c.text = c.tip == CelulaFoaie::Text
                             ? Utf8DinLarg(l.text.data(), l.indicator < 0 ? static_cast<SQLLEN>(l.text.size())
                                                                 : std::min<SQLLEN>(l.indicator, static_cast<SQLLEN>(l.text.size())))
                             : std::string();
            }
            if (!dat(celule)) break;
        }
        return true;
    }

private:
    ConexiuneODBC& c_;
};

// A source that owns its connection, for callers that open a source by its
// connection string and drop it when done.
class SursaOdbcProprie : public SursaOdbc {
public:
    explicit SursaOdbcProprie(std::unique_ptr<ConexiuneODBC> c) : SursaOdbc(*c), c_(std::move(c)) {}
    ~SursaOdbcProprie() override {
        DeconecteazaOdbc(*c_);
        ElibereazaHandleOdbc(*c_);
    }

private:
    std::unique_ptr<ConexiuneODBC> c_;
};

}  // namespace

std::unique_ptr<SursaTabel> CreazaSursaOdbc(ConexiuneODBC& c) { return std::make_unique<SursaOdbc>(c); }

std::unique_ptr<SursaTabel> DeschideSursaTabel(const std::string& sursa, std::string& eroare, int randAntet) {
    if (sursa.find('=') == std::string::npos) return DeschideFisierFoaieCalcul(sursa, eroare, randAntet);
    auto c = std::make_unique<ConexiuneODBC>();
    c->sirConexiune = sursa;
    const RezultatOperatie r = ConecteazaOdbcSourceSiSalveazaInRegistri(nullptr, nullptr, *c);
    if (r.stare != StareOperatie::Facut) {
        eroare = r.motiv.empty() ? "Conectarea la sursa de date ODBC nu a reusit." : r.motiv;
        ElibereazaHandleOdbc(*c);
        return nullptr;
    }
    return std::make_unique<SursaOdbcProprie>(std::move(c));
}

}  // namespace vitramor
