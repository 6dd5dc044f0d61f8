#pragma once
// Conversions between what the user or a catalogue gives and what the record
// stores: internal transmittance (kept as an absorption coefficient) and
// thermal expansion (kept in the catalogue's own scale).

#include <cstdint>
#include <optional>

namespace vitramor {

// The display library's "value out of range" message, shown by the caller
// when an entered transmittance is refused.
inline constexpr int MesajValoareInAfaraDomeniului = 38;

// The absorption coefficient stored for an opaque sample entered as τ = 0.
inline constexpr float AbsorbtieOpac = 37.0f;
// What the export's conversion gives for T <= 0; deliberately not the
// editor's sentinel, both values exist in users' files.
inline constexpr float AbsorbtieOpacExport = 38.0f;

// α (1/mm) to store for an internal transmittance τ entered at the reference
// thickness d (mm): 37.0 for τ = 0, 0 for τ = 1, otherwise −ln(τ)/d rounded
// to single precision. Empty (refused, message 38) when τ is outside 0..1 or
// not a number, and when 0 < τ < 1 with d not positive: such a τ has no
// finite coefficient and the record would end up holding an infinity.
std::optional<float> AbsorbtieDinTransmisieInterna(double tau, float grosime);

// Internal transmittance e^(−α·d) of a stored coefficient, computed in double
// precision; 0 unless α >= 0, α < 308/d and −307 < −α·d < 308 (the opaque
// sentinel therefore reads as 0 at the usual thicknesses).
double TransmisieInternaDinAbsorbtie(float alfa, float grosime);

// The export's conversion: T <= 0 gives 38.0, T = 1 gives 0, otherwise
// −ln(T) in double rounded to single, then divided by d in single.
float CoeficientAbsorbtieDinTransmisie(float T, float d);

// Absorption coefficient (1/mm) of a catalogue transmittance τ at the
// reference thickness d: 37.0 for τ = 0 (the opaque mark), 0 for τ = 1,
// otherwise −ln τ in double precision rounded to single, divided by d in
// single precision. Every catalogue import stores its transmittances so.
float AbsorbtieDinTransmisieCatalog(float tau, float grosime);

// The way back for a catalogue written out: a float τ and a thickness that
// AbsorbtieDinTransmisieCatalog reads back as exactly α, so that a catalogue
// written and imported again keeps every coefficient. The reference
// thickness d when a τ near e^(−α·d) does; otherwise (a point the catalogue
// measured at another thickness, whose α no τ at d gives) a thickness at
// which τ is near 1/e, where its digits carry all of α's. When none does,
// the nearest τ at d and `exacta` false.
struct TransmisieCatalog {
    float tau = 0.0f;
    float grosime = 0.0f;
    bool exacta = false;
};
TransmisieCatalog TransmisieCatalogDinAbsorbtie(float alfa, float grosime);

// A `dilatare` value (slots 0 and 1) in 1/K: values below 0.005 are already
// in 1/K; larger ones are catalogue numbers, ×10^-7 for producers 0 and 1 and
// ×10^-6 for every other producer.
double DilatarePeKelvin(float valoare, std::uint16_t producator);
// The way back: what to store for a coefficient of `peKelvin` 1/K in place
// of `stocat`. A catalogue number stays a catalogue number and a value in
// 1/K stays in 1/K (so does a new one), as long as DilatarePeKelvin reads
// the result back as the same coefficient.
float DilatareDePastrat(double peKelvin, float stocat, std::uint16_t producator);

}  // namespace vitramor
