#include "import/rii/ImportRii.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <optional>

#include "database/CategoriiMaterial.h"
#include "database/StocareMateriale.h"
#include "dispersion/EcuatieDispersie.h"
#include "import/FisierImport.h"
#include "import/PuncteReprezentative.h"
#include "messages/ListaMesaje.h"
#include "record/NumarCatalog.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

struct Eroare {
    std::string text;
};

// Numbers of a blank-separated text; anything else is an error naming `ce`.
std::vector<double> Numere(std::string_view t, const std::string& ce) {
    std::vector<double> v;
    std::size_t i = 0;
    while (i < t.size()) {
        while (i < t.size() && std::isspace(static_cast<unsigned char>(t[i]))) ++i;
        const std::size_t a = i;
        while (i < t.size() && !std::isspace(static_cast<unsigned char>(t[i]))) ++i;
        if (i == a) break;
        std::string_view c = t.substr(a, i - a);
        if (c.front() == '+') c.remove_prefix(1);
        double x = 0.0;
        const auto [p, ec] = std::from_chars(c.data(), c.data() + c.size(), x, std::chars_format::general);
        const char f = c.empty() ? 'x' : c.front();
        if (c.empty() || ec != std::errc() || p != c.data() + c.size() || !std::isfinite(x) ||
            !(f == '-' || f == '.' || (f >= '0' && f <= '9')))
            throw Eroare{TextFormatat("%s: \"%.30s\" nu este un numar", ce.c_str(), std::string(t.substr(a, i - a)).c_str())};
        v.push_back(x);
    }
    return v;
}

std::string TextNod(const YAML::Node& n) {
    if (!n || n.IsNull()) return {};
    if (n.IsScalar()) return n.Scalar();
    throw Eroare{"o valoare care trebuia sa fie text este o lista sau un dictionar"};
}

std::string FaraEtichete(std::string t) {
    std::string r;
    bool inEticheta = false;
    for (char c : t) {
        if (c == '<') inEticheta = true;
        else if (c == '>' && inEticheta) inEticheta = false;
        else if (!inEticheta) r.push_back(c == '\n' || c == '\r' ? ' ' : c);
    }
    // Entities are decoded in one pass: replacing each kind all over the
    // text again and again takes time that grows with the square of their
    // number, and would decode "&amp;lt;" twice.
    std::string d;
    d.reserve(r.size());
    const std::string_view v(r);
    for (std::size_t i = 0; i < v.size(); ++i) {
        bool gasit = false;
        if (v[i] == '&')
            for (const auto& [entitate, c] : {std::pair{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&nbsp;", ' '}})
                if (v.substr(i).starts_with(entitate)) {
                    d.push_back(c);
                    i += std::strlen(entitate) - 1;
                    gasit = true;
                    break;
                }
        if (!gasit) d.push_back(v[i]);
    }
    while (!d.empty() && d.back() == ' ') d.pop_back();
    return d;
}

struct Tabel {
    std::vector<double> x, y;  // λ µm ascending, value
    double la(double l) const {
        if (x.empty() || l < x.front() || l > x.back()) return 0.0;
        const auto it = std::lower_bound(x.begin(), x.end(), l);
        const std::size_t j = static_cast<std::size_t>(it - x.begin());
        if (j == 0 || x[j] == l) return y[j];
        const double t = (l - x[j - 1]) / (x[j] - x[j - 1]);
        return y[j - 1] + t * (y[j] - y[j - 1]);
    }
};

struct Formula {
    int numar = 0;
    double lo = 0.0, hi = 0.0;
    std::vector<double> c;
};

// The data block of a tabulated entry: `coloane` numbers per line.
std::vector<std::vector<double>> CitesteDate(const std::string& date, int coloane, const std::string& tip) {
    std::vector<std::vector<double>> linii;
    std::size_t i = 0;
    int numar = 0;
    while (i < date.size()) {
        std::size_t s = date.find('\n', i);
        if (s == std::string::npos) s = date.size();
        const std::string_view l(date.data() + i, s - i);
        i = s + 1;
        ++numar;
        const std::vector<double> v = Numere(l, TextFormatat("%s, linia %d a datelor", tip.c_str(), numar));
        if (v.empty()) continue;
        if (static_cast<int>(v.size()) != coloane)
            throw Eroare{TextFormatat("%s, linia %d a datelor are %zu valori, trebuie %d", tip.c_str(), numar, v.size(),
                                  coloane)};
        if (!(v[0] > 0.0)) throw Eroare{TextFormatat("%s, linia %d a datelor: lungimea de unda %g nu este pozitiva",
                                                 tip.c_str(), numar, v[0])};
        linii.push_back(v);
        if (linii.size() > PuncteMaximeRii)
            throw Eroare{TextFormatat("%s are mai mult de %zu puncte; nu este tabelul unui material", tip.c_str(),
                                  PuncteMaximeRii)};
    }
    if (linii.size() < 1) throw Eroare{tip + " nu are date"};
    std::stable_sort(linii.begin(), linii.end(), [](auto& a, auto& b) { return a[0] < b[0]; });
    linii.erase(std::unique(linii.begin(), linii.end(), [](auto& a, auto& b) { return a[0] == b[0]; }), linii.end());
    return linii;
}

// The code-4 or code-1 coefficients of a formula that is exactly one of
// them.
std::optional<std::pair<std::int16_t, std::array<double, 6>>> EcuatieExacta(const Formula& f) {
    const std::vector<double>& c = f.c;
    std::array<double, 6> r{};
    if (f.numar == 1 || f.numar == 2) {
        if (c.empty() || c[0] != 0.0 || c.size() % 2 == 0 || c.size() > 7) return std::nullopt;
        for (std::size_t i = 1, t = 0; i + 1 < c.size(); i += 2, ++t) {
            r[t] = c[i];
            r[3 + t] = f.numar == 1 ? c[i + 1] * c[i + 1] : c[i + 1];
        }
        return std::pair{std::int16_t{4}, r};
    }
    if (f.numar == 3) {
        if (c.empty() || c.size() % 2 == 0) return std::nullopt;
        r[0] = c[0];
        bool folosit[6] = {};
        for (std::size_t i = 1; i + 1 < c.size(); i += 2) {
            const double e = c[i + 1];
            const int slot = e == 2 ? 1 : e == -2 ? 2 : e == -4 ? 3 : e == -6 ? 4 : e == -8 ? 5 : -1;
            if (slot < 0 || folosit[slot]) return std::nullopt;
            folosit[slot] = true;
            r[slot] = c[i];
        }
        return std::pair{std::int16_t{1}, r};
    }
    return std::nullopt;
}

std::uint16_t Nm(double um, bool sus) {
    const double nm = sus ? std::ceil(um * 1000.0 - 1e-6) : std::floor(um * 1000.0 + 1e-6);
    return static_cast<std::uint16_t>(std::clamp(nm, 1.0, 65535.0));
}

class Convertor {
public:
    MaterialRii ruleaza(std::string_view yaml, const std::string& nume, std::uint16_t producator, DomeniuRii domeniu);

private:
    void intrare(const YAML::Node& d, std::size_t index);
    YAML::Node citesteDocumentul(std::string_view yaml, DomeniuRii domeniu);
    void pastreazaDomeniul(DomeniuRii domeniu);
    void alegeTabelul(bool exacta);
    void domenii(bool exacta);
    void abateri();

    std::optional<Tabel> n_, k_;
    std::optional<Formula> formula_;
    std::size_t puncteDate_ = 0;
    MaterialRii r_;
};

void Convertor::intrare(const YAML::Node& d, std::size_t index) {
    if (!d.IsMap()) throw Eroare{TextFormatat("intrarea %zu din DATA nu are tip", index + 1)};
    const std::string tip = TextNod(d["type"]);
    const bool areN = n_ || formula_;
    if (tip == "tabulated nk" || tip == "tabulated n" || tip == "tabulated k") {
        const bool cuN = tip != "tabulated k", cuK = tip != "tabulated n";
        if ((cuN && areN) || (cuK && k_)) {
            r_.mesaje.push_back(TextFormatat("intrarea %zu (%s) repeta date deja citite si nu a fost luata", index + 1,
                                         tip.c_str()));
            return;
        }
        const auto linii = CitesteDate(TextNod(d["data"]), cuN && cuK ? 3 : 2, tip);
        puncteDate_ = std::max(puncteDate_, linii.size());
        Tabel n, k;
        for (const auto& v : linii) {
            if (cuN) n.x.push_back(v[0]), n.y.push_back(v[1]);
            if (cuK) k.x.push_back(v[0]), k.y.push_back(v.back());
        }
        if (cuN) n_ = std::move(n);
        if (cuK) k_ = std::move(k);
    } else if (tip.rfind("formula ", 0) == 0) {
        int numar = 0;
        const auto [p, ec] = std::from_chars(tip.data() + 8, tip.data() + tip.size(), numar);
        if (ec != std::errc() || p != tip.data() + tip.size() || numar < 1 || numar > 9)
            throw Eroare{TextFormatat("tipul \"%.40s\" nu este o formula cunoscuta (formula 1 - formula 9)", tip.c_str())};
        if (areN) {
            r_.mesaje.push_back(TextFormatat("intrarea %zu (%s) repeta indicele n si nu a fost luata", index + 1,
                                         tip.c_str()));
            return;
        }
        Formula f;
        f.numar = numar;
        const std::vector<double> domeniu = Numere(TextNod(d["wavelength_range"]), tip + ", wavelength_range");
        if (domeniu.size() != 2 || !(domeniu[0] > 0.0) || !(domeniu[1] > domeniu[0]))
            throw Eroare{tip + ": wavelength_range trebuie sa fie doua lungimi de unda crescatoare"};
        f.lo = domeniu[0], f.hi = domeniu[1];
        f.c = Numere(TextNod(d["coefficients"]), tip + ", coefficients");
        if (f.c.empty() || f.c.size() > 24) throw Eroare{tip + ": coefficients trebuie sa aiba 1 - 24 de valori"};
        formula_ = std::move(f);
    } else {
        r_.mesaje.push_back(TextFormatat("intrarea %zu de tipul \"%.40s\" nu a fost luata", index + 1, tip.c_str()));
    }
}

// Only the data of the range stay: the tables' points inside it, the
// formula's range cut to it.
void Convertor::pastreazaDomeniul(DomeniuRii domeniu) {
    const double lo = domeniu.deLa / 1000.0, hi = domeniu.panaLa / 1000.0;
    puncteDate_ = 0;
    for (std::optional<Tabel>* t : {&n_, &k_}) {
        if (!*t) continue;
        Tabel taiat;
        for (std::size_t i = 0; i < (*t)->x.size(); ++i)
            if ((*t)->x[i] >= lo && (*t)->x[i] <= hi) taiat.x.push_back((*t)->x[i]), taiat.y.push_back((*t)->y[i]);
        puncteDate_ = std::max(puncteDate_, taiat.x.size());
        if (taiat.x.empty()) t->reset();
        else **t = std::move(taiat);
    }
    if (formula_) {
        formula_->lo = std::max(formula_->lo, lo), formula_->hi = std::min(formula_->hi, hi);
        if (!(formula_->lo < formula_->hi)) formula_.reset();
    }
    if (!n_ && !k_ && !formula_)
        throw Eroare{TextFormatat("intre %g si %g nm fisierul nu are date", domeniu.deLa, domeniu.panaLa)};
    r_.mesaje.push_back(TextFormatat("s-au luat doar datele dintre %g si %g nm", domeniu.deLa, domeniu.panaLa));
}

// What the stored table gives against the file's own values, at every point
// of the file: the figure by which the user can judge the table.
void Convertor::abateri() {
    const MaterialOptic& m = r_.m;
    const auto abatere = [&](int care, const std::vector<double>& x, const auto& valoare) {
        double maxim = 0.0;
        for (double l : x) {
            float v = 0.0f;
            IndiceMaterial(m, care, static_cast<float>(l * 1000.0), v);
            maxim = std::max(maxim, std::fabs(static_cast<double>(v) - valoare(l)));
        }
        return maxim;
    };
    if (m.ec_dispersie_n == EcuatieTabelata) {
        if (n_) {
            r_.abatereN = abatere(0, n_->x, [&](double l) { return n_->la(l); });
        } else if (formula_) {
            std::vector<double> x;
            for (int i = 0; i <= 2000; ++i) x.push_back(formula_->lo + (formula_->hi - formula_->lo) * i / 2000.0);
            r_.abatereN = abatere(0, x, [&](double l) { return IndiceFormulaRii(formula_->numar, formula_->c, l); });
        }
    }
    if (k_) r_.abatereK = abatere(1, k_->x, [&](double l) { return k_->la(l); });
    std::string t;
    if (r_.abatereN >= 0.0) t = TextFormatat("%.2e in n", r_.abatereN);
    if (r_.abatereK >= 0.0) t += (t.empty() ? "" : " si ") + TextFormatat("%.2e in k", r_.abatereK);
    int puncte = 0;
    while (puncte < NumarSloturiTabel && m.lambda_indici[puncte] > 0.0f) ++puncte;
    if (!t.empty()) r_.textAbatere = TextFormatat("tabelul salvat (%d puncte) se abate de la fisier cu cel mult ", puncte) + t;
}

// The references, every entry of DATA, and only the range asked for.
YAML::Node Convertor::citesteDocumentul(std::string_view yaml, DomeniuRii domeniu) {
    YAML::Node radacina;
    try {
        radacina = YAML::Load(std::string(yaml));
    } catch (const YAML::Exception& e) {
        throw Eroare{TextFormatat("fisierul nu este YAML valid (linia %d): %s", e.mark.line + 1, e.msg.c_str())};
    }
    if (!radacina.IsMap()) throw Eroare{"fisierul nu are DATA: nu este un fisier refractiveindex.info"};
    for (const char* cheie : {"REFERENCES", "COMMENTS"}) {
        const std::string t = FaraEtichete(TextNod(radacina[cheie]));
        if (!t.empty()) r_.referinte.push_back(std::string(cheie) + ": " + t);
    }
    const YAML::Node date = radacina["DATA"];
    if (!date || !date.IsSequence() || date.size() == 0)
        throw Eroare{"fisierul nu are DATA: nu este un fisier refractiveindex.info"};
    for (std::size_t i = 0; i < date.size(); ++i) intrare(date[i], i);
    if (!n_ && !k_ && !formula_) throw Eroare{"DATA nu contine nici tabele n, k, nici formule"};
    if (domeniu.dat()) pastreazaDomeniul(domeniu);
    return radacina;
}

// The wavelengths the table is chosen from: the data's own, and a fine grid
// over a formula's range; as many as the table holds, those that follow the
// curves best.
void Convertor::alegeTabelul(bool exacta) {
    MaterialOptic& m = r_.m;
    std::vector<double> x;
    if (n_) x = n_->x;
    if (k_) x.insert(x.end(), k_->x.begin(), k_->x.end());
    if (formula_ && !k_) {
        for (int i = 0; i <= 400; ++i) x.push_back(formula_->lo + (formula_->hi - formula_->lo) * i / 400.0);
    }
    std::sort(x.begin(), x.end());
    x.erase(std::unique(x.begin(), x.end()), x.end());
    CurbaEsantionata cn, ck;
    for (double l : x) {
        cn.y.push_back(formula_ ? (l >= formula_->lo && l <= formula_->hi ? IndiceFormulaRii(formula_->numar, formula_->c, l) : 0.0)
                                : n_ ? n_->la(l) : 0.0);
        ck.y.push_back(k_ ? k_->la(l) : 0.0);
    }
    std::vector<CurbaEsantionata> curbe;
    if (n_ || formula_) curbe.push_back(cn);
    if (k_) curbe.push_back(ck);
    const std::vector<std::size_t> alese = PuncteReprezentative(x, curbe, NumarSloturiEditabile);
    if (alese.size() < x.size() && puncteDate_ > 0)
        r_.mesaje.push_back(TextFormatat("datele au %zu puncte; s-au pastrat cele %zu care urmeaza cel mai bine curbele",
                                     x.size(), alese.size()));
    else if (alese.size() < x.size() && !exacta)
        r_.mesaje.push_back(TextFormatat("formula %d nu este o ecuatie de dispersie a programului; valorile ei sunt "
                                     "in tabelul de indici (%zu puncte)",
                                     formula_->numar, alese.size()));
    for (std::size_t i = 0; i < alese.size(); ++i) {
        m.lambda_indici[i] = static_cast<float>(x[alese[i]] * 1000.0);
        m.indice_n[i] = cn.y[alese[i]];
        m.indice_k[i] = ck.y[alese[i]];
    }
}

void Convertor::domenii(bool exacta) {
    MaterialOptic& m = r_.m;
    if (!exacta && (n_ || formula_)) m.ec_dispersie_n = EcuatieTabelata;
    if (formula_) {
        m.domeniu_n[0] = Nm(formula_->lo, false), m.domeniu_n[1] = Nm(formula_->hi, true);
    } else if (n_) {
        m.domeniu_n[0] = Nm(n_->x.front(), false), m.domeniu_n[1] = Nm(n_->x.back(), true);
    }
    if (k_) {
        m.ec_dispersie_k = EcuatieTabelata;
        m.domeniu_k[0] = Nm(k_->x.front(), false), m.domeniu_k[1] = Nm(k_->x.back(), true);
    } else {
        m.domeniu_k[0] = DomeniuImplicitInferior, m.domeniu_k[1] = DomeniuImplicitSuperior;
    }
    if (!n_ && !formula_) {
        // Only k is known: the n range follows it, so that the range check
        // does not flag a material that claims nothing about n.
        m.domeniu_n[0] = m.domeniu_k[0], m.domeniu_n[1] = m.domeniu_k[1];
    }
}

MaterialRii Convertor::ruleaza(std::string_view yaml, const std::string& nume, std::uint16_t producator,
                               DomeniuRii domeniu) {
    YAML::Node radacina = citesteDocumentul(yaml, domeniu);
    MaterialOptic& m = r_.m;
    std::memset(&m, 0, sizeof m);
    std::strncpy(m.nume, nume.c_str(), sizeof m.nume - 1);
    m.producator = producator;

    const auto exacta = formula_ ? EcuatieExacta(*formula_) : std::nullopt;
    if (exacta) {
        m.ec_dispersie_n = exacta->first;
        std::copy(exacta->second.begin(), exacta->second.end(), m.coef_disp_n);
        r_.mesaje.push_back(TextFormatat("formula %d pastrata exact ca ecuatia de dispersie cod %d", formula_->numar,
                                     exacta->first));
    }
    alegeTabelul(exacta.has_value());
    domenii(exacta.has_value());
    // The density under SPECS, as the maker's data and this program's own
    // export give it (g/cm3).
    double densitate = 0.0;
    if (const YAML::Node specs = radacina["SPECS"];
        specs && specs.IsMap() && NumarCatalog(TextNod(specs["density"]), densitate) && densitate > 0.0 &&
        densitate < 100.0)
        m.densitate = static_cast<float>(densitate);
    abateri();
    r_.ok = true;
    return std::move(r_);
}

}  // namespace

double IndiceFormulaRii(int formula, const std::vector<double>& cv, double x) {
    std::vector<double> c = cv;
    c.resize(std::max<std::size_t>(c.size(), 17), 0.0);
    const std::size_t n = cv.size();
    const double l2 = x * x;
    double v = 0.0;
    switch (formula) {
        case 1:
        case 2:
            v = 1.0 + c[0];
            for (std::size_t i = 1; i + 1 < n; i += 2)
                v += c[i] * l2 / (l2 - (formula == 1 ? c[i + 1] * c[i + 1] : c[i + 1]));
            break;
        case 3:
            v = c[0];
            for (std::size_t i = 1; i + 1 < n; i += 2) v += c[i] * std::pow(x, c[i + 1]);
            break;
        case 4:
            v = c[0] + c[1] * std::pow(x, c[2]) / (l2 - std::pow(c[3], c[4])) +
                c[5] * std::pow(x, c[6]) / (l2 - std::pow(c[7], c[8]));
            for (std::size_t i = 9; i + 1 < n; i += 2) v += c[i] * std::pow(x, c[i + 1]);
            break;
        case 5: {
            double r = c[0];
            for (std::size_t i = 1; i + 1 < n; i += 2) r += c[i] * std::pow(x, c[i + 1]);
            return std::isfinite(r) && r > 0.0 ? r : 0.0;
        }
        case 6: {
            double r = 1.0 + c[0];
            for (std::size_t i = 1; i + 1 < n; i += 2) r += c[i] / (c[i + 1] - 1.0 / l2);
            return std::isfinite(r) && r > 0.0 ? r : 0.0;
        }
        case 7: {
            const double L = 1.0 / (l2 - 0.028);
            const double r = c[0] + c[1] * L + c[2] * L * L + c[3] * l2 + c[4] * l2 * l2 + c[5] * l2 * l2 * l2;
            return std::isfinite(r) && r > 0.0 ? r : 0.0;
        }
        case 8: {
            const double q = c[0] + c[1] * l2 / (l2 - c[2]) + c[3] * l2;
            v = (1.0 + 2.0 * q) / (1.0 - q);
            break;
        }
        case 9: v = c[0] + c[1] / (l2 - c[2]) + c[3] * (x - c[4]) / ((x - c[4]) * (x - c[4]) + c[5]); break;
        default: return 0.0;
    }
    return std::isfinite(v) && v > 0.0 ? std::sqrt(v) : 0.0;
}

MaterialRii CitesteMaterialRii(std::string_view yaml, const std::string& nume, std::uint16_t producator,
                               DomeniuRii domeniu) {
    try {
        return Convertor().ruleaza(yaml, nume, producator, domeniu);
    } catch (const Eroare& e) {
        MaterialRii r;
        r.eroare = e.text;
        return r;
    } catch (const YAML::Exception& e) {
        MaterialRii r;
        r.eroare = TextFormatat("fisierul nu are structura unui fisier refractiveindex.info: %s", e.msg.c_str());
        return r;
    }
}

RezultatOperatie ImportaFisierRii(Fereastra owner, const std::string& directorSticle, const std::string& cale,
                                  const std::string& nume, std::uint16_t producator, DomeniuRii domeniu,
                                  int categorieAleasa) {
    std::string octeti;
    if (RezultatOperatie citit = CitesteFisierImport(cale, octeti); citit.stare == StareOperatie::Esuat) return citit;
    MaterialRii r = CitesteMaterialRii(octeti, nume, producator, domeniu);
    RezultatOperatie rezultat;
    if (!r.ok) {
        rezultat = RezultatOperatie::Esec(cale + ": " + r.eroare);
    } else {
        for (const std::string& t : r.referinte) AfiseazaMesajInLista(cale + ": " + t, NivelInformatie);
        for (const std::string& t : r.mesaje) AfiseazaMesajInLista(cale + ": " + t, NivelInformatie);
        CategoriiImport categorii(directorSticle, categorieAleasa);
        r.m.categorie = categorii.categorie(r.m);
        OptiuniStocare o(platforma());
        o.sursa = SursaDinOcteti(cale, octeti);
        o.titlu = TitluImportRii;
        rezultat = StocheazaMateriale(owner, directorSticle, {&r.m, 1}, o);
        if (rezultat.schimbate() > 0) {
            if (!r.textAbatere.empty()) rezultat.note.push_back(r.textAbatere);
            if (const std::string t = categorii.raport(); !t.empty()) rezultat.note.push_back(t);
        }
    }
    return rezultat;
}

}  // namespace vitramor
