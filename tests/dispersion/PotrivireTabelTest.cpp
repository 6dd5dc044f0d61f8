// The fit of a material's own table: what the fit dialog and `fit` show and
// store. The residuals must be what the stored equation really gives.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "dispersion/PotrivireEcuatie.h"
#include "explorare/SticleCatalog.h"
#include "record/TextFormatat.h"

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
    EXPECT_EQ(MotivRefuzPotrivire(k, 1, TolerantaPotrivireImplicita), "");  // relative to k
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

// A maker's table: the glass's indices at twenty lines, to the five decimals
// the catalogue prints. The three-term Sellmeier reaches that accuracy with
// strengths B >= 0 and poles outside the fitted range.
TEST(PotrivireTabel, AMakersFiveDecimalTableFitsToItsOwnAccuracyWithPhysicalCoefficients) {
    const float linii[20] = {312.5663f, 334.1478f, 365.0146f, 404.6561f, 435.8343f, 479.9914f, 486.1327f,
                             546.074f,  587.5618f, 589.2938f, 632.8f,    643.8469f, 656.2725f, 706.5188f,
                             852.11f,   1013.98f,  1060.0f,   1529.582f, 1970.09f,  2325.42f};
    for (const MaterialOptic& sticla : {test::NBK7(), test::F2(), test::SiliceTopita()}) {
        SCOPED_TRACE(sticla.nume);
        MaterialOptic m{};
        for (int i = 0; i < 20; ++i) {
            float n = 0;
            IndiceDinEcuatieDispersie(sticla, 0, linii[i], n);
            m.lambda_indici[i] = linii[i];
            m.indice_n[i] = std::round(n * 1e5) / 1e5;
        }
        const PotrivireTabel p = PotrivesteTabel(m, 0, 4);
        ASSERT_TRUE(p.ok()) << p.eroare;
        EXPECT_LT(p.ecuatie.abatereMaxima, 6e-6);
        for (int i = 0; i < 3; ++i) {
            const double c = p.ecuatie.coef[3 + i], lo = 0.3125 * 0.3125, hi = 2.3255 * 2.3255;
            EXPECT_GE(p.ecuatie.coef[i], 0.0);
            EXPECT_TRUE(c > 0 && (c < lo || c > hi)) << c;
        }
    }
}

// A film's table through its phonon bands, 0.5 - 1000 µm: no Sellmeier
// holds it. The fit stays physical, its figure refuses it, and the range
// the record cannot hold is said.
TEST(PotrivireTabel, AFitThatDoesNotFitStaysPhysicalAndIsRefusedWithItsFigure) {
    MaterialOptic m{};
    m.domeniu_n[0] = 500, m.domeniu_n[1] = 65535;
    for (int i = 0; i < 40; ++i) {
        const double l = 0.5 * std::pow(2000.0, i / 39.0), w = 1e4 / l;
        std::complex<double> e = 1.0 + 3.2 * l * l / (l * l - 0.03);
        for (const auto& [w0, s, g] : {std::array{250.0, 3.0, 60.0}, {500.0, 1.5, 80.0}, {650.0, 0.8, 100.0}})
            e += s * w0 * w0 / std::complex<double>(w0 * w0 - w * w, -g * w);
        m.lambda_indici[i] = static_cast<float>(l * 1000);
        m.indice_n[i] = std::sqrt(e).real();
    }
    const PotrivireTabel p = PotrivesteTabel(m, 0, 4);
    ASSERT_TRUE(p.ok()) << p.eroare;
    for (int i = 0; i < 3; ++i) {
        const double c = p.ecuatie.coef[3 + i];
        EXPECT_GE(p.ecuatie.coef[i], 0.0);
        EXPECT_TRUE(c > 0 && (c < 0.25 || c > 1e6)) << c;
    }
    const double maxim = ReziduuMaximPotrivire(p, 0);
    EXPECT_GT(maxim, 1e-2);
    EXPECT_NE(MotivRefuzPotrivire(p, 0, TolerantaPotrivireImplicita)
                  .find(TextFormatat("reziduul maxim este %.2e, peste toleranta 1.00e-04", maxim)),
              std::string::npos);
    EXPECT_EQ(MotivRefuzPotrivire(p, 0, 10.0), "");
    EXPECT_EQ(AplicaPotrivire(m, 0, p), "Tabelul merge pana la 1e+06 nm; domeniul se opreste la 65535 nm, cel mai "
                                        "mare pe care il tine materialul.");
}

}  // namespace
