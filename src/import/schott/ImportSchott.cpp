#include "import/schott/ImportSchott.h"

#include <charconv>
#include <cstdarg>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <string_view>

#include "database/CategoriiMaterial.h"
#include "fileutil/UtilitatiFisiere.h"
#include "messages/ListaMesaje.h"
#include "record/ConversiiMaterial.h"
#include "record/CodificareText.h"
#include "database/CatalogMateriale.h"
#include "record/TextFormatat.h"
#include "record/NumarCatalog.h"

namespace vitramor {

const float LambdaIndiciSchott[NumarIndiciSchott] = {
    248.3f,    280.4f,    296.7278f, 312.5663f, 334.1478f, 365.0146f, 404.6561f, 435.8343f,
    479.9914f, 486.1327f, 546.074f,  587.5618f, 589.2938f, 632.8f,    643.8469f, 656.2725f,
    706.5188f, 852.11f,   1013.98f,  1060.0f,   1529.582f, 1970.09f,  2325.42f};

const std::uint16_t LambdaTransmisieSchott[NumarTransmisiiSchott] = {
    250, 260, 270, 280, 290, 300, 310, 320, 334, 350, 365, 370, 380,  390,  400,
    404, 420, 435, 460, 500, 546, 580, 620, 660, 700, 1060, 1529, 1970, 2325, 2500};

namespace {

// Block lines that carry data.
constexpr int LiniePrimulIndice = 10;        // 10-32: n, longest wavelength first
constexpr int LiniePrimulCoeficient = 33;    // 33-38: B1, B2, B3, C1, C2, C3
constexpr int LiniePrimaTransmisie = 83;     // 83-112: τ, longest wavelength first
constexpr int LinieGrosime = 81;

// Past this many warnings one import only counts them: a file that is not
// a catalogue at all would otherwise bury the message list.
constexpr int AvertizariAfisateMaxim = 50;

bool EsteSpatiu(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool EsteCifra(char c) { return c >= '0' && c <= '9'; }

bool EsteGol(std::string_view t) {
    for (char c : t)
        if (static_cast<unsigned char>(c) > ' ') return false;
    return true;
}

// A value as the warnings quote it: trimmed, control bytes shown as '?',
// at most 40 characters.
std::string TextCitat(std::string_view t) {
    while (!t.empty() && EsteSpatiu(t.front())) t.remove_prefix(1);
    while (!t.empty() && EsteSpatiu(t.back())) t.remove_suffix(1);
    std::string r;
    for (char c : t.substr(0, 40)) r.push_back(static_cast<unsigned char>(c) < ' ' ? '?' : c);
    if (t.size() > 40) r += "...";
    return r;
}

enum class FelNumar { Gol, Numar, Text, Depasire };

struct Numar {
    double valoare = 0.0;
    FelNumar fel = FelNumar::Gol;
};

// The plain decimal reading of a catalogue number: leading blanks skipped,
// an optional sign, digits with an optional decimal point and exponent, and
// the first character that does not belong to the number ends it. No
// infinities, NaNs or hexadecimal forms, and the C locale's decimal point
// whatever the application's locale is.
Numar CitesteReal(std::string_view t) {
    std::size_t i = 0;
    const std::size_t n = t.size();
    while (i < n && EsteSpatiu(t[i])) ++i;
    if (i == n) return {};
    double v = 0.0;
    const CitireNumar c = CitesteNumarCatalog(t.substr(i), v);
    if (c.depasire) return {0.0, FelNumar::Depasire};
    if (c.lungime == 0) return {0.0, FelNumar::Text};
    return {v, FelNumar::Numar};
}

// The integer reading: blanks, sign, digits; whatever follows ends it.
Numar CitesteIntreg(std::string_view t) {
    std::size_t i = 0;
    const std::size_t n = t.size();
    while (i < n && EsteSpatiu(t[i])) ++i;
    if (i == n) return {};
    bool negativ = false;
    if (t[i] == '+' || t[i] == '-') negativ = t[i++] == '-';
    if (i == n || !EsteCifra(t[i])) return {0.0, FelNumar::Text};
    double v = 0.0;
    for (; i < n && EsteCifra(t[i]); ++i) {
        v = v * 10.0 + (t[i] - '0');
        if (v > 1e9) return {0.0, FelNumar::Depasire};  // far beyond every field it can go to
    }
    return {negativ ? -v : v, FelNumar::Numar};
}

// Turns one block into record fields, collecting what does not read as the
// format wants.
class Convertor {
public:
    Convertor(const BlocSchott& bloc, MaterialOptic& m) : bloc_(bloc), m_(m) {}

    std::vector<AvertizareSchott> ruleaza();

private:
    void avertizeaza(int linie, std::string text) { avertizari_.push_back({linie, std::move(text)}); }

    // The value of a value line: after the first ':' up to the first ';'.
    // A line without a colon is not a value line of the format, so nothing
    // of it is taken as data: its value is empty and reads as 0, the record's
    // "not given", and the glass is stored with its other values.
    std::string_view valoare(int linie) {
        const std::string_view t = bloc_.linii[static_cast<std::size_t>(linie)];
        const std::size_t doua = t.find(':');
        if (doua == std::string_view::npos) {
            avertizeaza(linie, "linia nu are ':' (\"" + TextCitat(t) + "\"); valoarea se ia 0");
            return {};
        }
        std::string_view v = t.substr(doua + 1);
        const std::size_t sfarsit = v.find(';');
        return sfarsit == std::string_view::npos ? v : v.substr(0, sfarsit);
    }

    // The text between the first pair of double quotes. A class written
    // without quotes is still the class: without a quote the value is read
    // as it stands, and with only an opening quote it runs from that quote
    // to the end of the value.
    std::string_view valoareCitata(int linie) {
        std::string_view v = valoare(linie);
        const std::size_t deschis = v.find('"');
        if (deschis == std::string_view::npos) return v;
        v = v.substr(deschis + 1);
        const std::size_t inchis = v.find('"');
        return inchis == std::string_view::npos ? v : v.substr(0, inchis);
    }

    // A number of the value in single precision, as every catalogue number
    // is kept; what is no number, or does not fit a float, is 0.
    float real(int linie, std::string_view v) {
        const Numar n = CitesteReal(v);
        if (n.fel == FelNumar::Numar) {
            if (std::fabs(n.valoare) <= static_cast<double>(std::numeric_limits<float>::max()))
                return static_cast<float>(n.valoare);
            avertizeaza(linie, "valoarea " + TextCitat(v) + " este prea mare; se ia 0");
        } else {
            avertizeazaNenumar(linie, v, n.fel);
        }
        return 0.0f;
    }
    float real(int linie) { return real(linie, valoare(linie)); }

    void avertizeazaNenumar(int linie, std::string_view v, FelNumar fel) {
        if (fel == FelNumar::Text) {
            // Built step by step: g++ 12 at -O3 misreads `"\"" + string` as an overlapping copy.
            std::string text = "\"";
            text += TextCitat(v);
            text += "\" nu este un numar; se ia 0";
            avertizeaza(linie, text);
        }
        if (fel == FelNumar::Depasire) avertizeaza(linie, "valoarea " + TextCitat(v) + " este prea mare; se ia 0");
    }

    // The class words are 16-bit: a value outside 0..65535 would wrap into
    // another class, so it is taken as not given.
    std::uint16_t clasa(int linie, double v, std::string_view text) {
        if (v >= 0.0 && v <= 65535.0) return static_cast<std::uint16_t>(v);
        avertizeaza(linie, "clasa " + TextCitat(text) + " nu este intre 0 si 65535; se ia 0");
        return 0;
    }
    std::uint16_t intregCitat(int linie) {
        const std::string_view v = valoareCitata(linie);
        const Numar n = CitesteIntreg(v);
        if (n.fel != FelNumar::Numar) {
            avertizeazaNenumar(linie, v, n.fel);
            return 0;
        }
        return clasa(linie, n.valoare, v);
    }
    // A real class truncated toward zero, as the acid class "52.3" is 52.
    std::uint16_t realTrunchiatCitat(int linie) {
        const std::string_view v = valoareCitata(linie);
        const float r = real(linie, v);
        return clasa(linie, std::trunc(static_cast<double>(r)), v);
    }

    float grosime();
    float absorbtie(int linie, float grosime);

    const BlocSchott& bloc_;
    MaterialOptic& m_;
    std::vector<AvertizareSchott> avertizari_;
};

// The reference thickness of the transmittances: the number from the first
// digit 1 to 9 up to the first 'm' ("10 mm", "25mm"). A leading 0 does not
// start the number, so "0.5 mm" reads as 5; the warning says so. A value
// without an 'm' is read up to its end: the number stops by itself at the
// first character that is not part of it, so the thickness is the same as
// with the unit written. Without a usable number the thickness is 1 mm.
float Convertor::grosime() {
    const std::string_view v = valoare(LinieGrosime);
    const std::size_t cifra = v.find_first_of("123456789");
    float d = 0.0f;
    if (cifra != std::string_view::npos) {
        std::string_view numar = v.substr(cifra);
        const std::size_t unitate = numar.find('m');
        if (unitate != std::string_view::npos) numar = numar.substr(0, unitate);
        d = real(LinieGrosime, numar);
        if (cifra > 0 && (v[cifra - 1] == '0' || v[cifra - 1] == '.'))
            avertizeaza(LinieGrosime, TextFormatat("grosimea \"%s\" se citeste de la prima cifra nenula: %g mm",
                                               TextCitat(v).c_str(), static_cast<double>(d)));
    }
    if (d > 0.0f && std::isfinite(d)) return d;
    if (!EsteGol(v))
        avertizeaza(LinieGrosime, "grosimea \"" + TextCitat(v) + "\" nu este un numar pozitiv; se ia 1 mm");
    return 1.0f;
}

// A transmittance outside 0..1 has no absorption coefficient; it is taken
// as the nearest end of the range rather than leaving a logarithm of a
// negative number in the record.
float Convertor::absorbtie(int linie, float d) {
    float tau = real(linie);
    if (tau < 0.0f || tau > 1.0f) {
        const float limita = tau < 0.0f ? 0.0f : 1.0f;
        avertizeaza(linie, TextFormatat("transmisia %g nu este intre 0 si 1; se ia %g", static_cast<double>(tau),
                                    static_cast<double>(limita)));
        tau = limita;
    }
    const float alfa = AbsorbtieDinTransmisieCatalog(tau, d);
    if (std::isfinite(alfa)) return alfa;
    // Only a thickness near the smallest float gets here.
    avertizeaza(linie, "coeficientul de absorbtie nu incape in inregistrare; se ia proba opaca");
    return AbsorbtieOpac;
}

std::vector<AvertizareSchott> Convertor::ruleaza() {
    for (int i = 0; i < NumarSloturiEditabile; ++i) {
        m_.lambda_indici[i] = 0.0f;
        m_.indice_n[i] = 0.0;
        m_.indice_k[i] = 0.0;
        m_.lambda_Ti[i] = 0;
        m_.transmisia_interna[i] = 0.0f;
    }
    // Bytes after the name's NUL keep what they were, as for every copy of a name.
    const std::string nume = NumeDinLinieSchott(bloc_.linii[0]);
    std::memcpy(m_.nume, nume.c_str(), nume.size() + 1);
    m_.producator = ProducatorSchott;
    for (int i = 0; i < NumarIndiciSchott; ++i) m_.lambda_indici[i] = LambdaIndiciSchott[i];
    for (int i = 0; i < NumarTransmisiiSchott; ++i) m_.lambda_Ti[i] = LambdaTransmisieSchott[i];
    m_.ec_dispersie_n = EcuatieSellmeierSchott;
    m_.domeniu_n[0] = 300;
    m_.domeniu_n[1] = 2500;
    m_.domeniu_k[0] = 400;
    m_.domeniu_k[1] = 700;

    for (int i = 0; i < NumarIndiciSchott; ++i)
        m_.indice_n[NumarIndiciSchott - 1 - i] = real(LiniePrimulIndice + i);
    for (int i = 0; i < 6; ++i) m_.coef_disp_n[i] = real(LiniePrimulCoeficient + i);

    m_.dilatare[0] = real(63);
    m_.dilatare[1] = real(64);
    for (int i = 0; i < 3; ++i) m_.temperaturi_vascozitate[i] = real(65 + i);
    m_.caldura_specifica[0] = real(68);
    m_.caldura_specifica[1] = m_.caldura_specifica[2] = m_.caldura_specifica[3] = 0.0f;
    m_.conductibilitate_termica[0] = real(69);
    m_.densitate = real(70);
    m_.duritate_knoop = real(74);
    m_.clasa_catalog = intregCitat(75);
    m_.clasa_catalog_implicita = 0;
    m_.stabilitate_chimica[0] = intregCitat(76);  // CR
    m_.stabilitate_chimica[1] = intregCitat(77);  // FR
    m_.stabilitate_chimica[2] = realTrunchiatCitat(78);  // SR
    m_.stabilitate_chimica[3] = intregCitat(79);  // AR
    m_.stabilitate_chimica[4] = intregCitat(80);  // PR

    const float d = grosime();
    m_.grosime_transmisie = d;
    for (int i = 0; i < NumarTransmisiiSchott; ++i)
        m_.transmisia_interna[NumarTransmisiiSchott - 1 - i] = absorbtie(LiniePrimaTransmisie + i, d);
    // Lines 116 to 145 hold a second transmittance column that no record
    // field takes; reading them could change nothing.
    return std::move(avertizari_);
}

struct Raportor {
    const OptiuniImportSchott& o;
    int afisate = 0;
    int total = 0;

    void avertizare(const std::string& text) {
        ++total;
        if (++afisate <= AvertizariAfisateMaxim) AfiseazaMesajInLista(text, NivelAvertizare);
    }
    void incheie() {
        if (total > AvertizariAfisateMaxim)
            AfiseazaMesajInLista(TextFormatat("%s: inca %d avertizari nu au fost afisate", o.numeFisier.c_str(),
                                          total - AvertizariAfisateMaxim),
                                 NivelAvertizare);
    }
};

// Blank lines after the last glass are not a glass.
bool BlocGol(const BlocSchott& b) {
    for (int i = 0; i < b.liniiCitite; ++i)
        if (!EsteGol(b.linii[static_cast<std::size_t>(i)])) return false;
    return true;
}

}  // namespace

bool CititorLiniiSchott::citeste() {
    std::streambuf* sb = in_.rdbuf();
    if (sb == nullptr) return false;
    using T = std::char_traits<char>;
    std::string citit;
    while (citit.size() < static_cast<std::size_t>(CaractereLinieSchott)) {
        const T::int_type c = sb->sbumpc();
        if (T::eq_int_type(c, T::eof())) break;
        const char ch = T::to_char_type(c);
        if (ch == '\r' && T::eq_int_type(sb->sgetc(), T::to_int_type('\n'))) continue;
        citit.push_back(ch);
        if (ch == '\n') break;
    }
    if (citit.empty()) return false;
    if (!continuare_) ++numar_;
    lunga_ = citit.back() != '\n' && citit.size() == static_cast<std::size_t>(CaractereLinieSchott) &&
             !T::eq_int_type(sb->sgetc(), T::eof());
    continuare_ = lunga_;
    // What follows a NUL byte is not part of the line for anything that reads it.
    const std::size_t nul = citit.find('\0');
    if (nul != std::string::npos) citit.resize(nul);
    linie_ = std::move(citit);
    return true;
}

bool CitesteBlocSchott(CititorLiniiSchott& cititor, BlocSchott& bloc) {
    if (!cititor.citeste()) return false;
    bloc.linii[0] = cititor.linie();
    bloc.liniiCitite = 1;
    bloc.primaLinie = cititor.numarLinie();
    bloc.linieLunga = cititor.linieLunga() ? 0 : -1;
    for (int i = 1; i < LiniiBlocSchott; ++i) {
        // After an over-long line nothing is where the format puts it, so
        // the block is not read further.
        if (bloc.linieLunga >= 0 || !cititor.citeste()) {
            for (int j = i; j < LiniiBlocSchott; ++j)
                bloc.linii[static_cast<std::size_t>(j)] = bloc.linii[static_cast<std::size_t>(i - 1)];
            return true;
        }
        bloc.linii[static_cast<std::size_t>(i)] = cititor.linie();
        ++bloc.liniiCitite;
        if (cititor.linieLunga()) bloc.linieLunga = i;
    }
    return true;
}

std::string NumeDinLinieSchott(const std::string& linie) {
    std::string s = linie.substr(0, CaractereNumeSchott);
    if (!s.empty() && s.back() == '\n') s.pop_back();
    while (s.size() > 1 && static_cast<signed char>(s.back()) < 33) s.pop_back();
    return s;
}

std::vector<AvertizareSchott> ConvertesteBlocSchott(const BlocSchott& bloc, MaterialOptic& m) {
    return Convertor(bloc, m).ruleaza();
}

std::string TextClaseChimiceSchott(const MaterialOptic& m) {
    const std::uint16_t* c = m.stabilitate_chimica;
    return TextFormatat("%d %d %d %d %d", c[0], c[1], c[2], c[3], c[4]);
}

RezultatOperatie ImportaSticleSchott(std::istream& in, const OptiuniImportSchott& o, const SursaMateriale& sursa) {
    Raportor raportor{o};
    const char* fisier = o.numeFisier.c_str();
    CititorLiniiSchott cititor(in);
    BlocSchott bloc;
    std::vector<MaterialOptic> sticle;
    RezultatOperatie oprire;
    CategoriiImport categorii(o.directorSticle, o.categorie);
    while (CitesteBlocSchott(cititor, bloc)) {
        const std::string nume = NumeDinLinieSchott(bloc.linii[0]);
        if (bloc.linieLunga >= 0) {
            oprire.refuza(Utf8DinWindows1252(nume),
                          TextFormatat("linia %d a fisierului %s are mai mult de %d de caractere, ceea ce formatul "
                                       "catalogului nu are; importul s-a oprit aici (valorile de dupa ea nu mai sunt "
                                       "la locul lor)",
                                       bloc.primaLinie + bloc.linieLunga, fisier, CaractereLinieSchott - 1));
            break;
        }
        if (bloc.liniiCitite < LiniiBlocSchott && BlocGol(bloc)) break;
        if (bloc.liniiCitite <= UltimaLinieFolositaSchott) {
            // Storing it would put the last line read into every value after
            // it and replace a good record of the same name in the database.
            oprire.refuza(Utf8DinWindows1252(nume),
                          TextFormatat("fisierul %s se termina in blocul sticlei, dupa %d din cele %d linii: datele "
                                       "ei sunt incomplete",
                                       fisier, bloc.liniiCitite, LiniiBlocSchott));
            break;
        }
        MaterialOptic& m = sticle.emplace_back();
        std::memset(&m, 0, sizeof m);
        for (const AvertizareSchott& a : ConvertesteBlocSchott(bloc, m))
            raportor.avertizare(TextFormatat("%s, linia %d (sticla %s): %s", fisier, bloc.primaLinie + a.linieBloc,
                                         nume.c_str(), a.text.c_str()));
        if (bloc.liniiCitite < LiniiBlocSchott)
            raportor.avertizare(TextFormatat("Fisierul %s se termina in blocul sticlei %s, dupa %d din cele %d linii; "
                                         "toate valorile sticlei erau citite si sticla a fost salvata.",
                                         fisier, nume.c_str(), bloc.liniiCitite, LiniiBlocSchott));
        m.categorie = categorii.categorie(m);
        if (o.raport) o.raport(TextClaseChimiceSchott(m));
    }
    raportor.incheie();
    if (const std::string t = categorii.raport(); !t.empty()) AfiseazaMesajInLista(o.numeFisier + ": " + t, NivelAvertizare);
    if (sticle.empty() && oprire.refuzate.empty())
        return RezultatOperatie::Esec("Fisierul " + o.numeFisier + " nu contine nicio sticla.");
    OptiuniStocare stocare(platforma());
    stocare.laConflict = o.laConflict;
    stocare.sursa = sursa;
    stocare.titlu = TitluImportSchott;
    RezultatOperatie r = StocheazaMateriale(o.owner, o.directorSticle, sticle, stocare);
    r.antetColoane = {"CR", "FR", "SR", "AR", "PR"};
    for (std::size_t i = 0; i < sticle.size() && i < r.articole.size(); ++i) {
        const std::uint16_t* c = sticle[i].stabilitate_chimica;
        for (int k = 0; k < 5; ++k) r.articole[i].coloane.push_back(std::to_string(c[k]));
    }
    for (const MaterialRefuzat& m : oprire.refuzate) r.articol(m.material, {}, "refuzat", m.motiv);
    r.refuzate.insert(r.refuzate.end(), oprire.refuzate.begin(), oprire.refuzate.end());
    return r;
}

RezultatOperatie ImportaFisierSchott(const std::string& cale, const OptiuniImportSchott& o) {
    // Bytes as they are: the line reader does the text-mode part itself.
    std::ifstream f;
    if (!EsteNeobisnuit(cale)) f.open(cale, std::ios::binary);
    if (!f.is_open()) return RezultatOperatie::Esec("Fisierul " + o.numeFisier + " nu poate fi deschis");
    return ImportaSticleSchott(f, o, SursaDinFisier(cale));
}

}  // namespace vitramor
