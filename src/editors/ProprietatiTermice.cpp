#include "editors/ProprietatiTermice.h"

#include "record/ConversiiMaterial.h"

namespace vitramor {

namespace {

float implicita(int i) { return i == 3 ? IncredereImplicitaTemperaturi : IncredereImplicita; }

}  // namespace

double DilatareAfisata(float stocat, std::uint16_t producator) {
    return DilatarePeKelvin(stocat, producator) * FactorDilatareAfisata;
}

float DilatareDinAfisata(double tastat, float stocat, std::uint16_t producator) {
    return DilatareDePastrat(tastat / FactorDilatareAfisata, stocat, producator);
}

bool AsiguraIncrederi(MaterialOptic& m) {
    bool schimbat = false;
    for (int i = 0; i < 4; ++i) {
        // Written as an acceptance so that NaN is replaced too.
        if (m.incredere[i] >= 0.01f && m.incredere[i] <= 1.0f) continue;
        m.incredere[i] = implicita(i);
        schimbat = true;
    }
    return schimbat;
}

void InitIncrederi(MaterialOptic& m) {
    for (int i = 0; i < 4; ++i) m.incredere[i] = implicita(i);
}

}  // namespace vitramor
