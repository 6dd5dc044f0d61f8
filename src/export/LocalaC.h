#pragma once
// printf and strtod in the "C" locale for the duration of a scope, on this
// thread only. The GUI runs under the user's locale, where "%.3f" may write a
// decimal comma; the JSON documents need the point whatever the desktop says.

#include <clocale>
#include <locale.h>

namespace vitramor {

class LocalaC {
public:
    LocalaC() {
        static const locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        anterior_ = c ? ::uselocale(c) : static_cast<locale_t>(0);
    }
    ~LocalaC() {
        if (anterior_) ::uselocale(anterior_);
    }
    LocalaC(const LocalaC&) = delete;
    LocalaC& operator=(const LocalaC&) = delete;

private:
    locale_t anterior_;
};

}  // namespace vitramor
