#include "material/RoluriMaterial.h"

#include <cstdio>

#include "database/CitesteIntrareFisierText.h"
#include "record/Roluri.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

void Refuza(Fereastra owner, const std::string& text) { MesajBox(owner, text, "", stil::MB_OK); }

}  // namespace

const char* FisierAtributeMaterial(const MaterialOptic& m) {
    return EsteMaterialEvaporare(m) ? NumeFisierAtributeEvaporare : NumeFisierAtributeSubstrat;
}

int AdaugaRol(std::uint32_t& roluri, int rol, Fereastra owner) {
    CoduriRol coduri = DespacheteazaRoluri(roluri);
    // A role is one byte of the word; a line number past 255 cannot be stored.
    if (rol < 0 || rol > 0xFF) {
        const std::string text = TextFormatat("Rolul %d nu poate fi memorat (maxim 255)", rol);
        Refuza(owner, text);
        return 0;
    }
    for (std::uint8_t c : coduri) {
        if (c == rol) {
            Refuza(owner, TextRolExistent);
            return 0;
        }
    }
    for (std::uint8_t& c : coduri) {
        if (c == 0) {
            c = static_cast<std::uint8_t>(rol);
            roluri = ImpacheteazaRoluri(coduri);
            return 1;
        }
    }
    Refuza(owner, TextFaraLocuriRol);
    return 0;
}

int StergeRol(std::uint32_t& roluri, int pozitie) {
    if (pozitie < 0 || pozitie >= NumarMaximRoluri) return 0;
    CoduriRol coduri = DespacheteazaRoluri(roluri);
    for (std::size_t k = static_cast<std::size_t>(pozitie); k + 1 < coduri.size(); ++k) coduri[k] = coduri[k + 1];
    coduri.back() = 0;
    roluri = ImpacheteazaRoluri(coduri);
    return 1;
}

int CitesteLiniiAtribute(const std::string& director, const std::string& numeFisier,
                         std::vector<std::string>& linii) {
    return CitesteIntrariFisierText(director, numeFisier, linii);
}

std::vector<IntrareListaText> RoluriOferite(const std::string& director, const std::string& numeFisier,
                                            int modFiltru) {
    std::vector<std::string> linii;
    std::vector<IntrareListaText> roluri;
    CitesteLiniiAtribute(director, numeFisier, linii);
    for (std::size_t i = 0; i < linii.size(); ++i) {
        IntrareListaText intrare = IntrareDinLinie(linii[i], static_cast<int>(i));
        if (intrare.text.size() > LungimeMaximaNumeRol) intrare.text.resize(LungimeMaximaNumeRol);
        if (IntrareAdmisa(modFiltru, intrare.indicator)) roluri.push_back(std::move(intrare));
    }
    return roluri;
}

int NumeRolDinLinii(const std::vector<std::string>& linii, bool fisierCitit, const std::string& numeFisier,
                    int numar, std::string& nume, const char* inlocuitor) {
    if (!fisierCitit) {
        nume = inlocuitor;
        return -1;
    }
    if (numar < 0 || static_cast<std::size_t>(numar) >= linii.size()) {
        const std::string text = TextFormatat("In fisier %s nu exista inregistrarea %d", numeFisier.c_str(), numar);
        MesajBox(nullptr, text, "", stil::MB_OK);
        nume = inlocuitor;
        return 0;
    }
    const std::string& linie = linii[static_cast<std::size_t>(numar)];
    nume = linie.substr(0, linie.find('\t'));
    if (nume.size() > LungimeMaximaNumeRol) nume.resize(LungimeMaximaNumeRol);
    return 1;
}

int NumeRol(const std::string& director, const std::string& numeFisier, int numar, std::string& nume,
            const char* inlocuitor) {
    std::vector<std::string> linii;
    const bool citit = CitesteLiniiAtribute(director, numeFisier, linii) != 0;
    return NumeRolDinLinii(linii, citit, numeFisier, numar, nume, inlocuitor);
}

int DescriereRol(const std::string& director, const std::string& numeFisier, int numar, std::string& descriere) {
    std::vector<std::string> linii;
    if (!CitesteLiniiAtribute(director, numeFisier, linii) || numar < 0 ||
        static_cast<std::size_t>(numar) >= linii.size()) {
        descriere = DescriereRolLipsa;
        return 0;
    }
    const std::string& linie = linii[static_cast<std::size_t>(numar)];
    const std::size_t tab1 = linie.find('\t');
    const std::size_t tab2 = tab1 == std::string::npos ? tab1 : linie.find('\t', tab1 + 1);
    descriere = tab2 == std::string::npos ? std::string() : linie.substr(tab2 + 1);
    return 1;
}

std::vector<int> SloturiListaRoluri(std::uint32_t roluri) {
    std::vector<int> sloturi;
    bool liberAratat = false;
    const CoduriRol coduri = DespacheteazaRoluri(roluri);
    for (std::size_t s = 0; s < coduri.size(); ++s) {
        if (coduri[s] != 0) {
            sloturi.push_back(static_cast<int>(s));
        } else if (!liberAratat) {
            sloturi.push_back(-1);
            liberAratat = true;
        }
    }
    return sloturi;
}

std::vector<std::string> LiniiListaRoluri(const std::string& director, const std::string& numeFisier,
                                          std::uint32_t roluri) {
    std::vector<std::string> linii;
    const bool citit = CitesteLiniiAtribute(director, numeFisier, linii) != 0;
    std::vector<std::string> lista;
    std::string nume;
    const CoduriRol coduri = DespacheteazaRoluri(roluri);
    for (int slot : SloturiListaRoluri(roluri)) {
        NumeRolDinLinii(linii, citit, numeFisier, slot < 0 ? 0 : coduri[static_cast<std::size_t>(slot)], nume,
                        NumeRolLipsaDialog);
        lista.push_back(nume);
    }
    return lista;
}

}  // namespace vitramor
