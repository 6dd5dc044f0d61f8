#pragma once
// The one plot of the application: a Qt Charts view with titled axes (units
// in the titles), ticks at round values, curves and measured points, and a
// read-out of the value under the pointer. The transmittance graph, the n/k
// plot and the material sheet all draw through it, so every plot reads the
// same way. A percentage axis is fitted to the data unless the user asks for
// the whole 0-100 % scale.

#include <QPointF>
#include <QString>
#include <QWidget>
#include <vector>

class QChart;
class QChartView;
class QCheckBox;
class QLabel;
class QStackedLayout;
class QValueAxis;

namespace vitramor {

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
    void adaugaCurba(const QString& nume, const std::vector<QPointF>& puncte);
    // Measured points, drawn as markers.
    void adaugaPuncte(const QString& nume, const std::vector<QPointF>& puncte);
    // A short text in place of the plot when there is nothing to draw.
    void seteazaMesajGol(const QString& mesaj);

    QValueAxis* axaX() const { return axaX_; }
    QValueAxis* axaY() const { return axaY_; }
    QChart* grafic() const { return chart_; }
    int numarSerii() const;
    // The read-out for a point in the view's coordinates ("" outside the plot).
    QString citireLa(const QPoint& pozitie) const;
    QLabel* eticheteCitire() const { return citire_; }

protected:
    bool eventFilter(QObject* obiect, QEvent* e) override;

private:
    void reincadreaza();

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
};

}  // namespace vitramor
