#include "editors/RolMaterialDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdio>

#include "suite/ListaTabulatoriUi.h"
#include "editors/RoluriMaterial.h"
#include "record/CodificareText.h"
#include "record/Roluri.h"
#include "record/SetLucru.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"
#include "suite/Vedora.h"

namespace vitramor {

using namespace stil;

namespace {

// The drop-down lists the lines whose second column is 0 or empty.
constexpr int FiltruRoluriOferite = 1;

QString DinFisier(const std::string& s) { return TextQt(s); }

QPushButton* Buton(QWidget* parinte, const char* text, int id) {
    return ButonComanda(parinte, QString::fromLatin1(text), id);
}

}  // namespace

RolMaterialDialog::RolMaterialDialog(QWidget* parent, MaterialOptic& material, int& modificat)
    : QDialog(parent), material_(material), modificat_(modificat), fisier_(FisierAtributeMaterial(material)) {
    setWindowTitle(QString::fromLatin1(TitluDialogRol) +
                   TextQt(material.nume, sizeof material.nume));
    const UnitatiDialog& u = unitatiDialog();

    lista_ = new QListWidget(this);
    lista_->setObjectName(QString::number(idRolMaterial::Lista));
    u.plaseaza(lista_, 7, 7, 247, 70);
    SeteazaTabulatoriLista(lista_, u, {60, 120, 180});

    auto* eticheta = new QLabel(QStringLiteral("Rol"), this);
    u.plaseaza(eticheta, 7, 86, 18, 8);
    roluriFisier_ = new QComboBox(this);
    roluriFisier_->setObjectName(QString::number(idRolMaterial::Roluri));
    u.plaseaza(roluriFisier_, 27, 84, 117, 12);
    eticheta->setBuddy(roluriFisier_);

    auto* adauga = Buton(this, "Adauga", idRolMaterial::Adauga);
    u.plaseaza(adauga, 150, 83, 32, 14);
    auto* reset = Buton(this, "Reset", idRolMaterial::Reset);
    u.plaseaza(reset, 186, 83, 32, 14);
    auto* sterge = Buton(this, "Sterge", idRolMaterial::Sterge);
    u.plaseaza(sterge, 222, 83, 32, 14);

    auto* etichetaDescriere = new QLabel(QStringLiteral("Descriere rol"), this);
    u.plaseaza(etichetaDescriere, 7, 104, 100, 8);
    descriere_ = new QPlainTextEdit(this);
    descriere_->setObjectName(QString::number(idRolMaterial::Descriere));
    descriere_->setReadOnly(true);
    u.plaseaza(descriere_, 7, 114, 247, 58);

    auto* ok = Buton(this, "OK", raspuns::IDOK);
    ok->setDefault(true);
    u.plaseaza(ok, 7, 180, 50, 14);
    auto* cancel = Buton(this, "Cancel", raspuns::IDCANCEL);
    u.plaseaza(cancel, 105, 180, 50, 14);
    auto* ajutor = Buton(this, "Ajutor", idRolMaterial::Ajutor);
    u.plaseaza(ajutor, 204, 180, 50, 14);
    u.plaseaza(this, 0, 0, 261, 201);
    setFixedSize(size());

    for (const IntrareListaText& rol : RoluriOferite(path_sticle, fisier_, FiltruRoluriOferite))
        roluriFisier_->addItem(DinFisier(rol.text), rol.numar);
    roluriFisier_->setCurrentIndex(-1);
    reumpleLista();

    connect(roluriFisier_, &QComboBox::activated, this, &RolMaterialDialog::alegeRol);
    connect(adauga, &QPushButton::clicked, this, &RolMaterialDialog::adauga);
    connect(reset, &QPushButton::clicked, this, &RolMaterialDialog::reseteaza);
    connect(sterge, &QPushButton::clicked, this, &RolMaterialDialog::sterge);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ajutor, &QPushButton::clicked, this,
            [this] { eroare(path_help, this, MB_ICONEXCLAMATION, 0); });
}

std::uint32_t RolMaterialDialog::roluri() const { return CitesteCuvantRoluri(material_); }

void RolMaterialDialog::seteazaRoluri(std::uint32_t cuvant) {
    ScrieCuvantRoluri(material_, cuvant);
    modificat_ = 1;
    reumpleLista();
}

void RolMaterialDialog::reumpleLista() {
    lista_->clear();
    for (const std::string& linie : LiniiListaRoluri(path_sticle, fisier_, roluri())) lista_->addItem(DinFisier(linie));
    lista_->setCurrentRow(-1);
    lista_->clearSelection();
}

void RolMaterialDialog::alegeRol(int index) {
    if (index < 0) return;
    candidat_ = roluriFisier_->itemData(index).toInt();
    std::string text;
    DescriereRol(path_sticle, fisier_, candidat_, text);
    descriere_->setPlainText(DinFisier(text));
}

void RolMaterialDialog::adauga() {
    std::uint32_t cuvant = roluri();
    if (AdaugaRol(cuvant, candidat_, this)) seteazaRoluri(cuvant);
}

void RolMaterialDialog::reseteaza() {
    if (MesajBox(this, "Stergeti rolurile materialului ?", "", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != raspuns::IDYES) return;
    seteazaRoluri(0);
}

void RolMaterialDialog::sterge() {
    const QList<QListWidgetItem*> selectate = lista_->selectedItems();
    if (selectate.isEmpty()) {
        MesajBox(this, "Mai intai selectati un rol din lista", "", MB_OK);
        return;
    }
    const std::vector<int> sloturi = SloturiListaRoluri(roluri());
    const int rand = lista_->row(selectate.front());
    const int pozitie = rand >= 0 && rand < static_cast<int>(sloturi.size()) ? sloturi[static_cast<std::size_t>(rand)] : -1;
    if (pozitie < 0) {  // the line of a free slot: no role to remove
        MesajBox(this, "Mai intai selectati un rol din lista", "", MB_OK);
        return;
    }
    const std::string text = Windows1252DinQt(selectate.front()->text());
    char intrebare[300];
    std::snprintf(intrebare, sizeof intrebare, "Stergeti rolul \" %s \" ?", text.c_str());
    if (MesajBox(this, intrebare, "", MB_YESNO | MB_DEFBUTTON2) != raspuns::IDYES) return;
    std::uint32_t cuvant = roluri();
    StergeRol(cuvant, pozitie);
    seteazaRoluri(cuvant);
}

void ComandaRolMaterial(QWidget* fereastraPrincipala) {
    SetLucru& set = setLucru();
    if (set.gol()) return;
    RolMaterialDialog dialog(fereastraPrincipala, set.curent(), set.modificat);
    dialog.exec();
}

}  // namespace vitramor
