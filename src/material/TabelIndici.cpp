#include "material/TabelIndici.h"

#include <cstdio>

#include "dispersion/EcuatieDispersie.h"
#include "material/CelulaNumerica.h"
#include "record/LimiteFizice.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

constexpr int UltimulSlot = NumarSloturiEditabile - 1;

bool slotEditabil(int slot) { return slot >= 0 && slot < NumarSloturiEditabile; }

double* coloana(MaterialOptic& m, int which) { return which == ColoanaK ? m.indice_k : m.indice_n; }

}  // namespace

std::optional<double> ValoareIndiceAcceptata(std::string_view text) {
    const std::optional<float> v = CitesteFloatCelula(text);
    if (!v || *v < 0.0f) return std::nullopt;
    return static_cast<double>(*v);
}

std::optional<float> LambdaAcceptata(int which, std::string_view text) {
    const std::optional<float> v = CitesteFloatCelula(text);
    if (!v) return std::nullopt;
    if (*v < (which == ColoanaK ? LambdaMinimaK : 0.0f)) return std::nullopt;
    if (*v != 0.0f && !MotivLungimeUnda(*v).empty()) return std::nullopt;
    return v;
}

bool PreiaValoareIndice(MaterialOptic& m, int which, int slot, std::string_view text) {
    if (!slotEditabil(slot)) return false;
    const std::optional<double> v = ValoareIndiceAcceptata(text);
    if (!v) return false;
    // 0 empties the slot; any other value must be one a material can have.
    if (*v != 0 && !(which == ColoanaK ? MotivIndiceK(*v) : MotivIndiceN(*v)).empty()) return false;
    coloana(m, which)[slot] = *v;
    return true;
}

bool PreiaLambda(MaterialOptic& m, int which, int slot, std::string_view text) {
    if (!slotEditabil(slot)) return false;
    const std::optional<float> v = LambdaAcceptata(which, text);
    if (!v) return false;
    m.lambda_indici[slot] = *v;
    return true;
}

std::string TextValoareIndice(double v) { return v == 0.0 ? std::string(" ") : FormatG(v); }

// An empty slot reads empty, not as a wavelength of 0 nm.
std::string TextLambda(float lambda) { return lambda == 0.0f ? std::string() : FormatG(lambda); }

std::string TextValoareCalculata(int which, float v) {
    return TextFormatat(which == ColoanaK ? "%7.4f" : "%7.5f", static_cast<double>(v));
}

void IncludeInainte(MaterialOptic& m, int which, int slot) {
    if (!slotEditabil(slot)) return;
    double* valori = coloana(m, which);
    for (int i = UltimulSlot; i > slot; --i) {
        m.lambda_indici[i] = m.lambda_indici[i - 1];
        valori[i] = valori[i - 1];
    }
    m.lambda_indici[slot] = 0.0f;
    valori[slot] = 0.0;
}

void IncludeDupa(MaterialOptic& m, int which, int slot) {
    if (!slotEditabil(slot)) return;
    IncludeInainte(m, which, slot + 1);  // past slot 39 this changes nothing
}

void StergeSlot(MaterialOptic& m, int which, int slot) {
    if (!slotEditabil(slot)) return;
    double* valori = coloana(m, which);
    for (int i = slot; i < UltimulSlot; ++i) {
        m.lambda_indici[i] = m.lambda_indici[i + 1];
        valori[i] = valori[i + 1];
    }
    m.lambda_indici[UltimulSlot] = 0.0f;
    valori[UltimulSlot] = 0.0;
}

void StergeLungimiUnda(MaterialOptic& m) {
    for (int i = 0; i < NumarSloturiEditabile; ++i) m.lambda_indici[i] = 0.0f;
}

void StergeValori(MaterialOptic& m, int which) {
    double* valori = coloana(m, which);
    for (int i = 0; i < NumarSloturiEditabile; ++i) valori[i] = 0.0;
}

RezultateInitDinEcuatie InitDinEcuatie(MaterialOptic& m, int which) {
    RezultateInitDinEcuatie r{};
    double* valori = coloana(m, which);
    for (int i = 0; i < NumarSloturiEditabile; ++i) {
        const float lambda = m.lambda_indici[i];
        if (!(lambda > 0.0f)) continue;
        float v = 0.0f;
        if (IndiceDinEcuatieDispersie(m, which, lambda, v) == IndiceValid) {
            valori[i] = v;
            r[static_cast<std::size_t>(i)] = {RezultatSlot::Calculat, v};
        } else {
            r[static_cast<std::size_t>(i)] = {RezultatSlot::Eroare, 0.0f};
        }
    }
    return r;
}

}  // namespace vitramor
