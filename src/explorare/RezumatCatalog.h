#pragma once
// A summary row per record of the database file: what the catalogue browser,
// the glass map, the substitutes and their command-line twins show and sort
// by. One pass over the file in large blocks builds the whole table; the
// rows are small so that a database of 100,000 materials stays a few
// megabytes in memory.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dispersion/MarimiOptice.h"
#include "operatie/Progres.h"
#include "record/MaterialOptic.h"

namespace vitramor {

// What the record carries besides its name, as bits of RezumatMaterial::are.
namespace continutRecord {
inline constexpr std::uint8_t TabelN = 1;
inline constexpr std::uint8_t TabelK = 2;
inline constexpr std::uint8_t EcuatieN = 4;
inline constexpr std::uint8_t EcuatieK = 8;
inline constexpr std::uint8_t Transmisie = 16;
}  // namespace continutRecord

struct RezumatMaterial {
    char nume[16];
    std::uint16_t producator = 0;
    std::uint16_t categorie = 0;
    std::uint16_t domeniuN[2] = {0, 0};
    std::uint8_t are = 0;
    std::uint32_t index = 0;  // position in the file
    double nd = NAN, vd = NAN, pgF = NAN, deltaPgF = NAN;

    std::string numeText() const;  // the name up to its NUL, Windows-1252 bytes
};

RezumatMaterial RezumaMaterial(const MaterialOptic& m, std::uint32_t index);

// Every whole record of the file, in file order. False when the file cannot
// be opened or read; `eroare` then says why, and `randuri` holds what was
// read before a read error. A missing file is an empty catalogue with
// `lipsa` set, not a failure: a new glass directory has none yet.
struct CitireRezumat {
    bool ok = true;
    bool lipsa = false;
    bool anulat = false;  // the user stopped the pass: `ok` is false, with nothing to say
    std::string eroare;
};
CitireRezumat CitesteRezumatCatalog(const std::string& caleFisier, std::vector<RezumatMaterial>& randuri);

// Calls `f` with every whole record of the file, in file order, with its
// index; same failures as above. The pass reports to `progres` and stops
// when asked to (`anulat`).
CitireRezumat ParcurgeBazaDate(const std::string& caleFisier,
                               const std::function<void(const MaterialOptic& m, std::uint32_t index)>& f,
                               Progres& progres = FaraProgres());

// The identity of a file for change detection: device, inode, size and
// modification time in nanoseconds; empty when it does not exist.
std::string AmprentaFisier(const std::string& cale);

// The names of producer codes 0 to 15 as the lists show them, looked up once
// in the glass directory's producer table.
class NumeProducatori {
public:
    explicit NumeProducatori(const std::string& directorSticle);
    std::string nume(std::uint16_t cod) const;

private:
    std::string director_;
    std::vector<std::string> nume_;
};

}  // namespace vitramor
