#include <cstdio>

#include "cli/Cli.h"
#include "cli/ProgresConsola.h"
#include "export/ExportAgf.h"
#include "export/ExportRii.h"
#include "export/ExportSubstrat.h"
#include "database/Recuperare.h"
#include "settings/Directoare.h"

namespace vitramor::cli {

namespace {

struct Selectie {
    int producator = -1;
    std::string filtru = "*";
    std::vector<std::string> nume;
};

Selectie CitesteSelectie(const Context& c) {
    Selectie s;
    const auto& a = c.argumente;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--producer" || a[i] == "--filter") {
            if (i + 1 >= a.size()) throw EroareUtilizare{a[i] + " needs a value"};
            if (a[i] == "--producer") {
                s.producator = static_cast<int>(CitesteIntreg(a[++i], "CODE", 0, NumarProducatoriExport - 1));
            } else {
                s.filtru = TextDinArgument(a[++i]);
                if (s.filtru.size() > LungimeMaximaFiltru)
                    throw EroareUtilizare{"a name filter has at most 15 characters, not \"" + a[i] + "\""};
            }
        } else if (a[i].rfind("--", 0) == 0) {
            throw EroareUtilizare{"unknown option " + a[i]};
        } else {
            s.nume.push_back(NumeMaterialDinArgument(a[i]));
        }
    }
    if (s.producator < 0) throw EroareUtilizare{"--producer CODE is required"};
    return s;
}

// The list lines the window would show for the producer and filter; with
// names given, the lines of those names, in the order given. A name that
// the producer and filter do not select is an error before anything is
// done: exporting it would bypass the selection the user asked for.
bool LiniiSelectate(const Context& c, const char* comanda, const Selectie& s, std::vector<std::string>& linii) {
    std::vector<std::string> toate;
    std::string motiv;
    if (IncarcaListaSticleSubstrat(nullptr, path_sticle, s.producator, s.filtru, toate, motiv) != 0)
        return MesajBox(nullptr, motiv, "Eroare", stil::MB_OK | stil::MB_ICONHAND), false;
    if (s.nume.empty()) {
        linii = std::move(toate);
        return true;
    }
    linii.clear();
    for (const std::string& nume : s.nume) {
        const std::string* gasita = nullptr;
        for (const std::string& l : toate)
            if (l.compare(0, l.find('\t'), nume) == 0) {
                gasita = &l;
                break;
            }
        if (!gasita) {
            std::fprintf(c.err, "vitramor-cli %s: %s is not a material of producer %d matching \"%s\"\n", comanda,
                         TextPentruTerminal(nume).c_str(), s.producator, TextPentruTerminal(s.filtru).c_str());
            return false;
        }
        linii.push_back(*gasita);
    }
    return true;
}

}  // namespace

int ComandaExportJson(Context& c) {
    const Selectie s = CitesteSelectie(c);
    std::vector<std::string> linii;
    if (!LiniiSelectate(c, "export-json", s, linii)) return IesireEsec;
    ProgresConsola progres(c.err);
    const RezultatExportSubstrat r =
        ExportaSticleSubstrat(platforma(), nullptr, {path_sticle, path_machine_learning}, linii, s.producator, progres);
    if (!r.motiv.empty()) MesajBox(nullptr, r.motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
    if (linii.empty()) return IesireOk;
    return r.trecereCompleta && r.salvat ? IesireOk : IesireEsec;
}

int ComandaVerify(Context& c) {
    const Selectie s = CitesteSelectie(c);
    std::vector<std::string> linii;
    if (!LiniiSelectate(c, "verify", s, linii)) return IesireEsec;
    std::size_t verificate = 0;
    {
        ProgresConsola progres(c.err);
        std::string motiv;
        verificate = VerificaSticleSubstrat(nullptr, path_sticle, linii, s.producator, motiv, progres);
        if (!motiv.empty()) MesajBox(nullptr, motiv, "Eroare", stil::MB_OK);
    }
    for (std::size_t i = 0; i < verificate; ++i) std::fprintf(c.out, "%s\n", TextPentruTerminal(linii[i]).c_str());
    return verificate == linii.size() ? IesireOk : IesireEsec;
}

int ComandaExportAgf(Context& c) {
    int producator = -1;
    std::vector<std::string> nume;
    const auto& a = c.argumente;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--producer") {
            if (i + 1 >= a.size()) throw EroareUtilizare{"--producer needs a value"};
            producator = static_cast<int>(CitesteIntreg(a[++i], "CODE", 0, 15));
        } else if (a[i].rfind("--", 0) == 0) {
            throw EroareUtilizare{"unknown option " + a[i]};
        } else {
            nume.push_back(a[i]);
        }
    }
    if (nume.empty()) throw EroareUtilizare{"missing FILE"};
    const std::string fisier = nume.back();
    nume.pop_back();
    for (std::string& n : nume) n = NumeMaterialDinArgument(n);
    ProgresConsola progres(c.err);
    const RezultatOperatie r = ExportaCatalogAgf(path_sticle, producator, nume, fisier, progres);
    if (r.stare == StareOperatie::Facut) return IesireOk;
    return IesireDinRezultat(TitluExportAgf, r);
}

int ComandaExportRii(Context& c) {
    CereArgumente(c, 2, 2);
    MaterialOptic m;
    if (!GasesteMaterial(NumeMaterialDinArgument(c.argumente[0]), m)) return IesireEsec;
    const std::string motiv = ExportaMaterialRii(path_sticle, m, c.argumente[1]);
    if (motiv.empty()) return IesireOk;
    return IesireDinRezultat(TitluExportRii, RezultatOperatie::Esec(motiv));
}

}  // namespace vitramor::cli
