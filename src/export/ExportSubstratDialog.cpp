#include "export/ExportSubstratDialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "export/ExportSubstrat.h"
#include "export/SelectieSticleWidget.h"
#include "suite/LucruInFundalUi.h"
#include "settings/Directoare.h"

namespace vitramor {

ExportSubstratDialog::ExportSubstratDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromLatin1(TitluExportSubstrat));
    selectie_ = new SelectieSticleWidget(this, "Exporta", idSelectieSticle::Exporta);
    auto* asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->addWidget(selectie_);
    connect(selectie_, &SelectieSticleWidget::actiuneCeruta, this, &ExportSubstratDialog::exporta);
    connect(selectie_, &SelectieSticleWidget::okCerut, this, &QDialog::accept);
    connect(selectie_, &SelectieSticleWidget::cancelCerut, this, &QDialog::reject);
}

void ExportSubstratDialog::exporta() {
    const std::vector<std::string> linii = selectie_->liniiSelectate();
    if (linii.empty()) return;
    const int producator = selectie_->producator();
    RezultatExportSubstrat r;
    RuleazaCuProgres(this, QStringLiteral("Export materiale"), [&](Progres& progres) {
        r = ExportaSticleSubstrat(platforma(), this, {path_sticle, path_machine_learning}, linii, producator, progres);
    });
    if (!r.motiv.empty()) MesajBox(this, r.motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
}

void ComandaExportSubstrat(QWidget* fereastraPrincipala) {
    ExportSubstratDialog dialog(fereastraPrincipala);
    dialog.exec();
}

}  // namespace vitramor
