#include "database/StergeMaterialeProducator.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "database/JurnalMateriale.h"
#include "database/RescriereBazaDate.h"
#include "settings/Directoare.h"
#include "suite/FisierCatalog.h"
#include "suite/Recuperare.h"

namespace vitramor {

using namespace stil;

int StergeMaterialeProducator(Fereastra owner, int producator, bool intreaba, bool* reusit) {
    const auto candidat = [producator](const MaterialOptic& m) {
        return m.producator == producator || (producator == ProducatorEvaporare && m.producator > 15);
    };
    std::vector<IntrareJurnal> sterse;
    const auto prelucrare = [&](MaterialOptic& m) {
        if (!candidat(m)) return DecizieInregistrare::Pastreaza;
        if (intreaba) {
            char text[100];
            std::snprintf(text, sizeof text, "Stergeti materialul %.*s?", static_cast<int>(sizeof m.nume),
                          m.nume);
            if (MesajBox(owner, text, "ATENTIE !", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != raspuns::IDYES)
                return DecizieInregistrare::Pastreaza;
        }
        sterse.push_back({std::string(NumeDinCamp(m.nume)), m.producator, OperatieJurnal::Sters, {}});
        return DecizieInregistrare::Elimina;
    };

    RezultatRescriere rezultat;
    const bool ok = RescrieBazaDate(owner, prelucrare, rezultat, !intreaba, RecuperareStergeProducator) != 0;
    if (reusit) *reusit = ok;
    if (!ok) return 0;
    AdaugaInJurnal(owner, path_sticle, {}, sterse);
    return static_cast<int>(rezultat.eliminate);
}

std::string TextMaterialeSterse(int numar) {
    char text[64];
    std::snprintf(text, sizeof text, "S-au sters %d materiale", numar);
    return text;
}

}  // namespace vitramor
