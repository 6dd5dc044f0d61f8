#pragma once
// The one store of materials that come from somewhere: a catalogue import,
// a file of records, an editor's save. Every material is first held against
// the physical limits and the name rule, and refused, named, when it fails
// them; the rest are stored in one pass over the database. A name the
// database holds under the same producer is an update; under another
// producer, or a name that an earlier material of the same lot already
// took, it is a conflict, never a silent replacement. Every material
// stored goes into the journal with its source.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>

#include "database/JurnalMateriale.h"
#include "operatie/RezultatOperatie.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

enum class PoliticaConflict {
    Intreaba,     // one question for the whole lot
    Inlocuieste,  // the newcomer replaces the material of that name
    Redenumeste,  // the newcomer is stored under a new name (nothing is lost)
    Sari,         // the newcomer is not stored
};
// The words of --on-conflict: replace, rename, skip.
std::optional<PoliticaConflict> PoliticaConflictDinText(std::string_view text);

struct OptiuniStocare {
    // Whom the store asks (the conflict question, a torn database's repair).
    explicit OptiuniStocare(Intrebari& i) : intrebari(&i) {}
    Intrebari* intrebari;
    PoliticaConflict laConflict = PoliticaConflict::Intreaba;
    SursaMateriale sursa;
    // An editor's save: an update goes into the journal as "editat".
    bool editare = false;
    // The caption of the conflict question.
    std::string titlu = "Salvare materiale";
    // A run that stores its source in several lots (a large database file)
    // asks its question once: the answer is kept in `laConflict`, and the
    // names stored by the earlier lots in `numeStocate`, so that a name the
    // source gives twice is a conflict however far apart.
    std::unordered_set<std::string> numeStocate;
};

// Stores the materials and says what became of each. The database is as it
// was when the result is a failure or a cancel.
RezultatOperatie StocheazaMateriale(Fereastra owner, const std::string& directorSticle,
                                    std::span<const MaterialOptic> materiale, OptiuniStocare& o);

// A name for a renamed material: "NAME_2", "NAME_3", ..., the name
// shortened so that the whole fits the record's 15 characters; `folosit`
// says which names are taken.
std::string NumeNouUnic(std::string_view nume, const std::function<bool(const std::string&)>& folosit);

}  // namespace vitramor
