#pragma once
// Rewriting the database file record by record without the catalogue
// library: deletion by producer, category assignment and the validity-range
// proposal all go through here, so they share one way of keeping the data
// safe. The records go to the work file "3.tmp" in the glass directory, and
// the old database becomes its next archive copy before "3.tmp" takes its
// name; at every moment the old file, its archive or the new file holds the
// data.

#include <cstdint>
#include <functional>

#include "platform/Platform.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr const char* NumeFisierTemporarRescriere = "3.tmp";

// What to do with one record, decided by the caller for each record.
enum class DecizieInregistrare {
    Pastreaza,   // write it unchanged
    Modificata,  // the caller changed it in place: write the new content
    Elimina,     // leave it out
    Abandoneaza  // stop here: the database stays as it was and "3.tmp" goes
};

using PrelucrareInregistrare = std::function<DecizieInregistrare(MaterialOptic&)>;

struct RezultatRescriere {
    std::uint64_t citite = 0;      // whole records read
    std::uint64_t scrise = 0;      // records written to the work file
    std::uint64_t modificate = 0;  // records the caller changed
    std::uint64_t eliminate = 0;   // records left out
    bool eroareScriere = false;    // a write failed; the copy stopped there
    bool abandonata = false;       // the caller stopped, or the database could not be read
};

// Rewrites nume_fisier_sticle in path_sticle through "3.tmp", calling
// `prelucrare` for every whole record in file order; a trailing fragment
// shorter than a record is not a record and is not copied.
//
// Returns 1 when the rewritten content took the database's place (or, when
// nothing was kept, the old file became an archive and no database remains);
// 0 when the glass directory or the files could not be opened, the user
// declined to overwrite a leftover "3.tmp", the caller abandoned, the
// database could not be read, or the replacement failed - in every one of
// those cases the data is whole in the database file or in its archive copy.
//
// A failed write is reported with "Eroare scriere" (titled with the name of
// the material being written) and ends the copy; the replacement still runs,
// so the database then holds the records written before the error and its
// archive copy holds them all.
int RescrieBazaDate(Fereastra owner, const PrelucrareInregistrare& prelucrare, RezultatRescriere& rezultat,
                    bool cursorAsteptare = true);

}  // namespace vitramor
