#include "database/PuneCategorieDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "database/CategoriiMaterial.h"
#include "database/CitesteIntrareFisierText.h"
#include "database/ListaSticleUi.h"
#include "record/CodificareText.h"
#include "suite/ListaTabulatoriUi.h"
#include "fileutil/ListaTextComboUi.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"

namespace vitramor {

namespace {

constexpr int IdAjutor = 1023;
constexpr int LungimeCautare = 15;

// Rows and search text compared as UTF-8: a substring or a prefix of the
// text on screen is one of its UTF-8 bytes as well.
std::string Utf8(const QString& s) { return s.toUtf8().toStdString(); }

// A record's list line in the form the list shows it, for finding its row.
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

std::vector<std::string> TexteRanduri(const QListWidget* lista) {
    std::vector<std::string> randuri;
    randuri.reserve(static_cast<std::size_t>(lista->count()));
    for (int i = 0; i < lista->count(); ++i) randuri.push_back(Utf8(lista->item(i)->text()));
    return randuri;
}

std::vector<bool> Selectate(const QListWidget* lista) {
    std::vector<bool> selectate(static_cast<std::size_t>(lista->count()), false);
    for (const QModelIndex& i : lista->selectionModel()->selectedIndexes())
        if (i.row() >= 0 && i.row() < lista->count()) selectate[static_cast<std::size_t>(i.row())] = true;
    return selectate;
}

// The whole selection in one change, as runs of rows: one signal instead of
// one per row of a large database.
void AplicaSelectate(QListWidget* lista, const std::vector<bool>& selectate) {
    QItemSelection selectie;
    const int n = lista->count();
    for (int i = 0; i < n;) {
        if (!selectate[static_cast<std::size_t>(i)]) {
            ++i;
            continue;
        }
        int j = i;
        while (j + 1 < n && selectate[static_cast<std::size_t>(j + 1)]) ++j;
        selectie.select(lista->model()->index(i, 0), lista->model()->index(j, 0));
        i = j + 1;
    }
    lista->selectionModel()->select(selectie, QItemSelectionModel::ClearAndSelect);
}

}  // namespace

void ActualizeazaButoaneCategorie(QWidget* dialog, int mod, const std::string& textCautare, bool categoriePusa) {
    if (!dialog) return;
    StareCategorie stare;
    stare.mod = mod;
    stare.textCautare = textCautare;
    stare.categoriePusa = categoriePusa;
    if (auto* lista = control<QListWidget>(dialog, IdListaMaterialeCategorie))
        stare.randuriSelectate = static_cast<int>(lista->selectionModel()->selectedIndexes().size());
    const ButoaneCategorie b = ActualizeazaButoaneCategorie(stare);
    activeaza(dialog, IdButonPuneCategoria, b.puneCategoria);
    activeaza(dialog, IdEditNumeCareContine, b.editCautare);
    activeaza(dialog, IdAlegeRevers, b.revers);
    activeaza(dialog, IdButonDeselecteaza, b.deselecteaza);
    activeaza(dialog, IdButonSelecteaza, b.selecteaza);
}

PuneCategorieDialog::PuneCategorieDialog(QWidget* parent) : QDialog(parent), mod_(FaraSelectie) {
    setWindowTitle(QStringLiteral("Pune categorie material optic"));
    const UnitatiDialog& u = unitatiDialog();

    lista_ = new QListWidget(this);
    lista_->setObjectName(QString::number(IdListaMaterialeCategorie));
    lista_->setSelectionMode(QAbstractItemView::MultiSelection);
    u.plaseaza(lista_, 7, 7, 290, 174);
    SeteazaTabulatoriLista(lista_, {70, 150, 210});
    SeteazaAntetLista(lista_, {QStringLiteral("Nume"), QStringLiteral("Producator"), QStringLiteral("Categorie")});

    auto* eticheta = new QLabel(QStringLiteral("Categorie"), this);
    u.plaseaza(eticheta, 305, 7, 120, 8);
    categorii_ = new QComboBox(this);
    categorii_->setObjectName(QString::number(IdComboCategorieDeAtribuit));
    u.plaseaza(categorii_, 305, 17, 120, 12);
    eticheta->setBuddy(categorii_);

    auto* pune = new QPushButton(QStringLiteral("Pune categoria"), this);
    pune->setObjectName(QString::number(IdButonPuneCategoria));
    pune->setAutoDefault(false);
    u.plaseaza(pune, 305, 34, 120, 14);

    auto* grup = new QGroupBox(QStringLiteral("Selecteaza materialele"), this);
    u.plaseaza(grup, 305, 56, 120, 100);
    auto* alegeri = new QButtonGroup(this);
    const auto alegere = [&](const char* text, int id, int y) {
        auto* r = new QRadioButton(QString::fromLatin1(text), this);
        r->setObjectName(QString::number(id));
        u.plaseaza(r, 312, y, 108, 10);
        alegeri->addButton(r, id);
    };
    alegere("Tot", IdAlegeTot, 68);
    alegere("Nume care contine", IdAlegeCautare, 82);
    cautare_ = new QLineEdit(this);
    cautare_->setObjectName(QString::number(IdEditNumeCareContine));
    cautare_->setMaxLength(LungimeCautare);
    u.plaseaza(cautare_, 322, 94, 96, 12);
    alegere("Revers", IdAlegeRevers, 110);

    auto* selecteaza = new QPushButton(QStringLiteral("Selecteaza"), this);
    selecteaza->setObjectName(QString::number(IdButonSelecteaza));
    selecteaza->setAutoDefault(false);
    u.plaseaza(selecteaza, 312, 128, 52, 14);
    auto* deselecteaza = new QPushButton(QStringLiteral("Deselecteaza"), this);
    deselecteaza->setObjectName(QString::number(IdButonDeselecteaza));
    deselecteaza->setAutoDefault(false);
    u.plaseaza(deselecteaza, 367, 128, 52, 14);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(raspuns::IDOK));
    ok->setDefault(true);
    u.plaseaza(ok, 305, 167, 38, 14);
    auto* anuleaza = new QPushButton(QStringLiteral("Cancel"), this);
    anuleaza->setObjectName(QString::number(raspuns::IDCANCEL));
    anuleaza->setAutoDefault(false);
    u.plaseaza(anuleaza, 346, 167, 38, 14);
    auto* ajutor = new QPushButton(QStringLiteral("Ajutor"), this);
    ajutor->setObjectName(QString::number(IdAjutor));
    ajutor->setAutoDefault(false);
    u.plaseaza(ajutor, 387, 167, 38, 14);
    u.plaseaza(this, 0, 0, 432, 188);
    setFixedSize(size());

    ListeazaSticleInLista(lista_);
    UmpleComboDinFisierText(categorii_, path_sticle, NumeFisierCategorii, true, 0);
    if (categorii_->count() > 0) categorii_->setCurrentIndex(0);

    connect(alegeri, &QButtonGroup::idClicked, this, [this](int id) {
        alegeMod(id == IdAlegeTot ? SelectieTot : id == IdAlegeCautare ? SelectieCautare : SelectieRevers);
    });
    connect(cautare_, &QLineEdit::textChanged, this, [this] { actualizeaza(); });
    connect(lista_, &QListWidget::itemSelectionChanged, this, [this] { actualizeaza(); });
    connect(pune, &QPushButton::clicked, this, &PuneCategorieDialog::puneCategoria);
    connect(selecteaza, &QPushButton::clicked, this, &PuneCategorieDialog::selecteaza);
    connect(deselecteaza, &QPushButton::clicked, this, &PuneCategorieDialog::deselecteaza);
    // The category is in the file as soon as it is put; both buttons only close.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(anuleaza, &QPushButton::clicked, this, &QDialog::reject);
    // "Ajutor" has no help page behind it.
    actualizeaza();
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
    if (PuneCategorieMateriale(static_cast<QWidget*>(this), TexteRanduri(lista_), Selectate(lista_), categorie,
                               nullptr, CaRandul) == 1) {
        pusa_ = true;
        ListeazaSticleInLista(lista_);
    }
    actualizeaza();
}

void ComandaPuneCategorie(QWidget* fereastraPrincipala) {
    PuneCategorieDialog dialog(fereastraPrincipala);
    dialog.exec();
}

}  // namespace vitramor
