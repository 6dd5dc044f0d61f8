// What catalogue headers say in the makers' own spellings: units and the
// factor to the record's unit, wavelengths, thicknesses.

#include <gtest/gtest.h>

#include "import/tabele/AntetColoane.h"

using namespace vitramor;

namespace {

TEST(AntetColoane, UnitsInTheMakersSpellingsProposeTheFactor) {
    const struct {
        int intrare;
        const char* antet;
        int producator;
        double factor;  // 0: no unit of this field named
    } cazuri[] = {
        {15, "\u03b1(-30~+70\u2103) \u00d710\u207b\u2077/\u2103", 2, 0.1},  // 10^-7/K into 10^-6/K
        {15, "alpha [10^-7/K]", 0, 1},                                // producers 0, 1 keep 10^-7/K
        {15, "CTE (10-6 K-1)", 6, 1},
        {15, "CTE ppm/K", 0, 10},
        {17, "Cp J/(g\u00b7K)", 2, 1000},
        {17, "c [J/(kg*K)]", 2, 1},
        {17, "kJ/(kg\u00b7K)", 2, 1000},
        {10, "Young's Modulus E (10\u2078N/m\u00b2)", 6, 0.1},
        {10, "E [GPa]", 2, 1},
        {10, "E (10\u00b3 N/mm\u00b2)", 2, 1},
        {10, "E N/mm2", 2, 0.001},
        {7, "\u6bd4\u91cd g/cm\u00b3", 6, 1},
        {7, "\u03c1 (kg/m\u00b3)", 6, 0.001},
        {14, "\u03bb W/(m\u00b7K)", 6, 1},
        {17, "\u00d710\u207b\u2077/\u2103", 2, 0},  // another field's unit
        {10, "n2325.4", 2, 0},
    };
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.antet);
        const auto u = UnitateDinAntet(c.intrare, c.antet, c.producator);
        ASSERT_EQ(u.has_value(), c.factor != 0);
        EXPECT_EQ(u.value_or(UnitateAntet{}).factor, u ? c.factor : 1);
    }
}

TEST(AntetColoane, WavelengthsAndThicknessesFromNames) {
    const struct {
        const char* nume;
        float indice;
        int transmisie;
    } cazuri[] = {
        {"n2325.4", 2325.4f, 2325},  {" nd", 587.5618f, 0},   {"nF'", 479.9914f, 0},   {"n 1013.98#2", 1013.98f, 1014},
        {"n1.01398\u00b5m", 1013.98f, 1014}, {"TAUI10/2500", 0, 2500}, {"280", 280, 280}, {"T 400 nm", 0, 400},
        {"Ti1", 0, 0},               {"vd", 0, 0},
    };
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.nume);
        EXPECT_FLOAT_EQ(LungimeUndaIndice(c.nume), c.indice);
        EXPECT_EQ(CitesteNumeTransmisie(c.nume).lambda, c.transmisie);
    }
    EXPECT_EQ(CitesteNumeTransmisie("TAUI25/400").grosime, "25");
    EXPECT_EQ(GrosimiDinText("\u03c4\uff0f10mm Thick"), (std::vector<float>{10}));
    EXPECT_EQ(GrosimiDinText("d = 2.5 mm; 10 mm"), (std::vector<float>{2.5f, 10}));
    EXPECT_TRUE(GrosimiDinText("E (10\u00b3 N/mm\u00b2), 5 mm2").empty());
}

}  // namespace
