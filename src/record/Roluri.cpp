#include "record/Roluri.h"

namespace vitramor {

std::uint32_t ImpacheteazaRoluri(const CoduriRol& coduri) {
    std::uint32_t cuvant = 0;
    for (std::size_t k = 0; k < coduri.size(); ++k) cuvant |= std::uint32_t{coduri[k]} << (8 * k);
    return cuvant;
}

CoduriRol DespacheteazaRoluri(std::uint32_t cuvant) {
    CoduriRol coduri{};
    for (std::size_t k = 0; k < coduri.size(); ++k) coduri[k] = static_cast<std::uint8_t>(cuvant >> (8 * k));
    return coduri;
}

std::uint32_t CitesteCuvantRoluri(const MaterialOptic& m) {
    return ImpacheteazaRoluri({m.roluri[0], m.roluri[1], m.roluri[2], m.roluri[3]});
}

void ScrieCuvantRoluri(MaterialOptic& m, std::uint32_t cuvant) {
    const CoduriRol coduri = DespacheteazaRoluri(cuvant);
    for (std::size_t k = 0; k < coduri.size(); ++k) m.roluri[k] = coduri[k];
}

}  // namespace vitramor
