#include "editors/LaserDamageDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "material/PragLaser.h"
#include "settings/Directoare.h"
#include "suite/Vedora.h"

namespace vitramor {

namespace {

bool esteEvaporare(int indexMaterial) {
    const SetLucru& set = setLucru();
    return indexMaterial >= 0 && indexMaterial < set.numarMateriale() &&
           EsteMaterialEvaporare(set.materiale[static_cast<std::size_t>(indexMaterial)]);
}

int randuri(bool evaporare) { return evaporare ? 5 : 3; }

DescriereEditor descriereEditor(bool evaporare) {
    DescriereEditor d;
    d.clasa = evaporare ? "LidtEvaporare" : "LaserDamageThreshold";
    d.formatTitlu = evaporare ? "Prag de deteriorare laser (LIDT) al materialului de evaporare %s"
                              : "%s - Prag de deteriorare laser (LIDT)";
    d.comanda = IdComandaLaserDamage;
    d.pozitie = {60, 30};
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
    auto* grup = new QGroupBox(QStringLiteral("Pragul de deteriorare la fiecare lungime de unda"), panou());
    auto* tabel = new QGridLayout(grup);
    tabel->addWidget(new QLabel(QStringLiteral("Lungime de unda [nm]"), grup), 0, 1);
    tabel->addWidget(new QLabel(QString::fromUtf8("LIDT [MW/cm²]"), grup), 0, 2);
    for (int r = 0; r < randuri(evaporare_); ++r) {
        tabel->addWidget(new QLabel(QStringLiteral("Linia %1").arg(r + 1), grup), r + 1, 0);
        tabel->addWidget(evaporare_ ? adaugaCelulaFloat(101 + r, {}, LambdaEvaporare[r], "%g", ValoareNeNegativa)
                                    : adaugaCelulaIntreg(101 + r, {}, LambdaSticla[r]),
                         r + 1, 1);
        tabel->addWidget(adaugaCelulaFloat(106 + r, {}, evaporare_ ? PragEvaporare[r] : PragSticla[r], "%g",
                                           ValoareNeNegativa),
                         r + 1, 2);
    }
    coloana()->addWidget(grup);
    coloana()->addStretch(1);
    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), {});
    adaugaButon(raspuns::IDCANCEL, QStringLiteral("Anuleaza"), {});
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), {});
    faModal();
    reimprospateaza();
}

void LaserDamageDialog::ajutor() {
    if (evaporare_)
        eroare(path_help, proprietar(), stil::MB_ICONEXCLAMATION, 0);
    else
        EditorMaterialWindow::ajutor();
}

FereastraMaterial* ComandaLaserDamage(QWidget* fereastraPrincipala) {
    return DeschideEditorMaterialCurent(TipEditor::LaserDamage, [=](int index) -> FereastraMaterial* {
        return new LaserDamageDialog(index, fereastraPrincipala);
    });
}

}  // namespace vitramor
