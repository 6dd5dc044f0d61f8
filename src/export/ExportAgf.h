#pragma once
// "Exporta catalog AGF (*.agf)...": materials written as an AGF glass
// catalogue, the file optical-design programs read. Equation codes 1, 4, 6
// and 7 are formulas 1, 2, 9 and 8 exactly; any other n (another code, only a table) is
// written with the formula fitted closest to it, and the message list names
// the deviation. What the format has no place for (k beyond the IT lines,
// evaporation data, roles) is named per material, and a name carried by
// materials of two producers is written once. The file is Windows-1252 text,
// as the import reads it, written through a work file.

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "operatie/Progres.h"
#include "operatie/RezultatOperatie.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr int IdComandaExportAgf = 40123;  // "Exporta catalog AGF (*.agf)..."

// A note about one material: its name (Windows-1252) and the text.
struct MesajExport {
    std::string nume;
    std::string text;
    int nivel = 0;  // NivelInformatie or NivelAvertizare
};

// The lines of one glass, CRLF-ended; empty when the material has no n that
// a formula can carry (its message says why).
std::string TextSticlaAgf(const MaterialOptic& m, std::vector<MesajExport>& mesaje);

// One glass made ready to write: its name as AGF writes it, its producer,
// its lines and its messages.
struct SticlaAgfScrisa {
    std::string nume;
    std::uint16_t producator = 0;
    std::string text;
    std::vector<MesajExport> mesaje;
};
SticlaAgfScrisa PregatesteSticlaAgf(const MaterialOptic& m);

// The catalogue text built glass after glass, in the order given; a name
// met before is left out with a message naming both producers.
class ScriitorCatalogAgf {
public:
    // A clash of names names both producers from the glass directory's table.
    explicit ScriitorCatalogAgf(std::string directorSticle) : directorSticle_(std::move(directorSticle)) {}
    void adauga(SticlaAgfScrisa&& s);
    std::string text;
    std::vector<MesajExport> mesaje;

private:
    std::string directorSticle_;
    std::map<std::string, std::uint16_t> scrise_;
};

// The whole catalogue of the materials, in order.
std::string TextCatalogAgf(const std::string& directorSticle, std::span<const MaterialOptic> materiale,
                           std::vector<MesajExport>& mesaje);

// Exports from the database of `directorSticle` in one pass, keeping no record longer than its
// text takes: with names, the records of those names (of producer
// `producator` only, when it is 0 or more), a name that no record carries
// a failure and nothing written; without names, every record of the
// producer, or of the database for -1. The catalogue goes to `cale`, the
// messages to the message list. Done (it changes no material, so it counts
// none) when the file was written; cancelled when the pass was stopped
// through `progres`; otherwise failed with why, for the caller to report.
inline constexpr const char* TitluExportAgf = "Exporta catalog AGF";
RezultatOperatie ExportaCatalogAgf(const std::string& directorSticle, int producator,
                                   const std::vector<std::string>& nume, const std::string& cale,
                                   Progres& progres = FaraProgres());

}  // namespace vitramor
