#pragma once
// Deleting a material by name, from the window or the command line: the
// catalogue library's delete, then one line per deleted material in the
// journal.

#include <string>

#include "operatie/RezultatOperatie.h"
#include "platform/Platforma.h"

namespace vitramor {

// Deletes the first material named `nume` (the record's text), or with
// `toate` every material of that name. The library reports its own
// failures (a name the database does not hold among them).
RezultatOperatie StergeMaterialeCuNume(Fereastra owner, const std::string& directorSticle, const std::string& nume,
                                       bool toate);

}  // namespace vitramor
