#include "database/CitesteIntrareFisierText.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "fileutil/UtilitatiFisiere.h"
#include "platform/Platforma.h"

namespace vitramor {

namespace {

bool EsteControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }
bool EsteSpatiu(char c) { return c == ' ' || EsteControl(c); }

}  // namespace

int CitesteIntrariFisierText(const std::string& director, const std::string& numeFisier,
                             std::vector<std::string>& intrari) {
    intrari.clear();
    std::string cale = numeFisier;
    if (!director.empty()) cale = director + (director.back() == '/' ? "" : "/") + numeFisier;
    if (EsteNeobisnuit(cale)) return 0;
    std::ifstream in(cale, std::ios::binary);
    if (!in) return 0;

    std::string linie;
    while (std::getline(in, linie)) {
        std::size_t inceput = 0;
        while (inceput < linie.size() && EsteSpatiu(linie[inceput])) ++inceput;
        std::size_t sfarsit = linie.size();
        while (sfarsit > inceput && EsteSpatiu(linie[sfarsit - 1])) --sfarsit;
        if (sfarsit == inceput) continue;
        const char prim = linie[inceput];
        if (prim == ';' || prim == '\\' || prim == '#') continue;
        intrari.push_back(linie.substr(inceput, sfarsit - inceput));
    }
    return in.bad() ? 0 : 1;
}

void RaporteazaIntrareLipsa(const std::string& numeFisier, int numar) {
    char text[600];
    std::snprintf(text, sizeof text, "In fisier %s nu exista inregistrarea %d", numeFisier.c_str(), numar);
    MesajBox(nullptr, text, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
}

int CitesteIntrareFisierText(const std::string& director, const std::string& numeFisier, int numar,
                             std::string& text, int marimeBuffer) {
    const std::size_t maxim = marimeBuffer > 1 ? static_cast<std::size_t>(marimeBuffer - 1) : 0;
    std::vector<std::string> intrari;
    if (!CitesteIntrariFisierText(director, numeFisier, intrari)) {
        text = TextIntrareNecitita;
        text.resize(std::min(text.size(), maxim));
        return -1;
    }
    if (numar < 0 || static_cast<std::size_t>(numar) >= intrari.size()) {
        RaporteazaIntrareLipsa(numeFisier, numar);
        text = TextIntrareLipsa;
        text.resize(std::min(text.size(), maxim));
        return 0;
    }
    text = intrari[static_cast<std::size_t>(numar)];
    if (text.size() > maxim) text.resize(maxim);
    return 1;
}

}  // namespace vitramor
