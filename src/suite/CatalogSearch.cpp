#include "suite/CatalogSearch.h"

#include <cstddef>
#include <unordered_map>
#include <unordered_set>

#include "fileutil/BlocareFisier.h"
#include "suite/Recuperare.h"

#include <cmath>
#include <cstring>

#include "record/OrdineOcteti.h"
#include "settings/Directoare.h"
#include "suite/CatalogErrors.h"
#include "suite/CatalogFile.h"
#include "suite/Catalix.h"

namespace vitramor {

namespace {

char MinusculaAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The helium d line, the wavelength of the catalogues' nd.
constexpr double LungimeUndaD = 587.56;

// The producer word of a record in the file's byte order (little-endian).
std::uint16_t ProducatorDinRecord(const char* rec) {
    const auto* p = reinterpret_cast<const unsigned char*>(rec + offsetof(MaterialOptic, producator));
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

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
    InDirector inDirector(directorSticle, owner);
    if (!inDirector.ok()) return EroareDirectorSticle;
    const std::string& fisier = nume_fisier_sticle;
    if (FisierLipseste(fisier)) return RaporteazaFisierLipsa(owner, directorSticle, fisier);
    const std::string cale = CaleAfisata(directorSticle, fisier);
    BlocareFisier blocare(owner, CaleBazaDate(directorSticle), false);
    if (!blocare.ok()) return EroareFisierBlocat;
    FisierDeschis f;
    if (const int cod = DeschideFisierDate(owner, fisier, cale, "rb", f)) return cod;

    const std::string model(NumeDinCamp(material.nume));
    // The word at 40 asks for one producer's materials; without it every
    // producer's materials are listed.
    const bool filtruProducator = optiuni.cautaDupaProducator != 0;
    std::vector<std::string> aDouaParte;
    const ParcurgereInParti r = ParcurgeInDouaParti(f.f, [&](int parte, const char* rec, std::size_t) {
        // The producer and the name decide on the file's bytes; only a
        // record that is listed is copied whole.
        if (filtruProducator && ProducatorDinRecord(rec) != material.producator) return;
        if (!NumePotrivitModel(model, NumeDinCamp(rec + offsetof(MaterialOptic, nume)))) return;
        MaterialOptic m;
        std::memcpy(&m, rec, sizeof m);
        MaterialDinOrdineaFisierului(m);
        (parte == 0 ? linii : aDouaParte).push_back(LinieCautareMaterial(m));
    });
    if (r.cod != 0) {
        linii.clear();
        return RaporteazaEroareCitire(owner, cale, r.cod);
    }
    linii.insert(linii.end(), std::make_move_iterator(aDouaParte.begin()), std::make_move_iterator(aDouaParte.end()));
    return CatalogOk;
}

int CautaMaterialeOptice(const std::string& directorSticle, Fereastra owner, const std::vector<std::string>& nume,
                         std::unordered_map<std::string, MaterialOptic>& gasite) {
    gasite.clear();
    InDirector inDirector(directorSticle, owner);
    if (!inDirector.ok()) return EroareDirectorSticle;
    const std::string& fisier = nume_fisier_sticle;
    if (FisierLipseste(fisier)) return RaporteazaFisierLipsa(owner, directorSticle, fisier);
    const std::string cale = CaleAfisata(directorSticle, fisier);
    BlocareFisier blocare(owner, CaleBazaDate(directorSticle), false);
    if (!blocare.ok()) return EroareFisierBlocat;
    FisierDeschis f;
    if (const int cod = DeschideFisierDate(owner, fisier, cale, "rb", f)) return cod;

    // Each half keeps the first record of a name it meets; the first half's
    // comes first in the file and wins.
    const std::unordered_set<std::string> cautate(nume.begin(), nume.end());
    std::unordered_map<std::string, MaterialOptic> aDouaParte;
    const ParcurgereInParti r = ParcurgeInDouaParti(f.f, [&](int parte, const char* rec, std::size_t) {
        std::string n(NumeDinCamp(rec + offsetof(MaterialOptic, nume)));
        if (!cautate.count(n)) return;
        auto& tinta = parte == 0 ? gasite : aDouaParte;
        const auto [it, nou] = tinta.try_emplace(std::move(n));
        if (!nou) return;
        std::memcpy(&it->second, rec, sizeof it->second);
        MaterialDinOrdineaFisierului(it->second);
    });
    if (r.cod != 0) {
        gasite.clear();
        return RaporteazaEroareCitire(owner, cale, r.cod);
    }
    for (auto& [n, m] : aDouaParte) gasite.try_emplace(n, m);
    return CatalogOk;
}

}  // namespace vitramor
