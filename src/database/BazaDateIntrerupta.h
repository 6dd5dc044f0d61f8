#pragma once
// A rewrite interrupted between its two renames (a crash, a power cut) leaves
// the glass directory without the database file but with its archive copies
// and perhaps a work file. Starting over with a new one-record database
// would hide all of it, so the GUI start and every command that uses the
// database first look for that state and offer the newest archive.

#include "operatie/RezultatOperatie.h"
#include "platform/Platforma.h"

namespace vitramor {

// Only a regular file of whole records that can be read stands in for the
// database: newer archive names holding anything else (a directory, a FIFO,
// a link to nothing, a copy cut short) are passed over, each named with
// the reason.
//
// When the database file is missing but an archive copy of it is there,
// says so and asks whether to restore the newest good archive, and does it
// on Yes. Done with the archive's records counted as new; nothing to do
// when nothing was missing or asked (its reason, when there is one, says
// what was found: an empty database made after a deletion on record);
// cancelled after a No; failed, with the reason, when no archive can stand
// in, the lock could not be had or the copy failed. The question goes
// through `intrebari`.
RezultatOperatie OferaRestaurareBazaDate(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle);
// Whether the offer's outcome is worth a message: a database that is where
// it should be says nothing.
bool DeRaportat(const RezultatOperatie& r);

// The `restore-archive` command: puts the newest good archive copy back when
// the database file is missing. Done as the offer; failed with the reason
// when the database exists, no good archive is there or the copy failed.
// The archives passed over are named in the outcome's notes.
RezultatOperatie RestaureazaBazaDate(const std::string& directorSticle);

inline constexpr const char* TitluRestaurareBazaDate = "ATENTIE!";

}  // namespace vitramor
