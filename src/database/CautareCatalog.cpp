#include "database/CautareCatalog.h"

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "database/CatalogMateriale.h"
#include "database/EroriCatalog.h"
#include "database/FisierCatalog.h"
#include "database/Recuperare.h"
#include "fileutil/BlocareFisier.h"
#include "record/OrdineOcteti.h"

namespace vitramor {

namespace {

char MinusculaAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The helium d line, the wavelength of the catalogues' nd.
constexpr double LungimeUndaD = 587.56;

// The database of a glass directory open for reading: the directory
// checked, a shared lock held, the file open, each failure reported as the
// library reports it. cod() is CatalogOk or the failure's code.
class BazaDeCitit {
public:
    BazaDeCitit(const std::string& directorSticle, Fereastra owner) {
        std::string motiv = DeCeDirectorSticleNu(directorSticle);
        const std::string& fisier = NumeBazaDate();
        cale_ = CaleAfisata(directorSticle, fisier);
        if (!motiv.empty()) {
            cod_ = EroareDirectorSticle;
        } else if (FisierLipseste(cale_)) {
            cod_ = EroareFisierLipsa;
            motiv = TextFisierLipsa(directorSticle, fisier);
        } else if (blocare_.emplace(CaleBazaDate(directorSticle), false); !blocare_->ok()) {
            cod_ = EroareFisierBlocat;
            motiv = blocare_->motiv();
        } else {
            // Opened for reading: nothing is asked.
            cod_ = DeschideBazaDate(platforma(), owner, cale_, cale_, "rb", f_, motiv);
        }
        RaporteazaEsecCatalog(owner, cod_, motiv);
    }
    int cod() const { return cod_; }
    const std::string& cale() const { return cale_; }
    std::FILE* f() const { return f_.f; }

private:
    std::string cale_;
    std::optional<BlocareFisier> blocare_;
    FisierDeschis f_;
    int cod_ = CatalogOk;
};

}  // namespace

bool NumePotrivitModel(std::string_view model, std::string_view nume) {
    if (model.empty()) return true;
    // Greedy walk that returns to the last "*" on a mismatch: linear for the
    // usual patterns, with no recursion for patterns full of stars.
    constexpr std::size_t Niciuna = std::string_view::npos;
    std::size_t p = 0, n = 0, stea = Niciuna, reluare = 0;
    while (n < nume.size()) {
        if (p < model.size() && model[p] == '*') {
            stea = p++;
            reluare = n;
        } else if (p < model.size() && (model[p] == '?' || MinusculaAscii(model[p]) == MinusculaAscii(nume[n]))) {
            ++p;
            ++n;
        } else if (stea != Niciuna) {
            p = stea + 1;
            n = ++reluare;
        } else {
            return false;
        }
    }
    while (p < model.size() && model[p] == '*') ++p;
    return p == model.size();
}

std::string LinieCautareMaterial(const MaterialOptic& m) {
    std::string nd = "-";
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        const double n = m.indice_n[i];
        if (std::fabs(m.lambda_indici[i] - LungimeUndaD) < 0.05 && std::isfinite(n) && n > 0) {
            nd = TextFormatat("%.5f", n);
            break;
        }
    }
    return std::string(NumeDinCamp(m.nume)) + "\t" + std::string(NumeDinCamp(m.cod, sizeof m.cod)) + "\t" + nd +
           "\t" + std::to_string(m.categorie);
}

int CautaMaterialOpticCuOptiuni(const std::string& directorSticle, const MaterialOptic& material, Fereastra owner,
                                int /*rezervat*/, const tag_OptiuniCautareMaterial& optiuni,
                                std::vector<std::string>& linii) {
    linii.clear();
    BazaDeCitit baza(directorSticle, owner);
    if (baza.cod() != CatalogOk) return baza.cod();
    const std::string& cale = baza.cale();

    const std::string model(NumeDinCamp(material.nume));
    // The word at 40 asks for one producer's materials; without it every
    // producer's materials are listed.
    const bool filtruProducator = optiuni.cautaDupaProducator != 0;
    const ParcurgereFisier r = ParcurgeMateriale(baza.f(), [&](const MaterialOptic& m, std::size_t) {
        if (filtruProducator && m.producator != material.producator) return;
        if (!NumePotrivitModel(model, NumeDinCamp(m.nume))) return;
        linii.push_back(LinieCautareMaterial(m));
    });
    if (r.cod != 0) {
        linii.clear();
        RaporteazaEsecCatalog(owner, EroareCitireFisier, TextEroareCitire(cale, r.cod));
        return EroareCitireFisier;
    }
    return CatalogOk;
}

namespace {

// Names looked up by the view of a record's field, without a string made
// for every record of the file.
struct HashText {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

}  // namespace

int ParcurgeMaterialeOptice(const std::string& directorSticle, Fereastra owner, const std::vector<std::string>& nume,
                            const std::function<void(std::size_t i, const MaterialOptic& m)>& f, Progres& progres) {
    BazaDeCitit baza(directorSticle, owner);
    if (baza.cod() != CatalogOk) return baza.cod();
    const std::string& cale = baza.cale();

    // The file's first record of a name is the one every lookup finds.
    std::unordered_map<std::string, std::size_t, HashText, std::equal_to<>> sloturi;
    std::vector<std::vector<std::size_t>> indici;
    for (std::size_t i = 0; i < nume.size(); ++i) {
        const auto [it, nou] = sloturi.try_emplace(nume[i], indici.size());
        if (nou) indici.emplace_back();
        indici[it->second].push_back(i);
    }
    std::vector<char> gasit(indici.size(), 0);
    const ParcurgereFisier r = ParcurgeMateriale(baza.f(), [&](const MaterialOptic& m, std::size_t) {
        const auto it = sloturi.find(NumeDinCamp(m.nume));
        if (it == sloturi.end() || gasit[it->second]) return;
        gasit[it->second] = 1;
        for (std::size_t i : indici[it->second]) f(i, m);
    }, progres);
    if (r.cod != 0)
        return RaporteazaEsecCatalog(owner, EroareCitireFisier, TextEroareCitire(cale, r.cod)), EroareCitireFisier;
    return CatalogOk;
}

int CautaMaterialeOptice(const std::string& directorSticle, Fereastra owner, const std::vector<std::string>& nume,
                         MaterialeGasite& gasite, Progres& progres) {
    gasite.assign(nume.size(), std::nullopt);
    const int cod = ParcurgeMaterialeOptice(
        directorSticle, owner, nume, [&](std::size_t i, const MaterialOptic& m) { gasite[i] = m; }, progres);
    if (cod != CatalogOk) gasite.assign(nume.size(), std::nullopt);
    return cod;
}

}  // namespace vitramor
