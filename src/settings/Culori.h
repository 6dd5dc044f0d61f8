#pragma once
// The 25 user colours under "Software\\KESTRA\\CULORI" ("CULOARE_%d"), each
// a 4-byte binary colour in the 0x00BBGGRR form.

#include <cstdint>

namespace vitramor {

inline constexpr int NumarCuloriUtilizator = 25;
inline constexpr const char* CheieCulori = "Software\\KESTRA\\CULORI";

// The colours the whole system paints with; zero at start-up.
extern std::uint32_t culoriUtilizator[NumarCuloriUtilizator];

// 1 when the key was opened; without it the first 20 colours take their
// defaults and the others keep what they hold.
int CitesteRegistriCuloriUtilizator(std::uint32_t* culori, int numar);
void ScrieRegistriCuloriUtilizator(const std::uint32_t* culori, int numar);

}  // namespace vitramor
