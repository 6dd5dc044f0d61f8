// Random damage to AGF and refractiveindex.info files: whatever the bytes,
// the readers neither crash nor produce records the rest of the system
// cannot use. Run under AddressSanitizer and UBSan like the whole suite.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>

#include "import/AgfTestData.h"
#include "import/ImportAgf.h"
#include "import/ImportRii.h"

using namespace vitramor;

namespace {

constexpr int IntrariMaxim = 400;
constexpr auto TimpMaxim = std::chrono::seconds(3);

const char* const Fragmente[] = {"\n", "\r\n", " ", "NM ", "CD ", "IT ", "LD ", "nan", "inf", "-1e308", "1e-320",
                                 "0", "2.00000E+00", "13", "\xFF\xFE", ":", "- ", "|", "\"", "  - type: formula 3\n"};

std::string Mutatie(std::string t, std::mt19937& g) {
    auto u = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
    for (int n = u(1, 6); n > 0; --n) {
        const auto p = static_cast<std::size_t>(u(0, static_cast<int>(t.size())));
        switch (u(0, 3)) {
            case 0:
                if (!t.empty()) t[p % t.size()] = static_cast<char>(u(0, 255));
                break;
            case 1: t.insert(p, Fragmente[u(0, static_cast<int>(std::size(Fragmente)) - 1)]); break;
            case 2: t.erase(p, static_cast<std::size_t>(u(1, 60))); break;
            default: t.insert(p, t.substr(p, static_cast<std::size_t>(u(1, 400)))); break;
        }
    }
    return t;
}

void VerificaRecord(const MaterialOptic& m) {
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        ASSERT_TRUE(std::isfinite(m.lambda_indici[i]) && std::isfinite(m.indice_n[i]) && std::isfinite(m.indice_k[i]));
        ASSERT_TRUE(std::isfinite(m.transmisia_interna[i]) && m.transmisia_interna[i] >= 0);
    }
    for (double c : m.coef_disp_n) ASSERT_TRUE(std::isfinite(c));
    ASSERT_TRUE(std::isfinite(m.grosime_transmisie) && m.grosime_transmisie >= 0);
}

template <typename F>
int Ruleaza(const std::string& original, unsigned samanta, F verifica) {
    std::mt19937 g(samanta);
    const auto sfarsit = std::chrono::steady_clock::now() + TimpMaxim;
    int i = 0;
    for (; i < IntrariMaxim && std::chrono::steady_clock::now() < sfarsit && !::testing::Test::HasFailure(); ++i)
        verifica(Mutatie(original, g));
    if (::testing::Test::HasFailure()) ADD_FAILURE() << "input " << i << " of seed " << samanta;
    return i;
}

TEST(ImportAgfFuzz, DamagedCataloguesGiveUsableRecordsOrErrors) {
    using namespace vitramor::test;
    // One glass that needs the fit: fitting is the slow part under the sanitizers.
    const std::string original = std::string(NBK7Agf) + F2Agf + SiliciuAgf;
    const int n = Ruleaza(original, 1301, [](const std::string& text) {
        std::vector<std::string> mesaje;
        MaterialOptic m;
        for (const SticlaAgf& s : CitesteCatalogAgf(text).sticle) {
            if (!s.importabila()) continue;
            ConvertesteSticlaAgf(s, 2, m, mesaje);
            VerificaRecord(m);
        }
    });
    EXPECT_GT(n, 20);
}

TEST(ImportRiiFuzz, DamagedFilesGiveUsableRecordsOrErrors) {
    const std::string original =
        "REFERENCES: x\nDATA:\n  - type: formula 2\n    wavelength_range: 0.21 6.7\n"
        "    coefficients: 0 0.69 0.0046 0.40 0.0135 0.89 97.9\n  - type: tabulated k\n    data: |\n"
        "        0.3 0.1\n        0.5 0.01\n        0.9 0.001\n";
    const int n = Ruleaza(original, 1302, [](const std::string& text) {
        const MaterialRii r = CitesteMaterialRii(text, "X", 10);
        if (r.ok) {
            VerificaRecord(r.m);
        } else {
            ASSERT_FALSE(r.eroare.empty());
        }
    });
    EXPECT_GT(n, 20);
}

}  // namespace
