#pragma once
// Where CSV catalogues are looked for: a folder per producer below the glass
// directory, and the path the CSV dialog keeps while the user chooses.

#include <cstddef>
#include <string>

namespace vitramor {

inline constexpr const char* ModelCsv = "*.csv";
// The longest path the CSV dialog keeps.
inline constexpr std::size_t LungimeMaximaCaleCsv = 259;

// The producer folder of a code ("Schott" for 2, "EVAPOR" for 10...), or
// null for a code without one (its catalogues sit in the glass directory).
const char* SubdirectorCsvProducator(int producator);

// A directory and a name joined with one "/" between them.
std::string UnesteDirectorSiNume(const std::string& director, const std::string& nume);

// The folder of a producer's CSV catalogues.
std::string DirectorCsvProducator(const std::string& directorSticle, int producator);

// The path the dialog proposes for a producer: its folder joined with "*.csv".
std::string CaleCsvProducator(const std::string& directorSticle, int producator);

// Checks a path the user typed. A relative path is taken below the glass
// directory. A path naming a file must name an existing file; a path whose
// last part is a pattern ("*.csv", as the dialog proposes) must lie in an
// existing directory. Returns the path as it will be kept, or an empty
// string when the text is not accepted.
std::string VerificaCaleCsv(const std::string& directorSticle, const std::string& text);

}  // namespace vitramor
