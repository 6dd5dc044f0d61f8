#pragma once
// File selection by numbered file type. A type number picks the filter, the
// default extension and the proposed file name from one fixed table; the
// chooser itself is the platform's, and the result comes back as directory
// and file name apart, the way the callers keep them in separate buffers.

#include <string>
#include <vector>

#include "platform/Platforma.h"

namespace vitramor {

// The file types this system asks for.
namespace tipfisier {
inline constexpr int Director = 4;          // choose a directory by saving a formal file in it
inline constexpr int Text = 7;              // "*.txt"
inline constexpr int CatalogSchott = 8;     // "*.sch", allglass.sch proposed
inline constexpr int MaterialeOptice = 10;  // "*.dat" database files
inline constexpr int Orice = 17;            // "*.*"
inline constexpr int Csv = 30;              // "*.csv"
inline constexpr int Asociere = 45;         // "*.aso" column associations
inline constexpr int Agf = 46;              // "*.agf" glass catalogues of optical-design programs
inline constexpr int Yml = 47;              // "*.yml" refractiveindex.info n,k files
inline constexpr int ImaginePng = 60;       // "*.png" pictures of the text and graph windows
}  // namespace tipfisier

// One row of the table. A null numeInitial means the caller's file name is
// proposed.
struct TipFisier {
    int tip;
    const char* descriere;
    const char* model;
    const char* extensie;
    const char* numeInitial;
};

// The row of a type, or null for a type outside the table.
const TipFisier* GasesteTipFisier(int tip);

// The request handed to the platform's chooser for a type: the row's filter
// followed by "All Files (*.*)", the default extension, the proposed name
// and the initial directory.
CerereAlegereFisier CerereAlegere(bool salvare, int tip, const std::string& director, const std::string& numeFisier);

// The folder an open chooser of `tip` was last answered in, "" when none:
// a user who imports from a maker's download folder finds it again.
std::string UltimulDirectorAles(int tip);
void TineMinteDirectorAles(int tip, const std::string& director);

// The first of `candidati` that is an existing directory (empty ones are
// passed over), else the home directory, else "/".
std::string PrimulDirectorExistent(const std::vector<std::string>& candidati);

// Runs the open (salvare false) or save chooser of a type. `director` holds
// the initial directory and `numeFisier` the caller's file name on entry. The
// chooser starts in the folder an open chooser of the same type was last
// answered in, else in `director`, else in the home folder: never in a
// folder that does not exist. On
// success they hold the chosen directory (no trailing separator) and file
// name and the result is 0. Cancel returns -1 silently and leaves both as
// they were; an answer the callers cannot use (no file name,
// a path too long) is explained and also returns -1 with both unchanged.
int AlegeFisier(Fereastra owner, bool salvare, int tip, std::string& director, std::string& numeFisier);
inline int AlegeFisierDeschidere(Fereastra owner, int tip, std::string& director, std::string& numeFisier) {
    return AlegeFisier(owner, false, tip, director, numeFisier);
}
inline int AlegeFisierSalvare(Fereastra owner, int tip, std::string& director, std::string& numeFisier) {
    return AlegeFisier(owner, true, tip, director, numeFisier);
}

}  // namespace vitramor
