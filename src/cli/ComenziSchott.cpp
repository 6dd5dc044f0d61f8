#include <cstdio>

#include "cli/Cli.h"
#include "import/schott/ImportSchott.h"
#include "settings/Directoare.h"

namespace vitramor::cli {

int ComandaImportSchott(Context& c) {
    OptiuniImportSchott optiuni;
    optiuni.directorSticle = path_sticle;
    optiuni.laConflict = ScoatePoliticaConflict(c);
    CereArgumente(c, 1, 1);
    const std::string& cale = c.argumente[0];

    optiuni.numeFisier = cale;
    // The GUI shows each glass's classes in a box; here they are the data.
    optiuni.raport = [&c](const std::string& clase) {
        std::fprintf(c.out, "%s\n", clase.c_str());
        std::fflush(c.out);
    };
    return IesireDinRezultat(TitluImportSchott, ImportaFisierSchott(cale, optiuni));
}

}  // namespace vitramor::cli
