#include "suite/TipMaterialDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstring>

#include "dispersion/EcuatieDispersie.h"
#include "record/CodificareText.h"
#include "record/TexteMaterial.h"
#include "suite/CatalixUi.h"

namespace vitramor {

void UmpleComboEcuatii(QComboBox* combo, std::int16_t cod) {
    combo->clear();
    for (std::int16_t c = 0; c <= CodMaximEcuatieDispersie; ++c)
        combo->addItem(QStringLiteral("%1 %2").arg(c).arg(QString::fromUtf8(DescriereEcuatie(c).nume)), int{c});
    if (cod < 0 || cod > CodMaximEcuatieDispersie)
        combo->addItem(QStringLiteral("%1 %2").arg(cod).arg(QString::fromUtf8(DescriereEcuatie(cod).nume)), int{cod});
    combo->setCurrentIndex(combo->findData(int{cod}));
}

std::int16_t CodEcuatieAles(const QComboBox* combo) {
    return static_cast<std::int16_t>(combo->currentData().toInt());
}

TipMaterialDialog::TipMaterialDialog(QWidget* parent, const MaterialOptic& m) : QDialog(parent) {
    const QString nume = TextQt(m.nume, sizeof m.nume);
    setWindowTitle(QStringLiteral("Tip material - %1").arg(nume));
    setObjectName(QStringLiteral("TipMaterialDialog"));

    auto* numeLabel = new QLabel(nume, this);
    numeLabel->setObjectName(QStringLiteral("numeMaterial"));

    tip_ = new QComboBox(this);
    tip_->setObjectName(QStringLiteral("tipMaterial"));
    for (int c = 0; c < NumarCoduriTabel; ++c)
        tip_->addItem(QString::fromLatin1(TextTipMaterial(c)), c);
    if (m.tip_material >= NumarCoduriTabel)  // a damaged or newer record: keep its word
        tip_->addItem(QStringLiteral("cod %1").arg(m.tip_material), int{m.tip_material});
    tip_->setCurrentIndex(tip_->findData(int{m.tip_material}));

    ecuatieN_ = new QComboBox(this);
    ecuatieN_->setObjectName(QStringLiteral("ecuatieN"));
    UmpleComboEcuatii(ecuatieN_, m.ec_dispersie_n);
    ecuatieK_ = new QComboBox(this);
    ecuatieK_->setObjectName(QStringLiteral("ecuatieK"));
    UmpleComboEcuatii(ecuatieK_, m.ec_dispersie_k);

    formaN_ = new QLabel(this);
    formaN_->setObjectName(QStringLiteral("formaN"));
    formaK_ = new QLabel(this);
    formaK_->setObjectName(QStringLiteral("formaK"));
    actualizeazaForme();
    connect(ecuatieN_, &QComboBox::currentIndexChanged, this, &TipMaterialDialog::actualizeazaForme);
    connect(ecuatieK_, &QComboBox::currentIndexChanged, this, &TipMaterialDialog::actualizeazaForme);

    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    butoane->setObjectName(QStringLiteral("butoane"));
    butoane->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    butoane->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(butoane, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(butoane, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Material:"), numeLabel);
    form->addRow(QStringLiteral("Tip material:"), tip_);
    form->addRow(QStringLiteral("Ecuatia indicelui n:"), ecuatieN_);
    form->addRow(QString(), formaN_);
    form->addRow(QStringLiteral("Ecuatia coeficientului k:"), ecuatieK_);
    form->addRow(QString(), formaK_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(butoane);
}

void TipMaterialDialog::actualizeazaForme() {
    formaN_->setText(QString::fromUtf8(DescriereEcuatie(ecuatieN()).forma));
    formaK_->setText(QString::fromUtf8(DescriereEcuatie(ecuatieK()).forma));
}

std::uint16_t TipMaterialDialog::tipMaterial() const {
    return static_cast<std::uint16_t>(tip_->currentData().toInt());
}
std::int16_t TipMaterialDialog::ecuatieN() const { return CodEcuatieAles(ecuatieN_); }
std::int16_t TipMaterialDialog::ecuatieK() const { return CodEcuatieAles(ecuatieK_); }

int TipMaterial(Fereastra owner, const std::string& /*directorSticle*/, int& tip, MaterialOptic& material) {
    TipMaterialDialog d(static_cast<QWidget*>(owner), material);
    if (d.exec() != QDialog::Accepted) return 2;
    material.tip_material = d.tipMaterial();
    material.ec_dispersie_n = d.ecuatieN();
    material.ec_dispersie_k = d.ecuatieK();
    tip = material.tip_material;
    return 1;
}

}  // namespace vitramor
