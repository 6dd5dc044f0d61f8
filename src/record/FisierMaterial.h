#pragma once
// Reading and writing whole records of a database file. A record is 2128
// bytes copied as they stand (converted to the host's byte order only on a
// big-endian host); a file that ends in a partial record simply has no
// record there.

#include <cstdio>

#include "record/MaterialOptic.h"

namespace vitramor {

// Reads the next whole record. False at the end of the file, at a partial
// record and on a read error; `m` is then left as it was.
bool CitesteMaterial(std::FILE* f, MaterialOptic& m);

// Writes one record. False when not all 2128 bytes were written.
bool ScrieMaterial(std::FILE* f, const MaterialOptic& m);

}  // namespace vitramor
