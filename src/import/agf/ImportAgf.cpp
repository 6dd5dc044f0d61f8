#include "import/agf/ImportAgf.h"

#include <cstdio>
#include <memory>
#include <span>

#include "import/agf/ConversieAgf.h"
#include "messages/ListaMesaje.h"
#include "record/CodificareText.h"
#include "settings/Directoare.h"
#include "suite/Catalix.h"

namespace vitramor {

std::vector<bool> SelectieImplicitaAgf(const CatalogAgf& catalog) {
    std::vector<bool> s;
    for (const SticlaAgf& g : catalog.sticle) s.push_back(!g.retrasa());
    return s;
}

RezultatImportAgf ImportaSticleAgf(Fereastra owner, const std::string& numeFisier, const CatalogAgf& catalog,
                                   const std::vector<bool>& selectie, std::uint16_t producator,
                                   int categorieAleasa) {
    RezultatImportAgf r;
    const auto aleasa = [&](std::size_t i) { return i < selectie.size() && selectie[i]; };
    std::vector<std::size_t> deConvertit;
    for (std::size_t i = 0; i < catalog.sticle.size(); ++i)
        if (aleasa(i) && catalog.sticle[i].importabila()) deConvertit.push_back(i);
    // The glasses are converted first; the messages then go out in the
    // catalogue's order.
    std::vector<MaterialOptic> materiale(deConvertit.size());
    std::vector<std::vector<std::string>> mesaje(deConvertit.size());
    CategoriiImport categorii(path_sticle, categorieAleasa);
    for (std::size_t k = 0; k < deConvertit.size(); ++k)
        ConvertesteSticlaAgf(catalog.sticle[deConvertit[k]], producator, materiale[k], mesaje[k], &categorii);
    if (const std::string t = categorii.raport(); !t.empty()) AfiseazaMesajInLista(numeFisier + ": " + t, NivelAvertizare);

    std::size_t k = 0;
    for (std::size_t i = 0; i < catalog.sticle.size(); ++i) {
        const SticlaAgf& s = catalog.sticle[i];
        auto antet = [&] {
            return numeFisier + ", sticla " + Utf8DinWindows1252(s.nume) + " (linia " + std::to_string(s.linie) + "): ";
        };
        if (!aleasa(i)) continue;
        ++r.selectate;
        if (!s.importabila()) {
            ++r.respinse;
            for (const std::string& e : s.erori)
                AfiseazaMesajInLista(antet() + e + "; sticla nu a fost salvata", NivelAvertizare);
            continue;
        }
        for (const std::string& a : s.avertizari) AfiseazaMesajInLista(antet() + a, NivelAvertizare);
        for (const std::string& t : mesaje[k++]) AfiseazaMesajInLista(antet() + t, NivelInformatie);
    }
    // The whole catalogue in one pass over the database.
    std::vector<int> coduri;
    SalveazaMaterialeOptice(path_sticle, materiale, owner, coduri);
    for (int c : coduri) r.salvate += c == 0;
    return r;
}

std::string LinieListaAgf(const SticlaAgf& s) {
    char numere[64];
    std::snprintf(numere, sizeof numere, "\t%.6f\t%.2f\t", s.nd, s.vd);
    return Utf8DinWindows1252(s.nume) + numere + TextStareAgf(s.stare);
}

}  // namespace vitramor
