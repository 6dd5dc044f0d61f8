#include "export/ExportAgfDialog.h"

#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "database/FisierCatalog.h"
#include "export/ExportAgf.h"
#include "export/SelectieSticleWidget.h"
#include "fileutil/AlegereFisier.h"
#include "settings/Directoare.h"
#include "suite/LucruInFundalUi.h"

namespace vitramor {

ExportAgfDialog::ExportAgfDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromLatin1(TitluExportAgf));
    selectie_ = new SelectieSticleWidget(this, "Exporta", idSelectieSticle::Exporta);
    auto* asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->addWidget(selectie_);
    connect(selectie_, &SelectieSticleWidget::actiuneCeruta, this, &ExportAgfDialog::exporta);
    connect(selectie_, &SelectieSticleWidget::okCerut, this, &QDialog::accept);
    connect(selectie_, &SelectieSticleWidget::cancelCerut, this, &QDialog::reject);
}

void ExportAgfDialog::exporta() {
    std::vector<std::string> nume;
    for (int rand : selectie_->randuriSelectate())
        nume.push_back(SelectieSticleWidget::NumeDinLinie(selectie_->lista()->topLevelItem(rand)));
    if (nume.empty()) return;
    std::string director = path_machine_learning, fisier;
    if (AlegeFisierSalvare(this, tipfisier::Agf, director, fisier) != 0) return;
    const std::string cale = (std::filesystem::path(director) / fisier).string();
    RezultatOperatie r;
    if (RuleazaCuProgres(this, QStringLiteral("Export catalog AGF"), [&](Progres& progres) {
            r = ExportaCatalogAgf(path_sticle, selectie_->producator(), nume, cale, progres);
        }))
        return;  // stopped: nothing was written
    if (r.stare == StareOperatie::Facut)
        MesajBox(this, r.motiv, TitluExportAgf, stil::MB_OK | stil::MB_ICONASTERISK);
    else
        MesajBox(this, r.motiv, TitluAtentie, stil::MB_OK | stil::MB_ICONEXCLAMATION);
}

void ComandaExportAgf(QWidget* fereastraPrincipala) {
    ExportAgfDialog dialog(fereastraPrincipala);
    dialog.exec();
}

}  // namespace vitramor
