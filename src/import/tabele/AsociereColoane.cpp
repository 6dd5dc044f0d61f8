#include "import/tabele/AsociereColoane.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <numeric>

#include "fileutil/UtilitatiFisiere.h"
#include "import/tabele/AntetColoane.h"
#include "import/tabele/CheieSetariOdbc.h"
#include "platform/DepozitSetari.h"
#include "record/CodificareText.h"
#include "record/LimiteFizice.h"
#include "record/NumarCatalog.h"
#include "record/TextFormatat.h"
#include "suite/Vedora.h"

namespace vitramor {

namespace {

struct Implicita {
    const char* nume;     // as stored in the association files, byte for byte
    const char* afisare;  // as the dialog shows it
    std::int16_t tip;
    std::int16_t elemente;
    std::size_t deplasare;
    std::int32_t marime;
};

#define CAMP(f) offsetof(MaterialOptic, f)
const Implicita Implicite[NumarAsocieriImplicite] = {
    {"nume", "Nume", TipChar, 15, CAMP(nume), 1},
    {"cod", "Cod", TipChar, 13, CAMP(cod), 1},
    {"lambda_indici", "Lungimi de unda indici", TipFloat, 50, CAMP(lambda_indici), 4},
    {"indice_n", "Indici de refractie n", TipDouble, 50, CAMP(indice_n), 8},
    {"indice_k", "Coeficienti de extinctie k", TipDouble, 50, CAMP(indice_k), 8},
    {"coef. disp. n", "Coeficienti dispersie n", TipDouble, 24, CAMP(coef_disp_n), 8},
    {"coef. disp. k", "Coeficienti dispersie k", TipDouble, 24, CAMP(coef_disp_k), 8},
    {"densitate", "Densitate", TipFloat, 1, CAMP(densitate), 4},
    {"lambda_Ti", "Lungimi de unda transmisie", TipUshort, 50, CAMP(lambda_Ti), 2},
    {"transmisia interna", "Transmisie interna", TipFloat, 50, CAMP(transmisia_interna), 4},
    {"Modul Young", "Modul Young", TipFloat, 1, CAMP(modul_young), 4},
    {"Raport Poissom", "Raport Poisson", TipFloat, 1, CAMP(raport_poisson), 4},
    {"Propr. chimice", "Proprietati chimice", TipUshort, 9, CAMP(stabilitate_chimica), 2},
    {"Tg, ...", "Temperaturi (Tg, ...)", TipUshort, 6, CAMP(temperaturi), 2},
    {"Heat conductivity", "Conductibilitate termica", TipFloat, 4, CAMP(conductibilitate_termica), 4},
    {"Thermal expansion", "Dilatare termica", TipFloat, 4, CAMP(dilatare), 4},
    {"Knoop hardness", "Duritate Knoop", TipFloat, 1, CAMP(duritate_knoop), 4},
    {"Heat capacity", "Caldura specifica", TipFloat, 4, CAMP(caldura_specifica), 4},
    {"Grindability class (HG)", "Clasa de abraziune (HG)", TipFloat, 1, CAMP(duritate_abraziune), 4},
    {"grosime transmisie", "Grosime transmisie", TipFloat, 1, CAMP(grosime_transmisie), 4},
};
#undef CAMP

const ColoanaTabel* Coloana(const std::vector<ColoanaTabel>& c, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < c.size() ? &c[static_cast<std::size_t>(i)] : nullptr;
}

bool Intervalul(const AsociereMarimeSticla& a) { return a.coloanaStart >= 0 && a.coloanaStop >= a.coloanaStart; }

// What makers write in a cell for "no value": dashes, stars, dots, "n/a".
bool EsteSubstitut(std::string_view t) {
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    if (t.empty()) return true;
    std::string mic(t);
    std::transform(mic.begin(), mic.end(), mic.begin(), [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    if (mic == "n/a" || mic == "na" || mic == "n.a." || mic == "?") return true;
    // ASCII - * . / and the UTF-8 dashes (bytes E2 80 93/94, E2 88 92).
    return mic.find_first_not_of("-*./\xe2\x80\x93\x94\x88\x92") == std::string::npos;
}

}  // namespace

void ScrieAsocieriImplicite(ContextImportExcel& c) {
    auto* baza = reinterpret_cast<unsigned char*>(&c.sticla);
    for (int i = 0; i < NumarAsocieriImplicite; ++i) {
        auto& a = c.asocieri[i];
        const auto& d = Implicite[i];
        std::memset(a.nume, 0, sizeof a.nume);
        std::strncpy(a.nume, d.nume, sizeof a.nume - 1);
        a.tip = d.tip;
        a.nrElemente = d.elemente;
        a.marimeElement = d.marime;
        c.campuri[i] = baza + d.deplasare;
    }
    c.asocieriSetate = 1;
}

void StergeAsocieri(TabelAsocieri& t) {
    for (int i = 0; i < NumarAsocieri; ++i) {
        t[i].numar = i;
        t[i].activ = 0;
        t[i].coloanaStart = t[i].coloanaStop = t[i].rezervat = t[i].nrColoane = -1;
    }
}

void DezactiveazaAsocieri(TabelAsocieri& t) {
    for (auto& a : t) a.activ = 0;
}

void VerificaAsociere(AsociereMarimeSticla& a, const std::vector<ColoanaTabel>* coloane) {
    if (a.factor == 0) a.factor = 1.0f;
    if (!coloane) return;
    // Columns of a wider table, left in an entry, must never be read on a
    // narrower one: active or not, an entry keeps only columns this table has.
    const int n = static_cast<int>(coloane->size());
    if (a.coloanaStart < 0 || a.coloanaStart >= n) {
        a.activ = 0;
        a.coloanaStart = -1;
    }
    if (a.coloanaStop < 0 || a.coloanaStop < a.coloanaStart || a.coloanaStop >= n) {
        a.activ = 0;
        a.coloanaStop = -1;
    }
}

std::vector<std::string> TitluriAsocieri() {
    return {"Activ", "Camp din material", "Unitate", "Valori", "Coloana din tabel", "Pana la coloana", "Nr. coloane",
            "Factor conversie"};
}

std::vector<std::string> CeluleAsociere(const TabelAsocieri& t, int intrare, const std::vector<ColoanaTabel>* coloane,
                                        int producator) {
    const AsociereMarimeSticla& a = t[static_cast<std::size_t>(intrare)];
    const bool activ = a.activ != 0;
    const auto coloana = [&](int k) -> std::string {
        if (!activ || k < 0) return {};
        if (!coloane) return "coloana " + std::to_string(k + 1);
        const ColoanaTabel* col = Coloana(*coloane, k);
        return col ? col->nume : std::string();
    };
    return {activ ? "da" : "",
            Utf8DinWindows1252(NumeCampAsociere(a)),
            intrare < NumarAsocieriImplicite ? UnitateCamp(intrare, producator) : std::string(),
            DescriereValoriAsociere(a),
            coloana(a.coloanaStart),
            coloana(a.coloanaStop),
            activ ? std::to_string(a.nrColoane) : std::string(),
            activ ? TextFormatat("%g", static_cast<double>(a.factor == 0 ? 1.0f : a.factor)) : std::string()};
}

std::string NumeCampAsociere(const AsociereMarimeSticla& a) {
    const std::string nume(a.nume, strnlen(a.nume, sizeof a.nume));
    for (const auto& d : Implicite)
        if (nume == d.nume) return d.afisare;
    return nume;
}

std::string DescriereValoriAsociere(const AsociereMarimeSticla& a) {
    if (a.tip == TipChar || a.tip == TipWchar) return TextFormatat("text, max. %d caractere", a.nrElemente);
    const bool intreg = a.tip != TipFloat && a.tip != TipDouble;
    if (a.nrElemente == 1) return intreg ? "un numar intreg" : "un numar";
    return TextFormatat(intreg ? "max. %d numere intregi" : "max. %d numere", a.nrElemente);
}

bool EsteNumerica(const AsociereMarimeSticla& a) { return a.tip != TipChar && a.tip != TipWchar; }

std::string FelColoana(const DateColoana& d) {
    if (d.numere == 0 && d.texte == 0) return "goala";
    if (d.texte == 0) return "numere";
    if (d.numere == 0) return "text";
    return d.numere >= d.texte ? "numere (si cateva texte)" : "text (si cateva numere)";
}

std::optional<double> NumarDinCelula(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    double v = 0;
    const CitireNumar c = CitesteNumarCatalog(t, v);
    if (c.lungime == 0 || c.depasire) return std::nullopt;
    return v;
}

std::string TextDinCelula(const CelulaFoaie& c) {
    if (c.tip == CelulaFoaie::Numar) return TextFormatat("%.15g", c.numar);
    return c.tip == CelulaFoaie::Text ? c.text : std::string();
}

bool CitesteEsantion(ContextImportExcel& c, std::size_t maxim, std::size_t pastrate) {
    c.esantion = {};
    const std::size_t n = std::min<std::size_t>(c.coloane.size(), MaximColoaneTabel);
    c.esantion.coloane.resize(n);
    if (!c.sursa) return false;
    if (n == 0) return true;
    std::vector<int> coloane(n);
    std::iota(coloane.begin(), coloane.end(), 0);
    std::size_t r = 0;
    const bool ok = c.sursa->citesteRanduri(c.tabel, coloane, [&](const std::vector<CelulaFoaie>& celule) {
        if (r < pastrate) c.esantion.randuri.emplace_back(n);
        for (std::size_t k = 0; k < n; ++k) {
            const std::string text = TextDinCelula(celule[k]);
            if (r < pastrate) c.esantion.randuri.back()[k] = text;
            DateColoana& d = c.esantion.coloane[k];
            if (EsteSubstitut(text)) continue;
            if (NumarDinCelula(text)) {
                ++d.numere;
            } else if (d.texte++ == 0) {
                d.text = text;
            }
        }
        return ++r < maxim;
    });
    return ok;
}

std::string MotivColoane(const ContextImportExcel& c, int intrare, int start, int stop) {
    const AsociereMarimeSticla& a = c.asocieri[static_cast<std::size_t>(intrare)];
    const auto nume = [&](int k) {
        const ColoanaTabel* col = Coloana(c.coloane, k);
        return col ? col->nume : std::string();
    };
    const std::string camp = Utf8DinWindows1252(NumeCampAsociere(a));
    if (stop < start)
        return TextFormatat("Coloana de sfarsit (%s) este inaintea celei de inceput (%s).", nume(stop).c_str(),
                            nume(start).c_str());
    if (stop - start + 1 > a.nrElemente)
        return TextFormatat("Nr. coloane > nr. elemente: %d coloane, dar campul %s tine %d valori.", stop - start + 1,
                            camp.c_str(), a.nrElemente);
    if (!EsteNumerica(a)) return {};
    for (int k = start; k <= stop; ++k) {
        if (static_cast<std::size_t>(k) >= c.esantion.coloane.size()) break;
        const DateColoana& d = c.esantion.coloane[static_cast<std::size_t>(k)];
        if (d.texte > d.numere)
            return TextFormatat("Coloanele selectate nu au acelasi tip: coloana %s are text (\"%s\"), iar campul %s ia "
                                "numere.",
                                nume(k).c_str(), d.text.c_str(), camp.c_str());
    }
    return {};
}

double ValoareDupaFactor(const AsociereMarimeSticla& a, double x) {
    const double factor = a.factor == 0 ? 1.0 : static_cast<double>(a.factor);
    const double intreg = std::clamp(std::trunc(x), -2147483648.0, 4294967295.0);
    switch (a.tip) {
        case TipFloat: return static_cast<float>(x * factor);
        case TipDouble: return x * factor;
        case TipInt: return static_cast<std::int32_t>(std::clamp(intreg * factor, -2147483648.0, 2147483647.0));
        case TipUint: return static_cast<std::uint32_t>(std::clamp(intreg * factor, 0.0, 4294967295.0));
        default: {  // short and USHORT: the low 16 bits, no factor
            const auto biti = static_cast<std::uint16_t>(static_cast<std::int64_t>(intreg) & 0xFFFF);
            return a.tip == TipShort ? static_cast<double>(static_cast<std::int16_t>(biti)) : biti;
        }
    }
}

std::string PrimulRandStocat(const ContextImportExcel& c, int intrare) {
    const AsociereMarimeSticla& a = c.asocieri[static_cast<std::size_t>(intrare)];
    const auto& randuri = c.esantion.randuri;
    if (!a.activ || a.coloanaStart < 0 || randuri.empty()) return {};
    const auto celula = [](const std::vector<std::string>& r, int k) {
        return k >= 0 && static_cast<std::size_t>(k) < r.size() ? r[static_cast<std::size_t>(k)] : std::string();
    };
    // The first glass: rows above it (units, notes) have no name.
    const AsociereMarimeSticla& nume = c.asocieri[IntrareNume];
    std::size_t rand = 0;
    if (nume.activ && nume.coloanaStart >= 0)
        while (rand + 1 < randuri.size() && celula(randuri[rand], nume.coloanaStart).empty()) ++rand;
    std::string text;
    const int n = std::max<int>(a.nrColoane, 1);
    for (int j = 0; j < std::min(n, 3); ++j) {
        const std::string t = celula(randuri[rand], a.coloanaStart + j);
        const auto v = EsteNumerica(a) ? NumarDinCelula(t) : std::nullopt;
        if (!text.empty()) text += "; ";
        text += !EsteNumerica(a) ? (t.empty() ? "-" : t) : v ? TextFormatat("%g", ValoareDupaFactor(a, *v)) : "-";
    }
    return n > 3 ? text + "; ..." : text;
}

std::vector<std::uint8_t> OctetiAsocieri(const TabelAsocieri& t) {
    std::vector<std::uint8_t> o(MarimeTabelAsocieri);
    std::memcpy(o.data(), t.data(), o.size());
    return o;
}

bool AsocieriDinOcteti(const std::vector<std::uint8_t>& o, TabelAsocieri& t) {
    if (o.size() != MarimeTabelAsocieri) return false;
    std::memcpy(t.data(), o.data(), o.size());
    return true;
}

RezultatOperatie SalveazaAsocieriInRegistri(const std::string& numeRegistru, const TabelAsocieri& t) {
    DepozitSetari& s = platforma().setari();
    const std::string cheie = CheieRegistruOdbc(numeRegistru);
    if (!s.creazaCheie(cheie) || !s.scrieBinar(cheie, "ASOCIERE", OctetiAsocieri(t)))
        return RezultatOperatie::Esec(s.textEroare().empty() ? "Valoarea ASOCIERE nu poate fi scrisa" : s.textEroare());
    return {};
}

RezultatOperatie RestaureazaAsocieriDinRegistri(const std::string& numeRegistru, TabelAsocieri& t) {
    DepozitSetari& s = platforma().setari();
    const std::string cheie = CheieRegistruOdbc(numeRegistru);
    if (!s.existaCheie(cheie)) return RezultatOperatie::Esec("Sistemul nu poate gasi cheia " + cheie + " in registri.");
    const auto o = s.citesteBinar(cheie, "ASOCIERE");
    TabelAsocieri citit;
    if (!o || !AsocieriDinOcteti(*o, citit))
        return RezultatOperatie::Esec("Valoarea ASOCIERE lipseste sau nu are 6800 octeti.");
    t = citit;
    return {};
}

RezultatOperatie SalveazaAsocieriInFisier(const std::string& cale, const TabelAsocieri& t) {
    const auto o = OctetiAsocieri(t);
    return ScrieFisierIntreg(cale, std::string_view(reinterpret_cast<const char*>(o.data()), o.size()));
}

RezultatOperatie IncarcaAsocieriDinFisier(const std::string& cale, TabelAsocieri& t) {
    std::ifstream f;
    if (!EsteNeobisnuit(cale)) f.open(cale, std::ios::binary);
    if (!f.is_open()) return RezultatOperatie::Esec(ReturneazaMesajEroare({}, 145) + "\n" + cale);
    std::vector<std::uint8_t> o(MarimeTabelAsocieri + 1);
    f.read(reinterpret_cast<char*>(o.data()), static_cast<std::streamsize>(o.size()));
    o.resize(static_cast<std::size_t>(f.gcount()));
    TabelAsocieri citit;
    if (!AsocieriDinOcteti(o, citit))
        return RezultatOperatie::Esec("Fisierul " + cale + " nu este un fisier de asocieri (*.aso): are " +
                                      std::to_string(o.size()) + " octeti in loc de 6800.");
    t = citit;
    return {};
}

void DupaIncarcareAsocieri(ContextImportExcel& c) {
    for (auto& a : c.asocieri) {
        a.campSticla = a.dateClient = a.indicatori = 0;
        // A stored table from elsewhere may name more columns than the
        // field holds; the transfer would write past the field.
        if (a.nrElemente > 0 && a.nrColoane > a.nrElemente) a.activ = 0;
    }
    ScrieAsocieriImplicite(c);
    for (int i = NumarAsocieriImplicite; i < NumarAsocieri; ++i) c.asocieri[i].activ = 0;
}

namespace {

// What "Detect lambda" finds wrong, for its caller to tell.
void Respinge(ContextImportExcel& c, std::string motiv) { c.motivDetectie = std::move(motiv); }

std::string NumeColoana(const ContextImportExcel& c, int k) {
    const ColoanaTabel* col = Coloana(c.coloane, k);
    return col ? col->nume : std::string();
}

int LambdaIndiciDinColoane(ContextImportExcel& c, std::vector<std::string>& linii) {
    const auto& a = c.asocieri[IntrareIndici];
    if (!Intervalul(a)) {
        Respinge(c, "Nu ati definit coloana start si stop ptr indici_n");
        return 0;
    }
    std::string linie = "Lungimi de unda indici";
    for (int k = a.coloanaStart; k <= a.coloanaStop && k - a.coloanaStart < NumarSloturiTabel; ++k) {
        const std::string nume = NumeColoana(c, k);
        const float lambda = LungimeUndaIndice(nume);
        const std::string motiv = lambda > 0 ? MotivLungimeUnda(lambda) : std::string();
        if (!(lambda > 0) || !motiv.empty()) {
            Respinge(c, TextFormatat("Coloana %s nu este ptr. lambda indici%s.\nRedefiniti coloanele ptr. indice_n",
                                     nume.c_str(), motiv.empty() ? "" : (" (" + motiv + ")").c_str()));
            c.lambdaColoaneIndici.clear();
            return 0;
        }
        c.lambdaColoaneIndici.push_back(lambda);
        linie += TextFormatat("\t%s = %g", nume.c_str(), static_cast<double>(lambda));
    }
    const int n = static_cast<int>(c.lambdaColoaneIndici.size());
    std::copy(c.lambdaColoaneIndici.begin(), c.lambdaColoaneIndici.end(), c.sticla.lambda_indici);
    std::sort(c.sticla.lambda_indici, c.sticla.lambda_indici + n);
    if (std::adjacent_find(c.sticla.lambda_indici, c.sticla.lambda_indici + n) != c.sticla.lambda_indici + n) {
        Respinge(c, "Doua coloane ptr. indice_n au aceeasi lungime de unda.\nRedefiniti coloanele ptr. indice_n");
        std::fill(std::begin(c.sticla.lambda_indici), std::end(c.sticla.lambda_indici), 0.0f);
        c.lambdaColoaneIndici.clear();
        return 0;
    }
    c.nrLambdaIndici = n;
    linii.push_back(linie);
    return 1;
}

// The wavelengths of catalogues whose transmittance columns do not say
// theirs (layout code 1), column by column.
constexpr std::uint16_t TabelFix[] = {280, 290, 300, 310, 320, 330, 340, 350, 360,  370,  380,  390,  400,  420,  440,  460,
                                      480, 500, 550, 600, 650, 700, 800, 900, 1000, 1200, 1400, 1600, 1800, 2000, 2200, 2400};

// The thickness of the transmittance and where it comes from, after the
// wavelengths: the "TAUI" names, the header rows above the columns, the
// thickness entry's column (row by row), the user's; or why there is none.
void GrosimeTransmisie(ContextImportExcel& c, const std::string& grosimeTaui, std::vector<std::string>& linii) {
    const auto& a = c.asocieri[IntrareTransmisie];
    double grosime = 0.0;
    float d = NumarCatalog(grosimeTaui, grosime) ? static_cast<float>(grosime) : 0.0f;
    std::string sursa = "din numele coloanelor";
    std::vector<float> dinAntet;
    if (!(d > 0)) {
        for (int k = a.coloanaStart; k <= a.coloanaStop; ++k)
            for (float g : GrosimiDinText(AntetColoana(c.coloane, k)))
                if (std::find(dinAntet.begin(), dinAntet.end(), g) == dinAntet.end()) dinAntet.push_back(g);
        if (dinAntet.size() == 1) d = dinAntet[0], sursa = "din randurile de antet de deasupra coloanelor";
    }
    const auto& coloana = c.asocieri[IntrareGrosimeTransmisie];
    if (!(d > 0) && coloana.activ && coloana.coloanaStart >= 0) {
        d = c.grosimeUtilizator;
        sursa = "din coloana " + NumeColoana(c, coloana.coloanaStart) + ", pentru fiecare sticla";
        if (d > 0) sursa += TextFormatat("; %g mm unde celula este goala", static_cast<double>(d));
    } else if (!(d > 0) && c.grosimeUtilizator > 0) {
        d = c.grosimeUtilizator;
        sursa = "data de utilizator";
    } else if (!(d > 0)) {
        std::string multe;
        for (float g : dinAntet) multe += (multe.empty() ? "" : ", ") + TextFormatat("%g", static_cast<double>(g));
        c.motivFaraTransmisie =
            "Transmisia nu se importa: grosimea de referinta nu se cunoaste (" +
            (multe.empty() ? std::string("nici numele coloanelor, nici randurile de antet de deasupra lor nu o dau")
                           : "randurile de antet dau mai multe grosimi: " + multe + " mm") +
            "). Dati grosimea (mm) ca sa fie importata.";
        linii.push_back("Grosime transmisie [mm]\t\t" + c.motivFaraTransmisie);
        return;
    }
    c.sticla.grosime_transmisie = d;
    linii.push_back(TextFormatat("Grosime transmisie [mm]\t%s\t%s", d > 0 ? TextFormatat("%g", static_cast<double>(d)).c_str() : "",
                                 sursa.c_str()));
}

// Every column's wavelength from its name ("TAUI10/2500", "280", "T280 nm"),
// in whatever order the columns run; the fixed table of code 1 for a
// column whose name carries none.
int LambdaTiDinColoane(ContextImportExcel& c, int codProducator, std::vector<std::string>& linii) {
    const auto& a = c.asocieri[IntrareTransmisie];
    if (!Intervalul(a)) {
        Respinge(c,
                 TextFormatat("Nu ati definit coloana start %d si/sau stop %d ptr Ti", a.coloanaStart, a.coloanaStop));
        return 0;
    }
    if (a.coloanaStop - a.coloanaStart >= NumarSloturiTabel) {
        Respinge(
            c, TextFormatat("Transmisia are %d coloane; campul tine %d.\nRedefiniti coloanele ptr. transmisia interna",
                            a.coloanaStop - a.coloanaStart + 1, NumarSloturiTabel));
        return 0;
    }
    std::string linie = "Lungimi de unda transmisie interna", grosimeTaui;
    for (int k = a.coloanaStart; k <= a.coloanaStop; ++k) {
        const std::string nume = NumeColoana(c, k);
        const NumeTransmisie t = CitesteNumeTransmisie(nume);
        if (t.taui && !grosimeTaui.empty() && t.grosime != grosimeTaui) {
            Respinge(c,
                     TextFormatat("Coloana %s nu este ptr. transmisie interna.\nRedefiniti coloanele ptr. transmisia "
                                  "interna",
                                  nume.c_str()));
            c.lambdaColoaneTi.clear();
            return 0;
        }
        if (t.taui) grosimeTaui = t.grosime;
        int lambda = t.lambda;
        const auto pozitie = static_cast<std::size_t>(k - a.coloanaStart);
        const bool fix = lambda == 0 && codProducator == 1 && pozitie < std::size(TabelFix);
        if (fix) lambda = TabelFix[pozitie];
        if (lambda == 0) {
            Respinge(c, TextFormatat("Coloana %s nu spune lungimea de unda a transmisiei (TAUI<grosime>/<lambda>, 280 "
                                     "sau 280nm).\nRedefiniti coloanele ptr. transmisia interna",
                                     nume.c_str()));
            c.lambdaColoaneTi.clear();
            return 0;
        }
        c.lambdaColoaneTi.push_back(static_cast<std::uint16_t>(lambda));
        linie += TextFormatat(fix ? "\t%s = %d (tabel fix)" : "\t%s = %d", nume.c_str(), lambda);
    }
    std::vector<std::uint16_t> sortate(c.lambdaColoaneTi);
    std::sort(sortate.begin(), sortate.end());
    if (std::adjacent_find(sortate.begin(), sortate.end()) != sortate.end()) {
        Respinge(c,
                 "Coloanele ptr. transmisia interna nu au lungimi de unda distincte.\nRedefiniti coloanele ptr. "
                 "transmisia interna");
        c.lambdaColoaneTi.clear();
        return 0;
    }
    std::copy(sortate.begin(), sortate.end(), c.sticla.lambda_Ti);
    c.nrLambdaTi = static_cast<int>(sortate.size());
    linii.push_back(linie);
    GrosimeTransmisie(c, grosimeTaui, linii);
    return 1;
}

}  // namespace

int DetecteazaLambda(ContextImportExcel& c, int codProducator, std::vector<std::string>& linii) {
    c.motivDetectie.clear();
    if (codProducator != 1 && codProducator != 3) {
        Respinge(c, TextFormatat("Producator sticle %d necunoscut sau functie nefinalizata", codProducator));
        return 0;
    }
    std::fill(std::begin(c.sticla.lambda_indici), std::end(c.sticla.lambda_indici), 0.0f);
    std::fill(std::begin(c.sticla.lambda_Ti), std::end(c.sticla.lambda_Ti), 0);
    c.sticla.grosime_transmisie = 0;
    c.lambdaColoaneIndici.clear();
    c.lambdaColoaneTi.clear();
    c.nrLambdaIndici = c.nrLambdaTi = 0;
    c.motivFaraTransmisie.clear();
    if (c.asocieri[IntrareIndici].activ && !LambdaIndiciDinColoane(c, linii)) return 0;
    return !c.asocieri[IntrareTransmisie].activ || LambdaTiDinColoane(c, codProducator, linii);
}

const char* NumeTipElement(int tip) {
    static const char* const nume[] = {"float", "double", "int",  "UINT", "short", "USHORT",
                                       "char",  "WCHAR",  "BOOL", "BYTE", "LINT",  "ULINT"};
    return tip >= 1 && tip <= 12 ? nume[tip - 1] : "necunoscut";
}

}  // namespace vitramor
