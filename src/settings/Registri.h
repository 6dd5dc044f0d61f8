#pragma once
// Reading and writing the directory settings under
// "Software\\KESTRA\\VITRAMOR\\DIRECTORI" into the directory buffers.

#include <string>

namespace vitramor {

inline constexpr const char* CheieDirectoare = "Software\\KESTRA\\VITRAMOR\\DIRECTORI";

// Reads "USER", "STICLE", "HELP" and "ML". Without the key the buffers keep
// their contents (empty at start-up: a first start sets nothing).
void CitesteRegistriVitramor();
// Creates the key, writes the four buffers and then the user colours.
int ScrieRegistriDirectori();

// False after a first start: no glass directory was ever stored, so the
// database file cannot be found until the user names one.
bool DirectorSticlaSetat();

// The folder that plays the role of X:\OPTIC\STICLA on a system without
// drive letters, and the one of C:\OPTIC\PLANOTEX\MACHINE_LEARNING\DATA.
std::string DirectorSticlaImplicit();
std::string DirectorMachineLearningImplicit();

}  // namespace vitramor
