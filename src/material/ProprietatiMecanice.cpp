#include "material/ProprietatiMecanice.h"

#include "material/CelulaNumerica.h"

namespace vitramor {

float StresSuprafata(const MaterialOptic& m, float t) {
    const float* a = m.stres_suprafata;
    if (a[0] == 0.0f && a[1] == 0.0f && a[2] == 0.0f) return 0.0f;
    return a[0] + a[1] * t + a[2] * t * t;
}

std::string TextStresSuprafata(const MaterialOptic& m, float t) { return FormatG(StresSuprafata(m, t)); }

std::string TextStres(const MaterialOptic& m, float t) {
    const float s = StresSuprafata(m, t);
    // N/m over nm is GPa: a thousand times that in MPa.
    return t > 0.0f ? FormatG(static_cast<double>(s) / t * 1e3) : FormatG(s);
}

EticheteElasticitate EticheteElasticitateProducator(std::uint16_t producator) {
    if (producator == 0 || producator == 1)
        return {"Modul de elasticitate", "Longitudinal E [GPa]", "Transversal G [GPa]"};
    return {"Elasticitate", "Modul Young E [GPa]", "Raport Poisson"};
}

}  // namespace vitramor
