#pragma once
// The producers' PDF datasheets kept below the glass directory, opened with
// the platform's document viewer from the "Ajutor" button of every property
// editor. Which document opens depends only on the producer of the material.

#include <optional>
#include <string>

#include "platform/Platforma.h"

namespace vitramor {

// Folder (below the glass directory) and document name of one producer.
struct FisaProducator {
    const char* folder;
    const char* document;
};

// The row of a producer code; empty for codes without a datasheet (0 and 12
// and above).
std::optional<FisaProducator> FisaPentruProducator(int producator);

// Full path of the producer's datasheet under the given glass directory
// ("<glass>/<folder>/<document>"); empty when the producer has none.
std::string CaleFisaProducator(const std::string& directorSticle, int producator);

// Opens the producer's datasheet. Failed, for the caller to tell, when the
// file is missing ("Nu exista fisierul", the path and where to copy the
// document) or the producer has no datasheet; the editor that asked
// carries on either way.
RezultatOperatie DeschideFisaProducator(Fereastra owner, const std::string& directorSticle, int producator);

}  // namespace vitramor
