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

#include "fileutil/BlocareFisier.h"
#include "fileutil/UtilitatiFisiere.h"
#include "platform/Platforma.h"
#include "platform/SistemFisiere.h"
#include "record/OrdineOcteti.h"
#include "settings/Directoare.h"
#include "database/EroriCatalog.h"
#include "database/FisierCatalog.h"
#include "database/CatalogMateriale.h"
#include "database/Recuperare.h"

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

}  // namespace

int SalveazaMaterialeOptice(const std::string& directorSticle, std::span<const MaterialOptic> materiale,
                            Fereastra owner, std::vector<int>& coduri) {
    return SalveazaMaterialeOptice(directorSticle, materiale, owner, coduri, nullptr);
}

int SalveazaMaterialeOptice(const std::string& directorSticle, std::span<const MaterialOptic> materiale,
                            Fereastra owner, std::vector<int>& coduri, const DecideSalvarea& decide) {
    coduri.assign(materiale.size(), CatalogOk);
    // Names the file must not hold are refused one by one, as operation 3
    // refuses them; a later record of the same name replaces an earlier one,
    // as two operations 3 in a row would. `alese` holds, per name in the
    // order of first appearance, the record that is stored.
    std::vector<std::size_t> alese;
    alese.reserve(materiale.size());
    std::unordered_map<std::string, std::size_t> dupaNume;
    dupaNume.reserve(materiale.size());
    std::vector<std::size_t> slotMaterial(materiale.size(), SIZE_MAX);
    for (std::size_t i = 0; i < materiale.size(); ++i) {
        if (!NumeMaterialCurat(materiale[i].nume)) {
            MaterialOptic m = materiale[i];
            coduri[i] = CautaMaterialOptic(directorSticle, m, owner, SalveazaOp);
            continue;
        }
        const auto [it, nou] = dupaNume.emplace(std::string(NumeDinCamp(materiale[i].nume)), alese.size());
        slotMaterial[i] = it->second;
        if (nou) {
            alese.push_back(i);
        } else {
            alese[it->second] = i;
        }
    }
    auto rezultat = [&](int cod) {
        for (std::size_t i = 0; i < materiale.size(); ++i)
            if (NumeMaterialCurat(materiale[i].nume) && coduri[i] != MaterialNestocat) coduri[i] = cod;
        for (int c : coduri)
            if (c != CatalogOk && c != MaterialNestocat) return c;
        return static_cast<int>(CatalogOk);
    };
    if (alese.empty()) return rezultat(CatalogOk);

    if (!VerificaDirectorSticle(directorSticle, owner)) return rezultat(EroareDirectorSticle);
    // One lock from the first read to the last write, as for a single store:
    // another program's store in between would be overwritten or duplicated.
    BlocareFisier blocare(owner, CaleBazaDate(directorSticle), true);
    if (!blocare.ok()) return rezultat(EroareFisierBlocat);
    const std::string cale = CaleAfisata(directorSticle, nume_fisier_sticle);
    // A database that does not exist yet is created here and filled like an
    // existing one ("x": never truncate a file that appeared since).
    const bool nou = FisierLipseste(cale);
    FisierDeschis f;
    if (nou) {
        if (!DeschideFisierCuMesaj(cale, "wbx", f.f, true)) return rezultat(EroareDeschidereFisier);
    } else if (const int cod = DeschideBazaDate(owner, cale, cale, "r+b", f)) {
        return rezultat(cod);
    }
    std::vector<std::size_t> pozitie(alese.size(), SIZE_MAX);
    std::vector<MaterialOptic> vechi;
    std::vector<std::size_t> vechiLa;
    std::vector<std::size_t> vechiAlSlotului(alese.size(), SIZE_MAX);
    std::unordered_set<std::string> numeInFisier;
    CititorBlocuri cititor(f.f, MarimeMaterialOptic);
    while (const std::size_t n = nou ? 0 : cititor.urmatorulBloc()) {
        for (std::size_t i = 0; i < n; ++i) {
            const char* rec = cititor.record(i);
            std::string numeRec(NumeDinCamp(rec + offsetof(MaterialOptic, nume)));
            const auto it = dupaNume.find(numeRec);
            if (decide) numeInFisier.insert(std::move(numeRec));
            if (it == dupaNume.end() || pozitie[it->second] != SIZE_MAX) continue;
            pozitie[it->second] = cititor.indexPrimul() + i;
            vechiAlSlotului[it->second] = vechi.size();
            vechiLa.push_back(pozitie[it->second]);
            std::memcpy(&vechi.emplace_back(), rec, sizeof(MaterialOptic));
        }
    }
    if (cititor.eroare()) return rezultat(RaporteazaEroareCitire(owner, cale, cititor.codEroare()));

    // The caller's decision, on the file as it is now. Renamed materials
    // become new records; a name whose materials are all left out is not
    // written at all.
    std::vector<MaterialOptic> redenumite;
    if (decide) {
        std::vector<MaterialOptic> vechiGazda;
        if constexpr (std::endian::native != std::endian::little) {
            vechiGazda = vechi;
            for (MaterialOptic& m : vechiGazda) MaterialDinOrdineaFisierului(m);
        }
        const std::vector<MaterialOptic>& existenteGazda =
            std::endian::native == std::endian::little ? vechi : vechiGazda;
        GasiteLaSalvare gasite;
        gasite.numeInFisier = &numeInFisier;
        gasite.existente.assign(materiale.size(), nullptr);
        for (std::size_t i = 0; i < materiale.size(); ++i)
            if (slotMaterial[i] != SIZE_MAX && vechiAlSlotului[slotMaterial[i]] != SIZE_MAX)
                gasite.existente[i] = &existenteGazda[vechiAlSlotului[slotMaterial[i]]];
        std::vector<DecizieSalvare> decizii = decide(gasite);
        decizii.resize(materiale.size());
        std::fill(alese.begin(), alese.end(), SIZE_MAX);
        for (std::size_t i = 0; i < materiale.size(); ++i) {
            if (slotMaterial[i] == SIZE_MAX) continue;
            if (!decizii[i].salveaza) {
                coduri[i] = MaterialNestocat;
            } else if (!decizii[i].numeNou.empty()) {
                MaterialOptic& m = redenumite.emplace_back(materiale[i]);
                std::memset(m.nume, 0, sizeof m.nume);
                std::memcpy(m.nume, decizii[i].numeNou.data(), std::min(decizii[i].numeNou.size(), sizeof m.nume - 1));
            } else {
                alese[slotMaterial[i]] = i;
            }
        }
    }

    // The records about to be replaced go to the recovery file first, as a
    // single store-over does; without that copy nothing is overwritten.
    std::vector<MaterialOptic> inlocuite;
    for (std::size_t k = 0; k < alese.size(); ++k)
        if (alese[k] != SIZE_MAX && pozitie[k] != SIZE_MAX) inlocuite.push_back(vechi[vechiAlSlotului[k]]);
    if (!inlocuite.empty() &&
        !AdaugaInRecuperare(owner, directorSticle, RecuperareSalvare,
                            std::string_view(reinterpret_cast<const char*>(inlocuite.data()),
                                             inlocuite.size() * sizeof(MaterialOptic))))
        return rezultat(EroareScriereFisier);
    const int fd = ::fileno(f.f);
    const off_t sfarsit = static_cast<off_t>(cititor.recorduriCitite() * MarimeMaterialOptic);
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
    if (cod != 0) {
        for (std::size_t i = 0; i < vechi.size(); ++i)
            Scrie(fd, &vechi[i], sizeof(MaterialOptic), static_cast<off_t>(vechiLa[i] * MarimeMaterialOptic));
        const bool trunchiat = platforma().fisiere().trunchiaza(fd, sfarsit) == 0;
        platforma().fisiere().sincronizeazaDate(fd);
        if (nou) {
            f.inchide();
            std::remove(cale.c_str());
        }
        MesajBox(owner,
                 TextFormatat("Eroare scriere fisier %s:\n%s\n%s", cale.c_str(), TextEroareSistem(cod).c_str(),
                              trunchiat ? "Materialele nu au fost salvate."
                                        : "Materialele nu au fost salvate; sfarsitul fisierului poate contine "
                                          "un fragment, care se inlatura la urmatoarea deschidere."),
                 TitluAtentie, stil::MB_OK | stil::MB_ICONHAND);
        return rezultat(EroareScriereFisier);
    }
    return rezultat(CatalogOk);
}

}  // namespace vitramor
