#include "editors/EditorMaterialWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "checks/FisaProducator.h"
#include "material/CelulaNumerica.h"
#include "record/CodificareText.h"
#include "record/SetLucru.h"
#include "settings/Directoare.h"
#include "settings/PozitieFereastra.h"
#include "settings/PozitieFereastraUi.h"
#include "suite/UnitatiDialog.h"
#include "suite/Vedora.h"
#include "suite/VedoraUi.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

const QColor kFundal(128, 128, 128);

}  // namespace

// The client area in dialog units. It paints for the window, so that the
// menu bar above it does not shift a single unit of the layout.
class EditorMaterialWindow::Panou final : public QWidget {
public:
    explicit Panou(EditorMaterialWindow* fereastra) : QWidget(fereastra), fereastra_(fereastra) {}

protected:
    void paintEvent(QPaintEvent*) override {
        if (fereastra_->forma()) return;  // a form draws nothing of its own
        QPainter p(this);
        fereastra_->deseneazaPanou(p);
    }

private:
    EditorMaterialWindow* fereastra_;
};

EditorMaterialWindow::EditorMaterialWindow(TipEditor tip, int indexMaterial, QWidget* proprietar,
                                           DescriereEditor descriere)
    : FereastraMaterial(tip, indexMaterial, proprietar), descriere_(std::move(descriere)) {
    const QString clasa = QString::fromStdString(descriere_.clasa);
    setObjectName(clasa);
    setProperty("clasaFereastra", clasa);
    // Caption, system menu and minimise box; the size is the editor's own.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    const UnitatiDialog& u = unitatiDialog();
    panou_ = new Panou(this);
    panou_->setObjectName(QStringLiteral("panou"));
    panou_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panou_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& poz) { meniuContext(panou_, poz); });

    auto* asezare = new QVBoxLayout(this);
    if (forma()) {
        setWindowFlag(Qt::WindowMaximizeButtonHint);
        coloana_ = new QVBoxLayout(panou_);
        derulare_ = new QScrollArea(this);
        derulare_->setFrameShape(QFrame::NoFrame);
        derulare_->setWidgetResizable(true);
        derulare_->setWidget(panou_);
        asezare->addWidget(derulare_, 1);
        randButoane_ = new QHBoxLayout;
        randButoane_->addStretch(1);
        asezare->addLayout(randButoane_);
    } else {
        panou_->setFixedSize(u.dimensiune(descriere_.dimensiune.width(), descriere_.dimensiune.height()));
        asezare->setContentsMargins(0, 0, 0, 0);
        asezare->setSpacing(0);
        asezare->setSizeConstraint(QLayout::SetFixedSize);
        asezare->addWidget(panou_);
    }

    move(u.punct(descriere_.pozitie.x(), descriere_.pozitie.y()));
    const QSize inainte = size();
    if (PastrarePozitiiActiva()) RestaureazaPozitieFereastra(this, descriere_.clasa);
    marimeData_ = size() != inainte;
    actualizeazaTitlu();
}

EditorMaterialWindow::~EditorMaterialWindow() {
    // The cells outlive this part of the window by a moment; their last
    // focus events must not reach a half-destroyed editor.
    for (Celula& c : celule_) c.control->removeEventFilter(this);
}

MaterialOptic* EditorMaterialWindow::material() const {
    SetLucru& set = setLucru();
    const int i = indexMaterial();
    if (i < 0 || i >= set.numarMateriale()) return nullptr;
    return &set.materiale[static_cast<std::size_t>(i)];
}

QLineEdit* EditorMaterialWindow::adaugaCelula(const QString& nume, int slot, QRect unitati, Afisare afisare,
                                              Preluare preluare, Afisare respins, OptiuniCelula optiuni) {
    auto* control = new QLineEdit(panou_);
    control->setObjectName(nume);
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    if (forma()) {
        // Room for "-8.8888e-88" in the font the cell has, whatever it is.
        control->setMinimumWidth(control->fontMetrics().horizontalAdvance(QStringLiteral("-8.8888e-88")) + 12);
    } else {
        control->setFrame(false);
        if (fontCelule_) control->setFont(*fontCelule_);
        unitatiDialog().plaseaza(control, unitati.x(), unitati.y(), unitati.width(), unitati.height());
    }
    control->installEventFilter(this);
    connect(control, &QLineEdit::textEdited, this, [this, control] {
        if (Celula* c = celula(control)) c->modificata = true;
    });
    connect(control, &QLineEdit::returnPressed, this, [this, control] {
        if (Celula* c = celula(control)) preia(*c, true);
    });
    connect(control, &QWidget::customContextMenuRequested, this,
            [this, control](const QPoint& poz) { meniuContext(control, poz); });
    celule_.push_back(
        {control, slot, unitati, std::move(afisare), std::move(preluare), std::move(respins), optiuni, false});
    return control;
}

QString EditorMaterialWindow::formateaza(const char* format, double v) {
    return QString::fromStdString(TextFormatat(format, v));
}

namespace {

// 0 is "not given" in the record: an empty cell.
QString SauGol(double v, const QString& text) { return v == 0.0 ? QString() : text; }

}  // namespace

QLineEdit* EditorMaterialWindow::adaugaCelulaFloat(int id, QRect unitati, CampFloat camp, const char* format,
                                                   RegulaValoare regula, OptiuniCelula optiuni) {
    const auto arata = [camp](const char* f) {
        return [camp, f](const MaterialOptic& m) {
            const float v = camp(const_cast<MaterialOptic&>(m));
            return SauGol(v, formateaza(f, v));
        };
    };
    return adaugaCelula(
        QString::number(id), -1, unitati, arata(format),
        [camp, regula, gol = optiuni.golPermis](MaterialOptic& m, const std::string& text) {
            const std::optional<float> v = CitesteFloatCelula(text);
            if (!v || !((gol && CelulaGoala(text)) || regula(m, *v))) return false;
            camp(m) = *v;
            return true;
        },
        arata("%g"), optiuni);
}

QLineEdit* EditorMaterialWindow::adaugaCelulaIntreg(int id, QRect unitati, CampIntreg camp, OptiuniCelula optiuni) {
    return adaugaCelula(
        QString::number(id), -1, unitati,
        [camp](const MaterialOptic& m) {
            const std::uint16_t v = camp(const_cast<MaterialOptic&>(m));
            return SauGol(v, QString::number(v));
        },
        [camp](MaterialOptic& m, const std::string& text) {
            const std::optional<unsigned> v = CitesteIntregCelula(text, 65535);
            if (!v) return false;
            camp(m) = static_cast<std::uint16_t>(*v);
            return true;
        },
        {}, optiuni);
}

QPushButton* EditorMaterialWindow::adaugaButon(int id, const QString& text, QRect unitati) {
    auto* b = new QPushButton(text, forma() ? static_cast<QWidget*>(this) : panou_);
    b->setObjectName(QString::number(id));
    if (forma())
        randButoane_->addWidget(b);
    else
        unitatiDialog().plaseaza(b, unitati.x(), unitati.y(), unitati.width(), unitati.height());
    connect(b, &QPushButton::clicked, this, [this, id] { executa(id); });
    return b;
}

namespace {

// A line edit keeps 2 pixels on each side of its text and one for the cursor.
constexpr int MargineTextCelula = 5;
constexpr qreal FontMinim = 6.0;  // points; below this a digit is no longer read at a glance

qreal marime(const QFont& f) { return f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 0.75; }

void seteazaMarime(QFont& f, qreal puncte) { f.setPointSizeF(puncte); }

}  // namespace

void EditorMaterialWindow::asiguraLatime(QLineEdit* celula, const QString& mostra) {
    QFont f = fontCelule_ ? *fontCelule_ : celula->font();
    while (marime(f) > FontMinim &&
           QFontMetrics(f).horizontalAdvance(mostra) + MargineTextCelula > celula->width())
        seteazaMarime(f, marime(f) - 0.5);
    if (fontCelule_ && *fontCelule_ == f) return;
    fontCelule_ = f;
    for (Celula& c : celule_) c.control->setFont(f);
}

void EditorMaterialWindow::deseneazaTextInLatime(QPainter& p, const QRect& r, const QString& text) {
    p.save();
    QFont f = p.font();
    int latime = QFontMetrics(f).horizontalAdvance(text);
    // First a smaller size, down to three quarters, then a horizontal squeeze
    // for what is still too wide: short labels stay upright and readable.
    if (latime > r.width()) {
        seteazaMarime(f, std::max(marime(f) * 0.75, marime(f) * r.width() / latime));
        p.setFont(f);
        latime = QFontMetrics(f).horizontalAdvance(text);
    }
    if (latime > r.width() && latime > 0) {
        const qreal s = static_cast<qreal>(r.width()) / latime;
        p.translate(r.left(), 0);
        p.scale(s, 1.0);
        p.drawText(QRect(0, r.top(), latime, r.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
    } else {
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    p.restore();
}

void EditorMaterialWindow::adaugaEticheta(const QString& text, QPoint unitati, int latime) {
    etichete_.push_back({text, unitati, latime});
}

QFormLayout* EditorMaterialWindow::adaugaGrup(const QString& titlu, QBoxLayout* in) {
    auto* grup = new QGroupBox(titlu, panou_);
    auto* f = new QFormLayout(grup);
    // Long labels put their cell under them rather than be cut when the
    // window is narrow.
    f->setRowWrapPolicy(QFormLayout::WrapLongRows);
    f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    (in ? in : static_cast<QBoxLayout*>(coloana_))->addWidget(grup);
    return f;
}

void EditorMaterialWindow::seteazaTitluMeniu(const QString& titlu) {
    if (!meniuFereastra_) {
        bara_ = new QMenuBar(this);
        bara_->setNativeMenuBar(false);
        meniuFereastra_ = bara_->addMenu(titlu);
        layout()->setMenuBar(bara_);
    } else {
        meniuFereastra_->setTitle(titlu);
    }
}

QAction* EditorMaterialWindow::adaugaComandaFereastra(int id, const QString& text) {
    if (!meniuFereastra_) seteazaTitluMeniu(QStringLiteral("&Fereastra"));
    auto* a = new QAction(text, this);
    a->setObjectName(QString::number(id));
    connect(a, &QAction::triggered, this, [this, id] { executa(id); });
    meniuFereastra_->addAction(a);
    comenziFereastra_.push_back(a);
    return a;
}

void EditorMaterialWindow::meniuContext(QWidget* sursa, const QPoint& pozitie) {
    auto* cell = qobject_cast<QLineEdit*>(sursa);
    QMenu* meniu = cell ? cell->createStandardContextMenu() : new QMenu(this);
    if (!comenziFereastra_.empty()) {
        if (cell) meniu->addSeparator();
        for (QAction* a : comenziFereastra_) meniu->addAction(a);
    }
    if (!meniu->isEmpty()) meniu->exec(sursa->mapToGlobal(pozitie));
    delete meniu;
}

EditorMaterialWindow::Celula* EditorMaterialWindow::celula(QObject* o) {
    for (Celula& c : celule_)
        if (c.control == o) return &c;
    return nullptr;
}

void EditorMaterialWindow::arataInCelula(QLineEdit* control, const QString& text) {
    control->setText(text);
    control->setCursorPosition(0);
    if (Celula* c = celula(control)) c->modificata = false;
}

void EditorMaterialWindow::preia(Celula& c, bool pastreazaFocus) {
    if (!c.modificata) return;
    c.modificata = false;
    if (!pastreazaFocus) slotFocalizat_ = -1;
    MaterialOptic* m = material();
    if (!m) {
        platforma().beep();
        return;
    }
    if (c.control->text() == c.afisare(*m)) return;
    const MaterialOptic inainte = *m;
    if (c.preluare(*m, c.control->text().toStdString())) {
        if (std::memcmp(&inainte, m, sizeof inainte) != 0) setLucru().memoreazaAnterior(indexMaterial(), inainte);
        if (c.optiuni.marcheazaModificat) setLucru().modificat = 1;
        laPreluare();
        return;
    }
    // The stored value goes back into the cell first: the message box may
    // outlive this window (a shutdown behind it), the cell must not.
    const Afisare& afisare = c.respins ? c.respins : c.afisare;
    if (!c.optiuni.pastreazaTextul) arataInCelula(c.control, afisare(*m));
    eroare(path_help, proprietar(), c.optiuni.stil, c.optiuni.mesaj);
}

void EditorMaterialWindow::memoreazaPentruAnulare(bool suprascrie) {
    const MaterialOptic* m = material();
    if (!m) return;
    setLucru().memoreazaAnterior(indexMaterial(), *m);
    if (suprascrie) setLucru().marcheazaSuprascris(indexMaterial());
}

void EditorMaterialWindow::preiaCelulaModificata() {
    for (Celula& c : celule_)
        if (c.modificata) preia(c, true);
}

bool EditorMaterialWindow::eventFilter(QObject* obiect, QEvent* e) {
    if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
        if (Celula* c = celula(obiect)) {
            if (e->type() == QEvent::FocusIn) {
                slotFocalizat_ = c->slot;
            } else if (static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason) {
                // A popup (a menu of this window) leaves the cell in charge:
                // the command chosen there works on its slot.
                const QPointer<EditorMaterialWindow> viu(this);
                preia(*c, false);
                if (!viu) return false;  // closed while message 10 was up
            }
        }
    }
    return FereastraMaterial::eventFilter(obiect, e);
}

void EditorMaterialWindow::executa(int id) {
    if (id == raspuns::IDCANCEL) {
        anuleaza();
        return;
    }
    // A command chosen while a cell still holds an edit works on the data the
    // user sees: the edit is taken over first, and the cell keeps its slot.
    const QPointer<EditorMaterialWindow> viu(this);
    preiaCelulaModificata();
    if (!viu) return;
    switch (id) {
    case raspuns::IDOK:
        inchide();
        break;
    case IdButonAjutorEditor:
        ajutor();
        break;
    default:
        executaComanda(id);
        break;
    }
}

void EditorMaterialWindow::ajutor() {
    MaterialOptic* m = material();
    if (!m) return;
    if (const RezultatOperatie r = DeschideFisaProducator(proprietar(), path_sticle, m->producator); r.esuat())
        MesajBox(proprietar(), r.motiv, CaleFisaProducator(path_sticle, m->producator), stil::MB_OK);
}

void EditorMaterialWindow::reimprospateaza() {
    const MaterialOptic* m = material();
    for (Celula& c : celule_) {
        c.control->setText(m ? c.afisare(*m) : QString());
        c.control->setCursorPosition(0);
        c.modificata = false;
    }
    actualizeazaTitlu();
    laReimprospatare();
    panou_->update();
}

void EditorMaterialWindow::actualizeazaTitlu() {
    std::string titlu = descriere_.formatTitlu;
    const MaterialOptic* m = material();
    const std::string nume = m ? std::string(TextCamp(m->nume, sizeof m->nume)) : std::string();
    if (const auto p = titlu.find("%s"); p != std::string::npos) titlu.replace(p, 2, nume);
    setWindowTitle(TextQt(titlu));
}

void EditorMaterialWindow::faModal() {
    if (parentWidget()) setWindowModality(Qt::WindowModal);
}

void EditorMaterialWindow::inchide() {
    inchisPrinComanda_ = true;
    close();
}

void EditorMaterialWindow::anuleaza() {
    for (Celula& c : celule_) c.modificata = false;
    inchide();
}

void EditorMaterialWindow::showEvent(QShowEvent* e) {
    if (forma() && !marimeData_) {
        marimeData_ = true;
        potrivesteMarimea();
    }
    FereastraMaterial::showEvent(e);
}

void EditorMaterialWindow::potrivesteMarimea() {
    const QSize continut = panou_->sizeHint();
    const QMargins m = layout()->contentsMargins();
    int latime = std::max(continut.width(), randButoane_->sizeHint().width()) + m.left() + m.right();
    int inaltime = continut.height() + layout()->spacing() + randButoane_->sizeHint().height() + m.top() + m.bottom();
    if (bara_) inaltime += bara_->sizeHint().height();
    const QRect ecran = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
    const int inaltimeMaxima = ecran.height() * 9 / 10;
    // What does not fit scrolls, beside a bar that takes its own width.
    if (inaltime > inaltimeMaxima) latime += derulare_->verticalScrollBar()->sizeHint().width();
    resize(std::min(latime, ecran.width() * 9 / 10), std::min(inaltime, inaltimeMaxima));
}

void EditorMaterialWindow::closeEvent(QCloseEvent* e) {
    if (!inchisPrinComanda_) {
        // Closed through the title bar: what was typed last is kept, as a
        // click elsewhere would have kept it, and so is the place on screen.
        const QPointer<EditorMaterialWindow> viu(this);
        preiaCelulaModificata();
        if (!viu) return;
        SalveazaPozitieFereastraInRegistri(this, descriere_.clasa);
    }
    FereastraMaterial::closeEvent(e);
}

void EditorMaterialWindow::deseneazaPanou(QPainter& p) {
    const UnitatiDialog& u = unitatiDialog();
    p.fillRect(panou_->rect(), kFundal);
    if (zonaPanou_.isValid())
        ZonaSus(p, u.x(zonaPanou_.left()), u.y(zonaPanou_.top()), u.x(zonaPanou_.x() + zonaPanou_.width()),
                u.y(zonaPanou_.y() + zonaPanou_.height()));
    // A sunken well round each cell, outside the cell so that the text area
    // keeps every pixel of its rectangle.
    for (const Celula& c : celule_) {
        const QRect r = c.control->geometry();
        ZonaJos(p, r.left() - 2, r.top() - 2, r.left() + r.width() + 2, r.top() + r.height() + 2);
    }
    p.setPen(Qt::black);
    p.setBackground(kFundal);
    for (const Eticheta& e : etichete_) {
        const QPoint colt = u.punct(e.unitati.x(), e.unitati.y());
        if (e.latime > 0)
            deseneazaTextInLatime(p, QRect(colt, QSize(u.x(e.latime), p.fontMetrics().height())), e.text);
        else
            p.drawText(QRect(colt, QSize(1, 1)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, e.text);
    }
    deseneaza(p, u);
}

FereastraMaterial* DeschideEditorMaterialCurent(TipEditor tip, const std::function<FereastraMaterial*(int)>& creeaza) {
    SetLucru& set = setLucru();
    if (set.gol()) {
        platforma().beep();
        return nullptr;
    }
    const int index = set.materialCurent;
    return ferestreMaterial().deschide(tip, index, [&] { return creeaza(index); });
}

}  // namespace vitramor
