#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>

#include <clocale>
#include <langinfo.h>
#include <csignal>

#include "cli/Cli.h"
#include "database/BazaDateIntrerupta.h"
#include "platform/PlatformaConsola.h"
#include "platform/DepozitSetari.h"
#include "settings/Directoare.h"
#include "settings/Registri.h"
#include "database/FisierCatalog.h"
#include "database/Recuperare.h"

using namespace vitramor;
using namespace vitramor::cli;

namespace {

struct Optiuni {
    std::string directorSticle, bazaDate, directorMl;
    PlatformaConsola::Raspuns raspuns = PlatformaConsola::Raspuns::Intreaba;
};

bool valoareOptiune(int argc, char** argv, int& i, const char* nume, std::string& valoare) {
    const std::size_t n = std::strlen(nume);
    if (std::strncmp(argv[i], nume, n) != 0) return false;
    if (argv[i][n] == '=') {
        valoare = argv[i] + n + 1;
        return true;
    }
    if (argv[i][n] != '\0') return false;
    if (i + 1 >= argc) throw EroareUtilizare{std::string(nume) + " needs a value"};
    valoare = argv[++i];
    return true;
}

std::string caleAbsoluta(const std::string& cale) {
    std::error_code ec;
    const auto a = std::filesystem::absolute(cale, ec);
    return ec ? cale : a.lexically_normal().string();
}

int ruleaza(int argc, char** argv) {
    Optiuni o;
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] == '-'; ++i) {
        const std::string a = argv[i];
        if (a == "--help") {
            scrieUtilizare(stdout);
            return IesireOk;
        }
        if (a == "--yes") {
            o.raspuns = PlatformaConsola::Raspuns::Da;
        } else if (a == "--no") {
            o.raspuns = PlatformaConsola::Raspuns::Nu;
        } else if (!valoareOptiune(argc, argv, i, "--glass-dir", o.directorSticle) &&
                   !valoareOptiune(argc, argv, i, "--db", o.bazaDate) &&
                   !valoareOptiune(argc, argv, i, "--ml-dir", o.directorMl)) {
            throw EroareUtilizare{"unknown option " + a};
        }
    }
    if (i >= argc) throw EroareUtilizare{"no command given"};
    const std::string numeComanda = argv[i++];
    const DescriereComanda* d = nullptr;
    for (const auto& c : comenzi())
        if (numeComanda == c.nume) d = &c;
    if (!d) throw EroareUtilizare{"unknown command " + numeComanda};

    PlatformaConsola platforma(creazaSettingsStoreQt(), o.raspuns);
    platforma.scrieUtf8(TerminalUtf8());
    PlatformaInstalata instalata(platforma);

    CitesteRegistriVitramor();
    // A directory given relative to where the command started is made
    // absolute once, so that every message names it in full.
    if (!o.directorSticle.empty()) path_sticle = caleAbsoluta(o.directorSticle);
    if (!o.directorMl.empty()) path_machine_learning = caleAbsoluta(o.directorMl);
    if (!o.bazaDate.empty()) {
        if (o.bazaDate.size() > 15 || o.bazaDate.find('/') != std::string::npos)
            throw EroareUtilizare{"--db takes a file name of at most 15 characters inside the glass directory"};
        nume_fisier_sticle = o.bazaDate;
    }
    if (d->necesitaDirectorSticle && path_sticle.empty()) {
        std::fprintf(stderr,
                     "The glass directory is not set: give --glass-dir DIR, or set \"Path glass\" in the "
                     "Directories dialog of VITRAMOR.\n");
        return IesireEsec;
    }

    // A rewrite cut off between its two renames leaves archives but no
    // database: every command that uses the database offers the archive
    // first. An append cut off part-way leaves a database that ends in a
    // fragment: said here once; a command that only reads reads the whole
    // records, and the first that writes offers the repair.
    if (d->necesitaDirectorSticle && d->functie != ComandaRestoreArchive) {
        if (const RezultatOperatie r = OferaRestaurareBazaDate(platforma, nullptr, path_sticle); DeRaportat(r))
            RaporteazaRezultat(nullptr, TitluRestaurareBazaDate, r);
        AnuntaBazaDateRupta(nullptr, CaleBazaDate(path_sticle), CaleBazaDate(path_sticle));
    }

    Context c;
    for (; i < argc; ++i) c.argumente.emplace_back(argv[i]);
    try {
        return d->functie(c);
    } catch (const EroareUtilizare& e) {
        std::fprintf(stderr, "vitramor-cli %s: %s\nusage: vitramor-cli [OPTIONS] %s\n", d->nume, e.mesaj.c_str(),
                     d->utilizare);
        return IesireUtilizare;
    }
}

}  // namespace

int main(int argc, char** argv) {
    // The user's locale says only how texts are encoded; numbers in the output
    // are always written with a decimal point.
    std::setlocale(LC_ALL, "");
    const char* codificare = nl_langinfo(CODESET);
    TerminalUtf8() = codificare && std::strcmp(codificare, "UTF-8") == 0;
    std::setlocale(LC_ALL, "C");
    // Past a file-size limit, writes then fail with EFBIG, which the
    // rewrites report and survive, instead of the process being killed
    // half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        return ruleaza(argc, argv);
    } catch (const EroareUtilizare& e) {
        std::fprintf(stderr, "vitramor-cli: %s\n", e.mesaj.c_str());
        scrieUtilizare(stderr);
        return IesireUtilizare;
    } catch (const IntrebareFaraRaspuns&) {
        std::fprintf(stderr, "vitramor-cli: this question needs an answer; give --yes or --no, or run on a terminal\n");
        return IesireIntrebare;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vitramor-cli: %s\n", e.what());
        return IesireEsec;
    }
}
