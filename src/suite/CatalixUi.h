#pragma once
// The catalogue library's dialogs on a material's type and dispersion
// equations. The material chooser CautaMaterial is in
// database/CautaMaterialDialog.h.

#include <string>

#include "dispersion/BlocDispersie.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

// Shows and lets the user choose the material's type and the equation types
// of n and k. OK stores the three choices in `material`, sets `tip` to the
// material type and returns 1; Cancel changes nothing and returns 2.
int TipMaterial(Fereastra owner, const std::string& directorSticle, int& tip, MaterialOptic& material);

// Edits the dispersion block: equation types, the 24 coefficients of n and
// of k and the two validity ranges; the four further words are shown. OK
// writes the edits into `bloc` and returns 1; Cancel leaves it and returns 2.
int DispersieMaterial(Fereastra owner, void* instanta, tag_dispersieNou& bloc);

// Puts the two dialogs into the dispersion commands' hooks. Called once by
// the GUI at start-up.
void InstaleazaDialoguriDispersie();

}  // namespace vitramor
