#pragma once
// Window positions under "Software\\KESTRA\\WINDOWS_POS\\<name>": "POSX",
// "POSY", "DX", "DY" as 32-bit integers. The name is the caller's, or the
// window's class name when the caller gives none. The message list window
// ("ListaEroriClass") never stores or restores a position.

#include <string>

namespace vitramor {

inline constexpr const char* CheiePozitiiFerestre = "Software\\KESTRA\\WINDOWS_POS";
inline constexpr const char* ClasaListaErori = "ListaEroriClass";

// Mode bits: 1 the position, 2 the size.
inline constexpr int ModPozitie = 1;
inline constexpr int ModMarime = 2;

struct PozitieFereastra {
    int x = 0, y = 0, dx = 0, dy = 0;
};

// Position keeping is on from start-up; tests and special runs may switch it off.
void ActiveazaPastrarePozitii(bool activa);
bool PastrarePozitiiActiva();

// 1 when every requested value was read. Defaults and partial reads follow
// the settings rules (x = 1 for a missing position, 100 for a missing size).
int CitestePozitieFereastraDinRegistri(const std::string& numeFereastra, int mod, PozitieFereastra& p);
// Writes the position (mode bit 1) and the size (bit 2).
int SalveazaPozitieFereastraMod(const std::string& numeFereastra, int mod, const PozitieFereastra& p);

}  // namespace vitramor
