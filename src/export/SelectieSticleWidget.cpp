#include "export/SelectieSticleWidget.h"
#include "record/CodificareText.h"
#include "database/ProducatoriComboUi.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <initializer_list>

#include "export/ExportSubstrat.h"
#include "platform/CopiereTabelUi.h"
#include "record/TexteMaterial.h"
#include "settings/Directoare.h"
#include "database/CatalogMateriale.h"
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
    auto* asezare = new QVBoxLayout(this);
    asezare->addLayout(construiesteFiltrul());
    construiesteLista();
    asezare->addWidget(lista_, 1);

    auto* selectie = new QHBoxLayout;
    asezare->addLayout(selectie);
    auto* tot = Buton(this, "Selecteaza tot", idSelectieSticle::SelectAll);
    auto* invers = Buton(this, "Inverseaza selectia", idSelectieSticle::SelectRevers);
    actiune_ = Buton(this, textActiune, idActiune);
    for (QPushButton* b : {tot, invers, actiune_}) selectie->addWidget(b);
    selectie->addStretch(1);

    auto* jos = new QHBoxLayout;
    asezare->addLayout(jos);
    jos->addStretch(1);
    auto* ok = Buton(this, "OK", raspuns::IDOK);
    auto* cancel = Buton(this, "Anuleaza", raspuns::IDCANCEL);
    auto* ajutor = Buton(this, "Ajutor", idSelectieSticle::Ajutor);
    for (QPushButton* b : {ok, cancel, ajutor}) jos->addWidget(b);

    umpleProducatori();
    if (producator_ < producatori_->count()) producatori_->setCurrentIndex(producator_);
    actiune_->setEnabled(false);

    connect(producatori_, &QComboBox::currentIndexChanged, this, &SelectieSticleWidget::schimbaProducator);
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
    // The current producer's materials are there from the start.
    incarcaLista();
}

// The producer, the name filter and the button that loads their list.
QHBoxLayout* SelectieSticleWidget::construiesteFiltrul() {
    auto* sus = new QHBoxLayout;
    auto* etichetaProducator = new QLabel(QStringLiteral("Producator"), this);
    producatori_ = new QComboBox(this);
    producatori_->setObjectName(QString::number(idSelectieSticle::Producator));
    etichetaProducator->setBuddy(producatori_);
    auto* etichetaNume = new QLabel(QStringLiteral("Nume sticla"), this);
    numeSticla_ = new QLineEdit(QStringLiteral("*"), this);
    numeSticla_->setObjectName(QString::number(idSelectieSticle::NumeSticla));
    numeSticla_->setMaxLength(static_cast<int>(LungimeMaximaFiltru));
    numeSticla_->setToolTip(QStringLiteral("* si ? ca in numele de fisiere; Enter incarca lista"));
    etichetaNume->setBuddy(numeSticla_);
    auto* incarca = Buton(this, "Incarca lista", idSelectieSticle::IncarcaLista);
    for (QWidget* w : std::initializer_list<QWidget*>{etichetaProducator, producatori_, etichetaNume, numeSticla_, incarca})
        sus->addWidget(w);
    sus->addStretch(1);
    // The filter counts once the user leaves the field, not at every key;
    // Enter also shows what it selects.
    connect(numeSticla_, &QLineEdit::editingFinished, this,
            [this] { filtru_ = Windows1252DinQt(numeSticla_->text()); });
    connect(numeSticla_, &QLineEdit::returnPressed, this, [this] {
        filtru_ = Windows1252DinQt(numeSticla_->text());
        incarcaLista();
    });
    connect(incarca, &QPushButton::clicked, this, &SelectieSticleWidget::incarcaLista);
    return sus;
}

void SelectieSticleWidget::construiesteLista() {
    lista_ = new QTreeWidget(this);
    PermiteCopiereTabel(lista_);
    lista_->setObjectName(QString::number(idSelectieSticle::Lista));
    lista_->setSelectionMode(QAbstractItemView::MultiSelection);
    lista_->setRootIsDecorated(false);
    lista_->setUniformRowHeights(true);
    lista_->setHeaderLabels({QStringLiteral("Nume"), QStringLiteral("Cod"), QStringLiteral("nd"),
                             QStringLiteral("Categorie")});
    // Room for a name of 15 characters, a code like 517642.251 and nd to
    // five decimals; a longer value widens only its own column.
    const QFontMetrics fm = lista_->fontMetrics();
    const char* mostre[] = {"MMMMMMMMMMMM", "517642.251", "1.888888"};
    int latime = 0;
    for (int c = 0; c < 3; ++c) {
        lista_->setColumnWidth(c, fm.horizontalAdvance(QString::fromLatin1(mostre[c])) + 16);
        latime += lista_->columnWidth(c);
    }
    lista_->setMinimumSize(latime + fm.horizontalAdvance(QStringLiteral("Categorie")) + 40, fm.height() * 12);
}

void SelectieSticleWidget::umpleProducatori() {
    // The list holds producer indices 0..14; code 15 has no materials of its own.
    UmpleComboProducatori(producatori_, this, NumarProducatoriExport);
}

// A list of another producer's materials is no choice for this one: the
// new producer's list takes its place.
void SelectieSticleWidget::schimbaProducator(int index) {
    if (index < 0) return;
    producator_ = index;
    incarcaLista();
}

void SelectieSticleWidget::incarcaLista() {
    lista_->clear();
    std::vector<std::string> linii;
    std::string motiv;
    if (IncarcaListaSticleSubstrat(this, path_sticle, producator_, filtru_, linii, motiv) != 0) {
        MesajBox(this, motiv, "Eroare", stil::MB_OK | stil::MB_ICONHAND);
    } else {
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
