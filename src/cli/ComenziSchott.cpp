#include <cstdio>

#include "cli/Cli.h"
#include "import/schott/ImportSchott.h"
#include "record/SetLucru.h"

namespace vitramor::cli {

int ComandaImportSchott(Context& c) {
    CereArgumente(c, 1, 1);
    const std::string& cale = c.argumente[0];

    // The glasses are built in the working set's current record.
    CurentSauPrimulNou(setLucru());

    OptiuniImportSchott optiuni;
    optiuni.numeFisier = cale;
    // The GUI shows each glass's classes in a box; here they are the data.
    optiuni.raport = [&c](const std::string& clase) {
        std::fprintf(c.out, "%s\n", clase.c_str());
        std::fflush(c.out);
    };
    return ImportaFisierSchott(cale, optiuni).ok() ? IesireOk : IesireEsec;
}

}  // namespace vitramor::cli
