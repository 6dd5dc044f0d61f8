#pragma once
// The glass map on the application's plot: every placeable material a point
// of nd (or P g,F) against vd, vd decreasing to the right, one colour per
// producer with a legend entry each, and in the P g,F view the normal line.
// It opens on the window makers print (vd 15-100, nd 1.4-2.1) and counts
// what lies outside, shown on request. The wheel zooms about the pointer, a drag pans, the read-out names the
// material under the pointer, and a double-click asks for it to be opened.

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "explorare/HartaSticle.h"
#include "suite/GraficWidget.h"

namespace vitramor {

class HartaSticleWidget : public GraficWidget {
    Q_OBJECT
public:
    using DeschideMaterial = std::function<void(const std::string& nume)>;

    explicit HartaSticleWidget(QWidget* parent = nullptr, DeschideMaterial deschide = {});

    void seteazaCatalog(std::vector<RezumatMaterial> catalog);
    void seteazaVedere(VedereHarta vedere);
    void seteazaProducatori(std::set<std::uint16_t> producatori);  // empty: all
    // Materials outside the optical window shown too, or left out (the default).
    void seteazaToate(bool toate);
    // How many placeable materials of the producers shown lie outside the window.
    std::size_t inAfaraFerestrei() const { return afara_; }
    // Back to the optical window, or to the limits that hold every point.
    void reseteazaZoom();

    const std::vector<RezumatMaterial>& catalog() const { return catalog_; }
    const std::vector<std::size_t>& puncte() const { return puncte_; }
    VedereHarta vedere() const { return vedere_; }
    // The data window shown now, zoomed or not.
    LimiteHarta limite() const;

private:
    void redeseneaza();

    DeschideMaterial deschide_;
    std::vector<RezumatMaterial> catalog_;
    std::vector<std::size_t> puncte_;
    std::set<std::uint16_t> producatori_;
    VedereHarta vedere_ = VedereHarta::NdVd;
    bool toate_ = false;
    std::size_t afara_ = 0;
    NumeProducatori nume_;
};

}  // namespace vitramor
