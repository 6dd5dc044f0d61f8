#include "database/PuneCategorieDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "database/CategoriiMaterial.h"
#include "database/CitesteIntrareFisierText.h"
#include "database/ListaSticle.h"
#include "platform/CopiereTabelUi.h"
#include "record/CodificareText.h"
#include "fileutil/ListaTextComboUi.h"
#include "settings/Directoare.h"

namespace vitramor {

namespace {

constexpr int LungimeCautare = 15;
constexpr int RolLinie = Qt::UserRole;  // the whole list line of a row, on its first cell

// Rows and search text compared as UTF-8: a substring or a prefix of the
// text on screen is one of its UTF-8 bytes as well.
std::string Utf8(const QString& s) { return s.toUtf8().toStdString(); }

// A record's list line in the form the table keeps it, for finding its row.
std::string CaRandul(const std::string& linie) {
    return Utf8DinWindows1252(linie);
}

template <class T>
T* control(QWidget* dialog, int id) {
    return dialog->findChild<T*>(QString::number(id));
}

void activeaza(QWidget* dialog, int id, bool activ) {
    if (QWidget* w = control<QWidget>(dialog, id)) w->setEnabled(activ);
}

std::vector<std::string> TexteRanduri(const QTableWidget* tabel) {
    std::vector<std::string> randuri;
    randuri.reserve(static_cast<std::size_t>(tabel->rowCount()));
    for (int i = 0; i < tabel->rowCount(); ++i) randuri.push_back(Utf8(tabel->item(i, 0)->data(RolLinie).toString()));
    return randuri;
}

std::vector<bool> Selectate(const QTableWidget* tabel) {
    std::vector<bool> selectate(static_cast<std::size_t>(tabel->rowCount()), false);
    for (const QModelIndex& i : tabel->selectionModel()->selectedRows())
        if (i.row() >= 0 && i.row() < tabel->rowCount()) selectate[static_cast<std::size_t>(i.row())] = true;
    return selectate;
}

// The whole selection in one change, as runs of rows: one signal instead of
// one per row of a large database.
void AplicaSelectate(QTableWidget* tabel, const std::vector<bool>& selectate) {
    QItemSelection selectie;
    const int n = tabel->rowCount();
    const int ultimaColoana = tabel->columnCount() - 1;
    for (int i = 0; i < n;) {
        if (!selectate[static_cast<std::size_t>(i)]) {
            ++i;
            continue;
        }
        int j = i;
        while (j + 1 < n && selectate[static_cast<std::size_t>(j + 1)]) ++j;
        selectie.select(tabel->model()->index(i, 0), tabel->model()->index(j, ultimaColoana));
        i = j + 1;
    }
    tabel->selectionModel()->select(selectie, QItemSelectionModel::ClearAndSelect);
}

// The database's list lines, one row each, their tab-separated parts in the
// columns (name, producer, category), each column as wide as its texts.
void UmpleTabel(QTableWidget* tabel) {
    tabel->setRowCount(0);
    std::vector<LinieSticla> linii;
    if (const RezultatOperatie r = ListeazaSticleInLista(path_sticle, linii); r.esuat()) {
        MesajBox(nullptr, r.motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return;
    }
    tabel->setUpdatesEnabled(false);
    tabel->setRowCount(static_cast<int>(linii.size()));
    for (int r = 0; r < tabel->rowCount(); ++r) {
        const QString linie = TextQt(linii[static_cast<std::size_t>(r)].text);
        const QStringList parti = linie.split(QLatin1Char('\t'));
        for (int c = 0; c < tabel->columnCount(); ++c) {
            auto* celula = new QTableWidgetItem(parti.value(c));
            celula->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            tabel->setItem(r, c, celula);
        }
        tabel->item(r, 0)->setData(RolLinie, linie);
    }
    tabel->resizeColumnsToContents();
    tabel->setUpdatesEnabled(true);
}

}  // namespace

void ActualizeazaButoaneCategorie(QWidget* dialog, int mod, const std::string& textCautare, bool categoriePusa) {
    if (!dialog) return;
    StareCategorie stare;
    stare.mod = mod;
    stare.textCautare = textCautare;
    stare.categoriePusa = categoriePusa;
    if (auto* tabel = control<QTableWidget>(dialog, IdListaMaterialeCategorie))
        stare.randuriSelectate = static_cast<int>(tabel->selectionModel()->selectedRows().size());
    const ButoaneCategorie b = ActualizeazaButoaneCategorie(stare);
    activeaza(dialog, IdButonPuneCategoria, b.puneCategoria);
    activeaza(dialog, IdEditNumeCareContine, b.editCautare);
    activeaza(dialog, IdAlegeRevers, b.revers);
    activeaza(dialog, IdButonDeselecteaza, b.deselecteaza);
    activeaza(dialog, IdButonSelecteaza, b.selecteaza);
}

PuneCategorieDialog::PuneCategorieDialog(QWidget* parent) : QDialog(parent), mod_(FaraSelectie) {
    setWindowTitle(QString::fromLatin1(TitluPuneCategorie));
    auto* asezare = new QHBoxLayout(this);

    construiesteLista();
    asezare->addWidget(lista_, 1);

    auto* dreapta = new QVBoxLayout;
    asezare->addLayout(dreapta);
    auto* eticheta = new QLabel(QStringLiteral("Categorie"), this);
    dreapta->addWidget(eticheta);
    categorii_ = new QComboBox(this);
    categorii_->setObjectName(QString::number(IdComboCategorieDeAtribuit));
    dreapta->addWidget(categorii_);
    eticheta->setBuddy(categorii_);

    auto* pune = new QPushButton(QStringLiteral("Pune categoria"), this);
    pune->setObjectName(QString::number(IdButonPuneCategoria));
    pune->setAutoDefault(false);
    dreapta->addWidget(pune);

    dreapta->addWidget(construiesteSelectia());
    dreapta->addStretch(1);

    auto* randButoane = new QHBoxLayout;
    dreapta->addLayout(randButoane);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(raspuns::IDOK));
    ok->setDefault(true);
    auto* anuleaza = new QPushButton(QStringLiteral("Anuleaza"), this);
    anuleaza->setObjectName(QString::number(raspuns::IDCANCEL));
    anuleaza->setAutoDefault(false);
    for (QPushButton* b : {ok, anuleaza}) randButoane->addWidget(b);

    UmpleTabel(lista_);
    UmpleComboDinFisierText(categorii_, path_sticle, NumeFisierCategorii, true, 0);
    if (categorii_->count() > 0) categorii_->setCurrentIndex(0);
    // The table as wide as its columns, as far as the screen allows.
    lista_->setMinimumWidth(std::min(lista_->horizontalHeader()->length() + lista_->verticalScrollBar()->sizeHint().width() +
                                         2 * lista_->frameWidth(),
                                     600));

    connect(lista_, &QTableWidget::itemSelectionChanged, this, [this] { actualizeaza(); });
    connect(pune, &QPushButton::clicked, this, &PuneCategorieDialog::puneCategoria);
    // The category is in the file as soon as it is put; both buttons only close.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(anuleaza, &QPushButton::clicked, this, &QDialog::reject);
    actualizeaza();
}

void PuneCategorieDialog::construiesteLista() {
    lista_ = new QTableWidget(0, 3, this);
    lista_->setObjectName(QString::number(IdListaMaterialeCategorie));
    lista_->setHorizontalHeaderLabels({QStringLiteral("Nume"), QStringLiteral("Producator"), QStringLiteral("Categorie")});
    lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_->setSelectionMode(QAbstractItemView::MultiSelection);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->verticalHeader()->hide();
    lista_->horizontalHeader()->setStretchLastSection(true);
    PermiteCopiereTabel(lista_);
}

// How the rows are chosen: all, by a text in the name, or the inverse.
QGroupBox* PuneCategorieDialog::construiesteSelectia() {
    auto* grup = new QGroupBox(QStringLiteral("Selecteaza materialele"), this);
    auto* inGrup = new QVBoxLayout(grup);
    auto* alegeri = new QButtonGroup(this);
    const auto alegere = [&](const char* text, int id) {
        auto* r = new QRadioButton(QString::fromLatin1(text), grup);
        r->setObjectName(QString::number(id));
        inGrup->addWidget(r);
        alegeri->addButton(r, id);
    };
    alegere("Tot", IdAlegeTot);
    alegere("Nume care contine", IdAlegeCautare);
    cautare_ = new QLineEdit(grup);
    cautare_->setObjectName(QString::number(IdEditNumeCareContine));
    cautare_->setMaxLength(LungimeCautare);
    inGrup->addWidget(cautare_);
    alegere("Revers", IdAlegeRevers);
    auto* randSelectie = new QHBoxLayout;
    inGrup->addLayout(randSelectie);
    auto* selecteaza = new QPushButton(QStringLiteral("Selecteaza"), grup);
    selecteaza->setObjectName(QString::number(IdButonSelecteaza));
    selecteaza->setAutoDefault(false);
    randSelectie->addWidget(selecteaza);
    auto* deselecteaza = new QPushButton(QStringLiteral("Deselecteaza"), grup);
    deselecteaza->setObjectName(QString::number(IdButonDeselecteaza));
    deselecteaza->setAutoDefault(false);
    randSelectie->addWidget(deselecteaza);
    connect(alegeri, &QButtonGroup::idClicked, this, [this](int id) {
        alegeMod(id == IdAlegeTot ? SelectieTot : id == IdAlegeCautare ? SelectieCautare : SelectieRevers);
    });
    connect(cautare_, &QLineEdit::textChanged, this, [this] { actualizeaza(); });
    connect(selecteaza, &QPushButton::clicked, this, &PuneCategorieDialog::selecteaza);
    connect(deselecteaza, &QPushButton::clicked, this, &PuneCategorieDialog::deselecteaza);
    return grup;
}

void PuneCategorieDialog::alegeMod(int mod) {
    mod_ = mod;
    actualizeaza();
}

void PuneCategorieDialog::actualizeaza() {
    ActualizeazaButoaneCategorie(this, mod_, Utf8(cautare_->text()), pusa_);
}

void PuneCategorieDialog::selecteaza() {
    std::vector<bool> selectate = Selectate(lista_);
    AplicaSelectia(mod_, TexteRanduri(lista_), Utf8(cautare_->text()), selectate);
    AplicaSelectate(lista_, selectate);
    actualizeaza();
}

void PuneCategorieDialog::deselecteaza() {
    lista_->clearSelection();
    actualizeaza();
}

void PuneCategorieDialog::puneCategoria() {
    if (pusa_) return;
    const int categorie = categorii_->currentIndex() < 0 ? -1 : categorii_->currentData().toInt();
    if (categorie < 0) {
        // No category file, so no category to give.
        platforma().beep();
        return;
    }
    RezultatRescriere rezultat;
    if (PuneCategorieMateriale(platforma(), static_cast<QWidget*>(this), path_sticle, TexteRanduri(lista_),
                               Selectate(lista_), categorie, &rezultat, CaRandul) == 1) {
        pusa_ = true;
        UmpleTabel(lista_);
        std::string text = TextCategoriePusa(rezultat.modificate, Windows1252DinQt(categorii_->currentText()));
        if (!rezultat.motiv.empty()) text += "\n" + rezultat.motiv;
        MesajBox(static_cast<QWidget*>(this), text, TitluPuneCategorie, stil::MB_OK | stil::MB_ICONASTERISK);
    } else if (!rezultat.motiv.empty()) {
        MesajBox(static_cast<QWidget*>(this), rezultat.motiv, TitluPuneCategorie, stil::MB_OK | stil::MB_ICONHAND);
    }
    actualizeaza();
}

void ComandaPuneCategorie(QWidget* fereastraPrincipala) {
    PuneCategorieDialog dialog(fereastraPrincipala);
    dialog.exec();
}

}  // namespace vitramor
