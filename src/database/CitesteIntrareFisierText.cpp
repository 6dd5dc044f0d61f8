#include "database/CitesteIntrareFisierText.h"

#include <algorithm>
#include <cstdio>

#include "fileutil/UtilitatiFisiere.h"
#include "platform/Platforma.h"
#include "record/TextFormatat.h"

namespace vitramor {

int CitesteIntrariFisierText(const std::string& director, const std::string& numeFisier,
                             std::vector<std::string>& intrari) {
    return CitesteLiniiDateText(director, numeFisier, intrari);
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
