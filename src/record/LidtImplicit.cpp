#include "record/LidtImplicit.h"

namespace vitramor {

bool CompleteazaLungimiUndaLidt(MaterialOptic& m) {
    if (EsteMaterialEvaporare(m)) return false;
    bool schimbat = false;
    for (std::size_t i = 0; i < LungimiUndaLidtImplicite.size(); ++i) {
        if (m.lidt_lambda[i] == 0) {
            m.lidt_lambda[i] = LungimiUndaLidtImplicite[i];
            schimbat = true;
        }
    }
    return schimbat;
}

}  // namespace vitramor
