#include "checks/PropuneDomeniiDialog.h"
#include "database/ProducatoriComboUi.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "checks/VerificariDispersie.h"
#include "platform/Platforma.h"
#include "record/TexteMaterial.h"
#include "settings/Directoare.h"
#include "database/CatalogMateriale.h"
#include "suite/UnitatiDialog.h"
#include "suite/Vedora.h"

namespace vitramor {

namespace {

constexpr int CodProducatorLimita = 16;        // a record's producer word holds 0-15
constexpr int MesajValoareRespinsa = 38;
constexpr int MesajFaraFunctie = 0;
constexpr unsigned StilAvertizare = 48;


QPushButton* Buton(QWidget* parent, const char* text, int id, int x) {
    return ButonDialog(parent, QString::fromLatin1(text), id, x, 30, 40, 14);
}

}  // namespace

PropuneDomeniiDialog::PropuneDomeniiDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Verificat domeniul spectral ec. dispersie materiale din indici"));
    const UnitatiDialog& u = unitatiDialog();

    auto* eticheta = new QLabel(QStringLiteral("Producator"), this);
    u.plaseaza(eticheta, 7, 9, 48, 8);
    producatori_ = new QComboBox(this);
    producatori_->setObjectName(QString::number(IdComboProducatorDomenii));
    u.plaseaza(producatori_, 58, 7, 125, 12);
    eticheta->setBuddy(producatori_);

    QPushButton* verificaButon = Buton(this, "Verifica", IdButonVerifica, 7);
    QPushButton* ok = Buton(this, "OK", raspuns::IDOK, 51);
    QPushButton* anuleaza = Buton(this, "Cancel", raspuns::IDCANCEL, 95);
    QPushButton* ajutor = Buton(this, "Ajutor", IdButonAjutorVerificari, 139);
    ok->setDefault(true);
    u.plaseaza(this, 0, 0, 186, 52);
    setFixedSize(size());

    umpleProducatori();
    {
        const QSignalBlocker liniste(producatori_);
        if (ProducatorInitialDomenii < producatori_->count()) producatori_->setCurrentIndex(ProducatorInitialDomenii);
    }
    const int initial = producatori_->currentIndex();
    producator_ = initial >= 0 && initial < CodProducatorLimita ? initial : -1;

    connect(producatori_, &QComboBox::currentIndexChanged, this, &PropuneDomeniiDialog::alegeProducator);
    connect(verificaButon, &QPushButton::clicked, this, &PropuneDomeniiDialog::verifica);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(anuleaza, &QPushButton::clicked, this, &QDialog::reject);
    connect(ajutor, &QPushButton::clicked, this,
            [this] { eroare(path_help, static_cast<QWidget*>(this), StilAvertizare, MesajFaraFunctie); });
}

void PropuneDomeniiDialog::umpleProducatori() {
    UmpleComboProducatori(producatori_, this);
}

void PropuneDomeniiDialog::alegeProducator(int index) {
    // The producer table may list more producers than a record's code can
    // name; such a choice is refused and the previous producer stays chosen.
    if (index >= 0 && index < CodProducatorLimita) {
        producator_ = index;
        return;
    }
    eroare(path_help, static_cast<QWidget*>(this), StilAvertizare, MesajValoareRespinsa);
    const QSignalBlocker liniste(producatori_);
    producatori_->setCurrentIndex(producator_);
}

void PropuneDomeniiDialog::verifica() {
    if (producator_ < 0 || producator_ >= CodProducatorLimita) {
        eroare(path_help, static_cast<QWidget*>(this), StilAvertizare, MesajValoareRespinsa);
        return;
    }
    Fereastra owner = static_cast<QWidget*>(this);
    RaporteazaRezultat(owner, TitluPropuneDomenii,
                       PropuneDomeniiSpectrale(platforma(), owner, path_sticle, producator_));
}

}  // namespace vitramor
