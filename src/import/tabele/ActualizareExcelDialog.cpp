#include "import/tabele/ActualizareExcelDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include "import/tabele/ImportExcelDialog.h"
#include "suite/DupaAfisareUi.h"
#include "database/ProducatoriComboUi.h"
#include "record/NumarCatalog.h"

namespace vitramor {

ActualizareExcelDialog::ActualizareExcelDialog(QWidget* parent, std::string fisier, int randAntet)
    : QDialog(parent), c_(std::make_unique<ContextImportExcel>()), fisier_(std::move(fisier)), randAntet_(randAntet) {
    setObjectName(QStringLiteral("130"));
    setWindowTitle(QString::fromLatin1(TitluActualizareExcel));
    StergeAsocieri(c_->asocieri);
    ScrieAsocieriImplicite(*c_);
    c_->intrareCurenta = -1;

    // The two catalogue layouts the update reads; each proposes its maker.
    formate_ = new QComboBox(this);
    formate_->setObjectName(QStringLiteral("1100"));
    formate_->addItem(QStringLiteral("cod 1 (ca Schott)"), 1);
    formate_->addItem(QStringLiteral("cod 3 (ca Ohara)"), 3);
    producatori_ = new QComboBox(this);
    producatori_->setObjectName(QStringLiteral("1097"));
    UmpleComboProducatori(producatori_, this);
    grosime_ = new QLineEdit(this);
    grosime_->setObjectName(QStringLiteral("1101"));
    grosime_->setPlaceholderText(QStringLiteral("din fisier"));
    grosime_->setToolTip(QStringLiteral("Grosimea de referinta a transmisiei, cand nici numele coloanelor, nici "
                                        "randurile de antet de deasupra lor nu o dau"));
    grosime_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    actualizeaza_ = new QCheckBox(QStringLiteral("Actualizeaza (stocheaza sticlele in SticleNou32.dat)"), this);
    actualizeaza_->setObjectName(QStringLiteral("1099"));
    auto* sus = new QHBoxLayout;
    sus->addWidget(new QLabel(QStringLiteral("Format catalog"), this));
    sus->addWidget(formate_);
    sus->addSpacing(12);
    sus->addWidget(new QLabel(QStringLiteral("Producator"), this));
    sus->addWidget(producatori_);
    sus->addSpacing(12);
    sus->addWidget(new QLabel(QStringLiteral("Grosime transmisie [mm]"), this));
    sus->addWidget(grosime_);
    sus->addSpacing(12);
    sus->addWidget(actualizeaza_);
    sus->addStretch(1);
    asezare_ = new QVBoxLayout(this);
    asezare_->addLayout(sus);
    asezare_->setSizeConstraint(QLayout::SetFixedSize);

    connect(formate_, &QComboBox::currentIndexChanged, this, &ActualizareExcelDialog::alegeFormat);
    connect(producatori_, &QComboBox::currentIndexChanged, this, [this](int i) {
        c_->sticla.producator = static_cast<std::uint16_t>(std::max(i, 0));
    });
    connect(grosime_, &QLineEdit::textChanged, this, [this](const QString& t) {
        double v = 0.0;
        const bool ok = NumarCatalog(t.toStdString(), v);
        c_->grosimeUtilizator = ok && v > 0 && v <= 1000 ? static_cast<float>(v) : 0.0f;
    });
    alegeFormat();
}

ActualizareExcelDialog::~ActualizareExcelDialog() {
    // The panel works on the context this window owns: it goes first.
    delete panou_;
}

QTableWidget* ActualizareExcelDialog::rezultate() const { return panou_ ? panou_->lista() : nullptr; }

void ActualizareExcelDialog::alegeFormat() {
    const int cod = formate_->currentData().toInt();
    delete panou_;  // closes the source it had open
    panou_ = nullptr;
    c_->codProducator = cod;
    producatori_->setCurrentIndex(ProducatorDinCodSelectie(cod));
    c_->sticla.producator = static_cast<std::uint16_t>(std::max(producatori_->currentIndex(), 0));
    auto* panou = new ImportExcelDialog(this, *c_, [this] { return actualizeaza_->isChecked(); });
    if (!panou->pregatit()) {
        delete panou;
        return;
    }
    // A dialog made a part of this window: its OK and Cancel, and Esc, are this window's.
    panou->setWindowFlags(Qt::Widget);
    connect(panou, &QDialog::accepted, this, &QDialog::accept);
    connect(panou, &QDialog::rejected, this, &QDialog::reject);
    asezare_->addWidget(panou);
    panou->show();
    panou_ = panou;
    if (!fisier_.empty()) {
        panou->randAntet()->setText(QString::number(randAntet_));
        // What the file's reading reports belongs over the window.
        LaPrimaAfisare(panou, [panou, fisier = fisier_] { panou->deschideFisier(fisier); });
    }
}

void ComandaImportaExcel(QWidget* fereastraPrincipala) {
    ActualizareExcelDialog d(fereastraPrincipala);
    d.exec();
}

}  // namespace vitramor
