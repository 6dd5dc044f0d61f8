#pragma once
// Rewriting the database file record by record without the catalogue
// library: deletion by producer, category assignment and the validity-range
// proposal. It is the one rewrite engine of fileutil/RescriereFisier.h
// applied to the database: the work file "3.tmp" in the glass directory, an
// exclusive lock on the database for the whole rewrite, and the records a
// delete removes saved in the recovery file first.

#include <functional>

#include "fileutil/RescriereFisier.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr const char* NumeFisierTemporarRescriere = "3.tmp";

using PrelucrareInregistrare = std::function<DecizieInregistrare(MaterialOptic&)>;

// Rewrites the database in `directorSticle`, calling `prelucrare` for every
// whole record in file order (a trailing fragment is not copied). When
// `comandaRecuperare` is not 0, the records left out go to the recovery
// file under that command before the database is replaced.
//
// With `doarCuSchimbari`, a pass that changed and dropped no record leaves
// the database as it was, without an archive copy (state Abandonata).
//
// Returns 1 when the rewritten content took the database's place (when
// nothing was kept, an empty database; the old file is an archive copy);
// 0 otherwise - the glass directory, the files or the lock could not be had,
// the user declined to overwrite a leftover "3.tmp", the caller abandoned, a
// read or write failed - and then the database is exactly as it was; the
// reason of a failure is in `rezultat.motiv` (empty when the user or the
// caller stopped it). The questions go through `intrebari`.
int RescrieBazaDate(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle,
                    const PrelucrareInregistrare& prelucrare, RezultatRescriere& rezultat, bool cursorAsteptare = true,
                    std::uint32_t comandaRecuperare = 0, bool doarCuSchimbari = false);

}  // namespace vitramor
