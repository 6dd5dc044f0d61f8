#include "record/ConversiiMaterial.h"

#include <algorithm>
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

float AbsorbtieDinTransmisieCatalog(float tau, float grosime) {
    if (tau == 0.0f) return AbsorbtieOpac;
    if (tau == 1.0f) return 0.0f;
    const float logaritm = static_cast<float>(-std::log(static_cast<double>(tau)));
    return logaritm / grosime;
}

TransmisieCatalog TransmisieCatalogDinAbsorbtie(float alfa, float grosime) {
    const auto exacta = [alfa](float tau, float d) { return AbsorbtieDinTransmisieCatalog(tau, d) == alfa; };
    TransmisieCatalog r{static_cast<float>(TransmisieInternaDinAbsorbtie(alfa, grosime)), grosime, false};
    if (alfa == AbsorbtieOpac) return {0.0f, grosime, true};
    // Both roundings to single precision lose a few bits, so the τ that
    // gave α is a few steps from the nearest one, when there is one.
    float jos = r.tau, sus = r.tau;
    for (int pas = 0; pas < 64; ++pas) {
        if (exacta(jos, grosime)) return {jos, grosime, true};
        if (exacta(sus, grosime)) return {sus, grosime, true};
        jos = std::nextafter(jos, 0.0f), sus = std::min(std::nextafter(sus, 2.0f), 1.0f);
    }
    if (!(alfa > 0.0f) || !std::isfinite(alfa)) return r;
    float tau = static_cast<float>(std::exp(-1.0));
    for (int pas = 0; pas < 256; ++pas, tau = std::nextafter(tau, 1.0f)) {
        const float d = static_cast<float>(-std::log(static_cast<double>(tau))) / alfa;
        for (float g : {d, std::nextafter(d, 0.0f), std::nextafter(d, 1e30f)})
            if (g > 0.0f && std::isfinite(g) && exacta(tau, g)) return {tau, g, true};
    }
    return r;
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
