// Fits to the record's equation codes: each code takes back a curve of its
// own form to the float rounding of n. What the stored equation really gives
// is checked with the AGF import, the fits' first user.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "dispersion/PotrivireEcuatie.h"

using namespace vitramor;

namespace {

struct Curba {
    std::int16_t cod;
    std::vector<double> coef;
    double de, pana;  // nm
};

// 100 points of the curve, n as the record's evaluator gives it.
void Puncte(const Curba& c, std::vector<double>& lambda, std::vector<double>& n) {
    MaterialOptic m{};
    m.ec_dispersie_n = c.cod;
    std::copy(c.coef.begin(), c.coef.end(), m.coef_disp_n);
    for (int i = 0; i < 100; ++i) {
        lambda.push_back(c.de + (c.pana - c.de) * i / 99);
        float v = 0;
        IndiceDinEcuatieDispersie(m, 0, static_cast<float>(lambda.back()), v);
        n.push_back(v);
    }
}

TEST(PotrivireEcuatie, EachCodeTakesBackACurveOfItsOwnForm) {
    const Curba curbe[] = {
        {1, {2.2718929, -1.0108077e-2, 1.0592509e-2, 2.0816965e-4, -7.6472538e-6, 4.9240991e-7}, 310, 2330},
        {3, {1.5, 5000, 1e8}, 400, 1000},
        {4, {1.03961212, 0.231792344, 1.01046945, 0.00600069867, 0.0200179144, 103.560653}, 300, 2500},
        {6, {1.5, 0.76, 0.014, 1.0, 100}, 350, 2000},
        {7, {1.5, 0.76, 0.014}, 365, 1014},
        // A full degree: the columns of x⁰ to x¹¹ over 2 - 14 µm span
        // eleven orders of magnitude.
        {11,
         {2.74456, -0.343038, 0.224783, -0.0900312, 0.0239707, -0.00441208, 0.000570099, -5.15984e-05, 3.20317e-06,
          -1.29897e-07, 3.0984e-09, -3.29564e-11},
         2000, 14000},
    };
    for (const Curba& c : curbe) {
        SCOPED_TRACE(c.cod);
        std::vector<double> lambda, n;
        Puncte(c, lambda, n);
        // A point without an index is left out, not fitted.
        lambda.push_back(500), n.push_back(std::numeric_limits<double>::quiet_NaN());
        const PotrivireEcuatie p = PotrivesteEcuatie(lambda, n, c.cod);
        ASSERT_TRUE(p.ok);
        EXPECT_EQ(p.cod, c.cod);
        EXPECT_LT(p.abatereMaxima, 3e-7);
        EXPECT_LE(CeaMaiBunaPotrivire(lambda, n).abatereMaxima, p.abatereMaxima);
    }
}

TEST(PotrivireEcuatie, RefusesWhatItCannotFit) {
    std::vector<double> lambda, n;
    Puncte({1, {2.27, -0.01, 0.0106}, 400, 800}, lambda, n);
    EXPECT_FALSE(PotrivesteEcuatie(lambda, n, 12).ok);  // not an equation for n
    EXPECT_FALSE(PotrivesteEcuatie(lambda, n, 10).ok);
    lambda.resize(4), n.resize(4);
    for (std::int16_t cod : {1, 4, 6, 11})  // fewer points than coefficients
        EXPECT_FALSE(PotrivesteEcuatie(lambda, n, static_cast<std::int16_t>(cod)).ok) << cod;
    EXPECT_TRUE(CeaMaiBunaPotrivire(lambda, n).ok);  // codes 3 and 7 have three
}

}  // namespace
