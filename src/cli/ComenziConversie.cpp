// convert and fix-producers: the maintenance of database files, each
// writing a complete new file from an input file.
#include "cli/Cli.h"
#include "cli/ProgresConsola.h"
#include "database/ConversieSticle32.h"

namespace vitramor::cli {

int ComandaConvert(Context& c) {
    CereArgumente(c, 2, 2);
    ProgresConsola progres(c.err);
    return IesireDinRezultat(TitluConversieSticle32, ConvertesteSticle32(platforma(), nullptr, c.argumente[0],
                                                                         c.argumente[1], nullptr, progres));
}

int ComandaFixProducers(Context& c) {
    CereArgumente(c, 2, 2);
    ProgresConsola progres(c.err);
    return IesireDinRezultat(TitluCorectareProducatori, CorecteazaCoduriProducator(platforma(), nullptr, c.argumente[0],
                                                                                   c.argumente[1], nullptr, progres));
}

}  // namespace vitramor::cli
