#pragma once
// The JSON object of one material, as the suite's coating software reads it,
// and the addition of materials to a document held as a cJSON tree.
//
// The document is one object; each material is a member named by the
// material name. Record texts (material and producer names) and
// attribute-file texts go into the document as the bytes they are, so a
// member written once is found again byte for byte.
//
// A material's object is written as text (export/TextJson, where the
// printing of numbers is told) and added to the tree as a raw node, laid out
// as cJSON_Print would lay out the same object. A value without a format is
// printed as it stands, so a float field such as 532.1 shows its double
// expansion 532.0999755859375.

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <cjson/cJSON.h>

#include "export/TextJson.h"
#include "platform/MemorieMare.h"
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

// The measured-value object of a descriptor: a list element when `t` is
// inside a list, else a member under the parameter name.
void AdaugaMarimeMasurataJson(TextJson& t, const DescriptorMarimeJson& d);

// The materials of one document being filled. The names the document has
// are read once, and the producer names and the substrate attribute file
// once per pass, so that a pass adding thousands of materials pays for
// them once.
class DocumentMaterialeJson {
public:
    // `radacina`: the document's root object; its owner keeps it. With
    // `tineTexte` the objects' texts stay in this object instead of being
    // copied into the tree, which then must not outlive it: a pass adding
    // thousands of materials saves itself that copy.
    explicit DocumentMaterialeJson(cJSON* radacina, bool tineTexte = false);

    // Adds the material under its name, appended at the end. When the name
    // is already there: with `intreaba` false nothing changes (result 0);
    // with it set the user is asked whether to overwrite (No: result 0,
    // nothing changes; Yes: the old member is deleted and the new one
    // appended at the end). `numeFisier` only names the file in the
    // question. 0 on success or when left out; a failure code, its message
    // shown, otherwise.
    int adauga(const MaterialOptic& m, const std::string& numeFisier, bool intreaba,
               const std::optional<PerecheAtribute>& atribute = std::nullopt) {
        propune(m, numeFisier, intreaba, atribute);
        return adaugaPropuse();
    }

    // The same in two steps for a pass over many materials. propune() asks
    // the question and tells what the material's names lack, in the order
    // of the pass; the material must outlive the next adaugaPropuse(),
    // which writes the objects of all proposed materials on both cores and
    // appends them in order, up to the first failure.
    void propune(const MaterialOptic& m, const std::string& numeFisier, bool intreaba,
                 const std::optional<PerecheAtribute>& atribute = std::nullopt);
    int adaugaPropuse();

    // The material's object as the text of a member of the root; its names
    // must have been looked up by propune().
    std::string obiectMaterial(const MaterialOptic& m, const std::optional<PerecheAtribute>& atribute) const;

private:
    struct Propus {
        std::string cheie;
        const MaterialOptic* material;
        std::optional<PerecheAtribute> atribute;
    };
    void cautaNumeCoduri(std::uint32_t coduri);
    void listaCoduri(TextJson& t, const char* cheie, std::uint32_t coduri) const;

    cJSON* radacina_;
    bool tineTexte_;
    std::deque<ZonaTexte> texte_;
    std::unordered_set<std::string> membri_;
    std::vector<Propus> propuse_;
    std::unordered_map<std::uint16_t, std::string> producatori_;
    std::vector<std::string> liniiAtribute_;
    bool atributeCitite_ = false;
    bool atributeIncercate_ = false;
    std::array<std::string, 256> numeCoduri_;  // "name (code)", once looked up
};

// One material added to a document; a pass over many uses the class.
int AdaugaMaterialInDocumentJson(const MaterialOptic& m, cJSON* radacina, const std::string& numeFisier,
                                 bool intreaba, const std::optional<PerecheAtribute>& atribute = std::nullopt);

// Shows the node-failure message of a code (-2 or -3) for `eticheta`, the
// name of the object being built, and returns the code.
int RaporteazaEroareNodJson(int cod, const char* eticheta);

}  // namespace vitramor
