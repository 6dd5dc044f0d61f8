#pragma once
// The one printf into a std::string: the text gets the length it needs, and
// the compiler checks the arguments against a literal format.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace vitramor {

std::string TextFormatat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// `text` into a fixed-size text field of a record: cut to leave room for the
// NUL (at an inner NUL too), and the rest of the field zeroed, so that the
// record's bytes depend on the text alone.
template <std::size_t N>
void CopiazaInCamp(char (&camp)[N], std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::memset(camp, 0, N);
    std::memcpy(camp, text.data(), std::min(text.size(), N - 1));
}

}  // namespace vitramor
