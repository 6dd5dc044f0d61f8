#include "editors/StabChimDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSignalBlocker>

#include "material/ClaseChimice.h"
#include "editors/StabilitateChimicaDialog.h"

namespace vitramor {

namespace {

DescriereEditor descriereEditor() {
    DescriereEditor d;
    d.clasa = "STABCHIM";
    d.formatTitlu = "%s - Stabilitate chimica";
    d.comanda = IdComandaChimic;
    d.pozitie = {60, 40};
    return d;
}

}  // namespace

StabChimDialog::StabChimDialog(int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(TipEditor::Chimic, indexMaterial, proprietar, descriereEditor()) {
    const MaterialOptic* m = material();
    const std::uint16_t producator = m ? m->producator : 0;
    QFormLayout* f = adaugaGrup(QStringLiteral("Clase de stabilitate chimica"));
    const char* scale[] = {"Stabilitate la umiditate", "Stabilitate la acizi"};
    for (int i = 0; i < 2; ++i) {
        auto* c = new QComboBox(panou());
        c->setObjectName(QString::number(101 + i));
        for (const std::string& t : IntrariDouaScale(producator, i)) c->addItem(QString::fromStdString(t));
        f->addRow(QString::fromLatin1(scale[i]), c);
        connect(c, &QComboBox::activated, this, [this, i](int index) { alege(i, index); });
        liste_[static_cast<std::size_t>(i)] = c;
    }
    coloana()->addStretch(1);
    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), {});
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), {});
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
    memoreazaPentruAnulare();
    camp = nou;
    setLucru().modificat = 1;
}

}  // namespace vitramor
