#include "import/text/ImportCatalogTextDialog.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <filesystem>

#include "database/CategorieImportDialog.h"
#include "fileutil/AlegereFisier.h"
#include "suite/LucruInFundalUi.h"
#include "import/text/CatalogText.h"
#include "record/CodificareText.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"
#include "suite/ListaTabulatoriUi.h"
#include "suite/DupaAfisareUi.h"
#include "suite/Vedora.h"

namespace vitramor {

namespace {

constexpr int LatimeDialog = 260, InaltimeDialog = 200;
constexpr int ButonY = 180, ButonCx = 48, ButonCy = 14;
constexpr int MesajCaleGoala = 10;
constexpr int LungimeMaximaCampCale = 259;

}  // namespace

ImportCatalogTextDialog::ImportCatalogTextDialog(QWidget* parent, int cod, std::function<void()> dupaImport,
                                                 SetLucru& set)
    : QDialog(parent), cod_(cod), dupaImport_(std::move(dupaImport)), set_(set), cale_(CaleCatalogText(path_sticle, cod)) {
    setWindowTitle(QStringLiteral("Importa sticle din fisier text"));
    setObjectName(QStringLiteral("ImportCatalogText"));
    const UnitatiDialog& u = unitatiDialog();
    setFixedSize(u.dimensiune(LatimeDialog, InaltimeDialog));

    auto* eticheta = new QLabel(QStringLiteral("Fisier"), this);
    u.plaseaza(eticheta, 7, 9, 24, 10);
    camp_ = new QLineEdit(QString::fromStdString(cale_), this);
    camp_->setObjectName(QString::number(IdCaleCatalogText));
    camp_->setMaxLength(LungimeMaximaCampCale);
    u.plaseaza(camp_, 32, 7, LatimeDialog - 62, 12);
    camp_->installEventFilter(this);
    QPushButton* alege = ButonDialog(this, QStringLiteral("..."), IdButonAlegeCatalogText, LatimeDialog - 27, 7, 20, 12);

    lista_ = new QListWidget(this);
    lista_->setObjectName(QString::number(IdListaCatalogText));
    lista_->setSelectionMode(QAbstractItemView::MultiSelection);
    u.plaseaza(lista_, 7, 24, LatimeDialog - 14, ButonY - 2 * ButonCy - 32);
    SeteazaTabulatoriLista(lista_, {50, 80});

    constexpr int RandSelectie = ButonY - ButonCy - 4;
    QPushButton* incarca =
        ButonDialog(this, QStringLiteral("Incarca sticle"), IdButonIncarcaSticle, 7, RandSelectie, ButonCx + 10, ButonCy);
    QPushButton* tot =
        ButonDialog(this, QStringLiteral("Select all"), IdButonSelecteazaTot, 72, RandSelectie, ButonCx, ButonCy);
    importa_ = ButonDialog(this, QStringLiteral("Importa"), IdButonImportaText, 7, ButonY, ButonCx, ButonCy);
    QPushButton* ok = ButonDialog(this, QStringLiteral("OK"), 1, 72, ButonY, ButonCx, ButonCy);
    QPushButton* ajutor = ButonDialog(this, QStringLiteral("Ajutor"), IdButonAjutorText, 137, ButonY, ButonCx, ButonCy);
    ok->setDefault(true);

    connect(alege, &QPushButton::clicked, this, &ImportCatalogTextDialog::alegeFisier);
    connect(incarca, &QPushButton::clicked, this, [this] {
        incarcaLista();
        importa_->setEnabled(false);
    });
    connect(tot, &QPushButton::clicked, this, [this] {
        lista_->selectAll();
        importa_->setEnabled(lista_->count() > 0);
    });
    connect(lista_, &QListWidget::itemSelectionChanged, this,
            [this] { importa_->setEnabled(!lista_->selectedItems().isEmpty()); });
    connect(importa_, &QPushButton::clicked, this, &ImportCatalogTextDialog::importa);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    (void)ajutor;  // the help of this dialog was never written

    // The list of the usual file is there as soon as the dialog is, when
    // the file is; a missing one is no error before the user has even seen
    // the dialog, and a bad one is reported over it.
    importa_->setEnabled(false);
    LaPrimaAfisare(this, [this] {
        std::error_code eroareFs;
        const std::string sursa = cod_ == CodCatalogPilkington ? DirectorPilkington(path_sticle) : cale_;
        if (!sursa.empty() && std::filesystem::exists(sursa, eroareFs)) incarcaLista();
    });
}

bool ImportCatalogTextDialog::incarcaLista() {
    std::vector<IntrareCatalogText> intrari;
    const std::string sursa = cod_ == CodCatalogPilkington ? DirectorPilkington(path_sticle) : cale_;
    if (const RezultatOperatie r = ListeazaFisierCatalogText(cod_, sursa, intrari); r.esuat()) {
        MesajBox(static_cast<QWidget*>(this), r.motiv, "", stil::MB_OK);
        camp_->setFocus();
        camp_->selectAll();
        return false;
    }
    const QSignalBlocker blocare(lista_);
    lista_->clear();
    for (const IntrareCatalogText& e : intrari) {
        auto* item = new QListWidgetItem(QString::fromStdString(Utf8DinWindows1252(e.text())), lista_);
        item->setData(Qt::UserRole, e.linie);  // the entry imports the line it shows
    }
    return true;
}

void ImportCatalogTextDialog::golesteSelectia() {
    lista_->clearSelection();
    importa_->setEnabled(false);
}

bool ImportCatalogTextDialog::eventFilter(QObject* o, QEvent* e) {
    if (o == camp_ && e->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason && camp_->isModified())
        preiaCale();
    return QDialog::eventFilter(o, e);
}

void ImportCatalogTextDialog::preiaCale() {
    camp_->setModified(false);
    cale_ = camp_->text().toStdString();
    if (cale_.empty()) eroare(path_help, static_cast<QWidget*>(this), stil::MB_OK | stil::MB_ICONEXCLAMATION, MesajCaleGoala);
    golesteSelectia();
}

void ImportCatalogTextDialog::alegeFisier() {
    const std::filesystem::path p(cale_);
    std::string director = p.parent_path().string();
    std::string nume = p.filename().string();
    if (AlegeFisierDeschidere(static_cast<QWidget*>(this), tipfisier::Text, director, nume) != 0) return;
    cale_ = (std::filesystem::path(director) / nume).string();
    camp_->setText(QString::fromStdString(cale_));
    camp_->setModified(false);
    golesteSelectia();
}

void ImportCatalogTextDialog::importa() {
    if (set_.gol()) return;
    std::vector<int> linii;
    for (const QListWidgetItem* item : lista_->selectedItems()) linii.push_back(item->data(Qt::UserRole).toInt());
    if (linii.empty()) return;
    const int categorie = AlegeCategorieImport(this, path_sticle);
    if (categorie == -2) return;
    const std::string sursa = cod_ == CodCatalogPilkington ? DirectorPilkington(path_sticle) : cale_;
    RezultatOperatie r;
    MaterialOptic& lucru = set_.curent();
    Fereastra owner = static_cast<QWidget*>(this);
    RuleazaCuProgres(this, QStringLiteral("Import catalog"), [&](Progres& progres) {
        r = ImportaFisierCatalogText(cod_, sursa, linii, lucru, owner, path_sticle, PoliticaConflict::Intreaba, categorie, progres);
    });
    RaporteazaRezultat(owner, TitluImportCatalogText, r);
    golesteSelectia();
    if (dupaImport_) dupaImport_();
}

void ComandaImportCatalogText(QWidget* fereastraPrincipala, int cod, std::function<void()> dupaImport) {
    if (setLucru().gol()) return;
    ImportCatalogTextDialog dialog(fereastraPrincipala, cod, std::move(dupaImport));
    dialog.exec();
}

}  // namespace vitramor
