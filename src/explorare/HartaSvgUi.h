#pragma once
// The glass map as an SVG document, drawn from the map's own chart without
// a window: the command line's `glass-map --svg` writes the picture the
// window saves. A program without an application object gets one on the
// offscreen platform for the drawing.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "explorare/RezumatCatalog.h"

namespace vitramor {

// Size of the picture in pixels.
inline constexpr int LatimeImagineHarta = 1200, InaltimeImagineHarta = 850;

std::string SvgHartaSticle(std::vector<RezumatMaterial> catalog, std::set<std::uint16_t> producatori);

}  // namespace vitramor
