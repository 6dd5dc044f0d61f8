#pragma once
// A rewrite interrupted between its two renames (a crash, a power cut) leaves
// the glass directory without the database file but with its archive copies
// and perhaps a work file. Starting over with a new one-record database
// would hide all of it, so the GUI start and every command that uses the
// database first look for that state and offer the newest archive.

#include "platform/Platforma.h"

namespace vitramor {

// Only a regular file of whole records that can be read stands in for the
// database: newer archive names holding anything else (a directory, a FIFO,
// a link to nothing, a copy cut short) are passed over, each named with
// the reason.
//
// When the database file is missing but an archive copy of it is there,
// says so and asks whether to restore the newest good archive, and does it
// on Yes. Returns 1 when the database was restored, 0 otherwise (nothing to
// do, or the answer was No, or the restore failed).
int OferaRestaurareBazaDate(Fereastra owner);

// The `restore-archive` command: puts the newest good archive copy back when
// the database file is missing. 1 on success; 0 with a message when the
// database exists, no archive is there or the copy failed.
int RestaureazaBazaDate(Fereastra owner);

}  // namespace vitramor
