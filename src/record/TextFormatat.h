#pragma once
// The one printf into a std::string: the text gets the length it needs, and
// the compiler checks the arguments against a literal format.

#include <string>

namespace vitramor {

std::string TextFormatat(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vitramor
