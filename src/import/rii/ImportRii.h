#pragma once
// "Import n,k din refractiveindex.info (*.yml)...": one material of the
// refractiveindex.info database (YAML, one material per file) becomes a
// record under the name and producer the user gives. Tabulated n and k go
// to the index table, at most 40 points chosen to keep the curves' shape;
// a formula becomes equation code 4 or 1 where it is exactly one of them,
// otherwise its values in the table. REFERENCES and COMMENTS go to the
// message list.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr int IdComandaImportRii = 40122;  // "Import n,k din refractiveindex.info (*.yml)..."
inline constexpr std::uint16_t ProducatorImplicitRii = ProducatorEvaporare;
// More points than this is not a material's table but something else.
inline constexpr std::size_t PuncteMaximeRii = 100000;

struct MaterialRii {
    bool ok = false;
    std::string eroare;                // why nothing can be stored
    std::vector<std::string> mesaje;   // how the data was taken (resampling, formula), for the message list
    std::vector<std::string> referinte;  // REFERENCES and COMMENTS without HTML tags
    MaterialOptic m{};
};

// Converts a file's bytes. `nume` is the record name (Windows-1252, 1 to 15
// characters).
MaterialRii CitesteMaterialRii(std::string_view yaml, const std::string& nume, std::uint16_t producator);

// n of a refractiveindex.info formula (1 to 9) at λ µm; 0 where it gives no
// real index.
double IndiceFormulaRii(int formula, const std::vector<double>& c, double lambdaUm);

// Reads, converts and stores the file; a file that cannot be converted is
// reported in a box and nothing is stored. 0 when the material was stored.
int ImportaFisierRii(Fereastra owner, const std::string& cale, const std::string& nume, std::uint16_t producator);

}  // namespace vitramor
