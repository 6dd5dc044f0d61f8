#include "explorare/ComparaSticleDialog.h"

#include <QCheckBox>
#include <QDoubleValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <cstring>

#include "explorare/ComparaSticle.h"
#include "explorare/ComparaSticleWindow.h"
#include "platform/Platforma.h"
#include "record/CodificareText.h"
#include "suite/UnitatiDialog.h"
#include "record/NumarCatalog.h"

namespace vitramor {

namespace {

// The layout, in dialog units: the list on the left, the content boxes on
// the right, the buttons below.
constexpr int LatimeDialog = 200, InaltimeDialog = 150;
constexpr int ListaX = 6, ListaY = 6, ListaCx = 110, ListaCy = 116;
constexpr int BifaX = 126, BifaCx = 68, BifaCy = 10;
constexpr int ButonY = 130, ButonCx = 56, ButonCy = 14;

}  // namespace

ComparaSticleDialog::ComparaSticleDialog(QWidget* parent, const SetLucru& set) : QDialog(parent), set_(set) {
    setWindowTitle(QStringLiteral("Compara materiale optice"));
    setObjectName(QStringLiteral("ComparaMateriale"));
    const UnitatiDialog& u = unitatiDialog();
    setFixedSize(u.dimensiune(LatimeDialog, InaltimeDialog));

    lista_ = new QListWidget(this);
    lista_->setObjectName(QString::number(IdListaComparare));
    // A click toggles one line; the order stays the main window's.
    lista_->setSelectionMode(QAbstractItemView::MultiSelection);
    lista_->setSortingEnabled(false);
    for (const MaterialOptic& m : set_.materiale)
        lista_->addItem(TextQt(m.nume, sizeof m.nume));
    u.plaseaza(lista_, ListaX, ListaY, ListaCx, ListaCy);

    struct Bifa {
        const char* text;
        int id;
        int bit;  // 0: no effect
    };
    // Only what the comparison can show is offered.
    const Bifa bife[] = {
        {"Indici", IdIndici, continut::Indici},
        {"Transmisie", IdTransmisie, continut::Transmisie},
        {"Mecanic", IdMecanic, continut::Mecanic},
        {"Termic", IdTermic, continut::Termic},
    };
    int y = ListaY;
    for (const Bifa& b : bife) {
        auto* c = new QCheckBox(QString::fromLatin1(b.text), this);
        c->setObjectName(QString::number(b.id));
        c->setChecked(b.bit == continut::Indici);
        u.plaseaza(c, BifaX, y, BifaCx, BifaCy);
        y += 14;
        connect(c, &QCheckBox::toggled, this, [this, bit = b.bit](bool bifat) {
            continut_ = bifat ? (continut_ | bit) : (continut_ & ~bit);
        });
        if (b.bit != continut::Transmisie) continue;
        // The thickness the transmittance is compared at, under its box.
        auto* eticheta = new QLabel(QStringLiteral("grosime [mm]"), this);
        u.plaseaza(eticheta, BifaX + 10, y, BifaCx - 10, BifaCy);
        y += 11;
        grosime_ = new QLineEdit(QString::number(GrosimeComparareImplicita), this);
        grosime_->setObjectName(QString::number(IdGrosimeComparare));
        grosime_->setValidator(new QDoubleValidator(0.001, 1000.0, 3, grosime_));
        u.plaseaza(grosime_, BifaX + 10, y, 40, 12);
        y += 16;
    }

    compara_ = ButonDialog(this, QStringLiteral("Compara"), IdButonCompara, ListaX, ButonY, ButonCx, ButonCy);
    compara_->setEnabled(false);
    QPushButton* ok = ButonDialog(this, QStringLiteral("OK"), raspuns::IDOK, 72, ButonY, ButonCx, ButonCy);
    ButonDialog(this, QStringLiteral("Ajutor"), IdAjutorComparare, 138, ButonY, ButonCx, ButonCy);
    connect(compara_, &QPushButton::clicked, this, &ComparaSticleDialog::compara);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(lista_, &QListWidget::itemSelectionChanged, this,
            [this] { compara_->setEnabled(lista_->selectedItems().size() > 1); });
}

void ComparaSticleDialog::compara() {
    CerereComparare& c = cerereComparare();
    int numar = 0;
    for (int i = 0; i < lista_->count() && numar < NumarMaximComparate; ++i)
        if (lista_->item(i)->isSelected()) c.indici[static_cast<std::size_t>(numar++)] = i;
    if (numar < 2) {
        platforma().beep();
        return;
    }
    c.numar = numar;
    c.continut = continut_;
    double grosime = 0.0;
    const bool ok = NumarCatalog(grosime_->text().toStdString(), grosime);
    c.grosime = ok && grosime > 0.0 ? static_cast<float>(grosime) : GrosimeComparareImplicita;
    DeschideComparaSticle(parentWidget(), c, set_);
    accept();
}

void ComparaSticleDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(128, 128, 128));
}

void ComandaComparaSticle(QWidget* fereastraPrincipala) {
    ComparaSticleDialog dialog(fereastraPrincipala);
    dialog.exec();
}

}  // namespace vitramor
