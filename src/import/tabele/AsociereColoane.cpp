#include "import/tabele/AsociereColoane.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "editors/LiniiSpectrale.h"
#include "fileutil/UtilitatiFisiere.h"
#include "platform/DepozitSetari.h"
#include "settings/Directoare.h"
#include "suite/Vedora.h"
#include "record/TextFormatat.h"

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
    {"lambda_indici", "Lungimi de unda indici [nm]", TipFloat, 50, CAMP(lambda_indici), 4},
    {"indice_n", "Indici de refractie n", TipDouble, 50, CAMP(indice_n), 8},
    {"indice_k", "Coeficienti de extinctie k", TipDouble, 50, CAMP(indice_k), 8},
    {"coef. disp. n", "Coeficienti dispersie n", TipDouble, 24, CAMP(coef_disp_n), 8},
    {"coef. disp. k", "Coeficienti dispersie k", TipDouble, 24, CAMP(coef_disp_k), 8},
    {"densitate", "Densitate [g/cm^3]", TipFloat, 1, CAMP(densitate), 4},
    {"lambda_Ti", "Lungimi de unda transmisie [nm]", TipUshort, 50, CAMP(lambda_Ti), 2},
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
    {"grosime transmisie", "Grosime transmisie [mm]", TipFloat, 1, CAMP(grosime_transmisie), 4},
};
#undef CAMP

void Mesaj(const std::string& text, const std::string& titlu = {}) { MesajBox(nullptr, text, titlu, stil::MB_OK); }

const ColoanaTabel* Coloana(const std::vector<ColoanaTabel>& c, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < c.size() ? &c[static_cast<std::size_t>(i)] : nullptr;
}

bool Intervalul(const AsociereMarimeSticla& a) { return a.coloanaStart >= 0 && a.coloanaStop >= a.coloanaStart; }

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

std::string LinieAsociere(AsociereMarimeSticla& a, const std::vector<ColoanaTabel>* coloane) {
    if (!a.nume[0]) return {};
    const std::string nume(a.nume, strnlen(a.nume, sizeof a.nume));
    if (a.factor == 0) a.factor = 1.0f;
    // Columns of a wider table, left in an entry, must never be read on a
    // narrower one: active or not, an entry keeps only columns this table has.
    if (coloane) {
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
    if (!a.activ) return TextFormatat(" %s\t%s\t%d\t \t \t ", nume.c_str(), NumeTipElement(a.tip), a.nrElemente);
    std::string start, stop, tipStart, tipStop;
    if (coloane) {
        if (const auto* k = Coloana(*coloane, a.coloanaStart)) start = k->nume, tipStart = NumeTipSql(k->tipSql);
        if (const auto* k = Coloana(*coloane, a.coloanaStop)) stop = k->nume, tipStop = NumeTipSql(k->tipSql);
    } else {
        // Without a table the columns can only be told by their index.
        start = std::to_string(a.coloanaStart);
        stop = std::to_string(a.coloanaStop);
    }
    return TextFormatat("*%s\t%s\t%d\t%s - %s\t%s - %s\t%d\t%g", nume.c_str(), NumeTipElement(a.tip), a.nrElemente,
                  start.c_str(), tipStart.c_str(), stop.c_str(), tipStop.c_str(), a.nrColoane,
                  static_cast<double>(a.factor));
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

const char* FelColoanaTabel(int tipSql) {
    switch (tipSql) {
        case SQL_CHAR: case SQL_VARCHAR: case SQL_LONGVARCHAR: case SQL_WCHAR: case SQL_WVARCHAR: case SQL_WLONGVARCHAR:
            return "text";
        case SQL_NUMERIC: case SQL_DECIMAL: case SQL_FLOAT: case SQL_REAL: case SQL_DOUBLE: return "numere";
        case SQL_INTEGER: case SQL_SMALLINT: case SQL_TINYINT: case SQL_BIGINT: case SQL_BIT: return "numere intregi";
        case SQL_DATETIME: case SQL_TYPE_DATE: case SQL_TYPE_TIME: case SQL_TYPE_TIMESTAMP: return "date calendaristice";
        default: return "date binare sau necunoscute";
    }
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

int SalveazaAsocieriInRegistri(const std::string& numeRegistru, const TabelAsocieri& t) {
    SettingsStore& s = platforma().setari();
    const std::string cheie = CheieRegistruOdbc(numeRegistru);
    if (!s.creazaCheie(cheie) || !s.scrieBinar(cheie, "ASOCIERE", OctetiAsocieri(t))) {
        MesajBox(nullptr, s.textEroare().empty() ? "Valoarea ASOCIERE nu poate fi scrisa" : s.textEroare(),
                 "SalveazaAsocieriMarimiSticlaCuTabelODBC()", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return 0;
    }
    return 1;
}

int RestaureazaAsocieriDinRegistri(const std::string& numeRegistru, TabelAsocieri& t) {
    SettingsStore& s = platforma().setari();
    const std::string cheie = CheieRegistruOdbc(numeRegistru);
    if (!s.existaCheie(cheie)) {
        MesajBox(nullptr, "Sistemul nu poate gasi cheia " + cheie + " in registri.",
                 "CitesteODBC_CoatingDB_dinRegistri()", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return 0;
    }
    const auto o = s.citesteBinar(cheie, "ASOCIERE");
    TabelAsocieri citit;
    if (!o || !AsocieriDinOcteti(*o, citit)) {
        MesajBox(nullptr, "Valoarea ASOCIERE lipseste sau nu are 6800 octeti.", "RegQueryValueEx()",
                 stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return 0;
    }
    t = citit;
    return 1;
}

int SalveazaAsocieriInFisier(const std::string& cale, const TabelAsocieri& t) {
    const auto o = OctetiAsocieri(t);
    const int cod = ScrieFisierIntreg(cale, std::string_view(reinterpret_cast<const char*>(o.data()), o.size()));
    if (cod != 0) {
        if (cod != EPERM) eroare(path_help, nullptr, stil::MB_OK | stil::MB_ICONEXCLAMATION, 145);
        return 0;
    }
    return 1;
}

int IncarcaAsocieriDinFisier(const std::string& cale, TabelAsocieri& t) {
    std::ifstream f;
    if (!EsteNeobisnuit(cale)) f.open(cale, std::ios::binary);
    if (!f.is_open()) {
        eroare(path_help, nullptr, stil::MB_OK | stil::MB_ICONEXCLAMATION, 145);
        return 0;
    }
    std::vector<std::uint8_t> o(MarimeTabelAsocieri + 1);
    f.read(reinterpret_cast<char*>(o.data()), static_cast<std::streamsize>(o.size()));
    o.resize(static_cast<std::size_t>(f.gcount()));
    TabelAsocieri citit;
    if (!AsocieriDinOcteti(o, citit)) {
        Mesaj("Fisierul " + cale + " nu este un fisier de asocieri (*.aso): are " + std::to_string(o.size()) +
                  " octeti in loc de 6800.",
              "ATENTIE!");
        return 0;
    }
    t = citit;
    return 1;
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

int LambdaIndiciDinColoane(ContextImportExcel& c, std::vector<std::string>& linii) {
    const auto& a = c.asocieri[3];
    if (!Intervalul(a)) {
        Mesaj("Nu ati definit coloana start si stop ptr indici_n");
        return 0;
    }
    std::fill(std::begin(c.sticla.lambda_indici), std::end(c.sticla.lambda_indici), 0.0f);
    c.lambdaColoaneIndici.clear();
    c.nrLambdaIndici = 0;
    for (int k = a.coloanaStart; k <= a.coloanaStop && k - a.coloanaStart < NumarSloturiTabel; ++k) {
        const ColoanaTabel* col = Coloana(c.coloane, k);
        const std::string nume = col ? col->nume : std::string();
        const auto pn = nume.find('n');
        float lambda = 0;
        if (pn != std::string::npos) {
            std::string rest = nume.substr(pn + 1);
            if (!rest.empty() && rest[0] >= '0' && rest[0] <= '9') {
                rest = rest.substr(0, rest.find('#'));
                lambda = static_cast<float>(std::strtod(rest.c_str(), nullptr));
            } else {
                lambda = LungimeUndaDinNumeLinie(nume.substr(pn));
            }
        }
        if (pn == std::string::npos || !(lambda > 0) || !(lambda < 65536)) {
            Mesaj(TextFormatat("Coloana %s nu este ptr. lambda indici.\nRedefiniti coloanele ptr. indice_n", nume.c_str()));
            c.lambdaColoaneIndici.clear();
            return 0;
        }
        c.lambdaColoaneIndici.push_back(lambda);
    }
    const int n = static_cast<int>(c.lambdaColoaneIndici.size());
    std::copy(c.lambdaColoaneIndici.begin(), c.lambdaColoaneIndici.end(), c.sticla.lambda_indici);
    std::sort(c.sticla.lambda_indici, c.sticla.lambda_indici + n);
    if (std::adjacent_find(c.sticla.lambda_indici, c.sticla.lambda_indici + n) != c.sticla.lambda_indici + n) {
        Mesaj("Doua coloane ptr. indice_n au aceeasi lungime de unda.\nRedefiniti coloanele ptr. indice_n");
        std::fill(std::begin(c.sticla.lambda_indici), std::end(c.sticla.lambda_indici), 0.0f);
        c.lambdaColoaneIndici.clear();
        return 0;
    }
    c.nrLambdaIndici = n;
    std::string linie = "Lungimi de unda indici";
    for (int i = 0; i < n; ++i) linie += TextFormatat("\t%g", static_cast<double>(c.sticla.lambda_indici[i]));
    linii.push_back(linie);
    return 1;
}

std::string LinieLambdaTi(const MaterialOptic& m) {
    std::string linie = "Lungimi de unda transmisie interna";
    for (int i = 0; i < 40; ++i) linie += TextFormatat("\t%d", m.lambda_Ti[i]);
    return linie;
}

// "TAUI<thickness mm>/<wavelength nm>": the thickness text and the
// wavelength, or false after the message naming what is missing.
bool CitesteNumeTaui(const std::string& nume, std::string& grosime, int& lambda, bool cuMesaj) {
    if (nume.find("TAUI") == std::string::npos) {
        if (cuMesaj) Mesaj(TextFormatat("NumeColoana %s nu contine TAUI", nume.c_str()));
        return false;
    }
    const auto bara = nume.size() > 4 ? nume.find('/', 4) : std::string::npos;
    if (bara == std::string::npos) {
        if (cuMesaj) Mesaj(TextFormatat("NumeColoana %s nu contine /", nume.c_str()));
        return false;
    }
    grosime = nume.substr(4, std::min<std::size_t>(bara - 4, 11));
    lambda = std::atoi(nume.c_str() + bara + 1);
    return true;
}

// The transmittance columns' wavelengths into the scratch record, ascending.
int TerminaLambdaTi(ContextImportExcel& c, std::vector<std::string>& linii) {
    auto& l = c.lambdaColoaneTi;
    std::vector<std::uint16_t> sortate(l);
    std::sort(sortate.begin(), sortate.end());
    if (std::adjacent_find(sortate.begin(), sortate.end()) != sortate.end() || (!sortate.empty() && sortate[0] == 0)) {
        Mesaj("Coloanele ptr. transmisia interna nu au lungimi de unda distincte.\nRedefiniti coloanele ptr. "
              "transmisia interna");
        l.clear();
        return 0;
    }
    std::fill(std::begin(c.sticla.lambda_Ti), std::end(c.sticla.lambda_Ti), 0);
    std::copy(sortate.begin(), sortate.end(), c.sticla.lambda_Ti);
    c.nrLambdaTi = static_cast<int>(sortate.size());
    linii.push_back(LinieLambdaTi(c.sticla));
    return 1;
}

// The code-1 catalogue measures at fixed wavelengths; its columns need not
// say which, but the thickness must come from somewhere: from the column
// names when they are "TAUI<mm>/<nm>", or from the thickness entry.
int LambdaTiTabelFix(ContextImportExcel& c, std::vector<std::string>& linii) {
    static const std::uint16_t Fix[] = {280, 290, 300, 310, 320, 330, 340, 350, 360,  370,  380,  390,  400,  420,  440,  460,
                                        480, 500, 550, 600, 650, 700, 800, 900, 1000, 1200, 1400, 1600, 1800, 2000, 2200, 2400};
    const auto& a = c.asocieri[9];
    c.lambdaColoaneTi.clear();
    c.nrLambdaTi = 0;
    if (!Intervalul(a)) {
        Mesaj(TextFormatat("Nu ati definit coloana start %d si/sau stop %d ptr Ti", a.coloanaStart, a.coloanaStop));
        return 0;
    }
    const int n = a.coloanaStop - a.coloanaStart + 1;
    if (n > static_cast<int>(std::size(Fix))) {
        Mesaj(TextFormatat("Transmisia are %d coloane, dar tabelul fix are doar %d lungimi de unda.\nRedefiniti coloanele "
                     "ptr. transmisia interna",
                     n, static_cast<int>(std::size(Fix))));
        return 0;
    }
    std::string grosime;
    bool dinNume = true;
    for (int k = a.coloanaStart; k <= a.coloanaStop && dinNume; ++k) {
        std::string g;
        int lambda = 0;
        const ColoanaTabel* col = Coloana(c.coloane, k);
        dinNume = col && CitesteNumeTaui(col->nume, g, lambda, false) && (k == a.coloanaStart || g == grosime);
        grosime = g;
    }
    c.sticla.grosime_transmisie = dinNume ? static_cast<float>(std::strtod(grosime.c_str(), nullptr)) : 0.0f;
    if (!(c.sticla.grosime_transmisie > 0) && !c.asocieri[IntrareGrosimeTransmisie].activ) {
        c.sticla.grosime_transmisie = 0;
        Mesaj("Grosimea de referinta a transmisiei nu se cunoaste: numele coloanelor nu o dau "
              "(TAUI<grosime>/<lambda>) si asocierea \"grosime transmisie\" nu este activa.\nDefiniti una din ele.");
        return 0;
    }
    c.lambdaColoaneTi.assign(Fix, Fix + n);
    return TerminaLambdaTi(c, linii);
}

int LambdaTiDinColoane(ContextImportExcel& c, std::vector<std::string>& linii) {
    const auto& a = c.asocieri[9];
    c.lambdaColoaneTi.clear();
    c.nrLambdaTi = 0;
    if (!Intervalul(a)) {
        Mesaj(TextFormatat("Nu ati definit coloana start %d si/sau stop %d ptr Ti", a.coloanaStart, a.coloanaStop));
        return 0;
    }
    std::string grosime;
    for (int k = a.coloanaStart; k <= a.coloanaStop && k - a.coloanaStart < NumarSloturiTabel; ++k) {
        const ColoanaTabel* col = Coloana(c.coloane, k);
        const std::string nume = col ? col->nume : std::string();
        std::string g;
        int lambda = 0;
        if (!CitesteNumeTaui(nume, g, lambda, true)) return 0;
        if (k == a.coloanaStart) {
            grosime = g;
            c.sticla.grosime_transmisie = static_cast<float>(std::strtod(g.c_str(), nullptr));
        } else if (g != grosime) {
            Mesaj(TextFormatat("Coloana %s nu este ptr. transmisie interna.\nRedefiniti coloanele ptr. transmisia interna",
                         nume.c_str()));
            c.lambdaColoaneTi.clear();
            return 0;
        }
        c.lambdaColoaneTi.push_back(static_cast<std::uint16_t>(std::clamp(lambda, 0, 65535)));
    }
    return TerminaLambdaTi(c, linii);
}

}  // namespace

int DetecteazaLambda(ContextImportExcel& c, int codProducator, std::vector<std::string>& linii) {
    if (codProducator == 1) return LambdaIndiciDinColoane(c, linii) && LambdaTiTabelFix(c, linii);
    if (codProducator == 3) return LambdaIndiciDinColoane(c, linii) && LambdaTiDinColoane(c, linii);
    Mesaj(TextFormatat("Producator sticle %d necunoscut sau functie nefinalizata", codProducator));
    return 0;
}

}  // namespace vitramor
