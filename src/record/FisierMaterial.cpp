#include "record/FisierMaterial.h"

#include "record/OrdineOcteti.h"

namespace vitramor {

bool CitesteMaterial(std::FILE* f, MaterialOptic& m) {
    MaterialOptic citit;
    if (std::fread(&citit, 1, sizeof citit, f) != sizeof citit) return false;
    MaterialDinOrdineaFisierului(citit);
    m = citit;
    return true;
}

bool ScrieMaterial(std::FILE* f, const MaterialOptic& m) {
    MaterialOptic deScris = m;
    MaterialInOrdineaFisierului(deScris);
    return std::fwrite(&deScris, 1, sizeof deScris, f) == sizeof deScris;
}

}  // namespace vitramor
