#pragma once
// The roles of a material: up to four codes in the record's `roluri` word,
// each the number of a data line of an attribute file kept by the user in
// the glass directory. Evaporation materials take their roles from their own
// file, every other material from the substrate file.

#include <cstdint>
#include <string>
#include <vector>

#include "fileutil/UtilitatiFisiere.h"

#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr const char* NumeFisierAtributeSubstrat = "AtributMatSubstrat_ML.txt";
inline constexpr const char* NumeFisierAtributeEvaporare = "AtributMatEvap_ML.txt";

inline constexpr int NumarMaximRoluri = 4;
inline constexpr std::size_t LungimeMaximaNumeRol = 63;

// What a role name reads as when its line is missing: eight question marks
// in the role dialog, nine in the JSON documents; both are what users have
// in their files and lists already.
inline constexpr const char* NumeRolLipsaDialog = "????????";
inline constexpr const char* NumeRolLipsaJson = "?????????";
inline constexpr const char* DescriereRolLipsa = "????";

inline constexpr const char* TextRolExistent = "Rolul deja exista";
inline constexpr const char* TextFaraLocuriRol = "Nu mai sunt locuri. Maxim 4 roluri";

// The attribute file of a material, by its producer.
const char* FisierAtributeMaterial(const MaterialOptic& m);

// Adds `rol` to the first free slot of the word. Refused (0, with the
// message shown) when the code is already among the four (a code of 0
// always is, as soon as one slot is free) or when no slot is free.
int AdaugaRol(std::uint32_t& roluri, int rol, Fereastra owner = nullptr);
// Removes the role at `pozitie` (0 to 3); the following roles move up one
// place and the last slot becomes free. 0 for a position outside 0..3.
int StergeRol(std::uint32_t& roluri, int pozitie);

// The data lines of an attribute file, in file order: comment lines (first
// character ";", "\" or "#" once the line is trimmed) and empty lines are not
// counted. 0 when the file cannot be read.
int CitesteLiniiAtribute(const std::string& director, const std::string& numeFisier,
                         std::vector<std::string>& linii);

// The roles the role dialog offers (the entries the filter mode admits),
// read and numbered by the same reader as the names below, so that a
// role number chosen in the list always finds its name again.
std::vector<IntrareListaText> RoluriOferite(const std::string& director, const std::string& numeFisier,
                                            int modFiltru);

// The role name of a data line: its text before the first tab, at most 63
// characters. `numar` counts data lines from 0.
//  1: found;
//  0: the file has no such line: "In fisier %s nu exista inregistrarea %d"
//     is shown and the name is `inlocuitor`;
// -1: the file cannot be read: no message (the lists simply stay empty or
//     show placeholders), the name is `inlocuitor`.
int NumeRolDinLinii(const std::vector<std::string>& linii, bool fisierCitit, const std::string& numeFisier,
                    int numar, std::string& nume, const char* inlocuitor);
int NumeRol(const std::string& director, const std::string& numeFisier, int numar, std::string& nume,
            const char* inlocuitor);
// The description of a data line, the text after its second tab; "????"
// and 0 when the line cannot be read.
int DescriereRol(const std::string& director, const std::string& numeFisier, int numar, std::string& descriere);

// The lines of the role list of a material: the name of every role in slot
// order and, at the first free slot, the name of data line 0 once; a word of
// 0 shows only the name of data line 0.
std::vector<std::string> LiniiListaRoluri(const std::string& director, const std::string& numeFisier,
                                          std::uint32_t roluri);
// The slot each line of that list shows, -1 for the line of the free slot.
// A word whose free slots are not all at the end (one written elsewhere)
// shows its roles on other lines than their slots: a line is removed by
// its slot, never by its place in the list.
std::vector<int> SloturiListaRoluri(std::uint32_t roluri);

}  // namespace vitramor
