#include "explorare/HartaSticleWidget.h"

#include "record/CodificareText.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <cmath>

namespace vitramor {

namespace {

constexpr int MargineStanga = 60, MargineDreapta = 150, MargineSus = 12, MargineJos = 40;
constexpr double RazaCautare = 6.0;  // pixels
// A point is a disc of radius 3: half-widths of its rows.
constexpr int RazaPunct = 3;
constexpr int LatimeDisc[2 * RazaPunct + 1] = {1, 2, 3, 3, 3, 2, 1};

QString Text(const std::string& windows1252) { return TextQt(windows1252); }

}  // namespace

HartaSticleWidget::HartaSticleWidget(QWidget* parent, DeschideMaterial deschide)
    : QWidget(parent), deschide_(std::move(deschide)) {
    setObjectName(QStringLiteral("hartaSticle"));
    setMouseTracking(true);
    setMinimumSize(400, 300);
    setAutoFillBackground(false);
}

void HartaSticleWidget::seteazaCatalog(std::vector<RezumatMaterial> catalog) {
    catalog_ = std::move(catalog);
    recalculeaza();
    reseteazaZoom();
}

void HartaSticleWidget::seteazaVedere(VedereHarta vedere) {
    vedere_ = vedere;
    recalculeaza();
    reseteazaZoom();
}

void HartaSticleWidget::seteazaProducatori(std::set<std::uint16_t> producatori) {
    producatori_ = std::move(producatori);
    recalculeaza();
    update();
}

void HartaSticleWidget::recalculeaza() { puncte_ = PuncteHarta(catalog_, vedere_, producatori_); }

void HartaSticleWidget::reseteazaZoom() {
    // The zoom frames every material, whichever producers are shown.
    limite_ = LimiteHartaPentru(catalog_, producatori_.empty() ? puncte_ : PuncteHarta(catalog_, vedere_), vedere_);
    update();
}

ScalaHarta HartaSticleWidget::scalaPentru(const QRect& zona) const {
    return ScalaHarta{limite_, double(zona.left() + MargineStanga), double(zona.top() + MargineSus),
                      double(std::max(10, zona.width() - MargineStanga - MargineDreapta)),
                      double(std::max(10, zona.height() - MargineSus - MargineJos))};
}

long HartaSticleWidget::randLa(QPointF pixel) const {
    const ScalaHarta s = scala();
    long cel = -1;
    double celMaiMic = RazaCautare * RazaCautare;
    for (std::size_t i : puncte_) {
        const RezumatMaterial& m = catalog_[i];
        const double dx = s.x(m.vd) - pixel.x(), dy = s.y(OrdonataHarta(m, vedere_)) - pixel.y();
        const double d = dx * dx + dy * dy;
        if (d <= celMaiMic) {
            celMaiMic = d;
            cel = static_cast<long>(i);
        }
    }
    return cel;
}

void HartaSticleWidget::deseneaza(QPainter& p, const QRect& zona) const {
    const ScalaHarta s = scalaPentru(zona);
    const QRectF plot(s.stanga, s.sus, s.latime, s.inaltime);
    p.fillRect(zona, Qt::white);
    p.setRenderHint(QPainter::Antialiasing, false);

    p.setPen(QColor(0xdd, 0xdd, 0xdd));
    const QFontMetrics fm(p.font());
    const double pasX = PasGradatii(limite_.vdMin, limite_.vdMax);
    for (double v = std::ceil(limite_.vdMin / pasX) * pasX; v <= limite_.vdMax + pasX * 1e-9; v += pasX) {
        p.setPen(QColor(0xdd, 0xdd, 0xdd));
        p.drawLine(QPointF(s.x(v), plot.top()), QPointF(s.x(v), plot.bottom()));
        p.setPen(Qt::black);
        const QString t = QString::number(v, 'g', 6);
        p.drawText(QPointF(s.x(v) - fm.horizontalAdvance(t) / 2.0, plot.bottom() + fm.height()), t);
    }
    const double pasY = PasGradatii(limite_.yMin, limite_.yMax);
    for (double v = std::ceil(limite_.yMin / pasY) * pasY; v <= limite_.yMax + pasY * 1e-9; v += pasY) {
        p.setPen(QColor(0xdd, 0xdd, 0xdd));
        p.drawLine(QPointF(plot.left(), s.y(v)), QPointF(plot.right(), s.y(v)));
        p.setPen(Qt::black);
        const QString t = QString::number(v, 'g', 6);
        p.drawText(QPointF(plot.left() - fm.horizontalAdvance(t) - 4, s.y(v) + fm.ascent() / 2.0), t);
    }
    p.setPen(Qt::black);
    p.drawRect(plot);
    p.drawText(QPointF(plot.center().x(), zona.bottom() - 4), QStringLiteral("vd"));
    p.save();
    p.translate(zona.left() + fm.height(), plot.center().y());
    p.rotate(-90);
    p.drawText(QPointF(0, 0), vedere_ == VedereHarta::NdVd ? QStringLiteral("nd") : QStringLiteral("P g,F"));
    p.restore();

    p.setClipRect(plot);
    if (vedere_ == VedereHarta::PgFVd) {
        QPen pen(Qt::black, 1, Qt::DashLine);
        p.setPen(pen);
        const auto normala = [](double vd) { return NormalaPgFA + NormalaPgFB * vd; };
        p.drawLine(QPointF(s.x(limite_.vdMin), s.y(normala(limite_.vdMin))),
                   QPointF(s.x(limite_.vdMax), s.y(normala(limite_.vdMax))));
    }
    // The points are stamped straight into a layer of pixels: 100,000 wide
    // round points through the painter would cost ten times the reading of
    // the whole database.
    QImage strat(plot.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    strat.fill(Qt::transparent);
    QRgb* pixeli = reinterpret_cast<QRgb*>(strat.bits());
    const int pas = static_cast<int>(strat.bytesPerLine() / 4), w = strat.width(), h = strat.height();
    std::vector<int> numarPeProducator(std::size_t{1} << 16, 0);
    for (std::size_t i : puncte_) {
        const RezumatMaterial& m = catalog_[i];
        ++numarPeProducator[m.producator];
        const double fx = s.x(m.vd) - plot.left(), fy = s.y(OrdonataHarta(m, vedere_)) - plot.top();
        if (!(fx > -RazaPunct - 1 && fx < w + RazaPunct + 1 && fy > -RazaPunct - 1 && fy < h + RazaPunct + 1)) continue;
        const int cx = static_cast<int>(std::lround(fx)), cy = static_cast<int>(std::lround(fy));
        const QRgb culoare = 0xFF000000u | CuloareProducator(m.producator);
        for (int dy = -RazaPunct; dy <= RazaPunct; ++dy) {
            const int y = cy + dy;
            if (y < 0 || y >= h) continue;
            const int lat = LatimeDisc[dy + RazaPunct];
            for (int x = std::max(0, cx - lat); x <= std::min(w - 1, cx + lat); ++x) pixeli[y * pas + x] = culoare;
        }
    }
    p.drawImage(plot.topLeft(), strat);
    p.setClipping(false);

    double y = plot.top() + fm.height();
    for (std::size_t cod = 0; cod < numarPeProducator.size(); ++cod) {
        const int numar = numarPeProducator[cod];
        if (numar == 0) continue;
        const double x = plot.right() + 12;
        p.setPen(QPen(QColor::fromRgb(CuloareProducator(static_cast<std::uint16_t>(cod))), 8, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(QPointF(x, y - fm.ascent() / 2.0 + 1));
        p.setPen(Qt::black);
        p.drawText(QPointF(x + 10, y), QStringLiteral("%1 (%2)").arg(Text(nume_.nume(static_cast<std::uint16_t>(cod)))).arg(numar));
        y += fm.height() + 2;
    }
}

QImage HartaSticleWidget::imagine(QSize marime) const {
    QImage img(marime, QImage::Format_RGB32);
    QPainter p(&img);
    p.setFont(font());
    deseneaza(p, QRect(QPoint(0, 0), marime));
    return img;
}

void HartaSticleWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    deseneaza(p, rect());
    if (!numeSubMouse_.isEmpty()) {
        const QFontMetrics fm(font());
        const QRectF eticheta(pozitieMouse_ + QPointF(10, -fm.height() - 4),
                              QSizeF(fm.horizontalAdvance(numeSubMouse_) + 8, fm.height() + 4));
        p.fillRect(eticheta, QColor(255, 255, 225));
        p.setPen(Qt::black);
        p.drawRect(eticheta);
        p.drawText(eticheta, Qt::AlignCenter, numeSubMouse_);
    }
}

void HartaSticleWidget::wheelEvent(QWheelEvent* e) {
    const ScalaHarta s = scala();
    const double factor = std::pow(0.85, e->angleDelta().y() / 120.0);
    const double vd = s.vdLa(e->position().x()), v = s.valoareLa(e->position().y());
    // The point under the mouse stays where it is.
    limite_.vdMin = vd - (vd - limite_.vdMin) * factor;
    limite_.vdMax = vd + (limite_.vdMax - vd) * factor;
    limite_.yMin = v - (v - limite_.yMin) * factor;
    limite_.yMax = v + (limite_.yMax - v) * factor;
    update();
}

void HartaSticleWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    trage_ = true;
    start_ = e->position();
    limiteStart_ = limite_;
}

void HartaSticleWidget::mouseMoveEvent(QMouseEvent* e) {
    pozitieMouse_ = e->position();
    if (trage_) {
        const ScalaHarta s = scala();
        const double dvd = (e->position().x() - start_.x()) / s.latime * (limiteStart_.vdMax - limiteStart_.vdMin);
        const double dy = (e->position().y() - start_.y()) / s.inaltime * (limiteStart_.yMax - limiteStart_.yMin);
        limite_ = limiteStart_;
        limite_.vdMin += dvd;
        limite_.vdMax += dvd;
        limite_.yMin += dy;
        limite_.yMax += dy;
    }
    const long r = randLa(e->position());
    numeSubMouse_ = r < 0 ? QString() : Text(catalog_[static_cast<std::size_t>(r)].numeText());
    setToolTip(numeSubMouse_);
    update();
}

void HartaSticleWidget::mouseReleaseEvent(QMouseEvent*) { trage_ = false; }

void HartaSticleWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    const long r = randLa(e->position());
    if (r >= 0 && deschide_) deschide_(catalog_[static_cast<std::size_t>(r)].numeText());
}

}  // namespace vitramor
