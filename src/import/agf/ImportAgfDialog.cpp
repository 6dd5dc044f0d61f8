#include "import/agf/ImportAgfDialog.h"

#include <QColor>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <filesystem>

#include "database/CategorieImportDialog.h"
#include "fileutil/AlegereFisier.h"
#include "import/FisierImport.h"
#include "import/agf/ImportAgf.h"
#include "record/CodificareText.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"
#include "database/ProducatoriComboUi.h"

namespace vitramor {

namespace {

constexpr int Latime = 320, Inaltime = 230;
constexpr int ButonY = 210, ButonCy = 14;

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ImportAgfDialog::ImportAgfDialog(QWidget* parent, std::string cale, SursaMateriale sursa, CatalogAgf catalog)
    : QDialog(parent), cale_(std::move(cale)), sursa_(std::move(sursa)), catalog_(std::move(catalog)) {
    setObjectName(QStringLiteral("ImportAgf"));
    setWindowTitle(Text("Import catalog AGF - " + std::filesystem::path(cale_).filename().string()));
    const UnitatiDialog& u = unitatiDialog();
    setFixedSize(u.dimensiune(Latime, Inaltime));

    lista_ = new QTreeWidget(this);
    lista_->setObjectName(QString::number(IdListaSticleAgf));
    lista_->setHeaderLabels({QStringLiteral("Nume"), QStringLiteral("nd"), QStringLiteral("vd"),
                             QStringLiteral("Stare"), QStringLiteral("Observatii")});
    lista_->setRootIsDecorated(false);
    u.plaseaza(lista_, 5, 5, Latime - 10, 178);
    const std::vector<bool> implicit = SelectieImplicitaAgf(catalog_);
    for (std::size_t i = 0; i < catalog_.sticle.size(); ++i) {
        const SticlaAgf& s = catalog_.sticle[i];
        auto* item = new QTreeWidgetItem(lista_);
        item->setText(0, Text(Utf8DinWindows1252(s.nume)));
        item->setText(1, QString::number(s.nd, 'f', 6));
        item->setText(2, QString::number(s.vd, 'f', 2));
        item->setText(3, Text(TextStareAgf(s.stare)));
        item->setCheckState(0, implicit[i] ? Qt::Checked : Qt::Unchecked);
        // A glass that cannot be stored can still be checked, as the command
        // line can select it: left checked, the import names it as refused;
        // the user who does not want it unchecks it.
        if (!s.importabila()) {
            item->setText(4, Text(s.erori.front()));
            item->setForeground(4, QColor(Qt::darkRed));
        } else if (!s.avertizari.empty()) {
            item->setText(4, Text(s.avertizari.front()));
        }
    }
    for (int c = 0; c < 4; ++c) lista_->resizeColumnToContents(c);

    auto* eticheta = new QLabel(QStringLiteral("Producator:"), this);
    u.plaseaza(eticheta, 5, 190, 45, 10);
    producator_ = new QComboBox(this);
    producator_->setObjectName(QString::number(IdProducatorAgf));
    u.plaseaza(producator_, 52, 188, 100, 12);
    UmpleComboProducatori(producator_, this);
    // A file name that names no maker leaves the choice to the user, who sees it is wanted.
    producator_->setPlaceholderText(QStringLiteral("Alegeti producatorul"));
    // The combo lists the producers in code order, so the index is the code.
    producator_->setCurrentIndex(ProducatorDinNumeFisierAgf(cale_));

    QPushButton* toate = ButonDialog(this, QStringLiteral("Toate"), IdButonToateAgf, 5, ButonY, 45, ButonCy);
    QPushButton* niciuna = ButonDialog(this, QStringLiteral("Niciuna"), IdButonNiciunaAgf, 55, ButonY, 45, ButonCy);
    QPushButton* importa = ButonDialog(this, QStringLiteral("Importa"), raspuns::IDOK, Latime - 100, ButonY, 45, ButonCy);
    QPushButton* renunta = ButonDialog(this, QStringLiteral("Renunta"), raspuns::IDCANCEL, Latime - 50, ButonY, 45, ButonCy);
    importa->setDefault(true);
    connect(toate, &QPushButton::clicked, this, [this] { bifeaza(true); });
    connect(niciuna, &QPushButton::clicked, this, [this] { bifeaza(false); });
    connect(importa, &QPushButton::clicked, this, &ImportAgfDialog::importa);
    connect(renunta, &QPushButton::clicked, this, &QDialog::reject);
}

void ImportAgfDialog::bifeaza(bool toate) {
    for (int i = 0; i < lista_->topLevelItemCount(); ++i)
        lista_->topLevelItem(i)->setCheckState(0, toate ? Qt::Checked : Qt::Unchecked);
}

std::vector<bool> ImportAgfDialog::selectie() const {
    std::vector<bool> s;
    for (int i = 0; i < lista_->topLevelItemCount(); ++i) s.push_back(lista_->topLevelItem(i)->checkState(0) == Qt::Checked);
    return s;
}

void ImportAgfDialog::importa() {
    Fereastra owner = static_cast<QWidget*>(this);
    if (producator_->currentIndex() < 0) {
        MesajBox(owner, "Alegeti producatorul sticlelor.", "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return;
    }
    const int categorie = AlegeCategorieImport(this, path_sticle);
    if (categorie == -2) return;
    const RezultatOperatie r =
        ImportaSticleAgf(owner, path_sticle, cale_, sursa_, catalog_, selectie(),
                         static_cast<std::uint16_t>(producator_->currentIndex()), PoliticaConflict::Intreaba, categorie);
    RaporteazaRezultat(owner, TitluImportAgf, r);
    if (r.stare == StareOperatie::Anulat) return;
    accept();
}

void ComandaImportAgf(QWidget* fereastraPrincipala) {
    Fereastra owner = fereastraPrincipala;
    std::string director = path_user, nume;
    if (AlegeFisierDeschidere(owner, tipfisier::Agf, director, nume) != 0) return;
    const std::string cale = (std::filesystem::path(director) / nume).string();
    std::string octeti;
    if (const RezultatOperatie citit = CitesteFisierImport(cale, octeti); citit.stare == StareOperatie::Esuat) {
        MesajBox(owner, citit.motiv, TitluEroareCitireImport, stil::MB_OK | stil::MB_ICONHAND);
        return;
    }
    CatalogAgf catalog = CitesteCatalogAgf(octeti);
    if (catalog.sticle.empty()) {
        MesajBox(owner, "Fisierul " + cale + " nu contine sticle (linii NM).", "ATENTIE!",
                 stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return;
    }
    ImportAgfDialog dialog(fereastraPrincipala, cale, SursaDinOcteti(cale, octeti), std::move(catalog));
    dialog.exec();
}

}  // namespace vitramor
