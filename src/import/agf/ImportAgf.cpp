#include "import/agf/ImportAgf.h"

#include <cstdio>
#include <memory>
#include <span>

#include "import/agf/ConversieAgf.h"
#include "messages/ListaMesaje.h"
#include "record/CodificareText.h"
#include "database/CatalogMateriale.h"
#include "record/TextFormatat.h"

namespace vitramor {

std::vector<bool> SelectieImplicitaAgf(const CatalogAgf& catalog) {
    std::vector<bool> s;
    for (const SticlaAgf& g : catalog.sticle) s.push_back(!g.retrasa());
    return s;
}

std::vector<MaterialOptic> ConstruiesteSticleAgf(const CatalogAgf& catalog, const std::vector<bool>& selectie,
                                                 std::uint16_t producator, CategoriiImport& categorii,
                                                 std::vector<std::vector<std::string>>* mesaje) {
    std::vector<MaterialOptic> materiale;
    std::vector<std::string> note;
    for (std::size_t i = 0; i < catalog.sticle.size(); ++i) {
        if (i >= selectie.size() || !selectie[i] || !catalog.sticle[i].importabila()) continue;
        note.clear();
        ConvertesteSticlaAgf(catalog.sticle[i], producator, materiale.emplace_back(), note, &categorii);
        if (mesaje) mesaje->push_back(note);
    }
    return materiale;
}

RezultatOperatie ImportaSticleAgf(Fereastra owner, const std::string& directorSticle, const std::string& numeFisier,
                                  const SursaMateriale& sursa, const CatalogAgf& catalog,
                                  const std::vector<bool>& selectie,
                                  std::uint16_t producator, PoliticaConflict laConflict, int categorieAleasa) {
    if (catalog.sticle.empty())
        return RezultatOperatie::Esec("Fisierul " + numeFisier + " nu contine nicio sticla (nicio linie NM).");
    const auto aleasa = [&](std::size_t i) { return i < selectie.size() && selectie[i]; };
    RezultatOperatie refuzate;
    std::size_t alese = 0;
    for (std::size_t i = 0; i < catalog.sticle.size(); ++i) alese += aleasa(i);
    if (alese == 0) {
        bool toateRetrase = true;
        for (const SticlaAgf& s : catalog.sticle) toateRetrase = toateRetrase && s.retrasa();
        return RezultatOperatie::Esec(
            toateRetrase ? "Toate sticlele din " + numeFisier +
                               " sunt retrase (obsolete) si nu se selecteaza de la sine; alegeti-le explicit."
                         : "Nu a fost selectata nicio sticla din " + numeFisier + ".");
    }
    // The glasses are converted first; the messages then go out in the
    // catalogue's order.
    std::vector<std::vector<std::string>> mesaje;
    CategoriiImport categorii(directorSticle, categorieAleasa);
    const std::vector<MaterialOptic> materiale = ConstruiesteSticleAgf(catalog, selectie, producator, categorii, &mesaje);
    if (const std::string t = categorii.raport(); !t.empty()) AfiseazaMesajInLista(numeFisier + ": " + t, NivelAvertizare);

    std::size_t k = 0;
    for (std::size_t i = 0; i < catalog.sticle.size(); ++i) {
        const SticlaAgf& s = catalog.sticle[i];
        auto antet = [&] {
            return numeFisier + ", sticla " + Utf8DinWindows1252(s.nume) + " (linia " + std::to_string(s.linie) + "): ";
        };
        if (!aleasa(i)) continue;
        if (!s.importabila()) {
            std::string motiv = "linia " + std::to_string(s.linie) + ": ";
            for (std::size_t e = 0; e < s.erori.size(); ++e) motiv += (e ? "; " : "") + s.erori[e];
            refuzate.refuza(Utf8DinWindows1252(s.nume), motiv);
            continue;
        }
        for (const std::string& a : s.avertizari) AfiseazaMesajInLista(antet() + a, NivelAvertizare);
        for (const std::string& t : mesaje[k++]) AfiseazaMesajInLista(antet() + t, NivelInformatie);
    }
    OptiuniStocare o(platforma());
    o.laConflict = laConflict;
    o.sursa = sursa;
    o.titlu = TitluImportAgf;
    RezultatOperatie r = StocheazaMateriale(owner, directorSticle, materiale, o);
    for (const MaterialRefuzat& m : refuzate.refuzate) r.articol(m.material, {}, "refuzat", m.motiv);
    r.refuzate.insert(r.refuzate.begin(), refuzate.refuzate.begin(), refuzate.refuzate.end());
    return r;
}

std::string LinieListaAgf(const SticlaAgf& s) {
    const std::string numere = TextFormatat("\t%.6f\t%.2f\t", s.nd, s.vd);
    return Utf8DinWindows1252(s.nume) + numere + TextStareAgf(s.stare);
}

}  // namespace vitramor
