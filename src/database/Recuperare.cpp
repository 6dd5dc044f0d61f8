#include "database/Recuperare.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "fileutil/UtilitatiFisiere.h"
#include "platform/SistemFisiere.h"
#include "record/OrdineOcteti.h"
#include "settings/Directoare.h"
#include "database/FisierCatalog.h"
#include "database/CatalogMateriale.h"

namespace vitramor {

namespace {

constexpr char Semn[4] = {'V', 'R', 'E', 'C'};

void ScrieLe(char* p, std::uint64_t v, int octeti) {
    for (int i = 0; i < octeti; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::uint64_t CitesteLe(const char* p, int octeti) {
    std::uint64_t v = 0;
    for (int i = octeti - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
    return v;
}

std::string Intrari(std::uint32_t comanda, std::string_view recorduri) {
    const auto moment = static_cast<std::uint64_t>(std::time(nullptr));
    std::string text;
    for (std::size_t i = 0; i + sizeof(MaterialOptic) <= recorduri.size(); i += sizeof(MaterialOptic)) {
        char antet[16];
        std::memcpy(antet, Semn, 4);
        ScrieLe(antet + 4, comanda, 4);
        ScrieLe(antet + 8, moment, 8);
        text.append(antet, sizeof antet);
        text.append(recorduri.substr(i, sizeof(MaterialOptic)));
    }
    return text;
}

std::string TextScriere(const std::string& cale, int cod) {
    return TextFormatat("Eroare scriere fisier de recuperare %s:\n%s\nMaterialele nu au fost schimbate.", cale.c_str(),
                        TextEroareSistem(cod).c_str());
}

// Rewrites the file with its newest entries through a work file that takes
// its place: half the limit, so that the next additions only append, or
// all of the new ones when they are more (up to the limit). No archive copy
// is kept of a file that is itself the safety net.
bool Limiteaza(const std::string& cale, std::string_view vechi, std::string_view noi, std::string& motiv) {
    const std::size_t nNoi = noi.size() / MarimeIntrareRecuperare;
    const std::size_t pastrate = std::max(LimitaRecuperare / 2, std::min(nNoi, LimitaRecuperare));
    std::string continut;
    if (nNoi >= pastrate) {
        continut = noi.substr(noi.size() - pastrate * MarimeIntrareRecuperare);
    } else {
        const std::size_t dinVechi = std::min(pastrate - nNoi, vechi.size() / MarimeIntrareRecuperare);
        continut.append(vechi.substr(vechi.size() - dinVechi * MarimeIntrareRecuperare));
        continut.append(noi);
    }
    SistemFisiere& fs = platforma().fisiere();
    const std::string temp = cale + ".tmp";
    int fd = -1;
    int cod = fs.creeaza(temp, fd);
    if (cod == 0) {
        cod = fs.scrie(fd, continut.data(), continut.size());
        if (cod == 0) cod = fs.sincronizeaza(fd);
        if (::close(fd) != 0 && cod == 0) cod = errno;
        if (cod == 0) cod = fs.redenumeste(temp, cale);
        if (cod != 0) std::remove(temp.c_str());
    }
    if (cod != 0) {
        motiv = TextScriere(cale, cod);
        return false;
    }
    fs.sincronizeazaDirector(cale);
    return true;
}

std::string TextPreaMare(const std::string& cale, std::uint64_t marime) {
    return TextFormatat("Fisierul de recuperare %s are %llu octeti, peste limita de %llu MiB pana la care se citeste.",
                        cale.c_str(), static_cast<unsigned long long>(marime),
                        static_cast<unsigned long long>(LimitaOctetiRecuperare >> 20));
}

// A file too large to read goes aside under a numbered name, where its
// entries stay for whoever wants them, and the next addition starts anew.
bool MutaDeoparte(Fereastra owner, const std::string& cale, std::uint64_t marime, std::string& motiv) {
    std::string deoparte;
    if (RezultatOperatie r = CreazaNumeFisierArhiva(cale, deoparte, LimitaArhive); r.esuat()) {
        motiv = std::move(r.motiv);
        return false;
    }
    SistemFisiere& fs = platforma().fisiere();
    if (const int cod = fs.redenumeste(cale, deoparte)) {
        motiv = TextScriere(cale, cod);
        return false;
    }
    fs.sincronizeazaDirector(cale);
    MesajBox(owner, TextPreaMare(cale, marime) + "\nA fost mutat in " + deoparte + " si se incepe unul nou.",
             TitluAtentie, stil::MB_OK | stil::MB_ICONEXCLAMATION);
    return true;
}

bool CitesteTot(const std::string& cale, std::string& continut, std::string& motiv) {
    continut.clear();
    if (FisierLipseste(cale)) return true;
    FisierDeschis f;
    if (DeschideFisierDate(cale, "rb", f, motiv) != 0) return false;
    struct stat st {};
    if (::fstat(::fileno(f.f), &st) == 0 && static_cast<std::uint64_t>(st.st_size) > LimitaOctetiRecuperare) {
        f.inchide();
        motiv = TextPreaMare(cale, static_cast<std::uint64_t>(st.st_size)) +
                "\nLa urmatoarea salvare peste un material sau stergere el se muta deoparte, sub un nume "
                "numerotat, si se incepe unul nou.";
        return false;
    }
    char bloc[1 << 16];
    std::size_t n;
    while ((n = std::fread(bloc, 1, sizeof bloc, f.f)) > 0) continut.append(bloc, n);
    const bool eroare = std::ferror(f.f) != 0;
    const int cod = errno;
    f.inchide();
    if (eroare) {
        motiv = TextEroareCitire(cale, cod);
        return false;
    }
    continut.resize(continut.size() - continut.size() % MarimeIntrareRecuperare);
    return true;
}

}  // namespace

std::string TextComandaRecuperare(std::uint32_t comanda) {
    switch (comanda) {
        case RecuperareSalvare: return "salvare peste";
        case RecuperareSterge: return "sterge";
        case RecuperareStergeToate: return "sterge toate";
        case RecuperareStergeProducator: return "sterge producator";
        case RecuperareCurata: return "curata";
        default: return "?";
    }
}

const std::string& NumeBazaDate() { return nume_fisier_sticle; }

std::string CaleBazaDate(const std::string& directorSticle) { return CaleAfisata(directorSticle, NumeBazaDate()); }

bool AdaugaInRecuperare(Fereastra owner, const std::string& directorSticle, std::uint32_t comanda,
                        std::string_view recorduri, std::string& motiv) {
    if (recorduri.size() < sizeof(MaterialOptic)) return true;
    const std::string cale = CaleAfisata(directorSticle, NumeFisierRecuperare);
    const std::string noi = Intrari(comanda, recorduri);

    std::uint64_t marime = 0;
    MarimeFisier(cale, "", marime);
    if (marime > LimitaOctetiRecuperare) {
        if (!MutaDeoparte(owner, cale, marime, motiv)) return false;
        marime = 0;
    }
    const std::size_t existente = static_cast<std::size_t>(marime / MarimeIntrareRecuperare);
    if (existente + noi.size() / MarimeIntrareRecuperare > LimitaRecuperare) {
        std::string vechi;
        if (!CitesteTot(cale, vechi, motiv)) return false;
        return Limiteaza(cale, vechi, noi, motiv);
    }

    FisierDeschis f;
    if (DeschideFisierDate(cale, "ab", f, motiv) != 0) return false;
    const int fd = ::fileno(f.f);
    SistemFisiere& fs = platforma().fisiere();
    // An entry cut off by a kill would shift every later one: the new ones
    // start where the last whole entry ends.
    const off_t sfarsit = ::lseek(fd, 0, SEEK_END);
    const off_t intregi = sfarsit - sfarsit % static_cast<off_t>(MarimeIntrareRecuperare);
    int cod = sfarsit < 0 ? errno : intregi != sfarsit ? fs.trunchiaza(fd, intregi) : 0;
    if (cod == 0) cod = fs.scrie(fd, noi.data(), noi.size());
    if (cod == 0) cod = fs.sincronizeaza(fd);
    if (cod != 0 && sfarsit >= 0) fs.trunchiaza(fd, intregi);
    f.inchide();
    if (cod != 0) {
        motiv = TextScriere(cale, cod);
        return false;
    }
    return true;
}

bool CitesteRecuperare(const std::string& directorSticle, std::vector<IntrareRecuperare>& intrari, std::string& motiv) {
    intrari.clear();
    std::string continut;
    if (!CitesteTot(CaleAfisata(directorSticle, NumeFisierRecuperare), continut, motiv)) return false;
    for (std::size_t i = 0; i < continut.size(); i += MarimeIntrareRecuperare) {
        const char* p = continut.data() + i;
        if (std::memcmp(p, Semn, 4) != 0) continue;
        IntrareRecuperare e;
        e.comanda = static_cast<std::uint32_t>(CitesteLe(p + 4, 4));
        e.moment = static_cast<std::int64_t>(CitesteLe(p + 8, 8));
        std::memcpy(&e.material, p + 16, sizeof e.material);
        MaterialDinOrdineaFisierului(e.material);
        intrari.push_back(e);
    }
    return true;
}

std::string LinieRecuperare(const std::string& directorSticle, const IntrareRecuperare& e) {
    const std::string producator = NumeProducatorSticla(directorSticle, e.material.producator, 47);
    char cand[32] = "?";
    const std::time_t t = static_cast<std::time_t>(e.moment);
    std::tm tm {};
    if (::localtime_r(&t, &tm)) std::strftime(cand, sizeof cand, "%Y-%m-%d %H:%M:%S", &tm);
    return std::string(NumeDinCamp(e.material.nume)) + "\t" + producator + "\t" + cand + "\t" +
           TextComandaRecuperare(e.comanda);
}

}  // namespace vitramor
