#pragma once
// The material sheet of the main window: the selected material's figures
// (FisaMaterial.h) and two small plots, n(lambda) with the table points and
// the equation curve, and the internal transmittance at the record's
// reference thickness. It shows a copy: the catalogue's rows are not open
// materials, and an open one is shown again when it changes.

#include <QWidget>
#include <vector>

#include "record/MaterialOptic.h"

class QFormLayout;
class QLabel;

namespace vitramor {

class GraficWidget;

class FisaMaterialWidget : public QWidget {
    Q_OBJECT
public:
    explicit FisaMaterialWidget(QWidget* parent = nullptr);

    void arata(const MaterialOptic& m);
    void goleste();

    // The value shown beside a label ("nd", "Producator"); empty when none.
    QString valoare(const QString& eticheta) const;
    GraficWidget* graficIndici() const { return indici_; }
    GraficWidget* graficTransmisie() const { return transmisie_; }

private:
    QLabel* titlu_;
    QFormLayout* forma_;
    std::vector<std::pair<QLabel*, QLabel*>> randuri_;
    GraficWidget* indici_;
    GraficWidget* transmisie_;
    QLabel* istoric_;
};

}  // namespace vitramor
