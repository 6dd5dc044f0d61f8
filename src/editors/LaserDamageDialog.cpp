#include "editors/LaserDamageDialog.h"

#include "editors/PragLaser.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"
#include "suite/Vedora.h"
#include "suite/VedoraUi.h"

namespace vitramor {

namespace {

constexpr int Latime = 243, PasRand = 20;

bool esteEvaporare(int indexMaterial) {
    const SetLucru& set = setLucru();
    return indexMaterial >= 0 && indexMaterial < set.numarMateriale() &&
           EsteMaterialEvaporare(set.materiale[static_cast<std::size_t>(indexMaterial)]);
}

int randuri(bool evaporare) { return evaporare ? 5 : 3; }
int yRand(int r) { return 8 + PasRand * r; }
int yButoane(bool evaporare) { return yRand(randuri(evaporare)) + 2; }

DescriereEditor descriereEditor(bool evaporare) {
    DescriereEditor d;
    d.clasa = evaporare ? "LidtEvaporare" : "LaserDamageThreshold";
    d.formatTitlu = evaporare ? "LIDT for evaporation materil %s" : "%s - Laser damage threshold";
    d.comanda = IdComandaLaserDamage;
    d.pozitie = {60, 30};
    d.dimensiune = {Latime, yButoane(evaporare) + 18};
    return d;
}

template <int I>
float& lambdaEvaporare(MaterialOptic& m) { return m.lidt_lambda_evaporare[I]; }
template <int I>
float& pragEvaporare(MaterialOptic& m) { return m.lidt_evaporare[I]; }
template <int I>
std::uint16_t& lambdaSticla(MaterialOptic& m) { return m.lidt_lambda[I]; }
template <int I>
float& pragSticla(MaterialOptic& m) { return m.lidt[I]; }

constexpr CampFloat LambdaEvaporare[5] = {lambdaEvaporare<0>, lambdaEvaporare<1>, lambdaEvaporare<2>,
                                          lambdaEvaporare<3>, lambdaEvaporare<4>};
constexpr CampFloat PragEvaporare[5] = {pragEvaporare<0>, pragEvaporare<1>, pragEvaporare<2>, pragEvaporare<3>,
                                        pragEvaporare<4>};
constexpr CampIntreg LambdaSticla[3] = {lambdaSticla<0>, lambdaSticla<1>, lambdaSticla<2>};
constexpr CampFloat PragSticla[3] = {pragSticla<0>, pragSticla<1>, pragSticla<2>};

}  // namespace

LaserDamageDialog::LaserDamageDialog(int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(TipEditor::LaserDamage, indexMaterial, proprietar,
                           descriereEditor(esteEvaporare(indexMaterial))),
      evaporare_(esteEvaporare(indexMaterial)) {
    // A glass always has its three laser lines: empty ones get the usual
    // wavelengths the moment the dialog opens, and that is a change.
    if (MaterialOptic* m = material(); m && !evaporare_ && AsiguraLungimiUndaLidt(*m)) setLucru().modificat = 1;
    for (int r = 0; r < randuri(evaporare_); ++r) {
        const int y = yRand(r);
        adaugaEticheta(QStringLiteral("Lambda %1").arg(r + 1), {8, y});
        if (evaporare_)
            adaugaCelulaFloat(101 + r, {50, y, 40, 9}, LambdaEvaporare[r], "%g", ValoareNeNegativa);
        else
            adaugaCelulaIntreg(101 + r, {50, y, 40, 9}, LambdaSticla[r]);
        adaugaEticheta(QStringLiteral("nm"), {94, y});
        adaugaEticheta(QStringLiteral("LIDT"), {115, y});
        adaugaCelulaFloat(106 + r, {138, y, 50, 9}, evaporare_ ? PragEvaporare[r] : PragSticla[r], "%g",
                          ValoareNeNegativa);
        adaugaEticheta(QStringLiteral("MW/cm^2"), {192, y});
    }
    const int yb = yButoane(evaporare_);
    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), QRect(8, yb, 50, 14));
    adaugaButon(raspuns::IDCANCEL, QStringLiteral("Cancel"), QRect(64, yb, 50, 14));
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), QRect(120, yb, 50, 14));
    faModal();
    reimprospateaza();
}

void LaserDamageDialog::ajutor() {
    if (evaporare_)
        eroare(path_help, proprietar(), stil::MB_ICONEXCLAMATION, 0);
    else
        EditorMaterialWindow::ajutor();
}

void LaserDamageDialog::deseneaza(QPainter& p, const UnitatiDialog& u) {
    for (int r = 0; r < randuri(evaporare_); ++r)
        ZonaSus(p, u.x(2), u.y(yRand(r) - 4), u.x(Latime - 2), u.y(yRand(r) + 13));
}

FereastraMaterial* ComandaLaserDamage(QWidget* fereastraPrincipala) {
    return DeschideEditorMaterialCurent(TipEditor::LaserDamage, [=](int index) -> FereastraMaterial* {
        return new LaserDamageDialog(index, fereastraPrincipala);
    });
}

}  // namespace vitramor
