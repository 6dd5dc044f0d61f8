#include "messages/ListaMesaje.h"

#include <cstdio>

namespace vitramor {

namespace {
DestinatieMesaje& destinatie() {
    static DestinatieMesaje d;
    return d;
}
}  // namespace

void InstaleazaDestinatieMesaje(DestinatieMesaje d) { destinatie() = std::move(d); }

int AfiseazaMesajInLista(const std::string& text, int nivel) {
    if (destinatie()) return destinatie()(text, nivel);
    std::fprintf(stderr, "%s%s\n", nivel > 0 ? "warning: " : "", text.c_str());
    return 1;
}

}  // namespace vitramor
