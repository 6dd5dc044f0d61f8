// The spreadsheet-catalogue update of a 2,000-row, 150-column SQLite table
// through the real ODBC driver manager and driver, against the physical
// limit of the same read: a bare SQLFetch loop over the same table with
// every column bound, timed alternately in the same run. The counter
// "ratio_to_fetch" is the figure to watch; the target is 1.5 or less.
// A second benchmark reads a 300-row, 190-column .xlsx (the size of a
// manufacturer catalogue) into a table; its time is the figure (target
// under 200 ms). A third stores 16,000 new glasses with the update of a CSV
// table, against the import of the same glasses from a text catalogue into
// an empty database, alternately in the same run ("ratio_to_text_import";
// target 3 or less).

#include <benchmark/benchmark.h>
#include <sql.h>
#include <sqlext.h>
#include <xlsxwriter.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "import/tabele/ActualizareExcel.h"
#include "import/text/CatalogText.h"
#include "messages/ListaMesaje.h"
#include "settings/Directoare.h"
#include "support/BazaBench.h"
#include "support/PlatformaScriptata.h"

using namespace vitramor;
using namespace vitramor::bench;
namespace fs = std::filesystem;

namespace {

const int Randuri = Marime(2000, 100);
constexpr int Coloane = 150;

std::string NumeColoana(int j) {
    if (j == 0) return "nume";
    if (j <= 20) return "n" + std::to_string(380 + 20 * j);
    if (j <= 40) return "TAUI10/" + std::to_string(300 + 20 * (j - 20));
    return "p" + std::to_string(j);
}

struct Catalog {
    fs::path dir;
    std::string sir;
    Catalog() {
        dir = fs::temp_directory_path() / ("vitramor-tabele-" + std::to_string(getpid()));
        fs::create_directories(dir);
        std::ofstream(dir / "odbcinst.ini") << "[SQLite3]\nDriver=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so\n";
        std::ofstream(dir / "odbc.ini") << "";
        setenv("ODBCSYSINI", dir.c_str(), 1);
        setenv("ODBCINI", (dir / "odbc.ini").c_str(), 1);
        const std::string db = (dir / "cat.db").string();
        SQLHENV env;
        SQLHDBC dbc;
        SQLHSTMT st;
        SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
        SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
        std::string creare = "DRIVER={SQLite3};Database=" + db;
        SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(creare.data()), SQL_NTS, nullptr, 0, nullptr,
                         SQL_DRIVER_NOPROMPT);
        SQLAllocHandle(SQL_HANDLE_STMT, dbc, &st);
        auto executa = [&](std::string sql) {
            SQLExecDirect(st, reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS);
            SQLFreeStmt(st, SQL_CLOSE);
        };
        std::string sql = "CREATE TABLE t (";
        for (int j = 0; j < Coloane; ++j) sql += (j ? ", \"" : "\"") + NumeColoana(j) + (j ? "\" REAL" : "\" TEXT");
        executa(sql + ")");
        executa("BEGIN");
        for (int i = 0; i < Randuri; ++i) {
            std::string v = "INSERT INTO t VALUES ('G" + std::to_string(i) + "'";
            for (int j = 1; j < Coloane; ++j) v += j <= 40 && j > 20 ? ", 0.99" : ", " + std::to_string(1.5 + j * 1e-4);
            executa(v + ")");
        }
        executa("COMMIT");
        SQLFreeHandle(SQL_HANDLE_STMT, st);
        SQLDisconnect(dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_ENV, env);
        sir = "DRIVER={SQLite3};Database=" + db + ";NoCreat=1";
    }
    ~Catalog() { fs::remove_all(dir); }
};

Catalog& catalog() {
    static Catalog c;
    return c;
}

// The limit: the same rows through the same driver with nothing done to them.
double FetchSimplu(const std::string& sir) {
    SQLHENV env;
    SQLHDBC dbc;
    SQLHSTMT st;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC2), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    std::string s = sir;
    SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(s.data()), SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    const auto start = std::chrono::steady_clock::now();
    SQLAllocHandle(SQL_HANDLE_STMT, dbc, &st);
    char nume[256];
    std::vector<double> v(Coloane);
    std::vector<SQLLEN> ind(Coloane);
    SQLBindCol(st, 1, SQL_C_CHAR, nume, sizeof nume, &ind[0]);
    for (SQLUSMALLINT j = 1; j < Coloane; ++j) SQLBindCol(st, j + 1, SQL_C_DOUBLE, &v[j], 8, &ind[j]);
    std::string sql = "SELECT * FROM t";
    SQLExecDirect(st, reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS);
    int n = 0;
    while (SQL_SUCCEEDED(SQLFetch(st))) ++n;
    SQLFreeHandle(SQL_HANDLE_STMT, st);
    const double t = Secunde(start);
    SQLDisconnect(dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return n == Randuri ? t : -1;
}

void Asociaza(ContextImportExcel& c) {
    StergeAsocieri(c.asocieri);
    ScrieAsocieriImplicite(c);
    const struct { int i, start, stop; } a[] = {{0, 0, 0}, {3, 1, 20}, {9, 21, 40}, {5, 41, 46}, {7, 47, 47},
                                               {12, 48, 56}, {14, 57, 60}, {15, 61, 64}, {17, 65, 68}};
    for (const auto& x : a) {
        c.asocieri[x.i].activ = 1;
        c.asocieri[x.i].coloanaStart = static_cast<std::int16_t>(x.start);
        c.asocieri[x.i].coloanaStop = static_cast<std::int16_t>(x.stop);
        c.asocieri[x.i].nrColoane = static_cast<std::int16_t>(x.stop - x.start + 1);
    }
}

void BM_ActualizareTabelOdbc(benchmark::State& state) {
    const std::string sir = catalog().sir;
    PlatformaScriptata platforma;
    PlatformaInstalata instalata(platforma);
    double totalFetch = 0, totalActualizare = 0;
    for (auto _ : state) {
        const double fetch = FetchSimplu(sir);
        auto c = std::make_unique<ContextImportExcel>();
        Asociaza(*c);
        std::string eroare;
        c->sursa = DeschideSursaTabel(sir, eroare);
        c->tabel = "t";
        const auto start = std::chrono::steady_clock::now();
        std::vector<std::string> linii;
        int randuri = 0;
        OptiuniActualizare o;
        o.directorSticle = path_sticle;
        o.codProducator = 3;
        o.linie = [&](const std::string&) { return ++randuri, true; };
        const bool ok = c->sursa && c->sursa->citesteColoane("t", c->coloane) && DetecteazaLambda(*c, 3, linii) &&
                        ImportaTabelExcel(*c, o).codIesire() == 0;
        const double actualizare = Secunde(start);
        if (!ok || randuri != Randuri || fetch < 0) {
            state.SkipWithError(platforma.casete.empty() ? "the update did not read every row"
                                                         : platforma.casete.back().text.c_str());
            break;
        }
        state.SetIterationTime(actualizare);
        totalFetch += fetch;
        totalActualizare += actualizare;
    }
    if (totalFetch > 0) {
        state.counters["fetch_s"] = totalFetch / static_cast<double>(state.iterations());
        state.counters["update_s"] = totalActualizare / static_cast<double>(state.iterations());
        state.counters["ratio_to_fetch"] = totalActualizare / totalFetch;
    }
}
BENCHMARK(BM_ActualizareTabelOdbc)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5)
    ->Apply(OdataInModScurt);

void BM_CitireXlsx(benchmark::State& state) {
    const fs::path fisier = catalog().dir / "catalog.xlsx";
    if (!fs::exists(fisier)) {
        lxw_workbook* wb = workbook_new(fisier.c_str());
        lxw_worksheet* ws = workbook_add_worksheet(wb, "Catalog");
        for (int j = 0; j < 190; ++j) worksheet_write_string(ws, 0, static_cast<lxw_col_t>(j), NumeColoana(j).c_str(), nullptr);
        for (int i = 1; i <= 300; ++i) {
            worksheet_write_string(ws, static_cast<lxw_row_t>(i), 0, ("G" + std::to_string(i)).c_str(), nullptr);
            for (int j = 1; j < 190; ++j)
                worksheet_write_number(ws, static_cast<lxw_row_t>(i), static_cast<lxw_col_t>(j), 1.5 + i * 1e-4 + j * 1e-6, nullptr);
        }
        workbook_close(wb);
    }
    PlatformaScriptata platforma;
    PlatformaInstalata instalata(platforma);
    for (auto _ : state) {
        std::string eroare;
        auto s = DeschideFisierFoaieCalcul(fisier.string(), eroare);
        std::vector<ColoanaTabel> k;
        if (!s || !s->citesteColoane("Catalog", k) || k.size() != 190) {
            state.SkipWithError("the workbook was not read");
            break;
        }
    }
}
BENCHMARK(BM_CitireXlsx)->Unit(benchmark::kMillisecond)->Apply(OdataInModScurt);

const int SticleNoi = Marime(16000, 300);
// The wavelengths of the text catalogue's index and transmittance columns.
constexpr const char* LambdaIndici[] = {"365.01", "404.65", "435.83", "441.57", "479.99", "486.13", "546.07",
                                        "587.56", "589.29", "632.8",  "643.84", "656.27", "706.52", "768.19",
                                        "852.11", "1013.98", "1129",  "1529.582", "1970.09", "2325.42"};
constexpr int LambdaTi[] = {280, 290, 300, 310, 320, 330, 340, 350, 360,  370,  380,  390,  400,  420,  440,  460,
                            480, 500, 550, 600, 650, 700, 800, 900, 1000, 1200, 1400, 1600, 1800, 2000, 2200, 2400};

// The same glasses as a text catalogue of the third layout and as a CSV
// table whose columns the update associates.
void ScrieSticleNoi(const fs::path& text, const fs::path& csv) {
    std::ofstream t(text, std::ios::binary), c(csv, std::ios::binary);
    t << "h1\nh2\n";
    c << "nume";
    for (const char* l : LambdaIndici) c << ",n" << l;
    for (int l : LambdaTi) c << ",TAUI10/" << l;
    for (int k = 1; k <= 6; ++k) c << ",c" << k;
    c << "\r\n";
    for (int i = 0; i < SticleNoi; ++i) {
        char n[16], tau[16], coef[16];
        std::snprintf(n, sizeof n, "1.%05d", 50000 + i % 20000);
        std::snprintf(tau, sizeof tau, "0.9%02d", i % 100);
        std::snprintf(coef, sizeof coef, "%.6f", 1.0 + i * 1e-6);
        t << "1\tN" << i;
        for (int k = 3; k <= 172; ++k) t << '\t' << (k >= 5 && k <= 24 ? n : k >= 61 && k <= 66 ? coef : k >= 76 && k <= 107 ? tau : "1");
        t << "\r\n";
        c << "N" << i;
        for (std::size_t k = 0; k < std::size(LambdaIndici); ++k) c << ',' << n;
        for (std::size_t k = 0; k < std::size(LambdaTi); ++k) c << ',' << tau;
        for (int k = 0; k < 6; ++k) c << ',' << coef;
        c << "\r\n";
    }
}

void BM_ActualizareSticleNoi(benchmark::State& state) {
    const fs::path dir = catalog().dir, text = dir / "noi.txt", csv = dir / "noi.csv";
    if (!fs::exists(csv)) ScrieSticleNoi(text, csv);
    path_sticle = dir.string();
    nume_fisier_sticle = NumeFisierSticleImplicit;
    const fs::path baza = dir / NumeFisierSticleImplicit;
    PlatformaScriptata platforma;
    PlatformaInstalata instalata(platforma);
    InstaleazaDestinatieMesaje([](const std::string&, int) { return 1; });
    std::vector<int> toate(SticleNoi);
    for (int i = 0; i < SticleNoi; ++i) toate[static_cast<std::size_t>(i)] = i;
    double totalText = 0, totalActualizare = 0;
    for (auto _ : state) {
        fs::remove(baza);
        auto start = std::chrono::steady_clock::now();
        MaterialOptic lucru;
        if (ImportaFisierCatalogText(3, text.string(), toate, lucru, nullptr, path_sticle, PoliticaConflict::Intreaba).noi != SticleNoi) {
            state.SkipWithError("the text catalogue was not imported");
            break;
        }
        const double importText = Secunde(start);
        fs::remove(baza);
        start = std::chrono::steady_clock::now();
        auto c = std::make_unique<ContextImportExcel>();
        StergeAsocieri(c->asocieri);
        ScrieAsocieriImplicite(*c);
        const struct { int i, start, stop; } a[] = {{0, 0, 0}, {3, 1, 20}, {9, 21, 52}, {5, 53, 58}};
        for (const auto& x : a) {
            c->asocieri[x.i].activ = 1;
            c->asocieri[x.i].coloanaStart = static_cast<std::int16_t>(x.start);
            c->asocieri[x.i].coloanaStop = static_cast<std::int16_t>(x.stop);
        }
        std::string eroare;
        c->sursa = DeschideSursaTabel(csv.string(), eroare);
        c->tabel = "noi";
        std::vector<std::string> linii;
        OptiuniActualizare o;
        o.directorSticle = path_sticle;
        o.actualizeaza = true;
        o.intrebari = &platforma;
        o.codProducator = 3;
        platforma.raspunde(raspuns::IDDA_TOATE);
        RezultatOperatie r;
        const bool ok = c->sursa && c->sursa->citesteColoane(c->tabel, c->coloane) && DetecteazaLambda(*c, 3, linii) &&
                        (r = ImportaTabelExcel(*c, o)).codIesire() == 0;
        const double actualizare = Secunde(start);
        if (!ok || r.noi != SticleNoi) {
            state.SkipWithError(platforma.casete.empty() ? "the update did not store every glass"
                                                         : platforma.casete.back().text.c_str());
            break;
        }
        state.SetIterationTime(actualizare);
        totalText += importText;
        totalActualizare += actualizare;
    }
    if (totalText > 0) {
        state.counters["text_import_s"] = totalText / static_cast<double>(state.iterations());
        state.counters["ratio_to_text_import"] = totalActualizare / totalText;
    }
    InstaleazaDestinatieMesaje({});
}
BENCHMARK(BM_ActualizareSticleNoi)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3)
    ->Apply(OdataInModScurt);

}  // namespace

BENCHMARK_MAIN();
