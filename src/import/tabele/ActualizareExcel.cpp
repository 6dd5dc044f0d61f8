#include "import/tabele/ActualizareExcel.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <limits>
#include <numeric>
#include <optional>
#include <span>
#include <unordered_map>

#include "dispersion/ComenziDispersie.h"
#include "messages/ListaMesaje.h"
#include "record/CodificareText.h"
#include "record/ConversiiMaterial.h"
#include "settings/Directoare.h"
#include "suite/Catalix.h"
#include "suite/EroriCatalog.h"
#include "suite/Recuperare.h"
#include "record/NumarCatalog.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

constexpr const char* TitluTransfer = "TransferaDataDinColoaneCititeInSticla";
constexpr int IntrareNume = 0, IntrareIndici = 3, IntrareTransmisie = 9;
// An empty cell of the index or transmittance table, told apart from a
// value of 0 (an opaque sample) until the row is merged.
constexpr double Lipsa = std::numeric_limits<double>::quiet_NaN();

void Mesaj(const std::string& text, const std::string& titlu = {}) { MesajBox(nullptr, text, titlu, stil::MB_OK); }

// The number at the start of a text cell; nothing when it holds none.
std::optional<double> NumarDinText(const char* t) {
    while (*t == ' ' || *t == '\t') ++t;
    double v = 0;
    const CitireNumar c = CitesteNumarCatalog(t, v);
    if (c.lungime == 0 || c.depasire) return std::nullopt;
    return v;
}

std::string Utf8DinLarg(const unsigned char* p, SQLLEN octeti) {
    std::u16string u;
    for (SQLLEN i = 0; i + 1 < octeti; i += 2) {
        const char16_t cp = static_cast<char16_t>(p[i] | (p[i + 1] << 8));
        if (cp == 0) break;
        u.push_back(cp);
    }
    return QString::fromStdU16String(u).toStdString();
}

// A text field takes the cell's text as written: a glass code of digits
// stays "517642.251", where a number printed back would give "517642".
SQLSMALLINT TipLegare(const AsociereMarimeSticla& a, const ColoanaTabel& k) {
    return a.tip == TipChar ? static_cast<SQLSMALLINT>(SQL_C_CHAR) : TipLegareColoana(k.tipSql);
}

int LungimeBuffer(const AsociereMarimeSticla& a, const ColoanaTabel& k) {
    const SQLSMALLINT c = TipLegare(a, k);
    if (c == SQL_C_DOUBLE) return sizeof(double);
    if (c == SQL_C_FLOAT || c == SQL_C_LONG) return 4;
    if (c == SQL_C_SHORT) return 2;
    const int cerut = std::max(k.lungimeBuffer, k.marime + 1);
    // Text columns are read in full up to what a catalogue cell can hold;
    // some drivers report their type's maximum (tens of kilobytes) here.
    return std::clamp(cerut, 64, 1024) * (c == SQL_C_WCHAR ? 2 : 1);
}

void ElibereazaBuffere(ContextImportExcel& c) {
    for (int i = 0; i < NumarAsocieri; ++i) {
        c.date[i].clear();
        c.date[i].shrink_to_fit();
        c.lungimi[i].clear();
        c.pozitii[i].clear();
    }
}

const ColoanaTabel& ColoanaIntrarii(const ContextImportExcel& c, int i, int j) {
    return c.coloane[static_cast<std::size_t>(c.asocieri[i].coloanaStart + j)];
}

// The columns of an entry that hold values, never more than its field.
int Coloane(const ContextImportExcel& c, int i) {
    return std::clamp<int>(c.asocieri[i].nrColoane, 0, c.asocieri[i].nrElemente);
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

// The result line of a row as the scratch record holds it, values in the
// order of their wavelengths. With `titluri`, the title of each cell is
// collected as the cell is written: the field's name, with the wavelength or
// the place in the array where a field fills several cells.
std::string LinieRand(const ContextImportExcel& c, const MaterialOptic& s, const Ordini& ordini,
                      std::vector<std::string>* titluri = nullptr) {
    const auto activ = [&](int i) { return c.asocieri[i].activ != 0; };
    const auto nume = [&](int i) { return NumeCampAsociere(c.asocieri[i]); };
    std::string linie = activ(IntrareNume) ? c.numeRand : std::string();
    if (titluri) titluri->push_back(activ(IntrareNume) ? nume(IntrareNume) : std::string());
    const auto celula = [&](const std::string& valoare, std::string titlu) {
        linie += '\t';
        linie += valoare;
        if (titluri) titluri->push_back(std::move(titlu));
    };
    const auto numar = [](const char* format, double v) { return std::isnan(v) ? std::string() : TextFormatat(format, v); };
    const auto unul = [&](int i, const char* format, double v) {
        if (activ(i)) celula(TextFormatat(format, v), nume(i));
    };
    const auto tablou = [&](int i, const auto* v, const char* format) {
        if (!activ(i)) return;
        for (int j = 0; j < Coloane(c, i); ++j)
            celula(TextFormatat(format, v[j]), TextFormatat("%s %d", nume(i).c_str(), j + 1));
    };
    if (activ(1)) celula(Utf8DinWindows1252(vitramor::TextCamp(s.cod, sizeof s.cod)), nume(1));
    unul(7, "%g", s.densitate);
    for (int j : ordini.indici)
        celula(numar("%g", s.indice_n[j]), TextFormatat("n %g nm", static_cast<double>(c.lambdaColoaneIndici[static_cast<std::size_t>(j)])));
    for (int j : ordini.transmisie)
        celula(numar("%5.3f", s.transmisia_interna[j]),
               TextFormatat("Ti %g nm", static_cast<double>(c.lambdaColoaneTi[static_cast<std::size_t>(j)])));
    tablou(5, s.coef_disp_n, "%g");
    unul(10, "%g", s.modul_young);
    unul(11, "%g", s.raport_poisson);
    tablou(12, s.stabilitate_chimica, "%d");
    tablou(13, s.temperaturi, "%d");
    tablou(14, s.conductibilitate_termica, "%5.3f");
    tablou(15, s.dilatare, "%.3f");
    unul(16, "%g", s.duritate_knoop);
    tablou(17, s.caldura_specifica, "%5.3f");
    unul(18, "%5.3f", s.duritate_abraziune);
    unul(IntrareGrosimeTransmisie, "%g", s.grosime_transmisie);
    return linie;
}

// The titles of the cells of a result line, and of the remark a row that
// cannot be stored gets after them.
std::string AntetRand(const ContextImportExcel& c, const Ordini& ordini) {
    std::vector<std::string> titluri;
    LinieRand(c, c.sticla, ordini, &titluri);
    titluri.emplace_back("Observatii");
    std::string antet = titluri.front();
    for (std::size_t i = 1; i < titluri.size(); ++i) antet += '\t' + titluri[i];
    return antet;
}

// One row merged into its target: the stored material of the same name, or
// a new one. Only the associated fields change.
void AplicaRand(const ContextImportExcel& c, const MaterialOptic& s, MaterialOptic& t, int codProducator) {
    const auto activ = [&](int i) { return c.asocieri[i].activ != 0; };
    if (activ(1)) std::memcpy(t.cod, s.cod, sizeof t.cod);
    if (activ(7)) t.densitate = s.densitate;
    if (activ(IntrareIndici)) {
        // Each value keeps its column's wavelength. A k of the stored table
        // stays with its own wavelength; where the table no longer has that
        // wavelength, it goes with it.
        struct Punct {
            float lambda;
            double n, k;
        };
        std::vector<Punct> puncte;
        const int n = std::min<int>(Coloane(c, IntrareIndici), static_cast<int>(c.lambdaColoaneIndici.size()));
        for (int j = 0; j < n; ++j) {
            const float lambda = c.lambdaColoaneIndici[static_cast<std::size_t>(j)];
            double k = 0;
            for (int i = 0; i < NumarSloturiTabel; ++i)
                if (t.lambda_indici[i] == lambda) k = t.indice_k[i];
            const double v = std::isnan(s.indice_n[j]) ? 0.0 : s.indice_n[j];
            if (v > 0 || k > 0) puncte.push_back({lambda, v, k});
        }
        std::stable_sort(puncte.begin(), puncte.end(), [](const Punct& a, const Punct& b) { return a.lambda < b.lambda; });
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
    if (activ(IntrareTransmisie)) {
        // The whole curve is the catalogue's: wavelengths from the columns,
        // the thickness from the column names or its own column. An empty
        // cell is "no value" (38), a transmittance of 0 an opaque sample (37).
        struct Punct {
            std::uint16_t lambda;
            float tau;
        };
        std::vector<Punct> puncte;
        const int n = std::min<int>(Coloane(c, IntrareTransmisie), static_cast<int>(c.lambdaColoaneTi.size()));
        for (int j = 0; j < n; ++j) puncte.push_back({c.lambdaColoaneTi[static_cast<std::size_t>(j)], s.transmisia_interna[j]});
        std::stable_sort(puncte.begin(), puncte.end(), [](const Punct& a, const Punct& b) { return a.lambda < b.lambda; });
        const float d = s.grosime_transmisie;
        t.grosime_transmisie = d;
        std::fill(std::begin(t.lambda_Ti), std::end(t.lambda_Ti), 0);
        std::fill(std::begin(t.transmisia_interna), std::end(t.transmisia_interna), AbsorbtieOpacExport);
        for (std::size_t i = 0; i < puncte.size(); ++i) {
            const double tau = puncte[i].tau;
            t.lambda_Ti[i] = puncte[i].lambda;
            t.transmisia_interna[i] = std::isnan(tau) ? AbsorbtieOpacExport
                                      : tau <= 0      ? AbsorbtieOpac
                                      : tau >= 1      ? 0.0f
                                                      : static_cast<float>(-std::log(tau) / d);
        }
    }
    if (activ(5)) {
        if (codProducator == 1 || codProducator == 3) {
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
        std::copy(s.coef_disp_n, s.coef_disp_n + Coloane(c, 5), t.coef_disp_n);
    }
    if (activ(10)) t.modul_young = s.modul_young;
    if (activ(11)) t.raport_poisson = s.raport_poisson;
    if (activ(12)) std::copy(s.stabilitate_chimica, s.stabilitate_chimica + Coloane(c, 12), t.stabilitate_chimica);
    if (activ(13)) std::copy(s.temperaturi, s.temperaturi + Coloane(c, 13), t.temperaturi);
    if (activ(14))
        std::copy(s.conductibilitate_termica, s.conductibilitate_termica + Coloane(c, 14), t.conductibilitate_termica);
    if (activ(15)) std::copy(s.dilatare, s.dilatare + Coloane(c, 15), t.dilatare);
    if (activ(16)) t.duritate_knoop = s.duritate_knoop;
    if (activ(17)) std::copy(s.caldura_specifica, s.caldura_specifica + Coloane(c, 17), t.caldura_specifica);
    if (activ(18)) t.duritate_abraziune = s.duritate_abraziune;
}

// The rows read, side by side: each row's record, its name (UTF-8, for
// messages) and why it is refused (empty when it can be stored).
struct RanduriCitite {
    std::vector<MaterialOptic> sticle;
    std::vector<std::string> nume, motiv;
    std::size_t size() const { return sticle.size(); }
};

// Why a read row cannot be stored, beyond what its transfer found.
std::string MotivRand(const ContextImportExcel& c, const MaterialOptic& s) {
    if (!c.motivRespingere.empty()) return c.motivRespingere;
    if (c.asocieri[IntrareTransmisie].activ && !(s.grosime_transmisie > 0))
        return "transmisia nu are grosime de referinta";
    return {};
}

// Merges the rows into the stored materials and stores them all in one
// pass. Each row's record becomes its material in place: the first row of a
// name takes the stored material (or a new one) with the row's values, a
// later row of the same name goes over it. False when nothing was stored on
// purpose (Cancel, No) or the store failed.
bool SalveazaRanduri(const ContextImportExcel& c, const OptiuniActualizare& o, RanduriCitite& randuri,
                     RezultatActualizare& r) {
    std::vector<MaterialOptic>& sticle = randuri.sticle;
    for (std::size_t i = 0; i < randuri.size(); ++i)
        if (!randuri.motiv[i].empty())
            AfiseazaMesajInLista("Actualizare " + c.tabel + ", randul " + randuri.nume[i] + ": " + randuri.motiv[i] +
                                     "; nu a fost salvat",
                                 NivelAvertizare);
    const int bune = r.randuri - r.respinse;
    if (r.respinse > 0 &&
        (bune == 0 ||
         MesajBox(o.owner,
                  TextFormatat("%d randuri din tabel nu pot fi salvate (motivele sunt in lista de mesaje). Salvati celelalte "
                         "%d materiale?",
                         r.respinse, bune),
                  "ATENTIE!", stil::MB_YESNO | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON2) != raspuns::IDYES))
        return false;

    constexpr std::size_t Nimic = SIZE_MAX;
    std::vector<std::string> nume;                               // each name once, by its first row
    std::vector<std::size_t> primul;                             // that first row
    std::vector<std::size_t> randPrimul(randuri.size(), Nimic);  // each row's first row of its name
    std::unordered_map<std::string, std::size_t> dupaNume;
    for (std::size_t i = 0; i < randuri.size(); ++i) {
        if (!randuri.motiv[i].empty()) continue;
        const auto [it, nou] = dupaNume.emplace(vitramor::TextCamp(sticle[i].nume, sizeof sticle[i].nume), nume.size());
        if (nou) nume.push_back(it->first), primul.push_back(i);
        randPrimul[i] = primul[it->second];
    }
    std::vector<char> gasit(randuri.size(), 0);
    const auto aplica = [&](std::size_t i, const MaterialOptic& baza) {
        MaterialOptic t = baza;
        AplicaRand(c, sticle[i], t, o.codProducator);
        sticle[i] = t;
    };
    // A database that does not exist yet holds nothing to merge with: every
    // glass is new, and the store creates the file.
    if (std::filesystem::exists(CaleBazaDate(path_sticle)) &&
        ParcurgeMaterialeOptice(path_sticle, o.owner, nume, [&](std::size_t k, const MaterialOptic& m) {
            aplica(primul[k], m);
            gasit[primul[k]] = 1;
        }) != CatalogOk)
        return false;

    // In the rows' order: a new glass is confirmed, a later row of a name
    // goes over its first row's material.
    std::vector<char> salveaza(randuri.size(), 0);
    int decizie = 0;  // a "to all" answer, once given
    for (std::size_t i = 0; i < randuri.size(); ++i) {
        const std::size_t p = randPrimul[i];
        if (p == Nimic || !(p == i || salveaza[p])) continue;
        if (p != i) {
            AplicaRand(c, sticle[i], sticle[p], o.codProducator);
            continue;
        }
        if (!gasit[i]) {
            int raspunsNou = decizie;
            if (!raspunsNou) {
                raspunsNou = MesajBox(o.owner,
                                      TextFormatat("Eroare (err=%d) cautare material %s in SticleNou32.dat. Salvati ca "
                                             "material nou?",
                                             static_cast<int>(EroareMaterialNegasit), randuri.nume[i].c_str()),
                                      {}, stil::MB_YESNOCANCEL | stil::MB_PENTRUTOATE | stil::MB_ICONQUESTION);
                if (raspunsNou == raspuns::IDDA_TOATE || raspunsNou == raspuns::IDNU_TOATE) decizie = raspunsNou;
            }
            if (raspunsNou == raspuns::IDCANCEL) return false;
            if (raspunsNou != raspuns::IDYES && raspunsNou != raspuns::IDDA_TOATE) continue;
            MaterialOptic nou{};
            std::memcpy(nou.nume, sticle[i].nume, sizeof nou.nume);
            nou.producator = sticle[i].producator;
            aplica(i, nou);
            ++r.noi;
        }
        salveaza[i] = 1;
    }
    // The materials to store gather at the front, in the order of their first rows.
    std::size_t n = 0;
    for (std::size_t i = 0; i < randuri.size(); ++i) {
        if (!salveaza[i]) continue;
        const std::string avertizare = CompleteazaDomeniiPentruSalvare(sticle[i]);
        if (!avertizare.empty()) AfiseazaMesajInLista(avertizare, NivelAvertizare);
        if (n != i) sticle[n] = sticle[i];
        ++n;
    }
    if (n == 0) return true;
    std::vector<int> coduri;
    SalveazaMaterialeOptice(path_sticle, std::span<const MaterialOptic>(sticle.data(), n), o.owner, coduri);
    for (int cod : coduri) r.salvate += cod == CatalogOk;
    return r.salvate == static_cast<int>(n);
}

}  // namespace

int ProducatorDinCodSelectie(int cod) { return cod == 1 ? 2 : cod == 3 ? 6 : 0; }

int TransferaDataDinColoaneCititeInSticla(int i, int j, ContextImportExcel& c) {
    AsociereMarimeSticla& a = c.asocieri[i];
    if (j >= a.nrColoane) {
        Mesaj(TextFormatat("IndexVar (%d) >= Asociere->NrColoane (%d)", j, a.nrColoane), TitluTransfer);
        return 0;
    }
    if (c.date[i].empty()) return Mesaj("DataClientPtr = NULL"), 0;
    if (!c.campuri[i]) return Mesaj("StartVarSticla = null"), 0;
    const ColoanaTabel& k = ColoanaIntrarii(c, i, j);
    const std::size_t pozitie = c.pozitii[i][static_cast<std::size_t>(j)];
    const unsigned char* sursa = c.date[i].data() + pozitie;
    const SQLLEN disponibil = static_cast<SQLLEN>(LungimeBuffer(a, k));
    const SQLLEN indicator = c.lungimi[i][static_cast<std::size_t>(j)];
    unsigned char* tinta = static_cast<unsigned char*>(c.campuri[i]) + static_cast<std::size_t>(j) * a.marimeElement;
    const double factor = a.factor == 0 ? 1.0 : static_cast<double>(a.factor);
    const SQLSMALLINT legat = TipLegare(a, k);
    const auto eroareConversie = [&] {
        Mesaj(TextFormatat("Eroare conversie SQL var %d in C var %d (posibil neimplementat)", k.tipSql, a.tip));
        return 0;
    };
    if (a.tip < TipFloat || a.tip > TipChar) return eroareConversie();
    const bool larg = legat == SQL_C_WCHAR, text = legat == SQL_C_CHAR;
    if (!larg && !text && legat != SQL_C_SHORT && legat != SQL_C_LONG && legat != SQL_C_FLOAT && legat != SQL_C_DOUBLE)
        return eroareConversie();
    const bool gol = indicator == SQL_NULL_DATA;
    const auto textCelula = [&] {
        if (gol) return std::string();
        if (larg) return Utf8DinLarg(sursa, std::min(indicator, disponibil));
        return std::string(reinterpret_cast<const char*>(sursa), strnlen(reinterpret_cast<const char*>(sursa),
                                                                         static_cast<std::size_t>(disponibil)));
    };

    if (a.tip == TipChar) {
        std::string t = textCelula();
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
        return 1;
    }

    // The index and transmittance tables tell an empty cell from a 0.
    const bool tabel = i == IntrareIndici || i == IntrareTransmisie;
    std::optional<double> v;
    if (gol) {
    } else if (larg || text) {
        v = NumarDinText(textCelula().c_str());
    } else if (legat == SQL_C_LONG) {
        SQLINTEGER x;
        std::memcpy(&x, sursa, sizeof x);
        v = x;
    } else if (legat == SQL_C_SHORT) {
        SQLSMALLINT x;
        std::memcpy(&x, sursa, sizeof x);
        v = x;
    } else if (legat == SQL_C_FLOAT) {
        float x;
        std::memcpy(&x, sursa, sizeof x);
        v = x;
    } else {
        double x;
        std::memcpy(&x, sursa, sizeof x);
        v = x;
    }
    if (v && !std::isfinite(*v)) v.reset();
    if (!v && tabel) {
        if (a.tip == TipDouble) std::memcpy(tinta, &Lipsa, sizeof Lipsa);
        if (a.tip == TipFloat) {
            const float f = static_cast<float>(Lipsa);
            std::memcpy(tinta, &f, sizeof f);
        }
        if (a.tip == TipFloat || a.tip == TipDouble) return 1;
    }
    const double x = v.value_or(0.0);
    const double intreg = std::clamp(std::trunc(x), -2147483648.0, 4294967295.0);
    switch (a.tip) {
        case TipFloat: { const float f = static_cast<float>(x * factor); std::memcpy(tinta, &f, sizeof f); break; }
        case TipDouble: { const double d = x * factor; std::memcpy(tinta, &d, sizeof d); break; }
        case TipInt: {
            const auto y = static_cast<std::int32_t>(std::clamp(intreg * factor, -2147483648.0, 2147483647.0));
            std::memcpy(tinta, &y, sizeof y);
            break;
        }
        case TipUint: {
            const auto y = static_cast<std::uint32_t>(std::clamp(intreg * factor, 0.0, 4294967295.0));
            std::memcpy(tinta, &y, sizeof y);
            break;
        }
        default: {  // short and USHORT: the low 16 bits, no factor
            const auto y = static_cast<std::uint16_t>(static_cast<std::int64_t>(intreg) & 0xFFFF);
            std::memcpy(tinta, &y, sizeof y);
            break;
        }
    }
    return 1;
}

int ImportaTabelExcel(ContextImportExcel& c, const OptiuniActualizare& o, RezultatActualizare* rezultat) {
    RezultatActualizare r;
    if (rezultat) *rezultat = r;
    ElibereazaBuffere(c);
    const int nCol = static_cast<int>(c.coloane.size());
    bool vreuna = false;
    for (int i = 0; i < NumarAsocieri; ++i) {
        AsociereMarimeSticla& a = c.asocieri[i];
        if (!a.nume[0] || !a.activ || a.coloanaStart < 0) continue;
        const int stop = a.coloanaStop >= a.coloanaStart ? a.coloanaStop : a.coloanaStart;
        if (stop >= nCol) {
            Mesaj(TextFormatat("Asocierea %s foloseste coloana %d, dar tabelul %s are doar %d coloane.", a.nume, stop + 1,
                         c.tabel.c_str(), nCol),
                  "ATENTIE!");
            return 0;
        }
        a.nrColoane = static_cast<std::int16_t>(stop - a.coloanaStart + 1);
        if (a.nrColoane > a.nrElemente) {
            Mesaj(TextFormatat("Asocierea %s are %d coloane pentru %d elemente.", a.nume, a.nrColoane, a.nrElemente),
                  "ATENTIE!");
            return 0;
        }
        std::size_t marime = 0;
        c.pozitii[i].clear();
        for (int j = 0; j < a.nrColoane; ++j) {
            c.pozitii[i].push_back(marime);
            marime += LungimeBuffer(a, ColoanaIntrarii(c, i, j));
        }
        c.lungimi[i].assign(static_cast<std::size_t>(a.nrColoane), SQL_NULL_DATA);
        c.date[i].assign(marime, 0);
        vreuna = true;
    }
    bool areIndici = false, areTi = false;
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        areIndici |= c.sticla.lambda_indici[i] > 0;
        areTi |= c.sticla.lambda_Ti[i] != 0;
    }
    if (!areIndici || !areTi) {
        Mesaj("Nu exista lungimi de unda pentru transmisie si/sau indici!");
        return 0;
    }
    if (!vreuna) {
        Mesaj("Nu exista asocieri");
        return 0;
    }
    // The wavelengths were found for the columns the entries had then.
    const auto nepotrivit = [&](int i, std::size_t gasite) {
        return c.asocieri[i].activ && static_cast<std::size_t>(Coloane(c, i)) != gasite;
    };
    if (nepotrivit(IntrareIndici, c.lambdaColoaneIndici.size()) ||
        nepotrivit(IntrareTransmisie, c.lambdaColoaneTi.size())) {
        Mesaj("Coloanele indicilor sau ale transmisiei s-au schimbat de la \"Detect lambda\".\nApasati din nou "
              "\"Detect lambda\".");
        return 0;
    }
    Ordini ordini;
    ordini.indici = Ordine(c.lambdaColoaneIndici);
    std::vector<float> lambdaTi(c.lambdaColoaneTi.begin(), c.lambdaColoaneTi.end());
    ordini.transmisie = Ordine(lambdaTi);
    if (!c.asocieri[IntrareIndici].activ) ordini.indici.clear();
    if (!c.asocieri[IntrareTransmisie].activ) ordini.transmisie.clear();
    if (o.antet) o.antet(AntetRand(c, ordini));

    SursaTabel& sursa = *c.sursa;
    RanduriCitite randuri;
    platforma().cursorAsteptare(true);
    if (!sursa.incepeCitire()) {
        platforma().cursorAsteptare(false);
        return 0;
    }
    bool ok = true;
    for (int i = 0; i < NumarAsocieri && ok; ++i) {
        if (c.date[i].empty()) continue;
        const AsociereMarimeSticla& a = c.asocieri[i];
        std::size_t pozitie = 0;
        for (int j = 0; j < a.nrColoane && ok; ++j) {
            const ColoanaTabel& k = ColoanaIntrarii(c, i, j);
            const int lungime = LungimeBuffer(a, k);
            if (pozitie + lungime > c.date[i].size()) {
                Mesaj(TextFormatat("IndexVar = %d  size = %u  _msize() = %u  BufferLength = %d", j,
                             static_cast<unsigned>(pozitie), static_cast<unsigned>(c.date[i].size()), lungime),
                      TitluTransfer);
                ok = false;
                break;
            }
            ok = sursa.leagaColoana(a.coloanaStart + j, TipLegare(a, k), c.date[i].data() + pozitie, lungime,
                                    &c.lungimi[i][static_cast<std::size_t>(j)]);
            pozitie += lungime;
        }
    }
    ok = ok && sursa.executa(c.tabel);
    bool complet = ok;
    if (ok && o.actualizeaza) randuri.sticle.reserve(sursa.randuriDeCitit());
    // Every row starts from what "Detect lambda" left: nothing of the row
    // before it, its name least of all, can reach it.
    const MaterialOptic baza = c.sticla;
    while (ok) {
        const int rand = sursa.urmatorulRand();
        if (rand <= 0) {
            complet = rand == 0;
            break;
        }
        c.sticla = baza;
        c.numeRand.clear();
        c.motivRespingere.clear();
        for (int i = 0; i < NumarAsocieri && ok; ++i) {
            if (c.date[i].empty() || i == 2 || i == 8) continue;
            for (int j = 0; j < c.asocieri[i].nrColoane; ++j)
                if (!TransferaDataDinColoaneCititeInSticla(i, j, c)) {
                    Mesaj(TextFormatat("Eroare in TransferaDataDinColoaneCititeInSticla(): i= %d  j = %d", i, j));
                    ok = complet = false;
                    break;
                }
        }
        if (!ok) break;
        if (c.numeRand.empty()) continue;
        std::string motiv = MotivRand(c, c.sticla);
        ++r.randuri;
        r.respinse += !motiv.empty();
        if (o.linie) {
            std::string linie = LinieRand(c, c.sticla, ordini);
            if (!motiv.empty()) linie += "\t(nu poate fi salvat: " + motiv + ")";
            if (!o.linie(linie)) {
                complet = false;
                break;
            }
        }
        if (o.actualizeaza) {
            randuri.sticle.push_back(c.sticla);
            randuri.nume.push_back(c.numeRand);
            randuri.motiv.push_back(std::move(motiv));
        }
    }
    const bool inchis = sursa.inchideCitire();
    ElibereazaBuffere(c);
    c.sticla = baza;
    platforma().cursorAsteptare(false);
    bool salvat = true;
    if (o.actualizeaza) {
        salvat = complet && inchis && SalveazaRanduri(c, o, randuri, r);
        if (!salvat && r.salvate == 0) {
            r.oprita = true;
            AfiseazaMesajInLista("Actualizare " + c.tabel + ": baza de date nu a fost schimbata", NivelAvertizare);
        } else {
            AfiseazaMesajInLista(TextFormatat("Actualizare %s: %d materiale salvate (%d noi), %d randuri nu pot fi salvate",
                                        c.tabel.c_str(), r.salvate, r.noi, r.respinse),
                                 NivelInformatie);
        }
    }
    if (rezultat) *rezultat = r;
    return complet && inchis && salvat && r.respinse == 0 ? 1 : 0;
}

}  // namespace vitramor
