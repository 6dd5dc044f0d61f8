// The committed demo glass directory: whole records, reproducible from the
// generator, published catalogue indices, and references that resolve.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <sstream>

#include "demo/DateDemo.h"
#include "record/FisierMaterial.h"
#include "record/Roluri.h"
#include "record/TexteMaterial.h"
#include "database/CatalogMateriale.h"
#include "support/TestDir.h"

using namespace vitramor;

namespace {

const std::filesystem::path DirectorDemo = std::filesystem::path(VITRAMOR_SOURCE_DIR) / "data" / "demo";

std::vector<MaterialOptic> BazaDemo() {
    std::vector<MaterialOptic> materiale;
    std::FILE* f = std::fopen((DirectorDemo / "sticleNou32.dat").string().c_str(), "rb");
    if (!f) return materiale;
    MaterialOptic m;
    while (CitesteMaterial(f, m)) materiale.push_back(m);
    std::fclose(f);
    return materiale;
}

// Lines that the list readers count: not empty, not a comment.
std::vector<std::string> LiniiDate(const std::string& fisier) {
    std::vector<std::string> linii;
    std::istringstream in(test::readFile(DirectorDemo / fisier));
    for (std::string linie; std::getline(in, linie);)
        if (!linie.empty() && linie[0] != ';' && linie[0] != '#' && linie[0] != '\\') linii.push_back(linie);
    return linii;
}

}  // namespace

TEST(DateDemo, GeneratorReproducesTheCommittedFiles) {
    const auto fisiere = demo::FisiereDemo();
    ASSERT_EQ(fisiere.size(), 5u);
    for (const auto& f : fisiere) {
        ASSERT_TRUE(std::filesystem::exists(DirectorDemo / f.nume)) << f.nume;
        EXPECT_TRUE(test::readFile(DirectorDemo / f.nume) == f.continut)
            << f.nume << " differs: run vitramor-make-demo data/demo and commit the result";
    }
}

TEST(DateDemo, IndexTablesGiveThePublishedCatalogueValues) {
    // nd (587.56 nm, slot 15) and glass codes as the catalogues print them.
    const std::map<std::string, std::pair<double, std::string>> publicat = {
        {"N-BK7", {1.51680, "517642.251"}},  {"N-K5", {1.52249, "522595.259"}},
        {"N-BAK4", {1.56883, "569560.305"}}, {"N-LAK22", {1.65113, "651559.377"}},
        {"F2", {1.62004, "620364.360"}},     {"N-SF6", {1.80518, "805254.337"}},
        {"N-SF11", {1.78472, "785257.322"}}, {"CORNING 7980", {1.45846, ""}},
    };
    std::size_t gasite = 0;
    for (const auto& m : BazaDemo()) {
        const auto it = publicat.find(m.nume);
        if (it == publicat.end()) continue;
        ++gasite;
        ASSERT_EQ(m.lambda_indici[15], 587.56f) << m.nume;
        EXPECT_NEAR(m.indice_n[15], it->second.first, 1.5e-5) << m.nume;
        if (!it->second.second.empty()) {
            EXPECT_STREQ(m.cod, it->second.second.c_str()) << m.nume;
        }
    }
    EXPECT_EQ(gasite, publicat.size());
}

TEST(DateDemo, RecordsReferToExistingCategoriesAndRoles) {
    const std::size_t categorii = LiniiDate("CategoriiMaterial.txt").size();
    const std::size_t roluriSubstrat = LiniiDate("AtributMatSubstrat_ML.txt").size();
    const std::size_t roluriEvaporare = LiniiDate("AtributMatEvap_ML.txt").size();
    ASSERT_GT(categorii, 0u);

    const auto materiale = BazaDemo();
    ASSERT_FALSE(materiale.empty());
    std::set<std::string> nume;
    int evaporare = 0;
    for (const auto& m : materiale) {
        ASSERT_NE(std::memchr(m.nume, '\0', sizeof m.nume), nullptr);
        EXPECT_TRUE(nume.insert(m.nume).second) << "duplicate " << m.nume;
        EXPECT_LT(m.categorie, categorii) << m.nume;
        EXPECT_TRUE(m.domeniu_n[0] != 0 && m.domeniu_n[1] > m.domeniu_n[0]) << m.nume;

        const std::size_t linii = EsteMaterialEvaporare(m) ? roluriEvaporare : roluriSubstrat;
        const CoduriRol roluri = DespacheteazaRoluri(CitesteCuvantRoluri(m));
        EXPECT_NE(roluri[0], 0) << m.nume;
        bool liber = false;
        for (std::uint8_t rol : roluri) {
            if (rol == 0) {
                liber = true;
                continue;
            }
            EXPECT_FALSE(liber) << m.nume << ": roles must be packed";
            EXPECT_LT(rol, linii) << m.nume;
        }
        if (EsteMaterialEvaporare(m)) {
            ++evaporare;
            EXPECT_GT(m.puritate, 99.0f) << m.nume;
        } else {
            EXPECT_EQ(m.lidt_lambda[0], 1064) << m.nume;
        }
    }
    EXPECT_GE(evaporare, 1);
}

TEST(DateDemo, ProducerTableHoldsTheBuiltInNamesInCodeOrder) {
    const std::string tabel = test::readFile(DirectorDemo / NumeFisierProducatori);
    ASSERT_EQ(tabel.size(), 16u * 278u);
    for (int cod = 0; cod < 16; ++cod) {
        const char* intrare = tabel.data() + cod * 278;
        EXPECT_EQ(static_cast<unsigned char>(intrare[0]) | static_cast<unsigned char>(intrare[1]) << 8, cod);
        EXPECT_STREQ(intrare + 2, NumeProducatorImplicit(cod));
        EXPECT_STREQ(intrare + 18, ".");
    }
}
