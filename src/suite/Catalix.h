#pragma once
// The material catalogue library's interface under the name the suite gave
// it. The work is done in database/, the room of the database file; new code
// includes database/CatalogMateriale.h directly.

#include <cstdint>
#include <string>

#include "database/CatalogMateriale.h"
#include "settings/Directoare.h"

namespace vitramor {

// The interface's name functions take no directory: they name the producers
// of the glass directory the program works in. Code in the tree passes its
// own directory to the forms in database/CatalogMateriale.h.
inline int ReturneazaNumeProducatorMatOptic(int cod, std::string& nume) {
    return ReturneazaNumeProducatorMatOptic(path_sticle, cod, nume);
}
inline void ReturneazaNumeCodProducatorSticla(std::uint16_t cod, std::string& nume, int marimeBuffer) {
    ReturneazaNumeCodProducatorSticla(path_sticle, cod, nume, marimeBuffer);
}

}  // namespace vitramor
