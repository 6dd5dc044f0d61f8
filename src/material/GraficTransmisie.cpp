#include "material/GraficTransmisie.h"

#include <cmath>
#include <cstdio>
#include <algorithm>

#include "material/TabelTransmisie.h"
#include "record/CodificareText.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

int inmultesteImparte(int n, int numarator, int numitor) {
    const long long p = static_cast<long long>(n) * numarator;
    return static_cast<int>(p >= 0 ? (p + numitor / 2) / numitor : -((-p + numitor / 2) / numitor));
}

}  // namespace

int BazaUnitati::x(int unitati) const { return inmultesteImparte(unitati, latime, 4); }
int BazaUnitati::y(int unitati) const { return inmultesteImparte(unitati, inaltime, 8); }

std::optional<ScaraLambda> ScaraLungimiUnda(const MaterialOptic& m) {
    std::optional<double> primul;
    double maxim = 0.0;
    for (int s = 0; s < NumarSloturiTabel; ++s) {
        if (!EsteSlotTransmisie(m, s)) continue;
        const double l = m.lambda_Ti[s];
        if (!primul) primul = l;
        if (l > maxim) maxim = l;
    }
    if (!primul || *primul == maxim) return std::nullopt;
    return ScaraLambda{*primul, maxim};
}

ZonaPlot ZonaPlotGrafic(int latime, int inaltime, const BazaUnitati& u) {
    return {u.x(50), u.y(6), latime - u.x(6), inaltime - u.y(26)};
}

DesenGrafic DeseneazaGraficTransmisie(const MaterialOptic& m, float grosime, const ScaraLambda& scara, int latime,
                                      int inaltime, const BazaUnitati& u) {
    DesenGrafic d;
    d.latime = latime;
    d.inaltime = inaltime;
    d.plot = ZonaPlotGrafic(latime, inaltime, u);
    const ZonaPlot& z = d.plot;
    const int P = z.latime(), Q = z.inaltime();
    constexpr std::uint32_t gri = 0x808080;
    for (int i = 1; i < DiviziuniAxa; ++i) {
        const int y = z.jos - Q * i / DiviziuniAxa;
        d.texte.push_back({u.x(29), inaltime - u.y(30) - Q * i / DiviziuniAxa, TextFormatat("%6.2f", 100.0 * i / DiviziuniAxa),
                           AncoraText::StangaSus});
        d.grila.push_back({z.stanga, y, z.dreapta, y, gri, 1});
    }
    const double domeniu = scara.maxim - scara.minim;
    std::string etichete[DiviziuniAxa];
    std::size_t latimeMaxima = 0;
    for (int i = 0; i < DiviziuniAxa; ++i) {
        etichete[i] = TextFormatat("%7.1f", scara.minim + i * domeniu / DiviziuniAxa);
        etichete[i].erase(0, etichete[i].find_first_not_of(' '));
        latimeMaxima = std::max(latimeMaxima, etichete[i].size());
    }
    // A narrow window has no room for ten wavelengths side by side: then
    // every second (or fifth) division is labelled; the grid lines all stay.
    int pas = 1;
    for (int p : {1, 2, 5, 10}) {
        pas = p;
        if (P * p / DiviziuniAxa >= static_cast<int>(latimeMaxima + 1) * u.latime) break;
    }
    for (int i = 0; i < DiviziuniAxa; ++i) {
        const int x = z.stanga + P * i / DiviziuniAxa;
        if (i % pas == 0) d.texte.push_back({x, z.jos + 2, etichete[i], AncoraText::CentruSus});
        if (i >= 1) d.grila.push_back({x, z.jos, x, z.sus, gri, 1});
    }
    d.texte.push_back({u.x(14), u.y(10), "Ti", AncoraText::StangaSus});
    d.legenda = {u.x(8), u.y(18), u.x(27), u.y(18), CuloareCurba, 1};

    // A point joins the previous one only once some point has been placed
    // inside the plot height; until then each point only moves the pen.
    bool uneste = false;
    for (int s = 0; s < NumarSloturiTabel; ++s) {
        if (!EsteSlotTransmisie(m, s)) continue;
        const double procent = 100.0 * TransmisieSlot(m, s, grosime);
        const int x = z.stanga + static_cast<int>(std::trunc((m.lambda_Ti[s] - scara.minim) * P / domeniu));
        const int y = z.jos - static_cast<int>(std::trunc(procent * Q / 100.0));
        if (!uneste || d.curba.empty()) d.curba.emplace_back();
        d.curba.back().emplace_back(x, y);
        if (y > z.sus) uneste = true;
    }
    return d;
}

}  // namespace vitramor
