#pragma once
// The JSON object of one material, as the suite's coating software reads it,
// and the addition of a material to a document held as a cJSON tree.
//
// The document is one object; each material is a member named by the
// material name. Record texts (material and producer names) are 8-bit
// Windows-1252 in the record and go into the document as UTF-8, so that the
// file is valid JSON for any reader; attribute-file texts go in as they are
// when they already are UTF-8, else they are read as Windows-1252 too.
//
// Numbers: a value with a printf format is reduced to the format's decimals
// by formatting and reading the text back, and cJSON prints what comes back
// (integral values without a fraction, others with up to 15 significant
// digits, 17 when 15 do not read back to the same double). A format with an
// exponent ("%.2e") is written verbatim as a raw number token, so that
// 7.1e-06 reads "7.10e-06" in the file. A value without a format is printed
// by cJSON as it stands, so a float field such as 532.1 shows its double
// expansion 532.0999755859375.

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_set>
#include <string>

#include <cjson/cJSON.h>

#include "record/MaterialOptic.h"

namespace vitramor {

// Option bits of the value objects.
inline constexpr unsigned OptiuneZeroCaNumar = 1;    // a zero value is written as a number, not null
inline constexpr unsigned OptiuneCunoscut = 2;       // write the known flag
inline constexpr unsigned OptiuneIncredere = 8;      // write "confidence"
inline constexpr unsigned OptiuneUnitate = 16;       // write "unit" when not empty
inline constexpr unsigned OptiuneParametru = 32;     // write "parameter" when not empty

// Result codes. 0 (and 1 for the value helpers) is success.
inline constexpr int EroareJsonAtribut = -1;          // the "attribute" list or a test item failed
inline constexpr int EroareJsonCreareObiect = -2;     // cJSON_CreateObject failed
inline constexpr int EroareJsonAdaugareObiect = -3;   // cJSON_AddItemToObject failed
inline constexpr int EroareJsonCreareLista = -4;      // cJSON_CreateArray failed
inline constexpr int EroareJsonMetadata = 22;         // "metadata" could not be made (message 1467)
inline constexpr int MesajEroareMetadata = 1467;

// A pair of 16-bit attribute words; their four bytes, low byte of the first
// word first, are the codes of the "attribute" list.
using PerecheAtribute = std::array<std::uint16_t, 2>;

// The describing block of a measured value; the text fields keep the widths
// of the block the coating software's own code fills.
struct DescriptorMarimeJson {
    char parametru[64] = {};  // also the key under which the object is added
    double valoare = 0;
    char unitate[16] = {};
    char numeIndicator[32] = {};  // empty: "known"
    double incredere = 0;
    std::uint8_t optiuni = 0;
    char format[22] = {};  // empty: the value as it stands
};

// {"value": V, "known": true}, or {"value": null, "known": false} for an
// exact zero (with the bits every caller passes: OptiuneCunoscut alone),
// added to `parinte` under `cheie`. 1 on success, else a node-failure code
// (its message shown).
int AdaugaValoareJson(cJSON* parinte, const char* cheie, double valoare, unsigned optiuni, const char* format);

// The measured-value object of a descriptor, appended when `parinte` is an
// array, else added under the parameter name. 1 or a node-failure code.
int AdaugaMarimeMasurataJson(cJSON* parinte, const DescriptorMarimeJson& d);

// An array of "%s (%d)" strings, the attribute-file text of each non-zero
// code among the four bytes of `coduri` (lowest byte first), added to
// `parinte` under `cheie`. The file is looked for in the glass directory.
// 1 on success, 0 on failure (its message shown).
int AdaugaListaCoduriJson(cJSON* parinte, const std::string& numeFisierAtribute, const char* cheie,
                          std::uint32_t coduri);

// Fills the empty object `obiect` with the members of the material, in
// order. 0 on success, else a negative node-failure code, 22 or -1.
int CreazaObiectMaterialJson(const MaterialOptic& m, cJSON* obiect,
                             const std::optional<PerecheAtribute>& atribute = std::nullopt);

// Adds the material to the document `radacina` under its name, appended at
// the end. When the name is already there: with `intreaba` false nothing
// changes (result 0); with it set the user is asked whether to overwrite
// (No: result 0, nothing changes; Yes: the old member is deleted and the new
// one appended at the end). `numeFisier` only names the file in the
// question. 0 on success or when left out; a failure code otherwise.
//
// `membri`, when given, holds the names the document has and is kept up to
// date: a pass adding thousands of materials then looks each name up once
// instead of walking the whole object every time.
class MembriDocumentJson;
int AdaugaMaterialInDocumentJson(const MaterialOptic& m, cJSON* radacina, const std::string& numeFisier,
                                 bool intreaba, const std::optional<PerecheAtribute>& atribute = std::nullopt,
                                 MembriDocumentJson* membri = nullptr);

// The member names of a document object, read once.
class MembriDocumentJson {
public:
    explicit MembriDocumentJson(const cJSON* radacina);
    bool are(const std::string& cheie) const { return nume_.count(cheie) != 0; }
    void adauga(const std::string& cheie) { nume_.insert(cheie); }
    void sterge(const std::string& cheie) { nume_.erase(cheie); }

private:
    std::unordered_set<std::string> nume_;
};

// Shows the node-failure message of a code (-2, -3 or -4) for `eticheta`,
// the name of the object being built, and returns the code.
int RaporteazaEroareNodJson(int cod, const char* eticheta);

// The key of a material in the document: the bytes of its name. Texts from
// records and from the producer and attribute files go into the document as
// the bytes they are, so a member written once is found again byte for byte.
std::string CheieMaterialJson(const MaterialOptic& m);

}  // namespace vitramor
