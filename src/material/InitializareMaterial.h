#pragma once
// The "&Initializeaza" menu: resetting the current material, or only its
// tables, to the state a new material starts from, the first step of typing
// a material in by hand. The data they blank may be the only copy, so each
// command asks first, with No as the default.
//
// What survives "Initializeaza material": the name, type, standard, producer
// and category; the characteristic temperatures, layer thickness limits,
// toxicity, ALD thickness, molar mass, roles and LIDT wavelengths; the
// chemical classes other than CR; the dispersion dialog's own words; and
// slots 40 to 49 of the index table, which only older files fill and the
// checks still read.

#include "platform/Platforma.h"
#include "record/MaterialOptic.h"
#include "record/SetLucru.h"

namespace vitramor {

inline constexpr int IdComandaInitializeazaMaterial = 40008;  // "Initializeaza material"
inline constexpr int IdComandaInitLambdaIndici = 40009;       // "Init lambda indici"
inline constexpr int IdComandaInitIndici = 40010;             // "Init indici"
inline constexpr int IdComandaInitLambdaTransmisie = 40011;   // "Init lambda transmisie"

// Slots 0-34 take the standard wavelengths, 35-39 become 0; n and k stay.
void InitLambdaIndici(MaterialOptic& m);
// The standard wavelengths as above; n and k of all 50 slots, both equation
// codes, all 48 coefficients and both validity ranges set to 0.
void InitIndici(MaterialOptic& m);
// The transmittance table: 280, 290, ... 770 nm in its 50 slots, each with
// absorption 0 (transmittance 1); reference thickness 10 mm; the word after
// the table (offset 1768) cleared. Slots 0 to 9 of an evaporation material
// are its evaporation data and stay as they were.
void InitLambdaTransmisie(MaterialOptic& m);
// InitIndici, InitLambdaTransmisie, then every measured property cleared:
// code, relative price, the reserved words of the header, mechanical and
// thermal data, laser-damage data, surface stress, the climatic class CR
// (the other chemical classes stay), and the catalogue class back to its
// default.
void InitializeazaMaterial(MaterialOptic& m);

// The menu commands on the current material of a working set: each asks
// first, naming the material and what goes (No changes nothing), keeps the
// material as it was for the undo, and marks it overwritten by a command
// (SetLucru::marcheazaSuprascris).
// They do not set the modified flag: the material counts as modified by its
// bytes. 0 when no material is open, 2 after a No, 1 when done.
int ComandaInitializeazaMaterial(Intrebari& intrebari, Fereastra owner, SetLucru& set = setLucru());  // 40008
int ComandaInitLambdaIndici(Intrebari& intrebari, Fereastra owner, SetLucru& set = setLucru());       // 40009
int ComandaInitIndici(Intrebari& intrebari, Fereastra owner, SetLucru& set = setLucru());             // 40010
int ComandaInitLambdaTransmisie(Intrebari& intrebari, Fereastra owner, SetLucru& set = setLucru());   // 40011

}  // namespace vitramor
