#include "settings/PozitieFereastra.h"

#include "platform/Platforma.h"
#include "platform/DepozitSetari.h"

namespace vitramor {

namespace {

bool pastrarePozitii = true;

// A missing size falls back to this, so a window never opens collapsed.
constexpr int MarimeImplicita = 100;

std::string cheieFereastra(const std::string& nume) {
    return std::string(CheiePozitiiFerestre) + "\\" + nume;
}

void aratEroareaSistem(const char* titlu) {
    const std::string text = platforma().setari().textEroare();
    if (!text.empty()) MesajBox(nullptr, text, titlu, stil::MB_OK | stil::MB_ICONASTERISK);
}

}  // namespace

void ActiveazaPastrarePozitii(bool activa) { pastrarePozitii = activa; }
bool PastrarePozitiiActiva() { return pastrarePozitii; }

int CitestePozitieFereastraDinRegistri(const std::string& numeFereastra, int mod, PozitieFereastra& p) {
    if (!pastrarePozitii) return 0;
    if (numeFereastra == ClasaListaErori) {
        // The message list always opens where it opened the first time.
        p = {1, 1, 200, 200};
        return 0;
    }
    DepozitSetari& s = platforma().setari();
    const std::string cheie = cheieFereastra(numeFereastra);
    if (!s.existaCheie(cheie)) {
        aratEroareaSistem("CitestePozitieFereastraDinRegistri()");
        return 0;
    }

    bool complet = true;
    if (mod & ModPozitie) {
        const auto x = s.citesteIntreg(cheie, "POSX");
        const auto y = s.citesteIntreg(cheie, "POSY");
        if (x && y) {
            p.x = *x;
            p.y = *y;
        } else {
            p.x = 1;
            complet = false;
        }
    }
    if ((mod & ModMarime) && complet) {
        const auto dx = s.citesteIntreg(cheie, "DX");
        const auto dy = s.citesteIntreg(cheie, "DY");
        p.dx = dx ? *dx : MarimeImplicita;
        p.dy = dy ? *dy : MarimeImplicita;
        complet = dx && dy;
    }
    if (!complet) aratEroareaSistem("CitestePozitieFereastraDinRegistri()");
    return complet ? 1 : 0;
}

int SalveazaPozitieFereastraMod(const std::string& numeFereastra, int mod, const PozitieFereastra& p) {
    if (!pastrarePozitii || numeFereastra == ClasaListaErori) return 0;
    DepozitSetari& s = platforma().setari();
    const std::string cheie = cheieFereastra(numeFereastra);
    bool ok = s.creazaCheie(cheie);
    if (ok && (mod & ModPozitie)) {
        ok = s.scrieIntreg(cheie, "POSX", p.x);
        ok = ok && s.scrieIntreg(cheie, "POSY", p.y);
    }
    if (ok && (mod & ModMarime)) {
        ok = s.scrieIntreg(cheie, "DX", p.dx);
        ok = ok && s.scrieIntreg(cheie, "DY", p.dy);
    }
    if (!ok) aratEroareaSistem("SalveazaPozitieFereastraInRegistri()");
    return ok ? 1 : 0;
}

}  // namespace vitramor
