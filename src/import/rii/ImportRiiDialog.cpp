#include "import/rii/ImportRiiDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include "fileutil/AlegereFisier.h"
#include "import/FisierImport.h"
#include "database/CategorieImportDialog.h"
#include "import/rii/ImportRii.h"
#include "record/CodificareText.h"
#include "record/LimiteFizice.h"
#include "record/NumarCatalog.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"
#include "database/ProducatoriComboUi.h"

namespace vitramor {

namespace {

constexpr int Latime = 260, Inaltime = 186;
constexpr int LungimeNume = 15;

}  // namespace

std::string NumePropusRii(const std::string& cale) {
    const std::filesystem::path p(cale);
    const std::string folder = p.parent_path().filename().string();
    if (!folder.empty() && folder.size() <= LungimeNume) return folder;
    return p.stem().string().substr(0, LungimeNume);
}

ImportRiiDialog::ImportRiiDialog(QWidget* parent, std::string cale, std::string continut)
    : QDialog(parent), cale_(std::move(cale)), continut_(std::move(continut)) {
    setObjectName(QStringLiteral("ImportRii"));
    setWindowTitle(QStringLiteral("Import n,k din refractiveindex.info"));
    const UnitatiDialog& u = unitatiDialog();
    setFixedSize(u.dimensiune(Latime, Inaltime));

    auto* fisier = new QLabel(QString::fromStdString(cale_), this);
    u.plaseaza(fisier, 5, 5, Latime - 10, 10);
    descriere_ = new QPlainTextEdit(this);
    descriere_->setObjectName(QString::number(IdDescriereRii));
    descriere_->setReadOnly(true);
    u.plaseaza(descriere_, 5, 17, Latime - 10, 100);

    auto* etNume = new QLabel(QStringLiteral("Nume material:"), this);
    u.plaseaza(etNume, 5, 124, 55, 10);
    nume_ = new QLineEdit(QString::fromStdString(NumePropusRii(cale_)), this);
    nume_->setObjectName(QString::number(IdNumeRii));
    nume_->setMaxLength(LungimeNume);
    u.plaseaza(nume_, 62, 122, 70, 12);
    auto* etProd = new QLabel(QStringLiteral("Producator:"), this);
    u.plaseaza(etProd, 140, 124, 45, 10);
    producator_ = new QComboBox(this);
    producator_->setObjectName(QString::number(IdProducatorRii));
    u.plaseaza(producator_, 185, 122, 70, 12);
    UmpleComboProducatori(producator_, this);
    producator_->setCurrentIndex(ProducatorImplicitRii);

    auto* etDomeniu = new QLabel(QStringLiteral("Domeniu [nm]:"), this);
    u.plaseaza(etDomeniu, 5, 140, 55, 10);
    const auto capat = [&](int id, int x) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::number(id));
        e->setPlaceholderText(QStringLiteral("tot fisierul"));
        u.plaseaza(e, x, 138, 60, 12);
        connect(e, &QLineEdit::editingFinished, this, &ImportRiiDialog::descrie);
        return e;
    };
    deLa_ = capat(IdDeLaRii, 62);
    u.plaseaza(new QLabel(QStringLiteral("-"), this), 125, 140, 5, 10);
    panaLa_ = capat(IdPanaLaRii, 132);

    importa_ = ButonDialog(this, QStringLiteral("Importa"), raspuns::IDOK, Latime - 100, 164, 45, 14);
    QPushButton* renunta = ButonDialog(this, QStringLiteral("Renunta"), raspuns::IDCANCEL, Latime - 50, 164, 45, 14);
    importa_->setDefault(true);
    connect(importa_, &QPushButton::clicked, this, &ImportRiiDialog::importa);
    connect(renunta, &QPushButton::clicked, this, &QDialog::reject);
    descrie();
}

bool ImportRiiDialog::domeniu(DomeniuRii& d, std::string& motiv) const {
    const std::string de = deLa_->text().trimmed().toStdString(), pana = panaLa_->text().trimmed().toStdString();
    d = {};
    if (de.empty() && pana.empty()) return true;
    if (!NumarCatalog(de, d.deLa) || !NumarCatalog(pana, d.panaLa) || !MotivLungimeUnda(d.deLa).empty() ||
        !MotivLungimeUnda(d.panaLa).empty() || !(d.deLa < d.panaLa)) {
        motiv = "Domeniul se da prin doua lungimi de unda intre 10 si 1000000 nm, prima mai mica.";
        return false;
    }
    return true;
}

void ImportRiiDialog::descrie() {
    // What the file will give, shown before anything is stored.
    DomeniuRii d;
    std::string motiv;
    const bool areDomeniu = domeniu(d, motiv);
    const MaterialRii proba = CitesteMaterialRii(continut_, "x", ProducatorImplicitRii, d);
    QString text;
    importa_->setEnabled(areDomeniu && proba.ok);
    if (!areDomeniu) {
        text = QString::fromStdString(motiv);
    } else if (!proba.ok) {
        text = QStringLiteral("Fisierul nu poate fi importat: ") + QString::fromStdString(proba.eroare);
    } else {
        int puncte = 0;
        while (puncte < NumarSloturiEditabile && proba.m.lambda_indici[puncte] > 0) ++puncte;
        text = QStringLiteral("Ecuatie n: cod %1, ecuatie k: cod %2, %3 lungimi de unda in tabel, domeniu n %4 - %5 nm")
                   .arg(proba.m.ec_dispersie_n)
                   .arg(proba.m.ec_dispersie_k)
                   .arg(puncte)
                   .arg(proba.m.domeniu_n[0])
                   .arg(proba.m.domeniu_n[1]);
        if (!proba.textAbatere.empty()) text += QStringLiteral("\n") + QString::fromStdString(proba.textAbatere);
        for (const std::string& t : proba.mesaje) text += QStringLiteral("\n") + QString::fromStdString(t);
        for (const std::string& t : proba.referinte) text += QStringLiteral("\n") + QString::fromStdString(t);
    }
    descriere_->setPlainText(text);
}

void ImportRiiDialog::importa() {
    Fereastra owner = static_cast<QWidget*>(this);
    const std::string nume = Windows1252DinQt(nume_->text().trimmed());
    if (nume.empty()) {
        MesajBox(owner, "Dati numele materialului.", "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return;
    }
    if (producator_->currentIndex() < 0) {
        MesajBox(owner, "Alegeti producatorul materialului.", "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return;
    }
    DomeniuRii d;
    std::string motiv;
    if (!domeniu(d, motiv)) {
        MesajBox(owner, motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return;
    }
    const int categorie = AlegeCategorieImport(this, path_sticle);
    if (categorie == -2) return;
    const RezultatOperatie r = ImportaFisierRii(owner, path_sticle, cale_, nume,
                                                static_cast<std::uint16_t>(producator_->currentIndex()), d, categorie);
    RaporteazaRezultat(owner, TitluImportRii, r);
    if (r.reusit()) accept();
}

void ComandaImportRii(QWidget* fereastraPrincipala) {
    Fereastra owner = fereastraPrincipala;
    std::string director = path_user, nume;
    if (AlegeFisierDeschidere(owner, tipfisier::Yml, director, nume) != 0) return;
    const std::string cale = (std::filesystem::path(director) / nume).string();
    std::string octeti;
    if (const RezultatOperatie citit = CitesteFisierImport(cale, octeti); citit.stare == StareOperatie::Esuat) {
        MesajBox(owner, citit.motiv, TitluEroareCitireImport, stil::MB_OK | stil::MB_ICONHAND);
        return;
    }
    ImportRiiDialog dialog(fereastraPrincipala, cale, std::move(octeti));
    dialog.exec();
}

}  // namespace vitramor
