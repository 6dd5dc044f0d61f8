#pragma once
// The working set: the materials the user has open, at most 10 of them.
// List row i of the main window shows record i; every editor and command
// works on the record at materialCurent in place and sets modificat when it
// accepts a change. The command line has its own working set of the same kind.

#include <vector>

#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr int NumarMaximMateriale = 10;

struct SetLucru {
    std::vector<MaterialOptic> materiale;  // empty: no material is open
    int materialCurent = 0;
    int modificat = 0;

    int numarMateriale() const { return static_cast<int>(materiale.size()); }
    bool gol() const { return materiale.empty(); }
    // The current material; only while at least one material is open.
    MaterialOptic& curent() { return materiale.at(static_cast<std::size_t>(materialCurent)); }
    const MaterialOptic& curent() const { return materiale.at(static_cast<std::size_t>(materialCurent)); }
};

// The application's working set.
SetLucru& setLucru();

// An empty material as "Creaza material nou" makes it: named "Gol<index>",
// producer 2, everything else zero.
MaterialOptic MaterialNou(int index);

// The current material; an empty set first gets one new material, as the
// command line's set starts.
MaterialOptic& CurentSauPrimulNou(SetLucru& set);

}  // namespace vitramor
