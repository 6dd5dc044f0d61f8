#pragma once
// "Exporta n,k in refractiveindex.info (*.yml)...": one material as a
// refractiveindex.info data file. Code 4 is `formula 2` and code 1
// `formula 3` exactly; a table is `tabulated nk` (or n, or k); any other
// equation is written as its values at the table's wavelengths, since the
// format has no formula that is exactly it and an importer would tabulate
// it anyway. k from a table goes beside a formula as `tabulated k`. SPECS
// names the producer, the transmittance's reference thickness and the
// density.

#include <string>
#include <vector>

#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr int IdComandaExportRii = 40124;  // "Exporta n,k in refractiveindex.info (*.yml)..."
inline constexpr const char* TitluExportRii = "Exporta n,k in refractiveindex.info";

// The YAML text, the producer named from the glass directory's table;
// `mesaje` gets what was tabulated or left out.
std::string TextMaterialRii(const std::string& directorSticle, const MaterialOptic& m,
                            std::vector<std::string>& mesaje);

// Writes the file (through a work file) and the messages to the message
// list, and to `note` when given. Empty when the file was written,
// otherwise why not.
std::string ExportaMaterialRii(const std::string& directorSticle, const MaterialOptic& m, const std::string& cale,
                               std::vector<std::string>* note = nullptr);

// The menu command on the current material: a file chosen through the
// platform (starting in `directorMl`), then the export, which ends with a
// box that names the file and what the format could not hold exactly, or
// why it was not written. 1 when the file was written.
int ComandaExportMaterialRii(Fereastra owner, const std::string& directorSticle, const std::string& directorMl);

}  // namespace vitramor
