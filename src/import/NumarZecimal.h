#pragma once
// Decimal numbers of the catalogues read fast. A catalogue value has few
// significant digits and a small exponent; gathered into an integer, one
// exact multiplication or division by a power of ten then gives the same
// correctly rounded double as the general conversion, at a fraction of its
// cost. Anything else goes through the general conversion.

#include <cstddef>
#include <string_view>

namespace vitramor {

// The length of the number that starts `text`: digits with an optional
// point and an optional exponent (one whose digits are missing is not part
// of it), no sign. 0 when it starts with no digit.
std::size_t PrefixZecimal(std::string_view text);

// `text` as a whole: digits with an optional point and an optional exponent,
// no sign. False when it is not such a number or does not fit a double.
bool NumarZecimal(std::string_view text, double& valoare);

}  // namespace vitramor
