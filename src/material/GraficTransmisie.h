#pragma once
// The transmittance graph as a picture, without a window: where the plot
// sits in a client area of W x H pixels, the two axis scales, every line and
// label and the curve.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "record/MaterialOptic.h"

namespace vitramor {

// The dialog font's base units in pixels (average character width and
// height); the graph converts its layout units with them as dialogs do, a
// quarter of the width and an eighth of the height per unit, rounded.
struct BazaUnitati {
    int latime = 8;
    int inaltime = 16;
    int x(int unitati) const;
    int y(int unitati) const;
};

// The wavelength axis: from the first non-zero wavelength in slot order to
// the largest one. Points of a table not in ascending order may therefore
// lie left of the plot. nullopt when the two are equal (one wavelength, or
// none): there is no axis to draw.
struct ScaraLambda {
    double minim = 0.0;
    double maxim = 0.0;
};
std::optional<ScaraLambda> ScaraLungimiUnda(const MaterialOptic& m);

// The plot rectangle in pixels for a client area of W x H, in the units of
// the layout: left 50, top 6, right W - 6, bottom H - 26 (u and v units).
struct ZonaPlot {
    int stanga = 0, sus = 0, dreapta = 0, jos = 0;
    int latime() const { return dreapta - stanga; }
    int inaltime() const { return jos - sus; }
};
ZonaPlot ZonaPlotGrafic(int latime, int inaltime, const BazaUnitati& u);

inline constexpr int DiviziuniAxa = 10;
inline constexpr std::uint32_t CuloareCurba = 0x0000FF;  // RGB: blue

struct LinieDesen {
    int x1, y1, x2, y2;
    std::uint32_t culoare;  // RGB
    int grosime;
};
enum class AncoraText { StangaSus, CentruSus };
struct TextDesen {
    int x, y;
    std::string text;
    AncoraText ancora;
};
struct DesenGrafic {
    int latime = 0, inaltime = 0;
    ZonaPlot plot;
    std::vector<LinieDesen> grila;   // grid lines, under the curve
    std::vector<TextDesen> texte;    // axis labels and legend, black
    LinieDesen legenda{};            // the legend's sample of the curve pen
    // The curve as polylines: a point that is only a move starts a new one.
    std::vector<std::vector<std::pair<int, int>>> curba;
};

// The picture of a material's transmittance at thickness d (mm) in a client
// area of W x H pixels, over the given wavelength scale. When the wavelength
// labels would overlap, only every second (or fifth) division has one.
DesenGrafic DeseneazaGraficTransmisie(const MaterialOptic& m, float grosime, const ScaraLambda& scara, int latime,
                                      int inaltime, const BazaUnitati& u);


}  // namespace vitramor
