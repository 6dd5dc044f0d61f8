#include "explorare/HartaSticle.h"

#include <algorithm>
#include <cmath>


namespace vitramor {

namespace {

constexpr std::uint32_t culori[16] = {
    0x1f77b4, 0xd62728, 0x2ca02c, 0xff7f0e, 0x9467bd, 0x8c564b, 0xe377c2, 0x17becf,
    0xbcbd22, 0x7f7f7f, 0x000000, 0x98df8a, 0xff9896, 0x393b79, 0xb8860b, 0xaec7e8,
};

}  // namespace

double OrdonataHarta(const RezumatMaterial& m, VedereHarta vedere) { return vedere == VedereHarta::NdVd ? m.nd : m.pgF; }

bool InFereastraOptica(const RezumatMaterial& m) {
    const LimiteHarta& f = FereastraOptica;
    return m.vd >= f.vdMin && m.vd <= f.vdMax && m.nd >= f.yMin && m.nd <= f.yMax;
}

std::vector<std::size_t> PuncteHarta(const std::vector<RezumatMaterial>& catalog, VedereHarta vedere,
                                     const std::set<std::uint16_t>& producatori) {
    std::vector<std::size_t> r;
    r.reserve(catalog.size());
    for (std::size_t i = 0; i < catalog.size(); ++i) {
        const RezumatMaterial& m = catalog[i];
        if (!producatori.empty() && !producatori.count(m.producator)) continue;
        const double y = OrdonataHarta(m, vedere);
        if (std::isfinite(m.vd) && std::isfinite(y)) r.push_back(i);
    }
    return r;
}

double PasGradatii(double min, double max, int dorite) {
    const double brut = (max - min) / std::max(dorite, 1);
    if (!(brut > 0) || !std::isfinite(brut)) return 1.0;
    const double p = std::pow(10.0, std::floor(std::log10(brut)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * p >= brut) return m * p;
    return 10.0 * p;
}

LimiteHarta LimiteHartaPentru(const std::vector<RezumatMaterial>& catalog, const std::vector<std::size_t>& puncte,
                              VedereHarta vedere) {
    LimiteHarta l;
    if (vedere == VedereHarta::PgFVd) {
        l.yMin = 0.45;
        l.yMax = 0.70;
    }
    if (puncte.empty()) return l;
    double vMin = INFINITY, vMax = -INFINITY, yMin = INFINITY, yMax = -INFINITY;
    for (std::size_t i : puncte) {
        const RezumatMaterial& m = catalog[i];
        vMin = std::min(vMin, m.vd);
        vMax = std::max(vMax, m.vd);
        yMin = std::min(yMin, OrdonataHarta(m, vedere));
        yMax = std::max(yMax, OrdonataHarta(m, vedere));
    }
    const auto extinde = [](double& lo, double& hi, double minim) {
        const double margine = std::max((hi - lo) * 0.05, minim);
        lo -= margine;
        hi += margine;
        const double pas = PasGradatii(lo, hi);
        lo = std::floor(lo / pas) * pas;
        hi = std::ceil(hi / pas) * pas;
    };
    extinde(vMin, vMax, 1.0);
    extinde(yMin, yMax, vedere == VedereHarta::NdVd ? 0.01 : 0.005);
    l.vdMin = vMin;
    l.vdMax = vMax;
    l.yMin = yMin;
    l.yMax = yMax;
    return l;
}

std::uint32_t CuloareProducator(std::uint16_t cod) { return culori[cod % 16]; }

}  // namespace vitramor
