#pragma once
// Spectral lines: the letters catalogues use for their standard wavelengths
// (d, F, C, ...), shown beside the wavelengths of the index tables, read
// back from the column names of Excel catalogues ("nd", "nF'"), and the
// standard wavelength table a new material starts from.

#include <array>
#include <string_view>

namespace vitramor {

// The wavelength a catalogue column name stands for: the first of "ni",
// "nh", "ng", "nHe-Cd", "nF'", "nF", "ne", "nd", "nD", "nHe-Ne", "nC'", "nC",
// "nr", "nA'", "ns", "nt" that the name contains (case-sensitive) gives its
// line's wavelength in nm; a name with none of them gives 0. The order
// matters: "nF'" is tried before "nF", so a primed column is not taken for
// the unprimed line.
float LungimeUndaDinNumeLinie(std::string_view numeColoana);

// The label of a wavelength in nm, decided by the whole number of nm below
// it: 587.56 -> "d", 632.99 -> "He-Ne". A wavelength on no known line gets
// two blanks. At most five characters; the text is static.
const char* EtichetaLinieSpectrala(float lambda);

// True when EtichetaLinieSpectrala gives a line's label, not the blanks.
bool AreEtichetaLinieSpectrala(float lambda);

// The wavelengths "Init lambda indici" writes into slots 0 to 34, in nm.
inline constexpr int NumarLungimiUndaStandard = 35;
extern const std::array<float, NumarLungimiUndaStandard> LungimiUndaStandard;

}  // namespace vitramor
