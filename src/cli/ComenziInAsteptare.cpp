#include "cli/Cli.h"

namespace vitramor::cli {

int ComandaList(Context&) { return IesireEsec; }
int ComandaShow(Context&) { return IesireEsec; }
int ComandaDeleteProducer(Context&) { return IesireEsec; }
int ComandaEval(Context&) { return IesireEsec; }

}  // namespace vitramor::cli
