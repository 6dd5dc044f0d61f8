#pragma once
// Import between materials of the working set: the index tables or the
// dispersion equations of one open material copied into the current one.
// The copying and the question live here; the dialog only picks the source.

#include <string>

#include "platform/Platforma.h"
#include "record/SetLucru.h"

namespace vitramor {

inline constexpr int IdComandaImportaIndici = 40057;
inline constexpr int IdComandaImportaEcuatii = 40058;

inline constexpr const char* TitluCasetaImportaIntreMateriale = "VITRAMOR V3.0";
inline constexpr const char* TextAlegetiAltaSticla = "Alegeti o sticla diferita";

// The dialog title of a command: "Importa indici n,k", "Importa ec. de
// dispersie", "??????" for anything else.
std::string TitluImportaIntreMateriale(int comanda);

// Slots 0 to 39 of lambda_indici, indice_n and indice_k; the 10 slots past
// what the editors show keep the destination's values.
void CopiazaIndiciNK(const MaterialOptic& sursa, MaterialOptic& destinatie);

// The 24 coefficients of n and of k, both equation codes and both validity
// ranges; nothing else of the dispersion block.
void CopiazaEcuatiiDispersie(const MaterialOptic& sursa, MaterialOptic& destinatie);

// The question before an import ("Importati n,k din %s in %s" or
// "Importi ec. de dispersie din %s in %s"), empty for an unknown command.
std::string IntrebareImporta(int comanda, const MaterialOptic& sursa, const MaterialOptic& destinatie);

// Asks, and on Yes copies from material `indexSursa` into the current
// material and marks the working set modified. Returns true when something
// was copied; the caller refreshes the windows that show the record.
bool ImportaInMaterialCurent(Intrebari& intrebari, Fereastra owner, int comanda, SetLucru& set, int indexSursa);

}  // namespace vitramor
