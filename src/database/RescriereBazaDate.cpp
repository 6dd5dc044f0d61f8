#include "database/RescriereBazaDate.h"

#include <cstring>

#include "fileutil/BlocareFisier.h"
#include "fileutil/UtilitatiFisiere.h"
#include "database/FisierCatalog.h"
#include "database/Recuperare.h"

namespace vitramor {

int RescrieBazaDate(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle,
                    const PrelucrareInregistrare& prelucrare, RezultatRescriere& rezultat, bool cursorAsteptare,
                    std::uint32_t comandaRecuperare, bool doarCuSchimbari) {
    rezultat = {};
    const std::string& director = directorSticle;
    rezultat.stare = StareRescriere::EroareDeschidere;
    rezultat.motiv = DeCeDirectorSticleNu(director);
    if (!rezultat.motiv.empty()) return 0;
    const std::string cale = CaleBazaDate(director);

    BlocareFisier blocare(cale, true);
    if (!blocare.ok()) {
        rezultat.motiv = blocare.motiv();
        return 0;
    }
    if (AsiguraBazaDateIntreaga(intrebari, owner, cale, cale, rezultat.motiv) != 0) return 0;
    rezultat.stare = StareRescriere::Reusita;

    CerereRescriere cerere;
    cerere.fisier = cale;
    cerere.temporar = CaleAfisata(director, NumeFisierTemporarRescriere);
    cerere.marimeRecord = sizeof(MaterialOptic);
    cerere.cursorAsteptare = cursorAsteptare;
    cerere.golPastrat = true;
    bool schimbat = false;
    cerere.prelucrare = [&](char* record, std::uint64_t) {
        MaterialOptic m;
        std::memcpy(&m, record, sizeof m);
        const DecizieInregistrare d = prelucrare(m);
        if (d == DecizieInregistrare::Modificata) std::memcpy(record, &m, sizeof m);
        schimbat = schimbat || d == DecizieInregistrare::Modificata || d == DecizieInregistrare::Elimina;
        return d;
    };
    std::string motivRecuperare;
    if (comandaRecuperare != 0 || doarCuSchimbari)
        cerere.inainteDeInlocuire = [&](std::string_view eliminate) {
            if (doarCuSchimbari && !schimbat) return false;
            return comandaRecuperare == 0 ||
                   AdaugaInRecuperare(owner, director, comandaRecuperare, eliminate, motivRecuperare);
        };
    rezultat = RescrieFisier(intrebari, owner, cerere);
    if (rezultat.motiv.empty()) rezultat.motiv = std::move(motivRecuperare);
    return rezultat.ok() ? 1 : 0;
}

}  // namespace vitramor
