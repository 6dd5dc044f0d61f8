#include "record/SetLucru.h"

#include <cstdio>
#include <cstring>

namespace vitramor {

SetLucru& setLucru() {
    static SetLucru s;
    return s;
}

MaterialOptic MaterialNou(int index) {
    MaterialOptic m;
    std::memset(&m, 0, sizeof m);
    std::snprintf(m.nume, sizeof m.nume, "Gol%d", index);
    m.stas = 2;
    m.producator = 2;
    return m;
}

MaterialOptic& CurentSauPrimulNou(SetLucru& set) {
    if (set.gol()) {
        set.materiale.push_back(MaterialNou(0));
        set.materialCurent = 0;
    }
    return set.curent();
}

}  // namespace vitramor
