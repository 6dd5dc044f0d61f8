#include "database/NumeMaterial.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "suite/Vedora.h"
#include "record/NumarCatalog.h"

namespace vitramor {

namespace {

using namespace stil;

constexpr int MesajValoareIncorecta = 10;
constexpr int MesajInAfaraDomeniului = 38;
constexpr unsigned StilAvertisment = MB_OK | MB_ICONEXCLAMATION;


template <std::size_t N>
void CopiazaPrefix(char (&camp)[N], const std::string& text, std::size_t maxim) {
    std::memset(camp, 0, N);
    std::memcpy(camp, text.data(), std::min({text.size(), maxim, N - 1}));
}

int Refuza(Fereastra owner, int mesaj) {
    MesajNumarul(owner, StilAvertisment, mesaj);
    return 0;
}

int PreiaCod(Fereastra owner, SetLucru& set, int selectie, int maxim, std::uint16_t MaterialOptic::*camp) {
    if (set.gol()) return 0;
    if (selectie < 0 || selectie > maxim) return Refuza(owner, MesajInAfaraDomeniului);
    set.curent().*camp = static_cast<std::uint16_t>(selectie);
    set.modificat = 1;
    return 1;
}

}  // namespace

bool CitesteNumar(const std::string& text, double& valoare) {
    return NumarCatalog(text, valoare);
}

std::string TextNumar(double valoare) {
    char text[64];
    const auto [p, ec] = std::to_chars(text, text + sizeof text, valoare, std::chars_format::general, 6);
    if (ec != std::errc()) return "0";
    return std::string(text, p);
}

bool PretRelativDinText(const std::string& text, std::uint16_t& pret) {
    double v = 0;
    if (!CitesteNumar(text, v) || !(v >= 0.0 && v <= PretRelativMaxim)) return false;
    pret = static_cast<std::uint16_t>(std::floor(v * 10.0));
    return true;
}

std::string TextPretRelativ(std::uint16_t pret) { return TextNumar(pret / 10.0); }

double& UnitatePret() {
    static double unitate = 0.0;
    return unitate;
}

int PreiaNumeMaterial(SetLucru& set, const std::string& text) {
    if (set.gol()) return 0;
    CopiazaPrefix(set.curent().nume, text, LungimeEditNume);
    set.modificat = 1;
    return 1;
}

int PreiaCodMaterial(SetLucru& set, const std::string& text) {
    if (set.gol()) return 0;
    CopiazaPrefix(set.curent().cod, text, LungimeEditCod);
    set.modificat = 1;
    return 1;
}

int PreiaTipMaterial(Fereastra owner, SetLucru& set, int selectie) {
    return PreiaCod(owner, set, selectie, TipMaterialMaximNume, &MaterialOptic::tip_material);
}

int PreiaStas(Fereastra owner, SetLucru& set, int selectie) {
    return PreiaCod(owner, set, selectie, StasMaximNume, &MaterialOptic::stas);
}

int PreiaProducator(Fereastra owner, SetLucru& set, int selectie) {
    return PreiaCod(owner, set, selectie, ProducatorMaximNume, &MaterialOptic::producator);
}

int PreiaCategorie(SetLucru& set, int categorie) {
    if (set.gol() || categorie < 0 || categorie > 0xFFFF) return 0;
    set.curent().categorie = static_cast<std::uint16_t>(categorie);
    set.modificat = 1;
    return 1;
}

int PreiaPretRelativ(Fereastra owner, SetLucru& set, const std::string& text) {
    if (set.gol()) return 0;
    std::uint16_t pret = 0;
    if (!PretRelativDinText(text, pret)) return Refuza(owner, MesajValoareIncorecta);
    set.curent().pret_relativ = pret;
    set.modificat = 1;
    return 1;
}

int PreiaUnitatePret(Fereastra owner, const std::string& text) {
    double v = 0;
    if (!CitesteNumar(text, v) || v < 0.0) return Refuza(owner, MesajValoareIncorecta);
    UnitatePret() = v;
    return 1;
}

}  // namespace vitramor
