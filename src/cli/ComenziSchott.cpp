#include <cstdio>
#include <cstring>

#include "cli/Cli.h"
#include "import/ImportSchott.h"
#include "record/SetLucru.h"

namespace vitramor::cli {

int ComandaImportSchott(Context& c) {
    CereArgumente(c, 1, 1);
    const std::string& cale = c.argumente[0];

    // The glasses are built in the working set's first record; the command
    // line's set starts as after "Creaza material nou".
    SetLucru& set = setLucru();
    if (set.gol()) {
        MaterialOptic m;
        std::memset(&m, 0, sizeof m);
        std::snprintf(m.nume, sizeof m.nume, "Gol0");
        m.stas = 2;
        m.producator = 2;
        set.materiale.push_back(m);
        set.materialCurent = 0;
    }

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
