#include "database/StergeMaterialeProducator.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "database/JurnalMateriale.h"
#include "database/RescriereBazaDate.h"
#include "settings/Directoare.h"
#include "database/FisierCatalog.h"
#include "database/Recuperare.h"
#include "record/TextFormatat.h"

namespace vitramor {

using namespace stil;

int StergeMaterialeProducator(Fereastra owner, int producator, bool intreaba, bool* reusit) {
    const auto candidat = [producator](const MaterialOptic& m) {
        return m.producator == producator || (producator == ProducatorEvaporare && m.producator > 15);
    };
    std::vector<IntrareJurnal> sterse;
    // "Da la toate" / "Nu la toate" answer for the rest of the producer's
    // materials: a catalogue of hundreds needs no hundreds of answers.
    int pentruToate = 0;
    const auto prelucrare = [&](MaterialOptic& m) {
        if (!candidat(m)) return DecizieInregistrare::Pastreaza;
        if (intreaba) {
            int r = pentruToate;
            if (r == 0) {
                const std::string text = TextFormatat("Stergeti materialul %.*s?", static_cast<int>(sizeof m.nume),
                                                      m.nume);
                r = MesajBox(owner, text, "ATENTIE !", MB_YESNO | MB_PENTRUTOATE | MB_ICONQUESTION | MB_DEFBUTTON2);
                if (r == raspuns::IDDA_TOATE || r == raspuns::IDNU_TOATE) pentruToate = r;
            }
            if (r != raspuns::IDYES && r != raspuns::IDDA_TOATE) return DecizieInregistrare::Pastreaza;
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
    return TextFormatat("S-au sters %d materiale", numar);
}

}  // namespace vitramor
