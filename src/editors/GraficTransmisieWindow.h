#pragma once
// The transmittance graph of one material: transmittance in percent over
// wavelength, with axes, grid, labels and the read-out of the point under
// the mouse, drawn by the application's plot. It shows the material at any thickness typed above the plot
// (the reference thickness until one is typed), and the picture can go to
// the clipboard or into a PNG or SVG file. The transmittance editor
// refreshes it after every accepted cell.
//
// Controls: "grosimeGrafic" (thickness), buttons "copiaza", "png", "svg",
// the plot "grafic".

#include <QImage>
#include <QString>
#include <optional>

#include "material/GraficTransmisie.h"
#include "platform/FerestreMaterialUi.h"

class QLineEdit;

namespace vitramor {

class GraficWidget;


class GraficTransmisieWindow final : public FereastraMaterial {
    Q_OBJECT
public:
    GraficTransmisieWindow(int indexMaterial, QWidget* proprietar, const ScaraLambda& scara);

    // Takes the record again: wavelength scale (when it still has one),
    // reference thickness unless one was typed, and repaints.
    void reimprospateaza() override;

    const ScaraLambda& scara() const { return scara_; }
    float grosime() const;
    GraficWidget* grafic() const { return grafic_; }
    // The picture the SVG file carries, and the plot as shown, which the
    // PNG file and the clipboard carry.
    DesenGrafic desen() const;
    QImage imagine() const;

    bool copiaza();
    bool salveazaPng();
    bool salveazaSvg();

private:
    const MaterialOptic* material() const;
    void preiaGrosime();
    void redeseneaza();
    bool salveaza(const char* extensie, const QByteArray& continut);

    GraficWidget* grafic_ = nullptr;
    QLineEdit* grosimeText_ = nullptr;
    ScaraLambda scara_;
    std::optional<float> grosimeAleasa_;
};

// "Grafic" of the transmittance editor: brings the graph of material
// `indexMaterial` forward and refreshes it, or opens one. A table without
// two different wavelengths has no graph: nothing opens, null.
FereastraMaterial* ComandaGraficTransmisie(int indexMaterial, QWidget* proprietar);

}  // namespace vitramor
