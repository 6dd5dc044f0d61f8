#pragma once
// "Import catalog AGF (*.agf)...": the glasses of an AGF catalogue that the
// user selects are stored in the database, each replacing a material of the
// same name, under the producer the user chose. The dialog and the command
// line share everything here.

#include <cstdint>
#include <string>
#include <vector>

#include "import/agf/CatalogAgf.h"
#include "platform/Platforma.h"

namespace vitramor {

inline constexpr int IdComandaImportAgf = 40121;  // "Import catalog AGF (*.agf)..."

// The glasses selected when the list opens and when the command line is
// given no selection: every one except the withdrawn ones, those that
// cannot be stored included, so that their failure is not passed over.
std::vector<bool> SelectieImplicitaAgf(const CatalogAgf& catalog);

struct RezultatImportAgf {
    int selectate = 0;  // selected glasses, those that cannot be stored included
    int salvate = 0;
    int respinse = 0;   // selected glasses with an error: never stored
    // Every selected glass was stored.
    bool ok() const { return salvate == selectate; }
};

// Stores the selected glasses. Messages go to the message list, prefixed
// with the file and glass name: the errors of every selected glass that
// cannot be stored, and the warnings and conversion notes (the fitted
// equation and its deviation, a cut transmittance table) of the glasses
// stored. Each glass's category follows CategoriiImport, with the entry the
// user picked (-1 none) for the glasses the Abbe diagram cannot place.
RezultatImportAgf ImportaSticleAgf(Fereastra owner, const std::string& numeFisier, const CatalogAgf& catalog,
                                   const std::vector<bool>& selectie, std::uint16_t producator,
                                   int categorieAleasa = -1);

// One list line per glass: name, nd, vd, status ("%s\t%.6f\t%.2f\t%s"),
// the name as UTF-8.
std::string LinieListaAgf(const SticlaAgf& s);

}  // namespace vitramor
