#include "material/ProprietatiTermice.h"

#include "record/ConversiiMaterial.h"

namespace vitramor {

namespace {

float implicita(int i) { return i == 3 ? IncredereImplicitaTemperaturi : IncredereImplicita; }

}  // namespace

double DilatareAfisata(float stocat, std::uint16_t producator, double factor) {
    return DilatarePeKelvin(stocat, producator) * factor;
}

float DilatareDinAfisata(double tastat, float stocat, std::uint16_t producator, double factor) {
    return DilatareDePastrat(tastat / factor, stocat, producator);
}

double FactorDilatareProducator(std::uint16_t producator) { return producator == 0 || producator == 1 ? 1e7 : 1e6; }

bool AsiguraIncrederi(MaterialOptic& m) {
    bool schimbat = false;
    for (int i = 0; i < 4; ++i) {
        if (IncredereValida(m.incredere[i])) continue;
        m.incredere[i] = implicita(i);
        schimbat = true;
    }
    return schimbat;
}

void InitIncrederi(MaterialOptic& m) {
    for (int i = 0; i < 4; ++i) m.incredere[i] = implicita(i);
}

}  // namespace vitramor
