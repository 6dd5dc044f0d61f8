#pragma once
// The catalogue browser at the centre of the main window, its rows feeding
// the material sheet, and the "Fereastra" menu that shows or hides the side
// list of open materials and the sheet.

#include <string>

namespace vitramor {

class FereastraPrincipala;
class CatalogSticleWidget;

// Puts the browser at the centre and adds the menu. Call it once the
// directories are known; a second call returns the browser already there.
CatalogSticleWidget* InstaleazaPanouCatalog(FereastraPrincipala& w);
CatalogSticleWidget* PanouCatalog(FereastraPrincipala& w);

// Opens a material of the database into a new place of the working set,
// through the catalogue library as "Incarca material" does; with 10
// materials open it only beeps. The browser, the glass map and the
// substitutes open materials through here.
bool DeschideMaterialDinBaza(FereastraPrincipala& w, const std::string& nume);

}  // namespace vitramor
