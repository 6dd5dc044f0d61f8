#include "database/NumeDialog.h"
#include "record/CodificareText.h"
#include "database/ProducatoriComboUi.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <cstring>

#include "database/CitesteIntrareFisierText.h"
#include "database/NumeMaterial.h"
#include "dispersion/MarimiOptice.h"
#include "database/StergeMaterialeProducatorDialog.h"
#include "fileutil/ListaTextComboUi.h"
#include "record/SetLucru.h"
#include "record/TexteMaterial.h"
#include "settings/Directoare.h"
#include "platform/FerestreMaterialUi.h"
#include "database/CatalogMateriale.h"
#include "suite/UnitatiDialog.h"
#include "suite/VedoraUi.h"

namespace vitramor {

namespace {

constexpr int IdAjutor = 1023;

// String-table entries of the combos and captions.
constexpr int PrimulTip = 1;
constexpr int UltimulTip = 19;  // the 16 types, then three old producer names
constexpr int PrimulStas = 33;
constexpr int UltimulStas = 43;
constexpr int EticheteNume = 49;  // "Nume", "Cod material", "Tip material", "Producator", "STAS"

// Layout in dialog units: one raised frame per field, captions on the left.
constexpr int FrameStanga = 5;
constexpr int FrameDreapta = 190;
constexpr int CampX = 70;
constexpr int CampCx = 114;
constexpr int RandInaltime = 18;
constexpr int PrimulRand = 8;
constexpr int NumarRanduri = 7;
constexpr int ButonX = 198;
constexpr int ButonCx = 70;

constexpr int RandY(int rand) { return PrimulRand + rand * RandInaltime; }

// Record texts are Windows-1252 bytes; the main list shows them as Latin-1
// and so do we, so that a name goes back into the record byte for byte.
template <std::size_t N>
QString DinCamp(const char (&camp)[N]) {
    return TextQt(camp, N);
}

std::string InText(const QString& s) { return Windows1252DinQt(s); }

}  // namespace

NumeDialog::NumeDialog(QWidget* parent, RedenumesteRand redenumeste)
    : QDialog(parent), index_(setLucru().materialCurent), redenumeste_(std::move(redenumeste)) {
    setObjectName(QStringLiteral("NUME"));
    const MaterialOptic& m = setLucru().curent();
    setWindowTitle(QStringLiteral("Nume: %1").arg(DinCamp(m.nume)));
    const UnitatiDialog& u = unitatiDialog();

    const auto edit = [&](int id, int rand, int x, int cx, int lungime) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::number(id));
        if (lungime > 0) e->setMaxLength(lungime);
        u.plaseaza(e, x, RandY(rand), cx, 12);
        e->installEventFilter(this);
        return e;
    };
    const auto combo = [&](int id, int rand) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::number(id));
        c->setMaxVisibleItems(20);
        u.plaseaza(c, CampX, RandY(rand), CampCx, 12);
        return c;
    };
    nume_ = edit(IdEditNumeMaterial, 0, CampX, CampCx, LungimeEditNume);
    cod_ = edit(IdEditCodMaterial, 1, CampX, CampCx, LungimeEditCod);
    tip_ = combo(IdComboTipMaterial, 2);
    producator_ = combo(IdComboProducatorMaterial, 3);
    stas_ = combo(IdComboStas, 4);
    pret_ = edit(IdEditPretRelativ, 5, CampX, 40, 0);
    unitate_ = edit(IdEditUnitatePret, 5, 144, 40, 0);
    categorie_ = combo(IdComboCategorieMaterial, 6);

    const auto buton = [&](const char* text, int id, int rand) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QString::number(id));
        b->setAutoDefault(false);
        u.plaseaza(b, ButonX, RandY(rand), ButonCx, 14);
        return b;
    };
    auto* ok = buton("OK", raspuns::IDOK, 0);
    ok->setDefault(true);
    buton("Ajutor", IdAjutor, 1);
    auto* sterge = buton("Sterge producator", IdButonStergeProducatorNume, 2);
    // What the record's data make of it, as the catalogues quote a glass.
    auto* marimi = new QLabel(QString::fromStdString(TextMarimiOptice(CalculeazaMarimiOptice(m))), this);
    marimi->setObjectName(QStringLiteral("marimiOptice"));
    marimi->setTextInteractionFlags(Qt::TextSelectableByMouse);
    marimi->setWordWrap(true);
    u.plaseaza(marimi, FrameStanga, RandY(NumarRanduri), ButonX + ButonCx - FrameStanga, 20);
    u.plaseaza(this, 0, 0, ButonX + ButonCx + 7, RandY(NumarRanduri) + 24);
    setFixedSize(size());

    nume_->setText(DinCamp(m.nume));
    cod_->setText(DinCamp(m.cod));
    pret_->setText(QString::fromStdString(TextPretRelativ(m.pret_relativ)));
    unitate_->setText(QString::fromStdString(TextNumar(UnitatePret())));
    umpleCombouri();
    initializare_ = false;

    for (QComboBox* c : {tip_, producator_, stas_, categorie_})
        connect(c, &QComboBox::currentIndexChanged, this, [this, c](int i) { laCombo(c, i); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sterge, &QPushButton::clicked, this, [this] { DeschideStergeMaterialeProducator(static_cast<QWidget*>(this)); });
    // "Ajutor" has no help page behind it.
}

void NumeDialog::umpleCombouri() {
    const MaterialOptic& m = setLucru().curent();
    for (int i = PrimulTip; i <= UltimulTip; ++i) tip_->addItem(QString::fromLatin1(SirDinTabel(i)));
    for (int i = PrimulStas; i <= UltimulStas; ++i) stas_->addItem(QString::fromLatin1(SirDinTabel(i)));

    UmpleComboProducatori(producator_, static_cast<QWidget*>(this));
    UmpleComboDinFisierText(categorie_, path_sticle, NumeFisierCategorii, true, 0);

    arataCombo(tip_, std::min<int>(m.tip_material, TipMaterialMaximNume));
    arataCombo(stas_, std::min<int>(m.stas, StasMaximNume));
    arataCombo(producator_, std::min<int>(m.producator, ProducatorMaximNume));
    arataCombo(categorie_, categorie_->findData(static_cast<int>(m.categorie)));
}

void NumeDialog::arataCombo(QComboBox* combo, int selectie) {
    const bool anterior = initializare_;
    initializare_ = true;
    combo->setCurrentIndex(selectie >= 0 && selectie < combo->count() ? selectie : -1);
    initializare_ = anterior;
}

void NumeDialog::laCombo(QComboBox* combo, int selectie) {
    if (initializare_ || selectie < 0) return;
    SetLucru& set = setLucru();
    if (set.gol()) return;
    auto* owner = static_cast<QWidget*>(this);
    const MaterialOptic& m = set.curent();
    if (combo == tip_) {
        if (!PreiaTipMaterial(owner, set, selectie)) arataCombo(tip_, std::min<int>(m.tip_material, TipMaterialMaximNume));
    } else if (combo == stas_) {
        if (!PreiaStas(owner, set, selectie)) arataCombo(stas_, std::min<int>(m.stas, StasMaximNume));
    } else if (combo == producator_) {
        if (!PreiaProducator(owner, set, selectie)) {
            arataCombo(producator_, std::min<int>(m.producator, ProducatorMaximNume));
        } else if (selectie == ProducatorEvaporare) {
            // Evaporation materials keep other quantities where the
            // mechanical editor's fields were: its window must not stay open
            // on them, nor write its fields back over them when it closes.
            if (FereastraMaterial* w = ferestreMaterial().fereastra(TipEditor::Mecanic, index_)) w->anuleaza();
        }
    } else if (combo == categorie_) {
        PreiaCategorie(set, combo->itemData(selectie).toInt());
    }
}

QLineEdit* NumeDialog::edituri(int i) const {
    switch (i) {
        case 0: return nume_;
        case 1: return cod_;
        case 2: return pret_;
        case 3: return unitate_;
        default: return nullptr;
    }
}

bool NumeDialog::eventFilter(QObject* obj, QEvent* ev) {
    // The field's own context menu is not leaving the field.
    if (ev->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(ev)->reason() != Qt::PopupFocusReason) {
        for (int i = 0; QLineEdit* e = edituri(i); ++i)
            if (obj == e && e->isModified()) preiaCamp(e);
    }
    return QDialog::eventFilter(obj, ev);
}

void NumeDialog::preiaCamp(QLineEdit* camp) {
    SetLucru& set = setLucru();
    if (!camp || set.gol()) return;
    // Cleared first: a message box below takes the focus away again, and
    // that second focus loss must not take the field over twice.
    camp->setModified(false);
    auto* owner = static_cast<QWidget*>(this);
    const std::string text = InText(camp->text());
    if (camp == nume_) {
        if (PreiaNumeMaterial(set, text) && redenumeste_) {
            const MaterialOptic& m = set.curent();
            redenumeste_(index_, std::string(m.nume, strnlen(m.nume, sizeof m.nume)));
        }
        // What the record holds, should it differ from what was typed (a
        // character the record's code page has no place for).
        nume_->setText(DinCamp(set.curent().nume));
    } else if (camp == cod_) {
        PreiaCodMaterial(set, text);
        cod_->setText(DinCamp(set.curent().cod));
    } else if (camp == pret_) {
        if (!PreiaPretRelativ(owner, set, text))
            pret_->setText(QString::fromStdString(TextPretRelativ(set.curent().pret_relativ)));
    } else if (camp == unitate_) {
        if (!PreiaUnitatePret(owner, text)) unitate_->setText(QString::fromStdString(TextNumar(UnitatePret())));
    }
}

void NumeDialog::done(int r) {
    // Enter closes the dialog without the field losing the focus first; what
    // was typed is taken over all the same.
    for (int i = 0; QLineEdit* e = edituri(i); ++i)
        if (e->isModified()) preiaCamp(e);
    QDialog::done(r);
}

void NumeDialog::paintEvent(QPaintEvent* ev) {
    QDialog::paintEvent(ev);
    const UnitatiDialog& u = unitatiDialog();
    QPainter p(this);
    const char* etichete[NumarRanduri] = {SirDinTabel(EticheteNume),     SirDinTabel(EticheteNume + 1),
                                          SirDinTabel(EticheteNume + 2), SirDinTabel(EticheteNume + 3),
                                          SirDinTabel(EticheteNume + 4), "Pret relativ",
                                          "Categorie"};
    for (int rand = 0; rand < NumarRanduri; ++rand) {
        const int y = RandY(rand);
        ZonaSus(p, u.x(FrameStanga), u.y(y - 3), u.x(FrameDreapta), u.y(y + 15));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(u.dreptunghi(FrameStanga + 5, y, CampX - FrameStanga - 7, 12), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromLatin1(etichete[rand]));
    }
    p.drawText(u.dreptunghi(114, RandY(5), 28, 12), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("UM pret"));
}

void ComandaNume(QWidget* fereastraPrincipala, std::function<void(int, const std::string&)> redenumesteRand) {
    if (setLucru().gol()) return;
    NumeDialog dialog(fereastraPrincipala, std::move(redenumesteRand));
    dialog.exec();
}

}  // namespace vitramor
