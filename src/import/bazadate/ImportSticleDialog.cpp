#include "import/bazadate/ImportSticleDialog.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "fileutil/UtilitatiFisiere.h"
#include "fileutil/AlegereFisier.h"
#include "import/bazadate/ImportBazaDate.h"
#include "record/CodificareText.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"
#include "suite/Vedora.h"
#include "suite/DupaAfisareUi.h"

namespace vitramor {

namespace {

constexpr int LatimeDialog = 300, InaltimeDialog = 200;
constexpr int Coloana = 146;  // width of each half
constexpr int ButonY = 180, ButonCx = 48, ButonCy = 14;
constexpr int MesajDirectorInaccesibil = 9;
constexpr int LungimeMaximaCamp = 259;

QLineEdit* Camp(QWidget* parent, int id, const QString& text, int x) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::number(id));
    e->setMaxLength(LungimeMaximaCamp);
    unitatiDialog().plaseaza(e, x, 7, Coloana - 26, 12);
    return e;
}

QListWidget* Lista(QWidget* parent, int id, int x) {
    auto* l = new QListWidget(parent);
    l->setObjectName(QString::number(id));
    unitatiDialog().plaseaza(l, x, 24, Coloana - 4, ButonY - 30);
    return l;
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ImportSticleDialog::ImportSticleDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Import sticle"));
    setObjectName(QStringLiteral("119"));
    const UnitatiDialog& u = unitatiDialog();
    setFixedSize(u.dimensiune(LatimeDialog, InaltimeDialog));

    sursa_ = Camp(this, IdCampSursaImport, QStringLiteral("Selectati fisier import"), 7);
    QPushButton* alegeSursa = ButonDialog(this, QStringLiteral("..."), IdButonSursaImport, 7 + Coloana - 22, 7, 18, 12);
    destinatie_ = Camp(this, IdCampDestinatieImport, Text(path_sticle), 7 + Coloana);
    QPushButton* alegeDestinatie =
        ButonDialog(this, QStringLiteral("..."), IdButonDestinatieImport, 7 + 2 * Coloana - 22, 7, 18, 12);
    listaSursa_ = Lista(this, IdListaSursaImport, 7);
    listaSursa_->setSelectionMode(QAbstractItemView::MultiSelection);
    listaDestinatie_ = Lista(this, IdListaDestinatieImport, 7 + Coloana);
    sursa_->installEventFilter(this);
    destinatie_->installEventFilter(this);

    importa_ = ButonDialog(this, QStringLiteral("Import"), IdButonImportSticle, 7, ButonY, ButonCx, ButonCy);
    QPushButton* ok = ButonDialog(this, QStringLiteral("OK"), 1, 72, ButonY, ButonCx, ButonCy);
    ButonDialog(this, QStringLiteral("Ajutor"), IdButonAjutorImportSticle, 137, ButonY, ButonCx, ButonCy);
    ok->setDefault(true);

    connect(alegeSursa, &QPushButton::clicked, this, &ImportSticleDialog::alegeSursa);
    connect(alegeDestinatie, &QPushButton::clicked, this, &ImportSticleDialog::alegeDestinatie);
    connect(listaSursa_, &QListWidget::itemSelectionChanged, this,
            [this] { importa_->setEnabled(!listaSursa_->selectedItems().isEmpty()); });
    connect(importa_, &QPushButton::clicked, this, &ImportSticleDialog::importa);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    importa_->setEnabled(false);
    // Reading the database may ask about a damaged file: the question
    // stands over this dialog, not before it.
    LaPrimaAfisare(this, [this] { listeaza(listaDestinatie_, path_sticle, nume_fisier_sticle); });
}

bool ImportSticleDialog::listeaza(QListWidget* lista, const std::string& director, const std::string& fisier) {
    std::vector<std::string> nume;
    if (const RezultatOperatie r = ListeazaBazaDate(director, fisier, nume); r.esuat()) {
        MesajBox(static_cast<QWidget*>(this), r.motiv, TitluImportBazaDate, stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return false;
    }
    lista->clear();
    for (const std::string& n : nume) lista->addItem(Text(Utf8DinWindows1252(n)));
    return true;
}

bool ImportSticleDialog::alege(std::string& director, std::string& fisier) {
    std::string d = director, f = fisier;
    if (AlegeFisierDeschidere(static_cast<QWidget*>(this), tipfisier::MaterialeOptice, d, f) != 0) return false;
    if (!ExistaDirector(d)) {
        eroare(path_help, static_cast<QWidget*>(this), stil::MB_OK | stil::MB_ICONASTERISK, MesajDirectorInaccesibil);
        return false;
    }
    director = d;
    fisier = f;
    return true;
}

void ImportSticleDialog::alegeSursa() {
    std::string director = path_user, fisier = fisierSursa_;
    if (!alege(director, fisier)) return;
    directorSursa_ = director;
    fisierSursa_ = fisier;
    listeaza(listaSursa_, directorSursa_, fisierSursa_);
    sursa_->setText(Text(directorSursa_));
    sursa_->setModified(false);
    sursa_->setFocus();
}

void ImportSticleDialog::alegeDestinatie() {
    std::string director = path_user, fisier = nume_fisier_sticle;
    if (!alege(director, fisier)) return;
    path_sticle = director;
    nume_fisier_sticle = fisier;
    listeaza(listaDestinatie_, path_sticle, nume_fisier_sticle);
    destinatie_->setText(Text(path_sticle));
    destinatie_->setModified(false);
    destinatie_->setFocus();
}

bool ImportSticleDialog::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason) {
        if (o == sursa_ && sursa_->isModified()) {
            sursa_->setModified(false);
            directorSursa_ = sursa_->text().toStdString();
            listeaza(listaSursa_, directorSursa_, fisierSursa_);
        } else if (o == destinatie_ && destinatie_->isModified()) {
            destinatie_->setModified(false);
            path_sticle = destinatie_->text().toStdString();
            listeaza(listaDestinatie_, path_sticle, nume_fisier_sticle);
        }
    }
    return QDialog::eventFilter(o, e);
}

void ImportSticleDialog::importa() {
    std::vector<int> indici;
    for (int i = 0; i < listaSursa_->count(); ++i)
        if (listaSursa_->item(i)->isSelected()) indici.push_back(i);
    if (indici.empty()) return;
    Fereastra owner = static_cast<QWidget*>(this);
    RaporteazaRezultat(owner, TitluImportBazaDate,
                       ImportaDinBazaDate(owner, path_sticle, directorSursa_, fisierSursa_, indici, PoliticaConflict::Intreaba));
    listaSursa_->clearSelection();
    listeaza(listaDestinatie_, path_sticle, nume_fisier_sticle);
}

void ComandaImportSticle(QWidget* fereastraPrincipala) {
    ImportSticleDialog dialog(fereastraPrincipala);
    dialog.exec();
}

}  // namespace vitramor
