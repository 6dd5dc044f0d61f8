// Importing a 1,500-glass AGF catalogue into an empty database, against the
// physical limit of the same work measured in the same run: one sequential
// read of the AGF file plus one write of the same number of records to a
// file of the same directory, put on the disk once. The counter
// "ratio_to_limit" is the figure to watch; the target is 2 or less.
//
// Comparing the same catalogue, as a maker's new release, with a database
// of 100,000 materials that holds its previous release, against importing
// it into an empty database in the same run: "ratio_to_import", target 2
// or less.

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "import/FisierImport.h"
#include "import/agf/ImportAgf.h"
#include "import/comparare/ComparaCatalog.h"
#include "messages/ListaMesaje.h"
#include "support/PlatformaScriptata.h"
#include "settings/Directoare.h"
#include "support/BazaBench.h"

using namespace vitramor;
using namespace vitramor::bench;

namespace {

const int NumarSticle = Marime(1500, 100);

// A catalogue the size of the largest makers': Sellmeier glasses with the
// thermal, chemical and range lines and a transmittance curve each.
std::string Catalog() {
    std::string t = "CC generated catalogue\n";
    char linie[256];
    for (int i = 0; i < NumarSticle; ++i) {
        const double k = 1.0 + 0.0002 * i;
        const double cd[6] = {k, 0.00600069867, 0.231792344, 0.0200179144, 1.01046945, 103.560653};
        std::snprintf(linie, sizeof linie, "NM G%05d 2 517642.%03d %.6f 64.17 0 %d 0\nGC \n", i, i % 1000,
                      IndiceFormulaAgf(2, cd, 0.5875618), i % 3);
        t += linie;
        t += "ED 7.1 8.3 2.51 -0.0009 0\n";
        std::snprintf(linie, sizeof linie, "CD %.9f 0.00600069867 0.231792344 0.0200179144 1.01046945 103.560653 0 0 0 0\n", k);
        t += linie;
        t += "TD 1.86e-6 1.31e-8 -1.37e-11 4.34e-7 6.27e-10 0.17 20\nOD 1 2 0 1 2 2.3\nLD 0.3 2.5\n";
        for (int j = 0; j < 30; ++j) {
            std::snprintf(linie, sizeof linie, "IT %.3f %.4f 10\n", 0.3 + 0.05 * j, j < 3 ? 0.3 * j : 0.998);
            t += linie;
        }
    }
    return t;
}

struct Director {
    Director() {
        std::string sablon = (std::filesystem::temp_directory_path() / "vitramor-agf-XXXXXX").string();
        if (!mkdtemp(sablon.data())) std::abort();
        cale = sablon;
        agf = cale + "/SCHOTT.AGF";
        std::FILE* f = std::fopen(agf.c_str(), "wb");
        const std::string t = Catalog();
        if (!f || std::fwrite(t.data(), 1, t.size(), f) != t.size() || std::fclose(f) != 0) std::abort();
    }
    ~Director() {
        std::error_code ec;
        std::filesystem::remove_all(cale, ec);
    }
    std::string cale, agf;
};

void BM_ImportAgfInBazaGoala(benchmark::State& state) {
    PlatformaScriptata platforma;
    PlatformaInstalata garda(platforma);
    InstaleazaDestinatieMesaje([](const std::string&, int) { return 1; });
    static Director d;
    path_sticle = d.cale;
    nume_fisier_sticle = NumeFisierSticleImplicit;
    const std::string baza = d.cale + "/" + NumeFisierSticleImplicit;
    CitesteSecvential(d.agf);
    double limita = 0, import = 0, citire = 0;
    for (auto _ : state) {
        const auto tl = std::chrono::steady_clock::now();
        CitesteSecvential(d.agf);
        limita += Secunde(tl) + SecundeScriereSincronizata(d.cale, static_cast<std::size_t>(NumarSticle) * MarimeMaterialOptic);
        std::filesystem::remove(baza);
        const auto t0 = std::chrono::steady_clock::now();
        std::string octeti;
        if (CitesteFisierImport(d.agf, octeti).stare == StareOperatie::Esuat) std::abort();
        const CatalogAgf catalog = CitesteCatalogAgf(octeti);
        citire += Secunde(t0);
        std::vector<bool> toate(catalog.sticle.size(), true);
        const RezultatOperatie r =
            ImportaSticleAgf(nullptr, path_sticle, d.agf, SursaDinOcteti(d.agf, octeti), catalog, toate, 2, PoliticaConflict::Sari);
        const double t = Secunde(t0);
        if (r.noi != NumarSticle) {
            state.SkipWithError("not every glass was stored");
            break;
        }
        import += t;
        state.SetIterationTime(t);
    }
    if (limita > 0) {
        state.counters["ratio_to_limit"] = import / limita;
        state.counters["limit_ms"] = 1e3 * limita / static_cast<double>(state.iterations());
        state.counters["import_ms"] = 1e3 * import / static_cast<double>(state.iterations());
        state.counters["parse_ms"] = 1e3 * citire / static_cast<double>(state.iterations());
    }
    InstaleazaDestinatieMesaje({});
    if (!platforma.casete.empty()) state.SkipWithError(platforma.casete.front().text.c_str());
}
BENCHMARK(BM_ImportAgfInBazaGoala)->UseManualTime()->Unit(benchmark::kMillisecond)->Apply(OdataInModScurt);

// Another maker's material, to fill the database around the release.
MaterialOptic Umplutura(int i) {
    MaterialOptic m{};
    std::snprintf(m.nume, sizeof m.nume, "U%06d", i);
    m.producator = static_cast<std::uint16_t>(3 + i % 7);
    m.ec_dispersie_n = 4;
    m.coef_disp_n[0] = 1.0 + 1e-6 * i;
    return m;
}

double Importa(const std::string& agf) {
    const auto t0 = std::chrono::steady_clock::now();
    std::string octeti;
    if (CitesteFisierImport(agf, octeti).stare == StareOperatie::Esuat) std::abort();
    const CatalogAgf catalog = CitesteCatalogAgf(octeti);
    const RezultatOperatie r = ImportaSticleAgf(nullptr, path_sticle, agf, SursaDinOcteti(agf, octeti), catalog,
                                                SelectieImplicitaAgf(catalog), 2, PoliticaConflict::Sari);
    if (r.noi == 0) std::abort();
    return Secunde(t0);
}

void BM_ComparaCatalogNou(benchmark::State& state) {
    PlatformaScriptata platforma;
    PlatformaInstalata garda(platforma);
    InstaleazaDestinatieMesaje([](const std::string&, int) { return 1; });
    static Director d;
    static Director goala;
    nume_fisier_sticle = NumeFisierSticleImplicit;
    const int materiale = Marime(100000, 3000);
    {
        // The database: other makers' materials, then the previous release.
        std::FILE* f = std::fopen((d.cale + "/" + NumeFisierSticleImplicit).c_str(), "wb");
        for (int i = 0; f && i < materiale - NumarSticle; ++i) {
            const MaterialOptic m = Umplutura(i);
            std::fwrite(&m, sizeof m, 1, f);
        }
        if (!f || std::fclose(f) != 0) std::abort();
        path_sticle = d.cale;
        Importa(d.agf);
    }
    CerereComparatie cerere;
    cerere.directorSticle = path_sticle;
    cerere.fisier = d.agf;
    cerere.producator = 2;
    double comparare = 0, import = 0;
    for (auto _ : state) {
        path_sticle = goala.cale;
        std::filesystem::remove(goala.cale + "/" + NumeFisierSticleImplicit);
        import += Importa(d.agf);
        path_sticle = d.cale;
        const auto t0 = std::chrono::steady_clock::now();
        ComparatieCatalog r;
        if (ComparaCatalog(nullptr, path_sticle, cerere, r).stare != StareOperatie::Facut || r.numar[2] == 0 ||
            r.numar[0] + r.numar[1] + r.numar[3] != 0) {
            state.SkipWithError("the release was not found unchanged");
            break;
        }
        const double t = Secunde(t0);
        comparare += t;
        state.SetIterationTime(t);
    }
    if (import > 0) {
        state.counters["ratio_to_import"] = comparare / import;
        state.counters["compare_ms"] = 1e3 * comparare / static_cast<double>(state.iterations());
        state.counters["import_ms"] = 1e3 * import / static_cast<double>(state.iterations());
    }
    InstaleazaDestinatieMesaje({});
    if (!platforma.casete.empty()) state.SkipWithError(platforma.casete.front().text.c_str());
}
BENCHMARK(BM_ComparaCatalogNou)->UseManualTime()->Unit(benchmark::kMillisecond)->Apply(OdataInModScurt);

}  // namespace

BENCHMARK_MAIN();
