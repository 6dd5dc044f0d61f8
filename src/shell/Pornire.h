#pragma once
// The start-up of the GUI, in order: the single-instance check, the main
// window with its menu, the start-up initialisation, the window shown, the
// first-start offer of the Directories dialog, and the event loop.

#include <memory>

class QApplication;

namespace vitramor {

class FereastraPrincipala;

// Creates the main window, runs the start-up initialisation and shows the
// window; null when start-up failed (the window is gone again).
std::unique_ptr<FereastraPrincipala> PornesteFereastraPrincipala();

// The whole run of the application on an installed platform; returns the
// process exit code (0 also when another instance was brought forward).
int RuleazaVitramor(QApplication& app);

}  // namespace vitramor
