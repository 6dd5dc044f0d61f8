#include "record/OrdineOcteti.h"

#include <algorithm>
#include <cstring>

#include "record/CampuriMaterial.h"

namespace vitramor {

namespace {

bool InZonaEvaporare(std::size_t inceput, std::size_t sfarsit) {
    for (const CampMaterial& c : CampuriEvaporare())
        if (inceput < c.sfarsit() && c.offset < sfarsit) return true;
    return false;
}

void InverseazaElemente(unsigned char* octeti, const CampMaterial& c, bool saritZonaEvaporare) {
    const std::size_t latime = MarimeElement(c.tip);
    if (latime < 2) return;
    for (std::size_t i = 0; i < c.numar; ++i) {
        const std::size_t inceput = c.offset + i * latime;
        if (saritZonaEvaporare && InZonaEvaporare(inceput, inceput + latime)) continue;
        std::reverse(octeti + inceput, octeti + inceput + latime);
    }
}

}  // namespace

void InverseazaOrdineaOctetilor(MaterialOptic& m, ProducatorCitit producator) {
    std::uint16_t cod = m.producator;
    if (producator == ProducatorCitit::Inversat) cod = static_cast<std::uint16_t>((cod >> 8) | (cod << 8));
    const bool evaporare = cod == ProducatorEvaporare;

    unsigned char octeti[MarimeMaterialOptic];
    std::memcpy(octeti, &m, sizeof octeti);
    for (const CampMaterial& c : CampuriMaterial())
        if (!c.vedere) InverseazaElemente(octeti, c, evaporare);
    if (evaporare)
        for (const CampMaterial& c : CampuriEvaporare()) InverseazaElemente(octeti, c, false);
    std::memcpy(&m, octeti, sizeof octeti);
}

}  // namespace vitramor
