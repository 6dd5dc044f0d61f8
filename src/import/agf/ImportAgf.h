#pragma once
// "Import catalog AGF (*.agf)...": the glasses of an AGF catalogue that the
// user selects are stored in the database under the producer the user
// chose, each updating that producer's glass of the same name. The dialog
// and the command line share everything here.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/CategoriiMaterial.h"
#include "database/StocareMateriale.h"
#include "import/agf/CatalogAgf.h"
#include "platform/Platforma.h"

namespace vitramor {

inline constexpr int IdComandaImportAgf = 40121;  // "Import catalog AGF (*.agf)..."

// The glasses selected when the list opens and when the command line is
// given no selection: every one except the withdrawn ones, those that
// cannot be stored included, so that their failure is not passed over.
std::vector<bool> SelectieImplicitaAgf(const CatalogAgf& catalog);

// Stores the selected glasses through the one store (conflicts with other
// makers' glasses settled by `laConflict`; the journal names the file and
// its digest, `sursa`). A selected glass that
// cannot be stored is refused with its errors. Messages go to the message
// list, prefixed with the file and glass name: the warnings and conversion
// notes (the fitted equation and its deviation, a cut transmittance table)
// of the glasses stored. A file without glasses, or a selection without
// any, is a failure that says so. Each glass's category follows
// CategoriiImport, with the entry the user picked (-1 none) for the glasses
// the Abbe diagram cannot place.
RezultatOperatie ImportaSticleAgf(Fereastra owner, const std::string& directorSticle, const std::string& numeFisier,
                                  const SursaMateriale& sursa, const CatalogAgf& catalog,
                                  const std::vector<bool>& selectie,
                                  std::uint16_t producator, PoliticaConflict laConflict, int categorieAleasa = -1);

// The records the selected importable glasses become, in catalogue order,
// before anything is stored (the import and the release comparison both
// start here); `mesaje` gets each one's conversion notes.
std::vector<MaterialOptic> ConstruiesteSticleAgf(const CatalogAgf& catalog, const std::vector<bool>& selectie,
                                                 std::uint16_t producator, CategoriiImport& categorii,
                                                 std::vector<std::vector<std::string>>* mesaje = nullptr);

inline constexpr const char* TitluImportAgf = "Import catalog AGF";

// One list line per glass: name, nd, vd, status ("%s\t%.6f\t%.2f\t%s"),
// the name as UTF-8.
std::string LinieListaAgf(const SticlaAgf& s);

}  // namespace vitramor
