#include "suite/GraficWidget.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QStackedLayout>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace vitramor {

namespace {

// Data that fill the whole height look clipped; a small margin keeps the
// curve off the frame before the axis rounds its ends.
constexpr double MargineRelativa = 0.04;

// A step of 1, 2, 2.5 or 5 times a power of ten that cuts [de, la] into at
// most six parts, and the range widened to whole steps: the ticks fall on
// round values (300, 400 ... 800 nm; 1.48, 1.50 ...).
void CapeteRotunde(double& de, double& la, double& pas) {
    const double latime = la > de ? la - de : std::max(std::abs(de), 1.0);
    const double baza = std::pow(10.0, std::floor(std::log10(latime / 6.0)));
    pas = baza * 10.0;
    for (double f : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (latime / (baza * f) <= 6.0) {
            pas = baza * f;
            break;
        }
    de = std::floor(de / pas + 1e-9) * pas;
    la = std::ceil(la / pas - 1e-9) * pas;
    if (la <= de) la = de + pas;
}

}  // namespace

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

    vedere_ = new QChartView(chart_, this);
    vedere_->setObjectName(QStringLiteral("vedereGrafic"));
    vedere_->setRenderHint(QPainter::Antialiasing);
    vedere_->setMouseTracking(true);
    vedere_->viewport()->setMouseTracking(true);
    vedere_->viewport()->installEventFilter(this);
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

void GraficWidget::adaugaCurba(const QString& nume, const std::vector<QPointF>& puncte) {
    SerieCu<QLineSeries>(chart_, axaX_, axaY_, nume, puncte);
    reincadreaza();
}

void GraficWidget::adaugaPuncte(const QString& nume, const std::vector<QPointF>& puncte) {
    auto* s = SerieCu<QScatterSeries>(chart_, axaX_, axaY_, nume, puncte);
    s->setMarkerSize(7);
    reincadreaza();
}

// The axes span every series, widened to round ends with ticks at round values.
void GraficWidget::reincadreaza() {
    bool primul = true;
    for (QAbstractSeries* s : chart_->series()) {
        for (const QPointF& p : static_cast<QXYSeries*>(s)->points()) {
            if (primul) {
                xMin_ = xMax_ = p.x();
                yMin_ = yMax_ = p.y();
                primul = false;
            }
            xMin_ = std::min(xMin_, p.x());
            xMax_ = std::max(xMax_, p.x());
            yMin_ = std::min(yMin_, p.y());
            yMax_ = std::max(yMax_, p.y());
        }
    }
    areDate_ = !primul;
    seteazaMesajGol(gol_->text());
    if (!areDate_) return;
    double y0 = yMin_, y1 = yMax_;
    const double marja = std::max((y1 - y0) * MargineRelativa, std::abs(y1) * 1e-4 + 1e-12);
    y0 -= marja;
    y1 += marja;
    if (procent_ && scalaCompleta()) {
        y0 = 0.0;
        y1 = 100.0;
    } else if (procent_) {
        y0 = std::max(0.0, y0);
        y1 = std::min(100.0, y1);
    }
    double x0 = xMin_, x1 = xMax_, pasX = 1.0, pasY = 1.0;
    CapeteRotunde(x0, x1, pasX);
    if (procent_ && scalaCompleta()) {
        pasY = 10.0;
    } else {
        CapeteRotunde(y0, y1, pasY);
        if (procent_) {
            y0 = std::max(0.0, y0);
            y1 = std::min(100.0, y1);
        }
    }
    axaX_->setRange(x0, x1);
    axaX_->setTickAnchor(x0);
    axaX_->setTickInterval(pasX);
    axaY_->setRange(y0, y1);
    axaY_->setTickAnchor(y0);
    axaY_->setTickInterval(pasY);
}

QString GraficWidget::citireLa(const QPoint& pozitie) const {
    if (!areDate_) return {};
    const QPointF scena = vedere_->mapToScene(pozitie);
    const QPointF inGrafic = chart_->mapFromScene(scena);
    if (!chart_->plotArea().contains(inGrafic)) return {};
    const QPointF v = chart_->mapToValue(inGrafic);
    const auto unitate = [](const QString& titlu) {
        const qsizetype a = titlu.lastIndexOf(QLatin1Char('[')), b = titlu.lastIndexOf(QLatin1Char(']'));
        return a >= 0 && b > a ? QLatin1Char(' ') + titlu.mid(a + 1, b - a - 1) : QString();
    };
    const auto nume = [](const QString& titlu) { return titlu.section(QLatin1Char('['), 0, 0).trimmed(); };
    return QStringLiteral("%1 = %2%3   %4 = %5%6")
        .arg(nume(axaX_->titleText()))
        .arg(v.x(), 0, 'f', 1)
        .arg(unitate(axaX_->titleText()))
        .arg(nume(axaY_->titleText()))
        .arg(v.y(), 0, 'g', 6)
        .arg(unitate(axaY_->titleText()));
}

bool GraficWidget::eventFilter(QObject* obiect, QEvent* e) {
    if (obiect == vedere_->viewport() && citire_) {
        if (e->type() == QEvent::MouseMove)
            citire_->setText(citireLa(static_cast<QMouseEvent*>(e)->position().toPoint()));
        else if (e->type() == QEvent::Leave)
            citire_->clear();
    }
    return QWidget::eventFilter(obiect, e);
}

}  // namespace vitramor
