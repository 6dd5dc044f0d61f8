#pragma once
// The working set: the materials the user has open, at most 10 of them.
// List row i of the main window shows record i; every editor and command
// works on the record at materialCurent in place. The command line has its
// own working set of the same kind.
//
// Each open material has an identity that stays with it while it is open
// and is never given to another: windows opened for a material are bound to
// it, not to its place in the list, which shifts when a material before it
// closes. Closing a material, or loading another one into its place, ends
// its identity, and whatever listens to LaPlecareMaterial() (the editor
// windows) lets go of it.
//
// A material is modified when its bytes differ from its image: the bytes it
// was created or loaded with, or last stored. Records put into `materiale`
// directly (start-up, tests) get an identity, and themselves as image, the
// first time they are asked about.

#include <functional>
#include <vector>

#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr int NumarMaximMateriale = 10;

using IdentitateMaterial = unsigned;
inline constexpr IdentitateMaterial FaraIdentitate = 0;

struct SetLucru {
    std::vector<MaterialOptic> materiale;  // empty: no material is open
    int materialCurent = 0;
    // Set by the editors and commands when they accept a change. Whether a
    // material is worth a save question is decided by esteModificat().
    int modificat = 0;

    int numarMateriale() const { return static_cast<int>(materiale.size()); }
    bool gol() const { return materiale.empty(); }
    // The current material; only while at least one material is open.
    MaterialOptic& curent() { return materiale.at(static_cast<std::size_t>(materialCurent)); }
    const MaterialOptic& curent() const { return materiale.at(static_cast<std::size_t>(materialCurent)); }

    // The identity of the material at `index`; FaraIdentitate outside the set.
    IdentitateMaterial identitate(int index);
    // Where the material of that identity stands now; -1 when it is gone.
    int index(IdentitateMaterial identitate);

    // Appends a material that starts unmodified; returns its index.
    int adauga(const MaterialOptic& m);
    // Closes the material at `index`: the ones after it move up one place.
    void scoate(int index);
    // Closes every material.
    void goleste();
    // Puts a material loaded from the database into place `index`, instead
    // of the one there: a new identity, unmodified.
    void incarca(int index, const MaterialOptic& m);

    // Whether the material at `index` differs from its image.
    bool esteModificat(int index);
    // Its present bytes become its image: it was just stored, or the
    // database holds exactly these bytes.
    void marcheazaNemodificat(int index);
    // Its image becomes `baza`, what the database holds under its name, so
    // that it counts as modified exactly when it differs from that; without
    // such a record (nullptr) it counts as modified.
    void potrivesteCuBaza(int index, const MaterialOptic* baza);

    // One step of undo per material: `inainte` is what the material at
    // `index` was before the change about to be made (or just made) to it,
    // by an editor or a command. Loading or closing the material forgets it.
    void memoreazaAnterior(int index, const MaterialOptic& inainte);
    // Puts the material back as it was before its last change; false when
    // there is nothing to undo.
    bool anuleazaUltimaModificare(int index);

    // A command blanked or replaced the material's data (an initialisation,
    // an erase, values computed or copied from another material) since it
    // was loaded or stored, rather than the user typing: its save question
    // then does not offer Yes as the default, so that one Enter never stores
    // such a material over the database's.
    void marcheazaSuprascris(int index);
    bool suprascris(int index);

private:
    struct Stare {
        IdentitateMaterial identitate;
        MaterialOptic imagine;
        bool inBaza;  // false: never stored, modified whatever its bytes
        bool suprascris = false;
        bool areAnterior = false;
        bool anteriorSuprascris = false;
        MaterialOptic anterior{};
    };
    // Brings `stari_` to the length of `materiale`: records added directly
    // get a new identity, records removed from the end let theirs go.
    void potriveste();
    Stare* stare(int index);

    std::vector<Stare> stari_;
};

// Called with the identity of every material that leaves a working set,
// before its record goes; empty until the windows install it.
std::function<void(IdentitateMaterial)>& LaPlecareMaterial();

// The application's working set.
SetLucru& setLucru();

// An empty material as "Creaza material nou" makes it: named "Gol<index>",
// producer 2, everything else zero.
MaterialOptic MaterialNou(int index);

// The current material; an empty set first gets one new material, as the
// command line's set starts.
MaterialOptic& CurentSauPrimulNou(SetLucru& set);

}  // namespace vitramor
