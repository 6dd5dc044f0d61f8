#include <cstdio>

#include "cli/Cli.h"
#include "database/BazaDateIntrerupta.h"
#include "platform/Platforma.h"
#include "settings/Directoare.h"
#include "database/CatalogMateriale.h"
#include "database/Recuperare.h"

namespace vitramor::cli {

int ComandaRecover(Context& c) {
    const bool lista = ScoateOptiune(c, "--list");
    CereArgumente(c, lista ? 0 : 1, lista ? 0 : 1);
    std::vector<IntrareRecuperare> intrari;
    if (std::string motiv; !CitesteRecuperare(path_sticle, intrari, motiv)) {
        MesajBox(nullptr, motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return IesireEsec;
    }
    if (lista) {
        for (std::size_t i = 0; i < intrari.size(); ++i)
            std::fprintf(c.out, "%zu\t%s\n", i + 1, LinieRecuperare(path_sticle, intrari[i]).c_str());
        return IesireOk;
    }
    const long n = CitesteIntreg(c.argumente[0], "N", 1, 1000000);
    if (static_cast<std::size_t>(n) > intrari.size()) {
        MesajBox(nullptr,
                 "Fisierul de recuperare are " + std::to_string(intrari.size()) + " intrari; intrarea " +
                     std::to_string(n) + " nu exista.",
                 "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return IesireEsec;
    }
    // The record comes back as it was, over whatever holds its name now.
    OptiuniStocare o(platforma());
    o.laConflict = PoliticaConflict::Inlocuieste;
    o.sursa.fisier = NumeFisierRecuperare;
    const MaterialOptic m = intrari[static_cast<std::size_t>(n - 1)].material;
    return IesireDinRezultat("Recuperare", StocheazaMateriale(nullptr, path_sticle, std::span(&m, 1), o));
}

int ComandaRestoreArchive(Context& c) {
    CereArgumente(c, 0, 0);
    return IesireDinRezultat(TitluRestaurareBazaDate, RestaureazaBazaDate(path_sticle));
}

}  // namespace vitramor::cli
