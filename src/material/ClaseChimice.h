#pragma once
// The chemical stability classes: each producer rates its glasses on its own
// scales, so what the editor shows and offers depends on the producer. The
// record keeps one 16-bit class per scale (stabilitate_chimica, in the order
// of the producer's scale names) and a toxicity class.

#include <cstdint>
#include <string>
#include <vector>

namespace vitramor {

enum class DialogChimic { Niciunul, DouaScale, MaiMulteScale };
DialogChimic DialogChimicProducator(std::uint16_t producator);

// The scale names shown, one per stored class, for the multi-scale dialog.
const std::vector<std::string>& NumeScaleChimice(std::uint16_t producator);
// Whether the class lists are filled and choosing stores (Schott-type scales).
bool ListeChimiceCuValori(std::uint16_t producator);

// One class list of the Schott-type scales: its entries, which entry stands
// for a stored class (-1: none, as for a class not given), and which class
// an entry stores.
struct ScalaChimica {
    std::vector<std::string> intrari;
    int (*indexDinValoare)(int valoare);
    int (*valoareDinIndex)(int index);
};
// Lists 0..4 (CR, FR, SR, AR, PR).
const ScalaChimica& ScalaSchott(int lista);

// The two-scale dialog (producers 0 and 1): humidity (0) and acid (1)
// entries, always five (missing ones empty); an entry's index is its class.
std::vector<std::string> IntrariDouaScale(std::uint16_t producator, int lista);
// The entry shown for a stored class: the class itself below 4, else none.
int IndexDouaScale(std::uint16_t valoare);

const std::vector<std::string>& ClaseToxicitate();

}  // namespace vitramor
