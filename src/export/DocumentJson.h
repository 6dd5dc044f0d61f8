#pragma once
// The JSON object of one material, as the suite's coating software reads it,
// and the addition of materials to a document held as a cJSON tree.
//
// The document is one object; each material is a member named by the
// material name. Record texts (material and producer names) and
// attribute-file texts go into the document as the bytes they are, so a
// member written once is found again byte for byte.
//
// Every node is a cJSON node and cJSON prints the document: the file
// format's own library decides its layout. Numbers follow one rule
// (NumarJson): a value without a format goes in as it stands, so a float
// field such as 532.1 shows its double expansion 532.0999755859375.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <cjson/cJSON.h>

#include "platform/Intrebari.h"
#include "record/MaterialOptic.h"

namespace vitramor {

// Option bits of the value objects.
inline constexpr unsigned OptiuneZeroCaNumar = 1;    // a zero value is written as a number, not null
inline constexpr unsigned OptiuneCunoscut = 2;       // write the known flag
inline constexpr unsigned OptiuneIncredere = 8;      // write "confidence"
inline constexpr unsigned OptiuneUnitate = 16;       // write "unit" when not empty
inline constexpr unsigned OptiuneParametru = 32;     // write "parameter" when not empty

// Result codes; 0 is success.
inline constexpr int EroareJsonCreareObiect = -2;     // the material's node could not be made
inline constexpr int EroareJsonAdaugareObiect = -3;   // it could not be added to the document

// A pair of 16-bit attribute words; their four bytes, low byte of the first
// word first, are the codes of the "attribute" list.
using PerecheAtribute = std::array<std::uint16_t, 2>;

// The describing block of a measured value; the text fields keep the widths
// of the block the coating software's own code fills.
struct DescriptorMarimeJson {
    char parametru[64] = {};  // also the key of the object's member
    double valoare = 0;
    char unitate[16] = {};
    char numeIndicator[32] = {};  // empty: "known"
    double incredere = 0;
    std::uint8_t optiuni = 0;
    char format[22] = {};  // empty: the value as it stands
};

// A number node by the document's one rule: with a format ("%.3f", "%g",
// "%.2e", "%.3E"), the value reduced to the format's decimals (the C
// locale's printf text read back), and a format with an exponent kept as
// that text, a raw number token; without one (or with any other format),
// the value as it stands. A non-finite value (only a damaged
// record holds one) is null: a "nan" token would make the file unreadable.
// Null when cJSON could not allocate the node.
cJSON* NumarJson(double v, const char* format = nullptr);

// The measured-value object of a descriptor: appended when `parinte` is an
// array, else added under the parameter name. False when an allocation
// failed (the parent may then hold part of the object).
bool AdaugaMarimeMasurataJson(cJSON* parinte, const DescriptorMarimeJson& d);

// The materials of one document being filled. The names the document has
// are read once, and the producer names and the substrate attribute file
// once per pass, so that a pass adding thousands of materials pays for
// them once.
class DocumentMaterialeJson {
public:
    // `radacina`: the document's root object; its owner keeps it. The role
    // names come from the attribute file of `directorSticle`.
    DocumentMaterialeJson(cJSON* radacina, std::string directorSticle);

    // Adds the material under its name, appended at the end. When the name
    // is already there: with no `intreaba` nothing changes (result 0);
    // with one the user is asked through it whether to overwrite (No: result 0,
    // nothing changes; Yes: the old member is deleted and the new one
    // appended at the end). `numeFisier` only names the file in the
    // question. 0 on success or when left out; a failure code, with why in
    // eroare(), otherwise.
    int adauga(const MaterialOptic& m, const std::string& numeFisier, Intrebari* intreaba,
               const std::optional<PerecheAtribute>& atribute = std::nullopt) {
        propune(m, numeFisier, intreaba, atribute);
        return adaugaPropuse();
    }

    // The same in two steps for a pass over many materials. propune() asks
    // the question and tells what the material's names lack, in the order
    // of the pass; the material must outlive the next adaugaPropuse(),
    // which builds the objects of all proposed materials and appends them
    // in order, up to the first failure.
    void propune(const MaterialOptic& m, const std::string& numeFisier, Intrebari* intreaba,
                 const std::optional<PerecheAtribute>& atribute = std::nullopt);
    int adaugaPropuse();
    // Why the last adaugaPropuse() failed, for the caller to tell.
    const std::string& eroare() const { return eroare_; }

    // The material's object, or null when an allocation failed; its names
    // must have been looked up by propune().
    cJSON* obiectMaterial(const MaterialOptic& m, const std::optional<PerecheAtribute>& atribute) const;

private:
    struct Propus {
        std::string cheie;
        const MaterialOptic* material;
        std::optional<PerecheAtribute> atribute;
    };
    void cautaNumeCoduri(std::uint32_t coduri);
    bool listaCoduri(cJSON* parinte, const char* cheie, std::uint32_t coduri) const;

    cJSON* radacina_;
    std::string directorSticle_;
    std::unordered_set<std::string> membri_;
    std::vector<Propus> propuse_;
    std::string eroare_;
    std::unordered_map<std::uint16_t, std::string> producatori_;
    std::vector<std::string> liniiAtribute_;
    bool atributeCitite_ = false;
    bool atributeIncercate_ = false;
    std::array<std::string, 256> numeCoduri_;  // "name (code)", once looked up
};

// One material added to a document; a pass over many uses the class. Why
// it failed in `motiv` when one is given.
int AdaugaMaterialInDocumentJson(const std::string& directorSticle, const MaterialOptic& m, cJSON* radacina,
                                 const std::string& numeFisier, Intrebari* intreaba,
                                 const std::optional<PerecheAtribute>& atribute = std::nullopt,
                                 std::string* motiv = nullptr);

// The node-failure text of a code (-2 or -3) for `eticheta`, the name of
// the object being built.
std::string TextEroareNodJson(int cod, const char* eticheta);

}  // namespace vitramor
