#pragma once
// Reading a whole catalogue file for the importers that take bytes. A file
// that cannot be read, a directory, or a file too large to be a catalogue is
// reported in a box and gives false.

#include <cstddef>
#include <string>

#include "platform/Platforma.h"

namespace vitramor {

// The largest catalogue file read: the biggest published catalogues are a
// few megabytes, n,k files at most a few hundred kilobytes.
inline constexpr std::size_t MarimeMaximaFisierImport = 64u << 20;

bool CitesteFisierImport(Fereastra owner, const std::string& cale, std::string& octeti);

}  // namespace vitramor
