// The fit of a material's own table: what the fit dialog and `fit` show and
// store. The residuals must be what the stored equation really gives.
#include <gtest/gtest.h>

#include <cmath>

#include "dispersion/PotrivireEcuatie.h"
#include "explorare/SticleCatalog.h"

using namespace vitramor;

namespace {

// A table of `puncte` slots from 350 nm on, n from the code-4 glass plus
// `zgomot` alternating in sign; k from a Cauchy curve.
MaterialOptic Tabel(int puncte, double zgomot = 0.0) {
    MaterialOptic m{};
    m.ec_dispersie_n = m.ec_dispersie_k = EcuatieTabelata;
    const MaterialOptic e = test::NBK7();
    for (int i = 0; i < puncte; ++i) {
        const float l = 350.0f + 50.0f * static_cast<float>(i);
        float n = 0;
        IndiceDinEcuatieDispersie(e, 0, l, n);
        m.lambda_indici[i] = l;
        m.indice_n[i] = n + (i % 2 ? zgomot : -zgomot);
        m.indice_k[i] = 1e-4 + 2e2 / (static_cast<double>(l) * l);
    }
    return m;
}

TEST(PotrivireTabel, KnownCoefficientsComeBackAndTheResidualsAreTheStoredEquations) {
    // A Cauchy curve in double precision comes back to its coefficients; the
    // float n of a Sellmeier glass to its rounding.
    MaterialOptic m = Tabel(30);
    const double cauchy[3] = {1.5, 5000, 1e8};
    MaterialOptic c = m;
    for (int i = 0; i < 30; ++i) {
        const double l2 = static_cast<double>(c.lambda_indici[i]) * c.lambda_indici[i];
        c.indice_n[i] = cauchy[0] + cauchy[1] / l2 + cauchy[2] / (l2 * l2);
    }
    const PotrivireTabel p = PotrivesteTabel(c, 0, 3);
    ASSERT_TRUE(p.ok()) << p.eroare;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(p.ecuatie.coef[i], cauchy[i], 1e-9 * cauchy[i]) << i;
    const PotrivireTabel s = PotrivesteTabel(m, 0, 4);
    ASSERT_TRUE(s.ok()) << s.eroare;
    EXPECT_LT(s.ecuatie.abatereMaxima, 2e-7);

    // With noise every point keeps its own residual, and storing gives the
    // record exactly the n the residuals were measured with.
    m = Tabel(30, 2e-5);
    const PotrivireTabel z = PotrivesteTabel(m, 0, 0);
    ASSERT_TRUE(z.ok());
    double maxim = 0;
    for (const PunctPotrivire& q : z.puncte) maxim = std::max(maxim, std::fabs(q.reziduu));
    EXPECT_GT(maxim, 1e-5);
    EXPECT_LT(maxim, 4e-5);
    AplicaPotrivire(m, 0, z);
    EXPECT_EQ(m.domeniu_n[1], 1800);
    for (const PunctPotrivire& q : z.puncte) {
        float n = 0;
        IndiceMaterial(m, 0, q.lambda, n);
        EXPECT_EQ(static_cast<double>(n) - q.valoare, q.reziduu);
    }
    // The k column is fitted and stored apart from n.
    const PotrivireTabel k = PotrivesteTabel(m, 1, 3);
    ASSERT_TRUE(k.ok()) << k.eroare;
    AplicaPotrivire(m, 1, k);
    EXPECT_EQ(m.ec_dispersie_n, z.ecuatie.cod);
    EXPECT_EQ(m.ec_dispersie_k, 3);
    EXPECT_NEAR(m.coef_disp_k[1], 2e2, 1e-3);
    EXPECT_EQ(m.domeniu_k[1], 1800);
}

TEST(PotrivireTabel, TablesThatCannotBeFittedSayWhy) {
    MaterialOptic negativ = Tabel(10);
    negativ.indice_n[3] = -1.5;
    const struct {
        MaterialOptic m;
        std::int16_t cod;
        const char* text;
    } cazuri[] = {
        {Tabel(2), 0, "Tabelul n are 2 puncte; ecuatia cea mai simpla are 3 coeficienti"},
        {Tabel(10), 11, "Tabelul n are 10 puncte; ecuatia 11 are 12 coeficienti"},
        {Tabel(10), 12, "Ecuatia 12 nu se poate potrivi"},
        {negativ, 0, "Valoarea n = -1.5 la 500 nm nu este una fizica (n <= 0)"},
    };
    for (const auto& c : cazuri) {
        const PotrivireTabel p = PotrivesteTabel(c.m, 0, c.cod);
        EXPECT_FALSE(p.ok());
        EXPECT_NE(p.eroare.find(c.text), std::string::npos) << p.eroare;
        MaterialOptic m = c.m;
        AplicaPotrivire(m, 0, p);
        EXPECT_EQ(m.ec_dispersie_n, EcuatieTabelata);
    }
}

}  // namespace
