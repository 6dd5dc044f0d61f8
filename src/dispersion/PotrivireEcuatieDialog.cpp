#include "dispersion/PotrivireEcuatieDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "dispersion/ComenziDispersie.h"
#include "platform/CopiereTabelUi.h"
#include "platform/Platforma.h"
#include "record/CodificareText.h"
#include "record/NumarCatalog.h"
#include "record/SetLucru.h"
#include "record/TextFormatat.h"

namespace vitramor {

PotrivireEcuatieDialog::PotrivireEcuatieDialog(QWidget* parent, MaterialOptic& m, int care) : QDialog(parent), m_(m) {
    setWindowTitle(QStringLiteral("Potriveste ec. dispersie - %1")
                       .arg(TextQt(m.nume, sizeof m.nume)));
    marime_ = new QComboBox(this);
    marime_->setObjectName(QStringLiteral("marime"));
    marime_->addItems({QStringLiteral("n"), QStringLiteral("k")});
    marime_->setCurrentIndex(care == 0 ? 0 : 1);
    cod_ = new QComboBox(this);
    cod_->setObjectName(QStringLiteral("cod"));
    cod_->addItem(QStringLiteral("Cea mai buna ecuatie"), 0);
    for (std::int16_t c : CoduriPotrivibile)
        cod_->addItem(QStringLiteral("%1 %2").arg(c).arg(QString::fromLatin1(DescriereEcuatie(c).nume)), c);
    ecuatie_ = new QLabel(this);
    ecuatie_->setObjectName(QStringLiteral("ecuatie"));
    ecuatie_->setWordWrap(true);
    coeficienti_ = CreazaTabelCopiabil(this, QStringLiteral("coeficienti"),
                                       {QStringLiteral("Coeficient"), QStringLiteral("Valoare")});
    puncte_ = CreazaTabelCopiabil(this, QStringLiteral("puncte"), {});
    abatere_ = new QLabel(this);
    abatere_->setObjectName(QStringLiteral("abatere"));
    toleranta_ = new QLineEdit(QString::fromStdString(TextFormatat("%g", TolerantaPotrivireImplicita)), this);
    toleranta_->setObjectName(QStringLiteral("toleranta"));
    toleranta_->setMaximumWidth(90);
    stocheaza_ = new QPushButton(QStringLiteral("Stocheaza"), this);
    stocheaza_->setObjectName(QStringLiteral("stocheaza"));
    auto* anuleaza = new QPushButton(QStringLiteral("Anuleaza"), this);
    anuleaza->setObjectName(QStringLiteral("anuleaza"));

    auto* sus = new QHBoxLayout;
    sus->addWidget(new QLabel(QStringLiteral("Marime:"), this));
    sus->addWidget(marime_);
    sus->addWidget(new QLabel(QStringLiteral("Ecuatia:"), this));
    sus->addWidget(cod_, 1);
    auto* tabele = new QHBoxLayout;
    tabele->addWidget(coeficienti_, 2);
    tabele->addWidget(puncte_, 3);
    auto* butoane = new QHBoxLayout;
    butoane->addWidget(new QLabel(QStringLiteral("Toleranta:"), this));
    butoane->addWidget(toleranta_);
    butoane->addStretch(1);
    butoane->addWidget(stocheaza_);
    butoane->addWidget(anuleaza);
    auto* tot = new QVBoxLayout(this);
    tot->addLayout(sus);
    tot->addWidget(ecuatie_);
    tot->addLayout(tabele, 1);
    tot->addWidget(abatere_);
    tot->addLayout(butoane);
    resize(640, 420);

    connect(marime_, &QComboBox::currentIndexChanged, this, &PotrivireEcuatieDialog::potriveste);
    connect(cod_, &QComboBox::currentIndexChanged, this, &PotrivireEcuatieDialog::potriveste);
    connect(stocheaza_, &QPushButton::clicked, this, &PotrivireEcuatieDialog::stocheaza);
    connect(anuleaza, &QPushButton::clicked, this, &QDialog::reject);
    potriveste();
}

int PotrivireEcuatieDialog::care() const { return marime_->currentIndex(); }

void PotrivireEcuatieDialog::potriveste() {
    const auto cod = static_cast<std::int16_t>(cod_->currentData().toInt());
    potrivire_ = PotrivesteTabel(m_, care(), cod);
    const PotrivireEcuatie& e = potrivire_.ecuatie;
    coeficienti_->setRowCount(0);
    puncte_->setRowCount(0);
    const QString valoare = care() == 0 ? QStringLiteral("n") : QStringLiteral("k");
    puncte_->setColumnCount(3);
    puncte_->setHorizontalHeaderLabels({QStringLiteral("Lambda [nm]"), valoare, QStringLiteral("Reziduu")});
    stocheaza_->setEnabled(potrivire_.ok());
    if (!potrivire_.ok()) {
        ecuatie_->setText(QString::fromLatin1(potrivire_.eroare.c_str()));
        abatere_->clear();
        return;
    }
    const DescriereEcuatieDispersie d = DescriereEcuatie(e.cod);
    ecuatie_->setText(QStringLiteral("Ecuatia %1 %2: %3")
                          .arg(e.cod)
                          .arg(QString::fromLatin1(d.nume), QString::fromLatin1(d.forma)));
    coeficienti_->setRowCount(d.coeficientiFolositi);
    for (int i = 0; i < d.coeficientiFolositi; ++i) {
        ScrieCelula(coeficienti_, i, 0, QStringLiteral("c%1").arg(i));
        ScrieCelula(coeficienti_, i, 1, QString::fromStdString(TextFormatat("%.9e", e.coef[i])));
    }
    puncte_->setRowCount(static_cast<int>(potrivire_.puncte.size()));
    double maxim = 0.0;
    for (int i = 0; i < static_cast<int>(potrivire_.puncte.size()); ++i) {
        const PunctPotrivire& p = potrivire_.puncte[static_cast<std::size_t>(i)];
        ScrieCelula(puncte_, i, 0, QString::fromStdString(TextFormatat("%g", static_cast<double>(p.lambda))));
        ScrieCelula(puncte_, i, 1, QString::fromStdString(TextFormatat("%.6g", p.valoare)));
        ScrieCelula(puncte_, i, 2, QString::fromStdString(TextFormatat("%.2e", p.reziduu)));
        maxim = std::max(maxim, std::fabs(p.reziduu));
    }
    abatere_->setText(QString::fromStdString(TextFormatat("Reziduul maxim: %.2e", maxim)));
}

void PotrivireEcuatieDialog::stocheaza() {
    if (!potrivire_.ok()) return;
    double toleranta = 0.0;
    if (!NumarCatalog(toleranta_->text().toStdString(), toleranta) || !(toleranta > 0.0)) {
        MesajBox(this, "Toleranta este un numar pozitiv, de exemplu 1e-4.", "ATENTIE!",
                 stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return;
    }
    if (const std::string motiv = MotivRefuzPotrivire(potrivire_, care(), toleranta); !motiv.empty()) {
        MesajBox(this, motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return;
    }
    if (const std::string nota = AplicaPotrivire(m_, care(), potrivire_); !nota.empty())
        MesajBox(this, nota, windowTitle().toStdString(), stil::MB_OK | stil::MB_ICONASTERISK);
    accept();
}

int ComandaPotrivireEcuatie(QWidget* parent, int indexMaterial, int care) {
    SetLucru& set = setLucru();
    if (indexMaterial < 0 || indexMaterial >= set.numarMateriale()) return 0;
    PotrivireEcuatieDialog dialog(parent, set.materiale[static_cast<std::size_t>(indexMaterial)], care);
    if (dialog.exec() != QDialog::Accepted) return 0;
    set.modificat = 1;
    if (const auto& reimprospateaza = legaturiDispersie().reimprospateazaFereastraIndici)
        reimprospateaza(indexMaterial, dialog.care());
    return 1;
}

}  // namespace vitramor
