#pragma once
// The list line of a material, "%s\t%s\t%s" (name, producer, category), and
// the listing of the whole database file in file order.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "operatie/RezultatOperatie.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr int MarimeLinieListaSticla = 127;

// Forms the list line of one record, cut to `marime` - 1 characters. The
// category text is entry `categorie` of CategoriiMaterial.txt in the glass
// directory up to its first tab, "???" when it cannot be read.
void LinieListaSticla(const std::string& directorSticle, const MaterialOptic& material, std::string& linie,
                      int marime = MarimeLinieListaSticla);

// The list lines of many records in a row: the category file is read once,
// and a category number the file does not have is reported once per number
// (or, with `raporteazaLipsa` off, not at all) rather than once per record.
class LiniiListaSticla {
public:
    explicit LiniiListaSticla(const std::string& directorSticle, bool raporteazaLipsa = true);
    std::string linie(const MaterialOptic& material, int marime = MarimeLinieListaSticla);

private:
    std::string categorie(int numar);

    std::string director_;
    bool citit_ = false;
    bool raporteaza_ = true;
    std::vector<std::string> intrari_;
    std::set<int> raportate_;
};

// One line of the listing with the item data the lists keep: the record's
// producer code.
struct LinieSticla {
    std::string text;
    std::uint16_t producator = 0;
};

// The list lines of every whole record of the database in `directorSticle`,
// in file order. Failed with the reason when the file cannot be locked,
// opened or read (no lines then); nothing is shown.
RezultatOperatie ListeazaSticleInLista(const std::string& directorSticle, std::vector<LinieSticla>& linii);

}  // namespace vitramor
