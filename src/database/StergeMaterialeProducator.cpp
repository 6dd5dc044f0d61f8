#include "database/StergeMaterialeProducator.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "database/JurnalMateriale.h"
#include "database/RescriereBazaDate.h"
#include "database/FisierCatalog.h"
#include "database/Recuperare.h"
#include "record/TextFormatat.h"

namespace vitramor {

using namespace stil;

RezultatOperatie StergeMaterialeProducator(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle,
                                           int producator, bool intreaba) {
    const auto candidat = [producator](const MaterialOptic& m) {
        return m.producator == producator || (producator == ProducatorEvaporare && m.producator > 15);
    };
    std::vector<IntrareJurnal> sterse;
    // "Da la toate" / "Nu la toate" answer for the rest of the producer's
    // materials: a catalogue of hundreds needs no hundreds of answers.
    int pentruToate = 0;
    int pastrate = 0;
    const auto prelucrare = [&](MaterialOptic& m) {
        if (!candidat(m)) return DecizieInregistrare::Pastreaza;
        if (intreaba) {
            int r = pentruToate;
            if (r == 0) {
                const std::string text = TextFormatat("Stergeti materialul %.*s?", static_cast<int>(sizeof m.nume),
                                                      m.nume);
                r = intrebari.intreaba(owner, text, "ATENTIE !",
                                       MB_YESNO | MB_PENTRUTOATE | MB_ICONQUESTION | MB_DEFBUTTON2);
                if (r == raspuns::IDDA_TOATE || r == raspuns::IDNU_TOATE) pentruToate = r;
            }
            if (r != raspuns::IDYES && r != raspuns::IDDA_TOATE) {
                ++pastrate;
                return DecizieInregistrare::Pastreaza;
            }
        }
        sterse.push_back({std::string(NumeDinCamp(m.nume)), m.producator, OperatieJurnal::Sters, {}});
        return DecizieInregistrare::Elimina;
    };

    RezultatRescriere rezultat;
    if (RescrieBazaDate(intrebari, owner, directorSticle, prelucrare, rezultat, !intreaba,
                        RecuperareStergeProducator) == 0) {
        if (rezultat.stare == StareRescriere::Anulata) return RezultatOperatie::Anulare();
        return RezultatOperatie::Esec(rezultat.motiv.empty() ? "Nu s-a sters niciun material." : rezultat.motiv);
    }
    const int numar = static_cast<int>(rezultat.eliminate);
    RezultatOperatie r = numar == 0 && pastrate == 0 ? RezultatOperatie::Nimic() : RezultatOperatie();
    r.motiv = TextMaterialeSterse(numar);
    r.sterse = numar;
    r.sarite = pastrate;
    AdaugaInJurnal(directorSticle, {}, sterse, r);
    return r;
}

std::string TextMaterialeSterse(int numar) {
    return TextFormatat("S-au sters %d materiale", numar);
}

}  // namespace vitramor
