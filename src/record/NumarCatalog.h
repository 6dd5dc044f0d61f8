#pragma once
// The one reading of a number written in a catalogue, a spreadsheet cell or
// an edit field. The rule: an optional '+' or '-', digits with an optional
// decimal point, or a decimal comma when the number has no point (makers
// with a comma locale write "1,5168"), and an optional exponent. Never an
// infinity, a NaN or a hexadecimal form, and the C locale's reading whatever
// the application's locale is.

#include <cstddef>
#include <optional>
#include <string_view>

namespace vitramor {

struct CitireNumar {
    std::size_t lungime = 0;  // of the number that starts the text; 0 when there is none
    bool depasire = false;    // the number does not fit a double (the value is then 0)
};

// The number at the very start of `text`; whatever follows ends it.
CitireNumar CitesteNumarCatalog(std::string_view text, double& valoare);

// `text` as a whole number, blanks around it allowed. False for an empty
// text, text after the number, or a number that does not fit a double;
// `valoare` is then left as it was.
bool NumarCatalog(std::string_view text, double& valoare);

// `text` as a whole number from `minim` to `maxim`: an optional '+' or '-'
// and decimal digits, blanks around them allowed. Nothing for an empty
// text, text after the number (a decimal point included) or a number out of
// the range, however many digits it has.
std::optional<long long> NumarIntreg(std::string_view text, long long minim, long long maxim);

}  // namespace vitramor
