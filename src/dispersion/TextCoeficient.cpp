#include "dispersion/TextCoeficient.h"
#include "record/NumarCatalog.h"

#include <charconv>
#include <cmath>

namespace vitramor {

bool CitesteCoeficient(std::string_view text, double& valoare) {
    const auto blanc = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blanc(text.front())) text.remove_prefix(1);
    while (!text.empty() && blanc(text.back())) text.remove_suffix(1);
    if (text.empty()) {
        valoare = 0.0;
        return true;
    }
    return NumarCatalog(text, valoare);
}

std::string TextCoeficient(double valoare) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, valoare);
    return std::string(buf, r.ptr);
}

}  // namespace vitramor
