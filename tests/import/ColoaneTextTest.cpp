// The two column tokenizers and the number rules of the text catalogues.
#include <gtest/gtest.h>

#include <charconv>

#include "import/text/ColoaneText.h"

using namespace vitramor;

namespace {

struct CazColoane {
    std::string linie;
    char separator;
    std::vector<std::string> coloane;  // then every further column is empty
};

TEST(ColoaneText, SplitsAsTheCataloguesWereRead) {
    const CazColoane cazuri[] = {
        {"a\tb\tc", '\t', {"a", "b", "c"}},
        {"  N-BK7\t  1,5168\t2,5,1\r", '\t', {"N-BK7", "1.5168", "2.5,1"}},  // blanks, decimal comma, CR
        {"E-FD1,1,71736", ',', {"E-FD1", "1", "71736"}},  // a decimal comma splits the value
        {"x\t", '\t', {"x"}},
        {"\t\ty", '\t', {"", "", "y"}},
        {"a b \tc", '\t', {"a b ", "c"}},  // trailing blanks stay
        {std::string(300, 'w') + "\tz", '\t', {std::string(CaractereColoanaText, 'w'), "z"}},
        {"", '\t', {}},
    };
    for (const CazColoane& c : cazuri) {
        const ColoaneText t(c.linie, c.separator);
        const int n = static_cast<int>(c.coloane.size());
        for (int i = 0; i < n; ++i) EXPECT_EQ(t.coloana(i + 1), c.coloane[static_cast<std::size_t>(i)]) << c.linie;
        EXPECT_EQ(t.coloana(n + 1), "") << c.linie;
        EXPECT_EQ(t.coloana(0), "");
    }
}

struct CazNumar {
    const char* text;
    float real;
    long intreg;
    std::uint16_t cuvant;
};

TEST(ColoaneText, NumbersReadThePlainWayInSinglePrecision) {
    const CazNumar cazuri[] = {
        {"1.5168", 1.5168f, 1, 1},
        {"  -2.5e2x", -250.0f, -2, 0},
        {"52.3", 52.3f, 52, 52},
        {"1,5", 1.5f, 1, 1},  // a decimal comma
        {".5", 0.5f, 0, 0},
        {"+7", 7.0f, 7, 7},
        {"1e39", 0.0f, 1, 1},  // beyond single precision
        {"1e-50", 0.0f, 1, 1},
        {"65536", 65536.0f, 65536, 0},
        {"99999999999", 99999999999.0f, 0, 0},
        {"inf", 0.0f, 0, 0},
        {"nan", 0.0f, 0, 0},
        {"0x10", 0.0f, 0, 0},
        {"abc", 0.0f, 0, 0},
        {"", 0.0f, 0, 0},
    };
    for (const CazNumar& c : cazuri) {
        EXPECT_EQ(RealText(c.text), c.real) << c.text;
        EXPECT_EQ(IntregText(c.text), c.intreg) << c.text;
        EXPECT_EQ(CuvantText(c.text), c.cuvant) << c.text;
    }
}

}  // namespace
