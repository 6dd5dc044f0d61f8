#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <limits>
#include <vector>

#include "dispersion/EcuatieDispersie.h"
#include "explorare/SticleCatalog.h"
#include "support/PlatformaScriptata.h"
#include "support/RecordImage.h"

using namespace vitramor;

namespace {

using namespace vitramor::test;

// A catalogue glass: its equation and published indices (wavelength, n as printed).
struct Sticla {
    const char* nume;
    std::int16_t cod;
    std::vector<double> coef;
    std::vector<std::pair<float, double>> indici;
};

// A record with the equation for n (which 0) or k (which 1).
MaterialOptic CuEcuatie(int which, std::int16_t cod, const std::vector<double>& coef) {
    MaterialOptic m = test::namedRecord("TEST");
    (which == 0 ? m.ec_dispersie_n : m.ec_dispersie_k) = cod;
    std::copy(coef.begin(), coef.end(), which == 0 ? m.coef_disp_n : m.coef_disp_k);
    return m;
}

double Evalueaza(std::int16_t cod, const std::vector<double>& c, float lambda) {
    double coef[NumarCoeficientiDispersie] = {};
    for (std::size_t i = 0; i < c.size(); ++i) coef[i] = c[i];
    return CalculeazaEcuatieDispersie(coef, cod, lambda);
}

class Dispersie : public ::testing::Test {
protected:
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
};

}  // namespace

// Real glasses from the manufacturers' catalogues: the equation with the
// catalogue's own constants must give the printed indices (5 decimals; the
// adhesive's only 2). Schott gives Sellmeier B1 B2 B3 C1 C2 C3 and, in its
// earlier edition, the power series A0..A5; Norland's NOA 61 is Cauchy with
// c1 in nm² and c2 in nm⁴.
TEST_F(Dispersie, PublishedGlassesReproduceTheirCatalogueIndices) {
    const std::vector<Sticla> sticle = {
        {"N-BK7", 4, {1.03961212, 0.231792344, 1.01046945, 0.00600069867, 0.0200179144, 103.560653},
         {{LiniaD, 1.51680}, {LiniaF, 1.52238}, {LiniaE, 1.51872}, {LiniaC, 1.51432}}},
        {"N-SF11", 4, {1.73759695, 0.313747346, 1.89878101, 0.013188707, 0.0623068142, 155.23629}, {{LiniaD, 1.78472}}},
        {"BK7", 1, {2.2718929, -1.0108077e-2, 1.0592509e-2, 2.0816965e-4, -7.6472538e-6, 4.9240991e-7},
         {{LiniaD, 1.51680}, {LiniaF, 1.52238}, {LiniaE, 1.51872}, {LiniaC, 1.51432}}},
        {"NOA 61", 3, {1.5375, 8290.45, -2.11046e8}, {{589.29f, 1.56}}},
    };
    for (const auto& s : sticle) {
        const MaterialOptic m = CuEcuatie(0, s.cod, s.coef);
        for (const auto& [lambda, publicat] : s.indici) {
            float n = -1.0f;
            ASSERT_EQ(IndiceDinEcuatieDispersie(m, 0, lambda, n), IndiceValid) << s.nume;
            EXPECT_NEAR(n, publicat, s.cod == 3 ? 0.005 : 1e-5) << s.nume << " at " << lambda << " nm";
        }
    }
    EXPECT_EQ(p.beepuri, 0);
    EXPECT_DOUBLE_EQ(Evalueaza(3, {1.5, 5000.0, 0.0}, 500.0f), 1.52);
    EXPECT_DOUBLE_EQ(Evalueaza(3, {1.5, 5000.0, 1.0e9}, 500.0f), 1.536);  // 1e9 / 500⁴ = 0.016
}

// Values whose last bit tells how they were formed.
TEST_F(Dispersie, PrecisionOfTheIntermediateValues) {
    struct Caz { const char* ce; std::int16_t cod; std::vector<double> coef; float lambda; double asteptat; };
    const std::vector<Caz> cazuri = {
        // 4097² = 16785409 has no float; single precision rounds it to 16785408.
        {"lambda^2 in single precision (Cauchy)", 3, {0.0, 16785408.0}, 4097.0f, 1.0},
        // L = 16785408f / 1e6f rounds to 16.78540802001953 in single precision;
        // its root in single precision is the float 4.0969996452331543.
        {"L in single precision (power series)", 1, {0.0, 1.0}, 4097.0f, static_cast<double>(4.0969996452331543f)},
        {"root of the power series in single precision", 1, {2.0}, 1000.0f,
         static_cast<double>(1.41421353816986083984375f)},
        {"root of Sellmeier in double precision", 4, {1.0, 0.0, 0.0, 0.0, 0.0, 0.0}, 1000.0f, 1.4142135623730951},
        {"root of the one-term form in double precision", 7, {2.0}, 1000.0f, 1.4142135623730951},
        // Summed from c0 upward, 1 + 2^-53 + 2^-53 stays 1 at every step;
        // Horner's scheme or a sum from the top would give 1 + 2^-52.
        {"polynomial summed from c0 upward", 11, {1.0, 0x1p-53, 0x1p-53}, 1000.0f, 1.0},
        {"x in single precision", 11, {0.0, 1.0}, 1.0f, static_cast<double>(0.001f)},
        {"polynomial uses all twelve terms", 11, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1.0}, 2000.0f, 2048.0},
        {"decadic exponential", 12, {2.0, 0.001}, 1000.0f, 10.0},
        {"exponential in 1/lambda", 13, {3.0, 0.0}, 700.0f, 3.0},
    };
    for (const auto& c : cazuri) EXPECT_EQ(Evalueaza(c.cod, c.coef, c.lambda), c.asteptat) << c.ce;
    EXPECT_NEAR(Evalueaza(13, {1.0, 500.0 * std::log(2.0)}, 500.0f), 2.0, 1e-15);
    EXPECT_EQ(p.beepuri, 0);
}

TEST_F(Dispersie, CodesThatAreNotEquationsBeepAndGiveC0) {
    const std::vector<double> coef = {1.2345, 0.5, 0.25, 0.125, 2.0, 3.0};
    const std::int16_t fara[] = {2, 5, 8, 9, 10, 14, -1, std::numeric_limits<std::int16_t>::max(),
                                 std::numeric_limits<std::int16_t>::min()};
    for (std::int16_t cod : fara) {
        const int inainte = p.beepuri;
        EXPECT_EQ(Evalueaza(cod, coef, 550.0f), 1.2345) << cod;
        EXPECT_EQ(p.beepuri, inainte + 1) << cod;
        EXPECT_FALSE(EsteEcuatieDispersie(cod)) << cod;
    }
    // Code 0 is the constant: c0 at every wavelength, silently.
    p.beepuri = 0;
    for (float lambda : {0.0f, 200.0f, 587.5618f, 20000.0f}) EXPECT_EQ(Evalueaza(0, coef, lambda), 1.2345);
    EXPECT_EQ(p.beepuri, 0);
}

// Codes 1 and 4 refuse n² = 0; codes 6 and 7 accept it and give 0. Either
// way n fails with status 3 while k takes the 0.
TEST_F(Dispersie, SignRulesOfTheSquaredForms) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Caz { std::int16_t cod; std::vector<double> coef; double valoare; };
    const std::vector<Caz> cazuri = {
        {1, {}, 0.0},                        // n² = 0
        {1, {-0.5}, 0.0},                    // n² < 0
        {1, {nan}, 0.0},
        {1, {0.25}, 0.5},
        {4, {-1.0, 0, 0, 0.0, 0, 0}, 0.0},   // 1 - L/L = 0
        {6, {}, 0.0},                        // n² = 0 allowed, root 0
        {6, {-0.01}, 0.0},
        {6, {0.25}, 0.5},
        {7, {}, 0.0},
        {7, {0.0, -1.0, 0.0}, 0.0},          // -L/L
        {7, {0.0, 0.25, 0.0}, 0.5},
    };
    for (const auto& c : cazuri) {
        EXPECT_EQ(Evalueaza(c.cod, c.coef, 1000.0f), c.valoare) << c.cod;
        float n = -1.0f, k = -1.0f;
        const int stareN = IndiceDinEcuatieDispersie(CuEcuatie(0, c.cod, c.coef), 0, 1000.0f, n);
        const int stareK = IndiceDinEcuatieDispersie(CuEcuatie(1, c.cod, c.coef), 1, 1000.0f, k);
        EXPECT_EQ(stareN, c.valoare > 0 ? IndiceValid : IndiceNegativ) << c.cod;
        EXPECT_EQ(n, static_cast<float>(c.valoare)) << c.cod;
        EXPECT_EQ(stareK, IndiceValid) << c.cod;
        EXPECT_EQ(k, static_cast<float>(c.valoare)) << c.cod;
    }
}

TEST_F(Dispersie, NBelowTheSmallestNormalFloatFailsAndNegativeKIsClamped) {
    struct Caz {
        std::vector<double> coef;  // constant (code 0)
        int stareN;
        float n, k;
    };
    const std::vector<Caz> cazuri = {
        {{1.0e-39}, IndiceNegativ, 0.0f, 1.0e-39f},      // denormal as a float: no n, but a k
        {{1.1754944e-38}, IndiceValid, 1.1754944e-38f, 1.1754944e-38f},
        {{-1.5}, IndiceNegativ, 0.0f, 0.0f},
        {{std::numeric_limits<double>::quiet_NaN()}, IndiceNegativ, 0.0f, 0.0f},
        {{1.0e300}, IndiceValid, std::numeric_limits<float>::infinity(), std::numeric_limits<float>::infinity()},
    };
    for (const auto& c : cazuri) {
        float n = -1.0f, k = -1.0f;
        EXPECT_EQ(IndiceDinEcuatieDispersie(CuEcuatie(0, 0, c.coef), 0, 500.0f, n), c.stareN) << c.coef[0];
        EXPECT_EQ(n, c.n) << c.coef[0];
        EXPECT_EQ(IndiceDinEcuatieDispersie(CuEcuatie(1, 0, c.coef), 1, 500.0f, k), IndiceValid) << c.coef[0];
        EXPECT_EQ(k, c.k) << c.coef[0];
    }

    // A k polynomial that turns negative: 0.001 - 0.01·x is 0.0005 at 50 nm
    // and -0.009 at 1000 nm.
    const MaterialOptic m = CuEcuatie(1, 11, {0.001, -0.01});
    float k = -1.0f;
    EXPECT_EQ(IndiceDinEcuatieDispersie(m, 1, 50.0f, k), IndiceValid);
    EXPECT_NEAR(k, 0.0005, 1e-9);
    EXPECT_EQ(IndiceDinEcuatieDispersie(m, 1, 1000.0f, k), IndiceValid);
    EXPECT_EQ(k, 0.0f);
}

// ---- Validity ranges ----

namespace {

MaterialOptic Tabelat(std::initializer_list<std::tuple<int, float, double, double>> sloturi) {
    MaterialOptic m = test::namedRecord("TAB");
    m.ec_dispersie_n = 10;
    m.ec_dispersie_k = 10;
    for (const auto& [slot, lambda, n, k] : sloturi) {
        m.lambda_indici[slot] = lambda;
        m.indice_n[slot] = n;
        m.indice_k[slot] = k;
    }
    return m;
}

std::tuple<std::uint16_t, std::uint16_t, std::uint16_t, std::uint16_t> Domenii(const MaterialOptic& m) {
    return {m.domeniu_n[0], m.domeniu_n[1], m.domeniu_k[0], m.domeniu_k[1]};
}

}  // namespace

TEST(DomeniiSpectrale, TabulatedRangesComeFromTheSlotsThatHaveAValue) {
    struct Caz { const char* ce; MaterialOptic m; int rezultat; std::uint16_t n0, n1, k0, k1; };
    const std::vector<Caz> cazuri = {
        {"only 400 and 700 carry n and k",
         Tabelat({{0, 300.0f, 0.0, 0.0}, {1, 400.0f, 1.5, 0.1}, {2, 0.0f, 1.5, 0.1}, {3, 550.0f, 1.52, 0.0},
                  {4, 700.0f, 1.49, 0.2}, {5, 800.0f, -1.0, -1.0}}),
         1, 400, 700, 400, 700},
        {"fractions are cut toward zero; slots 40 to 49 count",
         Tabelat({{0, 400.9f, 1.5, 0.1}, {45, 700.9f, 1.5, 0.1}}), 1, 400, 700, 400, 700},
        {"wavelengths from 65535 up never make the upper bound",
         Tabelat({{0, 400.0f, 1.5, 0.1}, {1, 65535.0f, 1.5, 0.1}, {2, 70000.0f, 1.5, 0.1}, {3, 600.0f, 1.5, 0.1}}),
         1, 400, 600, 400, 600},
        {"only wavelengths beyond the 16-bit range", Tabelat({{0, 70000.0f, 1.5, 0.1}}), 0, 65535, 0, 0, 0},
        {"no slot with both a wavelength and an n", Tabelat({{0, 400.0f, 0.0, 0.1}, {1, 0.0f, 1.5, 0.1}}), 0, 65535,
         0, 0, 0},
        {"a single slot gives no range", Tabelat({{0, 500.0f, 1.5, 0.1}}), 0, 500, 500, 0, 0},
        {"n from the table, k without any value",
         Tabelat({{0, 400.0f, 1.5, 0.0}, {1, 700.0f, 1.5, 0.0}}), 0, 400, 700, 65535, 0},
    };
    for (auto c : cazuri) {
        EXPECT_EQ(CompleteazaDomeniiSpectrale(c.m), c.rezultat) << c.ce;
        EXPECT_EQ(Domenii(c.m), std::tuple(c.n0, c.n1, c.k0, c.k1)) << c.ce;
    }
}

TEST(DomeniiSpectrale, ConstantGetsTheDefaultAndEquationsKeepTheirStoredRange) {
    struct Caz {
        const char* ce;
        std::int16_t codN, codK;
        std::uint16_t n0, n1, k0, k1;  // stored before
        int rezultat;
        std::uint16_t dupaN0, dupaN1, dupaK0, dupaK1;
    };
    const std::vector<Caz> cazuri = {
        {"both constant", 0, 0, 0, 0, 0, 0, 1, 10, 20000, 10, 20000},
        {"Sellmeier n valid, k constant", 4, 0, 365, 2325, 0, 0, 1, 365, 2325, 10, 20000},
        {"Sellmeier n invalid stops before k", 4, 0, 0, 2325, 0, 0, 0, 0, 2325, 0, 0},
        {"upper equal to lower is invalid", 4, 4, 500, 500, 300, 900, 0, 500, 500, 300, 900},
        {"k equation with a valid range", 4, 12, 365, 2325, 300, 900, 1, 365, 2325, 300, 900},
        {"k equation with an invalid range", 4, 12, 365, 2325, 900, 300, 0, 365, 2325, 900, 300},
        {"unknown codes keep their range", 14, -1, 365, 2325, 300, 900, 1, 365, 2325, 300, 900},
    };
    for (const auto& c : cazuri) {
        MaterialOptic m = test::namedRecord("X");
        m.ec_dispersie_n = c.codN;
        m.ec_dispersie_k = c.codK;
        std::tie(m.domeniu_n[0], m.domeniu_n[1], m.domeniu_k[0], m.domeniu_k[1]) = std::tuple(c.n0, c.n1, c.k0, c.k1);
        EXPECT_EQ(CompleteazaDomeniiSpectrale(m), c.rezultat) << c.ce;
        EXPECT_EQ(Domenii(m), std::tuple(c.dupaN0, c.dupaN1, c.dupaK0, c.dupaK1)) << c.ce;
    }
}
