// Reader of the tab-separated list files (categories, material roles): one
// entry per line; blank lines and comment lines (";", "\" or "#" first,
// once the line is trimmed) are not entries.

#include <filesystem>
#include <fstream>

#include "fileutil/UtilitatiFisiere.h"
#include "record/NumarCatalog.h"

namespace vitramor {

namespace {

bool EsteSpatiu(char c) { return c == ' ' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

// Field 2 is a decimal flag; text that is not a number counts as 0, the
// value an absent flag has.
int IndicatorDin(const std::string& camp) {
    return static_cast<int>(NumarIntreg(camp, -2147483647LL, 2147483647LL).value_or(0));
}

}  // namespace

bool IntrareAdmisa(int modFiltru, int indicator) {
    if (modFiltru == 0) return true;
    if (modFiltru == 2) return indicator == 0 || indicator == 1;
    return indicator == 0;
}

IntrareListaText IntrareDinLinie(const std::string& linie, int numar) {
    IntrareListaText intrare;
    const std::size_t tab = linie.find('\t');
    intrare.text = linie.substr(0, tab);
    if (tab != std::string::npos) {
        const std::size_t tab2 = linie.find('\t', tab + 1);
        intrare.indicator = IndicatorDin(linie.substr(tab + 1, tab2 == std::string::npos ? tab2 : tab2 - tab - 1));
    }
    intrare.numar = numar;
    return intrare;
}

int CitesteLiniiText(const std::string& director, const std::string& numeFisier, std::vector<std::string>& linii) {
    constexpr std::uintmax_t MarimeMaxima = 16u << 20;
    linii.clear();
    std::string cale = numeFisier;
    if (!director.empty()) cale = director + (director.back() == '/' ? "" : "/") + numeFisier;
    if (EsteNeobisnuit(cale)) return 0;
    std::error_code eroare;
    if (std::filesystem::file_size(cale, eroare) > MarimeMaxima && !eroare) return 0;
    std::ifstream in(cale, std::ios::binary);
    if (!in) return 0;
    std::string linie;
    while (std::getline(in, linie)) {
        while (!linie.empty() && linie.back() == '\r') linie.pop_back();
        linii.push_back(std::move(linie));
    }
    if (in.bad()) {
        linii.clear();
        return 0;
    }
    return 1;
}

int CitesteLiniiDateText(const std::string& director, const std::string& numeFisier, std::vector<std::string>& date) {
    date.clear();
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
        date.push_back(linie.substr(inceput, sfarsit - inceput));
    }
    return 1;
}

int CitesteListaText(const std::string& director, const std::string& numeFisier, int modFiltru,
                     std::vector<IntrareListaText>& intrari) {
    intrari.clear();
    std::vector<std::string> linii;
    if (!CitesteLiniiDateText(director, numeFisier, linii)) return 0;
    for (std::size_t i = 0; i < linii.size(); ++i) {
        IntrareListaText intrare = IntrareDinLinie(linii[i], static_cast<int>(i));
        if (IntrareAdmisa(modFiltru, intrare.indicator)) intrari.push_back(std::move(intrare));
    }
    return 1;
}

}  // namespace vitramor
