#pragma once
// The identity fields of the current material as the name dialog takes them
// over: name, code, type, standard, producer, relative price and category,
// plus the price unit the user keeps beside the price for this run. Each
// function takes one value into the current record of the working set, sets
// `modificat` and returns 1; a refused value leaves the record as it was,
// shows its message and returns 0.

#include <cstdint>
#include <string>

#include "platform/Platforma.h"
#include "record/SetLucru.h"

namespace vitramor {

// The edits accept what the record keeps, the name 15 characters and the
// code 13: a name typed whole is stored whole, never cut to a shorter one
// that may be another material's.
inline constexpr int LungimeEditNume = sizeof(MaterialOptic::nume) - 1;
inline constexpr int LungimeEditCod = sizeof(MaterialOptic::cod) - 1;

// The largest selection each combo may store.
inline constexpr int TipMaterialMaximNume = 18;
inline constexpr int StasMaximNume = 10;
inline constexpr int ProducatorMaximNume = 15;

inline constexpr double PretRelativMaxim = 6400.0;

// A decimal number written by a user, read the same whatever the locale:
// optional blanks around it, a point as the decimal separator. False for
// anything else.
bool CitesteNumar(const std::string& text, double& valoare);
// "%g" of a value, with a point whatever the locale.
std::string TextNumar(double valoare);

// A price from 0 to 6400 in tenths, rounded down; false for any other text.
bool PretRelativDinText(const std::string& text, std::uint16_t& pret);
// The stored price as the field shows it: pret_relativ / 10 in "%g" form.
std::string TextPretRelativ(std::uint16_t pret);

// The price unit typed in the name dialog, held while the program runs.
double& UnitatePret();

// A longer text keeps its first 15 (13) characters; the dialog then shows
// the stored form.
int PreiaNumeMaterial(SetLucru& set, const std::string& text);
int PreiaCodMaterial(SetLucru& set, const std::string& text);
// Combo selections; a selection past the combo's limit shows message 38.
int PreiaTipMaterial(Fereastra owner, SetLucru& set, int selectie);
int PreiaStas(Fereastra owner, SetLucru& set, int selectie);
int PreiaProducator(Fereastra owner, SetLucru& set, int selectie);
int PreiaCategorie(SetLucru& set, int categorie);
// Message 10 for a value outside 0..6400 or not a number.
int PreiaPretRelativ(Fereastra owner, SetLucru& set, const std::string& text);
// Message 10 for a negative value or not a number; the record is not
// touched either way.
int PreiaUnitatePret(Fereastra owner, const std::string& text);

}  // namespace vitramor
