#pragma once
// The one plot of the application: a Qt Charts view with titled axes (units
// in the titles), ticks at round values, curves and measured points, and a
// read-out of the value under the pointer. The transmittance graph, the n/k
// plot and the material sheet all draw through it, so every plot reads the
// same way. A percentage axis is fitted to the data unless the user asks for
// the whole 0-100 % scale. A map of a whole database (the glass map) draws
// its many named points as one cloud: the read-out names the point under
// the pointer, a double-click on one reports it, the wheel zooms about the
// pointer and a drag pans. Pictures (PNG, SVG) are drawn from the chart.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QChart;
class QPainter;
class QChartView;
class QCheckBox;
class QLabel;
class QLineSeries;
class QStackedLayout;
class QValueAxis;

namespace vitramor {

class StratNor;

class GraficWidget : public QWidget {
    Q_OBJECT
public:
    // `compact`: a small plot (material sheet) without legend and read-out line.
    explicit GraficWidget(QWidget* parent = nullptr, bool compact = false);

    // Axis titles with their units, e.g. "Lungime de unda [nm]".
    void seteazaAxe(const QString& titluX, const QString& titluY);
    // The Y axis holds a percentage: fitted to the data, or 0-100 % when the
    // "0-100 %" box is ticked (offered only then).
    void seteazaProcent(bool procent);
    void seteazaScalaCompleta(bool completa);
    bool scalaCompleta() const;

    void sterge();
    // A line through the points, in the order given.
    QLineSeries* adaugaCurba(const QString& nume, const std::vector<QPointF>& puncte);
    // Measured points, drawn as markers.
    void adaugaPuncte(const QString& nume, const std::vector<QPointF>& puncte);
    // A short text in place of the plot when there is nothing to draw.
    void seteazaMesajGol(const QString& mesaj);

    // The cloud of many points, each in its own colour (0xRRGGBB), named on
    // demand for the read-out; `sterge` does not remove it, a new cloud
    // replaces it.
    void seteazaNor(std::vector<QPointF> puncte, std::vector<QRgb> culori, std::function<QString(int)> nume);
    // A legend entry without points, for a colour of the cloud.
    void adaugaLegenda(const QString& nume, QColor culoare);
    // X grows to the left (vd on a glass map).
    void seteazaXInvers(bool invers);
    // The axes show this window instead of fitting the data, ticks at round
    // values inside it; the wheel and a drag move it from there.
    void fixeazaScala(double x0, double x1, double y0, double y1);
    // Where a value falls in the view's coordinates, and the cloud point
    // within a few pixels of a view position (-1: none).
    QPointF pozitieValoare(const QPointF& valoare) const;
    int punctNorLa(const QPoint& pozitie) const;
    // The chart as the user sees it; a plot not shown yet is laid out at
    // `marime` first.
    QImage imagine(QSize marime = {}) const;
    // The same chart as an SVG document, drawn by Qt SVG from the scene the
    // window shows (the cloud's points as discs of their own); `titlu`
    // becomes the document's title. `cuLegenda`: the legend a window keeps
    // beside the plot is drawn into the document.
    QByteArray svg(QSize marime, const QString& titlu, bool cuLegenda = false) const;
    QChartView* vedereGrafic() const { return vedere_; }
    // Saves the chart as a picture file the user names ("png" or "svg"),
    // as the plot's context menu offers; false when none was written.
    bool salveazaImagine(const QString& extensie);

    QValueAxis* axaX() const { return axaX_; }
    QValueAxis* axaY() const { return axaY_; }
    QChart* grafic() const { return chart_; }
    int numarSerii() const;
    // The read-out for a point in the view's coordinates ("" outside the plot).
    QString citireLa(const QPoint& pozitie) const;
    QLabel* eticheteCitire() const { return citire_; }

Q_SIGNALS:
    void punctNorDubluClic(int index);

protected:
    bool eventFilter(QObject* obiect, QEvent* e) override;

private:
    void reincadreaza();
    QRectF aseaza(QSize marime) const;
    void deseneazaNor(QPainter& p) const;
    QPointF inGrafic(const QPointF& valoare) const;
    QPointF valoareDin(const QPointF& inGrafic) const;
    QPointF spreVedere(const QPointF& inGrafic) const;
    QPointF dinVedere(const QPoint& pozitie) const;

    friend class StratNor;

    QChart* chart_;
    QChartView* vedere_;
    QValueAxis* axaX_;
    QValueAxis* axaY_;
    QLabel* citire_ = nullptr;
    QLabel* gol_;
    QStackedLayout* stiva_;
    QCheckBox* completa_ = nullptr;
    bool procent_ = false;
    double xMin_ = 0, xMax_ = 0, yMin_ = 0, yMax_ = 0;
    bool areDate_ = false;
    std::vector<QPointF> nor_;
    std::vector<QRgb> culoriNor_;
    std::function<QString(int)> numeNor_;
    StratNor* strat_ = nullptr;
    mutable bool vectorial_ = false;  // drawing into an SVG document
    std::optional<QRectF> scalaFixa_;  // x0, y0 to x1, y1
    std::optional<QPoint> startTragere_;
    QRectF scalaStart_;
};

}  // namespace vitramor
