#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "dispersion/EcuatieDispersie.h"
#include "dispersion/MarimiOptice.h"
#include "material/LiniiSpectrale.h"
#include "explorare/SticleCatalog.h"
#include "support/PlatformaScriptata.h"
#include "support/RecordImage.h"

using namespace vitramor;

namespace {

struct Catalog {
    MaterialOptic sticla;        // Sellmeier (code 4) with the catalogue constants
    double nd, ne, vd, ve, pgF;  // as the manufacturers print them
};

// N-BK7, F2, N-SF6 (Schott) and fused silica (Malitson's constants; the
// silica makers print the same figures).
const Catalog catalog[] = {
    {test::NBK7(), 1.51680, 1.51872, 64.17, 63.96, 0.5349},
    {test::F2(), 1.62004, 1.62408, 36.37, 36.11, 0.5828},
    {test::Material("N-SF6", 2, 4, {1.77931763, 0.338149866, 2.08734474, 0.0133714182, 0.0617533621, 174.01759}, {}),
     1.80518, 1.81266, 25.36, 25.16, 0.6158},
    {test::SiliceTopita(), 1.45846, 1.46008, 67.82, 67.67, 0.5276},
};

// The equation alone: the published table is left out.
MaterialOptic CuSellmeier(const Catalog& c) {
    MaterialOptic m = c.sticla;
    std::fill(std::begin(m.lambda_indici), std::end(m.lambda_indici), 0.0f);
    std::fill(std::begin(m.indice_n), std::end(m.indice_n), 0.0);
    return m;
}

// The same glass as an importer without the constants leaves it: only the
// index table at the standard wavelengths, equation type "tabulated".
MaterialOptic DoarTabel(const Catalog& c) {
    MaterialOptic m = CuSellmeier(c);
    for (int i = 0; i < NumarLungimiUndaStandard; ++i) {
        float n = 0;
        IndiceDinEcuatieDispersie(m, 0, LungimiUndaStandard[i], n);
        m.lambda_indici[i] = LungimiUndaStandard[i];
        m.indice_n[i] = n;
    }
    m.ec_dispersie_n = EcuatieTabelata;
    return m;
}

class MarimiOpticeTest : public ::testing::Test {
protected:
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
};

}  // namespace

TEST_F(MarimiOpticeTest, CatalogueGlassesFromEquationAndFromTable) {
    for (const Catalog& c : catalog) {
        for (const bool tabel : {false, true}) {
            SCOPED_TRACE(std::string(c.sticla.nume) + (tabel ? " table" : " equation"));
            // The table holds the lines to two decimals only, a few 1e-6 off.
            const double tn = tabel ? 2e-5 : 1e-5;
            const MarimiOptice q = CalculeazaMarimiOptice(tabel ? DoarTabel(c) : CuSellmeier(c));
            EXPECT_NEAR(q.nd, c.nd, tn);
            EXPECT_NEAR(q.ne, c.ne, tn);
            EXPECT_NEAR(q.vd, c.vd, 0.01 + (tabel ? 0.01 : 0));
            EXPECT_NEAR(q.ve, c.ve, 0.01 + (tabel ? 0.01 : 0));
            EXPECT_NEAR(q.pgF, c.pgF, 0.0005);
            EXPECT_NEAR(q.deltaPgF, q.pgF - (0.6438 - 0.001682 * q.vd), 1e-12);
        }
    }
    EXPECT_EQ(p.beepuri, 0) << "a tabulated record must not go through the beeping evaluator";
}

TEST_F(MarimiOpticeTest, MissingLinesLeaveOnlyTheirQuantitiesEmpty) {
    MaterialOptic m = test::namedRecord("X");
    EXPECT_FALSE(AreValoare(CalculeazaMarimiOptice(m).nd));  // a new, empty material

    // Lines d, F and C only, a constant "equation" left at 0: nd and vd, no P g,F.
    const std::array<std::pair<float, double>, 3> linii = {{{486.13f, 1.52238}, {587.56f, 1.51680}, {656.27f, 1.51432}}};
    for (std::size_t i = 0; i < linii.size(); ++i) {
        m.lambda_indici[i] = linii[i].first;
        m.indice_n[i] = linii[i].second;
    }
    const MarimiOptice q = CalculeazaMarimiOptice(m);
    EXPECT_DOUBLE_EQ(q.nd, 1.51680);
    EXPECT_NEAR(q.vd, 0.51680 / (1.52238 - 1.51432), 1e-9);
    EXPECT_TRUE(AreValoare(q.ne));  // e lies between F and C
    EXPECT_FALSE(AreValoare(q.pgF));  // g lies outside the table
    EXPECT_FALSE(AreValoare(q.pCt));
    EXPECT_FALSE(AreValoare(q.deltaPgF));
}
