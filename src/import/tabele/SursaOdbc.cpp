// An ODBC data source behind the table interface, and the choice between
// it and a spreadsheet file.

#include <memory>

#include "import/tabele/ConexiuneOdbc.h"
#include "import/tabele/SursaTabel.h"

namespace vitramor {

namespace {

class SursaOdbc : public SursaTabel {
public:
    explicit SursaOdbc(ConexiuneODBC& c) : c_(c) {}
    ~SursaOdbc() override { inchideCitire(); }

    std::string numeSursa() const override { return c_.numeSursaDate; }
    bool excel() const override { return c_.sursaExcel == 1; }

    bool citesteTabele(std::vector<std::string>& tabele) override {
        if (!AflaNumeleTabelelorDinBazaDeDate(c_)) return false;
        tabele = c_.numeTabele;
        return true;
    }

    bool citesteColoane(const std::string& tabel, std::vector<ColoanaTabel>& coloane) override {
        if (!CitesteColoaneleTabelului(c_, tabel)) return false;
        coloane.clear();
        for (const auto& r : c_.coloane)
            coloane.push_back({reinterpret_cast<const char*>(r.nume), r.tipDate, r.marimeColoana, r.lungimeBuffer});
        return true;
    }

    bool incepeCitire() override {
        inchideCitire();
        return VerificaRezultatOdbc(SQLAllocHandle(SQL_HANDLE_STMT, c_.hdbc, &st_), SQL_HANDLE_DBC, c_.hdbc) == 1;
    }

    bool leagaColoana(int coloana, SQLSMALLINT tipC, void* buffer, SQLLEN lungime, SQLLEN* indicator) override {
        return VerificaRezultatOdbc(SQLBindCol(st_, static_cast<SQLUSMALLINT>(coloana + 1), tipC, buffer, lungime,
                                               indicator),
                                    SQL_HANDLE_STMT, st_) == 1;
    }

    bool executa(const std::string& tabel) override {
        const std::string comanda = (excel() ? "SELECT * FROM [" + tabel + "]" : "SELECT * FROM " + tabel);
        std::string text = comanda;
        const SQLRETURN r = SQLExecDirect(st_, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS);
        if (SQL_SUCCEEDED(r)) return true;
        AfiseazaDiagnosticOdbc(SQL_HANDLE_STMT, st_);
        MesajBox(nullptr, "Eroare in SQLExecDirect(): TipBazaDeDate = " + std::to_string(c_.sursaExcel), {},
                 stil::MB_OK);
        MesajBox(nullptr, comanda, "Comanda", stil::MB_OK);
        return false;
    }

    int urmatorulRand() override {
        const SQLRETURN r = SQLFetch(st_);
        if (r == SQL_SUCCESS || r == SQL_SUCCESS_WITH_INFO) return 1;
        if (r == SQL_NO_DATA) return 0;
        AfiseazaDiagnosticOdbc(SQL_HANDLE_STMT, st_);
        return -1;
    }

    bool inchideCitire() override {
        if (st_ == SQL_NULL_HSTMT) return true;
        const bool ok = SQL_SUCCEEDED(SQLFreeStmt(st_, SQL_CLOSE));
        SQLFreeHandle(SQL_HANDLE_STMT, st_);
        st_ = SQL_NULL_HSTMT;
        return ok;
    }

private:
    ConexiuneODBC& c_;
    SQLHSTMT st_ = SQL_NULL_HSTMT;
};

// A source that owns its connection, for callers that open a source by its
// connection string and drop it when done.
class SursaOdbcProprie : public SursaOdbc {
public:
    explicit SursaOdbcProprie(std::unique_ptr<ConexiuneODBC> c) : SursaOdbc(*c), c_(std::move(c)) {}
    ~SursaOdbcProprie() override {
        inchideCitire();
        DeconecteazaOdbc(*c_);
        ElibereazaHandleOdbc(*c_);
    }

private:
    std::unique_ptr<ConexiuneODBC> c_;
};

}  // namespace

std::unique_ptr<SursaTabel> CreazaSursaOdbc(ConexiuneODBC& c) { return std::make_unique<SursaOdbc>(c); }

std::unique_ptr<SursaTabel> DeschideSursaTabel(const std::string& sursa, int randAntet) {
    if (sursa.find('=') == std::string::npos) return DeschideFisierFoaieCalcul(sursa, randAntet);
    auto c = std::make_unique<ConexiuneODBC>();
    c->sirConexiune = sursa;
    if (!ConecteazaOdbcSourceSiSalveazaInRegistri(nullptr, *c)) {
        ElibereazaHandleOdbc(*c);
        return nullptr;
    }
    return std::make_unique<SursaOdbcProprie>(std::move(c));
}

}  // namespace vitramor
