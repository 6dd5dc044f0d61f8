// File selection by numbered type and the explanation of chooser failures.

#include "fileutil/AlegereFisier.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/DepozitSetari.h"

namespace vitramor {

namespace {

// The rows this system asks for. The other applications of the suite have
// their own rows in their own tables; none of them is ever requested here.
constexpr std::array<TipFisier, 10> TabelTipuri{{
    {tipfisier::Director, "Cauta director (*.xxx )", "*.xxx", "xxx", "FisierFormal.xxx"},
    {tipfisier::Text, "Fisier text (*.txt)", "*.txt", "txt", nullptr},
    {tipfisier::CatalogSchott, "Catalog Schott (*.sch)", "*.sch", "sch", "allglass.sch"},
    {tipfisier::MaterialeOptice, "Fisier cu materiale optice (*.dat)", "*.dat", "dat", "sticle32.dat"},
    {tipfisier::Orice, "All file (*.*)", "*.*", nullptr, "*.*"},
    {tipfisier::Csv, "CSV (*.csv)", "*.csv", "CSV", nullptr},
    // The chooser appends only the first three characters of this text.
    {tipfisier::Asociere, "(*.aso)", "*.aso", "Asociere coloane Excel files (*.aso)", nullptr},
    {tipfisier::Agf, "Catalog AGF (*.agf)", "*.agf", "agf", nullptr},
    {tipfisier::Yml, "refractiveindex.info (*.yml)", "*.yml", "yml", nullptr},
    {tipfisier::ImaginePng, "Imagine PNG (*.png)", "*.png", "png", nullptr},
}};

constexpr const char* DescriereToate = "All Files (*.*)";
constexpr const char* ModelToate = "*.*";

// Filter descriptions and patterns live in 40-character slots.
constexpr std::size_t LungimeMaximaFiltru = 39;
// The chooser's buffer for the full path.
constexpr std::size_t LungimeBufferCale = 1024;
// The chooser appends at most this many characters of the default extension.
constexpr std::size_t LungimeExtensieAdaugata = 3;

std::string Taie(const std::string& s, std::size_t n) {
    if (s.size() <= n) return s;
    // Never cut inside a UTF-8 sequence.
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
    return s.substr(0, n);
}

bool EgaleFaraMajuscule(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// The extension the chooser adds to a name typed without one. On a
// case-insensitive file system "x.CSV" is found by "*.csv"; here it would
// not be, so an extension that is the pattern's own, apart from case, is
// spelled as the pattern spells it.
std::string ExtensieImplicita(const TipFisier& t) {
    if (!t.extensie) return {};
    std::string ext = Taie(t.extensie, LungimeExtensieAdaugata);
    const std::string model = t.model;
    if (model.size() > 2 && model.compare(0, 2, "*.") == 0 && EgaleFaraMajuscule(model.substr(2), ext))
        ext = model.substr(2);
    return ext;
}

// "C:\A\B\" and "C:\A\B" are the same directory; the callers join names with
// a separator of their own. The root keeps its only character.
std::string FaraSeparatorFinal(std::string d) {
    while (d.size() > 1 && (d.back() == '/' || d.back() == '\\')) d.pop_back();
    return d;
}

// What the callers cannot use although the chooser gave it: an entry
// without a file name, and a path longer than the 1024 characters the
// callers keep, which this file system allows. Empty when the answer is
// usable. (A chooser that cannot be shown comes back like a cancel.)
std::string MotivRefuz(const FisierAles& ales) {
    if (ales.nume.empty() || ales.nume == "." || ales.nume == ".." ||
        ales.nume.find('/') != std::string::npos || ales.nume.find('\0') != std::string::npos)
        return "Numele ales nu este un nume de fisier.";
    if (ales.director.size() + 1 + ales.nume.size() >= LungimeBufferCale)
        return "Calea aleasa este prea lunga (cel mult 1023 de caractere).";
    return {};
}

// Where the open chooser of each type was last answered. A user who imports
// from a maker's download folder finds it again next time, and a chooser
// never starts in a folder that is gone.
constexpr const char* CheieUltimeleDirectoare = "Software\\KESTRA\\VITRAMOR\\ULTIMELE DIRECTOARE";

std::string ValoareTip(int tip) { return "Deschide " + std::to_string(tip); }

}  // namespace

std::string UltimulDirectorAles(int tip) {
    return platforma().setari().citesteText(CheieUltimeleDirectoare, ValoareTip(tip)).value_or("");
}

void TineMinteDirectorAles(int tip, const std::string& director) {
    // Only a convenience: a store that cannot keep it changes nothing else.
    platforma().setari().creazaCheie(CheieUltimeleDirectoare);
    platforma().setari().scrieText(CheieUltimeleDirectoare, ValoareTip(tip), director);
}

std::string PrimulDirectorExistent(const std::vector<std::string>& candidati) {
    // Looked at without entering them: choosing a start must not move the
    // working directory or report anything.
    const auto exista = [](const std::string& d) {
        std::error_code ec;
        return !d.empty() && std::filesystem::is_directory(d, ec);
    };
    for (const std::string& d : candidati)
        if (exista(d)) return d;
#ifdef _WIN32
    const char* acasa = std::getenv("USERPROFILE");
#else
    const char* acasa = std::getenv("HOME");
#endif
    return acasa && exista(acasa) ? std::string(acasa) : std::string("/");
}

const TipFisier* GasesteTipFisier(int tip) {
    for (const TipFisier& t : TabelTipuri) {
        if (t.tip == tip) return &t;
    }
    return nullptr;
}

CerereAlegereFisier CerereAlegere(bool salvare, int tip, const std::string& director,
                                  const std::string& numeFisier) {
    CerereAlegereFisier c;
    c.titlu = salvare ? "Salveaza fisier" : "Deschide fisier";
    c.directorInitial = director;
    c.numeInitial = numeFisier;
    c.filtruSelectat = 0;  // the first pair, as filter index 1 selects it
    c.trebuieSaExiste = true;
    if (const TipFisier* t = GasesteTipFisier(tip)) {
        c.filtre.push_back({Taie(t->descriere, LungimeMaximaFiltru), {Taie(t->model, LungimeMaximaFiltru)}});
        c.extensieImplicita = ExtensieImplicita(*t);
        if (t->numeInitial) c.numeInitial = t->numeInitial;
    }
    c.filtre.push_back({DescriereToate, {ModelToate}});
    return c;
}

int AlegeFisier(Fereastra owner, bool salvare, int tip, std::string& director, std::string& numeFisier) {
    const std::string pornire = PrimulDirectorExistent({salvare ? std::string() : UltimulDirectorAles(tip), director});
    const CerereAlegereFisier cerere = CerereAlegere(salvare, tip, pornire, numeFisier);
    const std::optional<FisierAles> ales = salvare ? platforma().alegeFisierSalvare(owner, cerere)
                                                   : platforma().alegeFisierDeschidere(owner, cerere);
    if (!ales) return -1;  // cancelled: nothing to explain
    if (const std::string motiv = MotivRefuz(*ales); !motiv.empty()) {
        platforma().beep();
        MesajBox(owner, motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return -1;
    }
    director = FaraSeparatorFinal(ales->director);
    numeFisier = ales->nume;
    if (!salvare) TineMinteDirectorAles(tip, director);
    return 0;
}

}  // namespace vitramor
