#include "export/SelectieSticleWidget.h"
#include "record/CodificareText.h"
#include "suite/ProducatoriComboUi.h"

#include <QComboBox>
#include <QLabel>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "export/ExportSubstrat.h"
#include "platform/CopiereTabelUi.h"
#include "record/TexteMaterial.h"
#include "settings/Directoare.h"
#include "suite/Catalix.h"
#include "suite/UnitatiDialog.h"
#include "suite/Vedora.h"

namespace vitramor {

namespace {

QPushButton* Buton(QWidget* parinte, const char* text, int id) {
    return ButonComanda(parinte, QString::fromLatin1(text), id);
}

}  // namespace

SelectieSticleWidget::SelectieSticleWidget(QWidget* parent, const char* textActiune, int idActiune)
    : QWidget(parent), producator_(ProducatorInitialExport) {
    const UnitatiDialog& u = unitatiDialog();

    auto* etichetaProducator = new QLabel(QStringLiteral("Producator"), this);
    u.plaseaza(etichetaProducator, 7, 9, 45, 8);
    producatori_ = new QComboBox(this);
    producatori_->setObjectName(QString::number(idSelectieSticle::Producator));
    u.plaseaza(producatori_, 55, 7, 110, 12);
    etichetaProducator->setBuddy(producatori_);

    auto* etichetaNume = new QLabel(QStringLiteral("Nume sticla"), this);
    u.plaseaza(etichetaNume, 7, 25, 45, 8);
    numeSticla_ = new QLineEdit(QStringLiteral("*"), this);
    numeSticla_->setObjectName(QString::number(idSelectieSticle::NumeSticla));
    numeSticla_->setMaxLength(static_cast<int>(LungimeMaximaFiltru));
    u.plaseaza(numeSticla_, 55, 23, 70, 12);
    etichetaNume->setBuddy(numeSticla_);

    auto* incarca = Buton(this, "Incarca lista", idSelectieSticle::IncarcaLista);
    u.plaseaza(incarca, 175, 15, 60, 14);

    lista_ = new QTreeWidget(this);
    PermiteCopiereTabel(lista_);
    lista_->setObjectName(QString::number(idSelectieSticle::Lista));
    lista_->setSelectionMode(QAbstractItemView::MultiSelection);
    lista_->setRootIsDecorated(false);
    lista_->setUniformRowHeights(true);
    lista_->setHeaderLabels({QStringLiteral("Nume"), QStringLiteral("Cod"), QStringLiteral("nd"),
                             QStringLiteral("Categorie")});
    u.plaseaza(lista_, 7, 40, 286, 142);
    // Room for a name of 15 characters, a code like 517642.251 and nd to
    // five decimals; a longer value widens only its own column.
    const int latimi[] = {80, 56, 44};
    for (int c = 0; c < 3; ++c) lista_->setColumnWidth(c, u.x(latimi[c]));

    auto* tot = Buton(this, "Select all", idSelectieSticle::SelectAll);
    u.plaseaza(tot, 7, 188, 60, 14);
    auto* invers = Buton(this, "Select_revers", idSelectieSticle::SelectRevers);
    u.plaseaza(invers, 73, 188, 60, 14);
    actiune_ = Buton(this, textActiune, idActiune);
    u.plaseaza(actiune_, 139, 188, 60, 14);

    auto* ok = Buton(this, "OK", raspuns::IDOK);
    u.plaseaza(ok, 7, 209, 60, 14);
    auto* cancel = Buton(this, "Cancel", raspuns::IDCANCEL);
    u.plaseaza(cancel, 73, 209, 60, 14);
    auto* ajutor = Buton(this, "Ajutor", idSelectieSticle::Ajutor);
    u.plaseaza(ajutor, 233, 209, 60, 14);
    resize(u.dimensiune(Latime, Inaltime));

    umpleProducatori();
    if (producator_ < producatori_->count()) producatori_->setCurrentIndex(producator_);
    actiune_->setEnabled(false);

    connect(producatori_, &QComboBox::currentIndexChanged, this, &SelectieSticleWidget::schimbaProducator);
    // The filter counts once the user leaves the field, not at every key.
    connect(numeSticla_, &QLineEdit::editingFinished, this,
            [this] { filtru_ = Windows1252DinQt(numeSticla_->text()); });
    connect(incarca, &QPushButton::clicked, this, &SelectieSticleWidget::incarcaLista);
    connect(lista_, &QTreeWidget::itemSelectionChanged, this, &SelectieSticleWidget::actualizeazaActiune);
    connect(lista_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { Q_EMIT liniePrinDubluClic(item); });
    connect(tot, &QPushButton::clicked, this, &SelectieSticleWidget::selecteazaTot);
    connect(invers, &QPushButton::clicked, this, &SelectieSticleWidget::inverseazaSelectia);
    connect(actiune_, &QPushButton::clicked, this, &SelectieSticleWidget::actiuneCeruta);
    connect(ok, &QPushButton::clicked, this, &SelectieSticleWidget::okCerut);
    connect(cancel, &QPushButton::clicked, this, &SelectieSticleWidget::cancelCerut);
    connect(ajutor, &QPushButton::clicked, this,
            [this] { eroare(path_help, this, stil::MB_ICONEXCLAMATION, 0); });
}

void SelectieSticleWidget::umpleProducatori() {
    // The list holds producer indices 0..14; code 15 has no materials of its own.
    UmpleComboProducatori(producatori_, this, NumarProducatoriExport);
}

void SelectieSticleWidget::schimbaProducator(int index) {
    if (index < 0) return;
    producator_ = index;
    lista_->clear();
    actiune_->setEnabled(false);
}

void SelectieSticleWidget::incarcaLista() {
    lista_->clear();
    std::vector<std::string> linii;
    if (IncarcaListaSticleSubstrat(this, producator_, filtru_, linii) == 0) {
        QList<QTreeWidgetItem*> randuri;
        for (const std::string& l : linii) {
            auto* item = new QTreeWidgetItem(TextQt(l).split(QLatin1Char('\t')));
            item->setData(0, Qt::UserRole, QByteArray::fromStdString(l));
            randuri.push_back(item);
        }
        lista_->addTopLevelItems(randuri);
    }
    actualizeazaActiune();
}

void SelectieSticleWidget::selecteazaTot() {
    lista_->selectAll();
    actualizeazaActiune();
}

void SelectieSticleWidget::inverseazaSelectia() {
    const QSignalBlocker blocare(lista_);
    for (int i = 0; i < lista_->topLevelItemCount(); ++i)
        lista_->topLevelItem(i)->setSelected(!lista_->topLevelItem(i)->isSelected());
    actualizeazaActiune();
    lista_->viewport()->update();
}

void SelectieSticleWidget::actualizeazaActiune() { actiune_->setEnabled(!lista_->selectedItems().isEmpty()); }

std::vector<int> SelectieSticleWidget::randuriSelectate() const {
    std::vector<int> randuri;
    for (int i = 0; i < lista_->topLevelItemCount(); ++i)
        if (lista_->topLevelItem(i)->isSelected()) randuri.push_back(i);
    return randuri;
}

std::vector<std::string> SelectieSticleWidget::liniiSelectate() const {
    std::vector<std::string> linii;
    for (int rand : randuriSelectate()) linii.push_back(TextLinie(lista_->topLevelItem(rand)));
    return linii;
}

std::string SelectieSticleWidget::TextLinie(const QTreeWidgetItem* item) {
    return item ? item->data(0, Qt::UserRole).toByteArray().toStdString() : std::string();
}

std::string SelectieSticleWidget::NumeDinLinie(const QTreeWidgetItem* item) {
    const std::string linie = TextLinie(item);
    return linie.substr(0, linie.find('\t'));
}

}  // namespace vitramor
