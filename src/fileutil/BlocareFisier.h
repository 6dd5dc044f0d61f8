#pragma once
// Keeping two programs from writing one file at once. A writer holds an
// exclusive lock for the whole of its write, a reader a shared one, on the
// directory that holds the data file (the data file itself is replaced by
// every rewrite, so a lock on it would not outlive the rename, and the
// directory also covers the files that go with it, such as the recovery
// file). A lock that cannot be had within TimpAsteptareBlocareMs fails with
// a reason naming the process that holds it, and the operation stops
// without touching the file and returns that reason.
//
// Locks nest inside one process: an import that holds the lock while it
// stores glass after glass does not wait for itself.

#include <string>

#include "operatie/RezultatOperatie.h"

namespace vitramor {

// How long a writer or reader waits for another program's lock.
inline int TimpAsteptareBlocareMs = 5000;

class BlocareFisier {
public:
    // `caleDate`: the data file; its directory is locked.
    BlocareFisier(const std::string& caleDate, bool exclusiv);
    ~BlocareFisier();
    BlocareFisier(const BlocareFisier&) = delete;
    BlocareFisier& operator=(const BlocareFisier&) = delete;
    // False when another program held the lock too long.
    bool ok() const { return ok_; }
    // Why the lock could not be had ("Fisierul ... este folosit de alt program ...").
    const std::string& motiv() const { return motiv_; }
    RezultatOperatie esec() const { return RezultatOperatie::Esec(motiv_); }

private:
    std::string cale_;
    std::string motiv_;
    bool ok_ = false;
    bool luata_ = false;
};

}  // namespace vitramor
