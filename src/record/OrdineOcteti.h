#pragma once
// Byte order of the record. The database file is little-endian; on a
// little-endian host a record is the file's bytes as they stand. On a
// big-endian host every numeric named field is reversed on the way in and on
// the way out; text, `roluri` (single bytes) and the reserved ranges are
// carried as raw file bytes, so they survive a read-write round trip
// untouched either way.

#include <bit>

#include "record/MaterialOptic.h"

namespace vitramor {

// Where the producer word stands when the conversion starts. It decides the
// overlay (producer 10) and must be read before anything is reversed: coming
// from the file on a big-endian host it is still in the file's order
// (Inversat); going to the file it is in the host's order (Direct).
enum class ProducatorCitit { Direct, Inversat };

// Reverses the bytes of every element of every numeric named field, using the
// overlay types in the overlay ranges when the producer is 10. Its own
// inverse when the producer reading is switched: (Direct) then (Inversat)
// gives the record back.
void InverseazaOrdineaOctetilor(MaterialOptic& m, ProducatorCitit producator);

// File order to host order and back; nothing to do on little-endian hosts.
inline void MaterialDinOrdineaFisierului(MaterialOptic& m) {
    if constexpr (std::endian::native == std::endian::big) InverseazaOrdineaOctetilor(m, ProducatorCitit::Inversat);
    else (void)m;
}
inline void MaterialInOrdineaFisierului(MaterialOptic& m) {
    if constexpr (std::endian::native == std::endian::big) InverseazaOrdineaOctetilor(m, ProducatorCitit::Direct);
    else (void)m;
}

}  // namespace vitramor
