#pragma once
// Coefficients as the user types and reads them: C-locale numbers with a
// decimal point and an optional exponent ("1.03961212", "6.00069867e-3"),
// whatever the desktop's locale, because catalogues print them that way.

#include <string>
#include <string_view>

namespace vitramor {

// Reads a whole field as a finite number; blanks around it are allowed and
// an empty field reads as 0 (a cleared cell, 0 meaning "not given").
// Returns false for anything else, the decimal comma included, and leaves
// `valoare` untouched.
bool CitesteCoeficient(std::string_view text, double& valoare);

// The shortest text that reads back as the same double ("1.03961212", not
// "1.0396121200000001").
std::string TextCoeficient(double valoare);

}  // namespace vitramor
