#include <cstdio>

#include "cli/Cli.h"
#include "import/FisierImport.h"
#include "import/agf/ImportAgf.h"
#include "import/rii/ImportRii.h"

namespace vitramor::cli {

namespace {

struct Optiuni {
    std::string selectie, nume, fisier;
    int producator = -1;
    bool listeaza = false, areSelectie = false;
};

Optiuni CitesteOptiuni(const Context& c, bool agf) {
    Optiuni o;
    const auto& a = c.argumente;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::string& t = a[i];
        auto valoare = [&]() -> const std::string& {
            if (i + 1 >= a.size()) throw EroareUtilizare{t + " needs a value"};
            return a[++i];
        };
        if (t == "--producer") {
            o.producator = static_cast<int>(CitesteIntreg(valoare(), "CODE", 0, 15));
        } else if (agf && t == "--select") {
            o.selectie = valoare(), o.areSelectie = true;
        } else if (agf && t == "--list") {
            o.listeaza = true;
        } else if (!agf && t == "--name") {
            o.nume = NumeMaterialDinArgument(valoare());
        } else if (t.rfind("--", 0) == 0 || !o.fisier.empty()) {
            throw EroareUtilizare{t.rfind("--", 0) == 0 ? "unknown option " + t : "too many arguments"};
        } else {
            o.fisier = t;
        }
    }
    if (o.fisier.empty()) throw EroareUtilizare{"missing FILE"};
    return o;
}

std::vector<bool> Selectie(const std::string& lista, std::size_t sticle) {
    std::vector<bool> s(sticle, false);
    for (std::size_t i : CitesteSelectie(lista, sticle)) s[i] = true;
    return s;
}

}  // namespace

int ComandaImportAgf(Context& c) {
    const PoliticaConflict laConflict = ScoatePoliticaConflict(c);
    const Optiuni o = CitesteOptiuni(c, true);
    std::string octeti;
    if (!CitesteFisierImport(nullptr, o.fisier, octeti)) return IesireEsec;
    const CatalogAgf catalog = CitesteCatalogAgf(octeti);
    if (o.listeaza) {
        for (const SticlaAgf& s : catalog.sticle) std::fprintf(c.out, "%s\n", LinieListaAgf(s).c_str());
        return IesireOk;
    }
    const int producator = o.producator >= 0 ? o.producator : ProducatorDinNumeFisierAgf(o.fisier);
    if (producator < 0) throw EroareUtilizare{"the file name names no known producer: give --producer CODE"};
    const std::vector<bool> selectie =
        o.areSelectie && !catalog.sticle.empty() ? Selectie(o.selectie, catalog.sticle.size())
                                                 : SelectieImplicitaAgf(catalog);
    return IesireDinRezultat(TitluImportAgf, ImportaSticleAgf(nullptr, o.fisier, SursaDinOcteti(o.fisier, octeti), catalog, selectie,
                                                              static_cast<std::uint16_t>(producator), laConflict));
}

int ComandaImportRii(Context& c) {
    const Optiuni o = CitesteOptiuni(c, false);
    if (o.nume.empty()) throw EroareUtilizare{"--name NAME is required"};
    const std::uint16_t producator =
        o.producator >= 0 ? static_cast<std::uint16_t>(o.producator) : ProducatorImplicitRii;
    return ImportaFisierRii(nullptr, o.fisier, o.nume, producator) == 0 ? IesireOk : IesireEsec;
}

}  // namespace vitramor::cli
