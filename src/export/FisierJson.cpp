#include "export/FisierJson.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>

#include "fileutil/UtilitatiFisiere.h"
#include "messages/ListaMesaje.h"
#include "platform/Platforma.h"
#include "platform/SistemFisiere.h"
#include "record/TextFormatat.h"
#include "suite/Vedora.h"

namespace vitramor {

using namespace stil;

namespace {

constexpr int MesajMemorie = 1;
constexpr int MesajCreareFisier = 8;
constexpr int MesajFisierNetext = 799;
constexpr int MesajCitireIncompleta = 1471;
constexpr int MesajPrintare = 1507;
constexpr int MesajArhiva = 1508;
// The archive name goes into a buffer of this many characters.
constexpr std::size_t LungimeMaximaNumeArhiva = 258;

std::string Text(const char* model, const std::string& fisier, const std::string& director) {
    return TextFormatat(model, fisier.c_str(), director.c_str());
}

std::string Mesaj(int numar) { return ReturneazaMesajEroare({}, numar); }

// The first line of a text file holds no NUL byte; a file whose first line
// does is some binary file that happens to carry the name. Read in blocks:
// a document printed unformatted is a single line of megabytes.
bool PrimaLinieAreNul(std::FILE* f) {
    char bloc[4096];
    for (;;) {
        const std::size_t n = std::fread(bloc, 1, sizeof bloc, f);
        for (std::size_t i = 0; i < n; ++i) {
            if (bloc[i] == '\0') return true;
            if (bloc[i] == '\r' || bloc[i] == '\n') return false;
        }
        if (n < sizeof bloc) return false;
    }
}

}  // namespace

int IncarcaInMemorieFisierJSON(const std::string& director, const std::string& numeFisier, cJSON*& arbore,
                               std::uint64_t& marime, std::string& motiv) {
    arbore = nullptr;
    marime = 0;
    std::uint64_t gasit = 0;
    if (!MarimeFisier(numeFisier, director, gasit) || gasit == 0) {
        motiv = Text("Fisierul %s nu exista in %s, sau nu are date", numeFisier, director);
        return 0;
    }
    marime = gasit;

    // An empty directory means the current one.
    if (!director.empty()) {
        motiv = DeCeDirectorInaccesibil(director);
        if (!motiv.empty()) return 0;
    }
    FisierDeschis f;
    if (RezultatOperatie r = DeschideFisierObisnuit(CaleInDirector(director, numeFisier), "rb", f.f); r.esuat()) {
        // What is no regular file is named as what it is.
        motiv = errno == EINVAL ? r.motiv : Text("Eroare deschidere fisier %s din %s", numeFisier, director);
        return 0;
    }
    if (PrimaLinieAreNul(f.f)) {
        motiv = Mesaj(MesajFisierNetext);
        return 0;
    }
    std::rewind(f.f);

    if (gasit > MarimeMaximaFisierJson) {
        motiv = Mesaj(MesajMemorie);
        return 0;
    }
    const std::size_t n = static_cast<std::size_t>(gasit);
    std::unique_ptr<char[]> text(new (std::nothrow) char[n + 1]);
    if (!text) {
        motiv = Mesaj(MesajMemorie);
        return 0;
    }
    const std::size_t citit = std::fread(text.get(), 1, n, f.f);
    if (citit < n) {
        motiv = Mesaj(MesajCitireIncompleta) + "\n" +
                TextFormatat("cerut %u, citit %u", static_cast<unsigned>(n), static_cast<unsigned>(citit));
        return 0;
    }
    text[n] = '\0';
    cJSON* radacina = cJSON_Parse(text.get());
    text.reset();
    if (!radacina) {
        motiv = Text("Eroare cJSON_Parse(): fisierul %s din %s", numeFisier, director);
        return 0;
    }
    // A short file may be a bare value; a document of this system's making
    // is never that short and always an object.
    if (gasit > MarimeMaximaValoareSimpla && !cJSON_IsObject(radacina) && !cJSON_IsArray(radacina)) {
        motiv = Text("Eroare cJSON_IsObject(): fisierul %s din %s", numeFisier, director);
        cJSON_Delete(radacina);
        return 0;
    }
    arbore = radacina;
    return 1;
}

namespace {

// The new text, complete and on the disk in a work file; a negative code with why in `motiv`.
int ScrieTemporar(const std::string& temporar, const char* text, std::size_t n, std::string& motiv) {
    SistemFisiere& fs = platforma().fisiere();
    int fd = -1;
    if (fs.creeaza(temporar, fd) != 0) {
        motiv = Mesaj(MesajCreareFisier);
        return -8;
    }
    int esec = fs.scrie(fd, text, n);
    if (esec == 0) esec = fs.sincronizeaza(fd);
    if (::close(fd) != 0 && esec == 0) esec = errno;
    if (esec != 0) {
        std::remove(temporar.c_str());
        motiv = TextFormatat("Eroare fwrite(): cerut %u, scris %u", static_cast<unsigned>(n), 0u);
        return -49;
    }
    return 0;
}

// An existing file becomes a numbered archive copy, named in `arhivat`; a
// negative code with why in `motiv`.
int ArhiveazaVechiul(const std::string& cale, std::string& arhivat, std::string& motiv) {
    std::uint64_t marime = 0;
    if (!MarimeFisier(cale, "", marime) || marime == 0) return 0;
    std::string arhiva;
    if (CreazaNumeFisierArhiva(cale, arhiva, LimitaArhive).esuat() ||
        std::filesystem::path(arhiva).filename().string().size() > LungimeMaximaNumeArhiva) {
        motiv = Mesaj(MesajArhiva);
        return -9;
    }
    if (platforma().fisiere().redenumeste(cale, arhiva) != 0) {
        // The old file is still in its place and its content exists nowhere
        // else: the new one does not replace it.
        motiv = Mesaj(MesajArhiva);
        return -8;
    }
    arhivat = arhiva;
    return 0;
}

// The document's text in place of the file at `cale`; 0, or a negative code with why in `motiv`.
int InlocuiesteCuText(const std::string& cale, const char* text, std::string& motiv) {
    const std::size_t n = std::strlen(text);
    // An empty document ("{\n}") is not worth a file: the old one goes to
    // the archive and no new one takes its place.
    const bool scrie = n > MarimeMaximaValoareSimpla;
    // The new text is complete and on the disk in a work file before the old
    // file is moved aside: a full disk leaves the old document where it was.
    const std::string temporar = cale + ".tmp";
    int cod = scrie ? ScrieTemporar(temporar, text, n, motiv) : 0;
    std::string arhivat;
    if (cod == 0) cod = ArhiveazaVechiul(cale, arhivat, motiv);
    if (scrie && cod == 0 && platforma().fisiere().redenumeste(temporar, cale) != 0) {
        // The archive goes back, so that a failed save leaves the old
        // document where the next export looks for it.
        if (!arhivat.empty() && platforma().fisiere().redenumeste(arhivat, cale) == 0) arhivat.clear();
        motiv = Mesaj(MesajCreareFisier);
        cod = -8;
    }
    if (!arhivat.empty()) {
        const std::string mesaj =
            TextFormatat("S-a creat fisierul arhiva %s", std::filesystem::path(arhivat).filename().c_str());
        MesajBox(nullptr, mesaj, "", MB_OK);
    }
    if (scrie && cod != 0) std::remove(temporar.c_str());
    if (cod == 0) platforma().fisiere().sincronizeazaDirector(cale);
    return cod;
}

}  // namespace

RezultatOperatie SalveazaDateJsonInFisier(const std::string& director, const std::string& numeFisier, cJSON*& arbore,
                                          bool elibereaza) {
    // The tree goes whatever the outcome, when asked.
    struct Eliberare {
        cJSON*& arbore;
        bool da;
        ~Eliberare() {
            if (!da) return;
            cJSON_Delete(arbore);
            arbore = nullptr;
        }
    } eliberare{arbore, elibereaza};
    if (!arbore) return {};
    if (!director.empty()) {
        if (std::string motiv = DeCeDirectorInaccesibil(director); !motiv.empty())
            return RezultatOperatie::Esec(std::move(motiv));
    }
    const std::unique_ptr<char, void (*)(void*)> text(cJSON_Print(arbore), cJSON_free);
    if (!text) return RezultatOperatie::Esec(Mesaj(MesajPrintare));
    std::string motiv;
    if (InlocuiesteCuText(CaleInDirector(director, numeFisier), text.get(), motiv) != 0)
        return RezultatOperatie::Esec(std::move(motiv));
    return {};
}

}  // namespace vitramor
