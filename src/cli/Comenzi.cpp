#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "cli/Cli.h"
#include "record/CodificareText.h"
#include "settings/Directoare.h"
#include "database/CatalogMateriale.h"
#include "record/NumarCatalog.h"

namespace vitramor::cli {

const std::vector<DescriereComanda>& comenzi() {
    static const std::vector<DescriereComanda> tabel = {
        {"list", ComandaList, "list", true},
        {"show", ComandaShow, "show NAME", true},
        {"eval", ComandaEval, "eval [--k] NAME LAMBDA...", true},
        {"fit", ComandaFit, "fit NAME [--k] [--code C] [--tolerance X] [--store]", true},
        {"store", ComandaStore, "store FILE", true},
        {"delete", ComandaDelete, "delete [--all] NAME", true},
        {"clean", ComandaClean, "clean", true},
        {"delete-producer", ComandaDeleteProducer, "delete-producer [--ask] CODE", true},
        {"import-schott", ComandaImportSchott, "import-schott [--on-conflict replace|rename|skip] FILE", true},
        {"import-agf", ComandaImportAgf, "import-agf [--select LIST] [--producer CODE] [--on-conflict replace|rename|skip] [--list] FILE", true},
        {"import-rii", ComandaImportRii, "import-rii --name NAME [--producer CODE] [--from NM --to NM] FILE", true},
        {"check", ComandaCheck, "check [--n-precision X] [--k-precision Y] [--no-n] [--k]", true},
        {"report", ComandaReport, "report NAME", true},
        {"propose-ranges", ComandaProposeRanges, "propose-ranges CODE", true},
        {"export-json", ComandaExportJson, "export-json --producer CODE [--filter PATTERN] [NAME...]", true},
        {"verify", ComandaVerify, "verify --producer CODE [--filter PATTERN] [NAME...]", true},
        {"export-agf", ComandaExportAgf, "export-agf [--producer CODE] [NAME...] FILE", true},
        {"export-rii", ComandaExportRii, "export-rii NAME FILE", true},
        {"transmittance", ComandaTransmittance, "transmittance NAME [THICKNESS]", true},
        {"k-from-transmittance", ComandaKFromTransmittance, "k-from-transmittance NAME", true},
        {"import-text", ComandaImportText, "import-text [--select LIST] [--on-conflict replace|rename|skip] [--list] CODE PATH", true},
        {"import-db", ComandaImportDb, "import-db [--select LIST] [--on-conflict replace|rename|skip] FILE", true},
        {"convert", ComandaConvert, "convert OLD NEW", false},
        {"fix-producers", ComandaFixProducers, "fix-producers IN OUT", false},
        {"recover", ComandaRecover, "recover --list | recover N", true},
        {"restore-archive", ComandaRestoreArchive, "restore-archive", true},
        {"compare", ComandaCompare, "compare [--from NM --to NM --step NM] NAME...", true},
        {"glass-map", ComandaGlassMap, "glass-map [--producer CODE] [--svg FILE]", true},
        {"substitute", ComandaSubstitute, "substitute [--count N] [--range FROM TO] NAME", true},
        {"tables", ComandaTables, "tables SOURCE", false},
        {"columns", ComandaColumns, "columns [--header-row N] SOURCE TABLE", false},
        {"odbc-info", ComandaOdbcInfo, "odbc-info CONNECTION", false},
        {"associations", ComandaAssociations, "associations FILE.aso", false},
        {"import-table", ComandaImportTable,
         "import-table [--update] [--header-row N] --code 1|3 [--producer CODE] [--thickness MM] "
         "[--on-conflict replace|rename|skip] --associations FILE.aso SOURCE TABLE", false},
        {"diff-catalogue", ComandaDiffCatalogue,
         "diff-catalogue --producer CODE [--format agf|table|text|db|rii] [--associations FILE.aso --code 1|3 "
         "--header-row N] [--code 1-5] [--name NAME] [--apply new,changed] [--on-conflict replace|rename|skip] "
         "FILE [TABLE]", true},
    };
    return tabel;
}

void scrieUtilizare(std::FILE* f) {
    std::fprintf(f,
                 "usage: vitramor-cli [OPTIONS] COMMAND [ARGUMENTS]\n\n"
                 "options:\n"
                 "  --glass-dir DIR  the glass directory (default: the \"STICLE\" setting)\n"
                 "  --db NAME        the database file in the glass directory (default sticleNou32.dat)\n"
                 "  --ml-dir DIR     the directory of the JSON export files (default: the \"ML\" setting)\n"
                 "  --yes, --no      answer every question with Yes (OK) or No (Cancel)\n\n"
                 "commands:\n");
    for (const auto& c : comenzi()) std::fprintf(f, "  %s\n", c.utilizare);
}

bool GasesteMaterial(const std::string& nume, MaterialOptic& m) {
    std::memset(&m, 0, sizeof m);
    std::strncpy(m.nume, nume.c_str(), sizeof m.nume - 1);
    return CautaMaterialOptic(path_sticle, m, nullptr, CautaOp) == 0;
}

bool& TerminalUtf8() {
    static bool utf8 = false;
    return utf8;
}

std::string TextDinArgument(const std::string& text) {
    if (!TerminalUtf8()) return text;
    std::optional<std::string> w = Windows1252DinUtf8(text);
    if (!w) throw EroareUtilizare{"\"" + text + "\" holds a character that Windows-1252 cannot hold"};
    return *w;
}

std::string TextPentruTerminal(std::string_view text) {
    return TerminalUtf8() ? Utf8DinWindows1252(text) : std::string(text);
}

std::string NumeMaterialDinArgument(const std::string& text) {
    const std::string nume = TextDinArgument(text);
    if (nume.empty() || nume.size() >= sizeof(MaterialOptic::nume))
        throw EroareUtilizare{"a material name has 1 to 15 characters, not \"" + text + "\""};
    return nume;
}

long CitesteIntreg(const std::string& text, const char* ce, long minim, long maxim) {
    const std::optional<long long> v = NumarIntreg(text, minim, maxim);
    if (!v)
        throw EroareUtilizare{std::string(ce) + " must be a whole number from " + std::to_string(minim) + " to " +
                              std::to_string(maxim) + ", not \"" + text + "\""};
    return static_cast<long>(*v);
}

double CitesteReal(const std::string& text, const char* ce) {
    double v = 0.0;
    if (!NumarCatalog(text, v)) throw EroareUtilizare{std::string(ce) + " must be a number, not \"" + text + "\""};
    return v;
}

bool ScoateOptiune(Context& c, const std::string& optiune) {
    if (c.argumente.empty() || c.argumente.front() != optiune) return false;
    c.argumente.erase(c.argumente.begin());
    return true;
}

// "--header-row N" wherever it stands before the positional arguments.
int ScoateRandAntet(Context& c) {
    for (std::size_t i = 0; i + 1 < c.argumente.size(); ++i)
        if (c.argumente[i] == "--header-row") {
            const int n = static_cast<int>(CitesteIntreg(c.argumente[i + 1], "--header-row", 1, 1048576));
            c.argumente.erase(c.argumente.begin() + static_cast<long>(i), c.argumente.begin() + static_cast<long>(i) + 2);
            return n;
        }
    return 0;
}

std::string ScoateValoare(Context& c, const std::string& optiune) {
    for (std::size_t i = 0; i < c.argumente.size(); ++i)
        if (c.argumente[i] == optiune) {
            if (i + 1 >= c.argumente.size()) throw EroareUtilizare{optiune + " needs a value"};
            std::string v = c.argumente[i + 1];
            c.argumente.erase(c.argumente.begin() + static_cast<long>(i), c.argumente.begin() + static_cast<long>(i) + 2);
            return v;
        }
    return {};
}

PoliticaConflict ScoatePoliticaConflict(Context& c) {
    auto& a = c.argumente;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != "--on-conflict") continue;
        if (i + 1 >= a.size()) throw EroareUtilizare{"--on-conflict needs replace, rename or skip"};
        const std::optional<PoliticaConflict> p = PoliticaConflictDinText(a[i + 1]);
        if (!p) throw EroareUtilizare{"--on-conflict takes replace, rename or skip, not \"" + a[i + 1] + "\""};
        a.erase(a.begin() + static_cast<std::ptrdiff_t>(i), a.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        return *p;
    }
    return PoliticaConflict::Intreaba;
}

std::vector<std::size_t> CitesteSelectie(const std::string& text, std::size_t numar) {
    if (numar == 0) throw EroareUtilizare{"the file holds no entry to select"};
    std::vector<std::size_t> alese;
    std::vector<bool> vazute(numar, false);
    std::size_t i = 0;
    while (i <= text.size()) {
        const std::size_t virgula = std::min(text.find(',', i), text.size());
        const auto n = static_cast<std::size_t>(
            CitesteIntreg(text.substr(i, virgula - i), "an entry of --select", 0, static_cast<long>(numar) - 1));
        if (vazute[n]) throw EroareUtilizare{"entry " + std::to_string(n) + " is given twice in --select"};
        vazute[n] = true;
        alese.push_back(n);
        i = virgula + 1;
    }
    return alese;
}

int IesireDinRezultat(const char* titlu, const RezultatOperatie& r) {
    RaporteazaRezultat(nullptr, titlu, r);
    return r.codIesire();
}

void CereArgumente(const Context& c, std::size_t minim, std::size_t maxim) {
    if (c.argumente.size() < minim) throw EroareUtilizare{"missing arguments"};
    if (c.argumente.size() > maxim) throw EroareUtilizare{"too many arguments"};
}

}  // namespace vitramor::cli
