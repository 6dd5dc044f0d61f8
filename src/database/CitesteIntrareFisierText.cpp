#include "database/CitesteIntrareFisierText.h"

#include <algorithm>
#include <cstdio>

#include "fileutil/UtilitatiFisiere.h"
#include "platform/Platforma.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

bool EsteControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }
bool EsteSpatiu(char c) { return c == ' ' || EsteControl(c); }

}  // namespace

int CitesteIntrariFisierText(const std::string& director, const std::string& numeFisier,
                             std::vector<std::string>& intrari) {
    intrari.clear();
    std::vector<std::string> linii;
    if (!CitesteLiniiText(director, numeFisier, linii)) return 0;
    for (const std::string& linie : linii) {
        std::size_t inceput = 0;
        while (inceput < linie.size() && EsteSpatiu(linie[inceput])) ++inceput;
        std::size_t sfarsit = linie.size();
        while (sfarsit > inceput && EsteSpatiu(linie[sfarsit - 1])) --sfarsit;
        if (sfarsit == inceput) continue;
        const char prim = linie[inceput];
        if (prim == ';' || prim == '\\' || prim == '#') continue;
        intrari.push_back(linie.substr(inceput, sfarsit - inceput));
    }
    return 1;
}

void RaporteazaIntrareLipsa(const std::string& numeFisier, int numar) {
    MesajBox(nullptr, TextFormatat("In fisier %s nu exista inregistrarea %d", numeFisier.c_str(), numar), "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
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
