#include "database/ListaSticle.h"

#include <cstdio>
#include <cstring>

#include "database/CatalogMateriale.h"
#include "database/CitesteIntrareFisierText.h"
#include "database/FisierCatalog.h"
#include "database/Recuperare.h"
#include "fileutil/BlocareFisier.h"
#include "fileutil/UtilitatiFisiere.h"
#include "platform/Platforma.h"

namespace vitramor {

namespace {

constexpr int MarimeNumeProducator = 47;
constexpr int MarimeCategorie = 127;

std::string TaieLaTab(std::string text) {
    const std::size_t tab = text.find('\t');
    if (tab != std::string::npos) text.resize(tab);
    return text;
}

std::string Compune(const std::string& directorSticle, const MaterialOptic& m, const std::string& categorie,
                    int marime) {
    const std::string producator = NumeProducatorSticla(directorSticle, m.producator, MarimeNumeProducator);
    std::string linie(m.nume, strnlen(m.nume, sizeof m.nume));
    linie += '\t';
    linie += producator;
    linie += '\t';
    linie += categorie;
    const std::size_t maxim = marime > 1 ? static_cast<std::size_t>(marime - 1) : 0;
    if (linie.size() > maxim) linie.resize(maxim);
    return linie;
}

}  // namespace

// A missing entry is still reported, but once per entry number rather than
// once per record: a database of thousands of materials with a stale
// category would otherwise bury the user under identical boxes.
LiniiListaSticla::LiniiListaSticla(const std::string& directorSticle, bool raporteazaLipsa)
    : director_(directorSticle), raporteaza_(raporteazaLipsa) {
    citit_ = CitesteIntrariFisierText(directorSticle, NumeFisierCategorii, intrari_) == 1;
}

std::string LiniiListaSticla::categorie(int numar) {
    if (!citit_) return TextIntrareNecitita;
    if (numar < 0 || static_cast<std::size_t>(numar) >= intrari_.size()) {
        if (raportate_.insert(numar).second && raporteaza_) RaporteazaIntrareLipsa(NumeFisierCategorii, numar);
        return TextIntrareNecitita;
    }
    std::string t = intrari_[static_cast<std::size_t>(numar)];
    if (t.size() > MarimeCategorie - 1) t.resize(MarimeCategorie - 1);
    return TaieLaTab(std::move(t));
}

std::string LiniiListaSticla::linie(const MaterialOptic& material, int marime) {
    return Compune(director_, material, categorie(material.categorie), marime);
}

void LinieListaSticla(const std::string& directorSticle, const MaterialOptic& material, std::string& linie,
                      int marime) {
    std::string categorie;
    if (CitesteIntrareFisierText(directorSticle, NumeFisierCategorii, material.categorie, categorie, MarimeCategorie) ==
        1)
        categorie = TaieLaTab(std::move(categorie));
    else
        categorie = TextIntrareNecitita;
    linie = Compune(directorSticle, material, categorie, marime);
}

RezultatOperatie ListeazaSticleInLista(const std::string& directorSticle, std::vector<LinieSticla>& linii) {
    linii.clear();
    LiniiListaSticla categorii(directorSticle);
    // A reader's lock: a rewrite in another program finishes first.
    BlocareFisier blocare(CaleBazaDate(directorSticle), false);
    if (!blocare.ok()) return RezultatOperatie::Esec(blocare.motiv());
    AnuntaBazaDateRupta(nullptr, CaleBazaDate(directorSticle), CaleBazaDate(directorSticle));

    FisierDeschis f;
    if (RezultatOperatie r = DeschideInDirector(directorSticle, NumeBazaDate(), "rb", f.f); r.esuat()) {
        // The listing's own closing line, after why the file did not open.
        r.motiv += "\nEroare deschidere sticle32.da";
        return r;
    }
    platforma().cursorAsteptare(true);

    const ParcurgereFisier r = ParcurgeMateriale(f.f, [&](const MaterialOptic& m, std::size_t) {
        linii.push_back({categorii.linie(m), m.producator});
    });
    f.inchide();
    platforma().cursorAsteptare(false);
    if (r.cod != 0) {
        linii.clear();
        return RezultatOperatie::Esec(TextEroareCitire(CaleBazaDate(directorSticle), r.cod));
    }
    return {};
}

}  // namespace vitramor
