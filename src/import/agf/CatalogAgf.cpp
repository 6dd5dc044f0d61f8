#include "import/agf/CatalogAgf.h"

#include <algorithm>
#include <cmath>

#include <QString>
#include <string>

#include "record/CodificareText.h"
#include "record/NumarCatalog.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

// The text of a UTF-16 file, in the byte order its mark gave, as the record
// texts' Windows-1252.
std::string DinUtf16(std::string_view o, bool bigEndian) {
    std::u16string u;
    u.reserve(o.size() / 2);
    for (std::size_t i = 0; i + 1 < o.size(); i += 2) {
        const auto a = static_cast<unsigned char>(o[i]), b = static_cast<unsigned char>(o[i + 1]);
        u.push_back(static_cast<char16_t>(bigEndian ? (a << 8 | b) : (b << 8 | a)));
    }
    return Windows1252DinQt(QString::fromStdU16String(u));
}

std::string DinUtf8(std::string_view o) {
    return Windows1252DinQt(QString::fromUtf8(o.data(), static_cast<qsizetype>(o.size())));
}

// The blank-separated fields of a line, into a vector the caller reuses:
// a catalogue has tens of thousands of lines.
void Campuri(std::string_view linie, std::vector<std::string_view>& c) {
    c.clear();
    std::size_t i = 0;
    while (i < linie.size()) {
        while (i < linie.size() && (linie[i] == ' ' || linie[i] == '\t')) ++i;
        const std::size_t inceput = i;
        while (i < linie.size() && linie[i] != ' ' && linie[i] != '\t') ++i;
        if (i > inceput) c.push_back(linie.substr(inceput, i - inceput));
    }
}

// A whole field as a number.
bool Numar(std::string_view t, double& v) { return NumarCatalog(t, v); }

std::string Citat(std::string_view t) {
    std::string r(t.substr(0, 30));
    for (char& c : r)
        if (static_cast<unsigned char>(c) < ' ') c = '?';
    return t.size() > 30 ? r + "..." : r;
}

// What a field of a line holds. Makers write `-` where they know no value,
// and leave off fields at the end of a line; both are a value not given.
enum class Camp { Numar, Lipsa, Gresit };

// The fields of a line, the keyword first.
struct CampuriLinie {
    std::vector<std::string_view> texte;
    std::size_t numar = 0;  // fields after the keyword

    void imparte(std::string_view linie) {
        Campuri(linie, texte);
        numar = texte.empty() ? 0 : texte.size() - 1;
    }
    // Field i (1 is the first after the keyword), its number in `v`.
    Camp camp(std::size_t i, double& v) const {
        if (i > numar || texte[i] == "-") return Camp::Lipsa;
        return Numar(texte[i], v) ? Camp::Numar : Camp::Gresit;
    }
    // Field i as the messages quote it; "-" for one not given.
    std::string text(std::size_t i) const { return i > numar ? "-" : Citat(texte[i]); }
};

// Fields `de` to `pana` (exclusive) of a line that a glass can do without.
// One not given leaves its value in `iesire`, the record's empty value; one
// that is not a number is left out the same way, with a warning naming it.
void CampuriOptionale(SticlaAgf& s, int linie, std::string_view cuvant, const CampuriLinie& c, std::size_t de,
                      std::size_t pana, double* iesire) {
    for (std::size_t i = de; i < pana; ++i) {
        double v = 0.0;
        const Camp k = c.camp(i, v);
        if (k == Camp::Numar) iesire[i - de] = v;
        if (k == Camp::Gresit)
            s.avertizari.push_back(TextFormatat("linia %d: campul %zu al liniei %.*s, \"%s\", nu este un numar; nu a "
                                                "fost luat",
                                                linie, i, static_cast<int>(cuvant.size()), cuvant.data(),
                                                c.text(i).c_str()));
    }
}

bool Intreg(double v) { return v == std::floor(v) && std::fabs(v) < 1e6; }

// Only the name and the formula are needed: the rest of the line may be
// missing or `-`.
void CitesteNM(SticlaAgf& s, int linie, const CampuriLinie& c) {
    s.linie = linie;
    if (c.numar < 1) {
        s.erori.push_back(TextFormatat("linia %d: linia NM nu are numele sticlei", linie));
        return;
    }
    s.nume = std::string(c.texte[1]);
    double formula = 0.0;
    const Camp k = c.camp(2, formula);
    if (k == Camp::Lipsa) {
        s.erori.push_back(TextFormatat("linia %d: linia NM nu da formula de dispersie", linie));
        return;
    }
    if (k == Camp::Gresit || !Intreg(formula) || formula < 1 || formula > FormulaAgfMaxima) {
        s.erori.push_back(TextFormatat("linia %d: formula de dispersie %s nu exista (formulele sunt 1 - %d)", linie,
                                       c.text(2).c_str(), FormulaAgfMaxima));
        return;
    }
    s.formula = static_cast<int>(formula);
    if (c.numar >= 3) s.mil = std::string(c.texte[3]);
    double v[2] = {};
    CampuriOptionale(s, linie, "NM", c, 4, 6, v);
    s.nd = v[0], s.vd = v[1];
    double stare = 0.0;
    const Camp ks = c.camp(7, stare);
    if (ks == Camp::Numar && Intreg(stare) && stare >= 0 && stare <= 4)
        s.stare = static_cast<int>(stare);
    else if (ks != Camp::Lipsa)
        s.avertizari.push_back(TextFormatat("linia %d: starea %s nu este una cunoscuta; sticla e luata ca standard",
                                            linie, c.text(7).c_str()));
}

void CitesteLinie(SticlaAgf& s, int linie, std::string_view cuvant, const CampuriLinie& c) {
    if (cuvant == "CD") {
        if (s.areCd) {
            s.avertizari.push_back(TextFormatat("linia %d: a doua linie CD a sticlei nu a fost luata in seama", linie));
            return;
        }
        s.areCd = true;
        s.numarCd = static_cast<int>(std::min<std::size_t>(c.numar, CoeficientiAgfMaxim));
        // A coefficient the formula reads must be there; the others may be
        // anything, and are 0.
        const int nevoie = CoeficientiFormulaAgf(s.formula);
        for (int i = 1; i <= s.numarCd; ++i) {
            double v = 0.0;
            if (c.camp(static_cast<std::size_t>(i), v) == Camp::Numar)
                s.cd[static_cast<std::size_t>(i - 1)] = v;
            else if (i <= nevoie)
                s.erori.push_back(TextFormatat("linia %d: coeficientul %d al liniei CD, \"%s\", nu este un numar; "
                                               "formula %d are nevoie de %d coeficienti",
                                               linie, i, c.text(static_cast<std::size_t>(i)).c_str(), s.formula,
                                               nevoie));
        }
    } else if (cuvant == "ED") {
        double v[3] = {};
        CampuriOptionale(s, linie, cuvant, c, 1, 4, v);
        s.areEd = true;
        s.dilatareJoasa = v[0], s.dilatareInalta = v[1], s.densitate = v[2];
    } else if (cuvant == "TD") {
        double v[8] = {};
        CampuriOptionale(s, linie, cuvant, c, 1, 9, v);
        s.areTd = true;
        s.tg = v[7];
    } else if (cuvant == "OD") {
        double v[6] = {-1, -1, -1, -1, -1, -1};
        CampuriOptionale(s, linie, cuvant, c, 1, 7, v);
        s.areOd = true;
        std::copy(v, v + 6, s.od.begin());
    } else if (cuvant == "LD") {
        // A range that is not one (LD 0 0, where the maker gives none) is no
        // range: the glass gets the one of a glass without LD line.
        double v[2] = {};
        if (c.camp(1, v[0]) != Camp::Numar || c.camp(2, v[1]) != Camp::Numar || !(v[0] > 0.0) || !(v[1] > v[0])) {
            s.avertizari.push_back(TextFormatat("linia %d: LD %s %s nu este un domeniu; nu a fost luat", linie,
                                                c.text(1).c_str(), c.text(2).c_str()));
            return;
        }
        s.areLd = true;
        s.lambdaMinUm = v[0], s.lambdaMaxUm = v[1];
    } else if (cuvant == "IT") {
        double v[3] = {};
        const bool date = c.camp(1, v[0]) == Camp::Numar && c.camp(2, v[1]) == Camp::Numar &&
                          c.camp(3, v[2]) == Camp::Numar;
        if (!date || !(v[0] > 0.0) || !(v[1] >= 0.0 && v[1] <= 1.0) || !(v[2] > 0.0)) {
            s.avertizari.push_back(TextFormatat("linia %d: punctul de transmisie %s um, %s, %s mm nu a fost luat "
                                                "(transmisia e intre 0 si 1, grosimea pozitiva)",
                                                linie, c.text(1).c_str(), c.text(2).c_str(), c.text(3).c_str()));
            return;
        }
        s.transmisie.push_back({v[0], v[1], v[2]});
    }
}

void Verifica(SticlaAgf& s) {
    if (!s.erori.empty() || s.formula == 0) return;
    if (!s.areCd) {
        s.erori.push_back("lipseste linia CD cu coeficientii de dispersie");
        return;
    }
    const int nevoie = CoeficientiFormulaAgf(s.formula);
    if (s.numarCd < nevoie)
        s.erori.push_back(TextFormatat("linia CD are %d coeficienti, formula %d are nevoie de %d", s.numarCd, s.formula,
                                   nevoie));
}

}  // namespace

std::string TextStareAgf(int stare) {
    static const char* const texte[] = {"standard", "preferred", "obsolete", "special", "melt"};
    return stare >= 0 && stare <= 4 ? texte[stare] : std::to_string(stare);
}

std::string TextAgfWindows1252(std::string_view o) {
    if (o.size() >= 2 && static_cast<unsigned char>(o[0]) == 0xFF && static_cast<unsigned char>(o[1]) == 0xFE)
        return DinUtf16(o.substr(2), false);
    if (o.size() >= 2 && static_cast<unsigned char>(o[0]) == 0xFE && static_cast<unsigned char>(o[1]) == 0xFF)
        return DinUtf16(o.substr(2), true);
    if (o.size() >= 3 && o.substr(0, 3) == "\xEF\xBB\xBF") return DinUtf8(o.substr(3));
    return std::string(o);
}

namespace {

// The lines of `text`, numbered from `primaLinie` on, into `catalog`.
void CitesteLinii(std::string_view text, int primaLinie, CatalogAgf& catalog) {
    CampuriLinie c;
    SticlaAgf* curenta = nullptr;
    int linie = primaLinie - 1;
    for (std::size_t i = 0; i <= text.size();) {
        ++linie;
        std::size_t sfarsit = text.find('\n', i);
        if (sfarsit == std::string_view::npos) sfarsit = text.size();
        std::string_view l(text.data() + i, sfarsit - i);
        i = sfarsit + 1;
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        c.imparte(l);
        if (c.texte.empty()) continue;
        if (c.texte[0] == "NM") {
            if (curenta) Verifica(*curenta);
            curenta = &catalog.sticle.emplace_back();
            CitesteNM(*curenta, linie, c);
        } else if (c.texte[0] == "CC") {
            const std::size_t dupa = l.find("CC") + 2;
            catalog.comentarii.emplace_back(l.substr(std::min(dupa + 1, l.size())));
        } else if (curenta) {
            CitesteLinie(*curenta, linie, c.texte[0], c);
        }
    }
    if (curenta) Verifica(*curenta);
}

}  // namespace

CatalogAgf CitesteCatalogAgf(std::string_view octeti) {
    // Only a file with a byte-order mark needs converting; the rest is read
    // in place.
    std::string convertit;
    std::string_view text = octeti;
    if (octeti.size() >= 2 && (octeti.substr(0, 2) == "\xFF\xFE" || octeti.substr(0, 2) == "\xFE\xFF" ||
                               octeti.substr(0, 3) == "\xEF\xBB\xBF"))
        text = convertit = TextAgfWindows1252(octeti);
    CatalogAgf catalog;
    CitesteLinii(text, 1, catalog);
    return catalog;
}

int ProducatorDinNumeFisierAgf(std::string_view numeFisier) {
    const std::size_t bara = numeFisier.find_last_of("/\\");
    std::string nume(bara == std::string_view::npos ? numeFisier : numeFisier.substr(bara + 1));
    for (char& c : nume) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    static const std::pair<const char*, int> producatori[] = {
        {"lzos", 0},        {"schott", 2}, {"hoya", 3},    {"ohara", 6},    {"corning", 7},  {"pilkington", 8},
        {"cdgm", 9},        {"chengdu", 9}, {"sumita", 11}, {"umicore", 12}, {"heraeus", 13}, {"saint", 14},
    };
    for (const auto& [text, cod] : producatori)
        if (nume.find(text) != std::string::npos) return cod;
    return -1;
}

}  // namespace vitramor
