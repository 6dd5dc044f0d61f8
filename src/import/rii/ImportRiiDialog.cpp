#include "import/rii/ImportRiiDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include "fileutil/AlegereFisier.h"
#include "import/FisierImport.h"
#include "import/rii/ImportRii.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"
#include "suite/ProducatoriComboUi.h"

namespace vitramor {

namespace {

constexpr int Latime = 260, Inaltime = 170;
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
    nume_ = new QLineEdit(QString::fromLatin1(NumePropusRii(cale_).c_str()), this);
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

    importa_ = ButonDialog(this, QStringLiteral("Importa"), raspuns::IDOK, Latime - 100, 148, 45, 14);
    QPushButton* renunta = ButonDialog(this, QStringLiteral("Renunta"), raspuns::IDCANCEL, Latime - 50, 148, 45, 14);
    importa_->setDefault(true);
    connect(importa_, &QPushButton::clicked, this, &ImportRiiDialog::importa);
    connect(renunta, &QPushButton::clicked, this, &QDialog::reject);

    // What the file will give, shown before anything is stored.
    const MaterialRii proba = CitesteMaterialRii(continut_, "x", ProducatorImplicitRii);
    QString text;
    if (!proba.ok) {
        text = QStringLiteral("Fisierul nu poate fi importat: ") + QString::fromStdString(proba.eroare);
        importa_->setEnabled(false);
    } else {
        int puncte = 0;
        while (puncte < NumarSloturiEditabile && proba.m.lambda_indici[puncte] > 0) ++puncte;
        text = QStringLiteral("Ecuatie n: cod %1, ecuatie k: cod %2, %3 lungimi de unda in tabel, domeniu n %4 - %5 nm")
                   .arg(proba.m.ec_dispersie_n)
                   .arg(proba.m.ec_dispersie_k)
                   .arg(puncte)
                   .arg(proba.m.domeniu_n[0])
                   .arg(proba.m.domeniu_n[1]);
        for (const std::string& t : proba.mesaje) text += QStringLiteral("\n") + QString::fromStdString(t);
        for (const std::string& t : proba.referinte) text += QStringLiteral("\n") + QString::fromStdString(t);
    }
    descriere_->setPlainText(text);
}

void ImportRiiDialog::importa() {
    Fereastra owner = static_cast<QWidget*>(this);
    const std::string nume = nume_->text().trimmed().toLatin1().toStdString();
    if (nume.empty()) {
        MesajBox(owner, "Dati numele materialului.", "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return;
    }
    if (producator_->currentIndex() < 0) {
        MesajBox(owner, "Alegeti producatorul materialului.", "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return;
    }
    if (ImportaFisierRii(owner, cale_, nume, static_cast<std::uint16_t>(producator_->currentIndex())) == 0) accept();
}

void ComandaImportRii(QWidget* fereastraPrincipala) {
    Fereastra owner = fereastraPrincipala;
    std::string director = path_user, nume;
    if (AlegeFisierDeschidere(owner, tipfisier::Yml, director, nume) != 0) return;
    const std::string cale = (std::filesystem::path(director) / nume).string();
    std::string octeti;
    if (!CitesteFisierImport(owner, cale, octeti)) return;
    ImportRiiDialog dialog(fereastraPrincipala, cale, std::move(octeti));
    dialog.exec();
}

}  // namespace vitramor
