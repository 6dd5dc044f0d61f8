#pragma once
// The internal transmittance of a material: one reference thickness and, per
// slot, a wavelength (lambda_Ti) and an absorption coefficient
// (transmisia_interna, 1/mm). The user sees and types transmittances; the
// record keeps coefficients, so a table typed at one thickness reads
// correctly at any other. This is the transmittance editor without its
// window, the conversion of the coefficients into a k table, and what the
// graph and the command line list.
//
// For an evaporation material the bytes of the first ten wavelength slots
// hold the evaporation rate and the confidences, so those slots are not
// transmittance data there and nothing here reads or writes them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "operatie/RezultatOperatie.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"
#include "record/SetLucru.h"

namespace vitramor {

// Slots whose wavelength bytes belong to the evaporation data.
inline constexpr int SloturiTransmisieEvaporare = 10;

// Whether slot `slot` (0..49) holds a transmittance point: a wavelength other
// than 0, outside the evaporation bytes.
bool EsteSlotTransmisie(const MaterialOptic& m, int slot);
// Whether the editor may show and change a slot (0..39, not evaporation bytes).
bool SlotTransmisieEditabil(const MaterialOptic& m, int slot);

// T of a slot at thickness d (mm), with the guards of
// TransmisieInternaDinAbsorbtie (a hopeless exponent reads as 0).
double TransmisieSlot(const MaterialOptic& m, int slot, float grosime);

// Texts of the cells: T "%9.4f", thickness "%9.3f", wavelength "%6d".
std::string TextTransmisie(double t);
std::string TextGrosimeTransmisie(float d);
std::string TextLambdaTransmisie(std::uint16_t lambda);

// A transmittance table has a reference thickness; the editor puts 1 mm in
// a record that has none (0 or negative) when it opens.
void AsiguraGrosimeTransmisie(MaterialOptic& m);

// Commits of the cells; true when the text was accepted and stored.
//   transmittance: 0 <= T <= 1 at the reference thickness (message 38 otherwise);
//   wavelength: a whole number of nanometres from 0 to 65535 (empty: 0, no point);
//   thickness: >= 0 mm.
// An empty transmittance or thickness cell is refused: there 0 has a meaning.
bool PreiaTransmisie(MaterialOptic& m, int slot, std::string_view text);
bool PreiaLambdaTransmisie(MaterialOptic& m, int slot, std::string_view text);
bool PreiaGrosimeTransmisie(MaterialOptic& m, std::string_view text);

// The erase buttons (slots 0..39) and the slot commands, which move the
// wavelength and the coefficient together; like the n and k tables, slot 39
// is lost on an insert and comes back empty on a delete.
void StergeLambdaTransmisie(MaterialOptic& m);
void StergeTransmisii(MaterialOptic& m);
void IncludeInainteTransmisie(MaterialOptic& m, int slot);
void IncludeDupaTransmisie(MaterialOptic& m, int slot);
void StergeSlotTransmisie(MaterialOptic& m, int slot);

// One line of the `transmittance` listing: wavelength and T at a thickness.
struct PunctTransmisie {
    int lambda = 0;
    double t = 0.0;
};
std::vector<PunctTransmisie> ListaTransmisie(const MaterialOptic& m, float grosime);

// Whether a slot's coefficient is a transmittance point: not one of the
// markers (37, the opaque sample the editor stores for T = 0, and 38, what
// the export's conversion gives for no usable T), which say that there is no
// measurable absorption there rather than how much.
bool AbsorbtieMasurata(float alfa);

// The absorption coefficient (1/mm) at any wavelength, interpolated linearly
// between the two transmittance points around it (in wavelength, whatever
// their slot order); marker slots are not points. nullopt outside the points.
std::optional<double> AbsorbtieLaLungimeUnda(const MaterialOptic& m, double lambda);

// "Calculeaza k din transmisie": k = alpha * lambda / (4 pi) with alpha in
// 1/nm, at the wavelength of every n-table slot 0..39; a slot without a
// wavelength or outside the transmittance points gets 0. When at least one
// k was computed, the k equation becomes tabulated and its range the span of
// the table. Returns the wavelengths whose k was computed; none: the record
// is left as it was.
bool AreTabelK(const MaterialOptic& m);
std::vector<float> CalculeazaKDinTransmisie(MaterialOptic& m);
inline constexpr const char* IntrebareSuprascriereK =
    "Tabelul k contine date. Le inlocuim cu k calculat din transmisia interna ?";

inline constexpr int IdComandaKDinTransmisie = 40067;  // "Calculeaza k din transmisie"
// The command on the current material of `set`: asks before replacing a k
// table that holds values (No changes nothing), fills k, marks the material
// modified and refreshes its open k window. Done with the material updated
// and the reason saying how many values it wrote and at which wavelengths;
// after a No done with it skipped; failed when no k could be computed (the
// record left as it was); nothing to do without a material.
RezultatOperatie ComandaKDinTransmisie(Intrebari& intrebari, Fereastra owner, SetLucru& set = setLucru());

}  // namespace vitramor
