#include "database/ConversieSticle32.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <vector>

#include "fileutil/UtilitatiFisiere.h"
#include "platform/Platforma.h"
#include "platform/SistemFisiere.h"
#include "record/OrdineOcteti.h"
#include "database/FisierCatalog.h"

namespace vitramor {

using namespace stil;

namespace {

constexpr const char* TitluConversie = TitluConversieSticle32;

// Declined or stopped: the output was never touched.
RezultatOperatie Oprita(const std::string& iesire) {
    return RezultatOperatie::Anulare(TextFormatat("Conversia a fost anulata; %s nu s-a schimbat.", iesire.c_str()));
}

std::uint32_t U32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t U16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

// Where the old record's words go in the new one (byte offsets, word counts).
struct Mutare {
    std::size_t vechi;
    std::size_t nou;
    std::size_t numar;
};

// 32-bit words carried over as they are: floats that keep their precision,
// and the reserved words whose meaning is not known here.
constexpr Mutare Cuvinte32[] = {
    {0, 52, 40},      // lambda_indici 0-39
    {480, 1464, 1},   // grosime_transmisie
    {484, 1568, 40},  // transmisia_interna 0-39
    {860, 1772, 8},   // reserved word 1772 and the mechanical block
    {892, 1804, 1},   // coef_optic_tensiune
    {896, 1808, 2},   // constante_fotoelastice
    {904, 1952, 8},   // caldura_specifica, conductibilitate_termica
    {936, 1984, 4},   // dilatare
    {952, 1816, 4},   // temperaturi_vascozitate
    {968, 2012, 8},   // evaporation LIDT block
    {1000, 2044, 1},  // lidt 0
    {1004, 2048, 4},  // lidt 1-2, stres_suprafata 0-1
    {1020, 2064, 1},  // stres_suprafata 2
    {1024, 12, 1},    // reserved
    {1028, 16, 1},    // reserved
    {1032, 2068, 1},  // grosime_min
    {1036, 2072, 1},  // grosime_max
    {1040, 2076, 1},  // reserved
    {1136, 1768, 1},  // reserved, from its low and high halves
};

// Single-precision values that the new record keeps as doubles.
constexpr Mutare Largite[] = {
    {160, 256, 40},   // indice_n 0-39
    {320, 656, 40},   // indice_k 0-39
    {644, 1080, 12},  // coef_disp_n 0-11
    {692, 1272, 12},  // coef_disp_k 0-11
};

constexpr Mutare Cuvinte16[] = {
    {1044, 1468, 40},  // lambda_Ti 0-39
    {1124, 1056, 1},   // ec_dispersie_n
    {1126, 1058, 1},   // ec_dispersie_k
    {1128, 1060, 2},   // domeniu_n
    {1132, 1064, 2},   // domeniu_k
    {1140, 2080, 1},   // clasa_catalog
    {1142, 2082, 1},   // clasa_catalog_implicita
    {1144, 0, 1},      // tip_material
    {1146, 2, 1},      // stas
    {1148, 4, 1},      // producator
    {1150, 2084, 4},   // stabilitate_chimica 0-3
    {1158, 2092, 1},   // stabilitate_chimica 4
    {1160, 10, 1},     // reserved
    {1162, 6, 1},      // pret_relativ
    {1164, 8, 1},      // reserved
    {1166, 2000, 1},   // temperaturi 0 (Tg)
    {1196, 20, 1},     // categorie
};

constexpr std::size_t NumeVechi = 1168, LungimeNumeVechi = 11;
constexpr std::size_t CodVechi = 1179, LungimeCodVechi = 17;
constexpr float GrosimeMaximaImplicita = 2000.0f;

// Records per block, about a megabyte of old records.
constexpr std::size_t RecorduriPeBlocConversie = 1024;

using Prelucrare = std::function<void(const unsigned char* intrare, MaterialOptic& iesire)>;

// The work file beside the output: the output takes its name only once it is
// whole, and an interrupted run leaves the output as it was.
std::string Temporar(const std::string& iesire) { return iesire + ".tmp"; }

std::string TextEroareScriere(const std::string& fisier, int cod) {
    return TextFormatat("Eroare scriere fisier %s: %s", fisier.c_str(), TextEroareSistem(cod).c_str());
}

// Reads every whole record of `fIntrare`, turns each into a new record and
// writes it to the work file, which is on the disk before it replaces
// `iesire` through the archive rule. A failure leaves `iesire` as it was and
// removes the work file: the input is still whole, so the work file is never
// the only copy of anything. Done carries the records written as new.
RezultatOperatie Copiaza(FisierDeschis& fIntrare, const std::string& intrare, std::size_t marimeIntrare,
                         const std::string& iesire, FisierDeschis& fTemp, const Prelucrare& prelucrare,
                         RezultatConversie& r, Progres& progres) {
    const std::string temp = Temporar(iesire);
    SistemFisiere& fs = platforma().fisiere();
    std::setvbuf(fIntrare.f, nullptr, _IONBF, 0);
    CititorBlocuri cititor(fIntrare.f, marimeIntrare, RecorduriPeBlocConversie);
    std::vector<MaterialOptic> bloc(RecorduriPeBlocConversie);
    int cod = 0;
    struct stat st {};
    const std::size_t total = ::fstat(::fileno(fIntrare.f), &st) == 0 ? static_cast<std::size_t>(st.st_size) / marimeIntrare : 0;
    constexpr int Anulat = -2;
    while (const std::size_t n = cititor.urmatorulBloc()) {
        // Only the work file has been written: a stop leaves the output as it was.
        if (progres.anulat()) {
            cod = Anulat;
            break;
        }
        progres.pas(r.inregistrari, total);
        for (std::size_t i = 0; i < n; ++i) {
            prelucrare(reinterpret_cast<const unsigned char*>(cititor.record(i)), bloc[i]);
            MaterialInOrdineaFisierului(bloc[i]);
        }
        if ((cod = fs.scrie(::fileno(fTemp.f), bloc.data(), n * sizeof(MaterialOptic))) != 0) break;
        r.inregistrari += n;
    }
    std::string motiv;
    if (cod == 0 && cititor.eroare()) {
        motiv = TextEroareCitire(intrare, cititor.codEroare());
        cod = -1;
    }
    if (cod == 0) cod = fs.sincronizeaza(::fileno(fTemp.f));
    fIntrare.inchide();
    if (!fTemp.inchide() && cod == 0) cod = errno;
    if (cod != 0) {
        if (cod > 0) motiv = TextEroareScriere(temp, cod);
        std::remove(temp.c_str());
        return cod == Anulat ? Oprita(iesire) : RezultatOperatie::Esec(std::move(motiv));
    }
    r.octetiRest = cititor.octetiRest();
    if (RezultatOperatie inlocuire = InlocuiesteFisierCuTemporar(iesire, temp); inlocuire.esuat()) {
        std::remove(temp.c_str());
        return inlocuire;
    }
    RezultatOperatie facut;
    facut.noi = static_cast<int>(r.inregistrari);
    if (r.octetiRest > 0)
        facut.note.push_back(
            TextFormatat("Fisierul %s se termina cu %zu octeti care nu formeaza o inregistrare "
                         "intreaga; ei nu s-au copiat.",
                         intrare.c_str(), r.octetiRest));
    return facut;
}

bool Exista(const std::string& cale) {
    struct stat st {};
    return ::stat(cale.c_str(), &st) == 0;
}

std::string InDirectorSticle(const std::string& director, const char* nume) {
    return director.empty() ? std::string(nume) : (std::filesystem::path(director) / nume).string();
}

}  // namespace

void ConvertesteInregistrareVeche(const unsigned char* v, MaterialOptic& nou) {
    std::memset(&nou, 0, sizeof nou);
    auto* n = reinterpret_cast<unsigned char*>(&nou);
    for (const Mutare& m : Cuvinte32)
        for (std::size_t i = 0; i < m.numar; ++i) {
            const std::uint32_t w = U32(v + m.vechi + 4 * i);
            std::memcpy(n + m.nou + 4 * i, &w, 4);
        }
    for (const Mutare& m : Largite)
        for (std::size_t i = 0; i < m.numar; ++i) {
            const std::uint32_t w = U32(v + m.vechi + 4 * i);
            float f;
            std::memcpy(&f, &w, 4);
            const double d = f;
            std::memcpy(n + m.nou + 8 * i, &d, 8);
        }
    for (const Mutare& m : Cuvinte16)
        for (std::size_t i = 0; i < m.numar; ++i) {
            const std::uint16_t w = U16(v + m.vechi + 2 * i);
            std::memcpy(n + m.nou + 2 * i, &w, 2);
        }
    // The old texts end at their NUL; a code longer than the new field holds
    // keeps what fits with its NUL.
    std::memcpy(nou.nume, v + NumeVechi, strnlen(reinterpret_cast<const char*>(v + NumeVechi), LungimeNumeVechi));
    std::memcpy(nou.cod, v + CodVechi,
                strnlen(reinterpret_cast<const char*>(v + CodVechi), std::min(LungimeCodVechi, sizeof nou.cod - 1)));
    if (!(nou.grosime_max > 0.0f)) nou.grosime_max = GrosimeMaximaImplicita;
}

RezultatOperatie ConvertesteSticle32(Intrebari& intrebari, Fereastra owner, const std::string& vechi,
                                     const std::string& nou, RezultatConversie* rezultat, Progres& progres) {
    RezultatConversie r;
    // Refused before any question: the replacement would refuse it anyway,
    // after the user had agreed to lose it and the work had been done.
    if (std::string neobisnuit = TextNeobisnuit(nou); !neobisnuit.empty())
        return RezultatOperatie::Esec(std::move(neobisnuit));
    if (intrebari.intreaba(
            owner,
            TextFormatat("Conversia copiaza fiecare material din fisierul vechi (inregistrari de %d octeti) intr-un "
                         "fisier nou, in formatul de acum (inregistrari de %d octeti).\nSe copiaza din:\n     %s "
                         "\nin:\n     %s\nContinuam ?",
                         static_cast<int>(MarimeInregistrareVeche), static_cast<int>(MarimeMaterialOptic),
                         vechi.c_str(), nou.c_str()),
            TitluConversie, MB_YESNO | MB_ICONQUESTION) != raspuns::IDYES)
        return Oprita(nou);
    if (Exista(nou) &&
        intrebari.intreaba(owner,
                           TextFormatat("Fisierul %s exista. Daca continuati se va sterge.\nContinuam ?", nou.c_str()),
                           "ATENTIE!", MB_YESNO | MB_DEFBUTTON2) != raspuns::IDYES)
        return Oprita(nou);

    FisierDeschis fVechi;
    FisierDeschis fTemp;
    if (DeschideFisierObisnuit(vechi, "rb", fVechi.f).esuat())
        return RezultatOperatie::Esec(EsteNeobisnuit(vechi) ? TextNeobisnuit(vechi)
                                                            : "Eroare deschidere fisier " + vechi);
    if (RezultatOperatie r = DeschideFisierObisnuit(Temporar(nou), "wb", fTemp.f); r.esuat()) {
        fVechi.inchide();
        return r;
    }
    RezultatOperatie rez =
        Copiaza(fVechi, vechi, MarimeInregistrareVeche, nou, fTemp, ConvertesteInregistrareVeche, r, progres);
    if (rezultat) *rezultat = r;
    if (rez.stare == StareOperatie::Facut) rez.motiv = TextFormatat("S-au scris %zu inregistrari", r.inregistrari);
    return rez;
}

RezultatOperatie CorecteazaCoduriProducator(Intrebari& intrebari, Fereastra owner, const std::string& intrare,
                                            const std::string& iesire, RezultatConversie* rezultat, Progres& progres) {
    RezultatConversie r;
    if (std::string neobisnuit = TextNeobisnuit(iesire); !neobisnuit.empty())
        return RezultatOperatie::Esec(std::move(neobisnuit));
    if (intrebari.intreaba(owner, "Puneti cod_producator > NUMAR_PRODUCATORI -> cod_producator = EVAPORARE ?",
                           TitluCorectareProducatori, MB_YESNO) != raspuns::IDYES)
        return Oprita(iesire);
    FisierDeschis fIntrare;
    FisierDeschis fTemp;
    if (DeschideFisierObisnuit(intrare, "rb", fIntrare.f).esuat())
        return RezultatOperatie::Esec(EsteNeobisnuit(intrare) ? TextNeobisnuit(intrare)
                                                              : "Eroare deschidere sticle32_old.dat");
    if (RezultatOperatie r = DeschideFisierObisnuit(Temporar(iesire), "wb", fTemp.f); r.esuat()) {
        fIntrare.inchide();
        return r;
    }
    const auto corecteaza = [](const unsigned char* in, MaterialOptic& out) {
        std::memcpy(&out, in, sizeof out);
        MaterialDinOrdineaFisierului(out);
        if (out.producator > 14) out.producator = ProducatorEvaporare;
    };
    RezultatOperatie rez = Copiaza(fIntrare, intrare, MarimeMaterialOptic, iesire, fTemp, corecteaza, r, progres);
    if (rezultat) *rezultat = r;
    if (rez.stare == StareOperatie::Facut)
        rez.motiv =
            "S-a creat fisierul 1.tmp.\nSchimbati numele sticleNou32.dat in (de ex.) sticle32.old\nSchimbati 1.tmp in "
            "sticle32.dat\nVerificati !";
    return rez;
}

RezultatOperatie ComandaConvertesteSticle32(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle,
                                            Progres& progres) {
    return ConvertesteSticle32(intrebari, owner, InDirectorSticle(directorSticle, NumeFisierVechi),
                               InDirectorSticle(directorSticle, NumeFisierConvertit), nullptr, progres);
}

RezultatOperatie ComandaCorecteazaCoduriProducator(Intrebari& intrebari, Fereastra owner,
                                                   const std::string& directorSticle, Progres& progres) {
    return CorecteazaCoduriProducator(intrebari, owner, InDirectorSticle(directorSticle, NumeFisierDeCorectat),
                                      InDirectorSticle(directorSticle, NumeFisierCorectat), nullptr, progres);
}

}  // namespace vitramor
