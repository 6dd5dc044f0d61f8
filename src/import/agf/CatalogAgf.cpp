#include "import/agf/CatalogAgf.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>

#include <QString>
#include <string>

#include "dispersion/EcuatieDispersie.h"
#include "dispersion/FormuleAgf.h"
#include "dispersion/PotrivireEcuatie.h"
#include "editors/LiniiSpectrale.h"
#include "import/schott/ImportSchott.h"
#include "import/NumarZecimal.h"
#include "import/PuncteReprezentative.h"
#include "platform/DouaFire.h"
#include "record/CodificareText.h"
#include "suite/FisierCatalog.h"

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

// The signed number that starts `t`, as catalogues write it (an optional
// '+', then an optional '-'): its length, 0 when there is none. "nan",
// "inf" and text are not numbers of a catalogue.
std::size_t NumarCuSemn(std::string_view t, double& v) {
    std::size_t i = 0;
    if (i < t.size() && t[i] == '+') ++i;
    const bool negativ = i < t.size() && t[i] == '-';
    if (negativ) ++i;
    const std::size_t n = CitesteZecimal(t.substr(i), v);
    if (n == 0) return 0;
    if (negativ) v = -v;
    return i + n;
}

// A whole field as a number.
bool Numar(std::string_view t, double& v) { return !t.empty() && NumarCuSemn(t, v) == t.size(); }

std::string Citat(std::string_view t) {
    std::string r(t.substr(0, 30));
    for (char& c : r)
        if (static_cast<unsigned char>(c) < ' ') c = '?';
    return t.size() > 30 ? r + "..." : r;
}

// What a field of a line holds. Makers write `-` where they know no value,
// and leave off fields at the end of a line; both are a value not given.
enum class Camp { Numar, Lipsa, Gresit };

// The fields of a line, the keyword first. A line whose fields after the
// keyword are all numbers or `-` (most lines of a catalogue) is read in one
// pass straight into `numere`, a `-` as not-a-number, which no number of a
// catalogue reads as; only a line with another field is split into texts,
// for the reading that tells which field it is.
struct CampuriLinie {
    static constexpr std::size_t Maxim = 16;
    std::vector<std::string_view> texte;
    double numere[Maxim];
    bool citite = false;  // the fields after the keyword are in `numere`
    std::size_t numar = 0;  // fields after the keyword

    void imparte(std::string_view linie) {
        citite = false;
        Campuri(linie, texte);
        numar = texte.empty() ? 0 : texte.size() - 1;
    }
    // The numbers after a two-letter keyword; false when a field is neither
    // a number nor `-`.
    bool citesteNumere(std::string_view linie) {
        citite = false;
        numar = 0;
        std::size_t i = 2;
        for (;;) {
            while (i < linie.size() && (linie[i] == ' ' || linie[i] == '\t')) ++i;
            if (i == linie.size()) break;
            if (numar == Maxim) return false;
            double& v = numere[numar++];
            std::size_t n = NumarCuSemn(linie.substr(i), v);
            if (n == 0 && linie[i] == '-') v = std::numeric_limits<double>::quiet_NaN(), n = 1;
            i += n;
            if (n == 0 || (i < linie.size() && linie[i] != ' ' && linie[i] != '\t')) return false;
        }
        citite = true;
        return true;
    }
    // Field i (1 is the first after the keyword), its number in `v`.
    Camp camp(std::size_t i, double& v) const {
        if (i > numar) return Camp::Lipsa;
        if (citite) {
            v = numere[i - 1];
            return std::isnan(v) ? Camp::Lipsa : Camp::Numar;
        }
        if (texte[i] == "-") return Camp::Lipsa;
        return Numar(texte[i], v) ? Camp::Numar : Camp::Gresit;
    }
    // Field i as the messages quote it; "-" for one not given.
    std::string text(std::size_t i) const {
        if (i > numar) return "-";
        if (!citite) return Citat(texte[i]);
        return std::isnan(numere[i - 1]) ? "-" : TextFormatat("%g", numere[i - 1]);
    }
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

// ---- record ------------------------------------------------------------

// Intervals of the even spread a formula is fitted on: dense enough that a
// degree-11 polynomial cannot stray between two points.
constexpr int PunctePotrivire = 120;

void CopiazaText(char* camp, std::size_t marime, const std::string& text) {
    std::memset(camp, 0, marime);
    std::memcpy(camp, text.data(), std::min(text.size(), marime - 1));
}

// The nm bounds of a µm range in the record's 16-bit words.
std::uint16_t Nm(double um, bool sus) {
    const double nm = sus ? std::ceil(um * 1000.0 - 1e-6) : std::floor(um * 1000.0 + 1e-6);
    return static_cast<std::uint16_t>(std::clamp(nm, 1.0, 65535.0));
}

void Transmisie(const SticlaAgf& s, MaterialOptic& m, std::vector<std::string>& mesaje) {
    const auto inainte = [](const PunctTransmisieAgf& a, const PunctTransmisieAgf& b) { return a.lambdaUm < b.lambdaUm; };
    // Catalogues list the lines in order; only a file that does not is sorted.
    std::vector<PunctTransmisieAgf> sortate;
    const std::vector<PunctTransmisieAgf>* p = &s.transmisie;
    if (!std::is_sorted(p->begin(), p->end(), inainte)) {
        sortate = s.transmisie;
        std::stable_sort(sortate.begin(), sortate.end(), inainte);
        p = &sortate;
    }
    // Two lines of the same wavelength (to the nm) would give one slot two values.
    std::vector<PunctTransmisieAgf> unice;
    unice.reserve(p->size());
    long nmAnterior = -1;
    for (const auto& q : *p) {
        if (q.lambdaUm * 1000.0 > 65535.0) continue;
        const long nm = std::lround(q.lambdaUm * 1000);
        if (unice.empty() || nm != nmAnterior) unice.push_back(q);
        nmAnterior = nm;
    }
    if (unice.empty()) return;
    // The reference thickness is the one most points were measured at; every
    // point keeps its own absorption coefficient whatever its thickness.
    // Ties go to the thickness met first along the wavelengths. Nearly
    // every catalogue measures all its points at one thickness.
    double grosime = unice.front().grosimeMm;
    const bool oGrosime = std::all_of(unice.begin(), unice.end(), [&](auto& q) { return q.grosimeMm == grosime; });
    if (!oGrosime) {
        std::map<double, std::size_t> numarPeGrosime;
        for (const auto& q : unice) ++numarPeGrosime[q.grosimeMm];
        std::size_t celMaiDes = 0;
        for (const auto& q : unice) {
            const std::size_t k = numarPeGrosime[q.grosimeMm];
            if (k > celMaiDes) celMaiDes = k, grosime = q.grosimeMm;
        }
    }
    m.grosime_transmisie = static_cast<float>(grosime);
    // Points that fit the slots go in as they are; only a longer curve needs
    // choosing, and the transmittances it is chosen by.
    if (unice.size() <= static_cast<std::size_t>(NumarSloturiEditabile)) {
        for (std::size_t i = 0; i < unice.size(); ++i) {
            m.lambda_Ti[i] = static_cast<std::uint16_t>(std::lround(unice[i].lambdaUm * 1000.0));
            m.transmisia_interna[i] = AbsorbtieDinTransmisieCatalog(static_cast<float>(unice[i].tau),
                                                                    static_cast<float>(unice[i].grosimeMm));
        }
        return;
    }
    std::vector<double> x, alfa, tau;
    x.reserve(unice.size()), alfa.reserve(unice.size()), tau.reserve(unice.size());
    for (const auto& q : unice) {
        x.push_back(q.lambdaUm);
        alfa.push_back(AbsorbtieDinTransmisieCatalog(static_cast<float>(q.tau), static_cast<float>(q.grosimeMm)));
        tau.push_back(std::exp(-alfa.back() * grosime));
    }
    const std::vector<std::size_t> alese = PuncteReprezentative(x, {{tau}}, NumarSloturiEditabile);
    if (alese.size() < unice.size())
        mesaje.push_back(TextFormatat("transmisia are %zu puncte; s-au pastrat cele %zu care urmeaza cel mai bine curba",
                                  unice.size(), alese.size()));
    for (std::size_t i = 0; i < alese.size(); ++i) {
        m.lambda_Ti[i] = static_cast<std::uint16_t>(std::lround(x[alese[i]] * 1000.0));
        m.transmisia_interna[i] = static_cast<float>(alfa[alese[i]]);
    }
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

bool Delimitator(std::string_view text, std::size_t i) {
    if (i == text.size()) return true;
    const char c = text[i];
    return c == ' ' || c == '\t' || c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] == '\n'));
}

// An IT line in the usual form ("IT", three numbers, the transmittance
// between 0 and 1, wavelength and thickness positive) straight into the
// glass, read in one pass that also finds the line's end: most lines of a
// catalogue are these. The position of the line's end ('\n' or the end of
// the text), or npos for anything else, which is left to the general
// reading, which also tells what is wrong.
std::size_t PunctTransmisieRapid(std::string_view text, std::size_t i, SticlaAgf& s) {
    constexpr std::size_t Nu = std::string_view::npos;
    if (text.size() - i < 3 || text[i] != 'I' || text[i + 1] != 'T' || (text[i + 2] != ' ' && text[i + 2] != '\t'))
        return Nu;
    i += 2;
    double v[3];
    for (double& valoare : v) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        const std::size_t n = NumarCuSemn(text.substr(i), valoare);
        if (n == 0 || !Delimitator(text, i + n)) return Nu;
        i += n;
    }
    if (!(v[0] > 0.0) || !(v[1] >= 0.0 && v[1] <= 1.0) || !(v[2] > 0.0)) return Nu;
    // Room for a whole curve at once: catalogues give a few dozen points.
    if (s.transmisie.empty()) s.transmisie.reserve(NumarSloturiEditabile);
    s.transmisie.push_back({v[0], v[1], v[2]});
    // Fields after the third are not read, here as in the general reading.
    if (i == text.size() || text[i] == '\n') return i;
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] == '\n')) return i + 1;
    const std::size_t sfarsit = text.find('\n', i);
    return sfarsit == Nu ? text.size() : sfarsit;
}

// A line of a keyword whose fields are all numbers, the keyword at the
// start of the line as catalogues write it.
bool EsteLinieNumerica(std::string_view l) {
    if (l.size() < 3 || (l[2] != ' ' && l[2] != '\t')) return false;
    const std::string_view cuvant = l.substr(0, 2);
    return cuvant == "CD" || cuvant == "ED" || cuvant == "TD" || cuvant == "OD" || cuvant == "LD";
}

// The lines of `text`, numbered from `primaLinie` on, into `catalog`.
void CitesteLinii(std::string_view text, int primaLinie, CatalogAgf& catalog) {
    CampuriLinie c;
    SticlaAgf* curenta = nullptr;
    int linie = primaLinie - 1;
    for (std::size_t i = 0; i <= text.size();) {
        ++linie;
        std::size_t sfarsit = curenta ? PunctTransmisieRapid(text, i, *curenta) : std::string_view::npos;
        if (sfarsit != std::string_view::npos) {
            i = sfarsit + 1;
            if (sfarsit == text.size()) break;
            continue;
        }
        sfarsit = text.find('\n', i);
        if (sfarsit == std::string::npos) sfarsit = text.size();
        std::string_view l(text.data() + i, sfarsit - i);
        i = sfarsit + 1;
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        if (curenta && EsteLinieNumerica(l) && c.citesteNumere(l)) {
            CitesteLinie(*curenta, linie, l.substr(0, 2), c);
        } else {
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
        if (sfarsit == text.size()) break;
    }
    if (curenta) Verifica(*curenta);
}

// The line ends of a text. Counted in byte counters the compiler keeps in
// vector registers: a plain count of a megabyte costs a tenth as much again
// as reading its half of the catalogue.
int NumarLinii(std::string_view text) {
    long total = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t i = 0;
    while (i < text.size()) {
        // At most 255 rounds, so that no counter overflows.
        const std::size_t bloc = std::min<std::size_t>(text.size() - i, 255 * 16);
        unsigned char contor[16] = {};
        std::size_t j = 0;
        for (; j + 16 <= bloc; j += 16)
            for (int b = 0; b < 16; ++b) contor[b] += p[i + j + b] == '\n';
        for (int b = 0; b < 16; ++b) total += contor[b];
        for (; j < bloc; ++j) total += p[i + j] == '\n';
        i += bloc;
    }
    return static_cast<int>(total);
}

// Where the second half of a large catalogue may start: the first NM line
// after the middle, so that no glass is cut in two. 0 when there is none.
std::size_t JumatateLaSticla(std::string_view text) {
    constexpr std::size_t PragDouaFire = 256 * 1024;
    if (text.size() < PragDouaFire) return 0;
    for (std::size_t i = text.find('\n', text.size() / 2); i != std::string_view::npos; i = text.find('\n', i + 1)) {
        const std::string_view rest = text.substr(i + 1);
        if (rest.size() > 3 && rest.substr(0, 2) == "NM" && (rest[2] == ' ' || rest[2] == '\t')) return i + 1;
    }
    return 0;
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
    // A glass of a full catalogue takes a kilobyte or two of text.
    catalog.sticle.reserve(text.size() / 1024 + 1);
    // A manufacturer's whole catalogue is read in two halves side by side;
    // the glasses and comments come out in file order all the same.
    const std::size_t jumatate = JumatateLaSticla(text);
    if (jumatate == 0) {
        CitesteLinii(text, 1, catalog);
        return catalog;
    }
    const std::string_view prima = text.substr(0, jumatate), a2a = text.substr(jumatate);
    CatalogAgf dupa;
    dupa.sticle.reserve(a2a.size() / 1024 + 1);
    // The second half counts the first half's lines itself, while the first
    // half is already being read.
    InDouaFire([&] { CitesteLinii(prima, 1, catalog); }, [&] { CitesteLinii(a2a, 1 + NumarLinii(prima), dupa); });
    catalog.sticle.insert(catalog.sticle.end(), std::make_move_iterator(dupa.sticle.begin()),
                          std::make_move_iterator(dupa.sticle.end()));
    catalog.comentarii.insert(catalog.comentarii.end(), std::make_move_iterator(dupa.comentarii.begin()),
                              std::make_move_iterator(dupa.comentarii.end()));
    return catalog;
}

void ConvertesteSticlaAgf(const SticlaAgf& s, std::uint16_t producator, MaterialOptic& m,
                          std::vector<std::string>& mesaje) {
    std::memset(&m, 0, sizeof m);
    if (s.nume.size() >= sizeof m.nume)
        mesaje.push_back(TextFormatat("numele are %zu caractere; s-au pastrat primele 15", s.nume.size()));
    CopiazaText(m.nume, sizeof m.nume, s.nume);
    std::string cod = s.mil;
    double mil = 0.0;
    if (cod.empty() || cod == "-" || (Numar(cod, mil) && mil == 0.0)) {
        const long a = std::lround((s.nd - 1.0) * 1000.0), b = std::lround(s.vd * 10.0);
        cod = a > 0 && a < 1000 && b > 0 && b < 1000 ? TextFormatat("%03ld%03ld", a, b) : "";
    }
    CopiazaText(m.cod, sizeof m.cod, cod);
    m.producator = producator;

    double lo = s.lambdaMinUm, hi = s.lambdaMaxUm;
    if (!s.areLd) {
        // Every catalogue measures its glasses over at least the visible and
        // the near infrared; that is the range a glass without LD is given.
        lo = 0.365, hi = 1.014;
        mesaje.push_back("fara domeniu de valabilitate (LD): se foloseste 0.365 - 1.014 um");
    }
    m.domeniu_n[0] = Nm(lo, false), m.domeniu_n[1] = Nm(hi, true);
    m.domeniu_k[0] = DomeniuImplicitInferior, m.domeniu_k[1] = DomeniuImplicitSuperior;
    // The table stays inside what the record's range words can hold: a range
    // of astronomic wavelengths would give wavelengths no float can store.
    lo = std::clamp(lo, 0.001, 65.535), hi = std::clamp(hi, 0.001, 65.535);

    // The index table: the standard wavelengths inside the range, or, for a
    // glass whose range holds few of them (infrared materials), 40 evenly
    // spaced wavelengths of the range.
    std::vector<double> tabel;
    for (float l : LungimiUndaStandard)
        if (l >= lo * 1000.0 && l <= hi * 1000.0) tabel.push_back(l);
    if (tabel.size() < 8) {
        tabel.clear();
        for (int i = 0; i < NumarSloturiEditabile; ++i)
            tabel.push_back(1000.0 * (lo + (hi - lo) * i / (NumarSloturiEditabile - 1)));
    }
    for (std::size_t i = 0; i < tabel.size(); ++i) {
        m.lambda_indici[i] = static_cast<float>(tabel[i]);
        m.indice_n[i] = IndiceFormulaAgf(s.formula, s.cd.data(), m.lambda_indici[i] / 1000.0);
    }

    const double* a = s.cd.data();
    if (const std::int16_t cod = EcuatieDinFormulaAgf(s.formula, a, m.coef_disp_n)) {
        m.ec_dispersie_n = cod;
    } else {
        // The other formulas have no code of their own: each code that can
        // take the curve is fitted over the range, and the one that keeps
        // closest to it everywhere is stored. The points are the table's and
        // a dense even spread, at the float wavelengths the record evaluates.
        std::vector<double> lambdaNm, n;
        for (int i = 0; i <= PunctePotrivire; ++i) lambdaNm.push_back(1000.0 * (lo + (hi - lo) * i / PunctePotrivire));
        lambdaNm.insert(lambdaNm.end(), tabel.begin(), tabel.end());
        for (double l : lambdaNm) n.push_back(IndiceFormulaAgf(s.formula, a, static_cast<float>(l) / 1000.0));
        const PotrivireEcuatie p = CeaMaiBunaPotrivire(lambdaNm, n);
        if (p.ok) {
            m.ec_dispersie_n = p.cod;
            std::copy(p.coef, p.coef + NumarCoeficientiDispersie, m.coef_disp_n);
            mesaje.push_back(TextFormatat("formula %d aproximata cu ecuatia %d (%s): abaterea maxima %.2e in domeniul "
                                          "%g - %g um",
                                          s.formula, p.cod, DescriereEcuatie(p.cod).nume, p.abatereMaxima, lo, hi));
        } else {
            m.ec_dispersie_n = EcuatieTabelata;
            mesaje.push_back(TextFormatat("formula %d nu a putut fi aproximata cu nicio ecuatie; se foloseste "
                                          "tabelul de indici",
                                          s.formula));
        }
    }

    if (s.areEd) {
        // Catalogues give expansion in 10^-6/K; the two producers whose
        // records keep it in 10^-7/K get it in their scale.
        const double scara = producator <= 1 ? 10.0 : 1.0;
        m.dilatare[0] = static_cast<float>(s.dilatareJoasa * scara);
        m.dilatare[1] = static_cast<float>(s.dilatareInalta * scara);
        m.densitate = static_cast<float>(s.densitate);
    }
    if (s.tg > 0.0 && s.tg < 65535.0) m.temperaturi[0] = static_cast<std::uint16_t>(std::lround(s.tg));
    if (s.areOd) {
        if (s.od[0] >= 0.0) m.pret_relativ = static_cast<std::uint16_t>(std::lround(std::min(s.od[0] * 10.0, 6400.0)));
        for (int i = 0; i < 5; ++i)
            if (s.od[i + 1] >= 0.0 && s.od[i + 1] < 65535.0)
                m.stabilitate_chimica[i] = static_cast<std::uint16_t>(s.od[i + 1]);
    }
    Transmisie(s, m, mesaje);

    // A check every formula deserves: the stored equation at the d line gives
    // the catalogue's nd. Infrared glasses carry a placeholder nd of 1.
    float n = 0.0f;
    if (s.nd > 1.0 && LambdaLiniaD >= m.domeniu_n[0] && LambdaLiniaD <= m.domeniu_n[1] &&
        m.ec_dispersie_n != EcuatieTabelata && IndiceDinEcuatieDispersie(m, 0, LambdaLiniaD, n) == IndiceValid &&
        std::fabs(n - s.nd) > 1e-4)
        mesaje.push_back(TextFormatat("ecuatia da nd = %.6f, catalogul %.6f", n, s.nd));
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
