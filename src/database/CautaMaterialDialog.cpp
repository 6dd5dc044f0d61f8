#include "database/CautaMaterialDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstring>

#include "platform/CopiereTabelUi.h"
#include "record/CodificareText.h"
#include "database/CatalogMateriale.h"

namespace vitramor {

namespace {
// The combo's first entry searches every producer; entry k + 1 is producer k.
constexpr int ToateProducatorii = -1;
constexpr int NumarProducatori = 16;
}  // namespace

CautaMaterialDialog::CautaMaterialDialog(QWidget* parent, std::string directorSticle, const MaterialOptic& model)
    : QDialog(parent), directorSticle_(std::move(directorSticle)) {
    setWindowTitle(QStringLiteral("Catalog materiale optice"));
    setObjectName(QStringLiteral("CautaMaterialDialog"));

    producatori_ = new QComboBox(this);
    producatori_->setObjectName(QStringLiteral("producator"));
    producatori_->addItem(QStringLiteral("Toti producatorii"), ToateProducatorii);
    for (int cod = 0; cod < NumarProducatori; ++cod) {
        const std::string nume = NumeProducatorSticla(directorSticle_, static_cast<std::uint16_t>(cod), 47);
        producatori_->addItem(QStringLiteral("%1 %2").arg(cod).arg(TextQt(nume)), cod);
    }

    filtru_ = new QLineEdit(this);
    filtru_->setObjectName(QStringLiteral("filtru"));
    filtru_->setMaxLength(15);
    const std::string nume(model.nume, strnlen(model.nume, sizeof model.nume));
    filtru_->setText(nume.empty() ? QStringLiteral("*") : TextQt(nume));
    filtru_->setToolTip(QStringLiteral("Numele materialului; * inlocuieste orice sir, ? un caracter"));

    lista_ = new QTreeWidget(this);
    lista_->setObjectName(QStringLiteral("lista"));
    lista_->setRootIsDecorated(false);
    lista_->setHeaderLabels({QStringLiteral("Nume"), QStringLiteral("Cod"), QStringLiteral("nd"), QStringLiteral("Categorie")});
    PermiteCopiereTabel(lista_);
    numar_ = new QLabel(this);

    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = butoane->button(QDialogButtonBox::Ok);
    ok_->setText(QStringLiteral("Incarca"));
    butoane->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuleaza"));

    auto* formular = new QFormLayout;
    formular->addRow(QStringLiteral("Producator"), producatori_);
    formular->addRow(QStringLiteral("Nume"), filtru_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formular);
    layout->addWidget(lista_, 1);
    layout->addWidget(numar_);
    layout->addWidget(butoane);
    resize(460, 380);

    connect(butoane, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(butoane, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(producatori_, &QComboBox::currentIndexChanged, this, &CautaMaterialDialog::reincarca);
    connect(filtru_, &QLineEdit::editingFinished, this, &CautaMaterialDialog::reincarca);
    connect(lista_, &QTreeWidget::currentItemChanged, this, &CautaMaterialDialog::actualizeazaButoane);
    connect(lista_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    reincarca();
}

void CautaMaterialDialog::reincarca() {
    MaterialOptic cerere;
    std::memset(&cerere, 0, sizeof cerere);
    const std::string model = Windows1252DinQt(filtru_->text());
    std::strncpy(cerere.nume, model.empty() ? "*" : model.c_str(), sizeof cerere.nume - 1);
    tag_OptiuniCautareMaterial optiuni;
    std::memset(&optiuni, 0, sizeof optiuni);
    const int producator = producatori_->currentData().toInt();
    optiuni.cautaDupaProducator = producator == ToateProducatorii ? 0 : 1;
    cerere.producator = static_cast<std::uint16_t>(producator == ToateProducatorii ? 0 : producator);

    std::vector<std::string> linii;
    lista_->clear();
    if (CautaMaterialOpticCuOptiuni(directorSticle_, cerere, this, 0, optiuni, linii) == 0) {
        for (const auto& l : linii) lista_->addTopLevelItem(new QTreeWidgetItem(TextQt(l).split(QLatin1Char('\t'))));
    }
    for (int c = 0; c + 1 < lista_->columnCount(); ++c) lista_->resizeColumnToContents(c);
    numar_->setText(QStringLiteral("%1 materiale").arg(lista_->topLevelItemCount()));
    if (lista_->topLevelItemCount() > 0) lista_->setCurrentItem(lista_->topLevelItem(0));
    actualizeazaButoane();
}

void CautaMaterialDialog::actualizeazaButoane() { ok_->setEnabled(lista_->currentItem() != nullptr); }

std::string CautaMaterialDialog::numeAles() const {
    const QTreeWidgetItem* item = lista_->currentItem();
    return item ? Windows1252DinQt(item->text(0)) : std::string();
}

int CautaMaterialDialog::producatorAles() const {
    const int p = producatori_->currentData().toInt();
    return p == ToateProducatorii ? 0 : p;
}

int CautaMaterial(Fereastra owner, const std::string& directorSticle, MaterialOptic& material) {
    CautaMaterialDialog d(static_cast<QWidget*>(owner), directorSticle, material);
    if (d.exec() != QDialog::Accepted || d.numeAles().empty()) return 2;
    MaterialOptic gasit;
    std::memset(&gasit, 0, sizeof gasit);
    std::strncpy(gasit.nume, d.numeAles().c_str(), sizeof gasit.nume - 1);
    if (CautaMaterialOptic(directorSticle, gasit, owner, CautaOp) != 0) return 0;
    material = gasit;
    return 1;
}

}  // namespace vitramor
