#include "editors/StabChimDialog.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "editors/ClaseChimice.h"
#include "editors/StabilitateChimicaDialog.h"
#include "suite/UnitatiDialog.h"
#include "suite/VedoraUi.h"

namespace vitramor {

namespace {

constexpr int Latime = 150, Inaltime = 55;

DescriereEditor descriereEditor() {
    DescriereEditor d;
    d.clasa = "STABCHIM";
    d.formatTitlu = "%s - Stab.chimica";
    d.comanda = IdComandaChimic;
    d.pozitie = {60, 40};
    d.dimensiune = {Latime, Inaltime};
    return d;
}

}  // namespace

StabChimDialog::StabChimDialog(int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(TipEditor::Chimic, indexMaterial, proprietar, descriereEditor()) {
    adaugaEticheta(QStringLiteral("Stabilitate la umiditate"), {4, 5});
    adaugaEticheta(QStringLiteral("Stabilitate la acizi"), {4, 24});
    const MaterialOptic* m = material();
    const std::uint16_t producator = m ? m->producator : 0;
    for (int i = 0; i < 2; ++i) {
        auto* c = new QComboBox(panou());
        c->setObjectName(QString::number(101 + i));
        for (const std::string& t : IntrariDouaScale(producator, i)) c->addItem(QString::fromStdString(t));
        unitatiDialog().plaseaza(c, 110, 3 + 19 * i, 36, 12);
        connect(c, &QComboBox::activated, this, [this, i](int index) { alege(i, index); });
        liste_[static_cast<std::size_t>(i)] = c;
    }
    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), QRect(4, 39, 40, 13));
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), QRect(50, 39, 40, 13));
    faModal();
    reimprospateaza();
}

void StabChimDialog::laReimprospatare() {
    const MaterialOptic* m = material();
    for (int i = 0; i < 2; ++i) {
        const QSignalBlocker b(liste_[static_cast<std::size_t>(i)]);
        liste_[static_cast<std::size_t>(i)]->setCurrentIndex(m ? IndexDouaScale(m->stabilitate_chimica[i]) : -1);
    }
}

void StabChimDialog::alege(int lista, int index) {
    MaterialOptic* m = material();
    if (!m || index < 0) return;
    // The class goes into the low byte; the high byte is not this dialog's.
    std::uint16_t& camp = m->stabilitate_chimica[lista];
    const auto nou = static_cast<std::uint16_t>((camp & 0xFF00u) | static_cast<unsigned>(index));
    if (nou == camp) return;
    camp = nou;
    setLucru().modificat = 1;
}

void StabChimDialog::deseneaza(QPainter& p, const UnitatiDialog& u) {
    ZonaSus(p, u.x(2), u.y(2), u.x(148), u.y(16));
    ZonaSus(p, u.x(2), u.y(21), u.x(148), u.y(35));
}

}  // namespace vitramor
