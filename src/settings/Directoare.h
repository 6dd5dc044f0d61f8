#pragma once
// The directory buffers that the whole system reads: filled from the
// settings at start-up, changed by the Directories dialog, written back at
// shutdown. They are process-wide on purpose, like the working set.

#include <cstddef>
#include <string>

namespace vitramor {

inline constexpr std::size_t LungimeMaximaCale = 260;
inline constexpr const char* NumeFisierSticleImplicit = "sticleNou32.dat";

extern std::string path_user;              // "USER": imports from other database files start here
extern std::string path_sticle;            // "STICLE": the glass directory
extern std::string path_help;              // "HELP": help files; handed to every numbered message
extern std::string path_machine_learning;  // "ML": the JSON export directory
// The database file name inside the glass directory; not stored in the
// settings, changed only for this run by the Directories dialog (or --db).
extern std::string nume_fisier_sticle;

}  // namespace vitramor
