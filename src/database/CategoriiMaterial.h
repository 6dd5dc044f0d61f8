#pragma once
// Categories of materials: giving many materials of the database one
// category at once (the way rows of the glass list are selected, which
// buttons of the category dialog may be used, the rewrite that stores the
// category into the selected records), and the category an import gives
// each glass.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "database/RescriereBazaDate.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

// The three choices of the selection group; the dialog opens with none.
enum ModSelectie : int {
    SelectieTot = 0,      // every row
    SelectieCautare = 1,  // the rows that contain the search text
    SelectieRevers = 2,   // the selection inverted
    FaraSelectie = 4,     // no choice made yet
};

// What the enabling rule looks at.
struct StareCategorie {
    int mod = FaraSelectie;
    int randuriSelectate = 0;
    std::string textCautare;
    // The category was stored once in this opening of the dialog.
    bool categoriePusa = false;
};

// Which controls the rule enables.
struct ButoaneCategorie {
    bool puneCategoria = false;  // "Pune categoria"
    bool editCautare = false;    // "Nume care contine"
    bool revers = false;         // "Revers"
    bool deselecteaza = false;   // "Deselecteaza"
    bool selecteaza = false;     // "Selecteaza"

    bool operator==(const ButoaneCategorie&) const = default;
};

ButoaneCategorie ActualizeazaButoaneCategorie(const StareCategorie& stare);

// "Selecteaza": applies mode `mod` to the selection of `randuri` (one flag
// per row). Search is a case-sensitive substring test; a mode without a
// meaning here changes nothing.
void AplicaSelectia(int mod, const std::vector<std::string>& randuri, const std::string& textCautare,
                    std::vector<bool>& selectate);

// The first row that begins with a given line, found without walking the
// whole list for every record of a large database.
class IndexRanduri {
public:
    explicit IndexRanduri(const std::vector<std::string>& randuri);
    // Index of the first row (in list order) that begins with `linie`, or -1.
    int primulCuInceputul(const std::string& linie) const;

private:
    std::vector<std::pair<std::string, int>> sortate_;
};

// The list rows may hold the lines in another form than the records give
// them (the list shows text decoded for the screen); this turns a record's
// list line into that form. Empty: the rows hold the lines as they are.
using FormaRand = std::function<std::string(const std::string&)>;

// Rewrites the database through "3.tmp": every record whose list line is
// found in `randuri` (first row beginning with that line) and whose row is
// selected gets `categorie`; every record is written back, in file order.
// Returns what RescrieBazaDate returns; `rezultat` (when given) counts as
// changed the records whose category was another one and holds the reason
// of a failure, or after a success the note of a journal that could not be
// written.
int PuneCategorieMateriale(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle,
                           const std::vector<std::string>& randuri, const std::vector<bool>& selectate, int categorie,
                           RezultatRescriere* rezultat = nullptr, const FormaRand& forma = {});

// What the dialog says afterwards: how many materials took the category
// (its Windows-1252 name).
std::string TextCategoriePusa(std::uint64_t schimbate, const std::string& categorie);

// ---- the category of an imported glass ----------------------------------

// A glass's place on the Abbe diagram: a crown has vd >= 50 below nd 1.60
// and vd >= 55 from nd 1.60 on; every other glass is a flint.
bool EsteCrown(double nd, double vd);

// The category each glass of an import gets, from the category file of the
// glass directory. When the file has entries named "Crown" and "Flint"
// (their first field, in any case), a glass whose nd and vd are known gets
// the one its place on the Abbe diagram names; every other glass gets the
// entry the user picked for the import. Without a pick such a glass gets
// entry 0, and `raport` says so: a category is never given silently.
class CategoriiImport {
public:
    // `aleasa`: the entry the user picked, -1 for none.
    explicit CategoriiImport(const std::string& directorSticle, int aleasa = -1);

    bool dupaDiagramaAbbe() const { return crown_ >= 0 && flint_ >= 0; }
    // The file could be read and has at least one entry: a pick is possible.
    bool areIntrari() const { return !intrari_.empty(); }

    // The category of a glass of nd, vd (NaN or 0 where not known), counted
    // for the report.
    std::uint16_t categorie(double nd, double vd);
    // The same for a record, its nd and vd computed as every window shows them.
    std::uint16_t categorie(const MaterialOptic& m);

    // What an import says about the categories it gave when some glass got
    // entry 0 for want of a rule or a pick (UTF-8); empty otherwise, and
    // when the file has no entry (0 then names none).
    std::string raport() const;

private:
    std::vector<std::string> intrari_;  // first fields, Windows-1252
    int crown_ = -1, flint_ = -1, aleasa_ = -1;
    int implicite_ = 0;  // glasses given entry 0 for want of anything better
};

}  // namespace vitramor
