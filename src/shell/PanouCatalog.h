#pragma once
// The catalogue browser beside the list of open materials, and the
// "Fereastra" menu that shows or hides it. Hidden, the main window is what
// it was without it: the panel gives its width back. The choice is kept in
// the settings.

#include <string>

class QDockWidget;

namespace vitramor {

class FereastraPrincipala;
class CatalogSticleWidget;

inline constexpr int IdComandaPanouCatalog = 40103;
inline constexpr const char* CheieSetariCatalog = "Software\\KESTRA\\VITRAMOR\\CATALOG";
inline constexpr const char* ValoareCatalogVizibil = "Vizibil";

// Adds the panel (shown unless the settings say otherwise) and the menu.
// Call it once the directories are known.
CatalogSticleWidget* InstaleazaPanouCatalog(FereastraPrincipala& w);
QDockWidget* DockCatalog(FereastraPrincipala& w);

// Opens a material of the database into a new place of the working set,
// through the catalogue library as "Incarca material" does; with 10
// materials open it only beeps. The browser, the glass map and the
// substitutes open materials through here.
bool DeschideMaterialDinBaza(FereastraPrincipala& w, const std::string& nume);

}  // namespace vitramor
