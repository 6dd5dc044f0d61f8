#include <cstdio>

#include "cli/Cli.h"
#include "dispersion/EcuatieDispersie.h"

namespace vitramor::cli {

int ComandaEval(Context& c) {
    const bool k = ScoateOptiune(c, "--k");
    CereArgumente(c, 2, static_cast<std::size_t>(-1));
    std::vector<float> lungimi;
    for (std::size_t i = 1; i < c.argumente.size(); ++i) {
        const double l = CitesteReal(c.argumente[i], "a wavelength");
        if (l <= 0 || l > 1e7) throw EroareUtilizare{"a wavelength is a positive number of nanometres"};
        lungimi.push_back(static_cast<float>(l));
    }
    MaterialOptic m;
    if (!GasesteMaterial(NumeMaterialDinArgument(c.argumente[0]), m)) return IesireEsec;
    for (float l : lungimi) {
        float valoare = 0;
        const int stare = IndiceMaterial(m, k ? 1 : 0, l, valoare);
        std::fprintf(c.out, "%g\t%d\t%.9g\n", static_cast<double>(l), stare, static_cast<double>(valoare));
    }
    return IesireOk;
}

}  // namespace vitramor::cli
