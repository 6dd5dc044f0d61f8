#include "import/comparare/ComparaCatalog.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "database/CategoriiMaterial.h"
#include "database/EroriCatalog.h"
#include "database/FisierCatalog.h"
#include "database/Recuperare.h"
#include "database/StergereMateriale.h"
#include "dispersion/EcuatieDispersie.h"
#include "dispersion/MarimiOptice.h"
#include "fileutil/BlocareFisier.h"
#include "record/CampuriMaterial.h"
#include "record/CodificareText.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

std::string Nume(const MaterialOptic& m) { return std::string(NumeDinCamp(m.nume)); }

// The range over which a record gives n: its validity range, else its table's span.
bool DomeniuN(const MaterialOptic& m, float& de, float& pana) {
    if (DomeniuSpectralValid(m.domeniu_n)) {
        de = m.domeniu_n[0], pana = m.domeniu_n[1];
        return true;
    }
    return IntervalDinTabel(m, m.indice_n, de, pana);
}

double Diferenta(double a, double b) { return AreValoare(a) && AreValoare(b) ? a - b : 0.0; }

double Tau(float alfa, double grosime) { return alfa >= 37.0f ? 0.0 : std::exp(-static_cast<double>(alfa) * grosime); }

// The largest |Δτ| at the wavelengths both give, at the new release's thickness.
double DeltaTau(const MaterialOptic& v, const MaterialOptic& n) {
    const double d = n.grosime_transmisie > 0 ? n.grosime_transmisie : v.grosime_transmisie > 0 ? v.grosime_transmisie : 10.0;
    double maxim = 0;
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        if (n.lambda_Ti[i] == 0) continue;
        for (int j = 0; j < NumarSloturiTabel; ++j)
            if (v.lambda_Ti[j] == n.lambda_Ti[i]) {
                maxim = std::max(maxim, std::abs(Tau(n.transmisia_interna[i], d) - Tau(v.transmisia_interna[j], d)));
                break;
            }
    }
    return maxim;
}

bool Zero(const unsigned char* p, std::size_t n) {
    return std::all_of(p, p + n, [](unsigned char c) { return c == 0; });
}

// The fields the comparison measures itself (n, τ), the key (name,
// producer) and the user's own classification (category).
// Groups of values that stand each on its own (Tg beside the softening
// point, the expansion of each range): a release that gives some of them
// and leaves the others blank says nothing about the blank ones. Not so a
// table's points or an equation's coefficients, which only mean something
// together.
bool ValoriIndependente(const char* camp) {
    static const char* const nume[] = {"temperaturi", "temperaturi_vascozitate", "caldura_specifica",
                                       "conductibilitate_termica", "dilatare"};
    return std::any_of(std::begin(nume), std::end(nume), [&](const char* n) { return std::strcmp(n, camp) == 0; });
}

bool MasurataAparte(const char* camp) {
    static const char* const nume[] = {"nume", "producator", "categorie", "coef_disp_n", "transmisia_interna",
                                       "grosime_transmisie"};
    return std::any_of(std::begin(nume), std::end(nume), [&](const char* n) { return std::strcmp(n, camp) == 0; });
}

template <typename T>
T Element(const unsigned char* p, std::size_t i) {
    T v;
    std::memcpy(&v, p + i * sizeof(T), sizeof(T));
    return v;
}

bool Egale(double a, double b, double absolut) {
    if (a == b) return true;
    return std::abs(a - b) <= std::max(absolut, ToleranteRelativa * std::max(std::abs(a), std::abs(b)));
}

// Whether a field holds the same within the precision it is printed with.
// `toleranteN`: what n may differ by in the index table; an import fills
// the table from the equation, so a change the curve already shows is not
// a second one.
bool CampEgal(const CampMaterial& c, const unsigned char* a, const unsigned char* b, double toleranteN) {
    if (c.tip == TipElement::Char)
        return std::string_view(NumeDinCamp(reinterpret_cast<const char*>(a), c.numar)) ==
               NumeDinCamp(reinterpret_cast<const char*>(b), c.numar);
    const double absolut = std::strcmp(c.nume, "indice_n") == 0 ? toleranteN : 0.0;
    const std::size_t marime = MarimeElement(c.tip);
    for (std::size_t i = 0; i < c.numar; ++i) {
        if (ValoriIndependente(c.nume) && Zero(b + i * marime, marime) && !Zero(a + i * marime, marime)) continue;
        switch (c.tip) {
            case TipElement::F32:
                if (!Egale(Element<float>(a, i), Element<float>(b, i), absolut)) return false;
                break;
            case TipElement::F64:
                if (!Egale(Element<double>(a, i), Element<double>(b, i), absolut)) return false;
                break;
            default:
                if (std::memcmp(a + i * MarimeElement(c.tip), b + i * MarimeElement(c.tip), MarimeElement(c.tip)) != 0)
                    return false;
        }
    }
    return true;
}

// A field the release leaves blank says nothing: it is not a change, and
// an update keeps what the database holds there.
bool NedatInNou(const CampMaterial& c, const unsigned char* v, const unsigned char* n) {
    return Zero(n + c.offset, c.latime()) && !Zero(v + c.offset, c.latime());
}

const unsigned char* Octeti(const MaterialOptic& m) { return reinterpret_cast<const unsigned char*>(&m); }

// The record an update stores: the release's, with the database's category,
// the fields the release leaves blank and the values of a group it leaves
// blank.
MaterialOptic Actualizat(const MaterialOptic& vechi, const MaterialOptic& nou) {
    MaterialOptic m = nou;
    m.categorie = vechi.categorie;
    auto* p = reinterpret_cast<unsigned char*>(&m);
    for (const CampMaterial& c : CampuriMaterial()) {
        if (c.vedere) continue;
        if (NedatInNou(c, Octeti(vechi), Octeti(nou))) {
            std::memcpy(p + c.offset, Octeti(vechi) + c.offset, c.latime());
            continue;
        }
        if (!ValoriIndependente(c.nume)) continue;
        const std::size_t marime = MarimeElement(c.tip);
        for (std::size_t i = 0; i < c.numar; ++i) {
            unsigned char* e = p + c.offset + i * marime;
            if (Zero(e, marime)) std::memcpy(e, Octeti(vechi) + c.offset + i * marime, marime);
        }
    }
    return m;
}

}  // namespace

const char* TextClasaComparatie(ClasaComparatie c) {
    switch (c) {
        case ClasaComparatie::Nou: return "nou";
        case ClasaComparatie::Schimbat: return "schimbat";
        case ClasaComparatie::Neschimbat: return "neschimbat";
        case ClasaComparatie::Disparut: return "disparut";
        case ClasaComparatie::Conflict: return "conflict";
    }
    return "-";
}

std::string SticlaComparata::textCampuri() const {
    std::string t;
    for (const std::string& c : campuri) t += (t.empty() ? "" : ",") + c;
    return t.empty() ? "-" : t;
}

std::vector<std::pair<double, double>> CurbaDeltaN(const MaterialOptic& vechi, const MaterialOptic& nou, int puncte) {
    std::vector<std::pair<double, double>> curba;
    float dv = 0, pv = 0, dn = 0, pn = 0;
    const bool ambele = DomeniuN(vechi, dv, pv) && DomeniuN(nou, dn, pn);
    const double de = std::max(dv, dn), pana = std::min(pv, pn);
    auto adauga = [&](double lambda) {
        const auto l = static_cast<float>(lambda);
        const double n1 = IndiceNLa(nou, l), n0 = IndiceNLa(vechi, l);
        if (AreValoare(n1) && AreValoare(n0)) curba.emplace_back(lambda, n1 - n0);
    };
    if (!ambele || !(pana > de) || puncte < 2) {
        adauga(LambdaLiniaD);
        return curba;
    }
    for (int i = 0; i < puncte; ++i) adauga(de + (pana - de) * i / (puncte - 1));
    return curba;
}

ClasaComparatie ComparaSticla(const MaterialOptic& vechi, const MaterialOptic& nou, SticlaComparata& s) {
    s.campuri.clear();
    s.dnMax = s.lambdaDnMax = 0;
    for (const auto& [lambda, dn] : CurbaDeltaN(vechi, nou))
        if (std::abs(dn) > s.dnMax) s.dnMax = std::abs(dn), s.lambdaDnMax = lambda;
    const double d1 = IndiceNLa(nou, LambdaLiniaD), d0 = IndiceNLa(vechi, LambdaLiniaD);
    s.dnD = Diferenta(d1, d0);
    s.dnMax = std::max(s.dnMax, std::abs(s.dnD));
    const MarimiOptice q1 = CalculeazaMarimiPrincipale(nou), q0 = CalculeazaMarimiPrincipale(vechi);
    s.dvd = Diferenta(q1.vd, q0.vd);
    s.dpgf = Diferenta(q1.pgF, q0.pgF);
    s.dtau = DeltaTau(vechi, nou);
    const unsigned char* a = Octeti(vechi);
    const unsigned char* b = Octeti(nou);
    // With an equation on both sides, n is the equation's, and the curve
    // above compares it: an index table then differs because one side was
    // measured and the other filled from the equation (an AGF has no
    // table), which is no change of the glass.
    const bool ecuatii = vechi.ec_dispersie_n != 0 && nou.ec_dispersie_n != 0;
    for (const CampMaterial& c : CampuriMaterial()) {
        if (c.vedere || MasurataAparte(c.nume) || NedatInNou(c, a, b)) continue;
        if (ecuatii && (std::strcmp(c.nume, "lambda_indici") == 0 || std::strcmp(c.nume, "indice_n") == 0)) continue;
        // A status the database did not know is learnt, not changed.
        if (std::strcmp(c.nume, "stare_catalog") == 0 && vechi.stare_catalog == 0) continue;
        if (!CampEgal(c, a + c.offset, b + c.offset, ToleranteN + s.dnMax)) s.campuri.emplace_back(c.nume);
    }
    if (s.dtau >= ToleranteTau) s.campuri.emplace_back("transmisia_interna");
    return s.dnMax >= ToleranteN || !s.campuri.empty() ? ClasaComparatie::Schimbat : ClasaComparatie::Neschimbat;
}

RezultatOperatie ComparaCuBazaDate(const std::string& directorSticle, std::span<const MaterialOptic> noi,
                                   std::uint16_t producator, ComparatieCatalog& rezultat, Progres& progres) {
    rezultat.producator = producator;
    rezultat.sticle.clear();
    rezultat.numar = {};
    std::unordered_map<std::string, std::size_t> dinFisier;  // name -> first glass of the file
    for (std::size_t i = 0; i < noi.size(); ++i) dinFisier.emplace(Nume(noi[i]), i);
    // Of each name of the file: the producer's record, else another maker's.
    std::vector<std::optional<MaterialOptic>> alProducatorului(noi.size()), alAltuia(noi.size());
    std::vector<MaterialOptic> disparute;
    std::unordered_set<std::string> vazute;
    const std::string cale = CaleBazaDate(directorSticle);
    if (!FisierLipseste(cale)) {
        BlocareFisier blocare(cale, false);
        std::string motiv = blocare.motiv();
        FisierDeschis f;
        if (motiv.empty()) DeschideFisierDate(cale, "rb", f, motiv);
        if (!motiv.empty()) return RezultatOperatie::Esec(std::move(motiv));
        const ParcurgereFisier p = ParcurgeMateriale(f.f, [&](const MaterialOptic& m, std::size_t) {
            const auto it = dinFisier.find(std::string(NumeDinCamp(m.nume)));
            if (it == dinFisier.end()) {
                if (m.producator == producator && vazute.insert(Nume(m)).second) disparute.push_back(m);
                return;
            }
            auto& loc = m.producator == producator ? alProducatorului[it->second] : alAltuia[it->second];
            if (!loc) loc = m;
        }, progres);
        if (p.anulat) return RezultatOperatie::Anulare();
        if (p.cod != 0) return RezultatOperatie::Esec(TextEroareCitire(cale, p.cod));
    }
    std::unordered_set<std::string> numite;
    for (std::size_t i = 0; i < noi.size(); ++i) {
        SticlaComparata s;
        s.nume = Nume(noi[i]);
        s.nou = noi[i];
        const std::size_t primul = dinFisier.at(s.nume);
        if (!numite.insert(s.nume).second) {
            s.clasa = ClasaComparatie::Conflict;  // the file names it twice: the first keeps the name
            s.vechi = noi[primul];
        } else if (alProducatorului[i]) {
            s.vechi = alProducatorului[i];
            s.clasa = ComparaSticla(*s.vechi, noi[i], s);
        } else if (alAltuia[i]) {
            s.clasa = ClasaComparatie::Conflict;
            s.vechi = alAltuia[i];
        }
        rezultat.sticle.push_back(std::move(s));
    }
    for (const MaterialOptic& m : disparute) {
        SticlaComparata s;
        s.nume = Nume(m);
        s.clasa = ClasaComparatie::Disparut;
        s.vechi = m;
        rezultat.sticle.push_back(std::move(s));
    }
    for (const SticlaComparata& s : rezultat.sticle) ++rezultat.numar[static_cast<int>(s.clasa)];
    return {};
}

std::vector<ActiuneSticla> ActiuniPentruClase(const ComparatieCatalog& c, std::span<const ClasaComparatie> clase) {
    std::vector<ActiuneSticla> a;
    for (const SticlaComparata& s : c.sticle) {
        const bool aleasa = std::find(clase.begin(), clase.end(), s.clasa) != clase.end();
        a.push_back(aleasa && (s.clasa == ClasaComparatie::Nou || s.clasa == ClasaComparatie::Schimbat ||
                               s.clasa == ClasaComparatie::Conflict)
                        ? ActiuneSticla::Stocheaza
                        : ActiuneSticla::Nimic);
    }
    return a;
}

RezultatOperatie AplicaComparatia(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle,
                                  const ComparatieCatalog& c, const OptiuniAplicare& o, Progres& progres) {
    std::vector<MaterialOptic> lot;
    std::vector<const SticlaComparata*> deSters;
    for (std::size_t i = 0; i < c.sticle.size() && i < o.actiuni.size(); ++i) {
        const SticlaComparata& s = c.sticle[i];
        switch (o.actiuni[i]) {
            case ActiuneSticla::Nimic: break;
            case ActiuneSticla::Stocheaza:
                if (!s.nou) break;
                lot.push_back(s.clasa == ClasaComparatie::Schimbat || s.clasa == ClasaComparatie::Neschimbat
                                  ? Actualizat(*s.vechi, *s.nou)
                                  : *s.nou);
                break;
            case ActiuneSticla::Sterge:
                if (s.clasa == ClasaComparatie::Disparut) deSters.push_back(&s);
                break;
            case ActiuneSticla::Marcheaza:
                if (s.clasa != ClasaComparatie::Disparut || o.categorieMarcaj < 0) break;
                lot.push_back(*s.vechi);
                lot.back().categorie = static_cast<std::uint16_t>(o.categorieMarcaj);
                break;
        }
    }
    if (lot.empty() && deSters.empty()) return RezultatOperatie::Nimic("Nu a fost aleasa nicio sticla.");
    RezultatOperatie r = RezultatOperatie::Nimic();
    if (!lot.empty()) {
        OptiuniStocare os(intrebari);
        os.laConflict = o.laConflict;
        os.sursa = c.sursa;
        os.titlu = TitluComparaCatalog;
        r = StocheazaMateriale(owner, directorSticle, lot, os);
        if (r.stare == StareOperatie::Esuat || r.stare == StareOperatie::Anulat) return r;
    }
    if (deSters.empty()) return r;
    std::string text = TextFormatat("Stergeti din baza de date %zu sticle care nu mai sunt in catalog?", deSters.size());
    for (std::size_t i = 0; i < deSters.size() && i < 12; ++i) text += "\n  " + Utf8DinWindows1252(deSters[i]->nume);
    if (deSters.size() > 12) text += TextFormatat("\n  ... si inca %zu", deSters.size() - 12);
    if (intrebari.intreaba(owner, text, TitluComparaCatalog,
                           stil::MB_YESNO | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON2) != raspuns::IDYES) {
        for (const SticlaComparata* s : deSters) {
            ++r.sarite;
            r.articol(Utf8DinWindows1252(s->nume), {}, "sarit", "pastrat: stergerea nu a fost confirmata");
        }
        if (r.stare == StareOperatie::NimicDeFacut) r.stare = StareOperatie::Facut;
        return r;
    }
    for (std::size_t i = 0; i < deSters.size(); ++i) {
        if (progres.anulat()) break;
        progres.pas(i, deSters.size());
        const SticlaComparata* s = deSters[i];
        const RezultatOperatie parte =
            StergeMaterialeCuNume(intrebari, owner, directorSticle, s->nume, false, c.producator);
        if (r.stare == StareOperatie::NimicDeFacut) r.stare = StareOperatie::Facut;
        r.adauga(parte);
    }
    return r;
}

}  // namespace vitramor
