#include "explorare/SticleEchivalenteDialog.h"

#include "record/CodificareText.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstring>

#include "platform/FerestreMaterialUi.h"
#include "platform/Platforma.h"
#include "record/SetLucru.h"

namespace vitramor {

namespace {

QString Text(const std::string& windows1252) { return TextQt(windows1252); }

QDoubleSpinBox* Camp(QWidget* parent, const char* nume, double min, double max, double valoare, int zecimale) {
    auto* c = new QDoubleSpinBox(parent);
    c->setObjectName(QString::fromLatin1(nume));
    c->setRange(min, max);
    c->setDecimals(zecimale);
    c->setValue(valoare);
    return c;
}

}  // namespace

SticleEchivalenteDialog::SticleEchivalenteDialog(QWidget* parent, const MaterialOptic& referinta,
                                                 DeschideMaterial deschide)
    : QDialog(parent), referinta_(referinta), deschide_(std::move(deschide)) {
    setObjectName(QStringLiteral("SticleEchivalente"));
    const QString nume = Text(std::string(referinta.nume, strnlen(referinta.nume, sizeof referinta.nume)));
    setWindowTitle(QStringLiteral("Sticle echivalente - %1").arg(nume));

    numar_ = new QSpinBox(this);
    numar_->setObjectName(QStringLiteral("numar"));
    numar_->setRange(1, 1000);
    numar_->setValue(NumarImplicitEchivalente);

    auto* marimi = new QRadioButton(QStringLiteral("Distanta in (nd, vd, P g,F), ponderi:"), this);
    rms_ = new QRadioButton(QStringLiteral("RMS n pe domeniul [nm]:"), this);
    rms_->setObjectName(QStringLiteral("modRms"));
    marimi->setChecked(true);
    pNd_ = Camp(this, "pondereNd", 0, 100, 1, 2);
    pVd_ = Camp(this, "pondereVd", 0, 100, 1, 2);
    pPgF_ = Camp(this, "ponderePgF", 0, 100, 1, 2);
    de_ = Camp(this, "de", 100, 20000, 400, 1);
    la_ = Camp(this, "la", 100, 20000, 700, 1);

    auto* forma = new QFormLayout;
    forma->addRow(QStringLiteral("Numar sticle"), numar_);
    forma->addRow(marimi);
    auto* ponderi = new QHBoxLayout;
    for (auto [eticheta, camp] : {std::pair{"nd", pNd_}, std::pair{"vd", pVd_}, std::pair{"P g,F", pPgF_}}) {
        ponderi->addWidget(new QLabel(QString::fromLatin1(eticheta), this));
        ponderi->addWidget(camp);
    }
    forma->addRow(ponderi);
    forma->addRow(rms_);
    auto* domeniu = new QHBoxLayout;
    domeniu->addWidget(de_);
    domeniu->addWidget(new QLabel(QStringLiteral("-"), this));
    domeniu->addWidget(la_);
    forma->addRow(domeniu);

    rezultate_ = new QTreeWidget(this);
    rezultate_->setObjectName(QStringLiteral("rezultate"));
    rezultate_->setRootIsDecorated(false);
    rezultate_->setHeaderLabels({QStringLiteral("Nume"), QStringLiteral("Producator"), QStringLiteral("Distanta"),
                                 QStringLiteral("nd"), QStringLiteral("vd")});
    rezultate_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* butoane = new QDialogButtonBox(this);
    QPushButton* cautaButon = butoane->addButton(QStringLiteral("Cauta"), QDialogButtonBox::ActionRole);
    cautaButon->setObjectName(QStringLiteral("cauta"));
    butoane->addButton(QDialogButtonBox::Close);
    connect(cautaButon, &QPushButton::clicked, this, &SticleEchivalenteDialog::cauta);
    connect(butoane, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(rezultate_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item && deschide_) deschide_(item->data(0, Qt::UserRole).toByteArray().toStdString());
    });

    auto* l = new QVBoxLayout(this);
    l->addLayout(forma);
    l->addWidget(rezultate_, 1);
    l->addWidget(butoane);
    resize(520, 480);
    cauta();
}

void SticleEchivalenteDialog::cauta() {
    rezultate_->clear();
    std::vector<Echivalent> gasite;
    CitireRezumat citire;
    if (rms_->isChecked()) {
        if (la_->value() <= de_->value()) {
            MesajBox(this, "Domeniul trebuie sa mearga de la lungimea de unda mica la cea mare.", "ATENTIE!",
                     stil::MB_OK | stil::MB_ICONEXCLAMATION);
            return;
        }
        gasite = CautaEchivalenteRms(referinta_, CaleBazaDate(), static_cast<float>(de_->value()),
                                     static_cast<float>(la_->value()), numar_->value(), &citire);
    } else {
        std::vector<RezumatMaterial> catalog;
        citire = CitesteRezumatCatalog(CaleBazaDate(), catalog);
        gasite = CautaEchivalente(RezumaMaterial(referinta_, 0), catalog, numar_->value(),
                                  {pNd_->value(), pVd_->value(), pPgF_->value()});
    }
    if (!citire.ok) MesajBox(this, citire.eroare, "ATENTIE!", stil::MB_OK | stil::MB_ICONHAND);
    const NumeProducatori nume;
    for (const Echivalent& e : gasite) {
        const std::string n = e.material.numeText();
        auto* item = new QTreeWidgetItem(rezultate_, {Text(n), Text(nume.nume(e.material.producator)),
                                                      QString::number(e.distanta, 'g', 4),
                                                      QString::number(e.material.nd, 'f', 6),
                                                      QString::number(e.material.vd, 'f', 2)});
        item->setData(0, Qt::UserRole, QByteArray::fromStdString(n));
    }
}

void ComandaSticleEchivalente(QWidget* fereastraPrincipala, SticleEchivalenteDialog::DeschideMaterial deschide) {
    const SetLucru& set = setLucru();
    if (set.gol()) return;
    // Modeless: the user opens one substitute after another while it stays.
    auto* d = new SticleEchivalenteDialog(fereastraPrincipala, set.curent(), std::move(deschide));
    d->setAttribute(Qt::WA_DeleteOnClose);
    ferestreMaterial().leaga(d, {set.materialCurent});
    d->show();
}

}  // namespace vitramor
