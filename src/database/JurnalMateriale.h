#pragma once
// The journal of where every material came from: every command that
// stores, updates, renames or deletes a material appends one line per
// material to JurnalMateriale.txt in the glass directory (UTF-8):
//
//   %Y-%m-%dT%H:%M:%S <tab> NAME <tab> PRODUCER <tab> OPERATION <tab> SOURCE <tab> SHA256 <tab> FIELDS
//
// OPERATION is nou, actualizat, redenumit, sters or editat; SOURCE the
// source file's name and SHA256 its digest ("-" for an edit); FIELDS the
// names of the fields that changed, comma-separated, or "-". The file is
// only ever appended to: a crash leaves whole lines (a torn last line is
// closed before the next append and passed over by readers).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr const char* NumeFisierJurnal = "JurnalMateriale.txt";

enum class OperatieJurnal { Nou, Actualizat, Redenumit, Sters, Editat };
const char* TextOperatieJurnal(OperatieJurnal o);

// Where a batch of materials came from.
struct SursaMateriale {
    std::string fisier = "-";  // the file's name, UTF-8
    std::string sha256 = "-";
};
// The digest of bytes already in memory (an import reads its file once).
SursaMateriale SursaDinOcteti(const std::string& cale, std::string_view octeti);
// The digest of a file that is read in blocks here; "-" when it cannot be read.
SursaMateriale SursaDinFisier(const std::string& cale);

struct IntrareJurnal {
    std::string nume;  // the record's text, Windows-1252
    std::uint16_t producator = 0;
    OperatieJurnal operatie = OperatieJurnal::Nou;
    std::string campuri;  // comma-separated; empty for "-"
};

// The named fields whose bytes differ between two records, comma-separated.
std::string CampuriSchimbate(const MaterialOptic& vechi, const MaterialOptic& nou);

// Appends one line per entry and waits for the disk. The materials are
// stored already when this runs, so a failure changes nothing else: it
// returns why ("Jurnalul ... nu a putut fi scris: ..."), for the caller to
// add to its outcome as a note; empty when the lines were written.
std::string AdaugaInJurnal(const std::string& directorSticle, const SursaMateriale& sursa,
                           std::span<const IntrareJurnal> intrari);
// The same, the note added to `r` when there is one.
void AdaugaInJurnal(const std::string& directorSticle, const SursaMateriale& sursa,
                    std::span<const IntrareJurnal> intrari, RezultatOperatie& r);

struct LinieJurnal {
    std::string data, nume, producator, operatie, sursa, sha256, campuri;
};
// The whole lines of the journal that name `numeUtf8`, oldest first.
std::vector<LinieJurnal> IstoricMaterial(const std::string& directorSticle, std::string_view numeUtf8);

}  // namespace vitramor
