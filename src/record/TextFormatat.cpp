#include "record/TextFormatat.h"

#include <cstdarg>
#include <cstdio>

namespace vitramor {

std::string TextFormatat(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::va_list copie;
    va_copy(copie, args);
    const int lungime = std::vsnprintf(nullptr, 0, format, copie);
    va_end(copie);
    std::string text(lungime > 0 ? static_cast<std::size_t>(lungime) : 0, '\0');
    if (lungime > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    return text;
}

}  // namespace vitramor
