// Operation 3 for a whole catalogue. Storing glass after glass reads the
// database once per glass, which for a catalogue of a thousand glasses reads
// the file a thousand times and waits for the disk a thousand times. Here
// the file is read once to find the names, every replaced record is written
// in place and the new ones are appended in large blocks, and the disk is
// waited for once. If any write fails, the replaced records get their old
// bytes back and the file its old length: the database is as before.
//
// A kill or a power cut cannot be answered that way. What it leaves is
// still a database: the replaced records went to the recovery file before
// they were overwritten, the appended ones count as stored only once they
// are synced, and an append cut off part-way leaves whole records followed
// by a fragment, which the next opening of the database finds and moves
// aside (AsiguraBazaDateIntreaga).

#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

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

int Scrie(int fd, const void* date, std::size_t n, off_t pozitie) {
    return platforma().fisiere().scrieLa(fd, date, n, pozitie);
}

// The records in the file's byte order, a block at a time where they must be
// turned: the records are not copied as a whole (a catalogue's worth of
// fresh memory costs more in page faults than the write itself).
class Octeti {
public:
    explicit Octeti(std::span<const MaterialOptic> m) : m_(m) {}
    // Writes records `indici` one after another from `pozitie` on.
    int scrie(int fd, const std::vector<std::size_t>& indici, off_t pozitie) {
        if constexpr (std::endian::native == std::endian::little) {
            // The records are the file's bytes already: each run of
            // neighbours goes out from where it is, without a copy.
            for (std::size_t i = 0; i < indici.size();) {
                std::size_t n = 1;
                while (i + n < indici.size() && indici[i + n] == indici[i] + n) ++n;
                if (const int cod = Scrie(fd, &m_[indici[i]], n * sizeof(MaterialOptic), pozitie)) return cod;
                pozitie += static_cast<off_t>(n * sizeof(MaterialOptic));
                i += n;
            }
            return 0;
        }
        for (std::size_t i = 0; i < indici.size();) {
            const std::size_t n = std::min(RecorduriPeBloc, indici.size() - i);
            bloc_.resize(n);
            for (std::size_t k = 0; k < n; ++k) {
                bloc_[k] = m_[indici[i + k]];
                MaterialInOrdineaFisierului(bloc_[k]);
            }
            if (const int cod = Scrie(fd, bloc_.data(), n * sizeof(MaterialOptic), pozitie)) return cod;
            pozitie += static_cast<off_t>(n * sizeof(MaterialOptic));
            i += n;
        }
        return 0;
    }

private:
    std::span<const MaterialOptic> m_;
    std::vector<MaterialOptic> bloc_;
};

// Names the file must not hold are refused one by one, as operation 3
// refuses them; a later record of the same name replaces an earlier one,
// as two operations 3 in a row would.
struct AlegerePeNume {
    // Per name in the order of first appearance, the record that is stored.
    std::vector<std::size_t> alese;
    std::unordered_map<std::string, std::size_t> dupaNume;
    // Per material, the slot of its name in `alese` (SIZE_MAX when refused).
    std::vector<std::size_t> slotMaterial;
};

AlegerePeNume AlegePeNume(Intrebari& intrebari, const std::string& directorSticle,
                          std::span<const MaterialOptic> materiale, Fereastra owner, std::vector<int>& coduri,
                          std::string& motiv) {
    AlegerePeNume a;
    a.alese.reserve(materiale.size());
    a.dupaNume.reserve(materiale.size());
    a.slotMaterial.assign(materiale.size(), SIZE_MAX);
    for (std::size_t i = 0; i < materiale.size(); ++i) {
        if (!NumeMaterialCurat(materiale[i].nume)) {
            MaterialOptic m = materiale[i];
            std::string deCe;
            coduri[i] = RuleazaOperatieCatalog(intrebari, directorSticle, m, owner, SalveazaOp, deCe);
            if (motiv.empty()) motiv = std::move(deCe);
            continue;
        }
        const auto [it, nou] = a.dupaNume.emplace(std::string(NumeDinCamp(materiale[i].nume)), a.alese.size());
        a.slotMaterial[i] = it->second;
        if (nou) {
            a.alese.push_back(i);
        } else {
            a.alese[it->second] = i;
        }
    }
    return a;
}

// The records the file holds already under the names being stored.
struct ExistenteInFisier {
    explicit ExistenteInFisier(std::size_t nume) : pozitie(nume, SIZE_MAX), vechiAlSlotului(nume, SIZE_MAX) {}
    std::vector<std::size_t> pozitie;  // per slot, the index of its record in the file
    std::vector<MaterialOptic> vechi;  // their bytes as read, and where they lie
    std::vector<std::size_t> vechiLa;
    std::vector<std::size_t> vechiAlSlotului;
    std::unordered_set<std::string> numeInFisier;  // every name, for the caller's decision
};

void CitesteExistente(CititorBlocuri& cititor, bool fisierNou, const AlegerePeNume& a, bool toateNumele,
                      ExistenteInFisier& e) {
    while (const std::size_t n = fisierNou ? 0 : cititor.urmatorulBloc()) {
        for (std::size_t i = 0; i < n; ++i) {
            const char* rec = cititor.record(i);
            std::string numeRec(NumeDinCamp(rec + offsetof(MaterialOptic, nume)));
            const auto it = a.dupaNume.find(numeRec);
            if (toateNumele) e.numeInFisier.insert(std::move(numeRec));
            if (it == a.dupaNume.end() || e.pozitie[it->second] != SIZE_MAX) continue;
            e.pozitie[it->second] = cititor.indexPrimul() + i;
            e.vechiAlSlotului[it->second] = e.vechi.size();
            e.vechiLa.push_back(e.pozitie[it->second]);
            std::memcpy(&e.vechi.emplace_back(), rec, sizeof(MaterialOptic));
        }
    }
}

// The caller's decision, on the file as it is now. Renamed materials
// become new records, returned; a name whose materials are all left out is
// not written at all.
std::vector<MaterialOptic> AplicaDecizia(const DecideSalvarea& decide, std::span<const MaterialOptic> materiale,
                                         AlegerePeNume& a, const ExistenteInFisier& e, std::vector<int>& coduri) {
    std::vector<MaterialOptic> vechiGazda;
    if constexpr (std::endian::native != std::endian::little) {
        vechiGazda = e.vechi;
        for (MaterialOptic& m : vechiGazda) MaterialDinOrdineaFisierului(m);
    }
    const std::vector<MaterialOptic>& existenteGazda = std::endian::native == std::endian::little ? e.vechi : vechiGazda;
    GasiteLaSalvare gasite;
    gasite.numeInFisier = &e.numeInFisier;
    gasite.existente.assign(materiale.size(), nullptr);
    for (std::size_t i = 0; i < materiale.size(); ++i)
        if (a.slotMaterial[i] != SIZE_MAX && e.vechiAlSlotului[a.slotMaterial[i]] != SIZE_MAX)
            gasite.existente[i] = &existenteGazda[e.vechiAlSlotului[a.slotMaterial[i]]];
    std::vector<DecizieSalvare> decizii = decide(gasite);
    decizii.resize(materiale.size());
    std::fill(a.alese.begin(), a.alese.end(), SIZE_MAX);
    std::vector<MaterialOptic> redenumite;
    for (std::size_t i = 0; i < materiale.size(); ++i) {
        if (a.slotMaterial[i] == SIZE_MAX) continue;
        if (!decizii[i].salveaza) {
            coduri[i] = MaterialNestocat;
        } else if (!decizii[i].numeNou.empty()) {
            MaterialOptic& m = redenumite.emplace_back(materiale[i]);
            std::memset(m.nume, 0, sizeof m.nume);
            std::memcpy(m.nume, decizii[i].numeNou.data(), std::min(decizii[i].numeNou.size(), sizeof m.nume - 1));
        } else {
            a.alese[a.slotMaterial[i]] = i;
        }
    }
    return redenumite;
}

// The records about to be replaced go to the recovery file first, as a
// single store-over does; without that copy nothing is overwritten.
bool PastreazaInlocuitele(Fereastra owner, const std::string& directorSticle, const std::vector<std::size_t>& alese,
                          const ExistenteInFisier& e, std::string& motiv) {
    std::vector<MaterialOptic> inlocuite;
    for (std::size_t k = 0; k < alese.size(); ++k)
        if (alese[k] != SIZE_MAX && e.pozitie[k] != SIZE_MAX) inlocuite.push_back(e.vechi[e.vechiAlSlotului[k]]);
    return inlocuite.empty() || AdaugaInRecuperare(owner, directorSticle, RecuperareSalvare,
                                                   std::string_view(reinterpret_cast<const char*>(inlocuite.data()),
                                                                    inlocuite.size() * sizeof(MaterialOptic)),
                                                   motiv);
}

// Replaced records in place, new ones and renamed ones after `sfarsit`, then
// one wait for the disk; returns the first error.
int ScrieLotul(int fd, off_t sfarsit, std::span<const MaterialOptic> materiale, const std::vector<std::size_t>& alese,
               const std::vector<std::size_t>& pozitie, const std::vector<MaterialOptic>& redenumite) {
    Octeti octeti(materiale);
    std::vector<std::size_t> adaugate;
    int cod = 0;
    for (std::size_t k = 0; k < alese.size() && cod == 0; ++k) {
        if (alese[k] == SIZE_MAX) continue;
        if (pozitie[k] == SIZE_MAX)
            adaugate.push_back(alese[k]);
        else
            cod = octeti.scrie(fd, {alese[k]}, static_cast<off_t>(pozitie[k] * MarimeMaterialOptic));
    }
    if (cod == 0) cod = octeti.scrie(fd, adaugate, sfarsit);
    if (cod == 0 && !redenumite.empty()) {
        std::vector<std::size_t> toate(redenumite.size());
        for (std::size_t k = 0; k < toate.size(); ++k) toate[k] = k;
        cod = Octeti(redenumite).scrie(fd, toate,
                                       sfarsit + static_cast<off_t>(adaugate.size() * MarimeMaterialOptic));
    }
    if (cod == 0) cod = platforma().fisiere().sincronizeazaDate(fd);
    return cod;
}

// The replaced records get their old bytes back and the file its old
// length; returns whether the length could be restored.
bool RefaFisierul(int fd, off_t sfarsit, const ExistenteInFisier& e) {
    for (std::size_t i = 0; i < e.vechi.size(); ++i)
        Scrie(fd, &e.vechi[i], sizeof(MaterialOptic), static_cast<off_t>(e.vechiLa[i] * MarimeMaterialOptic));
    const bool trunchiat = platforma().fisiere().trunchiaza(fd, sfarsit) == 0;
    platforma().fisiere().sincronizeazaDate(fd);
    return trunchiat;
}

}  // namespace

int SalveazaMaterialeOptice(const std::string& directorSticle, std::span<const MaterialOptic> materiale,
                            Fereastra owner, std::vector<int>& coduri) {
    return SalveazaMaterialeOptice(directorSticle, materiale, owner, coduri, nullptr);
}

int SalveazaMaterialeOptice(const std::string& directorSticle, std::span<const MaterialOptic> materiale,
                            Fereastra owner, std::vector<int>& coduri, const DecideSalvarea& decide) {
    std::string motiv;
    const int cod = SalveazaLotCatalog(platforma(), directorSticle, materiale, owner, coduri, decide, motiv);
    RaporteazaEsecCatalog(owner, cod, motiv);
    return cod;
}

int SalveazaLotCatalog(Intrebari& intrebari, const std::string& directorSticle,
                       std::span<const MaterialOptic> materiale, Fereastra owner, std::vector<int>& coduri,
                       const DecideSalvarea& decide, std::string& motiv) {
    coduri.assign(materiale.size(), CatalogOk);
    AlegerePeNume a = AlegePeNume(intrebari, directorSticle, materiale, owner, coduri, motiv);
    auto rezultat = [&](int cod) {
        for (std::size_t i = 0; i < materiale.size(); ++i)
            if (NumeMaterialCurat(materiale[i].nume) && coduri[i] != MaterialNestocat) coduri[i] = cod;
        for (int c : coduri)
            if (c != CatalogOk && c != MaterialNestocat) return c;
        return static_cast<int>(CatalogOk);
    };
    if (a.alese.empty()) return rezultat(CatalogOk);

    if (std::string deCe = DeCeDirectorSticleNu(directorSticle); !deCe.empty()) {
        motiv = std::move(deCe);
        return rezultat(EroareDirectorSticle);
    }
    // One lock from the first read to the last write, as for a single store:
    // another program's store in between would be overwritten or duplicated.
    BlocareFisier blocare(CaleBazaDate(directorSticle), true);
    if (!blocare.ok()) {
        motiv = blocare.motiv();
        return rezultat(EroareFisierBlocat);
    }
    const std::string cale = CaleBazaDate(directorSticle);
    // A database that does not exist yet is created here and filled like an
    // existing one ("x": never truncate a file that appeared since).
    const bool nou = FisierLipseste(cale);
    FisierDeschis f;
    if (nou) {
        if (const int cod = DeschideFisierDate(cale, "wbx", f, motiv)) return rezultat(cod);
    } else if (const int cod = DeschideBazaDate(intrebari, owner, cale, cale, "r+b", f, motiv)) {
        return rezultat(cod);
    }
    ExistenteInFisier e(a.alese.size());
    CititorBlocuri cititor(f.f, MarimeMaterialOptic);
    CitesteExistente(cititor, nou, a, static_cast<bool>(decide), e);
    if (cititor.eroare()) {
        motiv = TextEroareCitire(cale, cititor.codEroare());
        return rezultat(EroareCitireFisier);
    }

    std::vector<MaterialOptic> redenumite;
    if (decide) redenumite = AplicaDecizia(decide, materiale, a, e, coduri);
    if (!PastreazaInlocuitele(owner, directorSticle, a.alese, e, motiv)) return rezultat(EroareScriereFisier);
    const int fd = ::fileno(f.f);
    const off_t sfarsit = static_cast<off_t>(cititor.recorduriCitite() * MarimeMaterialOptic);
    if (const int cod = ScrieLotul(fd, sfarsit, materiale, a.alese, e.pozitie, redenumite)) {
        const bool trunchiat = RefaFisierul(fd, sfarsit, e);
        if (nou) {
            f.inchide();
            std::remove(cale.c_str());
        }
        motiv = TextFormatat("Eroare scriere fisier %s:\n%s\n%s", cale.c_str(), TextEroareSistem(cod).c_str(),
                             trunchiat ? "Materialele nu au fost salvate."
                                       : "Materialele nu au fost salvate; sfarsitul fisierului poate contine "
                                         "un fragment, care se inlatura la urmatoarea deschidere.");
        return rezultat(EroareScriereFisier);
    }
    return rezultat(CatalogOk);
}

}  // namespace vitramor
