#include <cstdio>

#include "cli/Cli.h"
#include "database/StergeMaterialeProducator.h"

namespace vitramor::cli {

int ComandaDeleteProducer(Context& c) {
    const bool intreaba = ScoateOptiune(c, "--ask");
    CereArgumente(c, 1, 1);
    const int producator = static_cast<int>(CitesteIntreg(c.argumente[0], "CODE", 0, 15));
    bool reusit = false;
    const int sterse = StergeMaterialeProducator(nullptr, producator, intreaba, &reusit);
    std::fprintf(c.out, "%s\n", TextMaterialeSterse(sterse).c_str());
    return reusit ? IesireOk : IesireEsec;
}

}  // namespace vitramor::cli
