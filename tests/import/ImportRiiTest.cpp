// refractiveindex.info files: formulas that are the record's own equations
// stay equations, everything else becomes a table of at most 40 points
// chosen where the curves need them.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <sstream>

#include "dispersion/EcuatieDispersie.h"
#include "import/rii/ImportRii.h"
#include "record/TextFormatat.h"

using namespace vitramor;

namespace {

// Malitson's fused silica, in the file's formula 1 and 2 spellings.
const char* const Silice1 =
    "REFERENCES: \"I. H. Malitson. <a href=\\\"x\\\">J. Opt. Soc. Am.</a> 55, 1205 (1965)\"\n"
    "COMMENTS: \"Fused silica, 20 &deg;C\"\n"
    "DATA:\n  - type: formula 1\n    wavelength_range: 0.21 6.7\n"
    "    coefficients: 0 0.6961663 0.0684043 0.4079426 0.1162414 0.8974794 9.896161\n";

std::string Tabel(int puncte) {
    std::string t = "DATA:\n  - type: tabulated nk\n    data: |\n";
    for (int i = 0; i < puncte; ++i) {
        const double l = 0.2 + 1.8 * i / (puncte - 1);
        t += "        " + std::to_string(l) + " " + std::to_string(2.0 + 0.02 / l) + " " +
             std::to_string(l < 0.4 ? 0.5 * (0.4 - l) : 0.0) + "\n";
    }
    return t;
}

TEST(ImportRii, FormulasAndTablesBecomeEquationsOrTables) {
    struct Caz {
        std::string yaml;
        std::int16_t codN, codK;
        double nd;  // n at the d line, 0 for no check
        std::uint16_t domeniu[2];
    };
    const Caz cazuri[] = {
        {Silice1, 4, 0, 1.458464, {210, 6700}},
        {"DATA:\n  - type: formula 2\n    wavelength_range: 0.21 6.7\n    coefficients: 0 0.6961663 "
         "0.00467914826 0.4079426 0.0135120631 0.8974794 97.9340025\n",
         4, 0, 1.458464, {210, 6700}},
        // BK7's power series in formula 3 spelling: code 1.
        {"DATA:\n  - type: formula 3\n    wavelength_range: 0.31 2.33\n    coefficients: 2.2718929 -1.0108077e-2 2 "
         "1.0592509e-2 -2 2.0816965e-4 -4 -7.6472538e-6 -6 4.9240991e-7 -8\n",
         1, 0, 1.5168, {310, 2330}},
        // A constant term: no equation of the record, a table.
        {"DATA:\n  - type: formula 2\n    wavelength_range: 0.4 1.0\n    coefficients: 0.2 0.6961663 0.00467914826\n",
         EcuatieTabelata, 0, 0, {400, 1000}},
        {Tabel(10000), EcuatieTabelata, EcuatieTabelata, 0, {200, 2000}},
        {"DATA:\n  - type: tabulated k\n    data: |\n        0.3 0.1\n        0.5 0.01\n", 0, EcuatieTabelata, 0,
         {300, 500}},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.yaml.substr(0, 80));
        const MaterialRii r = CitesteMaterialRii(c.yaml, "SiO2", ProducatorImplicitRii);
        ASSERT_TRUE(r.ok) << r.eroare;
        EXPECT_STREQ(r.m.nume, "SiO2");
        EXPECT_EQ(r.m.producator, 10);
        EXPECT_EQ(r.m.ec_dispersie_n, c.codN);
        EXPECT_EQ(r.m.ec_dispersie_k, c.codK);
        EXPECT_EQ(r.m.domeniu_n[0], c.domeniu[0]);
        EXPECT_EQ(r.m.domeniu_n[1], c.domeniu[1]);
        float n = 0;
        if (c.nd > 0) {
            IndiceDinEcuatieDispersie(r.m, 0, LambdaLiniaD, n);
            EXPECT_NEAR(n, c.nd, 1e-5);
        }
        for (int i = NumarSloturiEditabile; i < NumarSloturiTabel; ++i) EXPECT_EQ(r.m.lambda_indici[i], 0.0f);
    }
}

// A Ta2O5-like film from 0.5 to 1000 µm, 500 points: a Sellmeier band gap,
// then four phonon bands, one of them sharp, where n and k swing.
std::string Ta2O5() {
    std::string t = "DATA:\n  - type: tabulated nk\n    data: |\n";
    for (int i = 0; i < 500; ++i) {
        const double l = 0.5 * std::pow(2000.0, i / 499.0), w = 1e4 / l;
        std::complex<double> e = 1.0 + 3.2 * l * l / (l * l - 0.03);
        for (const auto& [w0, s, g] : {std::array{250.0, 3.0, 60.0}, {500.0, 1.5, 80.0}, {650.0, 0.8, 100.0},
                                       {880.0, 0.3, 25.0}})
            e += s * w0 * w0 / std::complex<double>(w0 * w0 - w * w, -g * w);
        const std::complex<double> nk = std::sqrt(e);
        t += TextFormatat("        %.6g %.6f %.6f\n", l, nk.real(), nk.imag());
    }
    return t;
}

// Linear interpolation through the stored slots against every point of a
// file of "λ n k" lines: the largest miss in n and in k.
std::pair<double, double> Abateri(const MaterialOptic& m, const std::string& yaml) {
    std::istringstream in(yaml.substr(yaml.find("|\n") + 2));
    double l = 0, n = 0, k = 0, an = 0, ak = 0;
    while (in >> l >> n >> k) {
        const double nm = l * 1000;
        int j = 1;
        while (j < NumarSloturiEditabile - 1 && m.lambda_indici[j] > 0 && m.lambda_indici[j] < nm) ++j;
        const double a = m.lambda_indici[j - 1], b = m.lambda_indici[j], t = (nm - a) / (b - a);
        if (nm < a || nm > b) continue;  // outside the range kept
        an = std::max(an, std::fabs(m.indice_n[j - 1] + t * (m.indice_n[j] - m.indice_n[j - 1]) - n));
        ak = std::max(ak, std::fabs(m.indice_k[j - 1] + t * (m.indice_k[j] - m.indice_k[j - 1]) - k));
    }
    return {an, ak};
}

TEST(ImportRii, ATableKeepsItsShapeIn40SlotsAndTheImportSaysHowClosely) {
    const std::string yaml = Ta2O5();
    const MaterialRii r = CitesteMaterialRii(yaml, "TA2O5", 10);
    ASSERT_TRUE(r.ok) << r.eroare;
    EXPECT_FLOAT_EQ(r.m.lambda_indici[0], 500.0f);
    EXPECT_FLOAT_EQ(r.m.lambda_indici[39], 1e6f);
    EXPECT_EQ(r.m.domeniu_n[1], 65535);
    // Inserting the worst point one at a time misses n by 0.11 here.
    const auto [n, k] = Abateri(r.m, yaml);
    EXPECT_LT(n, 0.07);
    EXPECT_LT(k, 0.05);
    EXPECT_NEAR(r.abatereN, n, 1e-6);
    EXPECT_NEAR(r.abatereK, k, 1e-6);
    EXPECT_EQ(r.textAbatere.rfind("tabelul salvat (40 puncte) se abate de la fisier cu cel mult ", 0), 0u);

    // A range keeps the file's points inside it; the table follows them closer.
    const MaterialRii d = CitesteMaterialRii(yaml, "TA2O5", 10, {5000, 50000});
    ASSERT_TRUE(d.ok) << d.eroare;
    EXPECT_GE(d.m.domeniu_n[0], 5000);
    EXPECT_LE(d.m.domeniu_n[1], 50000);
    EXPECT_LT(d.abatereN, n);
    EXPECT_FALSE(CitesteMaterialRii(yaml, "TA2O5", 10, {100, 400}).ok);  // no data there

    // Ten thousand points of a smooth curve: nothing visible is lost.
    const MaterialRii z = CitesteMaterialRii(Tabel(10000), "T", 10);
    ASSERT_TRUE(z.ok);
    EXPECT_LT(z.abatereN, 2e-4);
    ASSERT_EQ(z.mesaje.size(), 1u);
    EXPECT_EQ(z.mesaje[0], "datele au 10000 puncte; s-au pastrat cele 40 care urmeaza cel mai bine curbele");
}

TEST(ImportRii, ReferencesComeWithoutTags) {
    const MaterialRii r = CitesteMaterialRii(Silice1, "SiO2", 10);
    ASSERT_EQ(r.referinte.size(), 2u);
    EXPECT_EQ(r.referinte[0], "REFERENCES: I. H. Malitson. J. Opt. Soc. Am. 55, 1205 (1965)");
    // Entities are decoded once each, in time that grows with their number.
    std::string multe;
    for (int i = 0; i < 100000; ++i) multe += "&amp;lt;";
    std::string fisier = Silice1;
    fisier.replace(fisier.find("Fused"), 5, multe);
    const MaterialRii m = CitesteMaterialRii(fisier, "SiO2", 10);
    ASSERT_EQ(m.referinte.size(), 2u);
    EXPECT_EQ(m.referinte[1].substr(0, 16), "COMMENTS: &lt;&l");
    EXPECT_EQ(m.referinte[1].size(), r.referinte[1].size() - 5 + 400000);
}

TEST(ImportRii, BadFilesAreRefusedWithTheirReason) {
    const std::pair<const char*, const char*> cazuri[] = {
        {"REFERENCES: x\n", "fisierul nu are DATA"},
        {"just text", "fisierul nu are DATA"},
        {"DATA: [\n", "fisierul nu este YAML valid"},
        {"DATA:\n  - type: tabulated n\n    data: |\n        0.5 1.5\n        0.6 nan\n", "\"nan\" nu este un numar"},
        {"DATA:\n  - type: tabulated nk\n    data: |\n        0.5 1.5\n", "are 2 valori, trebuie 3"},
        {"DATA:\n  - type: formula 12\n    wavelength_range: 0.4 1\n    coefficients: 1\n", "nu este o formula"},
        {"DATA:\n  - type: formula 1\n    wavelength_range: 1 0.4\n    coefficients: 1\n", "wavelength_range"},
        {"DATA:\n  - type: tabulated n\n    data: |\n        -0.5 1.5\n", "nu este pozitiva"},
    };
    for (const auto& [yaml, mesaj] : cazuri) {
        const MaterialRii r = CitesteMaterialRii(yaml, "X", 10);
        EXPECT_FALSE(r.ok) << yaml;
        EXPECT_NE(r.eroare.find(mesaj), std::string::npos) << yaml << " -> " << r.eroare;
    }
}

}  // namespace
