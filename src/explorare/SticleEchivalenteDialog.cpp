#include "explorare/SticleEchivalenteDialog.h"

#include "database/CitesteIntrareFisierText.h"
#include "platform/CopiereTabelUi.h"
#include "settings/Directoare.h"

#include "record/CodificareText.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QCheckBox>
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
#include "database/Recuperare.h"

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

    aceeasiClasa_ = new QCheckBox(QStringLiteral("Doar materiale din aceeasi clasa (sticle, cristale, materiale de evaporare)"), this);
    aceeasiClasa_->setObjectName(QStringLiteral("aceeasiClasa"));
    aceeasiClasa_->setChecked(true);
    forma->addRow(aceeasiClasa_);
    CitesteIntrariFisierText(path_sticle, NumeFisierCategorii, categorii_);

    rezultate_ = new QTreeWidget(this);
    PermiteCopiereTabel(rezultate_);
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

    explicatie_ = new QLabel(this);
    explicatie_->setObjectName(QStringLiteral("explicatieDistanta"));
    explicatie_->setWordWrap(true);

    auto* l = new QVBoxLayout(this);
    l->addLayout(forma);
    l->addWidget(rezultate_, 1);
    l->addWidget(explicatie_);
    l->addWidget(butoane);
    resize(520, 480);
    cauta();
}

namespace {

// The class of a material as a designer chooses substitutes: a coating
// material (the evaporation producer or category) is no substitute for a
// lens glass, nor a crystal for a glass. The category's name tells the
// crystals, as the categories file names them.
int ClasaMaterial(std::uint16_t producator, std::uint16_t categorie, const std::vector<std::string>& categorii) {
    const QString nume = categorie < categorii.size()
                             ? TextQt(categorii[categorie]).section(QLatin1Char('\t'), 0, 0)
                             : QString();
    if (producator == ProducatorEvaporare || nume.contains(QStringLiteral("evaporare"), Qt::CaseInsensitive)) return 2;
    if (nume.contains(QStringLiteral("cristal"), Qt::CaseInsensitive)) return 1;
    return 0;
}

}  // namespace

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
        // Asked for more than shown: the other classes are left out afterwards.
        gasite = CautaEchivalenteRms(referinta_, CaleBazaDate(path_sticle), static_cast<float>(de_->value()),
                                     static_cast<float>(la_->value()), numar_->value() * 20, &citire);
        explicatie_->setText(QStringLiteral("Distanta: abaterea medie patratica a lui n intre %1 si %2 nm "
                                            "(0.001 = o unitate in a treia zecimala a indicelui).")
                                 .arg(de_->value())
                                 .arg(la_->value()));
    } else {
        std::vector<RezumatMaterial> catalog;
        citire = CitesteRezumatCatalog(CaleBazaDate(path_sticle), catalog);
        if (aceeasiClasa_->isChecked())
            std::erase_if(catalog, [this](const RezumatMaterial& m) {
                return ClasaMaterial(m.producator, m.categorie, categorii_) !=
                       ClasaMaterial(referinta_.producator, referinta_.categorie, categorii_);
            });
        gasite = CautaEchivalente(RezumaMaterial(referinta_, 0), catalog, numar_->value(),
                                  {pNd_->value(), pVd_->value(), pPgF_->value()});
        explicatie_->setText(QStringLiteral("Distanta: 1 inseamna o abatere de 0.001 in nd, de 0.1 in vd sau de "
                                            "0.001 in P g,F (fiecare inmultita cu ponderea ei), adunate patratic."));
    }
    if (aceeasiClasa_->isChecked())
        std::erase_if(gasite, [this](const Echivalent& e) {
            return ClasaMaterial(e.material.producator, e.material.categorie, categorii_) !=
                   ClasaMaterial(referinta_.producator, referinta_.categorie, categorii_);
        });
    if (gasite.size() > static_cast<std::size_t>(numar_->value())) gasite.resize(static_cast<std::size_t>(numar_->value()));
    if (!citire.ok) MesajBox(this, citire.eroare, "ATENTIE!", stil::MB_OK | stil::MB_ICONHAND);
    const NumeProducatori nume(path_sticle);
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
