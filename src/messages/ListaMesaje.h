#pragma once
// The application-wide list of information (level 0) and warning (level 1)
// lines that long operations report to. The logic calls AfiseazaMesajInLista
// from anywhere; where the lines go is decided by the front end: the GUI
// installs the message list window, the command line writes each line to
// standard error, tests collect them.

#include <functional>
#include <string>

namespace vitramor {

inline constexpr int NivelInformatie = 0;
inline constexpr int NivelAvertizare = 1;

// Adds one line; returns the result of the addition (non-zero on success).
int AfiseazaMesajInLista(const std::string& text, int nivel);

// The receiver of the lines. Without one installed, lines are written to
// standard error ("warning: " before a level above 0).
using DestinatieMesaje = std::function<int(const std::string& text, int nivel)>;
void InstaleazaDestinatieMesaje(DestinatieMesaje destinatie);

}  // namespace vitramor
