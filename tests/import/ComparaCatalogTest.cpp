// A maker's new release against the database: two releases of one
// catalogue, the second made from the first.

#include <sys/stat.h>

#include <cmath>
#include <map>

#include "database/GlassDirFixture.h"
#include "database/JurnalMateriale.h"
#include "import/AgfTestData.h"
#include "import/agf/ImportAgf.h"
#include "import/comparare/ComparaCatalog.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

std::string Inlocuit(std::string text, const std::string& ce, const std::string& cu) {
    const std::size_t p = text.find(ce);
    EXPECT_NE(p, std::string::npos) << ce;
    return p == std::string::npos ? text : text.replace(p, ce.size(), cu);
}
std::string Numit(const std::string& agf, const std::string& vechi, const std::string& nou) {
    return Inlocuit(agf, "NM " + vechi + " ", "NM " + nou + " ");
}

// N-BK7's Sellmeier form, λ in µm.
double Sellmeier(const double b[3], const double c[3], double l) {
    double n2 = 1;
    for (int i = 0; i < 3; ++i) n2 += b[i] * l * l / (l * l - c[i]);
    return std::sqrt(n2);
}

class ComparaCatalogTest : public GlassDirFixture {
protected:
    RezultatOperatie importa(const std::string& text, std::uint16_t producator) {
        const CatalogAgf c = CitesteCatalogAgf(text);
        return ImportaSticleAgf(nullptr, path_sticle, "a.agf", SursaDinOcteti("a.agf", text), c, SelectieImplicitaAgf(c),
                                producator, PoliticaConflict::Sari);
    }
    ComparatieCatalog compara(const std::string& text) {
        d.write("b.agf", text);
        CerereComparatie c;
        c.directorSticle = path_sticle;
        c.fisier = d.str() + "/b.agf";
        c.producator = 2;
        ComparatieCatalog r;
        EXPECT_FALSE(ComparaCatalog(nullptr, path_sticle, c, r).esuat());
        return r;
    }
};

TEST_F(ComparaCatalogTest, ClassifiesAReleaseMeasuresWhatChangedAndAppliesIt) {
    const std::string f2 = std::string(F2Agf) + "IT 0.4 0.90 10\n";
    // Re-melted: B1 and B3 moved so that n grows by 2e-5 at d and 3e-4 at 2 µm.
    const std::string nbk7 = Inlocuit(NBK7Agf, "CD 1.03961212 0.00600069867 0.231792344 0.0200179144 1.01046945",
                                      "CD 1.03959712 0.00600069867 0.231792344 0.0200179144 0.98777945");
    const std::string k5 = Numit(SilicaAgf, "SUPRASIL", "K5");
    // Not changes: more digits, a trailing field (and the order, below).
    const std::string k5b = Inlocuit(Inlocuit(k5, "0.6961663 ", "0.696166300 "), "0 0 0\n", "0 0 0 0\n");
    struct Caz {
        std::string nume, inA, inB;
        ClasaComparatie clasa;
        const char* campuri;
    };
    const Caz cazuri[] = {
        {"N-BK7", NBK7Agf, nbk7, ClasaComparatie::Schimbat, "-"},
        {"F2", f2, Inlocuit(f2, "0.90 10", "0.95 10"), ClasaComparatie::Schimbat, "transmisia_interna"},
        {"DENS", Numit(F2Agf, "F2", "DENS"), Numit(Inlocuit(F2Agf, "3.599", "3.612"), "F2", "DENS"),
         ClasaComparatie::Schimbat, "densitate"},
        {"K5", k5, k5b, ClasaComparatie::Neschimbat, "-"},
        {"SUPRASIL", SilicaAgf, "", ClasaComparatie::Disparut, "-"},
        {"SUPRASIL1", "", Numit(SilicaAgf, "SUPRASIL", "SUPRASIL1"), ClasaComparatie::Nou, "-"},
        {"OLD1", Numit(F2Agf, "F2", "OLD1"), "", ClasaComparatie::Disparut, "-"},
        {"NEWGL", "", Numit(F2Agf, "F2", "NEWGL"), ClasaComparatie::Nou, "-"},
        {"TAKEN", "", Numit(F2Agf, "F2", "TAKEN"), ClasaComparatie::Conflict, "-"},
    };
    std::string a, b;
    for (const Caz& c : cazuri) a += c.inA, b = c.inB + b;
    ASSERT_TRUE(importa(a, 2).reusit());
    ASSERT_TRUE(importa(Numit(F2Agf, "F2", "TAKEN"), 3).reusit());  // another maker's glass of that name

    ComparatieCatalog r = compara(b);
    ASSERT_EQ(r.sticle.size(), std::size(cazuri));
    std::map<std::string, const SticlaComparata*> dupaNume;
    for (const SticlaComparata& s : r.sticle) dupaNume[s.nume] = &s;
    for (const Caz& c : cazuri) {
        ASSERT_TRUE(dupaNume.count(c.nume)) << c.nume;
        const SticlaComparata& s = *dupaNume[c.nume];
        EXPECT_EQ(s.clasa, c.clasa) << c.nume;
        EXPECT_EQ(s.textCampuri(), c.campuri) << c.nume;
        if (c.clasa == ClasaComparatie::Neschimbat || c.nume == "F2" || c.nume == "DENS") {
            EXPECT_LT(s.dnMax, ToleranteN) << c.nume;
        }
    }
    EXPECT_EQ(r.numar, (std::array<int, 5>{2, 3, 1, 2, 1}));

    // The figures against N-BK7's own formula.
    const double b0[] = {1.03961212, 0.231792344, 1.01046945}, b1[] = {1.03959712, 0.231792344, 0.98777945};
    const double c0[] = {0.00600069867, 0.0200179144, 103.560653};
    const SticlaComparata& bk7 = *dupaNume["N-BK7"];
    const double dnD = Sellmeier(b1, c0, 0.5875618) - Sellmeier(b0, c0, 0.5875618);
    const double dn2 = Sellmeier(b1, c0, 2.0) - Sellmeier(b0, c0, 2.0);
    EXPECT_NEAR(dnD, 2e-5, 3e-6);
    EXPECT_NEAR(dn2, 3e-4, 2e-5);
    EXPECT_NEAR(bk7.dnD, dnD, 3e-7);
    EXPECT_NEAR(bk7.dnMax, std::abs(Sellmeier(b1, c0, 2.5) - Sellmeier(b0, c0, 2.5)), 3e-7);  // at the range's end
    EXPECT_EQ(bk7.lambdaDnMax, 2500);
    for (const auto& [lambda, dn] : CurbaDeltaN(*bk7.vechi, *bk7.nou, 23))
        if (lambda == 2000) {
            EXPECT_NEAR(dn, dn2, 3e-7);
        }
    EXPECT_NE(bk7.dvd, 0);
    EXPECT_NEAR(dupaNume["F2"]->dtau, 0.05, 1e-4);

    // New and changed applied; the second look finds nothing left but the
    // discontinued glasses and the conflict, and the journal says where
    // the updates came from.
    const ClasaComparatie clase[] = {ClasaComparatie::Nou, ClasaComparatie::Schimbat};
    const RezultatOperatie aplicat = AplicaComparatia(p, nullptr, path_sticle, r, {ActiuniPentruClase(r, clase)});
    EXPECT_EQ(aplicat.noi, 2);
    EXPECT_EQ(aplicat.actualizate, 3);
    EXPECT_EQ(compara(b).numar, (std::array<int, 5>{0, 0, 6, 2, 1}));
    const auto istoric = IstoricMaterial(path_sticle, "N-BK7");
    ASSERT_EQ(istoric.size(), 2u);
    EXPECT_EQ(istoric[1].operatie, "actualizat");
    EXPECT_EQ(istoric[1].sursa, "b.agf");

    // Discontinued: deleted only on a Yes; marked with the category asked for.
    OptiuniAplicare o{std::vector<ActiuneSticla>(r.sticle.size(), ActiuneSticla::Nimic), 4};
    for (std::size_t i = 0; i < r.sticle.size(); ++i)
        o.actiuni[i] = r.sticle[i].nume == "OLD1"       ? ActiuneSticla::Sterge
                       : r.sticle[i].nume == "SUPRASIL" ? ActiuneSticla::Marcheaza
                                                        : ActiuneSticla::Nimic;
    p.raspunde(raspuns::IDNO);
    EXPECT_EQ(AplicaComparatia(p, nullptr, path_sticle, r, o).sarite, 1);
    p.raspunde(raspuns::IDYES);
    EXPECT_EQ(AplicaComparatia(p, nullptr, path_sticle, r, o).sterse, 1);
    std::map<std::string, int> categorii;
    for (const MaterialOptic& m : recordsOf(db())) categorii[m.nume] = m.categorie;
    EXPECT_EQ(categorii.count("OLD1"), 0u);
    EXPECT_EQ(categorii["SUPRASIL"], 4);
}

// A database glass that came from elsewhere (measured index points, a
// softening point, no catalogue status) against the maker's AGF of the same
// glass: the AGF has no table, no softening point and a status, none of
// which is a change; the update keeps the softening point.
TEST_F(ComparaCatalogTest, WhatAnAgfCannotCarryIsNoChange) {
    ASSERT_TRUE(importa(NBK7Agf, 2).reusit());
    MaterialOptic m = recordsOf(db()).at(0);
    m.stare_catalog = 0;
    m.temperaturi[2] = 719;
    for (int i = 0; i < 3; ++i) m.lambda_indici[i] += 7, m.indice_n[i] -= 1e-4;
    writeDb(std::string(reinterpret_cast<const char*>(&m), sizeof m));

    ComparatieCatalog r = compara(NBK7Agf);
    ASSERT_EQ(r.sticle.size(), 1u);
    EXPECT_EQ(r.sticle[0].clasa, ClasaComparatie::Neschimbat) << r.sticle[0].textCampuri();
    r.sticle[0].clasa = ClasaComparatie::Schimbat;
    AplicaComparatia(p, nullptr, path_sticle, r, {{ActiuneSticla::Stocheaza}});
    EXPECT_EQ(recordsOf(db()).at(0).temperaturi[2], 719);
}

}  // namespace

namespace {

// A database that cannot be read is the comparison's reason; nothing is shown on the way.
TEST_F(ComparaCatalogTest, AnUnreadableDatabaseIsTheReasonAndNothingIsShown) {
    std::filesystem::remove(d / "sticleNou32.dat");
    ASSERT_EQ(::mkfifo((d / "sticleNou32.dat").c_str(), 0600), 0);
    d.write("b.agf", F2Agf);
    CerereComparatie c;
    c.directorSticle = path_sticle;
    c.fisier = d.str() + "/b.agf";
    c.producator = 2;
    ComparatieCatalog r;
    const RezultatOperatie rez = ComparaCatalog(nullptr, path_sticle, c, r);
    EXPECT_TRUE(rez.esuat());
    EXPECT_NE(rez.motiv.find("nu este un fisier obisnuit (este un FIFO)"), std::string::npos) << rez.motiv;
    EXPECT_TRUE(p.casete.empty());
}

}  // namespace
