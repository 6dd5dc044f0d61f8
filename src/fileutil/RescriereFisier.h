#pragma once
// The one way a file of fixed-size records is rewritten: the database, the
// producer table and the recovery file all go through here.
//
//   1. the old file is opened (a regular file only) and the work file is
//      created - a leftover work file is overwritten only when the user says so;
//   2. every whole record is handed to `prelucrare`, which keeps, changes or
//      drops it, or abandons the rewrite; `adaugat` goes after the records;
//   3. the work file is synced to the disk and closed;
//   4. `inainteDeInlocuire` sees the dropped records (the recovery file is
//      written there) and may still stop;
//   5. the old file becomes its next archive copy, the work file takes its
//      name, and the directory is synced.
//
// A failure anywhere before step 5 removes the work file and leaves the old
// file exactly as it was; a failure of the second rename puts the archive
// back. So the data file is never replaced by less than was read, and the
// caller learns of every failure from `stare` and `motiv` (nothing is shown
// here: the caller passes the reason up to whoever reports it).
//
// Example - drop every record whose first byte is 0:
//
//   CerereRescriere c;
//   c.fisier = "sticleNou32.dat";  c.temporar = "3.tmp";  c.marimeRecord = 2128;
//   c.prelucrare = [](char* r, std::uint64_t) {
//       return r[0] == 0 ? DecizieInregistrare::Elimina : DecizieInregistrare::Pastreaza; };
//   if (const RezultatRescriere r = RescrieFisier(intrebari, owner, c); !r.ok()) return r.motiv;

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Platforma.h"

namespace vitramor {

// What to do with one record.
enum class DecizieInregistrare {
    Pastreaza,   // write it unchanged
    Modificata,  // the caller changed it in place: write the new content
    Elimina,     // leave it out
    Abandoneaza  // stop: the old file stays as it was and the work file goes
};

enum class StareRescriere {
    Reusita,
    Anulata,           // the user declined to overwrite a leftover work file
    EroareDeschidere,  // the old file or the work file could not be opened
    EroareCitire,      // the old file could not be read to its end
    EroareScriere,     // writing or syncing the work file failed (full disk, quota, I/O)
    Abandonata,        // the caller stopped
    EroareInlocuire,   // a rename failed; the old content is in the data file or its archive
};

struct RezultatRescriere {
    StareRescriere stare = StareRescriere::Reusita;
    std::uint64_t citite = 0;      // whole records read
    std::uint64_t pastrate = 0;    // records written to the work file
    std::uint64_t modificate = 0;  // of those, records the caller changed
    std::uint64_t eliminate = 0;   // records left out
    std::uint64_t octetiRest = 0;  // trailing fragment of the old file, never copied
    // Why it failed ("Eroare scriere fisier ...: <system text>\nFisierul ...
    // a ramas neschimbat."); empty when it did not, or the user or the caller stopped it.
    std::string motiv;
    bool ok() const { return stare == StareRescriere::Reusita; }
};

struct CerereRescriere {
    std::string fisier;    // the data file
    std::string temporar;  // the work file, next to it
    std::size_t marimeRecord = 0;
    // Called for every whole record in file order; null copies no record.
    std::function<DecizieInregistrare(char* record, std::uint64_t index)> prelucrare;
    std::string_view adaugat;
    // The dropped records, back to back, once the work file is safe on the
    // disk; returning false stops the rewrite with the old file in place.
    std::function<bool(std::string_view eliminate)> inainteDeInlocuire;
    bool cursorAsteptare = false;
    // An empty result replaces the file as an empty file instead of being
    // deleted (the database: deleting every material leaves it empty).
    bool golPastrat = false;
};

// `intrebari` asks about a leftover work file, over `owner`.
RezultatRescriere RescrieFisier(Intrebari& intrebari, Fereastra owner, const CerereRescriere& cerere);

}  // namespace vitramor
