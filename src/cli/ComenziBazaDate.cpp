#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "cli/Cli.h"
#include "database/StergereMateriale.h"
#include "fileutil/UtilitatiFisiere.h"
#include "platform/Platforma.h"
#include "settings/Directoare.h"
#include "database/CatalogMateriale.h"
#include "database/FisierCatalog.h"

namespace vitramor::cli {

namespace {

MaterialOptic inregistrareCuNume(const std::string& nume) {
    MaterialOptic m;
    std::memset(&m, 0, sizeof m);
    std::strncpy(m.nume, nume.c_str(), sizeof m.nume - 1);
    return m;
}

}  // namespace

int ComandaStore(Context& c) {
    CereArgumente(c, 1, 1);
    const std::string& cale = c.argumente[0];
    FisierDeschis f;
    if (const RezultatOperatie r = DeschideFisierObisnuit(cale, "rb", f.f); r.esuat()) {
        MesajBox(nullptr,
                 errno == EINVAL ? r.motiv : "Eroare deschidere fisier " + cale + ": " + TextEroareSistem(errno),
                 "Open", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return IesireEsec;
    }
    // Stored a block at a time through the one store: linear in the
    // records, and memory bounded whatever the size of the file. A record
    // file replaces the materials of its names, whoever made them.
    constexpr std::size_t RecorduriPeLot = 4096;
    OptiuniStocare o(platforma());
    o.laConflict = PoliticaConflict::Inlocuieste;
    o.sursa = SursaDinFisier(cale);
    std::vector<MaterialOptic> lot;
    RezultatOperatie rezultat = RezultatOperatie::Nimic();
    const auto salveazaLot = [&] {
        if (rezultat.stare != StareOperatie::Esuat && !lot.empty())
            rezultat.adauga(StocheazaMateriale(nullptr, path_sticle, lot, o));
        lot.clear();
    };
    const ParcurgereFisier r = ParcurgeMateriale(f.f, [&](const MaterialOptic& m, std::size_t) {
        lot.push_back(m);
        if (lot.size() == RecorduriPeLot) salveazaLot();
    });
    if (r.cod == 0) salveazaLot();
    if (r.cod != 0) {
        RezultatOperatie esec = RezultatOperatie::Esec("Eroare citire fisier " + cale + ": " + TextEroareSistem(r.cod));
        esec.adauga(rezultat);
        esec.stare = StareOperatie::Esuat;
        return IesireDinRezultat("Store", esec);
    }
    if (r.octetiRest != 0) {
        // A trailing fragment is not a record: everything before it was stored.
        MesajBox(nullptr,
                 "Fisierul " + cale + " se termina cu " + std::to_string(r.octetiRest) +
                     " octeti care nu formeaza o inregistrare; au fost ignorati",
                 "ATENTIE!", stil::MB_OK | stil::MB_ICONASTERISK);
    }
    if (rezultat.stare == StareOperatie::NimicDeFacut)
        rezultat = RezultatOperatie::Esec("Fisierul " + cale + " nu contine nicio inregistrare intreaga.");
    return IesireDinRezultat("Store", rezultat);
}

int ComandaDelete(Context& c) {
    const bool toate = ScoateOptiune(c, "--all");
    CereArgumente(c, 1, 1);
    return IesireDinRezultat(
        "Stergere material",
        StergeMaterialeCuNume(platforma(), nullptr, path_sticle, NumeMaterialDinArgument(c.argumente[0]), toate));
}

int ComandaClean(Context& c) {
    CereArgumente(c, 0, 0);
    MaterialOptic m = inregistrareCuNume("");
    return CautaMaterialOptic(path_sticle, m, nullptr, CurataOp) == 0 ? IesireOk : IesireEsec;
}

}  // namespace vitramor::cli
