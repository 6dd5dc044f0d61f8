#pragma once
// Reading a whole catalogue file for the importers that take bytes. A file
// that cannot be read, a directory, or a file too large to be a catalogue is
// a failure that says why, for the caller to report.

#include <cstddef>
#include <string>

#include "operatie/RezultatOperatie.h"

namespace vitramor {

// The largest catalogue file read: the biggest published catalogues are a
// few megabytes, n,k files at most a few hundred kilobytes.
inline constexpr std::size_t MarimeMaximaFisierImport = 64u << 20;

RezultatOperatie CitesteFisierImport(const std::string& cale, std::string& octeti);
// The box a window shows for such a failure.
inline constexpr const char* TitluEroareCitireImport = "Eroare";

}  // namespace vitramor
