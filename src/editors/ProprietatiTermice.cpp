#include "editors/ProprietatiTermice.h"

namespace vitramor {

namespace {

float implicita(int i) { return i == 3 ? IncredereImplicitaTemperaturi : IncredereImplicita; }

}  // namespace

double FactorDilatareAfisata(float valoare, std::uint16_t producator) {
    if (valoare < 0.05f) return 1e7;
    return producator == 0 || producator == 1 ? 1.0 : 10.0;
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
