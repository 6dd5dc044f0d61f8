#include "import/tabele/ActualizareExcel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <limits>
#include <numeric>
#include <optional>
#include <span>
#include <type_traits>
#include <unordered_map>

#include "database/CategoriiMaterial.h"
#include "database/JurnalMateriale.h"
#include "dispersion/ComenziDispersie.h"
#include "import/tabele/AntetColoane.h"
#include "messages/ListaMesaje.h"
#include "record/CodificareText.h"
#include "record/ConversiiMaterial.h"
#include "record/LimiteFizice.h"
#include "record/TextFormatat.h"
#include "database/CatalogMateriale.h"
#include "database/EroriCatalog.h"
#include "database/Recuperare.h"

namespace vitramor {

namespace {

// An empty cell of a number field, told apart from a value of 0 (an opaque
// sample, a coefficient of 0) until the row is merged: the file says
// nothing there, so the stored value stays.
constexpr double Lipsa = std::numeric_limits<double>::quiet_NaN();

const ColoanaTabel& ColoanaIntrarii(const ContextImportExcel& c, int i, int j) {
    return c.coloane[static_cast<std::size_t>(c.asocieri[i].coloanaStart + j)];
}

// The columns of an entry that hold values, never more than its field.
int Coloane(const ContextImportExcel& c, int i) {
    return std::clamp<int>(c.asocieri[i].nrColoane, 0, c.asocieri[i].nrElemente);
}

// Whether the run imports entry i: an active entry, the transmittance only
// with a thickness known.
bool Importat(const ContextImportExcel& c, int i) {
    return c.asocieri[i].activ != 0 && !(i == IntrareTransmisie && !c.motivFaraTransmisie.empty());
}

// The order in which a table's columns run by wavelength.
std::vector<int> Ordine(std::span<const float> lambda) {
    std::vector<int> o(lambda.size());
    std::iota(o.begin(), o.end(), 0);
    std::stable_sort(o.begin(), o.end(), [&](int a, int b) { return lambda[a] < lambda[b]; });
    return o;
}

struct Ordini {
    std::vector<int> indici, transmisie;
};

// The title of cell j of entry i: the field in the user's words with its
// unit, the wavelength of a table's column, the place in an array.
std::string TitluCelula(const ContextImportExcel& c, int i, int j) {
    if (i == IntrareIndici)
        return TextFormatat("n %g nm", static_cast<double>(c.lambdaColoaneIndici[static_cast<std::size_t>(j)]));
    if (i == IntrareTransmisie)
        return TextFormatat("Ti %g nm", static_cast<double>(c.lambdaColoaneTi[static_cast<std::size_t>(j)]));
    std::string t = Utf8DinWindows1252(NumeCampAsociere(c.asocieri[i]));
    if (EsteNumerica(c.asocieri[i]) && c.asocieri[i].nrElemente > 1) t += TextFormatat(" %d", j + 1);
    const std::string u = i < NumarAsocieriImplicite ? UnitateCamp(i, c.sticla.producator) : std::string();
    return u.empty() ? t : t + " [" + u + "]";
}

// The result line of a row as the scratch record holds it, values in the
// order of their wavelengths. With `titluri`, the title of each cell is
// collected as the cell is written.
std::string LinieRand(const ContextImportExcel& c, const MaterialOptic& s, const Ordini& ordini,
                      std::vector<std::string>* titluri = nullptr) {
    const auto activ = [&](int i) { return Importat(c, i); };
    std::string linie = activ(IntrareNume) ? c.numeRand : std::string();
    if (titluri) titluri->push_back(activ(IntrareNume) ? TitluCelula(c, IntrareNume, 0) : std::string());
    const auto celula = [&](const std::string& valoare, int i, int j) {
        linie += '\t';
        linie += valoare;
        if (titluri) titluri->push_back(TitluCelula(c, i, j));
    };
    const auto numar = [](const char* format, double v) { return std::isnan(v) ? std::string() : TextFormatat(format, v); };
    const auto valori = [&](int i, const auto* v, const char* format) {
        if (!activ(i)) return;
        for (int j = 0; j < Coloane(c, i); ++j) celula(numar(format, static_cast<double>(v[j])), i, j);
    };
    if (activ(1)) celula(Utf8DinWindows1252(vitramor::TextCamp(s.cod, sizeof s.cod)), 1, 0);
    valori(7, &s.densitate, "%g");
    for (int j : ordini.indici) celula(numar("%g", s.indice_n[j]), IntrareIndici, j);
    for (int j : ordini.transmisie) celula(numar("%5.3f", s.transmisia_interna[j]), IntrareTransmisie, j);
    valori(5, s.coef_disp_n, "%g");
    valori(10, &s.modul_young, "%g");
    valori(11, &s.raport_poisson, "%g");
    valori(12, s.stabilitate_chimica, "%g");
    valori(13, s.temperaturi, "%g");
    valori(14, s.conductibilitate_termica, "%5.3f");
    valori(15, s.dilatare, "%.3f");
    valori(16, &s.duritate_knoop, "%g");
    valori(17, s.caldura_specifica, "%5.3f");
    valori(18, &s.duritate_abraziune, "%5.3f");
    valori(IntrareGrosimeTransmisie, &s.grosime_transmisie, "%g");
    return linie;
}

// The titles of the cells of a result line, and of the remark a row gets
// after them.
std::string AntetRand(const ContextImportExcel& c, const Ordini& ordini) {
    std::vector<std::string> titluri;
    LinieRand(c, c.sticla, ordini, &titluri);
    titluri.emplace_back("Observatii");
    std::string antet = titluri.front();
    for (std::size_t i = 1; i < titluri.size(); ++i) antet += '\t' + titluri[i];
    return antet;
}

// The values of a row that cannot be physical, each named with its field
// and value; they become "no value", the rest of the row stays.
std::vector<std::string> RefuzaValoriNefizice(const ContextImportExcel& c, MaterialOptic& s) {
    std::vector<std::string> motive;
    const auto verifica = [&](int i, auto* v, std::string (*regula)(double), bool zeroNedat) {
        if (!Importat(c, i)) return;
        for (int j = 0; j < Coloane(c, i); ++j) {
            const double x = v[j];
            if (std::isnan(x) || (zeroNedat && x == 0)) continue;
            const std::string motiv = regula(x);
            if (motiv.empty()) continue;
            motive.push_back(TextFormatat("%s = %g: %s", TitluCelula(c, i, j).c_str(), x, motiv.c_str()));
            v[j] = std::numeric_limits<std::remove_reference_t<decltype(v[j])>>::quiet_NaN();
        }
    };
    verifica(IntrareIndici, s.indice_n, MotivIndiceN, true);
    verifica(IntrareTransmisie, s.transmisia_interna, MotivTransmisie, false);
    verifica(5, s.coef_disp_n, MotivFinit, false);
    verifica(7, &s.densitate, MotivMarimePozitiva, false);
    verifica(10, &s.modul_young, MotivMarimePozitiva, false);
    verifica(11, &s.raport_poisson, MotivFinit, false);
    verifica(14, s.conductibilitate_termica, MotivMarimePozitiva, false);
    verifica(15, s.dilatare, MotivFinit, false);
    verifica(16, &s.duritate_knoop, MotivMarimePozitiva, false);
    verifica(17, s.caldura_specifica, MotivMarimePozitiva, false);
    verifica(18, &s.duritate_abraziune, MotivMarimePozitiva, false);
    verifica(IntrareGrosimeTransmisie, &s.grosime_transmisie, MotivMarimePozitiva, true);
    return motive;
}

// A row's index points against the stored table: the file's (with the
// stored k at the same wavelength) and the stored ones at wavelengths the
// row does not carry.
struct PunctIndice {
    float lambda;
    double n, k;
};
struct PuncteIndici {
    std::vector<PunctIndice> fisier, ramase;
};

PuncteIndici ImparteIndici(const ContextImportExcel& c, const MaterialOptic& s, const MaterialOptic& t) {
    PuncteIndici p;
    const int n = std::min<int>(Coloane(c, IntrareIndici), static_cast<int>(c.lambdaColoaneIndici.size()));
    for (int j = 0; j < n; ++j)
        if (s.indice_n[j] > 0) p.fisier.push_back({c.lambdaColoaneIndici[static_cast<std::size_t>(j)], s.indice_n[j], 0});
    // One wavelength written two ways ("nd" and a table's 587.56) is one point.
    const auto aceeasi = [](float a, float b) { return std::fabs(a - b) <= 1e-4f * std::max(a, b); };
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        const float l = t.lambda_indici[i];
        if (!(l > 0) || !(t.indice_n[i] > 0 || t.indice_k[i] > 0)) continue;
        const auto f = std::find_if(p.fisier.begin(), p.fisier.end(), [&](const PunctIndice& x) { return aceeasi(x.lambda, l); });
        if (f != p.fisier.end()) f->k = t.indice_k[i];
        else p.ramase.push_back({l, t.indice_n[i], t.indice_k[i]});
    }
    return p;
}

template <class T>
void Copiaza(T& tinta, T valoare) {
    if (!std::isnan(static_cast<double>(valoare))) tinta = valoare;
}

// The index table: the file's points, and with `pastreaza` the stored
// points it does not carry, as many as the table holds.
void AplicaIndici(const ContextImportExcel& c, const MaterialOptic& s, MaterialOptic& t, bool pastreaza,
                  int& neincapute) {
    PuncteIndici p = ImparteIndici(c, s, t);
    if (!pastreaza) p.ramase.clear();
    const std::size_t loc = NumarSloturiTabel - std::min<std::size_t>(p.fisier.size(), NumarSloturiTabel);
    if (p.ramase.size() > loc) {
        // The points nearest the file's tell least: they go first.
        const auto departe = [&](const PunctIndice& x) {
            float d = std::numeric_limits<float>::max();
            for (const auto& f : p.fisier) d = std::min(d, std::fabs(f.lambda - x.lambda));
            return d;
        };
        std::stable_sort(p.ramase.begin(), p.ramase.end(),
                         [&](const PunctIndice& a, const PunctIndice& b) { return departe(a) > departe(b); });
        neincapute += static_cast<int>(p.ramase.size() - loc);
        p.ramase.resize(loc);
    }
    std::vector<PunctIndice> puncte = p.fisier;
    puncte.insert(puncte.end(), p.ramase.begin(), p.ramase.end());
    std::stable_sort(puncte.begin(), puncte.end(), [](const PunctIndice& a, const PunctIndice& b) { return a.lambda < b.lambda; });
    puncte.resize(std::min<std::size_t>(puncte.size(), NumarSloturiTabel));
    std::fill(std::begin(t.lambda_indici), std::end(t.lambda_indici), 0.0f);
    std::fill(std::begin(t.indice_n), std::end(t.indice_n), 0.0);
    std::fill(std::begin(t.indice_k), std::end(t.indice_k), 0.0);
    t.domeniu_n[0] = 65535;
    t.domeniu_n[1] = 0;
    for (std::size_t i = 0; i < puncte.size(); ++i) {
        t.lambda_indici[i] = puncte[i].lambda;
        t.indice_n[i] = puncte[i].n;
        t.indice_k[i] = puncte[i].k;
        if (puncte[i].n > 0) {
            const auto l = static_cast<std::uint16_t>(std::min(puncte[i].lambda, 65535.0f));
            t.domeniu_n[0] = std::min(t.domeniu_n[0], l);
            t.domeniu_n[1] = std::max(t.domeniu_n[1], l);
        }
    }
}

// The whole curve is the catalogue's. An empty cell is "no value" (38), a
// transmittance of 0 an opaque sample (37).
void AplicaTransmisie(const ContextImportExcel& c, const MaterialOptic& s, MaterialOptic& t) {
    struct Punct {
        std::uint16_t lambda;
        float tau;
    };
    std::vector<Punct> puncte;
    const int n = std::min<int>(Coloane(c, IntrareTransmisie), static_cast<int>(c.lambdaColoaneTi.size()));
    for (int j = 0; j < n; ++j) puncte.push_back({c.lambdaColoaneTi[static_cast<std::size_t>(j)], s.transmisia_interna[j]});
    std::stable_sort(puncte.begin(), puncte.end(), [](const Punct& a, const Punct& b) { return a.lambda < b.lambda; });
    t.grosime_transmisie = s.grosime_transmisie;
    std::fill(std::begin(t.lambda_Ti), std::end(t.lambda_Ti), 0);
    std::fill(std::begin(t.transmisia_interna), std::end(t.transmisia_interna), AbsorbtieOpacExport);
    for (std::size_t i = 0; i < puncte.size(); ++i) {
        t.lambda_Ti[i] = puncte[i].lambda;
        if (!std::isnan(puncte[i].tau))
            t.transmisia_interna[i] = AbsorbtieDinTransmisieCatalog(puncte[i].tau, s.grosime_transmisie);
    }
}

// One row merged into its target: the stored material of the same name and
// producer, or a new one. Only the associated fields change, and only where
// the row has a value. Stored index points the row does not carry stay
// with `pastreaza` (as many as the table holds; the rest are counted in
// `neincapute`), otherwise they go.
void AplicaRand(const ContextImportExcel& c, const MaterialOptic& s, MaterialOptic& t, int cod, bool pastreaza,
                int& neincapute) {
    const auto activ = [&](int i) { return Importat(c, i); };
    if (activ(1) && s.cod[0]) std::memcpy(t.cod, s.cod, sizeof t.cod);
    if (activ(7)) Copiaza(t.densitate, s.densitate);
    if (activ(IntrareIndici)) AplicaIndici(c, s, t, pastreaza, neincapute);
    if (activ(IntrareTransmisie) && s.grosime_transmisie > 0) AplicaTransmisie(c, s, t);
    if (activ(5)) {
        if (cod == 1 || cod == 3) {
            t.ec_dispersie_n = 4;
            if (t.domeniu_n[0] == 0) {
                t.domeniu_n[0] = 350;
                t.domeniu_n[1] = 2300;
            }
        } else {
            t.ec_dispersie_n = 0;
        }
        // The equation is the catalogue's: nothing of the old one stays.
        std::fill(std::begin(t.coef_disp_n), std::end(t.coef_disp_n), 0.0);
        for (int j = 0; j < Coloane(c, 5); ++j) t.coef_disp_n[j] = std::isnan(s.coef_disp_n[j]) ? 0.0 : s.coef_disp_n[j];
    }
    if (activ(10)) Copiaza(t.modul_young, s.modul_young);
    if (activ(11)) Copiaza(t.raport_poisson, s.raport_poisson);
    if (activ(12)) std::copy(s.stabilitate_chimica, s.stabilitate_chimica + Coloane(c, 12), t.stabilitate_chimica);
    if (activ(13)) std::copy(s.temperaturi, s.temperaturi + Coloane(c, 13), t.temperaturi);
    for (int j = 0; j < 4; ++j) {
        if (activ(14) && j < Coloane(c, 14)) Copiaza(t.conductibilitate_termica[j], s.conductibilitate_termica[j]);
        if (activ(15) && j < Coloane(c, 15)) Copiaza(t.dilatare[j], s.dilatare[j]);
        if (activ(17) && j < Coloane(c, 17)) Copiaza(t.caldura_specifica[j], s.caldura_specifica[j]);
    }
    if (activ(16)) Copiaza(t.duritate_knoop, s.duritate_knoop);
    if (activ(18)) Copiaza(t.duritate_abraziune, s.duritate_abraziune);
}

// A row read: its name (UTF-8, for messages), why it is refused whole (empty
// when it can be stored) and the values refused in it. Its record sits at the
// same index of a vector of its own, so that the records to store can be
// built in that vector's place: a large sheet is held once, not three times.
struct RandCitit {
    std::string nume, motiv;
    std::vector<std::string> refuzate;
};

// Why the rows of a table could not all be read.
std::string MotivCitireTabel(const SursaTabel& sursa, const std::string& tabel) {
    if (!sursa.eroare().empty()) return sursa.eroare();
    return "Tabelul " + tabel + " din " + sursa.numeSursa() + " nu a putut fi citit pana la capat.";
}

// Why a read row cannot be stored at all, beyond what its transfer found.
std::string MotivRand(const ContextImportExcel& c) { return c.motivRespingere; }

// Asks once, for the whole run, whether stored index points the file does
// not carry stay (merged with the file's) or go. Nothing to ask: keep.
// Empty when the user cancelled.
std::optional<bool> IntreabaPuncte(const OptiuniActualizare& o, const std::vector<std::string>& materiale,
                                   int cateMateriale) {
    if (cateMateriale == 0 || !o.intrebari) return true;
    std::string text = TextFormatat("Actualizarea ar sterge puncte masurate ale %d materiale, la lungimi de unda pe care "
                                    "fisierul nu le are:",
                                    cateMateriale);
    for (const std::string& m : materiale) text += "\n  " + m;
    if (cateMateriale > static_cast<int>(materiale.size()))
        text += TextFormatat("\n  ... si inca %d", cateMateriale - static_cast<int>(materiale.size()));
    text += "\n\nPastrati punctele (unite cu ale fisierului cat incap in cele 50 de locuri; la aceeasi lungime de unda "
            "valoarea fisierului castiga) sau le inlocuiti cu punctele fisierului?";
    const int ales = o.intrebari->intreabaOptiuni(o.owner, text, TitluActualizareExcel,
                                                  {"Pastreaza punctele", "Inlocuieste cu ale fisierului"}, 0, 1, 0);
    if (ales < 0) return std::nullopt;
    return ales == 0;
}

constexpr std::size_t Nimic = SIZE_MAX;

// The rows grouped by name, and what the database holds of those names.
struct NumeRanduri {
    std::vector<std::string> nume;       // each name once
    std::vector<std::size_t> indexNume;  // each row's name, Nimic for a refused row
    // Only the names the database holds: a sheet of new glasses costs no record here.
    std::unordered_map<std::size_t, MaterialOptic> stocate;
    const MaterialOptic* stocat(std::size_t k) const {
        const auto it = stocate.find(k);
        return it == stocate.end() ? nullptr : &it->second;
    }
};

// Refused rows are counted in `r`; the others get their name's index.
NumeRanduri GrupeazaDupaNume(const std::vector<RandCitit>& randuri, const std::vector<MaterialOptic>& sticle,
                             RezultatOperatie& r) {
    NumeRanduri g;
    g.indexNume.assign(randuri.size(), Nimic);
    std::unordered_map<std::string, std::size_t> dupaNume;
    for (std::size_t i = 0; i < randuri.size(); ++i) {
        for (const std::string& v : randuri[i].refuzate) r.refuza(randuri[i].nume, v);
        if (!randuri[i].motiv.empty()) {
            r.refuza(randuri[i].nume, randuri[i].motiv);
            r.articol(randuri[i].nume, {}, "refuzat", randuri[i].motiv);
            continue;
        }
        const auto [it, nou] = dupaNume.emplace(vitramor::TextCamp(sticle[i].nume, sizeof sticle[i].nume), g.nume.size());
        if (nou) g.nume.push_back(it->first);
        g.indexNume[i] = it->second;
    }
    return g;
}

// What each row starts from.
enum class Baza : char { Niciuna, Stocata, Noua };

// In the rows' order, a new glass confirmed first. Empty when the user cancelled.
std::optional<std::vector<Baza>> AlegeBaze(const OptiuniActualizare& o, std::uint16_t producator,
                                           const std::vector<RandCitit>& randuri, const NumeRanduri& g,
                                           RezultatOperatie& r) {
    std::vector<Baza> baze(randuri.size(), Baza::Niciuna);
    std::vector<char> vazut(g.nume.size(), 0), refuzat(g.nume.size(), 0);
    int decizie = 0;  // a "to all" answer, once given
    for (std::size_t i = 0; i < randuri.size(); ++i) {
        const std::size_t k = g.indexNume[i];
        if (k == Nimic) continue;
        const bool primul = !vazut[k];
        vazut[k] = 1;
        if (refuzat[k]) {
            ++r.sarite;
            r.articol(randuri[i].nume, {}, "sarit", "nu a fost salvat ca material nou");
        } else if (!primul || (g.stocat(k) && g.stocat(k)->producator != producator)) {
            baze[i] = Baza::Noua;
        } else if (g.stocat(k)) {
            baze[i] = Baza::Stocata;
        } else {
            int raspunsNou = o.construite ? raspuns::IDYES : o.intrebari ? decizie : raspuns::IDNU_TOATE;
            if (!raspunsNou) {
                raspunsNou = o.intrebari->intreaba(
                    o.owner,
                    TextFormatat("Eroare (err=%d) cautare material %s in SticleNou32.dat. Salvati ca "
                                 "material nou?",
                                 static_cast<int>(EroareMaterialNegasit), randuri[i].nume.c_str()),
                    {}, stil::MB_YESNOCANCEL | stil::MB_PENTRUTOATE | stil::MB_ICONQUESTION);
                if (raspunsNou == raspuns::IDDA_TOATE || raspunsNou == raspuns::IDNU_TOATE) decizie = raspunsNou;
            }
            if (raspunsNou == raspuns::IDCANCEL) return std::nullopt;
            if (raspunsNou == raspuns::IDYES || raspunsNou == raspuns::IDDA_TOATE) {
                baze[i] = Baza::Noua;
            } else {
                refuzat[k] = 1, ++r.sarite;
                r.articol(randuri[i].nume, {}, "sarit", "nu a fost salvat ca material nou");
            }
        }
    }
    return baze;
}

// Stored points the file does not carry: how many, of which materials, and
// whether they stay. Only a stored glass of this producer has points of its
// own to lose. Empty when the user cancelled.
std::optional<bool> PastreazaPuncteleStocate(const ContextImportExcel& c, const OptiuniActualizare& o,
                                             const std::vector<RandCitit>& randuri,
                                             const std::vector<MaterialOptic>& sticle, const std::vector<Baza>& baze,
                                             const NumeRanduri& g) {
    int cuPierderi = 0;
    std::vector<std::string> lista;
    for (std::size_t i = 0; i < randuri.size() && Importat(c, IntrareIndici); ++i) {
        if (baze[i] != Baza::Stocata) continue;
        const PuncteIndici p = ImparteIndici(c, sticle[i], *g.stocat(g.indexNume[i]));
        if (p.ramase.empty()) continue;
        const auto cuK = std::count_if(p.ramase.begin(), p.ramase.end(), [](const PunctIndice& x) { return x.k > 0; });
        const auto cuN = std::count_if(p.ramase.begin(), p.ramase.end(), [](const PunctIndice& x) { return x.n > 0; });
        if (++cuPierderi <= 12)
            lista.push_back(TextFormatat("%s: %zu puncte (%ld n, %ld k)", randuri[i].nume.c_str(), p.ramase.size(),
                                         static_cast<long>(cuN), static_cast<long>(cuK)));
    }
    return o.construite ? true : IntreabaPuncte(o, lista, cuPierderi);
}

// The records to store take the place of the rows read: row i is read
// before position w <= i is written. Returns, per material of the lot, the
// values refused in its row, for its row of the closing table.
std::vector<std::string> UnesteRanduri(const ContextImportExcel& c, const OptiuniActualizare& o,
                                       const std::vector<RandCitit>& randuri, std::vector<MaterialOptic>& sticle,
                                       const std::vector<Baza>& baze, const NumeRanduri& g, bool pastreaza,
                                       RezultatOperatie& r) {
    std::size_t w = 0;
    std::vector<std::string> valoriRefuzate;
    // A new glass gets its category here; an update keeps the one it has.
    CategoriiImport categorii(o.directorSticle, o.categorie);
    for (std::size_t i = 0; i < randuri.size(); ++i) {
        if (baze[i] == Baza::Niciuna) continue;
        std::string v;
        for (const std::string& x : randuri[i].refuzate) v += (v.empty() ? "refuzat " : "; refuzat ") + x;
        valoriRefuzate.push_back(std::move(v));
        MaterialOptic t{};
        if (baze[i] == Baza::Stocata) {
            t = *g.stocat(g.indexNume[i]);
        } else {
            std::memcpy(t.nume, sticle[i].nume, sizeof t.nume);
            t.producator = c.sticla.producator;
        }
        int neincapute = 0;
        AplicaRand(c, sticle[i], t, o.codProducator, pastreaza, neincapute);
        if (neincapute > 0)
            r.note.push_back(TextFormatat("%s: %d puncte pastrate nu au mai incaput in cele %d locuri ale tabelului",
                                          randuri[i].nume.c_str(), neincapute, NumarSloturiTabel));
        const std::string avertizare = CompleteazaDomeniiPentruSalvare(t);
        if (!avertizare.empty()) AfiseazaMesajInLista(avertizare, NivelAvertizare);
        if (baze[i] == Baza::Noua) t.categorie = categorii.categorie(t);
        sticle[w++] = t;
    }
    sticle.resize(w);
    if (const std::string t = categorii.raport(); !t.empty()) AfiseazaMesajInLista(t, NivelAvertizare);
    return valoriRefuzate;
}

// Merges the rows into the stored materials of the same names and producer
// and stores them through the one store. A row whose name is stored under
// another producer, or repeats a name of the file, starts from an empty
// record: the store settles the conflict.
RezultatOperatie SalveazaRanduri(const ContextImportExcel& c, const OptiuniActualizare& o, std::vector<RandCitit>& randuri,
                                 std::vector<MaterialOptic>& sticle) {
    RezultatOperatie r;
    NumeRanduri g = GrupeazaDupaNume(randuri, sticle, r);
    // A database that does not exist yet holds nothing to merge with.
    const auto stocat = [&](std::size_t k, const MaterialOptic& m) { g.stocate.insert_or_assign(k, m); };
    if (const int cod = std::filesystem::exists(CaleBazaDate(o.directorSticle))
                            ? ParcurgeMaterialeOptice(o.directorSticle, o.owner, g.nume, stocat)
                            : CatalogOk;
        cod != CatalogOk) {
        RezultatOperatie esec = RezultatOperatie::Esec(
            TextFormatat("Baza de date %s nu a putut fi citita (cod eroare %d); nimic nu a fost salvat.",
                         CaleBazaDate(o.directorSticle).c_str(), cod));
        esec.refuzate = r.refuzate;
        return esec;
    }
    const std::optional<std::vector<Baza>> baze = AlegeBaze(o, c.sticla.producator, randuri, g, r);
    if (!baze) return RezultatOperatie::Anulare();
    const std::optional<bool> pastreaza = PastreazaPuncteleStocate(c, o, randuri, sticle, *baze, g);
    if (!pastreaza) return RezultatOperatie::Anulare();

    const std::vector<std::string> valoriRefuzate = UnesteRanduri(c, o, randuri, sticle, *baze, g, *pastreaza, r);
    OptiuniStocare os(platforma());
    os.laConflict = o.laConflict;
    os.titlu = TitluActualizareExcel;
    os.sursa = c.caleSursa.empty() ? SursaMateriale{c.sursa ? c.sursa->numeSursa() : std::string("-"), "-"}
                                   : SursaDinFisier(c.caleSursa);
    if (o.construite) {
        o.construite(sticle);
        return r;
    }
    if (sticle.empty()) return r;
    RezultatOperatie stocare = StocheazaMateriale(o.owner, o.directorSticle, sticle, os);
    for (std::size_t i = 0; i < stocare.articole.size() && i < valoriRefuzate.size(); ++i) {
        std::string& d = stocare.articole[i].detalii;
        if (!valoriRefuzate[i].empty()) d += (d.empty() ? "" : "; ") + valoriRefuzate[i];
    }
    r.adauga(stocare);
    return r;
}

// What a read takes from the table: the columns of the entries it imports,
// each once, and where each table column stands among them.
struct ColoaneCitite {
    std::array<bool, NumarAsocieri> intrari{};
    std::vector<int> coloane;
    std::vector<int> pozitie;  // by table column, -1 for one not read
};

// The columns every imported entry reads; why they cannot be read, or empty.
std::string PregatesteCitirea(ContextImportExcel& c, ColoaneCitite& cc) {
    const int nCol = static_cast<int>(c.coloane.size());
    cc = {};
    cc.pozitie.assign(c.coloane.size(), -1);
    for (int i = 0; i < NumarAsocieri; ++i) {
        AsociereMarimeSticla& a = c.asocieri[i];
        if (!a.nume[0] || !Importat(c, i) || a.coloanaStart < 0) continue;
        const int stop = a.coloanaStop >= a.coloanaStart ? a.coloanaStop : a.coloanaStart;
        if (stop >= nCol)
            return TextFormatat("Asocierea %s foloseste coloana %d, dar tabelul %s are doar %d coloane.", a.nume,
                                stop + 1, c.tabel.c_str(), nCol);
        a.nrColoane = static_cast<std::int16_t>(stop - a.coloanaStart + 1);
        if (a.nrColoane > a.nrElemente)
            return TextFormatat("Asocierea %s are %d coloane pentru %d elemente.", a.nume, a.nrColoane, a.nrElemente);
        for (int k = a.coloanaStart; k <= stop; ++k) {
            int& p = cc.pozitie[static_cast<std::size_t>(k)];
            if (p >= 0) continue;
            p = static_cast<int>(cc.coloane.size());
            cc.coloane.push_back(k);
        }
        cc.intrari[static_cast<std::size_t>(i)] = true;
    }
    return cc.coloane.empty() ? "Nu exista asocieri" : std::string();
}

// A text field: the cell's text as written, without trailing blanks; text a
// record cannot hold refuses the row.
void TransferaText(ContextImportExcel& c, int i, std::string t, unsigned char* tinta) {
    const AsociereMarimeSticla& a = c.asocieri[i];
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.pop_back();
    if (i == IntrareNume) c.numeRand = t;
    const std::size_t n = static_cast<std::size_t>(std::max<int>(a.nrElemente, 0));
    std::optional<std::string> w = Windows1252DinUtf8(t);
    if (!w && c.motivRespingere.empty())
        c.motivRespingere = TextFormatat("%s \"%s\" are caractere pe care o inregistrare nu le poate tine", a.nume, t.c_str());
    if (w && w->size() > n && c.motivRespingere.empty())
        c.motivRespingere = TextFormatat("%s \"%s\" are %d caractere; campul tine cel mult %d", a.nume, t.c_str(),
                                   static_cast<int>(w->size()), static_cast<int>(n));
    const std::string& stocat = w ? *w : std::string();
    const std::size_t m = std::min(stocat.size(), n);
    std::memset(tinta, 0, n + 1);
    std::memcpy(tinta, stocat.data(), m);
}

// A number field in its own type; an empty cell is "no value" where the
// type can say so, 0 otherwise.
void ScrieNumarInCamp(const AsociereMarimeSticla& a, std::optional<double> v, unsigned char* tinta) {
    const double y = v ? ValoareDupaFactor(a, *v) : Lipsa;
    switch (a.tip) {
        case TipFloat: { const float f = static_cast<float>(y); std::memcpy(tinta, &f, sizeof f); break; }
        case TipDouble: std::memcpy(tinta, &y, sizeof y); break;
        case TipInt: { const auto x = static_cast<std::int32_t>(v ? y : 0); std::memcpy(tinta, &x, sizeof x); break; }
        case TipUint: { const auto x = static_cast<std::uint32_t>(v ? y : 0); std::memcpy(tinta, &x, sizeof x); break; }
        default: {  // short and USHORT: the 16 bits
            const auto x = static_cast<std::uint16_t>(static_cast<std::int32_t>(v ? y : 0));
            std::memcpy(tinta, &x, sizeof x);
            break;
        }
    }
}

}  // namespace

int ProducatorDinCodSelectie(int cod) { return cod == 1 ? 2 : cod == 3 ? 6 : 0; }

int TransferaCelulaInSticla(int i, int j, const CelulaFoaie& celula, ContextImportExcel& c, std::string& motiv) {
    AsociereMarimeSticla& a = c.asocieri[i];
    if (j >= a.nrColoane || !c.campuri[i] || static_cast<std::size_t>(a.coloanaStart + j) >= c.coloane.size()) {
        motiv = TextFormatat("Asocierea %s nu are coloana %d sau locul valorilor ei.", a.nume, j + 1);
        return 0;
    }
    const ColoanaTabel& k = ColoanaIntrarii(c, i, j);
    unsigned char* tinta = static_cast<unsigned char*>(c.campuri[i]) + static_cast<std::size_t>(j) * a.marimeElement;
    if (a.tip < TipFloat || a.tip > TipChar) {
        motiv = TextFormatat("Coloana %s (%s) nu poate fi citita in campul %s (%s).", k.nume.c_str(), k.tip.c_str(),
                             NumeCampAsociere(a).c_str(), NumeTipElement(a.tip));
        return 0;
    }
    if (a.tip == TipChar) {
        TransferaText(c, i, TextDinCelula(celula), tinta);
        return 1;
    }
    std::optional<double> v;
    if (celula.tip == CelulaFoaie::Numar) v = celula.numar;
    else if (celula.tip == CelulaFoaie::Text) v = NumarDinCelula(celula.text);
    if (v && !std::isfinite(*v)) v.reset();
    ScrieNumarInCamp(a, v, tinta);
    return 1;
}

namespace {

// The checks before any row is read: why the table cannot be read, or empty.
std::string PoateCitiTabelul(ContextImportExcel& c, ColoaneCitite& cc) {
    const auto lipsa = [&](int i, bool gasit) { return c.asocieri[i].activ && !gasit; };
    if (lipsa(IntrareIndici, !c.lambdaColoaneIndici.empty()) || lipsa(IntrareTransmisie, !c.lambdaColoaneTi.empty()))
        return "Nu exista lungimi de unda pentru transmisie si/sau indici!";
    if (std::string motiv = PregatesteCitirea(c, cc); !motiv.empty()) return motiv;
    // The wavelengths were found for the columns the entries had then.
    const auto nepotrivit = [&](int i, std::size_t gasite) {
        return Importat(c, i) && static_cast<std::size_t>(Coloane(c, i)) != gasite;
    };
    if (nepotrivit(IntrareIndici, c.lambdaColoaneIndici.size()) ||
        nepotrivit(IntrareTransmisie, c.lambdaColoaneTi.size()))
        return "Coloanele indicilor sau ale transmisiei s-au schimbat de la \"Detect lambda\".\nApasati din nou "
               "\"Detect lambda\".";
    return {};
}

// The cells of a row into c.sticla; false, with why, when one could not be taken over.
bool TransferaRand(ContextImportExcel& c, const ColoaneCitite& cc, const std::vector<CelulaFoaie>& celule,
                   std::string& motiv) {
    for (int i = 0; i < NumarAsocieri; ++i) {
        if (!cc.intrari[static_cast<std::size_t>(i)] || i == IntrareLambdaIndici || i == IntrareLambdaTransmisie) continue;
        const AsociereMarimeSticla& a = c.asocieri[i];
        for (int j = 0; j < a.nrColoane; ++j) {
            const auto p = static_cast<std::size_t>(cc.pozitie[static_cast<std::size_t>(a.coloanaStart + j)]);
            if (!TransferaCelulaInSticla(i, j, celule[p], c, motiv)) return false;
        }
    }
    return true;
}

// The values of the row refused by the physical limits; a transmittance
// without a thickness of its own takes the one "Detect lambda" left.
std::vector<std::string> RefuzuriRand(ContextImportExcel& c, const MaterialOptic& baza) {
    MaterialOptic& s = c.sticla;
    std::vector<std::string> refuzate = RefuzaValoriNefizice(c, s);
    if (Importat(c, IntrareTransmisie) && !(s.grosime_transmisie > 0)) {
        s.grosime_transmisie = baza.grosime_transmisie;
        if (!(s.grosime_transmisie > 0)) {
            refuzate.emplace_back("transmisia nu are grosime de referinta; nu a fost importata");
            s.grosime_transmisie = static_cast<float>(Lipsa);
        }
    }
    return refuzate;
}

std::string LinieAfisata(const ContextImportExcel& c, const Ordini& ordini, const std::string& motiv,
                         const std::vector<std::string>& refuzate) {
    std::string linie = LinieRand(c, c.sticla, ordini), observatii;
    if (!motiv.empty()) observatii = "(nu poate fi salvat: " + motiv + ")";
    for (const std::string& v : refuzate) observatii += "(refuzat " + v + ")";
    if (!observatii.empty()) linie += '\t' + observatii;
    return linie;
}

struct RanduriCitite {
    std::vector<RandCitit> randuri;
    std::vector<MaterialOptic> sticle;  // the record of each row of randuri
    bool complet = false, anulat = false;
    std::string motiv;  // why the reading stopped short
};

// Every row of the table, each shown through `o.linie` (which may stop the
// reading) and kept when the run stores them.
RanduriCitite CitesteRanduri(ContextImportExcel& c, const OptiuniActualizare& o, const Ordini& ordini,
                             const ColoaneCitite& cc) {
    SursaTabel& sursa = *c.sursa;
    RanduriCitite rc;
    // Every row starts from what "Detect lambda" left: nothing of the row
    // before it, its name least of all, can reach it.
    const MaterialOptic baza = c.sticla;
    bool transferat = true;
    const bool citit = sursa.citesteRanduri(c.tabel, cc.coloane, [&](const std::vector<CelulaFoaie>& celule) {
        if (o.actualizeaza && rc.randuri.capacity() == 0) {
            rc.randuri.reserve(sursa.randuriDeCitit());
            rc.sticle.reserve(sursa.randuriDeCitit());
        }
        c.sticla = baza;
        c.numeRand.clear();
        c.motivRespingere.clear();
        if (!TransferaRand(c, cc, celule, rc.motiv)) return transferat = false;
        if (c.numeRand.empty()) return true;
        std::vector<std::string> refuzate = RefuzuriRand(c, baza);
        std::string motiv = MotivRand(c);
        if (o.linie && !o.linie(LinieAfisata(c, ordini, motiv, refuzate))) {
            rc.anulat = true;
            return false;
        }
        if (o.actualizeaza) {
            rc.randuri.push_back({c.numeRand, std::move(motiv), std::move(refuzate)});
            rc.sticle.push_back(c.sticla);
        }
        return true;
    });
    rc.complet = citit && transferat;
    if (!citit && rc.motiv.empty()) rc.motiv = MotivCitireTabel(sursa, c.tabel);
    c.sticla = baza;
    return rc;
}

}  // namespace

RezultatOperatie ImportaTabelExcel(ContextImportExcel& c, const OptiuniActualizare& o) {
    ColoaneCitite cc;
    if (std::string motiv = PoateCitiTabelul(c, cc); !motiv.empty()) return RezultatOperatie::Esec(std::move(motiv));
    Ordini ordini;
    if (Importat(c, IntrareIndici)) ordini.indici = Ordine(c.lambdaColoaneIndici);
    std::vector<float> lambdaTi(c.lambdaColoaneTi.begin(), c.lambdaColoaneTi.end());
    if (Importat(c, IntrareTransmisie)) ordini.transmisie = Ordine(lambdaTi);
    if (o.antet) o.antet(AntetRand(c, ordini));

    platforma().cursorAsteptare(true);
    RanduriCitite citite = CitesteRanduri(c, o, ordini, cc);
    platforma().cursorAsteptare(false);
    if (o.dupaCitire) o.dupaCitire();
    RezultatOperatie r;
    if (citite.anulat) r = RezultatOperatie::Anulare();
    else if (!citite.complet)
        r = RezultatOperatie::Esec(citite.motiv);
    else if (!o.actualizeaza) return RezultatOperatie::Nimic();
    else r = SalveazaRanduri(c, o, citite.randuri, citite.sticle);
    if (!o.actualizeaza || o.construite) return r;
    if (!c.motivFaraTransmisie.empty() && r.stare == StareOperatie::Facut) r.motiv = c.motivFaraTransmisie;
    return r;
}

}  // namespace vitramor
