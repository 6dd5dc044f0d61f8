#include <cstdio>

#include "cli/Cli.h"
#include "import/FisierImport.h"
#include "import/agf/ImportAgf.h"
#include "import/rii/ImportRii.h"
#include "record/LimiteFizice.h"
#include "settings/Directoare.h"

namespace vitramor::cli {

namespace {

struct Optiuni {
    std::string selectie, nume, fisier;
    int producator = -1;
    bool listeaza = false, areSelectie = false;
    DomeniuRii domeniu;
    int capeteDomeniu = 0;  // how many of --from and --to were given
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
        } else if (!agf && (t == "--from" || t == "--to")) {
            const double nm = CitesteReal(valoare(), "NM");
            if (!MotivLungimeUnda(nm).empty()) throw EroareUtilizare{t + " takes a wavelength from 10 to 1000000 nm"};
            (t == "--from" ? o.domeniu.deLa : o.domeniu.panaLa) = nm;
            ++o.capeteDomeniu;
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
    if (const RezultatOperatie citit = CitesteFisierImport(o.fisier, octeti); citit.stare == StareOperatie::Esuat)
        return IesireDinRezultat(TitluEroareCitireImport, citit);
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
    return IesireDinRezultat(TitluImportAgf, ImportaSticleAgf(nullptr, path_sticle, o.fisier, SursaDinOcteti(o.fisier, octeti), catalog, selectie,
                                                              static_cast<std::uint16_t>(producator), laConflict));
}

int ComandaImportRii(Context& c) {
    const Optiuni o = CitesteOptiuni(c, false);
    if (o.nume.empty()) throw EroareUtilizare{"--name NAME is required"};
    if (o.capeteDomeniu == 1 || (o.capeteDomeniu == 2 && !(o.domeniu.deLa < o.domeniu.panaLa)))
        throw EroareUtilizare{"--from NM --to NM go together, the first below the second"};
    const std::uint16_t producator =
        o.producator >= 0 ? static_cast<std::uint16_t>(o.producator) : ProducatorImplicitRii;
    return IesireDinRezultat(TitluImportRii,
                             ImportaFisierRii(nullptr, path_sticle, o.fisier, o.nume, producator, o.domeniu));
}

}  // namespace vitramor::cli
