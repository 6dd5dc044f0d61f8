#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <cjson/cJSON.h>

#include "database/CitesteIntrareFisierText.h"
#include "database/ListaSticle.h"
#include "material/RoluriMaterial.h"
#include "export/DocumentJson.h"
#include "export/FisierJson.h"
#include "fileutil/UtilitatiFisiere.h"
#include "fuzz/FuzzHarnesses.h"
#include "import/tabele/AsociereColoane.h"
#include "import/text/CatalogText.h"
#include "export/ExportAgf.h"
#include "export/ExportRii.h"
#include "import/agf/CatalogAgf.h"
#include "import/agf/ConversieAgf.h"
#include "import/tabele/FoaieCalcul.h"
#include "import/agf/ImportAgf.h"
#include "import/rii/ImportRii.h"
#include "import/schott/ImportSchott.h"
#include "messages/ListaMesaje.h"
#include "record/LimiteFizice.h"
#include "platform/PlatformaConsola.h"
#include "support/PlatformaScriptata.h"
#include "platform/SistemFisiere.h"
#include "settings/Directoare.h"
#include "database/CatalogMateriale.h"
#include "database/Recuperare.h"

namespace vitramor::fuzz {

namespace {

// Syncs decide what survives a power cut, which no input can cause; done
// for every input they would set the pace of the whole run.
struct FaraSincronizare : SistemFisiere {
    int sincronizeaza(int) override { return 0; }
    int sincronizeazaDirector(const std::string&) override { return 0; }
};

// A glass directory and a quiet platform that answers No, set up once.
struct Mediu {
    FaraSincronizare fisiere;
    std::string director;
    std::FILE* nul = std::fopen("/dev/null", "w");
    PlatformaConsola platforma{std::make_unique<MemorySettingsStore>(), PlatformaConsola::Raspuns::Nu, nul, nullptr};
    Mediu() {
        char model[] = "/tmp/vitramor-fuzz-XXXXXX";
        director = ::mkdtemp(model);
        platforma.inlocuiesteFisiere(&fisiere);
        instaleazaPlatforma(&platforma);
        InstaleazaDestinatieMesaje([](const std::string&, int) { return 1; });
        path_sticle = director;
        path_machine_learning = director;
        nume_fisier_sticle = NumeFisierSticleImplicit;
    }
    ~Mediu() {
        std::error_code ec;
        std::filesystem::remove_all(director, ec);
    }
    void scrie(const char* nume, const std::uint8_t* date, std::size_t n) const {
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(director, ec)) std::filesystem::remove_all(e, ec);
        std::FILE* f = std::fopen((director + "/" + nume).c_str(), "wb");
        if (n) std::fwrite(date, 1, n, f);
        std::fclose(f);
    }
};

Mediu& mediu() {
    static Mediu m;
    return m;
}

void Cere(bool conditie, const char* ce) {
    if (!conditie) {
        std::fprintf(stderr, "fuzz: broken invariant: %s\n", ce);
        std::abort();
    }
}

// What every table of a built record must hold for the rest of the system.
void CereRecordFolosibil(const MaterialOptic& m) {
    Cere(std::memchr(m.nume, '\0', sizeof m.nume) != nullptr, "a terminated name");
    for (int i = 0; i < NumarSloturiTabel; ++i)
        Cere(std::isfinite(m.lambda_indici[i]) && std::isfinite(m.indice_n[i]) && std::isfinite(m.indice_k[i]) &&
                 std::isfinite(m.transmisia_interna[i]),
             "finite tables");
    for (double c : m.coef_disp_n) Cere(std::isfinite(c), "finite coefficients");
    Cere(std::isfinite(m.grosime_transmisie), "a finite thickness");
}

std::string Text(const std::uint8_t* date, std::size_t n) { return {reinterpret_cast<const char*>(date), n}; }

std::uint64_t Marime(const std::string& cale) {
    std::error_code ec;
    const auto n = std::filesystem::file_size(cale, ec);
    return ec ? 0 : n;
}

}  // namespace

void BazaDate(const std::uint8_t* date, std::size_t n) {
    Mediu& m = mediu();
    m.scrie("sticleNou32.dat", date, n);
    std::vector<LinieSticla> linii;
    ListeazaSticleInLista(path_sticle, linii);
    // A file ending in part of a record is listed to its last whole record;
    // a write is refused (the quiet platform says No to mending it), and
    // the file left as it is.
    const bool rupta = n % sizeof(MaterialOptic) != 0;
    Cere(linii.size() == n / sizeof(MaterialOptic), "one list line per whole record");
    MaterialOptic cautat{};
    if (n >= 38) std::memcpy(cautat.nume, date + 22, 15);
    CautaMaterialOptic(m.director, cautat, nullptr, CautaOp);
    MaterialOptic gol{};
    CautaMaterialOptic(m.director, gol, nullptr, CurataOp);
    const std::uint64_t dupa = Marime(m.director + "/sticleNou32.dat");
    Cere(rupta ? dupa == n : dupa % sizeof(MaterialOptic) == 0 && dupa <= n,
         "the clean operation keeps whole records only");
}

void CatalogSchott(const std::uint8_t* date, std::size_t n) {
    Mediu& md = mediu();
    std::istringstream in(Text(date, n));
    CititorLiniiSchott cititor(in);
    BlocSchott bloc;
    MaterialOptic m{};
    for (int i = 0; i < 1000 && CitesteBlocSchott(cititor, bloc); ++i) {
        Cere(bloc.liniiCitite >= 1 && bloc.liniiCitite <= LiniiBlocSchott, "block line count");
        ConvertesteBlocSchott(bloc, m);
        CereRecordFolosibil(m);
        if (bloc.linieLunga >= 0) break;
    }
    // The whole import, database included: whatever it stores is a whole record.
    md.scrie(NumeFisierSchott, date, n);
    std::istringstream tot(Text(date, n));
    OptiuniImportSchott o;
    o.directorSticle = path_sticle;
    o.raport = [](const std::string&) {};
    o.laConflict = PoliticaConflict::Redenumeste;
    const RezultatOperatie r = ImportaSticleSchott(tot, o);
    Cere(r.schimbate() <= static_cast<int>(r.articole.size()), "no more glasses stored than read");
    Cere(Marime(md.director + "/sticleNou32.dat") % sizeof(MaterialOptic) == 0, "whole records only");
    // Whatever it stored lies within the physical limits.
    std::ifstream baza(md.director + "/sticleNou32.dat", std::ios::binary);
    for (MaterialOptic s; baza.read(reinterpret_cast<char*>(&s), sizeof s);)
        Cere(ValoriNefizice(s).empty(), "stored values within the physical limits");
}

void FisierJson(const std::uint8_t* date, std::size_t n) {
    Mediu& m = mediu();
    m.scrie("SubstrateMaterials.json", date, n);
    cJSON* arbore = nullptr;
    std::uint64_t marime = 0;
    const auto director = std::filesystem::current_path();
    // The load under a platform that records its boxes, and its list lines counted.
    PlatformaScriptata numara;
    std::size_t spuse = 0;
    int incarcat = 0;
    std::string motiv;
    {
        PlatformaInstalata g{numara};
        InstaleazaDestinatieMesaje([&spuse](const std::string&, int) { return static_cast<int>(++spuse); });
        incarcat = IncarcaInMemorieFisierJSON(m.director, "SubstrateMaterials.json", arbore, marime, motiv);
        InstaleazaDestinatieMesaje([](const std::string&, int) { return 1; });
    }
    spuse += numara.casete.size();
    Cere(std::filesystem::current_path() == director, "the current directory is put back");
    if (!incarcat) {
        Cere(arbore == nullptr && marime == n && spuse == 0 && !motiv.empty(),
             "a refused file leaves no tree, tells its size, says why to its caller only");
        return;
    }
    Cere(spuse == 0, "a loaded file says nothing");
    Cere(n <= MarimeMaximaValoareSimpla || cJSON_IsObject(arbore) || cJSON_IsArray(arbore), "a long file is a container");
    char* tiparit = cJSON_Print(arbore);
    cJSON* inapoi = tiparit ? cJSON_Parse(tiparit) : nullptr;
    Cere(inapoi != nullptr, "the loaded tree prints as JSON that parses back");
    cJSON_Delete(inapoi);
    cJSON_free(tiparit);
    if (cJSON_IsObject(arbore)) {
        MaterialOptic mat{};
        std::strcpy(mat.nume, "N-BK7");
        AdaugaMaterialInDocumentJson(path_sticle, mat, arbore, "SubstrateMaterials.json", &platforma());
    }
    SalveazaDateJsonInFisier(m.director, "SubstrateMaterials.json", arbore, true);
    Cere(arbore == nullptr, "the saved tree is released");
}

void FisierText(const std::uint8_t* date, std::size_t n) {
    Mediu& m = mediu();
    m.scrie("CategoriiMaterial.txt", date, n);
    std::vector<std::string> intrari;
    CitesteIntrariFisierText(m.director, "CategoriiMaterial.txt", intrari);
    std::string text;
    CitesteIntrareFisierText(m.director, "CategoriiMaterial.txt", 3, text, 127);
    Cere(text.size() < 127, "entry cut to the buffer");
    std::vector<IntrareListaText> lista;
    CitesteListaText(m.director, "CategoriiMaterial.txt", 2, lista);
    std::vector<std::string> linii;
    CitesteLiniiAtribute(m.director, "CategoriiMaterial.txt", linii);
    for (const std::string& l : LiniiListaRoluri(m.director, "CategoriiMaterial.txt", 0x04030201u))
        Cere(l.size() < 64, "role names of at most 63 characters");
}

void FisierRecuperare(const std::uint8_t* date, std::size_t n) {
    Mediu& m = mediu();
    m.scrie(NumeFisierRecuperare, date, n);
    std::vector<IntrareRecuperare> intrari;
    std::string motiv;
    CitesteRecuperare(m.director, intrari, motiv);
    Cere(intrari.size() <= n / MarimeIntrareRecuperare, "no more entries than whole entries");
    for (const auto& e : intrari) LinieRecuperare(m.director, e);
}

void FisierCatalogText(const std::uint8_t* date, std::size_t n) {
    mediu();
    const std::string text = Text(date, n);
    const int cod = 1 + static_cast<int>(n % 5);
    const std::size_t a = text.find('\n');
    const std::string_view linie = std::string_view(text).substr(0, a);
    const std::string_view urmatoarea = a == std::string::npos ? std::string_view() : std::string_view(text).substr(a + 1);
    MaterialOptic m{};
    ParseazaLinieCatalogText(cod, linie, urmatoarea.substr(0, urmatoarea.find('\n')), m);
    CereRecordFolosibil(m);
    std::istringstream in(text);
    for (const IntrareCatalogText& e : ListeazaCatalogText(cod, in, "fuzz.txt")) Cere(std::isfinite(e.nd), "finite nd");
}

void FisierAgf(const std::uint8_t* date, std::size_t n) {
    mediu();
    std::vector<std::string> mesaje;
    for (const SticlaAgf& s : CitesteCatalogAgf(Text(date, n)).sticle) {
        if (!s.importabila()) continue;
        MaterialOptic m{};
        ConvertesteSticlaAgf(s, 2, m, mesaje);
        CereRecordFolosibil(m);
    }
}

void FisierRii(const std::uint8_t* date, std::size_t n) {
    mediu();
    const MaterialRii r = CitesteMaterialRii(Text(date, n), "X", 10);
    if (r.ok)
        CereRecordFolosibil(r.m);
    else
        Cere(!r.eroare.empty(), "a refused file says why");
}

// Whatever a record holds, what the exports write reads back: the AGF
// glass as exactly one glass that can be stored, the YAML file as a
// material unless it has nothing of n or k to say.
void ExportRecord(const std::uint8_t* date, std::size_t n) {
    mediu();
    MaterialOptic m{};
    std::memcpy(&m, date, std::min(n, sizeof m));
    std::vector<MesajExport> mesaje;
    const std::string agf = TextSticlaAgf(m, mesaje);
    if (!agf.empty()) {
        const CatalogAgf c = CitesteCatalogAgf(agf);
        Cere(c.sticle.size() == 1 && c.sticle[0].importabila(), "an exported glass reads back whole");
        std::vector<std::string> note;
        MaterialOptic citit{};
        ConvertesteSticlaAgf(c.sticle[0], m.producator, citit, note);
        CereRecordFolosibil(citit);
    }
    std::vector<std::string> note;
    const std::string yaml = TextMaterialRii("", m, note);
    const MaterialRii r = CitesteMaterialRii(yaml, "X", 10);
    Cere(r.ok || yaml.find("type:") == std::string::npos, "an exported YAML file reads back");
    if (r.ok) CereRecordFolosibil(r.m);
}

namespace {

// Every sheet of a workbook read and analysed; the sheet model keeps its
// order whatever order the file gave its cells in.
void CitesteRegistru(const std::unique_ptr<RegistruCalcul>& r, const std::string& eroare) {
    if (!r) return Cere(!eroare.empty(), "a refused file says why");
    for (std::size_t i = 0; i < r->numeFoi().size() && i < 8; ++i) {
        FoaieCalcul f;
        if (!r->citesteFoaie(i, f)) {
            Cere(!r->eroare().empty(), "a sheet that cannot be read says why");
            continue;
        }
        for (std::size_t k = 0; k < f.randuri.size(); ++k) {
            Cere(k == 0 || f.randuri[k - 1].index < f.randuri[k].index, "rows in order");
            const auto& c = f.randuri[k].celule;
            for (std::size_t j = 1; j < c.size(); ++j) Cere(c[j - 1].coloana < c[j].coloana, "cells in order");
        }
        TabelFoaie t;
        std::string motiv;
        if (AnalizeazaFoaie(f, 0, t, motiv))
            Cere(!t.coloane.empty() && t.primulRandDate <= f.randuri.size(), "a usable table");
    }
}

// The same file as a table source, which reads each sheet twice (its
// columns, then its rows): the read gives as many rows as the first pass
// counted, each within the columns it found.
void CitesteSursa(const std::string& cale) {
    std::string eroare;
    auto s = DeschideFisierFoaieCalcul(cale, eroare);
    std::vector<std::string> tabele;
    if (!s || !s->citesteTabele(tabele)) return Cere(!(s ? s->eroare() : eroare).empty(), "a refused file says why");
    for (std::size_t i = 0; i < tabele.size() && i < 8; ++i) {
        std::vector<ColoanaTabel> coloane;
        std::size_t asteptate = 0, citite = 0;
        if (!s->citesteColoane(tabele[i], coloane) ||
            !s->citesteRanduri(tabele[i], {static_cast<int>(coloane.size()) - 1}, [&](const std::vector<CelulaFoaie>&) {
                asteptate = s->randuriDeCitit();
                ++citite;
                return true;
            }))
            continue;
        Cere(citite == asteptate, "the rows the first pass counted");
    }
}

}  // namespace

void FisierXlsx(const std::uint8_t* date, std::size_t n) {
    mediu().scrie("fuzz.xlsx", date, n);
    std::string eroare;
    auto registru = DeschideRegistruXlsx(mediu().director + "/fuzz.xlsx", eroare);
    CitesteRegistru(registru, eroare);
    CitesteSursa(mediu().director + "/fuzz.xlsx");
}

void FisierCsv(const std::uint8_t* date, std::size_t n) {
    mediu().scrie("fuzz.csv", date, n);
    std::string eroare;
    auto registru = DeschideRegistruCsv(mediu().director + "/fuzz.csv", eroare);
    CitesteRegistru(registru, eroare);
    CitesteSursa(mediu().director + "/fuzz.csv");
}

// An association file from anywhere, listed against a small table and used
// for "Detect lambda": no entry may reach past the table's columns.
void FisierAsocieri(const std::uint8_t* date, std::size_t n) {
    mediu().scrie("fuzz.aso", date, n);
    auto c = std::make_unique<ContextImportExcel>();
    if (IncarcaAsocieriDinFisier(mediu().director + "/fuzz.aso", c->asocieri).esuat()) return;
    DupaIncarcareAsocieri(*c);
    for (const char* nume : {"nume", "nd", "nF", "TAUI10/400", "TAUI10/420"}) c->coloane.push_back({nume, "SQL_DOUBLE"});
    for (auto& a : c->asocieri) VerificaAsociere(a, &c->coloane);
    std::vector<std::string> linii;
    DetecteazaLambda(*c, 1 + static_cast<int>(n % 2) * 2, linii);
}

// libgsf reads a compound file from disk only, as libzip does a zip archive.
void FisierXls(const std::uint8_t* date, std::size_t n) {
    mediu().scrie("fuzz.xls", date, n);
    std::string eroare;
    auto registru = DeschideRegistruXls(mediu().director + "/fuzz.xls", eroare);
    CitesteRegistru(registru, eroare);
    CitesteSursa(mediu().director + "/fuzz.xls");
}

}  // namespace vitramor::fuzz
