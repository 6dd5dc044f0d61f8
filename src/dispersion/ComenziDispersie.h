#pragma once
// The dispersion commands of the main menu and the range step of the save
// command. The commands need two dialogs of the catalogue library and the n
// window of the index editor; they reach them through hooks that the GUI
// fills at start-up, so this code stays free of widgets and tests can script
// the dialogs. A hook left empty behaves as a dialog the user cancelled (or,
// for the refresh, as a window that is not open).

#include <functional>
#include <string>

#include "dispersion/BlocDispersie.h"
#include "operatie/RezultatOperatie.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"
#include "record/SetLucru.h"

namespace vitramor {

inline constexpr int IdComandaCoeficientiDispersie = 40014;  // "Coef. ec. dispersie"
inline constexpr int IdComandaInitNDinDispersie = 40064;     // "Init n from dispersion eq."
inline constexpr const char* TitluAplicatieImplicit = "VITRAMOR V3.0";

struct LegaturiDispersie {
    // The catalogue library's type dialog: 2 means the user cancelled.
    std::function<int(Fereastra owner, const std::string& directorSticle, int& tip, MaterialOptic& material)>
        tipMaterial;
    // The catalogue library's dispersion dialog; its result is not used.
    std::function<int(Fereastra owner, void* instanta, tag_dispersieNou& bloc)> dispersieMaterial;
    // Refresh request to the index window of material `indexMaterial`
    // (which = 0: the n window, 1: the k window) when that window is open.
    std::function<void(int indexMaterial, int which)> reimprospateazaFereastraIndici;
    // The application title, for the captions; empty hook: "VITRAMOR V3.0".
    std::function<std::string()> titluAplicatie;
    // Handed to the dispersion dialog as the application instance.
    void* instantaAplicatie = nullptr;
};

// The process-wide hooks, filled by the GUI (InstaleazaDialoguriDispersie)
// and by tests.
LegaturiDispersie& legaturiDispersie();

// The caption of the application's own boxes.
std::string TitluAplicatie();

// "Coef. ec. dispersie" (40014) on the current material of `set`: the type
// dialog on the glass directory `directorSticle` (cancel stops), then the
// dispersion dialog on the block filled from the record; the coefficients,
// ranges and further words come back, the type codes and the name do not,
// and the material is marked modified whatever the dialog did. Returns 0 when nothing ran (no material, or cancelled).
int ComandaCoeficientiDispersie(Fereastra owner, const std::string& directorSticle, SetLucru& set = setLucru());

// "Init n from dispersion eq." (40064): after a Yes, n of every filled slot
// 0 to 39 is computed from the n equation; a slot whose n cannot be computed
// keeps its value and is one refused line of the result, for the caller to
// list in one report. Cancelled when the user said No, nothing to do when
// no material is open.
RezultatOperatie ComandaInitNDinDispersie(Intrebari& intrebari, Fereastra owner, SetLucru& set = setLucru());

// The range step of the save (see CompleteazaDomeniiSpectrale). An invalid
// n range is completed from the tables; when that fails the warning, with
// the name and the n bounds, is returned (empty when the ranges are valid)
// for the caller to tell. A valid n range is copied into an invalid k
// range. The save goes on in every case.
std::string CompleteazaDomeniiPentruSalvare(MaterialOptic& material);

}  // namespace vitramor
