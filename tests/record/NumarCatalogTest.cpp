// The one number rule every reader of outside text shares.

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <optional>

#include "record/NumarCatalog.h"

using namespace vitramor;

namespace {

TEST(NumarCatalog, OneRuleForSignsCommasAndWhatIsNotANumber) {
    struct Caz {
        const char* text;
        std::size_t lungime;  // of the number at the start; 0 none
        double valoare;
        bool intreg;  // the whole text is the number
    };
    const Caz cazuri[] = {
        {"1.5168", 6, 1.5168, true},
        {"+1.5", 4, 1.5, true},
        {"-2.5e-3", 7, -2.5e-3, true},
        {"1,5168", 6, 1.5168, true},      // a decimal comma
        {"1,", 1, 1.0, false},            // a comma before no digit separates
        {"1.2,5", 3, 1.2, false},         // one decimal sign only
        {"2e", 1, 2.0, false},            // an exponent without digits is text after
        {"5 mm", 1, 5.0, false},
        {" 7 ", 0, 0.0, true},            // blanks around a whole number only
        {"+-1", 0, 0.0, false},
        {"inf", 0, 0.0, false},
        {"nan", 0, 0.0, false},
        {"", 0, 0.0, false},
    };
    for (const Caz& c : cazuri) {
        double v = -99.0;
        const CitireNumar r = CitesteNumarCatalog(c.text, v);
        EXPECT_EQ(r.lungime, c.lungime) << c.text;
        if (r.lungime) {
            EXPECT_EQ(v, c.valoare) << c.text;
        }
        double w = -99.0;
        EXPECT_EQ(NumarCatalog(c.text, w), c.intreg) << c.text;
        if (!c.intreg) {
            EXPECT_EQ(w, -99.0) << c.text;
        }
    }
}

TEST(NumarCatalog, OverflowIsSaidAndTheLocaleNeverChangesTheReading) {
    double v = 1.0;
    const CitireNumar r = CitesteNumarCatalog("1e999 rest", v);
    EXPECT_EQ(r.lungime, 5u);
    EXPECT_TRUE(r.depasire);
    EXPECT_FALSE(NumarCatalog("1e999", v));
    // A comma locale must not turn "1.5" into 1.
    const char* anterior = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_TRUE(NumarCatalog("1.5", v));
    EXPECT_EQ(v, 1.5);
    if (anterior) std::setlocale(LC_NUMERIC, "C");
}

TEST(NumarCatalog, WholeNumbersRefuseFractionsTrailingTextAndWhatFallsOutsideTheRange) {
    struct Caz {
        const char* text;
        long long minim, maxim;
        std::optional<long long> valoare;
    };
    const Caz cazuri[] = {
        {" 42\t", 0, 100, 42},    {"+7", 0, 100, 7},         {"-3", -5, 5, -3},
        {"1.0", 0, 100, {}},       {"12 mm", 0, 100, {}},     {"", 0, 100, {}},
        {"+-1", -5, 5, {}},        {"65536", 1, 65535, {}},   {"0", 1, 65535, {}},
        {"99999999999999999999", LLONG_MIN, LLONG_MAX, {}},
    };
    for (const Caz& c : cazuri) EXPECT_EQ(NumarIntreg(c.text, c.minim, c.maxim), c.valoare) << c.text;
}

}  // namespace
