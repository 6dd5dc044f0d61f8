#include "import/tabele/ActualizareExcelDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QPushButton>
#include <QRadioButton>

#include "import/tabele/ImportExcelDialog.h"
#include "platform/CopiereTabelUi.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"
#include "suite/ProducatoriComboUi.h"
#include "suite/DupaAfisareUi.h"
#include "suite/Vedora.h"

namespace vitramor {

ActualizareExcelDialog::ActualizareExcelDialog(QWidget* parent, std::string fisier, int randAntet)
    : QDialog(parent), c_(std::make_unique<ContextImportExcel>()), fisier_(std::move(fisier)), randAntet_(randAntet) {
    setObjectName(QStringLiteral("130"));
    setWindowTitle(QStringLiteral("Actualizeaza STICLE32.DAT din baze de date folosind ODBC"));
    StergeAsocieri(c_->asocieri);
    ScrieAsocieriImplicite(*c_);
    c_->intrareCurenta = -1;
    c_->odbc.tabelSelectat = -1;
    const UnitatiDialog& u = unitatiDialog();
    setFixedSize(u.dimensiune(400, 220));
    u.plaseaza(new QLabel(QStringLiteral("Producator"), this), 7, 9, 45, 8);
    producatori_ = new QComboBox(this);
    producatori_->setObjectName(QStringLiteral("1097"));
    u.plaseaza(producatori_, 55, 7, 110, 12);
    auto* conecteaza = ButonDialog(this, QStringLiteral("Conecteaza si actualizeaza"), 1098, 172, 6, 100, 14);
    actualizeaza_ = new QCheckBox(QStringLiteral("Actualizeaza"), this);
    actualizeaza_->setObjectName(QStringLiteral("1099"));
    u.plaseaza(actualizeaza_, 280, 8, 70, 10);
    auto* grup = new QGroupBox(QStringLiteral("Ce actualizez"), this);
    u.plaseaza(grup, 7, 24, 386, 30);
    auto* r101 = new QRadioButton(QStringLiteral("Actualizeaza SticleNou32.DAT"), grup);
    r101->setObjectName(QStringLiteral("101"));
    auto* r102 = new QRadioButton(QStringLiteral("Actualizeaza materiale substrat"), grup);
    r102->setObjectName(QStringLiteral("102"));
    r101->setGeometry(u.dreptunghi(6, 12, 130, 10));
    r102->setGeometry(u.dreptunghi(150, 12, 130, 10));
    r101->setChecked(true);
    rezultate_ = CreazaTabelCopiabil(this, QStringLiteral("1066"), {});
    u.plaseaza(rezultate_, 7, 60, 386, 130);
    auto* ok = ButonDialog(this, QStringLiteral("OK"), 1, 7, 198, 50, 14);
    auto* anuleaza = ButonDialog(this, QStringLiteral("Cancel"), 2, 62, 198, 50, 14);
    auto* ajutor = ButonDialog(this, QStringLiteral("Ajutor"), 1023, 117, 198, 50, 14);
    // A producer table that cannot be read is reported over this window,
    // not before it is there.
    LaPrimaAfisare(this, [this] {
        UmpleComboProducatori(producatori_, this);
        producatori_->setCurrentIndex(std::min(2, producatori_->count() - 1));
    });

    connect(r102, &QRadioButton::clicked, this, [this, r101] {
        eroare(path_help, this, stil::MB_OK | stil::MB_ICONEXCLAMATION, 0);
        r101->setChecked(true);
    });
    connect(conecteaza, &QPushButton::clicked, this, &ActualizareExcelDialog::conecteazaSiActualizeaza);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(anuleaza, &QPushButton::clicked, this, &QDialog::reject);
    connect(ajutor, &QPushButton::clicked, this, [this] { eroare(path_help, this, stil::MB_OK, 0); });
}

void ActualizareExcelDialog::conecteazaSiActualizeaza() {
    const int producator = producatori_->currentIndex();
    const int cod = producator == 2 ? 1 : producator == 6 ? 3 : 0;
    if (!cod) {
        MesajBox(this, "Functie nefinalizata", {}, stil::MB_OK);
        return;
    }
    c_->odbc.codProducator = cod;
    c_->sticla.producator = static_cast<std::uint16_t>(producator);
    c_->odbc.sursaExcel = 1;
    ImportExcelDialog d(this, *c_, rezultate_, [this] { return actualizeaza_->isChecked(); });
    if (!d.pregatit()) return;
    if (!fisier_.empty()) {
        d.randAntet()->setText(QString::number(randAntet_));
        // What the file's reading reports belongs over the import window.
        LaPrimaAfisare(&d, [&d, this] { d.deschideFisier(fisier_); });
    }
    d.exec();
}

void ComandaImportaExcel(QWidget* fereastraPrincipala) {
    ActualizareExcelDialog d(fereastraPrincipala);
    d.exec();
}

}  // namespace vitramor
