#include "record/ConversiiMaterial.h"

#include <cmath>

namespace vitramor {

std::optional<float> AbsorbtieDinTransmisieInterna(double tau, float grosime) {
    if (!(tau >= 0.0 && tau <= 1.0)) return std::nullopt;  // also refuses NaN
    if (tau == 0.0) return AbsorbtieOpac;
    if (tau == 1.0) return 0.0f;
    if (!(grosime > 0.0f) || !std::isfinite(grosime)) return std::nullopt;
    return static_cast<float>(-std::log(tau) / static_cast<double>(grosime));
}

double TransmisieInternaDinAbsorbtie(float alfa, float grosime) {
    const double a = alfa;
    const double d = grosime;
    // Written as negated acceptances so that NaN in either value reads as 0.
    if (!(a >= 0.0)) return 0.0;
    if (!(a < 308.0 / d)) return 0.0;
    const double exponent = -a * d;
    if (!(exponent > -307.0 && exponent < 308.0)) return 0.0;
    return std::exp(exponent);
}

float CoeficientAbsorbtieDinTransmisie(float T, float d) {
    if (T <= 0.0f) return AbsorbtieOpacExport;
    if (T == 1.0f) return 0.0f;
    const float logaritm = static_cast<float>(-std::log(static_cast<double>(T)));
    return logaritm / d;
}

namespace {

constexpr double PragDilatareCatalog = 0.005;  // from here up a value is a catalogue number

double ScaraCatalog(std::uint16_t producator) { return producator == 0 || producator == 1 ? 1e-7 : 1e-6; }

}  // namespace

double DilatarePeKelvin(float valoare, std::uint16_t producator) {
    const double v = valoare;
    if (v < PragDilatareCatalog) return v;
    return v * ScaraCatalog(producator);
}

float DilatareDePastrat(double peKelvin, float stocat, std::uint16_t producator) {
    const auto catalog = static_cast<float>(peKelvin / ScaraCatalog(producator));
    const auto kelvin = static_cast<float>(peKelvin);
    const bool citibilCaCatalog = catalog >= PragDilatareCatalog;
    const bool citibilInKelvin = kelvin < PragDilatareCatalog;
    if (static_cast<double>(stocat) >= PragDilatareCatalog && citibilCaCatalog) return catalog;
    return citibilInKelvin ? kelvin : catalog;
}

}  // namespace vitramor
