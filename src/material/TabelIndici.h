#pragma once
// The index table of a material: one wavelength column (lambda_indici)
// shared by two value columns, n (indice_n) and k (indice_k). The n and k
// windows edit slots 0 to 39; slots 40 to 49 belong to older files and are
// never touched here. This is the logic of those windows without the
// windows: what a cell accepts, how slots are inserted and removed, what
// the erase buttons clear, and the fill from the dispersion equation.
//
// Throughout, `which` names the value column as the dispersion code does:
// 0 for n, 1 for k.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr int ColoanaN = 0;
inline constexpr int ColoanaK = 1;

// The k window refuses wavelengths below this: absorption data below 100 nm
// is not something a catalogue gives, and an empty cell (0) there is a
// slip, not a deletion. The n window takes any wavelength from 0 up.
inline constexpr float LambdaMinimaK = 100.0f;

// What a cell accepts, as the value that will be stored; nullopt means
// refused (the window then shows message 10 and the old value). The text is
// read as CitesteFloatCelula reads it, so an empty cell is 0.
//   value cell (n or k): >= 0, the float read widened to double;
//   wavelength cell: >= 0 in the n window, >= 100 in the k window.
std::optional<double> ValoareIndiceAcceptata(std::string_view text);
std::optional<float> LambdaAcceptata(int which, std::string_view text);

// Commit of one cell into the record: stores and returns true when the text
// is accepted, leaves the record alone and returns false otherwise.
bool PreiaValoareIndice(MaterialOptic& m, int which, int slot, std::string_view text);
bool PreiaLambda(MaterialOptic& m, int which, int slot, std::string_view text);

// Texts of the cells: a value of 0 shows as a single blank (nothing given),
// any other value and every wavelength as "%g" (so an empty wavelength slot
// shows "0"). A value computed from the equation shows with a fixed number
// of decimals, "%7.5f" for n and "%7.4f" for k.
std::string TextValoareIndice(double v);
std::string TextLambda(float lambda);
std::string TextValoareCalculata(int which, float v);
inline constexpr const char* TextEroareCalcul = "error";

// Slot moves of the window commands. Each moves the wavelength together
// with the `which` column only; the other value column stays where it is.
// Slots outside 0..39 change nothing.
//   IncludeInainte: slots s..38 move one down (slot 39 is lost), slot s empty;
//   IncludeDupa: the same at s + 1 (nothing changes for s = 39);
//   StergeSlot: slots s+1..39 move one up, slot 39 empty.
void IncludeInainte(MaterialOptic& m, int which, int slot);
void IncludeDupa(MaterialOptic& m, int which, int slot);
void StergeSlot(MaterialOptic& m, int which, int slot);

// The erase buttons: wavelengths, or one value column, of slots 0 to 39 set to 0.
void StergeLungimiUnda(MaterialOptic& m);
void StergeValori(MaterialOptic& m, int which);

// "Init from n(l)" / "Init from k(l)" once the user has said yes: every
// slot 0..39 with a wavelength above 0 is evaluated with the `which`
// equation; a usable value is stored (widened) into the slot, a failure
// leaves the slot's value as it was. Slots without a wavelength are not
// looked at.
enum class RezultatSlot { Neatins, Calculat, Eroare };
struct SlotCalculat {
    RezultatSlot rezultat = RezultatSlot::Neatins;
    float valoare = 0.0f;
};
using RezultateInitDinEcuatie = std::array<SlotCalculat, NumarSloturiEditabile>;
RezultateInitDinEcuatie InitDinEcuatie(MaterialOptic& m, int which);

}  // namespace vitramor
