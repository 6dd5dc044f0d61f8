#include "material/PragLaser.h"

namespace vitramor {

bool AsiguraLungimiUndaLidt(MaterialOptic& m) {
    bool schimbat = false;
    for (int i = 0; i < 3; ++i) {
        if (m.lidt_lambda[i] != 0) continue;
        m.lidt_lambda[i] = LungimiUndaLidtImplicite[i];
        schimbat = true;
    }
    return schimbat;
}

}  // namespace vitramor
