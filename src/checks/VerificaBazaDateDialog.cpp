#include "checks/VerificaBazaDateDialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <cfloat>
#include <cmath>

#include "checks/PropuneDomeniiDialog.h"
#include "checks/VerificariDispersieUi.h"
#include "settings/Directoare.h"
#include "suite/LucruInFundalUi.h"
#include "suite/UnitatiDialog.h"
#include "suite/VedoraUi.h"
#include "record/NumarCatalog.h"

namespace vitramor {

namespace {

constexpr int MesajValoareRespinsa = 38;
constexpr unsigned StilAvertizare = 48;

// The layout, in dialog units: two framed precision rows, then the buttons.
constexpr int LatimeDialog = 200, InaltimeDialog = 98;
constexpr int RamaX = 5, RamaCx = 190, RamaCy = 30;
constexpr int RamaNY = 5, RamaKY = 40;
constexpr int ButonY = 78, ButonCx = 56, ButonCy = 14;

QPushButton* Buton(QWidget* parent, const char* text, int id, int x) {
    return ButonDialog(parent, QString::fromLatin1(text), id, x, ButonY, ButonCx, ButonCy);
}

}  // namespace

QString TextPrecizie(float precizie) { return QString::asprintf("%7.5f", static_cast<double>(precizie)); }

VerificaBazaDateDialog::VerificaBazaDateDialog(QWidget* parent, QWidget* fereastraPrincipala)
    : QDialog(parent), fereastraPrincipala_(fereastraPrincipala) {
    setWindowTitle(QStringLiteral("Verifica indici / ec. dispersie"));
    const UnitatiDialog& u = unitatiDialog();

    const auto rand = [&](const char* text, int idComutator, int idCamp, int y, bool bifat, float precizie,
                          QCheckBox*& comutator, QLineEdit*& camp) {
        comutator = new QCheckBox(QString::fromLatin1(text), this);
        comutator->setObjectName(QString::number(idComutator));
        comutator->setChecked(bifat);
        u.plaseaza(comutator, RamaX + 7, y + 14, 80, 10);
        camp = new QLineEdit(this);
        camp->setObjectName(QString::number(idCamp));
        camp->setText(TextPrecizie(precizie));
        u.plaseaza(camp, RamaX + 105, y + 13, 75, 12);
        camp->installEventFilter(this);
    };
    rand("Verifica n", IdVerificaN, IdPrecizieN, RamaNY, setari_.verificaN, setari_.precizieN, verificaN_,
         precizieN_);
    rand("Verifica k", IdVerificaK, IdPrecizieK, RamaKY, setari_.verificaK, setari_.precizieK, verificaK_,
         precizieK_);
    connect(precizieN_, &QLineEdit::textEdited, this, [this] { editatN_ = true; });
    connect(precizieK_, &QLineEdit::textEdited, this, [this] { editatK_ = true; });
    connect(verificaN_, &QCheckBox::toggled, this, [this](bool activ) { setari_.verificaN = activ; });
    connect(verificaK_, &QCheckBox::toggled, this, [this](bool activ) { setari_.verificaK = activ; });

    QPushButton* verificaButon = Buton(this, "Verifica", IdButonVerifica, RamaX);
    QPushButton* ok = Buton(this, "OK", raspuns::IDOK, (LatimeDialog - ButonCx) / 2);
    Buton(this, "Ajutor", IdButonAjutorVerificari, LatimeDialog - RamaX - ButonCx);  // no help page behind it
    ok->setDefault(true);
    connect(verificaButon, &QPushButton::clicked, this, &VerificaBazaDateDialog::verifica);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(u.dimensiune(LatimeDialog, InaltimeDialog));
}

void VerificaBazaDateDialog::preiaPrecizie(QLineEdit* camp, float& precizie, bool& editat) {
    if (!editat) return;
    editat = false;
    const std::string text = camp->text().trimmed().toStdString();
    double valoare = 0.0;
    const bool numar = text.empty() || NumarCatalog(text, valoare);
    if (!numar || !std::isfinite(valoare) || valoare < 0.0 || valoare > FLT_MAX) {
        eroare(path_help, static_cast<QWidget*>(this), StilAvertizare, MesajValoareRespinsa);
        camp->setText(TextPrecizie(precizie));
        return;
    }
    precizie = static_cast<float>(valoare);
}

void VerificaBazaDateDialog::verifica() {
    // A click on "Verifica" takes the focus from a field, which commits it;
    // Alt+V does not, so a pending edit is taken over here as well.
    preiaPrecizie(precizieN_, setari_.precizieN, editatN_);
    preiaPrecizie(precizieK_, setari_.precizieK, editatK_);
    BlocText raport;
    std::string motiv;
    int verificat = 0;
    RuleazaCuProgres(this, QStringLiteral("Verificare baza de date"), [&](Progres& progres) {
        verificat = VerificaBazaDate(static_cast<QWidget*>(this), path_sticle, setari_, raport, motiv, progres);
    });
    if (verificat == 1)
        ArataRaportVerificare(RaportVerificare::BazaDate, fereastraPrincipala_, raport);
    else if (!motiv.empty())
        MesajBox(this, motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
}

bool VerificaBazaDateDialog::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::FocusOut) {
        if (o == precizieN_) preiaPrecizie(precizieN_, setari_.precizieN, editatN_);
        if (o == precizieK_) preiaPrecizie(precizieK_, setari_.precizieK, editatK_);
    }
    return QDialog::eventFilter(o, e);
}

void VerificaBazaDateDialog::paintEvent(QPaintEvent*) {
    const UnitatiDialog& u = unitatiDialog();
    QPainter p(this);
    p.fillRect(rect(), QColor(128, 128, 128));
    p.setPen(Qt::black);
    for (const int y : {RamaNY, RamaKY}) {
        ZonaSus(p, u.x(RamaX), u.y(y), u.x(RamaX + RamaCx), u.y(y + RamaCy));
        p.drawText(QRect(u.punct(RamaX + 7, y + 3), u.dimensiune(80, 9)), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Precizie"));
    }
}

}  // namespace vitramor
