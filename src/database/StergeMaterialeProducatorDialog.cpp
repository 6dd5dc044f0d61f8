#include "database/StergeMaterialeProducatorDialog.h"
#include "database/ProducatoriComboUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "database/StergeMaterialeProducator.h"
#include "record/SetLucru.h"
#include "record/TexteMaterial.h"
#include "settings/Directoare.h"
#include "database/CatalogMateriale.h"
#include "record/CodificareText.h"

namespace vitramor {

namespace {

constexpr int ProducatorMaximSelectat = 15;

}  // namespace

StergeMaterialeProducatorDialog::StergeMaterialeProducatorDialog(QWidget* parent, int producatorCurent)
    : QDialog(parent) {
    setWindowTitle(QString::fromLatin1(TitluStergeMaterialeProducator));
    auto* asezare = new QVBoxLayout(this);
    auto* forma = new QFormLayout;
    asezare->addLayout(forma);
    producatori_ = new QComboBox(this);
    producatori_->setObjectName(QString::number(IdComboProducatorSterge));
    forma->addRow(QStringLiteral("Producator"), producatori_);

    intreabaLaFiecare_ = new QCheckBox(QStringLiteral("Intreaba la fiecare material"), this);
    intreabaLaFiecare_->setObjectName(QString::number(IdIntreabaLaFiecare));
    intreabaLaFiecare_->setChecked(true);
    asezare->addWidget(intreabaLaFiecare_);

    auto* butoane = new QHBoxLayout;
    asezare->addLayout(butoane);
    auto* sterge = new QPushButton(QStringLiteral("Sterge"), this);
    sterge->setObjectName(QString::number(IdButonSterge));
    sterge->setAutoDefault(false);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(raspuns::IDOK));
    ok->setDefault(true);
    butoane->addWidget(sterge);
    butoane->addStretch(1);
    butoane->addWidget(ok);
    asezare->setSizeConstraint(QLayout::SetFixedSize);

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
}

void StergeMaterialeProducatorDialog::umpleProducatori() {
    UmpleComboProducatori(producatori_, this);
}

void StergeMaterialeProducatorDialog::sterge() {
    // Without a question per material, one question for all of them.
    if (!intreaba_ &&
        MesajBox(this,
                 "Stergeti din " + nume_fisier_sticle + " toate materialele producatorului " +
                     Windows1252DinQt(producatori_->currentText()) +
                     "?\n(File > Recupereaza material le poate aduce inapoi, unul cate unul.)",
                 TitluStergeMaterialeProducator, stil::MB_YESNO | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON2) !=
            raspuns::IDYES)
        return;
    RaporteazaRezultat(this, TitluStergeMaterialeProducator,
                       StergeMaterialeProducator(platforma(), this, path_sticle, producator_, intreaba_));
}

void DeschideStergeMaterialeProducator(Fereastra owner) {
    const SetLucru& set = setLucru();
    const int producator = set.gol() ? 0 : set.curent().producator;
    StergeMaterialeProducatorDialog dialog(static_cast<QWidget*>(owner), producator);
    dialog.exec();
}

}  // namespace vitramor
