#include <cstdio>

#include "cli/Cli.h"
#include "database/ListaSticle.h"
#include "record/MaterialJson.h"
#include "settings/Directoare.h"

namespace vitramor::cli {

int ComandaList(Context& c) {
    CereArgumente(c, 0, 0);
    std::vector<LinieSticla> linii;
    if (const RezultatOperatie r = ListeazaSticleInLista(path_sticle, linii); r.esuat()) {
        MesajBox(nullptr, r.motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return IesireEsec;
    }
    for (const auto& l : linii) std::fprintf(c.out, "%s\n", TextPentruTerminal(l.text).c_str());
    return IesireOk;
}

int ComandaShow(Context& c) {
    CereArgumente(c, 1, 1);
    MaterialOptic m;
    if (!GasesteMaterial(NumeMaterialDinArgument(c.argumente[0]), m)) return IesireEsec;
    std::fprintf(c.out, "%s\n", TextJsonMaterial(m).c_str());
    return IesireOk;
}

}  // namespace vitramor::cli
