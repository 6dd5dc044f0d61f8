#include "record/LimiteFizice.h"

#include <cmath>
#include <cstring>
#include <string_view>

#include "record/CampuriMaterial.h"
#include "record/TextFormatat.h"

namespace vitramor {

std::string MotivFinit(double v) { return std::isfinite(v) ? std::string() : "nu este un numar finit"; }

std::string MotivLungimeUnda(double nm) {
    if (!std::isfinite(nm)) return MotivFinit(nm);
    if (nm < LungimeUndaMinimaNm || nm > LungimeUndaMaximaNm) return "lungimea de unda nu este intre 10 nm si 1 mm";
    return {};
}

std::string MotivIndiceN(double n) {
    if (!std::isfinite(n)) return MotivFinit(n);
    if (n <= 0 || n > IndiceNMaxim) return "n nu este in (0, 50]";
    return {};
}

std::string MotivIndiceK(double k) {
    if (!std::isfinite(k)) return MotivFinit(k);
    if (k < 0 || k > IndiceKMaxim) return "k nu este in [0, 10^4]";
    return {};
}

std::string MotivTransmisie(double tau) {
    if (!std::isfinite(tau)) return MotivFinit(tau);
    if (tau < 0 || tau > 1) return "transmisia nu este intre 0 si 1";
    return {};
}

std::string MotivMarimePozitiva(double v) {
    if (!std::isfinite(v)) return MotivFinit(v);
    if (v < 0) return "valoarea este negativa";
    return {};
}

namespace {

enum class Regula { Finit, LungimeUnda, IndiceN, IndiceK, Pozitiv };

// The fields with a rule of their own; every other float or double must be
// finite. A 0 passes every rule: it is the record's "not given".
Regula RegulaCamp(std::string_view nume) {
    if (nume == "lambda_indici" || nume == "lambda_Ti" || nume == "lidt_lambda_evaporare" || nume == "lidt_lambda")
        return Regula::LungimeUnda;
    if (nume == "indice_n") return Regula::IndiceN;
    if (nume == "indice_k") return Regula::IndiceK;
    // The absorption coefficient of the transmittance table: a transmittance
    // above 1 would make it negative.
    if (nume == "transmisia_interna" || nume == "grosime_transmisie" || nume == "densitate" ||
        nume == "modul_young" || nume == "duritate_abraziune" || nume == "duritate_knoop" ||
        nume == "caldura_specifica" || nume == "conductibilitate_termica" || nume == "masa_molara" ||
        nume == "grosime_min" || nume == "grosime_max" || nume == "grosime_ald")
        return Regula::Pozitiv;
    return Regula::Finit;
}

std::string Motiv(Regula r, double v) {
    if (v == 0) return {};
    switch (r) {
        case Regula::LungimeUnda: return MotivLungimeUnda(v);
        case Regula::IndiceN: return MotivIndiceN(v);
        case Regula::IndiceK: return MotivIndiceK(v);
        case Regula::Pozitiv: return MotivMarimePozitiva(v);
        case Regula::Finit: break;
    }
    return MotivFinit(v);
}

double Element(const unsigned char* octeti, TipElement tip) {
    switch (tip) {
        case TipElement::F32: {
            float f;
            std::memcpy(&f, octeti, sizeof f);
            return f;
        }
        case TipElement::F64: {
            double d;
            std::memcpy(&d, octeti, sizeof d);
            return d;
        }
        case TipElement::U16: {
            std::uint16_t u;
            std::memcpy(&u, octeti, sizeof u);
            return u;
        }
        default: return 0;
    }
}

void Verifica(const MaterialOptic& m, const CampMaterial& c, std::size_t deLa, std::vector<std::string>& motive) {
    if (c.tip != TipElement::F32 && c.tip != TipElement::F64 && c.tip != TipElement::U16) return;
    const Regula regula = RegulaCamp(c.nume);
    // Whole numbers only matter where they are wavelengths.
    if (c.tip == TipElement::U16 && regula != Regula::LungimeUnda) return;
    const auto* octeti = reinterpret_cast<const unsigned char*>(&m) + c.offset;
    for (std::size_t i = deLa; i < c.numar; ++i) {
        const double v = Element(octeti + i * MarimeElement(c.tip), c.tip);
        const std::string motiv = Motiv(regula, v);
        if (motiv.empty()) continue;
        const std::string slot = c.numar > 1 ? TextFormatat("[%zu]", i) : std::string();
        motive.push_back(TextFormatat("%s%s = %g: %s", c.nume, slot.c_str(), v, motiv.c_str()));
    }
}

}  // namespace

std::vector<std::string> ValoriNefizice(const MaterialOptic& m) {
    std::vector<std::string> motive;
    const bool evaporare = m.producator == 10;
    for (const CampMaterial& c : CampuriMaterial()) {
        if (c.vedere) continue;
        const std::string_view nume = c.nume;
        // The evaporation overlay reuses the first eight transmittance
        // wavelengths and the LIDT wavelengths for values of its own.
        if (evaporare && nume == "lidt_lambda") continue;
        Verifica(m, c, evaporare && nume == "lambda_Ti" ? 8 : 0, motive);
    }
    if (evaporare)
        for (const CampMaterial& c : CampuriEvaporare()) Verifica(m, c, 0, motive);
    return motive;
}

}  // namespace vitramor
