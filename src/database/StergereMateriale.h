#pragma once
// Deleting a material by name, from the window or the command line: the
// catalogue library's delete, then one line per deleted material in the
// journal.

#include <cstdint>
#include <optional>
#include <string>

#include "operatie/RezultatOperatie.h"
#include "platform/Platforma.h"

namespace vitramor {

// Deletes the first material named `nume` (the record's text), or with
// `toate` every material of that name, or with `producator` the first of
// that name and producer (two makers' glasses may share a name). Failed
// with the reason (a name the database does not hold among them).
RezultatOperatie StergeMaterialeCuNume(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle,
                                       const std::string& nume, bool toate,
                                       std::optional<std::uint16_t> producator = std::nullopt);

}  // namespace vitramor
