// The release read as its import reads it: the build step of each import,
// without its store.
#include <algorithm>
#include <filesystem>
#include <memory>

#include "database/CategoriiMaterial.h"
#include "import/FisierImport.h"
#include "import/agf/ImportAgf.h"
#include "import/bazadate/ImportBazaDate.h"
#include "import/comparare/ComparaCatalog.h"
#include "import/rii/ImportRii.h"
#include "import/tabele/ActualizareExcel.h"
#include "import/tabele/SursaTabel.h"
#include "import/text/CatalogText.h"
#include "record/CodificareText.h"

namespace vitramor {

std::optional<FormatCatalog> FormatCatalogDinText(std::string_view text) {
    if (text == "agf") return FormatCatalog::Agf;
    if (text == "table") return FormatCatalog::Tabel;
    if (text == "text") return FormatCatalog::Text;
    if (text == "db") return FormatCatalog::BazaDate;
    if (text == "rii") return FormatCatalog::Rii;
    return std::nullopt;
}

std::optional<FormatCatalog> FormatCatalogDinFisier(const std::string& fisier) {
    if (fisier.find('=') != std::string::npos) return FormatCatalog::Tabel;
    // The Pilkington pair is named by its folder, whatever the folder's name ends with.
    std::error_code eroare;
    if (std::filesystem::is_directory(fisier, eroare)) return FormatCatalog::Text;
    std::string ext = std::filesystem::path(fisier).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".agf") return FormatCatalog::Agf;
    if (ext == ".xlsx" || ext == ".xls" || ext == ".csv") return FormatCatalog::Tabel;
    if (ext == ".txt") return FormatCatalog::Text;
    if (ext == ".dat") return FormatCatalog::BazaDate;
    if (ext == ".yml" || ext == ".yaml") return FormatCatalog::Rii;
    return std::nullopt;
}

namespace {

RezultatOperatie CitesteTabel(Fereastra owner, const CerereComparatie& c, std::vector<MaterialOptic>& sticle,
                              ComparatieCatalog& rezultat) {
    auto ctx = std::make_unique<ContextImportExcel>();
    StergeAsocieri(ctx->asocieri);
    ScrieAsocieriImplicite(*ctx);
    if (RezultatOperatie r = IncarcaAsocieriDinFisier(c.asocieri, ctx->asocieri); r.esuat()) return r;
    DupaIncarcareAsocieri(*ctx);
    std::string eroare;
    ctx->sursa = DeschideSursaTabel(c.fisier, eroare, c.randAntet);
    if (ctx->sursa && !ctx->sursa->citesteColoane(c.tabel, ctx->coloane)) eroare = ctx->sursa->eroare();
    if (!ctx->sursa || !eroare.empty()) return RezultatOperatie::Esec(eroare);
    if (c.fisier.find('=') == std::string::npos) ctx->caleSursa = c.fisier;
    ctx->tabel = c.tabel;
    ctx->sticla.producator = c.producator;
    std::vector<std::string> linii;
    if (!DetecteazaLambda(*ctx, c.cod, linii)) return RezultatOperatie::Esec(ctx->motivDetectie);
    OptiuniActualizare o;
    o.directorSticle = c.directorSticle;
    o.owner = owner;
    o.actualizeaza = true;
    o.codProducator = c.cod;
    bool construit = false;
    o.construite = [&](std::vector<MaterialOptic>& lot) {
        sticle = std::move(lot);
        construit = true;
    };
    const RezultatOperatie r = ImportaTabelExcel(*ctx, o);
    rezultat.refuzate = r.refuzate;
    rezultat.sursa = ctx->caleSursa.empty() ? SursaMateriale{ctx->sursa->numeSursa(), "-"} : SursaDinFisier(ctx->caleSursa);
    if (construit) return {};
    return r.esuat() ? r : RezultatOperatie::Nimic(r.motiv);
}

}  // namespace

RezultatOperatie CitesteCatalogDeComparat(Fereastra owner, const CerereComparatie& c,
                                          std::vector<MaterialOptic>& sticle, ComparatieCatalog& rezultat,
                                          Progres& progres) {
    sticle.clear();
    rezultat.refuzate.clear();
    // A new glass gets its category as the import gives it; the comparison
    // does not weigh categories.
    CategoriiImport categorii(c.directorSticle, -1);
    switch (c.format) {
        case FormatCatalog::Agf: {
            std::string octeti;
            if (const RezultatOperatie citit = CitesteFisierImport(c.fisier, octeti);
                citit.stare == StareOperatie::Esuat)
                return citit;
            const CatalogAgf catalog = CitesteCatalogAgf(octeti);
            sticle = ConstruiesteSticleAgf(catalog, SelectieImplicitaAgf(catalog), c.producator, categorii);
            for (const SticlaAgf& s : catalog.sticle)
                if (!s.retrasa() && !s.importabila())
                    rezultat.refuzate.push_back({Utf8DinWindows1252(s.nume), s.erori.empty() ? std::string() : s.erori[0]});
            rezultat.sursa = SursaDinOcteti(c.fisier, octeti);
            break;
        }
        case FormatCatalog::Text: {
            SticleCatalogText t;
            if (RezultatOperatie r =
                    ConstruiesteFisierCatalogText(c.cod, c.fisier, categorii, t, rezultat.sursa, progres);
                r.esuat())
                return r;
            for (std::size_t i = 0; i < t.sticle.size(); ++i)
                if (t.stari[i] == StareLinieText::Stocheaza) sticle.push_back(t.sticle[i]);
            break;
        }
        case FormatCatalog::BazaDate: {
            const std::filesystem::path p(c.fisier);
            const std::string director = p.has_parent_path() ? p.parent_path().string() : std::string(".");
            const RezultatOperatie citit = ParcurgeFisierBazaDate(
                director, p.filename().string(),
                [&](const MaterialOptic& m, std::size_t) {
                    if (m.producator == c.producator) sticle.push_back(m);
                },
                progres);
            if (citit.stare != StareOperatie::Facut) return citit;
            rezultat.sursa = SursaDinFisier(c.fisier);
            break;
        }
        case FormatCatalog::Rii: {
            std::string octeti;
            if (const RezultatOperatie citit = CitesteFisierImport(c.fisier, octeti);
                citit.stare == StareOperatie::Esuat)
                return citit;
            std::string nume = c.nume.empty() ? std::filesystem::path(c.fisier).stem().string() : c.nume;
            nume = nume.substr(0, sizeof(MaterialOptic::nume) - 1);
            MaterialRii r = CitesteMaterialRii(octeti, nume, c.producator);
            if (!r.ok) return RezultatOperatie::Esec(c.fisier + ": " + r.eroare);
            r.m.categorie = categorii.categorie(r.m);
            sticle.push_back(r.m);
            rezultat.sursa = SursaDinOcteti(c.fisier, octeti);
            break;
        }
        case FormatCatalog::Tabel:
            if (RezultatOperatie r = CitesteTabel(owner, c, sticle, rezultat); r.stare != StareOperatie::Facut)
                return r;
            break;
    }
    // Every glass under the producer asked for, as an import stores it.
    for (MaterialOptic& m : sticle) m.producator = c.producator;
    return {};
}

RezultatOperatie ComparaCatalog(Fereastra owner, const std::string& directorSticle, const CerereComparatie& c,
                                ComparatieCatalog& rezultat, Progres& progres) {
    std::vector<MaterialOptic> sticle;
    // A stop during the reading gives no comparison, whether or not a pass
    // over the database would follow.
    RezultatOperatie citit = CitesteCatalogDeComparat(owner, c, sticle, rezultat, progres);
    if (citit.stare != StareOperatie::Facut) return citit;
    if (progres.anulat()) return RezultatOperatie::Anulare();
    return ComparaCuBazaDate(directorSticle, sticle, c.producator, rezultat, progres);
}

}  // namespace vitramor
