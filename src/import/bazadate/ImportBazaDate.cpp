#include "import/bazadate/ImportBazaDate.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "fileutil/UtilitatiFisiere.h"
#include "messages/ListaMesaje.h"
#include "record/OrdineOcteti.h"
#include "database/CatalogMateriale.h"
#include "database/EroriCatalog.h"
#include "database/FisierCatalog.h"

namespace vitramor {

namespace {

// The source file opened by its path in its directory, closed whatever
// happens next; when it cannot be, why. The current directory never
// changes: the import runs off the window's thread, and the window's own
// relative paths would move.
class SursaDeschisa {
public:
    SursaDeschisa(const std::string& director, const std::string& fisier) {
        if (!ExistaDirector(director)) {
            motiv_ = "Nu exista director " + director + ")";
            return;
        }
        const std::string cale = CaleInDirector(director, fisier);
        errno = 0;
        const bool neobisnuit = EsteNeobisnuit(cale);
        if (!neobisnuit) f_.f = std::fopen(cale.c_str(), "rb");
        const int cod = errno;
        struct stat st {};
        const bool obisnuit = f_.f && ::fstat(::fileno(f_.f), &st) == 0 && S_ISREG(st.st_mode);
        if (!obisnuit) {
            f_.inchide();
            motiv_ =
                "Eroare open() " + cale + ": " +
                (neobisnuit || f_.f || cod == 0 ? std::string("nu este un fisier obisnuit") : TextEroareSistem(cod));
        }
    }
    SursaDeschisa(const SursaDeschisa&) = delete;
    SursaDeschisa& operator=(const SursaDeschisa&) = delete;

    bool ok() const { return motiv_.empty(); }
    const std::string& motiv() const { return motiv_; }
    std::FILE* f() const { return f_.f; }

private:
    std::string motiv_;
    FisierDeschis f_;
};

void RaporteazaRest(const std::string& fisier, std::size_t recorduri, std::size_t rest) {
    if (rest == 0) return;
    AfiseazaMesajInLista(TextFormatat("Fisierul %s se termina cu %zu octeti dupa ultima inregistrare intreaga (%zu); "
                                      "ei nu formeaza o inregistrare si nu se citesc",
                                      fisier.c_str(), rest, recorduri),
                         NivelAvertizare);
}

}  // namespace

RezultatOperatie ListeazaBazaDate(const std::string& director, const std::string& fisier,
                                  std::vector<std::string>& nume) {
    const SursaDeschisa sursa(director, fisier);
    if (!sursa.ok()) return RezultatOperatie::Esec(sursa.motiv());
    std::vector<std::string> citite;
    CititorBlocuri cititor(sursa.f(), MarimeMaterialOptic);
    while (const std::size_t n = cititor.urmatorulBloc()) {
        for (std::size_t i = 0; i < n; ++i)
            citite.emplace_back(NumeDinCamp(cititor.record(i) + offsetof(MaterialOptic, nume)));
    }
    if (cititor.eroare()) return RezultatOperatie::Esec(TextEroareCitire(fisier, cititor.codEroare()));
    RaporteazaRest(fisier, cititor.recorduriCitite(), cititor.octetiRest());
    nume = std::move(citite);
    return {};
}

RezultatOperatie ParcurgeFisierBazaDate(const std::string& director, const std::string& fisier,
                                        const std::function<void(const MaterialOptic&, std::size_t)>& f,
                                        Progres& progres) {
    const SursaDeschisa sursa(director, fisier);
    if (!sursa.ok()) return RezultatOperatie::Esec(sursa.motiv());
    const ParcurgereFisier p = ParcurgeMateriale(sursa.f(), f, progres);
    if (p.cod != 0) return RezultatOperatie::Esec(TextEroareCitire(fisier, p.cod));
    RaporteazaRest(fisier, p.recorduri, p.octetiRest);
    return p.anulat ? RezultatOperatie::Anulare() : RezultatOperatie{};
}

RezultatOperatie ImportaDinBazaDate(Fereastra owner, const std::string& directorSticle, const std::string& director, const std::string& fisier,
                                    const std::vector<int>& indici, PoliticaConflict laConflict) {
    std::vector<int> alese(indici);
    std::sort(alese.begin(), alese.end());
    alese.erase(std::unique(alese.begin(), alese.end()), alese.end());
    if (alese.empty()) return RezultatOperatie::Esec("Nu a fost selectat niciun material din " + fisier + ".");

    // The source is read once and stored a block at a time through the
    // one-pass store: memory stays bounded whatever the size of the source.
    constexpr std::size_t RecorduriPeLot = 4096;
    OptiuniStocare o(platforma());
    o.laConflict = laConflict;
    o.titlu = TitluImportBazaDate;
    o.sursa = SursaDinFisier((std::filesystem::path(director) / fisier).string());
    const SursaDeschisa sursa(director, fisier);
    if (!sursa.ok()) return RezultatOperatie::Esec(sursa.motiv());
    std::vector<MaterialOptic> lot;
    RezultatOperatie r = RezultatOperatie::Nimic();
    const auto salveazaLot = [&] {
        if (lot.empty() || r.stare == StareOperatie::Esuat || r.stare == StareOperatie::Anulat) return;
        r.adauga(StocheazaMateriale(owner, directorSticle, lot, o));
        lot.clear();
    };
    auto urmatorul = alese.begin();
    while (urmatorul != alese.end() && *urmatorul < 0) ++urmatorul;
    const ParcurgereFisier p = ParcurgeMateriale(sursa.f(), [&](const MaterialOptic& m, std::size_t index) {
        if (urmatorul == alese.end() || static_cast<std::size_t>(*urmatorul) != index) return;
        ++urmatorul;
        lot.push_back(m);
        if (lot.size() == RecorduriPeLot) salveazaLot();
    });
    if (p.cod != 0) {
        RezultatOperatie esec = RezultatOperatie::Esec(
            TextFormatat("Eroare citire fisier %s:\n%s", fisier.c_str(), TextEroareSistem(p.cod).c_str()));
        esec.adauga(r);
        esec.stare = StareOperatie::Esuat;
        return esec;
    }
    salveazaLot();
    if (urmatorul != alese.end())
        r.refuza(TextFormatat("(intrarea %d)", *urmatorul), "fisierul nu are atatea inregistrari intregi");
    return r;
}

}  // namespace vitramor
