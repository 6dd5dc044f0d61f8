#pragma once
// The role word of a material: four 8-bit role codes kept in the record's
// `roluri` bytes, code k in bits 8k..8k+7 of a little-endian 32-bit word.
// The word is built by shifts, so it reads the same on any host.

#include <array>
#include <cstdint>

#include "record/MaterialOptic.h"

namespace vitramor {

using CoduriRol = std::array<std::uint8_t, 4>;  // byte 0 first; 0 = free

std::uint32_t ImpacheteazaRoluri(const CoduriRol& coduri);
CoduriRol DespacheteazaRoluri(std::uint32_t cuvant);

// The record's `roluri` bytes as the 32-bit word, and back.
std::uint32_t CitesteCuvantRoluri(const MaterialOptic& m);
void ScrieCuvantRoluri(MaterialOptic& m, std::uint32_t cuvant);

}  // namespace vitramor
