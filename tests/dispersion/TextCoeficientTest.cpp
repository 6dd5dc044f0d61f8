#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dispersion/TextCoeficient.h"

using namespace vitramor;

TEST(TextCoeficient, ReadsCatalogueNumbersAndRefusesEverythingElse) {
    struct Caz { const char* text; bool citit; double valoare; };
    const std::vector<Caz> cazuri = {
        {"1.03961212", true, 1.03961212}, {"6.00069867e-3", true, 0.00600069867},
        {"6.00069867E-03", true, 0.00600069867}, {"-2.5", true, -2.5}, {"+4", true, 4.0}, {".5", true, 0.5},
        {"  103.560653\t", true, 103.560653},
        {"", true, 0.0},  // a cleared cell
        {"   ", true, 0.0},
        {"1,5", true, 1.5},  // decimal comma
        {"1.2.3", false, 0}, {"abc", false, 0}, {"1e", false, 0}, {"1 2", false, 0}, {"+-1", false, 0},
        {"++1", false, 0}, {"0x10", false, 0}, {"inf", false, 0}, {"nan", false, 0}, {"1e400", false, 0},
    };
    for (const auto& c : cazuri) {
        double v = 99.0;
        EXPECT_EQ(CitesteCoeficient(c.text, v), c.citit) << '"' << c.text << '"';
        EXPECT_EQ(v, c.citit ? c.valoare : 99.0) << '"' << c.text << '"';
    }
}

TEST(TextCoeficient, ShownTextReadsBackToTheSameNumber) {
    const std::vector<std::pair<double, std::string>> cazuri = {
        {1.03961212, "1.03961212"}, {0.00600069867, "0.00600069867"}, {103.560653, "103.560653"},
        {0.0, "0"},                 {-7.6472538e-6, "-7.6472538e-06"},
    };
    for (const auto& [v, text] : cazuri) {
        EXPECT_EQ(TextCoeficient(v), text);
        double inapoi = 0;
        ASSERT_TRUE(CitesteCoeficient(TextCoeficient(v), inapoi));
        EXPECT_EQ(inapoi, v);
    }
}
