#include "export/VerificaSubstratWindow.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPointer>
#include <new>

#include "export/ExportSubstrat.h"
#include "export/SelectieSticleWidget.h"
#include "platform/FerestreMaterialUi.h"
#include "platform/Platforma.h"
#include "record/CodificareText.h"
#include "settings/PozitieFereastraUi.h"

namespace vitramor {

namespace {

QPointer<VerificaSubstratWindow>& fereastra() {
    static QPointer<VerificaSubstratWindow> w;
    return w;
}

}  // namespace

VerificaSubstratWindow::VerificaSubstratWindow(QWidget* parent, IncarcaMaterialInFereastra incarca)
    : QWidget(parent, Qt::Window), incarca_(std::move(incarca)) {
    setWindowTitle(QString::fromLatin1(TitluVerificaSubstrat));
    setProperty("clasaFereastra", QString::fromLatin1(PozitieVerificaSubstrat));
    setAttribute(Qt::WA_DeleteOnClose);
    selectie_ = new SelectieSticleWidget(this, "Verifica", idSelectieSticle::Verifica);
    resize(selectie_->size());
    setMinimumSize(selectie_->size());
    RestaureazaPozitieFereastra(this, PozitieVerificaSubstrat);

    connect(selectie_, &SelectieSticleWidget::actiuneCeruta, this, &VerificaSubstratWindow::verifica);
    connect(selectie_, &SelectieSticleWidget::okCerut, this, [this] { inchide(true); });
    connect(selectie_, &SelectieSticleWidget::cancelCerut, this, [this] { inchide(false); });
    connect(selectie_, &SelectieSticleWidget::liniePrinDubluClic, this, [this](QListWidgetItem* item) {
        if (!item) return;
        if (incarca_) incarca_(SelectieSticleWidget::NumeDinLinie(item), selectie_->producator());
        item->setSelected(true);
    });
}

void VerificaSubstratWindow::verifica() {
    const std::vector<int> randuri = selectie_->randuriSelectate();
    std::vector<std::string> linii = selectie_->liniiSelectate();
    const std::size_t verificate = VerificaSticleSubstrat(this, linii, selectie_->producator());
    QListWidget* lista = selectie_->lista();
    for (std::size_t i = 0; i < verificate && i < randuri.size(); ++i) {
        QListWidgetItem* item = lista->item(randuri[i]);
        const QString text = TextQt(linii[i]);
        if (item && item->text() != text) {
            item->setText(text);
            item->setSelected(true);
        }
    }
}

void VerificaSubstratWindow::inchide(bool salveazaPozitia) {
    salveazaLaInchidere_ = salveazaPozitia;
    close();
}

void VerificaSubstratWindow::closeEvent(QCloseEvent* e) {
    if (salveazaLaInchidere_) SalveazaPozitieFereastraInRegistri(this, PozitieVerificaSubstrat);
    QWidget::closeEvent(e);
}

void ComandaVerificaSubstrat(QWidget* fereastraPrincipala, IncarcaMaterialInFereastra incarca) {
    QPointer<VerificaSubstratWindow>& w = fereastra();
    if (!w) {
        try {
            w = new VerificaSubstratWindow(fereastraPrincipala, std::move(incarca));
        } catch (const std::bad_alloc&) {
            MesajBox(fereastraPrincipala, platforma().textUltimaEroare(), "CerinteTestePtrAcoperire()",
                     stil::MB_OK | stil::MB_ICONASTERISK);
            return;
        }
    }
    AduInFata(w);
}

VerificaSubstratWindow* FereastraVerificaSubstrat() { return fereastra().data(); }

void InchideVerificaSubstrat() {
    if (VerificaSubstratWindow* w = fereastra().data()) w->close();
}

}  // namespace vitramor
