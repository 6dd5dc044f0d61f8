#pragma once
// The glass map: every material as a point of nd (or P g,F) against vd,
// vd decreasing to the right as designers draw it, one colour per producer.
// The window shows it on the application's plot, and both it and the command
// line save that chart as SVG.

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

// A tick step of 1, 2 or 5 times a power of ten giving about `dorite` ticks.
double PasGradatii(double min, double max, int dorite = 8);

// The colour of a producer, 0xRRGGBB; distinct for codes 0 to 15.
std::uint32_t CuloareProducator(std::uint16_t cod);

}  // namespace vitramor
