#include "dispersion/ComenziDispersie.h"

#include <cstdio>
#include <cstring>

#include "record/CodificareText.h"
#include "record/TextFormatat.h"

namespace vitramor {

LegaturiDispersie& legaturiDispersie() {
    static LegaturiDispersie l;
    return l;
}

std::string TitluAplicatie() {
    const auto& l = legaturiDispersie();
    if (l.titluAplicatie) {
        std::string t = l.titluAplicatie();
        if (!t.empty()) return t;
    }
    return TitluAplicatieImplicit;
}

int ComandaCoeficientiDispersie(Fereastra owner, const std::string& directorSticle, SetLucru& set) {
    if (set.gol()) return 0;
    auto& l = legaturiDispersie();
    MaterialOptic& m = set.curent();

    int tip = 0;  // the library fills it; the command has no use for it
    const int r = l.tipMaterial ? l.tipMaterial(owner, directorSticle, tip, m) : raspuns::IDCANCEL;
    if (r == raspuns::IDCANCEL) return 0;

    tag_dispersieNou& bloc = blocDispersie();
    UmpleBlocDispersie(m, bloc);
    if (l.dispersieMaterial) l.dispersieMaterial(owner, l.instantaAplicatie, bloc);
    // Whatever the dialog did, its block is the new truth for the equations:
    // types, coefficients and ranges together.
    CopiazaBlocDispersieInMaterial(bloc, m);
    set.modificat = 1;
    return 1;
}

RezultatOperatie ComandaInitNDinDispersie(Intrebari& intrebari, Fereastra owner, SetLucru& set) {
    if (set.gol()) return RezultatOperatie::Nimic("Nu este deschis niciun material.");
    const std::string titlu = TitluAplicatie();
    if (intrebari.intreaba(owner, "Initializati datele cu ecuatia de dispersie ?", titlu,
                           stil::MB_YESNO | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON2) != raspuns::IDYES)
        return RezultatOperatie::Anulare();
    RezultatOperatie r;

    MaterialOptic& m = set.curent();
    set.memoreazaAnterior(set.materialCurent, m);
    set.marcheazaSuprascris(set.materialCurent);
    for (int i = 0; i < NumarSloturiEditabile; ++i) {
        const float lambda = m.lambda_indici[i];
        if (!(lambda > 0.0f)) continue;
        float n = 0.0f;
        if (IndiceDinEcuatieDispersie(m, 0, lambda, n) == IndiceValid) {
            m.indice_n[i] = n;
            set.modificat = 1;
            r.actualizate = 1;
        } else {
            r.refuza(Utf8DinWindows1252(std::string(m.nume, strnlen(m.nume, sizeof m.nume))),
                     TextFormatat("Eroare calcul indice n ptr. %g nm", static_cast<double>(lambda)));
        }
    }

    if (auto& reimprospateaza = legaturiDispersie().reimprospateazaFereastraIndici)
        reimprospateaza(set.materialCurent, 0);
    return r;
}

std::string CompleteazaDomeniiPentruSalvare(MaterialOptic& m) {
    if (!DomeniuSpectralValid(m.domeniu_n)) {
        if (CompleteazaDomeniiSpectrale(m) == 0) {
            const std::string nume(m.nume, strnlen(m.nume, sizeof m.nume));
            return TextFormatat("Materialul %s nu are domeniul spectral valid: %d - %dnm. VerificatI!.", nume.c_str(),
                                static_cast<int>(m.domeniu_n[0]), static_cast<int>(m.domeniu_n[1]));
        }
    } else if (!DomeniuSpectralValid(m.domeniu_k)) {
        m.domeniu_k[0] = m.domeniu_n[0];
        m.domeniu_k[1] = m.domeniu_n[1];
    }
    return {};
}

}  // namespace vitramor
