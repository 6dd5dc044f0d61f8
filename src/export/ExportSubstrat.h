#pragma once
// The substrate export for the coating software and its pre-export check,
// without windows: the export dialog, the verification window and
// vitramor-cli all run these on the list lines the user chose.
//
// List lines are the catalogue library's: the material name, a tab, then
// columns of the library's own.

#include <string>
#include <vector>

#include "operatie/Progres.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr const char* NumeFisierExportSubstrat = "SubstrateMaterials.json";
inline constexpr int IdListaSticleSubstrat = 1066;
inline constexpr int ProducatorInitialExport = 2;
inline constexpr int NumarProducatoriExport = 15;  // producer indices 0..14
inline constexpr std::size_t LungimeMaximaFiltru = 15;
inline constexpr int MesajDeschideExportul = 41;

// The materials of one producer whose names match the filter ("*" and "?"),
// as list lines. 0 on success; otherwise the library's code, with
// "Eroare la incarcarea listei cu sticle, cod eroare: %d" in `motiv` for
// the caller to tell.
int IncarcaListaSticleSubstrat(Fereastra owner, const std::string& directorSticle, int producator,
                               const std::string& filtru, std::vector<std::string>& linii, std::string& motiv);

struct RezultatExportSubstrat {
    bool documentFolosit = false;  // the document was loaded or started new
    bool trecereCompleta = false;  // every line was handled
    bool salvat = false;           // the document went to its file
    // Why the export stopped short or the document was not saved (UTF-8,
    // one reason a line), for the caller to tell once; empty when all went.
    std::string motiv;
};

// Adds the materials of the lines, in order, to SubstrateMaterials.json in
// the machine-learning directory, asking before each material that is
// already there; saves the document (the old file becomes an archive copy)
// and offers to open it. A failure ends the pass, its reason in `motiv`;
// what was added before it is still saved. Stopped through `progres` during the pass over the
// database, it leaves the document as it was.
// The records come from the glass directory, the document lives in the
// machine-learning directory.
struct DirectoareExportSubstrat {
    std::string sticle;
    std::string ml;
};
RezultatExportSubstrat ExportaSticleSubstrat(Intrebari& intrebari, Fereastra owner,
                                             const DirectoareExportSubstrat& directoare,
                                             const std::vector<std::string>& linii, int producator,
                                             Progres& progres = FaraProgres());

// The labels of the values the coating software needs and the material
// lacks, each followed by a tab; empty for a complete material.
std::string LipsuriMaterialSubstrat(const MaterialOptic& m);

// Every label LipsuriMaterialSubstrat writes, in its order, with the name
// the verification window gives the value.
struct ValoareVerificataSubstrat {
    const char* eticheta;
    const char* titlu;
};
inline constexpr ValoareVerificataSubstrat ValoriVerificateSubstrat[] = {
    {"Knoop hardness", "Duritate Knoop"},
    {"Young's module", "Modul Young"},
    {"Poisson ratio", "Raport Poisson"},
    {"coef_slefuire", "Duritate la abraziune"},
    {"Heat capacity", "Caldura specifica"},
    {"Heat conductivity", "Conductivitate termica"},
    {"dilatare", "Dilatare termica"},
    {"Tg", "Tg"},
    {"stabilitateChimica", "Stabilitate chimica"},
};

// Verifies the lines in order: a material with missing values gets the line
// "name\tlabel\tlabel\t..." in place of its own; a complete one keeps its
// line. Returns the number of lines handled; fewer than all when a line
// could not be handled (why in `motiv`, for the caller to tell), none when
// it was stopped through `progres`.
std::size_t VerificaSticleSubstrat(Fereastra owner, const std::string& directorSticle, std::vector<std::string>& linii,
                                   int producator, std::string& motiv, Progres& progres = FaraProgres());

// Opens the exported file: in Notepad++ when it is on the search path, else
// with the application the system associates with .json files.
int DeschideFisierExportat(Fereastra owner, const std::string& director, const std::string& numeFisier);
// The external editor found on the search path, or empty.
std::string CautaEditorExtern();

}  // namespace vitramor
