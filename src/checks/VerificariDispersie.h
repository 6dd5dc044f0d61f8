#pragma once
// A material holds its indices twice: the measured table and the dispersion
// equations. These checks set the two side by side: a proposal of the n
// equation's validity range from the span of the table, a pass over the
// whole database that lists the materials whose table and equations
// disagree, and the table-against-equation report of one material.
//
// The windows around them (the producer dialog, the precision dialog, the
// report windows) are in VerificariDispersieUi.h; the command line calls
// these functions directly.

#include <cstdint>
#include <cstdio>

#include "operatie/Progres.h"
#include "operatie/RezultatOperatie.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"
#include "suite/Vedora.h"

namespace vitramor {

// "Verifica domeniu spectral valabilitate ec. dispersie din indici..." (File)
inline constexpr int IdComandaPropuneDomenii = 40098;
// "Verifica indici / ec. dispersie..." (Initializeaza): the database pass
inline constexpr int IdComandaVerificaBazaDate = 40045;
// "Verifica indici / ec. dispersie..." (Editeaza): the current material's report
inline constexpr int IdComandaVerificaMaterial = 40047;

// ---- Validity-range proposal ----

// The span of the table's n values: the smallest and the largest wavelength
// of slots 0 to 49 that carry both a wavelength and an n above 0, truncated
// to whole nanometres. False when the table gives no usable span (then the
// bounds are 65535 and 0, as the search leaves them).
bool PropuneDomeniuSpectral(const MaterialOptic& material, std::uint16_t& inferior, std::uint16_t& superior);

struct RezultatPropunereDomenii {
    int propuneri = 0;  // materials of the producer with a usable span (each one offered)
    int acceptate = 0;  // records whose domeniu_n the pass changed
};

// Goes through the database file, offering each material of `producator`
// the span of its table as its n validity range: the offer goes to the
// message list and, as the same text, into a question with Yes, Yes to all,
// No, No to all and Cancel. Yes stores the span. The file is rewritten (the
// old one becoming an archive copy) only when at least one record changed;
// its reason says how many changed. Cancel stops and leaves the file as it
// was. Works on the file only, never on the open materials.
//
// Done with the records changed as updated and the declined proposals as
// skipped; nothing to do when there was no proposal or every accepted span
// was already stored; cancelled on Cancel; failed when the rewrite could not
// start, was refused, or failed, with why (the database is then exactly as
// it was - see RescrieBazaDate). The questions are asked through `intrebari`.
RezultatOperatie PropuneDomeniiSpectrale(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle,
                                         int producator, RezultatPropunereDomenii* rezultat = nullptr);
inline constexpr const char* TitluPropuneDomenii = "ATENTIE!";

// ---- Index / equation checks ----

// Precisions and switches of the database pass; these are the values the
// dialog starts with every time it opens.
struct SetariVerificare {
    float precizieN = 0.001f;
    float precizieK = 0.001f;
    bool verificaN = true;
    bool verificaK = false;
};

// The slots the checks look at: the ones the editors fill.
inline constexpr int SloturiVerificate = NumarSloturiEditabile;

// True when the record's table agrees with its equations within the
// precisions (a difference equal to the precision agrees). A slot's n takes
// part when its wavelength and its n are above 0 and n is not tabulated;
// an equation with no value at a taking-part wavelength fails the record.
bool MaterialConformEcuatiilor(const MaterialOptic& material, const SetariVerificare& setari);
// What the first disagreement is, for the report's "Stare" column
// ("n la 587.6 nm: 1.51700 fata de 1.51680 din ecuatie"); empty when none.
std::string StareFataDeEcuatii(const MaterialOptic& material, const SetariVerificare& setari);

// The database pass: checks every whole record of the database file in the
// glass directory and builds the report "Materiale cu probleme" - a header,
// a line of dashes, one "name<TAB>producer" line per failing material (a
// material holding NaN or an infinity in a float or double field gets one
// "name<TAB>producer<TAB>valoare nefinita field[i] = value" line per such
// field instead), another line of dashes and the counts. Codes 0-10 go by
// the reports' short names, the others by the names of the material lists.
// A torn database is read to its last whole record (AnuntaBazaDateRupta).
// Returns 1 with the report built; 0 when the glass directory or the file
// could not be used or read whole (the report is then left absent), with
// why in `motiv` for the caller to tell ("Eroare deschidere <file>" for a
// database that cannot be opened). A pass stopped through `progres` gives 0,
// no report and no reason.
int VerificaBazaDate(Fereastra owner, const std::string& directorSticle, const SetariVerificare& setari,
                     BlocText& raport, std::string& motiv, Progres& progres = FaraProgres());

// The table-against-equation report of one material: for each filled slot
// 0 to 39 the wavelength, then tabulated n, equation n and their difference,
// then the same for k, with "Eroare" where the equation has no value. The
// producer is named from the glass directory's table.
void RaportMaterial(const std::string& directorSticle, const MaterialOptic& material, BlocText& raport);

// Tab stops of the two reports, in dialog units.
inline constexpr int TabulatorRaportBazaDate = 50;  // repeated
inline constexpr int TabulatoareRaportMaterial[] = {50, 100, 150, 200, 250, 300, 350};

inline constexpr const char* TitluRaportVerificare = "Materiale cu probleme";

}  // namespace vitramor
