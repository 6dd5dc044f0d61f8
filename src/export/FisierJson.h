#pragma once
// Loading a JSON file into a cJSON tree and writing a tree back. Writing
// moves the previous file to its next numbered archive copy first, so the
// last content is never lost. A problem is not shown here: its text (a
// numbered message's own words where there is one) is the reason the caller
// tells once.

#include <cstdint>
#include <string>

#include <cjson/cJSON.h>

#include "operatie/RezultatOperatie.h"

namespace vitramor {

// Files above this size are refused as if the memory for them could not be
// had: cJSON needs many times a file's size to hold its tree, and a
// document of this system's making stays far below it.
inline constexpr std::uint64_t MarimeMaximaFisierJson = std::uint64_t{256} << 20;

// A file of at most this many bytes may hold any JSON value; a longer one
// must hold an object or an array.
inline constexpr std::uint64_t MarimeMaximaValoareSimpla = 10;

// 1 when a document was loaded into `arbore` (the caller owns it), 0
// otherwise, with why in `motiv`. `arbore` and `marime` are cleared first;
// `marime` is the file's size once the file has been found, so 0 tells a
// missing or empty file from a present but unreadable one.
int IncarcaInMemorieFisierJSON(const std::string& director, const std::string& numeFisier, cJSON*& arbore,
                               std::uint64_t& marime, std::string& motiv);

// Writes the tree formatted; done as well when there is no tree. With
// `elibereaza` the tree is deleted and the pointer cleared whatever the
// outcome.
RezultatOperatie SalveazaDateJsonInFisier(const std::string& director, const std::string& numeFisier, cJSON*& arbore,
                                          bool elibereaza);

}  // namespace vitramor
