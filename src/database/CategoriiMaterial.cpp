#include "database/CategoriiMaterial.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "database/CitesteIntrareFisierText.h"
#include "database/JurnalMateriale.h"
#include "database/ListaSticle.h"
#include "dispersion/MarimiOptice.h"
#include "record/CodificareText.h"
#include "record/TextFormatat.h"
#include "database/FisierCatalog.h"

namespace vitramor {

ButoaneCategorie ActualizeazaButoaneCategorie(const StareCategorie& stare) {
    ButoaneCategorie b;
    if (stare.randuriSelectate > 0) {
        b.puneCategoria = !stare.categoriePusa;
        b.revers = true;
        b.deselecteaza = true;
        if (stare.mod == SelectieRevers) b.selecteaza = true;
    }
    if (stare.mod == SelectieCautare) {
        b.editCautare = true;
        if (!stare.textCautare.empty()) b.selecteaza = true;
    }
    if (stare.mod == SelectieTot) b.selecteaza = true;
    return b;
}

void AplicaSelectia(int mod, const std::vector<std::string>& randuri, const std::string& textCautare,
                    std::vector<bool>& selectate) {
    selectate.resize(randuri.size(), false);
    switch (mod) {
        case SelectieTot: std::fill(selectate.begin(), selectate.end(), true); break;
        case SelectieCautare:
            for (std::size_t i = 0; i < randuri.size(); ++i)
                selectate[i] = randuri[i].find(textCautare) != std::string::npos;
            break;
        case SelectieRevers: selectate.flip(); break;
        default: break;
    }
}

IndexRanduri::IndexRanduri(const std::vector<std::string>& randuri) {
    sortate_.reserve(randuri.size());
    for (std::size_t i = 0; i < randuri.size(); ++i) sortate_.emplace_back(randuri[i], static_cast<int>(i));
    std::sort(sortate_.begin(), sortate_.end());
}

int IndexRanduri::primulCuInceputul(const std::string& linie) const {
    // The rows that begin with `linie` stand together in sorted order, from
    // the first row not less than it; within them the list order decides.
    auto it = std::lower_bound(sortate_.begin(), sortate_.end(), linie,
                               [](const auto& rand, const std::string& l) { return rand.first < l; });
    int primul = -1;
    for (; it != sortate_.end() && it->first.starts_with(linie); ++it)
        if (primul < 0 || it->second < primul) primul = it->second;
    return primul;
}

int PuneCategorieMateriale(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle,
                           const std::vector<std::string>& randuri, const std::vector<bool>& selectate, int categorie,
                           RezultatRescriere* rezultat, const FormaRand& forma) {
    const IndexRanduri index(randuri);
    // The list was filled a moment ago and has already reported any category
    // the file lacks; the rewrite does not report it a second time.
    LiniiListaSticla linii(directorSticle, false);
    std::vector<IntrareJurnal> jurnal;
    const auto prelucrare = [&](MaterialOptic& m) {
        std::string linie = linii.linie(m);
        if (forma) linie = forma(linie);
        const int rand = index.primulCuInceputul(linie);
        if (rand < 0 || static_cast<std::size_t>(rand) >= selectate.size() || !selectate[static_cast<std::size_t>(rand)] ||
            m.categorie == categorie)
            return DecizieInregistrare::Pastreaza;
        m.categorie = static_cast<std::uint16_t>(categorie);
        jurnal.push_back({std::string(NumeDinCamp(m.nume)), m.producator, OperatieJurnal::Actualizat, "categorie"});
        return DecizieInregistrare::Modificata;
    };
    RezultatRescriere r;
    const int ok = RescrieBazaDate(intrebari, owner, directorSticle, prelucrare, r);
    if (ok) r.motiv = AdaugaInJurnal(directorSticle, {}, jurnal);
    if (rezultat) *rezultat = r;
    return ok;
}

std::string TextCategoriePusa(std::uint64_t schimbate, const std::string& categorie) {
    if (schimbate == 0) return "Niciun material nu si-a schimbat categoria: materialele alese erau deja \"" + categorie + "\".";
    return std::to_string(schimbate) + (schimbate == 1 ? " material a primit" : " materiale au primit") +
           " categoria \"" + categorie + "\".";
}

bool EsteCrown(double nd, double vd) { return vd >= (nd < 1.60 ? 50.0 : 55.0); }

namespace {

bool AcelasiNume(const std::string& a, const char* b) {
    const std::string_view v(b);
    return a.size() == v.size() && std::equal(a.begin(), a.end(), v.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

CategoriiImport::CategoriiImport(const std::string& directorSticle, int aleasa) : aleasa_(aleasa) {
    CitesteIntrariFisierText(directorSticle, NumeFisierCategorii, intrari_);
    for (std::size_t i = 0; i < intrari_.size(); ++i) {
        std::string& t = intrari_[i];
        t = t.substr(0, t.find('\t'));
        while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.pop_back();
        if (crown_ < 0 && AcelasiNume(t, "Crown")) crown_ = static_cast<int>(i);
        if (flint_ < 0 && AcelasiNume(t, "Flint")) flint_ = static_cast<int>(i);
    }
}

std::uint16_t CategoriiImport::categorie(double nd, double vd) {
    if (dupaDiagramaAbbe() && std::isfinite(nd) && std::isfinite(vd) && nd > 1.0 && vd > 0.0)
        return static_cast<std::uint16_t>(EsteCrown(nd, vd) ? crown_ : flint_);
    if (aleasa_ >= 0) return static_cast<std::uint16_t>(aleasa_);
    ++implicite_;
    return 0;
}

std::uint16_t CategoriiImport::categorie(const MaterialOptic& m) {
    const MarimiOptice q = CalculeazaMarimiPrincipale(m);
    return categorie(q.nd, q.vd);
}

std::string CategoriiImport::raport() const {
    // Without entries there is no category to give or to pick: 0 names none.
    if (implicite_ == 0 || intrari_.empty()) return {};
    const std::string categoria = TextFormatat("categoria 0 (%s)", Utf8DinWindows1252(intrari_.front()).c_str());
    if (!dupaDiagramaAbbe())
        return TextFormatat("%s nu are intrarile \"Crown\" si \"Flint\" si nu a fost aleasa o categorie: %d "
                            "materiale au primit %s",
                            NumeFisierCategorii, implicite_, categoria.c_str());
    return TextFormatat("%d materiale fara nd si vd (nu au loc pe diagrama Abbe) au primit %s", implicite_,
                        categoria.c_str());
}

}  // namespace vitramor
