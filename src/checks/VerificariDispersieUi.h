#pragma once
// The menu entries of the dispersion checks and their report windows.
//
//   ComandaPropuneDomenii          40098  "Verifica domeniu spectral valabilitate ec. dispersie din indici..."
//   ComandaVerificaBazaDate        40045  "Verifica indici / ec. dispersie..." (Initializeaza)
//   ComandaVerificaMaterialCurent  40047  "Verifica indici / ec. dispersie..." (Editeaza)
//
// Each report kind keeps one text window: while the user leaves it open, a
// new run shows its text in the same window instead of stacking another.

#include "checks/VerificariDispersie.h"

class QWidget;

namespace vitramor {

class TextWindow;

// The producer dialog of the range proposal, modal over the main window.
void ComandaPropuneDomenii(QWidget* fereastraPrincipala);
// The precision dialog of the database pass, modal over the main window;
// its reports go to the database report window.
void ComandaVerificaBazaDate(QWidget* fereastraPrincipala);
// The report of the current material in the material report window; does
// nothing when no material is open.
void ComandaVerificaMaterialCurent(QWidget* fereastraPrincipala);

enum class RaportVerificare { BazaDate, Material };

// Shows a report: in its window while that still exists, otherwise in a new
// text window owned by `owner` with the report's tab stops. Returns the
// window, or null when none could be made.
TextWindow* ArataRaportVerificare(RaportVerificare tip, QWidget* owner, const BlocText& raport);
// The window of a report kind while it exists, otherwise null.
TextWindow* FereastraRaportVerificare(RaportVerificare tip);

}  // namespace vitramor
