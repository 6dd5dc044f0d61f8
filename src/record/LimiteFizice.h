#pragma once
// The values a material can physically have, in one place. Every value that
// enters a record (an import, an editor, a store of record files, a fit) is
// held against these limits and refused, named, when it cannot be physical:
// nothing downstream (checks, plots, exports) is written for a NaN, an
// infinity or an index of 1e308. A 0 still means "not given" wherever the
// record says so.

#include <string>
#include <vector>

#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr double LungimeUndaMinimaNm = 10.0;
inline constexpr double LungimeUndaMaximaNm = 1.0e6;  // 1 mm
inline constexpr double IndiceNMaxim = 50.0;
inline constexpr double IndiceKMaxim = 1.0e4;

// Why a value cannot be physical, or an empty text when it can. Each holds
// a value that is given (not 0 for "not given"; the callers skip those).
std::string MotivLungimeUnda(double nm);    // 10 nm to 1 mm
std::string MotivIndiceN(double n);         // (0, 50]
std::string MotivIndiceK(double k);         // [0, 10^4]
std::string MotivTransmisie(double tau);    // 0 to 1
std::string MotivMarimePozitiva(double v);  // finite and not negative (densities, moduli, heat capacities)
std::string MotivFinit(double v);

// Every value of a record that cannot be physical, each as
// "field[slot] = value: reason" (the field's own name, its slot when it has
// several). Empty when the record may be stored.
std::vector<std::string> ValoriNefizice(const MaterialOptic& m);

}  // namespace vitramor
