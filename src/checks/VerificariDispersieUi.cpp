#include "checks/VerificariDispersieUi.h"

#include <QPointer>
#include <iterator>
#include <vector>

#include "checks/PropuneDomeniiDialog.h"
#include "checks/VerificaBazaDateDialog.h"
#include "platform/FerestreMaterialUi.h"
#include "record/SetLucru.h"
#include "settings/Directoare.h"
#include "suite/FereastraText.h"
#include "suite/UnitatiDialog.h"
#include "suite/VedoraUi.h"

namespace vitramor {

namespace {

// One window per report kind; QPointer forgets a window the user closed.
QPointer<TextWindow>& FereastraPastrata(RaportVerificare tip) {
    static QPointer<TextWindow> ferestre[2];
    return ferestre[tip == RaportVerificare::BazaDate ? 0 : 1];
}

std::vector<int> Tabulatoare(RaportVerificare tip) {
    if (tip == RaportVerificare::BazaDate) return {TabulatorRaportBazaDate};
    return {std::begin(TabulatoareRaportMaterial), std::end(TabulatoareRaportMaterial)};
}

}  // namespace

TextWindow* ArataRaportVerificare(RaportVerificare tip, QWidget* owner, const BlocText& raport) {
    QPointer<TextWindow>& fereastra = FereastraPastrata(tip);
    if (fereastra) {
        // The report the user asked for again comes forward, also from the task bar.
        fereastra->reafiseaza(raport);
        return fereastra;
    }
    TextWindow* nou = InitInstanceAfisWnd(owner, 0, IdFereastraTextVerificare, TitluRaportVerificare, raport);
    if (!nou) return nullptr;
    unitatiDialog().tabulatori(nou->controlText(), Tabulatoare(tip));
    fereastra = nou;
    return nou;
}

TextWindow* FereastraRaportVerificare(RaportVerificare tip) { return FereastraPastrata(tip); }

void ComandaPropuneDomenii(QWidget* fereastraPrincipala) {
    PropuneDomeniiDialog dialog(fereastraPrincipala);
    dialog.exec();
}

void ComandaVerificaBazaDate(QWidget* fereastraPrincipala) {
    VerificaBazaDateDialog dialog(fereastraPrincipala, fereastraPrincipala);
    dialog.exec();
}

void ComandaVerificaMaterialCurent(QWidget* fereastraPrincipala) {
    const SetLucru& set = setLucru();
    if (set.gol()) return;
    BlocText raport;
    RaportMaterial(path_sticle, set.curent(), raport);
    // The report is of this material: it goes when the material does.
    ferestreMaterial().leaga(ArataRaportVerificare(RaportVerificare::Material, fereastraPrincipala, raport),
                             {set.materialCurent});
}

}  // namespace vitramor
