#include "export/ExportAgf.h"

#include <cerrno>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <set>

#include "dispersion/EcuatieDispersie.h"
#include "dispersion/FormuleAgf.h"
#include "dispersion/MarimiOptice.h"
#include "dispersion/PotrivireEcuatie.h"
#include "dispersion/TextCoeficient.h"
#include "material/TabelTransmisie.h"
#include "explorare/RezumatCatalog.h"
#include "fileutil/UtilitatiFisiere.h"
#include "messages/ListaMesaje.h"
#include "record/CodificareText.h"
#include "record/ConversiiMaterial.h"
#include "record/MaterialJson.h"
#include "database/CatalogMateriale.h"
#include "database/FisierCatalog.h"
#include "database/Recuperare.h"

namespace vitramor {

namespace {

// The codes a formula carries exactly, the ones a fit may give.
constexpr std::int16_t CoduriAgf[] = {4, 6, 7, 1};
// Intervals of the even spread an equation is sampled on for its fit, as
// the import samples a formula.
constexpr int PunctePotrivire = 120;
// The slots the import keeps of a longer transmittance curve.
constexpr std::size_t PuncteTransmisieImport = NumarSloturiEditabile;

// A field of an AGF line holds no blank: names and codes that do get '_'.
std::string Camp(std::string_view text) {
    std::string r(text);
    for (char& c : r)
        if (c == ' ' || c == '\t' || static_cast<unsigned char>(c) < ' ') c = '_';
    return r;
}

std::string Um(double nm) { return TextCoeficient(nm / 1000.0); }

// The same text for a whole number of nm, made from its digits: the
// shortest decimal of nm/1000 is nm/1000 itself. Transmittance lines are
// most of a catalogue.
std::string Um(std::uint16_t nm) {
    char b[16];
    char* p = std::to_chars(b, b + sizeof b, nm / 1000).ptr;
    if (const unsigned rest = nm % 1000U) {
        *p++ = '.';
        const char cifre[3] = {static_cast<char>('0' + rest / 100), static_cast<char>('0' + rest / 10 % 10),
                               static_cast<char>('0' + rest % 10)};
        const int n = cifre[2] != '0' ? 3 : cifre[1] != '0' ? 2 : 1;
        for (int i = 0; i < n; ++i) *p++ = cifre[i];
    }
    return std::string(b, p);
}

// An expansion value in 10^-6/K, in as few digits as give the stored value
// back under the same producer.
std::string Dilatare(float v, std::uint16_t producator) {
    const double x = DilatarePeKelvin(v, producator) * 1e6;
    const std::string scurt = NumarScurt(static_cast<float>(x));
    double citit = 0.0;
    if (CitesteCoeficient(scurt, citit) && DilatareDePastrat(citit * 1e-6, v, producator) == v) return scurt;
    return TextCoeficient(x);
}

// A value the record keeps as 0 when it is not known; a damaged one (not a
// number, infinite) is not known either.
std::string SauLipsa(double v, const std::string& text) { return v == 0.0 || !std::isfinite(v) ? "-" : text; }

double Finit(double v) { return std::isfinite(v) ? v : 0.0; }

struct FormulaScrisa {
    int formula = 0;
    double cd[6] = {};
    double lo = 0.0, hi = 0.0;  // the range written, nm; 0 for none
    double abatere = -1.0;      // the fit's largest deviation; negative when exact
    std::int16_t codPotrivit = 0;
};

// The range of n: the stored one for an equation, the table's for a table.
bool DomeniuN(const MaterialOptic& m, double& lo, double& hi) {
    if (m.ec_dispersie_n == EcuatieTabelata) {
        float a = 0.0f, b = 0.0f;
        if (!IntervalDinTabel(m, m.indice_n, a, b) || !(b > a)) return false;
        lo = a, hi = b;
        return true;
    }
    if (!DomeniuSpectralValid(m.domeniu_n)) return false;
    lo = m.domeniu_n[0], hi = m.domeniu_n[1];
    return true;
}

bool Formula(const MaterialOptic& m, FormulaScrisa& f, std::vector<MesajExport>& mesaje, const std::string& nume) {
    const bool areDomeniu = DomeniuN(m, f.lo, f.hi);
    if (!areDomeniu) f.lo = f.hi = 0.0;
    // Coefficients that are no numbers would make a line no reader takes.
    const bool finite = std::all_of(m.coef_disp_n, m.coef_disp_n + 6, [](double c) { return std::isfinite(c); });
    f.formula = finite ? FormulaAgfDinEcuatie(m.ec_dispersie_n, m.coef_disp_n, f.cd) : 0;
    if (f.formula != 0) return true;
    // Every other n is sampled where it holds and fitted: a table at its
    // own points (between them it is only a straight line), an equation
    // densely over its range and at the table's wavelengths.
    std::vector<double> lambda, n;
    const auto adauga = [&](float l) {
        float v = 0.0f;
        if (l > 0.0f && IndiceMaterial(m, 0, l, v) == IndiceValid && std::isfinite(v)) lambda.push_back(l), n.push_back(v);
    };
    const double lo = areDomeniu ? f.lo : 365.0, hi = areDomeniu ? f.hi : 1014.0;
    if (m.ec_dispersie_n != EcuatieTabelata && EsteEcuatieDispersie(m.ec_dispersie_n))
        for (int i = 0; i <= PunctePotrivire; ++i) adauga(static_cast<float>(lo + (hi - lo) * i / PunctePotrivire));
    if (m.ec_dispersie_n == EcuatieTabelata || EsteEcuatieDispersie(m.ec_dispersie_n))
        for (int i = 0; i < NumarSloturiTabel; ++i)
            if (m.lambda_indici[i] >= lo && m.lambda_indici[i] <= hi) adauga(m.lambda_indici[i]);
    const PotrivireEcuatie p = CeaMaiBunaPotrivire(lambda, n, CoduriAgf);
    if (!p.ok) {
        mesaje.push_back({nume, TextFormatat("n (ecuatia %d) nu poate fi scris cu nicio formula AGF; materialul nu a "
                                             "fost scris",
                                             m.ec_dispersie_n),
                          NivelAvertizare});
        return false;
    }
    f.formula = FormulaAgfDinEcuatie(p.cod, p.coef, f.cd);
    f.abatere = p.abatereMaxima;
    f.codPotrivit = p.cod;
    if (!areDomeniu) f.lo = lo, f.hi = hi;
    mesaje.push_back({nume,
                      TextFormatat("n (%s) scris cu formula %d potrivita: abaterea maxima %.2e in %g - %g nm",
                                   m.ec_dispersie_n == EcuatieTabelata
                                       ? "tabel"
                                       : TextFormatat("ecuatia %d", m.ec_dispersie_n).c_str(),
                                   f.formula, f.abatere, f.lo, f.hi),
                      NivelAvertizare});
    return true;
}

// k as the record gives it other than by the absorption of the IT lines.
bool AreK(const MaterialOptic& m) {
    if (m.ec_dispersie_k == EcuatieTabelata) {
        for (int i = 0; i < NumarSloturiTabel; ++i)
            if (m.lambda_indici[i] > 0.0f && m.indice_k[i] > 0.0) return true;
        return false;
    }
    if (m.ec_dispersie_k == 0) return m.coef_disp_k[0] != 0.0;
    return true;
}

// A material's lines, appended field by field: a catalogue has tens of
// thousands of lines.
struct LiniiAgf {
    std::string t;
    void camp(std::string_view x) {
        t += ' ';
        t += x;
    }
    void sfarsit() { t += "\r\n"; }
};

std::string Fix(double v, int zecimale) {
    char b[64];
    const auto r = std::to_chars(b, b + sizeof b, Finit(v), std::chars_format::fixed, zecimale);
    return std::string(b, r.ptr);
}

// NM, CD, ED, TD, OD and LD: the glass, its formula and its properties.
void ScrieProprietati(LiniiAgf& l, const MaterialOptic& m, const std::string& nume, const FormulaScrisa& f) {
    const MarimiOptice q = CalculeazaMarimiPrincipale(m);
    const std::string cod = Camp(NumeDinCamp(m.cod, sizeof m.cod));
    l.t += "NM";
    l.camp(nume);
    l.camp(std::to_string(f.formula));
    l.camp(cod.empty() ? "-" : cod);
    l.camp(Fix(q.nd, 6));
    l.camp(Fix(q.vd, 4));
    // Not excluded from substitution, the catalogue status the import kept
    // (standard when none is known), no melt frequency.
    l.t += " 0 ";
    l.t += std::to_string(m.stare_catalog >= 1 && m.stare_catalog <= 5 ? m.stare_catalog - 1 : 0);
    l.t += " 0";
    l.sfarsit();
    l.t += "CD";
    for (double c : f.cd) l.camp(TextCoeficient(c));
    l.sfarsit();
    // Expansion in the catalogues' 10^-6/K, whatever scale the record keeps.
    l.t += "ED";
    l.camp(SauLipsa(m.dilatare[0], Dilatare(m.dilatare[0], m.producator)));
    l.camp(SauLipsa(m.dilatare[1], Dilatare(m.dilatare[1], m.producator)));
    l.camp(SauLipsa(m.densitate, NumarScurt(m.densitate)));
    l.t += " 0 0";
    l.sfarsit();
    // The record keeps no dn/dT constants; only Tg, which the eighth field carries.
    if (!EsteMaterialEvaporare(m) && m.temperaturi[0] != 0) {
        l.t += "TD 0 0 0 0 0 0 20";
        l.camp(std::to_string(m.temperaturi[0]));
        l.sfarsit();
    }
    l.t += "OD";
    l.camp(SauLipsa(m.pret_relativ, TextCoeficient(m.pret_relativ / 10.0)));
    for (int i = 0; i < 5; ++i) l.camp(SauLipsa(m.stabilitate_chimica[i], std::to_string(m.stabilitate_chimica[i])));
    l.sfarsit();
    if (f.hi > f.lo) {
        l.t += "LD";
        l.camp(Um(f.lo));
        l.camp(Um(f.hi));
        l.sfarsit();
    }
}

// IT: the internal transmittance, in the order of the wavelengths.
void ScrieTransmisie(LiniiAgf& l, const MaterialOptic& m, const std::string& numeRecord,
                     std::vector<MesajExport>& mesaje) {
    std::vector<int> sloturi;
    for (int i = 0; i < NumarSloturiTabel; ++i)
        if (EsteSlotTransmisie(m, i)) sloturi.push_back(i);
    std::stable_sort(sloturi.begin(), sloturi.end(), [&](int a, int b) { return m.lambda_Ti[a] < m.lambda_Ti[b]; });
    if (!sloturi.empty() && !(m.grosime_transmisie > 0.0f && std::isfinite(m.grosime_transmisie))) {
        mesaje.push_back({numeRecord, "transmisia nu are grosime de referinta; liniile IT nu au fost scrise",
                          NivelAvertizare});
        sloturi.clear();
    }
    if (sloturi.size() > PuncteTransmisieImport)
        mesaje.push_back({numeRecord,
                          TextFormatat("transmisia are %zu puncte; un import pastreaza doar %zu dintre ele",
                                       sloturi.size(), PuncteTransmisieImport),
                          NivelInformatie});
    const std::string grosime = NumarScurt(m.grosime_transmisie);
    for (int i : sloturi) {
        const TransmisieCatalog c = TransmisieCatalogDinAbsorbtie(m.transmisia_interna[i], m.grosime_transmisie);
        l.t += "IT";
        l.camp(Um(m.lambda_Ti[i]));
        l.camp(NumarScurt(c.tau));
        l.camp(c.grosime == m.grosime_transmisie ? grosime : NumarScurt(c.grosime));
        l.sfarsit();
    }
}

// What the record holds that AGF has no place for.
void SemnaleazaCeNuSeScrie(const MaterialOptic& m, const std::string& numeRecord, std::vector<MesajExport>& mesaje) {
    if (AreK(m))
        mesaje.push_back({numeRecord,
                          TextFormatat("k (%s) nu are loc in AGF; in fisier ajunge doar transmisia interna (IT)",
                                       m.ec_dispersie_k == EcuatieTabelata
                                           ? "tabel"
                                           : TextFormatat("ecuatia %d", m.ec_dispersie_k).c_str()),
                          NivelAvertizare});
    if (EsteMaterialEvaporare(m))
        mesaje.push_back({numeRecord, "datele de evaporare nu au loc in AGF si nu au fost scrise", NivelAvertizare});
    if (std::any_of(std::begin(m.roluri), std::end(m.roluri), [](std::uint8_t r) { return r != 0; }))
        mesaje.push_back({numeRecord, "rolurile materialului nu au loc in AGF si nu au fost scrise", NivelAvertizare});
}

}  // namespace

std::string TextSticlaAgf(const MaterialOptic& m, std::vector<MesajExport>& mesaje) {
    const std::string numeRecord(NumeDinCamp(m.nume, sizeof m.nume));
    const std::string nume = Camp(numeRecord);
    if (nume.empty()) {
        mesaje.push_back({numeRecord, "materialul nu are nume; nu a fost scris", NivelAvertizare});
        return {};
    }
    if (nume != numeRecord)
        mesaje.push_back({numeRecord, "numele are spatii; in AGF este scris " + nume, NivelAvertizare});
    FormulaScrisa f;
    if (!Formula(m, f, mesaje, numeRecord)) return {};

    LiniiAgf l;
    l.t.reserve(1024);
    ScrieProprietati(l, m, nume, f);
    ScrieTransmisie(l, m, numeRecord, mesaje);
    SemnaleazaCeNuSeScrie(m, numeRecord, mesaje);
    return std::move(l.t);
}

SticlaAgfScrisa PregatesteSticlaAgf(const MaterialOptic& m) {
    SticlaAgfScrisa s;
    s.nume = Camp(NumeDinCamp(m.nume, sizeof m.nume));
    s.producator = m.producator;
    s.text = TextSticlaAgf(m, s.mesaje);
    return s;
}

void ScriitorCatalogAgf::adauga(SticlaAgfScrisa&& s) {
    const auto [loc, nou] = scrise_.emplace(s.nume, s.producator);
    if (!nou) {
        // A design program takes the first glass of a name; a second of
        // another maker would be either hidden or taken for it.
        mesaje.push_back({s.nume,
                          TextFormatat("numele apare si la materialul producatorului %s, deja scris; materialul "
                                       "producatorului %s nu a fost scris",
                                       Utf8DinWindows1252(NumeProducatorSticla(directorSticle_, loc->second)).c_str(),
                                       Utf8DinWindows1252(NumeProducatorSticla(directorSticle_, s.producator)).c_str()),
                          NivelAvertizare});
        return;
    }
    text += s.text;
    mesaje.insert(mesaje.end(), std::make_move_iterator(s.mesaje.begin()), std::make_move_iterator(s.mesaje.end()));
}

std::string TextCatalogAgf(const std::string& directorSticle, std::span<const MaterialOptic> materiale,
                           std::vector<MesajExport>& mesaje) {
    ScriitorCatalogAgf s(directorSticle);
    for (const MaterialOptic& m : materiale) s.adauga(PregatesteSticlaAgf(m));
    mesaje.insert(mesaje.end(), s.mesaje.begin(), s.mesaje.end());
    return std::move(s.text);
}

RezultatOperatie ExportaCatalogAgf(const std::string& directorSticle, int producator,
                                   const std::vector<std::string>& nume, const std::string& cale, Progres& progres) {
    const std::set<std::string> cautate(nume.begin(), nume.end());
    std::set<std::string> gasite;
    std::size_t alese = 0;
    ScriitorCatalogAgf s(directorSticle);
    const CitireRezumat r = ParcurgeBazaDate(CaleBazaDate(directorSticle), [&](const MaterialOptic& m, std::uint32_t) {
        if (producator >= 0 && m.producator != producator) return;
        if (!cautate.empty()) {
            const std::string n(NumeDinCamp(m.nume, sizeof m.nume));
            if (!cautate.count(n)) return;
            gasite.insert(n);
        }
        ++alese;
        s.adauga(PregatesteSticlaAgf(m));
    }, progres);
    if (r.anulat) return RezultatOperatie::Anulare("Exportul a fost oprit; fisierul nu a fost scris.");
    if (!r.ok) return RezultatOperatie::Esec(r.eroare);
    for (const std::string& n : cautate)
        if (!gasite.count(n))
            return RezultatOperatie::Esec(
                producator >= 0
                    ? TextFormatat("Materialul %s al producatorului %d nu exista in baza de date",
                                   Utf8DinWindows1252(n).c_str(), producator)
                    : TextFormatat("Materialul %s nu exista in baza de date", Utf8DinWindows1252(n).c_str()));
    for (const MesajExport& m : s.mesaje)
        AfiseazaMesajInLista(cale + ", " + Utf8DinWindows1252(m.nume) + ": " + m.text, m.nivel);
    // A producer without materials is not a writer's failure: say which it was.
    if (alese == 0)
        return RezultatOperatie::Esec(
            (producator >= 0 ? TextFormatat("Producatorul %d nu are materiale in baza de date", producator)
                             : std::string("Baza de date nu are materiale")) +
            "; fisierul " + cale + " nu a fost scris.");
    if (s.text.empty()) return RezultatOperatie::Esec("Niciun material nu a putut fi scris in " + cale);
    if (RezultatOperatie r = ScrieFisierIntreg(cale, s.text, true); r.esuat()) return r;
    RezultatOperatie scris;
    scris.motiv = "Catalogul a fost scris in " + cale + " (vezi lista de mesaje)";
    return scris;
}

}  // namespace vitramor
