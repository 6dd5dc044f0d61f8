#pragma once
// The glass map: every material as a point of nd (or P g,F) against vd,
// vd decreasing to the right as designers draw it, one colour per producer.
// The window shows it on the application's plot, and both it and the command
// line write it as SVG from the same limits and colours.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "explorare/RezumatCatalog.h"

namespace vitramor {

enum class VedereHarta { NdVd, PgFVd };

// The data window of a view.
struct LimiteHarta {
    double vdMin = 15, vdMax = 100;
    double yMin = 1.4, yMax = 2.1;
};

// The window of the Abbe diagram every maker prints, where the optical
// glasses lie; the map opens on it and leaves out what falls outside
// (infrared crystals, a negative Abbe number) unless asked to show all.
inline constexpr LimiteHarta FereastraOptica{};
inline constexpr LimiteHarta FereastraOpticaPgF{15, 100, 0.45, 0.70};
bool InFereastraOptica(const RezumatMaterial& m);

// The rows a view can place (vd and its ordinate given), of the producers
// chosen (all when the set is empty).
std::vector<std::size_t> PuncteHarta(const std::vector<RezumatMaterial>& catalog, VedereHarta vedere,
                                     const std::set<std::uint16_t>& producatori = {});

// Limits that hold every point with a margin, rounded outward to the ticks.
LimiteHarta LimiteHartaPentru(const std::vector<RezumatMaterial>& catalog, const std::vector<std::size_t>& puncte,
                              VedereHarta vedere);

double OrdonataHarta(const RezumatMaterial& m, VedereHarta vedere);

// Data to drawing coordinates inside a plot rectangle; vd grows to the left.
struct ScalaHarta {
    LimiteHarta limite;
    double stanga = 0, sus = 0, latime = 1, inaltime = 1;

    double x(double vd) const { return stanga + (limite.vdMax - vd) / (limite.vdMax - limite.vdMin) * latime; }
    double y(double v) const { return sus + (limite.yMax - v) / (limite.yMax - limite.yMin) * inaltime; }
    double vdLa(double px) const { return limite.vdMax - (px - stanga) / latime * (limite.vdMax - limite.vdMin); }
    double valoareLa(double py) const { return limite.yMax - (py - sus) / inaltime * (limite.yMax - limite.yMin); }
};

// A tick step of 1, 2 or 5 times a power of ten giving about `dorite` ticks.
double PasGradatii(double min, double max, int dorite = 8);

// The colour of a producer, 0xRRGGBB; distinct for codes 0 to 15.
std::uint32_t CuloareProducator(std::uint16_t cod);

// The whole view as an SVG document of the given size in pixels, with axes,
// ticks, a legend of the producers present, the normal line in the P g,F
// view and each point titled with its name. Names are Windows-1252 bytes in
// the rows and UTF-8 in the document.
std::string SvgHarta(const std::vector<RezumatMaterial>& catalog, const std::vector<std::size_t>& puncte,
                     VedereHarta vedere, const LimiteHarta& limite, const NumeProducatori& producatori,
                     int latime = 900, int inaltime = 650);

}  // namespace vitramor
