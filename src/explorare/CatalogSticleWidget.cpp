#include "explorare/CatalogSticleWidget.h"

#include "platform/CopiereTabelUi.h"
#include "record/CodificareText.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "database/CitesteIntrareFisierText.h"
#include "platform/DepozitSetari.h"
#include "platform/Platforma.h"
#include "settings/Directoare.h"
#include "database/Recuperare.h"

namespace vitramor {

namespace {

// Several writes make one change: an archive copy, the temporary file and
// the rename each touch the directory.
constexpr int IntarziereReincarcareMs = 150;

QString Text(const std::string& windows1252) { return TextQt(windows1252); }

// Enter on a row opens it, as a double-click does.
class TabelCatalog final : public QTableView {
public:
    using QTableView::QTableView;
    std::function<void(const QModelIndex&)> laEnter;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && currentIndex().isValid() && laEnter) {
            laEnter(currentIndex());
            return;
        }
        QTableView::keyPressEvent(e);
    }
};

}  // namespace

CatalogSticleWidget::CatalogSticleWidget(QWidget* parent, DeschideMaterial deschide)
    : QWidget(parent), deschide_(std::move(deschide)) {
    setObjectName(QString::fromLatin1(NumePanouCatalog));
    model_ = new ModelCatalogSticle(this);

    filtru_ = new QLineEdit(this);
    filtru_->setObjectName(QStringLiteral("filtruNume"));
    filtru_->setPlaceholderText(QStringLiteral("Nume (* ?)"));
    filtru_->setClearButtonEnabled(true);
    producator_ = new QComboBox(this);
    producator_->setObjectName(QStringLiteral("filtruProducator"));
    categorie_ = new QComboBox(this);
    categorie_->setObjectName(QStringLiteral("filtruCategorie"));
    categorie_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    categorie_->setMinimumContentsLength(10);

    auto* tabel = new TabelCatalog(this);
    tabel->laEnter = [this](const QModelIndex& i) { this->deschide(i); };
    tabel_ = tabel;
    tabel_->setObjectName(QStringLiteral("tabelCatalog"));
    tabel_->setModel(model_);
    PermiteCopiereTabel(tabel_);
    // File order until the user picks a column.
    tabel_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    tabel_->setSortingEnabled(true);
    tabel_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabel_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabel_->setWordWrap(false);
    // Fixed row heights: the view never measures 100,000 rows.
    tabel_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabel_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    tabel_->verticalHeader()->hide();
    tabel_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    aplicaLatimi();
    connect(tabel_->horizontalHeader(), &QHeaderView::sectionResized, this, &CatalogSticleWidget::pastreazaLatimi);
    connect(tabel_, &QAbstractItemView::doubleClicked, this, &CatalogSticleWidget::deschide);
    connect(tabel_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& i) {
        if (i.isValid() && i.row() < model_->rowCount()) {
            const RezumatMaterial& r = model_->rand(i.row());
            Q_EMIT materialAles(r.index, Text(r.numeText()));
        }
    });

    stare_ = new QLabel(this);
    stare_->setObjectName(QStringLiteral("stareCatalog"));

    auto* filtre = new QHBoxLayout;
    filtre->addWidget(filtru_, 2);
    filtre->addWidget(producator_, 1);
    filtre->addWidget(categorie_, 1);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(2, 2, 2, 2);
    l->addLayout(filtre);
    l->addWidget(tabel_, 1);
    l->addWidget(stare_);

    connect(filtru_, &QLineEdit::textChanged, this, &CatalogSticleWidget::aplicaFiltru);
    connect(producator_, &QComboBox::currentIndexChanged, this, &CatalogSticleWidget::aplicaFiltru);
    connect(categorie_, &QComboBox::currentIndexChanged, this, &CatalogSticleWidget::aplicaFiltru);

    urmaritor_ = new QFileSystemWatcher(this);
    intarziere_ = new QTimer(this);
    intarziere_->setSingleShot(true);
    intarziere_->setInterval(IntarziereReincarcareMs);
    connect(intarziere_, &QTimer::timeout, this, &CatalogSticleWidget::verificaSchimbari);
    connect(urmaritor_, &QFileSystemWatcher::fileChanged, intarziere_, qOverload<>(&QTimer::start));
    connect(urmaritor_, &QFileSystemWatcher::directoryChanged, intarziere_, qOverload<>(&QTimer::start));

    reincarca();
}

// Wide enough for the header and a long typical value at the font in use.
void CatalogSticleWidget::aplicaLatimi() {
    const QFontMetrics fm = tabel_->fontMetrics();
    const char* const mostre[coloanaCatalog::Numar] = {"CORNING 7980W", "Saint Gobain", "Fluorura de evaporare",
                                                       "1.516800", "106.22", "0.5349", "1000 - 20000",
                                                       "x", "x", "nk", "x"};
    const std::optional<std::string> pastrate = platforma().setari().citesteText(CheieSetari, ValoareLatimi);
    const QStringList p = pastrate ? QString::fromStdString(*pastrate).split(QLatin1Char(',')) : QStringList();
    const QSignalBlocker b(tabel_->horizontalHeader());
    for (int c = 0; c < coloanaCatalog::Numar; ++c) {
        const QString antet = model_->headerData(c, Qt::Horizontal).toString();
        int latime = std::max(fm.horizontalAdvance(QString::fromLatin1(mostre[c])) + 10, fm.horizontalAdvance(antet) + 16);
        if (c < p.size() && p[c].toInt() > 8) latime = p[c].toInt();
        tabel_->setColumnWidth(c, latime);
    }
}

void CatalogSticleWidget::pastreazaLatimi() {
    QStringList l;
    for (int c = 0; c < coloanaCatalog::Numar; ++c) l << QString::number(tabel_->columnWidth(c));
    platforma().setari().scrieText(CheieSetari, ValoareLatimi, l.join(QLatin1Char(',')).toStdString());
}

void CatalogSticleWidget::urmaresteFisierul() {
    if (!urmaritor_->files().isEmpty()) urmaritor_->removePaths(urmaritor_->files());
    if (!urmaritor_->directories().isEmpty()) urmaritor_->removePaths(urmaritor_->directories());
    const QString fisier = QString::fromStdString(cale_);
    const QString director = QFileInfo(fisier).absolutePath();
    // The directory tells of a file replaced through a rename, which a watch
    // on the old file would miss.
    if (QFileInfo::exists(director)) urmaritor_->addPath(director);
    if (QFileInfo::exists(fisier)) urmaritor_->addPath(fisier);
}

void CatalogSticleWidget::reincarca() {
    cale_ = CaleBazaDate(path_sticle);
    amprenta_ = AmprentaFisier(cale_);
    std::vector<std::string> categorii;
    CitesteIntrariFisierText(path_sticle, NumeFisierCategorii, categorii);
    for (std::string& c : categorii)
        if (const auto tab = c.find('\t'); tab != std::string::npos) c.resize(tab);

    NumeProducatori nume(path_sticle);

    // The combo boxes keep their choice by code across a reload.
    const int producatorAles = producator_->currentData().isValid() ? producator_->currentData().toInt() : -1;
    const int categorieAleasa = categorie_->currentData().isValid() ? categorie_->currentData().toInt() : -1;
    {
        const QSignalBlocker b1(producator_), b2(categorie_);
        producator_->clear();
        producator_->addItem(QStringLiteral("Toti producatorii"), -1);
        for (int cod = 0; cod < 16; ++cod) producator_->addItem(Text(nume.nume(static_cast<std::uint16_t>(cod))), cod);
        producator_->setCurrentIndex(std::max(0, producator_->findData(producatorAles)));
        categorie_->clear();
        categorie_->addItem(QStringLiteral("Toate categoriile"), -1);
        for (std::size_t i = 0; i < categorii.size(); ++i) categorie_->addItem(Text(categorii[i]), static_cast<int>(i));
        categorie_->setCurrentIndex(std::max(0, categorie_->findData(categorieAleasa)));
    }
    CitireRezumat r;
    model_->reumple([&](std::vector<RezumatMaterial>& randuri) { r = CitesteRezumatCatalog(cale_, randuri); },
                    std::move(categorii), std::move(nume));
    aplicaFiltru();
    if (!r.ok) stare_->setText(Text(r.eroare).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    urmaresteFisierul();
}

void CatalogSticleWidget::verificaSchimbari() {
    if (CaleBazaDate(path_sticle) != cale_ || AmprentaFisier(CaleBazaDate(path_sticle)) != amprenta_) reincarca();
}

void CatalogSticleWidget::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) verificaSchimbari();
}

void CatalogSticleWidget::aplicaFiltru() {
    model_->seteazaFiltru(Windows1252DinQt(filtru_->text()), producator_->currentData().toInt(),
                          categorie_->currentData().toInt());
    stare_->setText(QStringLiteral("%1 / %2 materiale").arg(model_->rowCount()).arg(model_->toate().size()));
}

void CatalogSticleWidget::deschide(const QModelIndex& index) {
    if (!index.isValid() || !deschide_) return;
    deschide_(model_->rand(index.row()).numeText());
}

}  // namespace vitramor
