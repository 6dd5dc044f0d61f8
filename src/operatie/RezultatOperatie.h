#pragma once
// What an operation that changes data did, said once: the window shows it in
// its closing message, the command line prints the same text and derives its
// exit status from it, so the two can never tell different stories. An
// operation that can fail, be cancelled or find nothing to do returns one;
// counts are of materials.

#include <cstdint>
#include <string>
#include <vector>

namespace vitramor {

enum class StareOperatie {
    Facut,         // ran to its end; the counts say what it changed
    NimicDeFacut,  // nothing needed doing, and nothing was asked
    Anulat,        // the user stopped it; the data is as it was
    Esuat,         // it could not be done; the data is as it was
};

// A material that was not stored, and why: the field and the value where a
// value was at fault. Both texts are UTF-8.
struct MaterialRefuzat {
    std::string material;
    std::string motiv;
};

struct RezultatOperatie {
    StareOperatie stare = StareOperatie::Facut;
    // Esuat: why, in the words the user reads (a write error names its file
    // and the system's reason); nothing shows it before the caller reports
    // the outcome. Anulat and NimicDeFacut may say what there was (not) to do.
    std::string motiv;
    int noi = 0;
    int actualizate = 0;
    int redenumite = 0;
    int sarite = 0;  // by the user's choice
    int sterse = 0;
    std::vector<MaterialRefuzat> refuzate;
    // One line per material that the user should see beside the counts
    // (the new name of a renamed glass), UTF-8.
    std::vector<std::string> note;
    // One row per material handled, in the order of the source, for the
    // window's table of what became of each; `coloane` holds the values of
    // the extra columns an operation names in `antetColoane`.
    struct Articol {
        std::string material, producator, rezultat, detalii;
        std::vector<std::string> coloane;
        // The name it was stored under, the record's own text (empty when
        // it was not stored).
        std::string numeStocat;
    };
    std::vector<Articol> articole;
    std::vector<std::string> antetColoane;

    static RezultatOperatie Esec(std::string motiv = {});
    static RezultatOperatie Anulare(std::string motiv = {});
    static RezultatOperatie Nimic(std::string motiv = {});

    void refuza(std::string material, std::string motiv);
    // Adds a row to the table of what became of each material.
    Articol& articol(std::string material, std::string producator, std::string rezultat, std::string detalii = {});
    // Counts and lines of a later part of the same operation.
    void adauga(const RezultatOperatie& parte);

    int schimbate() const { return noi + actualizate + redenumite + sterse; }
    // The command line's exit status: 0 done (every item stored, updated or
    // skipped by choice; or nothing to do), 4 partly done (some stored,
    // others refused), 1 failed, cancelled, or nothing usable.
    int codIesire() const;
    bool reusit() const { return codIesire() == 0; }
    bool esuat() const { return stare == StareOperatie::Esuat; }
    // The closing summary: the counts, then one line per refused item (at
    // most `maximRefuzate`, then how many more) and the notes.
    std::string rezumat(std::size_t maximRefuzate = SIZE_MAX) const;
    // The same without the refused items' lines (a window lists them in its table).
    std::string rezumatFaraRefuzate() const;
};

}  // namespace vitramor
