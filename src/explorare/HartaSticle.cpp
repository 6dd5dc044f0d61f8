#include "explorare/HartaSticle.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "record/CodificareText.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

constexpr std::uint32_t culori[16] = {
    0x1f77b4, 0xd62728, 0x2ca02c, 0xff7f0e, 0x9467bd, 0x8c564b, 0xe377c2, 0x17becf,
    0xbcbd22, 0x7f7f7f, 0x000000, 0x98df8a, 0xff9896, 0x393b79, 0xb8860b, 0xaec7e8,
};

constexpr int MargineStanga = 70, MargineDreapta = 170, MargineSus = 20, MargineJos = 50;


std::string Culoare(std::uint32_t c) {
    char t[8];
    std::snprintf(t, sizeof t, "#%06x", static_cast<unsigned>(c & 0xFFFFFF));
    return t;
}

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

std::string SvgHarta(const std::vector<RezumatMaterial>& catalog, const std::vector<std::size_t>& puncte,
                     VedereHarta vedere, const LimiteHarta& limite, const NumeProducatori& producatori, int latime,
                     int inaltime) {
    ScalaHarta s{limite, MargineStanga, MargineSus, double(latime - MargineStanga - MargineDreapta),
                 double(inaltime - MargineSus - MargineJos)};
    std::string svg = TextFormatat("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                        "width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\" font-family=\"sans-serif\" "
                        "font-size=\"11\">\n",
                        latime, inaltime, latime, inaltime);
    svg += TextFormatat("<rect width=\"%d\" height=\"%d\" fill=\"white\"/>\n", latime, inaltime);
    svg += TextFormatat("<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" fill=\"none\" stroke=\"black\"/>\n", s.stanga,
             s.sus, s.latime, s.inaltime);

    const double pasX = PasGradatii(limite.vdMin, limite.vdMax);
    for (double v = std::ceil(limite.vdMin / pasX) * pasX; v <= limite.vdMax + pasX * 1e-9; v += pasX) {
        svg += TextFormatat("<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#dddddd\"/>\n", s.x(v), s.sus, s.x(v),
                 s.sus + s.inaltime);
        svg += TextFormatat("<text x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\">%g</text>\n", s.x(v), s.sus + s.inaltime + 15, v);
    }
    const double pasY = PasGradatii(limite.yMin, limite.yMax);
    for (double v = std::ceil(limite.yMin / pasY) * pasY; v <= limite.yMax + pasY * 1e-9; v += pasY) {
        svg += TextFormatat("<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#dddddd\"/>\n", s.stanga, s.y(v),
                 s.stanga + s.latime, s.y(v));
        svg += TextFormatat("<text x=\"%.1f\" y=\"%.1f\" text-anchor=\"end\">%g</text>\n", s.stanga - 5, s.y(v) + 4, v);
    }
    svg += TextFormatat("<text x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\">vd</text>\n", s.stanga + s.latime / 2,
             inaltime - 12.0);
    svg += TextFormatat("<text x=\"14\" y=\"%.1f\" text-anchor=\"middle\" transform=\"rotate(-90 14 %.1f)\">", s.sus + s.inaltime / 2,
             s.sus + s.inaltime / 2);
    svg += vedere == VedereHarta::NdVd ? "nd</text>\n" : "P g,F</text>\n";

    if (vedere == VedereHarta::PgFVd) {
        const auto normala = [](double vd) { return NormalaPgFA + NormalaPgFB * vd; };
        svg += TextFormatat("<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"black\" stroke-dasharray=\"6 3\"/>\n",
                 s.x(limite.vdMin), s.y(normala(limite.vdMin)), s.x(limite.vdMax), s.y(normala(limite.vdMax)));
    }

    std::map<std::uint16_t, int> prezenti;
    svg += "<g>\n";
    for (std::size_t i : puncte) {
        const RezumatMaterial& m = catalog[i];
        ++prezenti[m.producator];
        svg += TextFormatat("<circle cx=\"%.2f\" cy=\"%.2f\" r=\"3\" fill=\"", s.x(m.vd), s.y(OrdonataHarta(m, vedere)));
        svg += Culoare(CuloareProducator(m.producator)) + "\"><title>" + TextXml(Utf8DinWindows1252(m.numeText())) +
               "</title></circle>\n";
    }
    svg += "</g>\n";

    double y = s.sus + 10;
    for (const auto& [cod, numar] : prezenti) {
        const double x = s.stanga + s.latime + 15;
        svg += TextFormatat("<circle cx=\"%.1f\" cy=\"%.1f\" r=\"4\" fill=\"", x, y - 4);
        svg += Culoare(CuloareProducator(cod)) + "\"/>\n";
        svg += TextFormatat("<text x=\"%.1f\" y=\"%.1f\">", x + 10, y);
        svg += TextXml(Utf8DinWindows1252(producatori.nume(cod))) + TextFormatat(" (%d)</text>\n", numar);
        y += 16;
    }
    svg += "</svg>\n";
    return svg;
}

}  // namespace vitramor
