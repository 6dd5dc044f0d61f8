#include "editors/RolMaterialDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>

#include "material/RoluriMaterial.h"
#include "record/CodificareText.h"
#include "record/Roluri.h"
#include "record/SetLucru.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"
#include "suite/Vedora.h"
#include "record/TextFormatat.h"

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
    setWindowTitle(QString::fromLatin1(EsteMaterialEvaporare(material) ? TitluDialogRol : TitluDialogRolSubstrat) +
                   TextQt(material.nume, sizeof material.nume));
    auto* asezare = new QVBoxLayout(this);
    asezare->addWidget(new QLabel(QStringLiteral("Rolurile materialului (cel mult 4)"), this));
    lista_ = new QListWidget(this);
    lista_->setObjectName(QString::number(idRolMaterial::Lista));
    asezare->addWidget(lista_, 1);

    auto* rand = new QHBoxLayout;
    auto* eticheta = new QLabel(QStringLiteral("Rol"), this);
    rand->addWidget(eticheta);
    roluriFisier_ = new QComboBox(this);
    roluriFisier_->setObjectName(QString::number(idRolMaterial::Roluri));
    roluriFisier_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    roluriFisier_->setMinimumContentsLength(20);
    rand->addWidget(roluriFisier_, 1);
    eticheta->setBuddy(roluriFisier_);
    auto* adauga = Buton(this, "Adauga", idRolMaterial::Adauga);
    auto* reset = Buton(this, "Sterge toate", idRolMaterial::Reset);
    auto* sterge = Buton(this, "Sterge", idRolMaterial::Sterge);
    for (QPushButton* b : {adauga, sterge, reset}) rand->addWidget(b);
    asezare->addLayout(rand);

    auto* etichetaDescriere = new QLabel(QStringLiteral("Descriere rol"), this);
    asezare->addWidget(etichetaDescriere);
    descriere_ = new QPlainTextEdit(this);
    descriere_->setObjectName(QString::number(idRolMaterial::Descriere));
    descriere_->setReadOnly(true);
    asezare->addWidget(descriere_, 1);

    auto* butoane = new QHBoxLayout;
    butoane->addStretch(1);
    auto* ok = Buton(this, "OK", raspuns::IDOK);
    ok->setDefault(true);
    auto* cancel = Buton(this, "Anuleaza", raspuns::IDCANCEL);
    auto* ajutor = Buton(this, "Ajutor", idRolMaterial::Ajutor);
    for (QPushButton* b : {ok, cancel, ajutor}) butoane->addWidget(b);
    asezare->addLayout(butoane);

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
    const std::string intrebare = TextFormatat("Stergeti rolul \" %s \" ?", text.c_str());
    if (MesajBox(this, intrebare, "", MB_YESNO | MB_DEFBUTTON2) != raspuns::IDYES) return;
    std::uint32_t cuvant = roluri();
    StergeRol(cuvant, pozitie);
    seteazaRoluri(cuvant);
}

void ComandaRolMaterial(QWidget* fereastraPrincipala) {
    SetLucru& set = setLucru();
    if (set.gol()) return;
    const MaterialOptic inainte = set.curent();
    RolMaterialDialog dialog(fereastraPrincipala, set.curent(), set.modificat);
    dialog.exec();
    // The dialog's changes are one step for the undo.
    if (std::memcmp(&inainte, &set.curent(), sizeof inainte) != 0) set.memoreazaAnterior(set.materialCurent, inainte);
}

}  // namespace vitramor
