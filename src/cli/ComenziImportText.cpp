// import-text and import-db: the imports that show a list first and store
// the entries the user selects; here --select gives the entries.
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <filesystem>
#include <optional>

#include "cli/Cli.h"
#include "cli/ProgresConsola.h"
#include "import/text/CatalogText.h"
#include "import/bazadate/ImportBazaDate.h"
#include "record/CodificareText.h"
#include "record/SetLucru.h"
#include "settings/Directoare.h"

namespace vitramor::cli {

namespace {

// Takes "--select LIST" off the front of the arguments, with --list in any
// order around it.
std::optional<std::string> ScoateSelectie(Context& c, bool* lista) {
    std::optional<std::string> selectie;
    for (;;) {
        if (lista && ScoateOptiune(c, "--list")) {
            *lista = true;
            continue;
        }
        if (!c.argumente.empty() && c.argumente.front() == "--select") {
            if (c.argumente.size() < 2) throw EroareUtilizare{"--select needs a list of entry numbers"};
            selectie = c.argumente[1];
            c.argumente.erase(c.argumente.begin(), c.argumente.begin() + 2);
            continue;
        }
        return selectie;
    }
}

}  // namespace

int ComandaImportText(Context& c) {
    const PoliticaConflict laConflict = ScoatePoliticaConflict(c);
    bool lista = false;
    const std::optional<std::string> selectie = ScoateSelectie(c, &lista);
    CereArgumente(c, 2, 2);
    const int cod = static_cast<int>(CitesteIntreg(c.argumente[0], "CODE", CodCatalogTextMinim, CodCatalogTextMaxim));
    const std::string& cale = c.argumente[1];

    std::vector<IntrareCatalogText> intrari;
    if (const RezultatOperatie r = ListeazaFisierCatalogText(cod, cale, intrari); r.esuat())
        return IesireDinRezultat(TitluImportCatalogText, r);
    if (lista) {
        for (const IntrareCatalogText& e : intrari) std::fprintf(c.out, "%s\n", Utf8DinWindows1252(e.text()).c_str());
        return IesireOk;
    }
    std::vector<int> linii;
    if (selectie) {
        for (std::size_t i : CitesteSelectie(*selectie, intrari.size())) linii.push_back(intrari[i].linie);
    } else {
        for (const IntrareCatalogText& e : intrari) linii.push_back(e.linie);
    }
    if (intrari.empty()) {
        return IesireDinRezultat(TitluImportCatalogText,
                                 RezultatOperatie::Esec("Fisierul " + cale + " nu contine nicio sticla a catalogului."));
    }
    RezultatOperatie r;
    {
        ProgresConsola progres(c.err);
        r = ImportaFisierCatalogText(cod, cale, linii, CurentSauPrimulNou(setLucru()), nullptr, path_sticle, laConflict, -1, progres);
    }
    return IesireDinRezultat(TitluImportCatalogText, r);
}

int ComandaImportDb(Context& c) {
    const PoliticaConflict laConflict = ScoatePoliticaConflict(c);
    const std::optional<std::string> selectie = ScoateSelectie(c, nullptr);
    CereArgumente(c, 1, 1);
    const std::filesystem::path cale(c.argumente[0]);
    const std::string director = cale.has_parent_path() ? cale.parent_path().string() : std::string(".");
    const std::string fisier = cale.filename().string();

    std::vector<std::string> nume;
    if (const RezultatOperatie r = ListeazaBazaDate(director, fisier, nume); r.esuat())
        return IesireDinRezultat(TitluImportBazaDate, r);
    if (nume.empty()) {
        return IesireDinRezultat(TitluImportBazaDate, RezultatOperatie::Esec("Fisierul " + c.argumente[0] +
                                                                             " nu contine nicio inregistrare intreaga."));
    }
    std::vector<int> indici;
    if (selectie) {
        for (std::size_t i : CitesteSelectie(*selectie, nume.size())) indici.push_back(static_cast<int>(i));
    } else {
        for (std::size_t i = 0; i < nume.size(); ++i) indici.push_back(static_cast<int>(i));
    }
    return IesireDinRezultat(TitluImportBazaDate, ImportaDinBazaDate(nullptr, path_sticle, director, fisier, indici, laConflict));
}

}  // namespace vitramor::cli
