#include "import/ImportAgf.h"

#include <cstdio>

#include "messages/ListaMesaje.h"
#include "record/CodificareText.h"
#include "settings/Directoare.h"
#include "suite/Catalix.h"

namespace vitramor {

std::vector<bool> SelectieImplicitaAgf(const CatalogAgf& catalog) {
    std::vector<bool> s;
    for (const SticlaAgf& g : catalog.sticle) s.push_back(g.importabila() && !g.retrasa());
    return s;
}

RezultatImportAgf ImportaSticleAgf(Fereastra owner, const std::string& numeFisier, const CatalogAgf& catalog,
                                   const std::vector<bool>& selectie, std::uint16_t producator) {
    RezultatImportAgf r;
    std::vector<std::string> mesaje;
    std::vector<MaterialOptic> materiale;
    materiale.reserve(catalog.sticle.size());
    for (std::size_t i = 0; i < catalog.sticle.size(); ++i) {
        const SticlaAgf& s = catalog.sticle[i];
        const bool aleasa = i < selectie.size() && selectie[i];
        auto antet = [&] {
            return numeFisier + ", sticla " + Utf8DinWindows1252(s.nume) + " (linia " + std::to_string(s.linie) + "): ";
        };
        // A glass that cannot be stored is reported whether or not it was
        // selected: the default selection leaves it out, and the user must
        // still learn why it is missing.
        if (!s.importabila()) {
            ++r.respinse;
            for (const std::string& e : s.erori)
                AfiseazaMesajInLista(antet() + e + "; sticla nu a fost salvata", NivelAvertizare);
            continue;
        }
        if (!aleasa) continue;
        ++r.selectate;
        for (const std::string& a : s.avertizari) AfiseazaMesajInLista(antet() + a, NivelAvertizare);
        mesaje.clear();
        ConvertesteSticlaAgf(s, producator, materiale.emplace_back(), mesaje);
        for (const std::string& t : mesaje) AfiseazaMesajInLista(antet() + t, NivelInformatie);
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
