#include "shell/IncarcaMaterialDialog.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cstring>

#include "record/CodificareText.h"
#include "settings/Directoare.h"
#include "database/CautaMaterialDialog.h"
#include "suite/UnitatiDialog.h"
#include "suite/Vedora.h"
#include "suite/VedoraUi.h"

namespace vitramor {

namespace {

constexpr int LungimeMaximaNume = static_cast<int>(sizeof(MaterialOptic::nume)) - 1;

// The layout, in dialog units.
constexpr int LatimeDialog = 170, InaltimeDialog = 82;
constexpr int CampX = 15, CampY = 24, CampCx = 140, CampCy = 12;
constexpr int ButonY = 60, ButonCx = 45, ButonCy = 14;

QPushButton* buton(QWidget* parent, const char* text, int id, int x) {
    return ButonDialog(parent, QString::fromLatin1(text), id, x, ButonY, ButonCx, ButonCy);
}

}  // namespace

IncarcaMaterialDialog::IncarcaMaterialDialog(QWidget* parent, MaterialOptic& material)
    : QDialog(parent), material_(material) {
    setWindowTitle(QStringLiteral("Cauta material"));
    setObjectName(QStringLiteral("CautaMaterial"));
    const UnitatiDialog& u = unitatiDialog();
    setFixedSize(u.dimensiune(LatimeDialog, InaltimeDialog));

    // The library searches by this name; an empty one becomes the pattern
    // that takes every name, and the search starts over all producers.
    if (material_.nume[0] == '\0') std::strcpy(material_.nume, "*");
    material_.producator = 0;

    camp_ = new QLineEdit(this);
    camp_->setObjectName(QString::number(IdCampNumeCautat));
    camp_->setMaxLength(LungimeMaximaNume);
    camp_->setText(TextQt(material_.nume, sizeof material_.nume));
    u.plaseaza(camp_, CampX, CampY, CampCx, CampCy);
    camp_->installEventFilter(this);
    connect(camp_, &QLineEdit::textEdited, this, [this] { schimbat_ = true; });

    QPushButton* ok = buton(this, "OK", raspuns::IDOK, 10);
    QPushButton* anuleaza = buton(this, "Anuleaza", raspuns::IDCANCEL, 62);
    QPushButton* ajutor = buton(this, "Ajutor", 1023, 114);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &IncarcaMaterialDialog::accept);
    connect(anuleaza, &QPushButton::clicked, this, &QDialog::reject);
    connect(ajutor, &QPushButton::clicked, this, [this] { eroare(path_help, static_cast<QWidget*>(this), 48, 0); });
}

void IncarcaMaterialDialog::preiaNume() {
    if (!schimbat_) return;
    schimbat_ = false;
    const std::string text = Windows1252DinQt(camp_->text().left(LungimeMaximaNume));
    std::memset(material_.nume, 0, sizeof material_.nume);
    std::memcpy(material_.nume, text.data(), std::min(text.size(), sizeof material_.nume - 1));
}

void IncarcaMaterialDialog::accept() {
    // Enter in the field closes the dialog without the field losing the focus
    // first; what was typed is still the name to look for.
    preiaNume();
    QDialog::accept();
}

bool IncarcaMaterialDialog::eventFilter(QObject* o, QEvent* e) {
    if (o == camp_ && e->type() == QEvent::FocusOut) preiaNume();
    return QDialog::eventFilter(o, e);
}

void IncarcaMaterialDialog::paintEvent(QPaintEvent*) {
    const UnitatiDialog& u = unitatiDialog();
    QPainter p(this);
    p.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
    ZonaSus(p, u.x(5), u.y(5), u.x(LatimeDialog - 5), u.y(ButonY - 6));
    p.setPen(Qt::black);
    p.drawText(QRect(u.punct(10, 8), u.dimensiune(100, 10)), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Material optic"));
    ZonaJos(p, u.x(CampX) - 2, u.y(CampY) - 2, u.x(CampX + CampCx) + 2, u.y(CampY + CampCy) + 2);
}

int IncarcaMaterialInSetLucru(QWidget* owner, SetLucru& set, const char* numePropus,
                              const std::function<bool()>& poateInlocui) {
    if (set.gol()) {
        MesajBox(owner, "matPtr = NULL", "", stil::MB_OK);
        return 2;
    }
    MaterialOptic ales = set.curent();
    if (numePropus) {
        std::memset(ales.nume, 0, sizeof ales.nume);
        std::strncpy(ales.nume, numePropus, sizeof ales.nume - 1);
    }
    {
        IncarcaMaterialDialog dialog(owner, ales);
        if (dialog.exec() != QDialog::Accepted) return 2;
    }
    if (CautaMaterial(owner, path_sticle, ales) != 1) {
        MesajBox(owner, "eroare cautare material", "", stil::MB_OK);
        return 0;
    }
    if (poateInlocui && !poateInlocui()) return 2;
    set.incarca(set.materialCurent, ales);
    return 1;
}

}  // namespace vitramor
