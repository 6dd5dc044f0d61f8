// Operation 3 for a whole catalogue. Storing glass after glass reads the
// database once per glass, which for a catalogue of a thousand glasses reads
// the file a thousand times and waits for the disk a thousand times. Here
// the file is read once to find the names, every replaced record is written
// in place and the new ones are appended in one write, and the disk is
// waited for once. If any write fails, the replaced records get their old
// bytes back and the file its old length: the database is as before.

#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <unordered_map>

#include "record/OrdineOcteti.h"
#include "settings/Directoare.h"
#include "suite/CatalogErrors.h"
#include "suite/CatalogFile.h"
#include "suite/Catalix.h"

namespace vitramor {

namespace {

int Scrie(int fd, const void* date, std::size_t n, off_t pozitie) {
    const char* p = static_cast<const char*>(date);
    while (n > 0) {
        const ssize_t scris = ::pwrite(fd, p, n, pozitie);
        if (scris < 0 && errno == EINTR) continue;
        if (scris <= 0) return scris < 0 ? errno : EIO;
        p += scris, n -= static_cast<std::size_t>(scris), pozitie += scris;
    }
    return 0;
}

// One record per name, in the file's byte order, in the order of first appearance.
struct Lot {
    std::vector<MaterialOptic> inFisier;
};

}  // namespace

int SalveazaMaterialeOptice(const std::string& directorSticle, const std::vector<MaterialOptic>& materiale,
                            Fereastra owner, std::vector<int>& coduri) {
    coduri.assign(materiale.size(), CatalogOk);
    // Names the file must not hold are refused one by one, as operation 3
    // refuses them; a later record of the same name replaces an earlier one,
    // as two operations 3 in a row would.
    Lot lot;
    std::unordered_map<std::string, std::size_t> dupaNume;
    for (std::size_t i = 0; i < materiale.size(); ++i) {
        if (!NumeMaterialCurat(materiale[i].nume)) {
            MaterialOptic m = materiale[i];
            coduri[i] = CautaMaterialOptic(directorSticle, m, owner, SalveazaOp);
            continue;
        }
        MaterialOptic m = materiale[i];
        MaterialInOrdineaFisierului(m);
        const auto [it, nou] = dupaNume.emplace(std::string(NumeDinCamp(m.nume)), lot.inFisier.size());
        if (nou) {
            lot.inFisier.push_back(m);
        } else {
            lot.inFisier[it->second] = m;
        }
    }
    if (lot.inFisier.empty()) {
        for (int c : coduri)
            if (c != CatalogOk) return c;
        return CatalogOk;
    }
    auto rezultat = [&](int cod) {
        for (std::size_t i = 0; i < materiale.size(); ++i)
            if (NumeMaterialCurat(materiale[i].nume)) coduri[i] = cod;
        for (int c : coduri)
            if (c != CatalogOk) return c;
        return static_cast<int>(CatalogOk);
    };

    InDirector inDirector(directorSticle, owner);
    if (!inDirector.ok()) return rezultat(EroareDirectorSticle);
    const std::string& fisier = nume_fisier_sticle;
    const std::string cale = CaleAfisata(directorSticle, fisier);
    const std::string_view octeti(reinterpret_cast<const char*>(lot.inFisier.data()),
                                  lot.inFisier.size() * sizeof(MaterialOptic));
    if (FisierLipseste(fisier)) return rezultat(CreazaFisierNou(owner, fisier, octeti));

    FisierDeschis f;
    if (const int cod = DeschideFisierDate(owner, fisier, cale, "r+b", f)) return rezultat(cod);
    std::vector<std::size_t> pozitie(lot.inFisier.size(), SIZE_MAX);
    std::vector<MaterialOptic> vechi(lot.inFisier.size());
    CititorBlocuri cititor(f.f, MarimeMaterialOptic);
    while (const std::size_t n = cititor.urmatorulBloc()) {
        for (std::size_t i = 0; i < n; ++i) {
            const char* rec = cititor.record(i);
            const auto it = dupaNume.find(std::string(NumeDinCamp(rec + offsetof(MaterialOptic, nume))));
            if (it == dupaNume.end() || pozitie[it->second] != SIZE_MAX) continue;
            pozitie[it->second] = cititor.indexPrimul() + i;
            std::memcpy(&vechi[it->second], rec, sizeof(MaterialOptic));
        }
    }
    if (cititor.eroare()) return rezultat(RaporteazaEroareCitire(owner, cale, cititor.codEroare()));
    if (cititor.octetiRest() != 0) {
        // A partial tail: operation 3 rewrites the file without it, after
        // which the rest go in place or at the new end.
        f.inchide();
        int prim = CatalogOk;
        for (std::size_t i = 0; i < lot.inFisier.size(); ++i) {
            MaterialOptic m = lot.inFisier[i];
            MaterialDinOrdineaFisierului(m);
            const int cod = CautaMaterialOptic(directorSticle, m, owner, SalveazaOp);
            if (cod != CatalogOk && prim == CatalogOk) prim = cod;
        }
        return rezultat(prim);
    }

    const int fd = ::fileno(f.f);
    const off_t sfarsit = static_cast<off_t>(cititor.recorduriCitite() * MarimeMaterialOptic);
    std::string adaugate;
    int cod = 0;
    std::size_t scrise = 0;
    for (; scrise < lot.inFisier.size() && cod == 0; ++scrise) {
        if (pozitie[scrise] == SIZE_MAX)
            adaugate.append(reinterpret_cast<const char*>(&lot.inFisier[scrise]), sizeof(MaterialOptic));
        else
            cod = Scrie(fd, &lot.inFisier[scrise], sizeof(MaterialOptic),
                        static_cast<off_t>(pozitie[scrise] * MarimeMaterialOptic));
    }
    if (cod == 0 && !adaugate.empty()) cod = Scrie(fd, adaugate.data(), adaugate.size(), sfarsit);
    if (cod == 0 && ::fdatasync(fd) != 0) cod = errno;
    if (cod != 0) {
        for (std::size_t i = 0; i < scrise; ++i)
            if (pozitie[i] != SIZE_MAX)
                Scrie(fd, &vechi[i], sizeof(MaterialOptic), static_cast<off_t>(pozitie[i] * MarimeMaterialOptic));
        const bool trunchiat = ::ftruncate(fd, sfarsit) == 0;
        MesajBox(owner,
                 TextFormatat("Eroare scriere fisier %s:\n%s\n%s", cale.c_str(), TextEroareSistem(cod).c_str(),
                              trunchiat ? "Materialele nu au fost salvate."
                                        : "Materialele nu au fost salvate; sfarsitul fisierului poate contine "
                                          "un fragment, pe care curatarea fisierului il elimina."),
                 TitluAtentie, stil::MB_OK | stil::MB_ICONHAND);
        return rezultat(EroareScriereFisier);
    }
    return rezultat(CatalogOk);
}

}  // namespace vitramor
