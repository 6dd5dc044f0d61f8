#include "database/StergeMaterialeProducatorDialog.h"
#include "suite/ProducatoriComboUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "database/StergeMaterialeProducator.h"
#include "record/SetLucru.h"
#include "record/TexteMaterial.h"
#include "settings/Directoare.h"
#include "suite/Catalix.h"
#include "suite/UnitatiDialog.h"

namespace vitramor {

namespace {

constexpr int ProducatorMaximSelectat = 15;

}  // namespace

StergeMaterialeProducatorDialog::StergeMaterialeProducatorDialog(QWidget* parent, int producatorCurent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Sterge materiale producator"));
    const UnitatiDialog u(font());

    auto* eticheta = new QLabel(QStringLiteral("Producator"), this);
    u.plaseaza(eticheta, 7, 9, 48, 8);

    producatori_ = new QComboBox(this);
    producatori_->setObjectName(QString::number(IdComboProducatorSterge));
    u.plaseaza(producatori_, 58, 7, 115, 12);
    eticheta->setBuddy(producatori_);

    intreabaLaFiecare_ = new QCheckBox(QStringLiteral("Intreaba la fiecare material"), this);
    intreabaLaFiecare_->setObjectName(QString::number(IdIntreabaLaFiecare));
    u.plaseaza(intreabaLaFiecare_, 7, 26, 166, 10);
    intreabaLaFiecare_->setChecked(true);

    auto* sterge = new QPushButton(QStringLiteral("Sterge"), this);
    sterge->setObjectName(QString::number(IdButonSterge));
    u.plaseaza(sterge, 7, 46, 50, 14);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(raspuns::IDOK));
    u.plaseaza(ok, 65, 46, 50, 14);
    ok->setDefault(true);
    auto* ajutor = new QPushButton(QStringLiteral("Ajutor"), this);
    ajutor->setObjectName(QString::number(IdButonAjutor));
    u.plaseaza(ajutor, 123, 46, 50, 14);
    u.plaseaza(this, 0, 0, 180, 67);
    setFixedSize(size());

    umpleProducatori();
    const int selectat = std::clamp(producatorCurent, 0, ProducatorMaximSelectat);
    if (selectat < producatori_->count()) producatori_->setCurrentIndex(selectat);
    producator_ = std::max(producatori_->currentIndex(), 0);

    connect(producatori_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) producator_ = i;
    });
    connect(intreabaLaFiecare_, &QCheckBox::toggled, this, [this](bool activ) { intreaba_ = activ; });
    connect(sterge, &QPushButton::clicked, this, &StergeMaterialeProducatorDialog::sterge);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // "Ajutor" has no help page behind it.
}

void StergeMaterialeProducatorDialog::umpleProducatori() {
    UmpleComboProducatori(producatori_, this);
}

void StergeMaterialeProducatorDialog::sterge() {
    const int numar = StergeMaterialeProducator(this, producator_, intreaba_);
    MesajBox(this, TextMaterialeSterse(numar), "ATENTIE !", stil::MB_OK | stil::MB_ICONASTERISK);
}

void DeschideStergeMaterialeProducator(Fereastra owner) {
    const SetLucru& set = setLucru();
    const int producator = set.gol() ? 0 : set.curent().producator;
    StergeMaterialeProducatorDialog dialog(static_cast<QWidget*>(owner), producator);
    dialog.exec();
}

}  // namespace vitramor
