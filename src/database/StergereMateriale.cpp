#include "database/StergereMateriale.h"

#include <cstring>
#include <vector>

#include "database/CatalogMateriale.h"
#include "database/EroriCatalog.h"
#include "database/FisierCatalog.h"
#include "database/JurnalMateriale.h"
#include "database/Recuperare.h"
#include "record/CodificareText.h"

namespace vitramor {

RezultatOperatie StergeMaterialeCuNume(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle,
                                       const std::string& nume, bool toate, std::optional<std::uint16_t> producator) {
    // The producers of what is about to go, for the journal; read before the
    // delete, which rewrites the file.
    std::vector<IntrareJurnal> sterse;
    {
        FisierDeschis f;
        const std::string cale = CaleBazaDate(directorSticle);
        std::string motiv;
        if (!FisierLipseste(cale) && DeschideFisierDate(cale, "rb", f, motiv) == 0) {
            ParcurgeMateriale(f.f, [&](const MaterialOptic& m, std::size_t) {
                if ((toate || sterse.empty()) && NumeDinCamp(m.nume) == nume &&
                    (!producator || m.producator == *producator))
                    sterse.push_back({nume, m.producator, OperatieJurnal::Sters, {}});
            });
        }
    }
    MaterialOptic m;
    std::memset(&m, 0, sizeof m);
    std::strncpy(m.nume, nume.c_str(), sizeof m.nume - 1);
    m.producator = producator.value_or(0);
    const int operatie = toate ? StergeToateOp : producator ? StergeCuProducatorOp : StergeOp;
    std::string motiv;
    if (const int cod = RuleazaOperatieCatalog(intrebari, directorSticle, m, owner, operatie, motiv)) {
        if (cod == EroareOperatieAnulata && motiv.empty()) return RezultatOperatie::Anulare();
        return RezultatOperatie::Esec(std::move(motiv));
    }
    RezultatOperatie r;
    AdaugaInJurnal(directorSticle, {}, sterse, r);
    r.sterse = static_cast<int>(sterse.size());
    for (const IntrareJurnal& j : sterse) {
        r.articol(Utf8DinWindows1252(nume), Utf8DinWindows1252(NumeProducatorSticla(directorSticle, j.producator)),
                  "sters");
    }
    return r;
}

}  // namespace vitramor
