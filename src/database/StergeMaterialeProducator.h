#pragma once
// Deleting every material of one producer from the database file.

#include <string>

#include "operatie/RezultatOperatie.h"
#include "platform/Platforma.h"

namespace vitramor {

// The title of the deletion's window and of its outcome.
inline constexpr const char* TitluStergeMaterialeProducator = "Sterge materiale producator";

// A record is a candidate when its producer is `producator`, or, for the
// evaporation code 10, when its code is above 15 (such codes only ever came
// from evaporation materials of older files). With `intreaba` each candidate
// is first shown to the user ("Stergeti materialul %s?"), and No keeps it;
// "Da la toate" and "Nu la toate" answer for the candidates after it.
// Done with the records removed as deleted and the ones the user kept as
// skipped, its reason the closing text; nothing to do when no record was a
// candidate; failed when the file could not be opened or rewritten (said
// where it was found, the database as it was).
RezultatOperatie StergeMaterialeProducator(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle,
                                           int producator, bool intreaba);

// "S-au sters %d materiale": the closing message of a deletion.
std::string TextMaterialeSterse(int numar);

}  // namespace vitramor
