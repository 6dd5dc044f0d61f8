#pragma once
// The recovery file: before a material is stored over another of the same
// name, and before any delete (one, all of a name, by producer, the clean
// operation) takes records out of the database, the records that go are
// appended to "recuperare.dat" in the glass directory with the time and the
// command. "Recupereaza material..." and `recover` bring an entry back.
//
// The file holds at most LimitaRecuperare entries. Most additions only
// append; the one that would pass the limit rewrites the file once with the
// newest half of it (or with all of its own entries, when they are more),
// so trimming costs a constant amount per entry however many are added.
// A file larger than LimitaOctetiRecuperare (one that some other program
// let grow) is never read: the next addition moves it aside to a numbered
// name ("recuperare#_0.dat") and starts a new one, so that a store or a
// delete never fails on it.
//
// Entry layout (2144 bytes, little-endian): "VREC", the command (u32), the
// time in seconds since 1970 (i64), then the 2128-byte record as the
// database holds it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr const char* NumeFisierRecuperare = "recuperare.dat";
inline constexpr std::size_t LimitaRecuperare = 2000;
inline constexpr std::uint64_t LimitaOctetiRecuperare = std::uint64_t{64} << 20;
inline constexpr std::size_t MarimeIntrareRecuperare = 16 + sizeof(MaterialOptic);

enum ComandaRecuperare : std::uint32_t {
    RecuperareSalvare = 1,        // stored over by a material of the same name
    RecuperareSterge = 2,         // "Sterge material"
    RecuperareStergeToate = 3,    // every material of the name deleted
    RecuperareStergeProducator = 4,
    RecuperareCurata = 5,         // dropped by the clean operation
};

// "salvare peste", "sterge", ... for the lists.
std::string TextComandaRecuperare(std::uint32_t comanda);

struct IntrareRecuperare {
    std::int64_t moment = 0;
    std::uint32_t comanda = 0;
    MaterialOptic material{};  // in the host's byte order
};

// Appends the records (database byte order, back to back) to the recovery
// file of `directorSticle`. False when it could not be written, with the
// reason in `motiv`: the caller then must not remove the records. A file
// too large that goes aside is told over `owner`.
bool AdaugaInRecuperare(Fereastra owner, const std::string& directorSticle, std::uint32_t comanda,
                        std::string_view recorduri, std::string& motiv);

// Every entry, oldest first. A missing file is an empty list; false when the
// file exists but cannot be read or is above LimitaOctetiRecuperare, with
// the reason in `motiv`.
bool CitesteRecuperare(const std::string& directorSticle, std::vector<IntrareRecuperare>& intrari, std::string& motiv);

// "name\tproducer\twhen\tcommand", as the recovery lists show an entry.
std::string LinieRecuperare(const std::string& directorSticle, const IntrareRecuperare& intrare);

// The database file's name: "sticleNou32.dat" unless the Directories dialog
// or --db chose another for this run. The one place the core reads it.
const std::string& NumeBazaDate();
// The database file of `directorSticle` as a full path, for locks and messages.
std::string CaleBazaDate(const std::string& directorSticle);

}  // namespace vitramor
