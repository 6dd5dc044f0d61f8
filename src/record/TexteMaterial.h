#pragma once
// The program's own texts for the coded fields of a material record: the
// material types, the standards, the built-in producer names (used when the
// catalogue library's producer file cannot be loaded) and the short producer
// names of the check reports. Every lookup is safe for any code: records
// read from old or damaged files may carry anything in these words.

#include <string>

namespace vitramor {

inline constexpr int NumarCoduriTabel = 16;  // codes 0-15 in each table
inline constexpr const char* TextCodNecunoscut = "???";

// Text of `tip_material`; TextCodNecunoscut outside 0-15.
const char* TextTipMaterial(int cod);
// Text of `stas`; TextCodNecunoscut outside 0-15.
const char* TextStas(int cod);
// Built-in name of producer `cod`; TextCodNecunoscut outside 0-15.
const char* NumeProducatorImplicit(int cod);

// Short producer name of the check reports: codes 0-10, "Necunoscut" otherwise.
const char* NumeProducatorScurt(int cod);
void NumeProducatorScurt(int cod, std::string& text);

// Entry 1-53 of the program's string table: 1-16 material types, 17-32
// producer names, 33-48 standards, 49-53 the name dialog's captions.
// Empty outside 1-53.
const char* SirDinTabel(int intrare);

}  // namespace vitramor
