#include "import/tabele/ActualizareExcelDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include "import/tabele/ImportExcelDialog.h"
#include "record/CodificareText.h"
#include "suite/Catalix.h"
#include "suite/DupaAfisareUi.h"

namespace vitramor {

namespace {

// The producers whose catalogue layout the update knows, with their
// selection code: Schott (1) and Ohara (3).
constexpr struct {
    int producator, cod;
} ProducatoriCunoscuti[] = {{2, 1}, {6, 3}};

}  // namespace

ActualizareExcelDialog::ActualizareExcelDialog(QWidget* parent, std::string fisier, int randAntet)
    : QDialog(parent), c_(std::make_unique<ContextImportExcel>()), fisier_(std::move(fisier)), randAntet_(randAntet) {
    setObjectName(QStringLiteral("130"));
    setWindowTitle(QStringLiteral("Actualizeaza STICLE32.DAT din baze de date folosind ODBC"));
    StergeAsocieri(c_->asocieri);
    ScrieAsocieriImplicite(*c_);
    c_->intrareCurenta = -1;
    c_->odbc.tabelSelectat = -1;

    producatori_ = new QComboBox(this);
    producatori_->setObjectName(QStringLiteral("1097"));
    for (const auto& p : ProducatoriCunoscuti) {
        std::string nume;
        ReturneazaNumeCodProducatorSticla(static_cast<std::uint16_t>(p.producator), nume, 47);
        producatori_->addItem(TextQt(nume), p.producator);
    }
    actualizeaza_ = new QCheckBox(QStringLiteral("Actualizeaza (stocheaza sticlele in SticleNou32.dat)"), this);
    actualizeaza_->setObjectName(QStringLiteral("1099"));
    auto* sus = new QHBoxLayout;
    sus->addWidget(new QLabel(QStringLiteral("Producator"), this));
    sus->addWidget(producatori_);
    sus->addSpacing(12);
    sus->addWidget(actualizeaza_);
    sus->addStretch(1);
    asezare_ = new QVBoxLayout(this);
    asezare_->addLayout(sus);
    asezare_->setSizeConstraint(QLayout::SetFixedSize);

    connect(producatori_, &QComboBox::currentIndexChanged, this, &ActualizareExcelDialog::alegeProducator);
    alegeProducator();
}

ActualizareExcelDialog::~ActualizareExcelDialog() {
    // The panel works on the context this window owns: it goes first.
    delete panou_;
}

QTableWidget* ActualizareExcelDialog::rezultate() const { return panou_ ? panou_->lista() : nullptr; }

void ActualizareExcelDialog::alegeProducator() {
    const int producator = producatori_->currentData().toInt();
    int cod = 0;
    for (const auto& p : ProducatoriCunoscuti)
        if (p.producator == producator) cod = p.cod;
    delete panou_;  // closes the source it had open
    panou_ = nullptr;
    c_->odbc.codProducator = cod;
    c_->sticla.producator = static_cast<std::uint16_t>(producator);
    c_->odbc.sursaExcel = 1;
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
