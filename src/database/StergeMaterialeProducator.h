#pragma once
// Deleting every material of one producer from the database file.

#include "platform/Platforma.h"

namespace vitramor {

// A record is a candidate when its producer is `producator`, or, for the
// evaporation code 10, when its code is above 15 (such codes only ever came
// from evaporation materials of older files). With `intreaba` each candidate
// is first shown to the user ("Stergeti materialul %s?"), and No keeps it;
// "Da la toate" and "Nu la toate" answer for the candidates after it.
// Returns the number of records removed; 0 also when the file could not be
// opened or rewritten; `reusit`, when given, tells those cases apart from a
// rewrite that found nothing to delete.
int StergeMaterialeProducator(Fereastra owner, int producator, bool intreaba, bool* reusit = nullptr);

// "S-au sters %d materiale": the closing message of a deletion.
std::string TextMaterialeSterse(int numar);

}  // namespace vitramor
