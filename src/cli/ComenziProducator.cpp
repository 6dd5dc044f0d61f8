#include <cstdio>

#include "cli/Cli.h"
#include "database/StergeMaterialeProducator.h"
#include "settings/Directoare.h"

namespace vitramor::cli {

int ComandaDeleteProducer(Context& c) {
    const bool intreaba = ScoateOptiune(c, "--ask");
    CereArgumente(c, 1, 1);
    const int producator = static_cast<int>(CitesteIntreg(c.argumente[0], "CODE", 0, 15));
    const RezultatOperatie r = StergeMaterialeProducator(platforma(), nullptr, path_sticle, producator, intreaba);
    std::fprintf(c.out, "%s\n", TextMaterialeSterse(r.sterse).c_str());
    std::fflush(c.out);
    return IesireDinRezultat(TitluStergeMaterialeProducator, r);
}

}  // namespace vitramor::cli
