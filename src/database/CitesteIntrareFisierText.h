#pragma once
// Reading one entry of a text list file back by its number (the category of
// a material, for its list line). Entries are counted as every list counts
// them (CitesteLiniiDateText): lines beginning with ";", "\" or "#" and
// blank lines are not entries, here as in the combo boxes.

#include <string>
#include <vector>

namespace vitramor {

inline constexpr const char* NumeFisierCategorii = "CategoriiMaterial.txt";
inline constexpr const char* TextIntrareLipsa = "?????????";
inline constexpr const char* TextIntrareNecitita = "???";

// The entries of the file in order, each trimmed (CitesteLiniiDateText); 0
// when the file cannot be read.
int CitesteIntrariFisierText(const std::string& director, const std::string& numeFisier,
                             std::vector<std::string>& intrari);

// Entry `numar` (from 0), cut to `marimeBuffer` - 1 characters.
// Returns 1 when found; 0 when the file has no such entry (the user is told,
// the text is "?????????"); -1 when the file cannot be read (no message, the
// text is "???").
int CitesteIntrareFisierText(const std::string& director, const std::string& numeFisier, int numar,
                             std::string& text, int marimeBuffer);

// The message for a missing entry, shown by the reader.
void RaporteazaIntrareLipsa(const std::string& numeFisier, int numar);

}  // namespace vitramor
