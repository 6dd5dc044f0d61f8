#pragma once
// The transmittance graph of one material: transmittance in percent over
// wavelength, with axes, grid, labels and the read-out of the point under
// the mouse. It shows the material at any thickness typed above the plot
// (the reference thickness until one is typed), and the picture can go to
// the clipboard or into a PNG or SVG file. The transmittance editor
// refreshes it after every accepted cell.
//
// Controls: "grosimeGrafic" (thickness), buttons "copiaza", "png", "svg",
// the plot "plansa".

#include <QImage>
#include <QString>
#include <optional>

#include "editors/GraficTransmisie.h"
#include "platform/FerestreMaterialUi.h"

class QLineEdit;

namespace vitramor {

inline constexpr int IdParametriGrafic = 240;  // "Parametri grafic": not offered yet, beeps

class GraficTransmisieWindow final : public FereastraMaterial {
    Q_OBJECT
public:
    GraficTransmisieWindow(int indexMaterial, QWidget* proprietar, const ScaraLambda& scara);

    // Takes the record again: wavelength scale (when it still has one),
    // reference thickness unless one was typed, and repaints.
    void reimprospateaza() override;

    const ScaraLambda& scara() const { return scara_; }
    float grosime() const;
    // The read-out boxes: empty while the pointer is outside the axes.
    const QString& citireLambda() const { return citireLambda_; }
    const QString& citireProcent() const { return citireProcent_; }
    // The picture as it stands, without the read-out line.
    DesenGrafic desen() const;
    QImage imagine() const;

    bool copiaza();
    bool salveazaPng();
    bool salveazaSvg();

private:
    class Plansa;
    friend class Plansa;

    const MaterialOptic* material() const;
    void preiaGrosime();
    void urmareste(const QPoint& punct);
    bool salveaza(const char* extensie, const QByteArray& continut);

    Plansa* plansa_ = nullptr;
    QLineEdit* grosimeText_ = nullptr;
    ScaraLambda scara_;
    std::optional<float> grosimeAleasa_;
    QString citireLambda_, citireProcent_;
};

// "Grafic" of the transmittance editor: brings the graph of material
// `indexMaterial` forward and refreshes it, or opens one. A table without
// two different wavelengths has no graph: nothing opens, null.
FereastraMaterial* ComandaGraficTransmisie(int indexMaterial, QWidget* proprietar);

}  // namespace vitramor
