#include "export/VerificaSubstratWindow.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <new>

#include "export/ExportSubstrat.h"
#include "export/SelectieSticleWidget.h"
#include "platform/CopiereTabelUi.h"
#include "platform/FerestreMaterialUi.h"
#include "platform/Platforma.h"
#include "record/CodificareText.h"
#include "settings/PozitieFereastraUi.h"
#include "suite/LucruInFundalUi.h"
#include "settings/Directoare.h"

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
    QStringList titluri{QStringLiteral("Material")};
    for (const ValoareVerificataSubstrat& v : ValoriVerificateSubstrat) titluri << QString::fromLatin1(v.titlu);
    rezultate_ = CreazaTabelCopiabil(this, QStringLiteral("rezultate"), titluri);
    rezultate_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    sumar_ = new QLabel(this);
    sumar_->setObjectName(QStringLiteral("sumar"));
    auto* l = new QVBoxLayout(this);
    l->addWidget(selectie_);
    l->addWidget(rezultate_, 1);
    l->addWidget(sumar_);
    resize(sizeHint().width(), selectie_->sizeHint().height() + 260);
    RestaureazaPozitieFereastra(this, PozitieVerificaSubstrat);

    connect(selectie_, &SelectieSticleWidget::actiuneCeruta, this, &VerificaSubstratWindow::verifica);
    connect(selectie_, &SelectieSticleWidget::okCerut, this, [this] { inchide(true); });
    connect(selectie_, &SelectieSticleWidget::cancelCerut, this, [this] { inchide(false); });
    connect(selectie_, &SelectieSticleWidget::liniePrinDubluClic, this, [this](QTreeWidgetItem* item) {
        if (!item) return;
        if (incarca_) incarca_(SelectieSticleWidget::NumeDinLinie(item), selectie_->producator());
        item->setSelected(true);
    });
    connect(rezultate_, &QTableWidget::cellDoubleClicked, this, [this](int rand, int) {
        if (incarca_) incarca_(rezultate_->item(rand, 0)->data(Qt::UserRole).toByteArray().toStdString(),
                               selectie_->producator());
    });
}

// The core rewrites the line of a material that lacks values as its name and
// the labels of what it lacks; a line it leaves as it was is complete.
void VerificaSubstratWindow::verifica() {
    const std::vector<std::string> inainte = selectie_->liniiSelectate();
    std::vector<std::string> linii = inainte;
    const int producator = selectie_->producator();
    std::size_t verificate = 0;
    std::string motiv;
    if (RuleazaCuProgres(this, QStringLiteral("Verificare materiale substrat"), [&](Progres& progres) {
            verificate = VerificaSticleSubstrat(this, path_sticle, linii, producator, motiv, progres);
        }))
        return;  // stopped: the table keeps the last complete result
    if (!motiv.empty()) MesajBox(this, motiv, "Eroare", stil::MB_OK);
    rezultate_->setRowCount(0);
    int cuLipsuri = 0;
    for (std::size_t i = 0; i < verificate && i < linii.size(); ++i) {
        const std::string nume = linii[i].substr(0, linii[i].find('\t'));
        const int rand = rezultate_->rowCount();
        rezultate_->insertRow(rand);
        auto* material = new QTableWidgetItem(TextQt(nume));
        material->setData(Qt::UserRole, QByteArray::fromStdString(nume));
        rezultate_->setItem(rand, 0, material);
        if (linii[i] == inainte[i]) continue;
        ++cuLipsuri;
        const QStringList lipsuri = TextQt(linii[i].substr(nume.size())).split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        int coloana = 1;
        for (const ValoareVerificataSubstrat& v : ValoriVerificateSubstrat) {
            if (lipsuri.contains(QString::fromLatin1(v.eticheta))) {
                auto* marcaj = new QTableWidgetItem(QString::fromLatin1(MarcajValoareLipsa));
                marcaj->setTextAlignment(Qt::AlignCenter);
                rezultate_->setItem(rand, coloana, marcaj);
            }
            ++coloana;
        }
    }
    sumar_->setText(QStringLiteral("%1 materiale verificate, %2 cu valori lipsa").arg(verificate).arg(cuLipsuri));
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
