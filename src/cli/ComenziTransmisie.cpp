#include <cstdio>

#include "cli/Cli.h"
#include "material/TabelTransmisie.h"
#include "settings/Directoare.h"
#include "database/CatalogMateriale.h"
#include "dispersion/ComenziDispersie.h"

namespace vitramor::cli {

int ComandaTransmittance(Context& c) {
    CereArgumente(c, 1, 2);
    const std::string nume = NumeMaterialDinArgument(c.argumente[0]);
    std::optional<float> grosime;
    if (c.argumente.size() == 2) {
        const double d = CitesteReal(c.argumente[1], "THICKNESS");
        if (d < 0 || d > 1e30) throw EroareUtilizare{"THICKNESS is a number of millimetres, 0 or more"};
        grosime = static_cast<float>(d);
    }
    MaterialOptic m;
    if (!GasesteMaterial(nume, m)) return IesireEsec;
    for (const PunctTransmisie& p : ListaTransmisie(m, grosime.value_or(m.grosime_transmisie)))
        std::fprintf(c.out, "%d\t%.6f\n", p.lambda, p.t);
    return IesireOk;
}

int ComandaKFromTransmittance(Context& c) {
    CereArgumente(c, 1, 1);
    const std::string nume = NumeMaterialDinArgument(c.argumente[0]);
    SetLucru set;
    set.materiale.resize(1);
    if (!GasesteMaterial(nume, set.materiale[0])) return IesireEsec;
    // A No keeps the k table, and the database, as they were.
    const RezultatOperatie k = ComandaKDinTransmisie(platforma(), nullptr, set);
    if (k.actualizate == 0) return IesireDinRezultat(TitluAplicatie().c_str(), k);
    OptiuniStocare o(platforma());
    o.editare = true;
    o.laConflict = PoliticaConflict::Inlocuieste;
    RezultatOperatie r = StocheazaMateriale(nullptr, path_sticle, set.materiale, o);
    // What was written, said before what was stored.
    if (r.stare == StareOperatie::Facut) r.motiv = r.motiv.empty() ? k.motiv : k.motiv + "\n" + r.motiv;
    return IesireDinRezultat("k din transmisie", r);
}

}  // namespace vitramor::cli
