#include <gtest/gtest.h>

#include "explorare/ComparaSticle.h"
#include "support/RecordImage.h"

using namespace vitramor;

namespace {

MaterialOptic CuTabel(const char* nume, std::vector<std::pair<float, double>> randuri) {
    MaterialOptic m = test::namedRecord(nume);
    int s = 0;
    for (auto [l, n] : randuri) {
        m.lambda_indici[s] = l;
        m.indice_n[s++] = n;
    }
    return m;
}

}  // namespace

TEST(ComparaSticle, UnionRowsAndEmptyCells) {
    MaterialOptic a = CuTabel("A", {{656.27f, 1.514}, {486.13f, 1.522}, {587.56f, 1.5168}});
    MaterialOptic b = CuTabel("B", {{1014.0f, 1.6}, {587.56f, 1.62}, {700.0f, 0.0}});
    // Slot 45 is read for the cells but never brings its wavelength in.
    b.lambda_indici[45] = 486.13f;
    b.indice_n[45] = 1.63;
    a.lambda_indici[45] = 300.0f;
    a.indice_n[45] = 1.7;
    const auto linii = LiniiComparare({&a, &b}, continut::Indici);
    ASSERT_GE(linii.size(), 6u);
    EXPECT_EQ(linii[0], "Lambda [nm]");
    EXPECT_EQ(linii[1], "");
    EXPECT_EQ(linii[2], "486.13\t1.522\t1.63\t");
    EXPECT_EQ(linii[3], "587.56\t1.5168\t1.62\t");
    EXPECT_EQ(linii[4], "656.27\t1.514\t\t");
    EXPECT_EQ(linii[5], "1014\t\t1.6\t");
    EXPECT_EQ(linii[6], "");
    // Without transmittance points the block is its title alone.
    EXPECT_EQ(LiniiComparare({&a, &b}, continut::Transmisie).size(), 2u);
}

TEST(ComparaSticle, UnionKeepsTheThousandSmallest) {
    std::vector<MaterialOptic> m(26, test::namedRecord("X"));
    for (int i = 0; i < 26; ++i)
        for (int s = 0; s < 40; ++s) {
            m[static_cast<std::size_t>(i)].lambda_indici[s] = static_cast<float>(2000 - (i * 40 + s));
            m[static_cast<std::size_t>(i)].indice_n[s] = 1.5;
        }
    std::vector<const MaterialOptic*> p;
    for (const auto& x : m) p.push_back(&x);
    const auto u = ReuniuneLungimiUnda(p);
    ASSERT_EQ(u.size(), 1000u);
    EXPECT_EQ(u.front(), 2000.0f - 1039.0f);
    EXPECT_EQ(u.back(), 2000.0f - 40.0f);  // the first 40 were pushed out by smaller ones
}

