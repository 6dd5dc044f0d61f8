#pragma once
// The drawing of the glass map: points, axes, ticks, legend and, in the
// P g,F view, the normal line. The wheel zooms about the mouse, a drag pans,
// the name of the material under the mouse is shown beside it, and a
// double-click asks for that material to be opened.

#include <QWidget>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "explorare/HartaSticle.h"

class QImage;
class QPainter;

namespace vitramor {

class HartaSticleWidget : public QWidget {
    Q_OBJECT
public:
    using DeschideMaterial = std::function<void(const std::string& nume)>;

    explicit HartaSticleWidget(QWidget* parent = nullptr, DeschideMaterial deschide = {});

    void seteazaCatalog(std::vector<RezumatMaterial> catalog);
    void seteazaVedere(VedereHarta vedere);
    void seteazaProducatori(std::set<std::uint16_t> producatori);  // empty: all
    // Back to the limits that hold every point.
    void reseteazaZoom();

    const std::vector<RezumatMaterial>& catalog() const { return catalog_; }
    const std::vector<std::size_t>& puncte() const { return puncte_; }
    VedereHarta vedere() const { return vedere_; }
    const LimiteHarta& limite() const { return limite_; }
    // The scale of the plot area at the current size.
    ScalaHarta scala() const { return scalaPentru(rect()); }
    // The row nearest to a pixel within a few pixels, or -1; the name under the mouse.
    long randLa(QPointF pixel) const;
    QString numeSubMouse() const { return numeSubMouse_; }

    // Paints the whole map into a rectangle: the widget and the PNG file use it.
    void deseneaza(QPainter& p, const QRect& zona) const;
    QImage imagine(QSize marime) const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void recalculeaza();
    ScalaHarta scalaPentru(const QRect& zona) const;

    DeschideMaterial deschide_;
    std::vector<RezumatMaterial> catalog_;
    std::vector<std::size_t> puncte_;
    std::set<std::uint16_t> producatori_;
    VedereHarta vedere_ = VedereHarta::NdVd;
    LimiteHarta limite_;
    NumeProducatori nume_;
    QPointF start_;
    LimiteHarta limiteStart_;
    bool trage_ = false;
    QString numeSubMouse_;
    QPointF pozitieMouse_;
};

}  // namespace vitramor
