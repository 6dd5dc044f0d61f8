#pragma once
// "Import n,k din refractiveindex.info (*.yml)...": one material of the
// refractiveindex.info database (YAML, one material per file) becomes a
// record under the name and producer the user gives, optionally only a
// range of the file's wavelengths. Tabulated n and k go to the index table,
// at most 40 points chosen where the curves need them, and the import says
// by how much the stored table misses the file; a formula becomes equation
// code 4 or 1 where it is exactly one of them, otherwise its values in the
// table. REFERENCES and COMMENTS go to the message list.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "operatie/RezultatOperatie.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr int IdComandaImportRii = 40122;  // "Import n,k din refractiveindex.info (*.yml)..."
inline constexpr std::uint16_t ProducatorImplicitRii = ProducatorEvaporare;
// More points than this is not a material's table but something else.
inline constexpr std::size_t PuncteMaximeRii = 100000;

// The wavelengths of the file an import keeps, nm; none given (0, 0): all.
struct DomeniuRii {
    double deLa = 0.0, panaLa = 0.0;
    bool dat() const { return panaLa > 0.0; }
};

struct MaterialRii {
    bool ok = false;
    std::string eroare;                // why nothing can be stored
    std::vector<std::string> mesaje;   // how the data was taken (resampling, formula), for the message list
    std::vector<std::string> referinte;  // REFERENCES and COMMENTS without HTML tags
    // The largest difference between what the stored table gives (as the
    // record interpolates it) and the file, over the file's points in the
    // range, for n and k; negative where the table does not carry the
    // quantity (no data, or an equation that is the file's formula).
    double abatereN = -1.0, abatereK = -1.0;
    std::string textAbatere;  // the same in words, empty when neither applies
    MaterialOptic m{};
};

// Converts a file's bytes. `nume` is the record name (Windows-1252, 1 to 15
// characters). A range keeps only the file's data inside it; a range that
// holds none of it is an error.
MaterialRii CitesteMaterialRii(std::string_view yaml, const std::string& nume, std::uint16_t producator,
                               DomeniuRii domeniu = {});

// n of a refractiveindex.info formula (1 to 9) at λ µm; 0 where it gives no
// real index.
double IndiceFormulaRii(int formula, const std::vector<double>& c, double lambdaUm);

// Reads, converts and stores the file (the category from CategoriiImport,
// with the entry the user picked, -1 none) and returns the outcome for the
// caller to report, the table's deviation among its notes; a file that
// cannot be read or converted is a failure that names the reason, and
// nothing is stored.
inline constexpr const char* TitluImportRii = "Import refractiveindex.info";
RezultatOperatie ImportaFisierRii(Fereastra owner, const std::string& directorSticle, const std::string& cale, const std::string& nume,
                                  std::uint16_t producator, DomeniuRii domeniu = {}, int categorieAleasa = -1);

}  // namespace vitramor
