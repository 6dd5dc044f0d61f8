#include "suite/GraficWidget.h"

#include <QAction>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGraphicsItem>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QScatterSeries>
#include <QStackedLayout>
#include <QSvgGenerator>
#include <QValueAxis>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "fileutil/UtilitatiFisiere.h"
#include "platform/Platforma.h"
#include "settings/Directoare.h"

namespace vitramor {

namespace {

// Data that fill the whole height look clipped; a small margin keeps the
// curve off the frame before the axis rounds its ends.
constexpr double MargineRelativa = 0.04;

// Values beyond these are garbage in a stored table; they are drawn at the
// edge of what an axis can carry, never computed with into infinities.
constexpr double ValoareMaxima = 1e300;
// A window narrower than this part of its values has steps below the
// values' own precision: the axis would step from a tick to itself forever.
constexpr double LatimeRelativaMinima = 1e-9;
// At most six parts: seven round ticks, whatever the data.
constexpr double PartiMaxime = 6.0;

struct Scala {
    double de, la, pas, ancora;
};

// A step of 1, 2 or 5 times a power of ten that cuts [de, la] into at most
// six parts; `rotunjit` widens the range to whole steps (300, 400 ... 800
// nm; 1.48, 1.50 ...), otherwise the window stays as given (a zoom keeps the
// value under the pointer where it is) with the ticks on round values.
Scala ScalaRotunda(double de, double la, bool rotunjit) {
    de = std::clamp(de, -ValoareMaxima, ValoareMaxima);
    la = std::clamp(la, -ValoareMaxima, ValoareMaxima);
    if (la < de) std::swap(de, la);
    const double marime = std::max(std::abs(de), std::abs(la));
    double latime = la > de ? la - de : std::max(marime, 1.0);
    if (latime < marime * LatimeRelativaMinima) {
        latime = marime * LatimeRelativaMinima;
        const double mijloc = de / 2 + la / 2;
        de = mijloc - latime / 2;
        la = mijloc + latime / 2;
    }
    const double baza = std::pow(10.0, std::floor(std::log10(latime / PartiMaxime)));
    double pas = baza * 10.0;
    for (double f : {1.0, 2.0, 5.0})
        if (latime / (baza * f) <= PartiMaxime) {
            pas = baza * f;
            break;
        }
    if (rotunjit) {
        de = std::floor(de / pas + 1e-9) * pas;
        la = std::ceil(la / pas - 1e-9) * pas;
        if (la <= de) la = de + pas;
    }
    return {de, la, pas, std::ceil(de / pas - 1e-9) * pas};
}

// A new range under the old step (or a new step over the old range) can ask
// the axis for millions of ticks for a moment, each laid out and labelled
// at once: the step goes wide first, so no state in between has more than
// a couple of ticks.
void AplicaScala(QValueAxis* axa, const Scala& s) {
    axa->setTickInterval(std::max({s.pas, s.la - s.de, axa->max() - axa->min()}));
    axa->setRange(s.de, s.la);
    axa->setTickAnchor(s.ancora);
    axa->setTickInterval(s.pas);
}

constexpr double RazaCautare = 6.0;  // pixels
// A cloud point is a disc of radius 3: half-widths of its rows.
constexpr int RazaPunct = 3;
constexpr int LatimeDisc[2 * RazaPunct + 1] = {1, 2, 3, 3, 3, 2, 1};

}  // namespace

// The cloud over the plot area, above the grid: 100,000 round points through
// the painter, or as chart markers, would cost many times the reading of
// the whole database, so they are stamped straight into a layer of pixels.
class StratNor final : public QGraphicsItem {
public:
    StratNor(const GraficWidget* g, QChart* chart) : QGraphicsItem(chart), g_(g) { setZValue(3.5); }
    QRectF boundingRect() const override { return zona_; }
    void paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*) override { g_->deseneazaNor(*p); }
    void potriveste(const QRectF& zona) {
        prepareGeometryChange();
        zona_ = zona;
    }

private:
    const GraficWidget* g_;
    QRectF zona_;
};

GraficWidget::GraficWidget(QWidget* parent, bool compact) : QWidget(parent) {
    setObjectName(QStringLiteral("grafic"));
    chart_ = new QChart;
    chart_->legend()->setVisible(!compact);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    axaX_ = new QValueAxis(chart_);
    axaY_ = new QValueAxis(chart_);
    for (QValueAxis* a : {axaX_, axaY_}) {
        a->setLabelFormat(QStringLiteral("%g"));
        a->setTickType(QValueAxis::TicksDynamic);
    }
    if (compact) {
        QFont f = font();
        f.setPointSizeF(std::max(6.0, f.pointSizeF() - 2));
        for (QValueAxis* a : {axaX_, axaY_}) {
            a->setLabelsFont(f);
            a->setTitleFont(f);
        }
        chart_->setMargins(QMargins(0, 0, 0, 0));
        chart_->layout()->setContentsMargins(0, 0, 0, 0);
        chart_->setBackgroundRoundness(0);
    }
    chart_->addAxis(axaX_, Qt::AlignBottom);
    chart_->addAxis(axaY_, Qt::AlignLeft);
    strat_ = new StratNor(this, chart_);
    connect(chart_, &QChart::plotAreaChanged, this, [this](const QRectF& zona) { strat_->potriveste(zona); });
    for (QValueAxis* a : {axaX_, axaY_})
        connect(a, &QValueAxis::rangeChanged, this, [this] { strat_->update(); });

    vedere_ = new QChartView(chart_, this);
    vedere_->setObjectName(QStringLiteral("vedereGrafic"));
    vedere_->setRenderHint(QPainter::Antialiasing);
    vedere_->setMouseTracking(true);
    vedere_->viewport()->setMouseTracking(true);
    vedere_->viewport()->installEventFilter(this);
    // Every plot saves what it shows, as a bitmap or as a drawing.
    vedere_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const QString& ext : {QStringLiteral("png"), QStringLiteral("svg")}) {
        auto* a = new QAction(QStringLiteral("Salveaza %1...").arg(ext.toUpper()), vedere_);
        a->setObjectName(QStringLiteral("salveaza") + ext);
        connect(a, &QAction::triggered, this, [this, ext] { salveazaImagine(ext); });
        vedere_->addAction(a);
    }
    gol_ = new QLabel(this);
    gol_->setObjectName(QStringLiteral("golGrafic"));
    gol_->setAlignment(Qt::AlignCenter);
    gol_->setWordWrap(true);

    stiva_ = new QStackedLayout;
    stiva_->addWidget(vedere_);
    stiva_->addWidget(gol_);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addLayout(stiva_, 1);
    citire_ = new QLabel(this);
    citire_->setObjectName(QStringLiteral("citireGrafic"));
    citire_->setMinimumWidth(citire_->fontMetrics().horizontalAdvance(QStringLiteral("0000.0 nm   100.000 %  ")));
    if (compact) {
        citire_->hide();
    } else {
        auto* jos = new QHBoxLayout;
        completa_ = new QCheckBox(QStringLiteral("Scala 0-100 %"), this);
        completa_->setObjectName(QStringLiteral("scalaCompleta"));
        completa_->hide();
        connect(completa_, &QCheckBox::toggled, this, [this] { reincadreaza(); });
        jos->addWidget(citire_, 1);
        jos->addWidget(completa_);
        l->addLayout(jos);
    }
    sterge();
}

void GraficWidget::seteazaAxe(const QString& titluX, const QString& titluY) {
    axaX_->setTitleText(titluX);
    axaY_->setTitleText(titluY);
}

void GraficWidget::seteazaProcent(bool procent) {
    procent_ = procent;
    if (completa_) completa_->setVisible(procent);
    reincadreaza();
}

void GraficWidget::seteazaScalaCompleta(bool completa) {
    if (completa_) completa_->setChecked(completa);
}

bool GraficWidget::scalaCompleta() const { return completa_ && completa_->isChecked(); }

void GraficWidget::sterge() {
    chart_->removeAllSeries();
    if (citire_) citire_->clear();
    areDate_ = false;
    seteazaMesajGol(QStringLiteral("Fara date"));
}

void GraficWidget::seteazaMesajGol(const QString& mesaj) {
    gol_->setText(mesaj);
    stiva_->setCurrentWidget(areDate_ ? static_cast<QWidget*>(vedere_) : gol_);
}

int GraficWidget::numarSerii() const { return static_cast<int>(chart_->series().size()); }

namespace {

template <class Serie>
Serie* SerieCu(QChart* chart, QValueAxis* x, QValueAxis* y, const QString& nume, const std::vector<QPointF>& puncte) {
    auto* s = new Serie;
    s->setName(nume);
    QList<QPointF> lista;
    lista.reserve(static_cast<qsizetype>(puncte.size()));
    for (const QPointF& p : puncte)
        if (std::isfinite(p.x()) && std::isfinite(p.y())) lista.push_back(p);
    s->replace(lista);
    chart->addSeries(s);
    s->attachAxis(x);
    s->attachAxis(y);
    return s;
}

}  // namespace

QLineSeries* GraficWidget::adaugaCurba(const QString& nume, const std::vector<QPointF>& puncte) {
    auto* s = SerieCu<QLineSeries>(chart_, axaX_, axaY_, nume, puncte);
    reincadreaza();
    return s;
}

void GraficWidget::adaugaPuncte(const QString& nume, const std::vector<QPointF>& puncte) {
    auto* s = SerieCu<QScatterSeries>(chart_, axaX_, axaY_, nume, puncte);
    s->setMarkerSize(7);
    reincadreaza();
}

void GraficWidget::seteazaNor(std::vector<QPointF> puncte, std::vector<QRgb> culori, std::function<QString(int)> nume) {
    nor_ = std::move(puncte);
    culoriNor_ = std::move(culori);
    culoriNor_.resize(nor_.size(), 0);
    numeNor_ = std::move(nume);
    reincadreaza();
    strat_->update();
}

void GraficWidget::adaugaLegenda(const QString& nume, QColor culoare) {
    auto* s = SerieCu<QScatterSeries>(chart_, axaX_, axaY_, nume, {});
    s->setColor(culoare);
    s->setBorderColor(culoare);
    s->setMarkerSize(9);
}

void GraficWidget::seteazaXInvers(bool invers) { axaX_->setReverse(invers); }

void GraficWidget::fixeazaScala(double x0, double x1, double y0, double y1) {
    scalaFixa_ = QRectF(QPointF(x0, y0), QPointF(x1, y1));
    reincadreaza();
}

// The axes span every series and the cloud, widened to round ends with
// ticks at round values; a fixed window is shown as it is.
void GraficWidget::reincadreaza() {
    bool primul = true;
    const auto cuprinde = [&](const QPointF& p) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return;
        if (primul) {
            xMin_ = xMax_ = p.x();
            yMin_ = yMax_ = p.y();
            primul = false;
        }
        xMin_ = std::min(xMin_, p.x());
        xMax_ = std::max(xMax_, p.x());
        yMin_ = std::min(yMin_, p.y());
        yMax_ = std::max(yMax_, p.y());
    };
    for (QAbstractSeries* s : chart_->series())
        for (const QPointF& p : static_cast<QXYSeries*>(s)->points()) cuprinde(p);
    for (const QPointF& p : nor_) cuprinde(p);
    areDate_ = !primul;
    seteazaMesajGol(gol_->text());
    if (!areDate_) return;
    if (scalaFixa_) {
        AplicaScala(axaX_, ScalaRotunda(scalaFixa_->left(), scalaFixa_->right(), false));
        AplicaScala(axaY_, ScalaRotunda(scalaFixa_->top(), scalaFixa_->bottom(), false));
        return;
    }
    AplicaScala(axaX_, ScalaRotunda(xMin_, xMax_, true));
    const double marja = std::max((yMax_ - yMin_) * MargineRelativa, std::abs(yMax_) * 1e-4 + 1e-12);
    Scala y = procent_ && scalaCompleta() ? Scala{0.0, 100.0, 10.0, 0.0}
                                          : ScalaRotunda(yMin_ - marja, yMax_ + marja, true);
    // A percentage stays within 0-100 % unless the data lie wholly outside.
    if (procent_ && std::max(0.0, y.de) < std::min(100.0, y.la)) {
        y.de = std::max(0.0, y.de);
        y.la = std::min(100.0, y.la);
        y.ancora = std::max(y.ancora, y.de);
    }
    AplicaScala(axaY_, y);
}

QPointF GraficWidget::inGrafic(const QPointF& valoare) const {
    const QRectF z = chart_->plotArea();
    double fx = (valoare.x() - axaX_->min()) / (axaX_->max() - axaX_->min());
    if (axaX_->isReverse()) fx = 1.0 - fx;
    const double fy = (valoare.y() - axaY_->min()) / (axaY_->max() - axaY_->min());
    return {z.left() + fx * z.width(), z.bottom() - fy * z.height()};
}

QPointF GraficWidget::valoareDin(const QPointF& p) const {
    const QRectF z = chart_->plotArea();
    double fx = (p.x() - z.left()) / z.width();
    if (axaX_->isReverse()) fx = 1.0 - fx;
    const double fy = (z.bottom() - p.y()) / z.height();
    return {axaX_->min() + fx * (axaX_->max() - axaX_->min()), axaY_->min() + fy * (axaY_->max() - axaY_->min())};
}

QPointF GraficWidget::spreVedere(const QPointF& p) const { return vedere_->mapFromScene(chart_->mapToScene(p)); }

QPointF GraficWidget::dinVedere(const QPoint& pozitie) const { return chart_->mapFromScene(vedere_->mapToScene(pozitie)); }

QPointF GraficWidget::pozitieValoare(const QPointF& valoare) const { return spreVedere(inGrafic(valoare)); }

int GraficWidget::punctNorLa(const QPoint& pozitie) const {
    const QPointF p = dinVedere(pozitie);
    if (nor_.empty() || !chart_->plotArea().contains(p)) return -1;
    int cel = -1;
    double celMaiMic = RazaCautare * RazaCautare;
    for (std::size_t i = 0; i < nor_.size(); ++i) {
        const QPointF d = inGrafic(nor_[i]) - p;
        const double d2 = d.x() * d.x() + d.y() * d.y();
        if (d2 <= celMaiMic) {
            celMaiMic = d2;
            cel = static_cast<int>(i);
        }
    }
    return cel;
}

void GraficWidget::deseneazaNor(QPainter& p) const {
    const QRectF zona = chart_->plotArea();
    if (nor_.empty() || zona.width() < 1 || zona.height() < 1) return;
    if (vectorial_) {
        // A document keeps each point a disc of its own, clipped to the frame.
        p.save();
        p.setClipRect(zona);
        p.setPen(Qt::NoPen);
        for (std::size_t i = 0; i < nor_.size(); ++i) {
            const QPointF c = inGrafic(nor_[i]);
            if (!zona.adjusted(-RazaPunct, -RazaPunct, RazaPunct, RazaPunct).contains(c)) continue;
            p.setBrush(QColor::fromRgb(culoriNor_[i]));
            p.drawEllipse(c, RazaPunct, RazaPunct);
        }
        p.restore();
        return;
    }
    QImage strat(zona.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    strat.fill(Qt::transparent);
    QRgb* pixeli = reinterpret_cast<QRgb*>(strat.bits());
    const int pas = static_cast<int>(strat.bytesPerLine() / 4), w = strat.width(), h = strat.height();
    for (std::size_t i = 0; i < nor_.size(); ++i) {
        const QPointF f = inGrafic(nor_[i]) - zona.topLeft();
        if (!(f.x() > -RazaPunct - 1 && f.x() < w + RazaPunct + 1 && f.y() > -RazaPunct - 1 && f.y() < h + RazaPunct + 1))
            continue;
        const int cx = static_cast<int>(std::lround(f.x())), cy = static_cast<int>(std::lround(f.y()));
        const QRgb culoare = 0xFF000000u | culoriNor_[i];
        for (int dy = -RazaPunct; dy <= RazaPunct; ++dy) {
            const int y = cy + dy;
            if (y < 0 || y >= h) continue;
            const int lat = LatimeDisc[dy + RazaPunct];
            for (int x = std::max(0, cx - lat); x <= std::min(w - 1, cx + lat); ++x) pixeli[y * pas + x] = culoare;
        }
    }
    p.drawImage(zona.topLeft(), strat);
}

QRectF GraficWidget::aseaza(QSize marime) const {
    if (!vedere_->isVisible() && marime.isValid()) {
        chart_->resize(marime);
        chart_->layout()->activate();
    }
    return chart_->sceneBoundingRect();
}

QImage GraficWidget::imagine(QSize marime) const {
    const QRectF sursa = aseaza(marime);
    QImage img(sursa.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    chart_->scene()->render(&p, QRectF(QPointF(0, 0), sursa.size()), sursa);
    return img;
}

QByteArray GraficWidget::svg(QSize marime, const QString& titlu, bool cuLegenda) const {
    const bool legenda = chart_->legend()->isVisible();
    if (cuLegenda && !legenda) {
        chart_->legend()->setAlignment(Qt::AlignRight);
        chart_->legend()->setVisible(true);
        chart_->layout()->activate();
    }
    const QRectF sursa = aseaza(marime);
    QByteArray octeti;
    QBuffer b(&octeti);
    b.open(QIODevice::WriteOnly);
    QSvgGenerator g;
    g.setOutputDevice(&b);
    g.setSize(sursa.size().toSize());
    g.setViewBox(QRectF(QPointF(0, 0), sursa.size()));
    g.setTitle(titlu);
    QPainter p(&g);
    vectorial_ = true;
    chart_->scene()->render(&p, QRectF(QPointF(0, 0), sursa.size()), sursa);
    vectorial_ = false;
    p.end();
    if (chart_->legend()->isVisible() != legenda) {
        chart_->legend()->setVisible(legenda);
        chart_->layout()->activate();
    }
    return octeti;
}

bool GraficWidget::salveazaImagine(const QString& extensie) {
    const std::string ext = extensie.toStdString(), mare = extensie.toUpper().toStdString();
    CerereAlegereFisier c;
    c.titlu = "Salveaza graficul";
    c.directorInitial = path_user;
    c.numeInitial = "grafic." + ext;
    c.extensieImplicita = ext;
    c.filtre = {{"Imagine " + mare + " (*." + ext + ")", {"*." + ext}}};
    c.trebuieSaExiste = false;
    const std::optional<FisierAles> ales = platforma().alegeFisierSalvare(this, c);
    if (!ales || ales->nume.empty()) return false;
    const std::string cale = (std::filesystem::path(ales->director) / ales->nume).string();
    QByteArray octeti;
    if (ext == "svg") {
        octeti = svg(size(), window()->windowTitle());
    } else {
        QBuffer b(&octeti);
        b.open(QIODevice::WriteOnly);
        imagine(size()).save(&b, "PNG");
    }
    // Written beside its name and renamed when whole; a device is refused.
    const RezultatOperatie r =
        ScrieFisierIntreg(cale, std::string_view(octeti.constData(), static_cast<std::size_t>(octeti.size())));
    if (r.esuat()) MesajBox(this, r.motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONHAND);
    return !r.esuat();
}

QString GraficWidget::citireLa(const QPoint& pozitie) const {
    if (!areDate_) return {};
    const QPointF inGraficul = dinVedere(pozitie);
    if (!chart_->plotArea().contains(inGraficul)) return {};
    const QPointF v = valoareDin(inGraficul);
    const auto unitate = [](const QString& titlu) {
        const qsizetype a = titlu.lastIndexOf(QLatin1Char('[')), b = titlu.lastIndexOf(QLatin1Char(']'));
        return a >= 0 && b > a ? QLatin1Char(' ') + titlu.mid(a + 1, b - a - 1) : QString();
    };
    const auto nume = [](const QString& titlu) { return titlu.section(QLatin1Char('['), 0, 0).trimmed(); };
    QString citire = QStringLiteral("%1 = %2%3   %4 = %5%6")
                         .arg(nume(axaX_->titleText()))
                         .arg(v.x(), 0, 'f', 1)
                         .arg(unitate(axaX_->titleText()))
                         .arg(nume(axaY_->titleText()))
                         .arg(v.y(), 0, 'g', 6)
                         .arg(unitate(axaY_->titleText()));
    const int punct = numeNor_ ? punctNorLa(pozitie) : -1;
    if (punct >= 0) citire += QStringLiteral("   ") + numeNor_(punct);
    return citire;
}

bool GraficWidget::eventFilter(QObject* obiect, QEvent* e) {
    if (obiect != vedere_->viewport()) return QWidget::eventFilter(obiect, e);
    switch (e->type()) {
    case QEvent::MouseMove: {
        const QPoint poz = static_cast<QMouseEvent*>(e)->position().toPoint();
        if (startTragere_ && (static_cast<QMouseEvent*>(e)->buttons() & Qt::LeftButton)) {
            // A drag carries the plot with the pointer.
            const QRectF z = chart_->plotArea();
            const QPointF d = QPointF(poz - *startTragere_);
            const double dx = d.x() / z.width() * scalaStart_.width() * (axaX_->isReverse() ? 1 : -1);
            const double dy = d.y() / z.height() * scalaStart_.height();
            fixeazaScala(scalaStart_.left() + dx, scalaStart_.right() + dx, scalaStart_.top() + dy,
                         scalaStart_.bottom() + dy);
        }
        if (citire_) citire_->setText(citireLa(poz));
        if (numeNor_) {
            const int punct = punctNorLa(poz);
            vedere_->viewport()->setToolTip(punct >= 0 ? numeNor_(punct) : QString());
        }
        break;
    }
    case QEvent::Leave:
        if (citire_) citire_->clear();
        break;
    case QEvent::MouseButtonPress:
        if (scalaFixa_ && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            startTragere_ = static_cast<QMouseEvent*>(e)->position().toPoint();
            scalaStart_ = *scalaFixa_;
        }
        break;
    case QEvent::MouseButtonRelease:
        startTragere_.reset();
        break;
    case QEvent::MouseButtonDblClick: {
        const int punct = punctNorLa(static_cast<QMouseEvent*>(e)->position().toPoint());
        if (punct >= 0) Q_EMIT punctNorDubluClic(punct);
        break;
    }
    case QEvent::Wheel:
        if (scalaFixa_) {
            // The value under the pointer stays where it is.
            const auto* r = static_cast<QWheelEvent*>(e);
            const QPointF v = valoareDin(dinVedere(r->position().toPoint()));
            const double f = std::pow(0.85, r->angleDelta().y() / 120.0);
            const QRectF s = *scalaFixa_;
            fixeazaScala(v.x() - (v.x() - s.left()) * f, v.x() + (s.right() - v.x()) * f, v.y() - (v.y() - s.top()) * f,
                         v.y() + (s.bottom() - v.y()) * f);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(obiect, e);
}

}  // namespace vitramor
