// Random damage to small text catalogues of every code: whatever the lines
// hold, listing and parsing neither crash nor leave values in the record that
// the rest of the system cannot use (run under ASan and UBSan).
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <random>
#include <sstream>

#include "import/CatalogText.h"
#include "messages/ListaMesaje.h"

using namespace vitramor;

namespace {

constexpr unsigned Samanta = 5404;
constexpr int IntrariMaxim = 3000;
constexpr auto TimpMaxim = std::chrono::seconds(2);

const char* const Fragmente[] = {"\t", ",", "\r", "\n", "", "0", "1e308", "-1e39", "99999999999", "65536", "-1",
                                 "nan", "inf", " ", "\xFF", "1,5", "0.5", "1e-45", "-0"};

std::string Linie(std::mt19937& g, char sep) {
    std::string s;
    const int coloane = std::uniform_int_distribution<int>(0, 200)(g);
    for (int i = 0; i < coloane; ++i) {
        if (i) s += sep;
        s += Fragmente[std::uniform_int_distribution<std::size_t>(0, std::size(Fragmente) - 1)(g)];
        if (g() % 50 == 0) s += std::string(g() % 5000, 'a');
    }
    return s;
}

void Verifica(const MaterialOptic& m) {
    ASSERT_NE(std::memchr(m.nume, '\0', CaractereNumeCatalogText + 1), nullptr);
    ASSERT_NE(std::memchr(m.cod, '\0', sizeof m.cod), nullptr);
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        ASSERT_TRUE(std::isfinite(m.indice_n[i]) && std::isfinite(m.lambda_indici[i]));
        ASSERT_TRUE(std::isfinite(m.transmisia_interna[i]));
    }
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(std::isfinite(m.coef_disp_n[i]));
    ASSERT_TRUE(std::isfinite(m.densitate) && std::isfinite(m.grosime_transmisie));
}

TEST(CatalogTextFuzz, DamagedLinesNeverCrashTheParsers) {
    InstaleazaDestinatieMesaje([](const std::string&, int) { return 1; });
    std::mt19937 g(Samanta);
    const auto sfarsit = std::chrono::steady_clock::now() + TimpMaxim;
    int intrari = 0;
    for (; intrari < IntrariMaxim && std::chrono::steady_clock::now() < sfarsit; ++intrari) {
        const int cod = 1 + intrari % 5;
        const char sep = cod == 2 ? ',' : '\t';
        const std::string a = Linie(g, sep), b = Linie(g, sep);
        MaterialOptic m;
        ParseazaLinieCatalogText(cod, a, b, m);
        Verifica(m);
        std::istringstream in(a + "\n" + b + "\n" + a + "\n" + b);
        for (const IntrareCatalogText& e : ListeazaCatalogText(cod, in, "fuzz.txt")) ASSERT_TRUE(std::isfinite(e.nd));
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "input " << intrari << " of seed " << Samanta;
            break;
        }
    }
    InstaleazaDestinatieMesaje({});
    EXPECT_GT(intrari, 50);
}

}  // namespace
