// Finding, storing, deleting and cleaning records of the database file.
//
// Finding and storing read the file in large blocks and compare names inside
// the block, so that a search costs about one sequential read of the file.
// Storing over an existing record of the same name writes its 2128 bytes in
// place: a same-size replacement of one record cannot lose any other, and
// the old bytes are written back if the write fails. Everything that
// removes records rewrites the file through a work file and keeps the old
// file as a numbered archive copy.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include "database/CatalogMateriale.h"
#include "database/EroriCatalog.h"
#include "database/FisierCatalog.h"
#include "database/Recuperare.h"
#include "fileutil/BlocareFisier.h"
#include "fileutil/UtilitatiFisiere.h"
#include "platform/Platforma.h"
#include "platform/SistemFisiere.h"
#include "record/OrdineOcteti.h"

namespace vitramor {

namespace {

constexpr std::size_t OffsetNume = offsetof(MaterialOptic, nume);
static_assert(OffsetNume == 22);

std::string_view OctetiMaterial(const MaterialOptic& m) {
    return std::string_view(reinterpret_cast<const char*>(&m), sizeof m);
}

// Records are compared by their name bytes, which have no byte order, and
// otherwise moved as whole blocks; only a record crossing into or out of the
// caller's hands is put into the file's (little-endian) or the host's order.
MaterialOptic InOrdineaFisierului(const MaterialOptic& m) {
    MaterialOptic r = m;
    MaterialInOrdineaFisierului(r);
    return r;
}

const char* NumeRecord(const char* record) { return record + OffsetNume; }

// Where the operation works: the directory, the file's name in it and its
// path; whom it asks, and where the reason of a failure goes.
struct Context {
    Intrebari& intrebari;
    Fereastra owner;
    const std::string& director;
    const std::string& fisier;
    std::string& motiv;
    std::string cale() const { return CaleAfisata(director, fisier); }
    int esec(int cod, std::string text) const {
        motiv = std::move(text);
        return cod;
    }
};

int RaporteazaLipsa(const Context& c) { return c.esec(EroareFisierLipsa, TextFisierLipsa(c.director, c.fisier)); }

int RaporteazaNegasit(const Context& c, const char* nume) {
    return c.esec(EroareMaterialNegasit, TextFormatat("Materialul %s nu exista in %s",
                                                      std::string(NumeDinCamp(nume)).c_str(), c.cale().c_str()));
}

int RaporteazaCitire(const Context& c, int cod) { return c.esec(EroareCitireFisier, TextEroareCitire(c.cale(), cod)); }

int DeschideBaza(const Context& c, const char* mod, FisierDeschis& f) {
    return DeschideBazaDate(c.intrebari, c.owner, c.cale(), c.cale(), mod, f, c.motiv);
}

// Writes the bytes at a position with the descriptor itself: a failed write
// leaves nothing queued in a stdio buffer that closing the file could still
// push into it after the damage has been repaired.
int ScrieLaPozitie(std::FILE* f, const void* date, std::size_t n, off_t pozitie) {
    const int fd = ::fileno(f);
    if (const int cod = platforma().fisiere().scrieLa(fd, date, n, pozitie)) return cod;
    // fdatasync: the record (and a new length) on the disk without waiting
    // for a journal commit of the modification time.
    return platforma().fisiere().sincronizeazaDate(fd);
}

struct Gasit {
    bool gasit = false;
    std::size_t index = 0;
    std::size_t recorduri = 0;  // whole records, when the whole file was read
    std::array<char, MarimeMaterialOptic> record{};
    int codEroare = 0;
};

// The first record of the name; reads to the end only when there is none.
Gasit CautaPrimul(std::FILE* f, const char* nume) {
    Gasit g;
    CititorBlocuri cititor(f, MarimeMaterialOptic);
    while (const std::size_t n = cititor.urmatorulBloc()) {
        for (std::size_t i = 0; i < n; ++i) {
            const char* rec = cititor.record(i);
            // The first byte settles almost every comparison without a call.
            if (NumeRecord(rec)[0] == nume[0] && NumeEgale(NumeRecord(rec), nume)) {
                g.gasit = true;
                g.index = cititor.indexPrimul() + i;
                std::memcpy(g.record.data(), rec, MarimeMaterialOptic);
                return g;
            }
        }
    }
    if (cititor.eroare()) g.codEroare = cititor.codEroare();
    g.recorduri = cititor.recorduriCitite();
    return g;
}

int Gaseste(const Context& c, MaterialOptic& m) {
    FisierDeschis f;
    if (const int cod = DeschideBaza(c, "rb", f)) return cod;
    const Gasit g = CautaPrimul(f.f, m.nume);
    if (g.codEroare != 0) return RaporteazaCitire(c, g.codEroare);
    if (!g.gasit) return RaporteazaNegasit(c, m.nume);
    std::memcpy(&m, g.record.data(), sizeof m);
    MaterialDinOrdineaFisierului(m);
    return CatalogOk;
}

int RaporteazaScriere(const Context& c, int cod, const char* urmare) {
    return c.esec(EroareScriereFisier, TextFormatat("Eroare scriere fisier %s:\n%s\n%s", c.cale().c_str(),
                                                    TextEroareSistem(cod).c_str(), urmare));
}

int Salveaza(const Context& c, const MaterialOptic& material) {
    const MaterialOptic m = InOrdineaFisierului(material);
    if (FisierLipseste(c.cale())) return CreazaFisierNou(c.cale(), OctetiMaterial(m), c.motiv);

    FisierDeschis f;
    if (const int cod = DeschideBaza(c, "r+b", f)) return cod;
    const Gasit g = CautaPrimul(f.f, m.nume);
    if (g.codEroare != 0) return RaporteazaCitire(c, g.codEroare);

    if (g.gasit) {
        if (!AdaugaInRecuperare(c.owner, c.director, RecuperareSalvare,
                                std::string_view(g.record.data(), g.record.size()), c.motiv))
            return EroareScriereFisier;
        const off_t pozitie = static_cast<off_t>(g.index * MarimeMaterialOptic);
        if (const int cod = ScrieLaPozitie(f.f, &m, sizeof m, pozitie)) {
            // Put the old record back so that the file is as it was.
            ScrieLaPozitie(f.f, g.record.data(), g.record.size(), pozitie);
            return RaporteazaScriere(c, cod, "Materialul nu a fost salvat.");
        }
        return CatalogOk;  // on the disk already; closing has nothing left to write
    }

    // The opening made sure the file holds whole records only, so the end
    // of the last one is where the new one goes.
    const off_t sfarsit = static_cast<off_t>(g.recorduri * MarimeMaterialOptic);
    if (const int cod = ScrieLaPozitie(f.f, &m, sizeof m, sfarsit)) {
        // A part of the record may have gone in before the disk was full.
        if (platforma().fisiere().trunchiaza(::fileno(f.f), sfarsit) != 0) {
            return RaporteazaScriere(c, cod, "Materialul nu a fost salvat; sfarsitul fisierului poate contine "
                                             "un fragment, care se inlatura la urmatoarea deschidere.");
        }
        return RaporteazaScriere(c, cod, "Materialul nu a fost salvat.");
    }
    return CatalogOk;
}

struct Numarare {
    std::size_t potrivite = 0;
    std::size_t primul = 0;
    std::size_t cuProducator = 0;  // of the matches, those of the producer asked for
    std::size_t primulCuProducator = 0;
    std::size_t necurate = 0;
    int codEroare = 0;
};

// The producer word of a record as the file keeps it (little-endian).
std::uint16_t ProducatorRecord(const char* rec) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(rec[4]) | static_cast<unsigned char>(rec[5]) << 8);
}

Numarare NumaraRecorduri(std::FILE* f, const char* nume, std::uint16_t producator) {
    Numarare n;
    CititorBlocuri cititor(f, MarimeMaterialOptic);
    while (const std::size_t k = cititor.urmatorulBloc()) {
        for (std::size_t i = 0; i < k; ++i) {
            const char* numeRec = NumeRecord(cititor.record(i));
            if (NumeEgale(numeRec, nume)) {
                if (n.potrivite++ == 0) n.primul = cititor.indexPrimul() + i;
                if (ProducatorRecord(cititor.record(i)) == producator && n.cuProducator++ == 0)
                    n.primulCuProducator = cititor.indexPrimul() + i;
            }
            if (!NumeMaterialCurat(numeRec)) ++n.necurate;
        }
    }
    n.codEroare = cititor.eroare() ? cititor.codEroare() : 0;
    return n;
}

int Elimina(const Context& c, const MaterialOptic& m, int operatie) {
    if (FisierLipseste(c.cale())) return RaporteazaLipsa(c);
    // A rewrite copies whole records only: a torn tail is dealt with first.
    if (const int cod = AsiguraBazaDateIntreaga(c.intrebari, c.owner, c.cale(), c.cale(), c.motiv)) return cod;
    Numarare n;
    {
        // Look first, so that a name that is not there costs no work file,
        // no question about a leftover one and no archive copy.
        FisierDeschis f;
        if (const int cod = DeschideBaza(c, "rb", f)) return cod;
        n = NumaraRecorduri(f.f, m.nume, m.producator);
    }
    if (n.codEroare != 0) return RaporteazaCitire(c, n.codEroare);

    std::function<bool(const char*, std::uint64_t)> pastreaza;
    std::uint32_t comanda = RecuperareCurata;
    if (operatie == StergeOp || operatie == StergeCuProducatorOp) {
        const bool cuProducator = operatie == StergeCuProducatorOp;
        if ((cuProducator ? n.cuProducator : n.potrivite) == 0) {
            if (!cuProducator || n.potrivite == 0) return RaporteazaNegasit(c, m.nume);
            return c.esec(EroareMaterialNegasit,
                          TextFormatat("In %s nu exista materialul %s al producatorului cu codul %d (exista %zu "
                                       "cu acest nume, ale altor producatori; nu s-a sters nimic).",
                                       c.cale().c_str(), std::string(NumeDinCamp(m.nume)).c_str(),
                                       static_cast<int>(m.producator), n.potrivite));
        }
        pastreaza = [primul = cuProducator ? n.primulCuProducator : n.primul](const char*, std::uint64_t index) {
            return index != primul;
        };
        comanda = RecuperareSterge;
    } else if (operatie == StergeToateOp) {
        if (n.potrivite == 0) return RaporteazaNegasit(c, m.nume);
        const std::string nume(NumeDinCamp(m.nume));
        pastreaza = [nume](const char* rec, std::uint64_t) { return !NumeEgale(NumeRecord(rec), nume.c_str()); };
        comanda = RecuperareStergeToate;
    } else {
        if (n.necurate == 0) {
            MesajBox(c.owner, TextFormatat("Fisierul %s nu contine inregistrari de eliminat.", c.cale().c_str()),
                     TitluAtentie, stil::MB_OK | stil::MB_ICONASTERISK);
            return CatalogOk;
        }
        pastreaza = [](const char* rec, std::uint64_t) { return NumeMaterialCurat(NumeRecord(rec)); };
    }

    CerereRescriere cerere;
    cerere.fisier = c.cale();
    cerere.temporar = CaleAfisata(c.director, NumeTemporarCatalog);
    cerere.marimeRecord = MarimeMaterialOptic;
    cerere.golPastrat = true;
    cerere.prelucrare = [&pastreaza](char* rec, std::uint64_t index) {
        return pastreaza(rec, index) ? DecizieInregistrare::Pastreaza : DecizieInregistrare::Elimina;
    };
    std::string motivRecuperare;
    cerere.inainteDeInlocuire = [&](std::string_view eliminate) {
        return AdaugaInRecuperare(c.owner, c.director, comanda, eliminate, motivRecuperare);
    };
    const RezultatRescriere r = RescrieFisier(c.intrebari, c.owner, cerere);
    if (const int cod = CodRescriere(r)) {
        // Stopped because the recovery file could not take the records: a
        // write failure, not the user's choice.
        if (r.stare == StareRescriere::Abandonata && !motivRecuperare.empty())
            return c.esec(EroareScriereFisier, std::move(motivRecuperare));
        c.motiv = r.motiv;
        return cod;
    }
    if (operatie == CurataOp) {
        MesajBox(c.owner,
                 TextFormatat("Din fisierul %s s-au eliminat %zu inregistrari fara nume valid.", c.cale().c_str(),
                              static_cast<std::size_t>(r.eliminate)),
                 TitluAtentie, stil::MB_OK | stil::MB_ICONASTERISK);
    }
    return CatalogOk;
}

}  // namespace

int CautaMaterialOptic(const std::string& directorSticle, MaterialOptic& material, Fereastra owner, int operatie) {
    std::string motiv;
    const int cod = RuleazaOperatieCatalog(platforma(), directorSticle, material, owner, operatie, motiv);
    RaporteazaEsecCatalog(owner, cod, motiv);
    return cod;
}

int RuleazaOperatieCatalog(Intrebari& intrebari, const std::string& directorSticle, MaterialOptic& material,
                           Fereastra owner, int operatie, std::string& motiv) {
    if (operatie != CautaOp && operatie != SalveazaOp && operatie != StergeOp && operatie != StergeToateOp &&
        operatie != CurataOp && operatie != StergeCuProducatorOp) {
        motiv = TextFormatat("CautaMaterialOptic(): operatie necunoscuta %d", operatie);
        return EroareOperatieNecunoscuta;
    }
    if (operatie != CurataOp) {
        if (material.nume[0] == '\0') {
            motiv = "Materialul nu are nume.";
            return EroareNumeMaterial;
        }
        // Storing a name that the clean operation would throw away again
        // would only hide the record from the lists.
        if (operatie == SalveazaOp && !NumeMaterialCurat(material.nume)) {
            motiv = TextFormatat(
                "Numele \"%s\" nu poate fi salvat: numele unui material are 1 pana la 15 "
                "caractere, fara caractere de control.",
                std::string(NumeDinCamp(material.nume)).c_str());
            return EroareNumeMaterial;
        }
    }

    if (std::string deCe = DeCeDirectorSticleNu(directorSticle); !deCe.empty()) {
        motiv = std::move(deCe);
        return EroareDirectorSticle;
    }
    // Find and store in one lock: another program's store between the two
    // would otherwise be overwritten or duplicated.
    BlocareFisier blocare(CaleBazaDate(directorSticle), operatie != CautaOp);
    if (!blocare.ok()) {
        motiv = blocare.motiv();
        return EroareFisierBlocat;
    }
    const Context c{intrebari, owner, directorSticle, NumeBazaDate(), motiv};

    switch (operatie) {
        case CautaOp:
            if (FisierLipseste(c.cale())) return RaporteazaLipsa(c);
            return Gaseste(c, material);
        case SalveazaOp:
            return Salveaza(c, material);
        default:
            return Elimina(c, material, operatie);
    }
}

}  // namespace vitramor
