#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "material/ClaseChimice.h"
#include "material/GraficTransmisie.h"
#include "material/ProprietatiMecanice.h"
#include "material/ProprietatiTermice.h"
#include "material/TabelTransmisie.h"
#include "record/ConversiiMaterial.h"
#include "support/RecordImage.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

MaterialOptic cuTransmisie(std::initializer_list<std::pair<int, float>> puncte, float grosime = 10.0f) {
    MaterialOptic m = namedRecord("T", 2);
    m.grosime_transmisie = grosime;
    int s = 0;
    for (const auto& [lambda, alfa] : puncte) {
        m.lambda_Ti[s] = static_cast<std::uint16_t>(lambda);
        m.transmisia_interna[s++] = alfa;
    }
    return m;
}

}  // namespace

// What the user types at one thickness and reads at another, and where the
// graph puts the points of a table that is not in wavelength order.
TEST(Transmisie, TypedAtOneThicknessReadAtAnother) {
    const BazaUnitati u{8, 16};
    const struct {
        const char* caz;
        float grosime, grosimeNoua;
        const char* tastat;
        float alfa;
        const char* aratat;
    } cazuri[] = {
        {"0.5 at 10 mm", 10.0f, 10.0f, "0.5", 0.0693147f, "   0.5000"},
        {"0.25 at 10 mm read at 5 mm", 10.0f, 5.0f, "0.25", 0.138629f, "   0.5000"},
        {"opaque", 10.0f, 10.0f, "0", 37.0f, "   0.0000"},
        {"clear", 10.0f, 2.0f, "1", 0.0f, "   1.0000"},
    };
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.caz);
        MaterialOptic m = cuTransmisie({{400, 0.0f}, {300, 0.0f}, {500, 0.0f}}, c.grosime);
        ASSERT_TRUE(PreiaTransmisie(m, 0, c.tastat));
        EXPECT_NEAR(m.transmisia_interna[0], c.alfa, 1e-6);
        ASSERT_TRUE(PreiaGrosimeTransmisie(m, std::to_string(c.grosimeNoua)));
        EXPECT_EQ(TextTransmisie(TransmisieSlot(m, 0, m.grosime_transmisie)), c.aratat);

        // 400, 300, 500 in slot order: the axis runs from 400 to 500 and the
        // 300 nm point lies left of the plot.
        const std::optional<ScaraLambda> s = ScaraLungimiUnda(m);
        ASSERT_TRUE(s);
        EXPECT_EQ(s->minim, 400.0);
        EXPECT_EQ(s->maxim, 500.0);
        const DesenGrafic d = DeseneazaGraficTransmisie(m, m.grosime_transmisie, *s, 550, 300, u);
        std::vector<int> x;
        for (const auto& bucata : d.curba)
            for (const auto& punct : bucata) x.push_back(punct.first);
        ASSERT_EQ(x.size(), 3u);
        EXPECT_EQ(x[0], d.plot.stanga);
        EXPECT_LT(x[1], d.plot.stanga);
        EXPECT_EQ(d.texte[DiviziuniAxa - 1].text, "400.0");
    }
}

TEST(Transmisie, GraphPointsJoinOnlyOnceOneIsBelowTheTop) {
    const BazaUnitati u{8, 16};
    // Clear points lie on the top edge and only move the pen; so does the
    // first point below it, and the line starts from there.
    const MaterialOptic m = cuTransmisie({{400, 0.0f}, {450, 0.0f}, {500, 0.05f}, {550, 0.0f}});
    const DesenGrafic d = DeseneazaGraficTransmisie(m, 10.0f, *ScaraLungimiUnda(m), 550, 300, u);
    ASSERT_EQ(d.curba.size(), 3u);
    EXPECT_EQ(d.curba[2].size(), 2u);
    EXPECT_EQ(d.curba[0][0].second, d.plot.sus);
    EXPECT_FALSE(ScaraLungimiUnda(cuTransmisie({{400, 0.0f}, {400, 1.0f}})));
}

TEST(Transmisie, KFollowsTheInterpolatedAbsorption) {
    // Slots out of wavelength order; 1/mm. The opaque and the no-value
    // markers are not absorptions: k at 450 nm comes from 400 and 500 nm.
    MaterialOptic m = cuTransmisie({{500, 2.0f}, {400, 1.0f}, {450, AbsorbtieOpac}, {420, AbsorbtieOpacExport}});
    const float lambda[] = {0.0f, 350.0f, 400.0f, 450.0f, 600.0f};
    for (int s = 0; s < 5; ++s) m.lambda_indici[s] = lambda[s];
    m.indice_k[0] = 9.0;
    m.indice_k[39] = 9.0;
    EXPECT_TRUE(AreTabelK(m));
    EXPECT_EQ(CalculeazaKDinTransmisie(m), (std::vector<float>{400.0f, 450.0f}));
    EXPECT_EQ(m.ec_dispersie_k, 10);
    EXPECT_EQ(m.domeniu_k[0], 400);
    EXPECT_EQ(m.domeniu_k[1], 450);
    const double k450 = 1.5e-6 * 450.0 / (4.0 * std::numbers::pi);
    const double asteptat[] = {0.0, 0.0, 1e-6 * 400.0 / (4.0 * std::numbers::pi), k450, 0.0};
    for (int s = 0; s < 5; ++s) EXPECT_NEAR(m.indice_k[s], asteptat[s], 1e-15) << s;
    EXPECT_EQ(m.indice_k[39], 0.0);

    // An evaporation material's first ten wavelength slots are other data:
    // nothing to compute from, and the record stays as it was.
    m.producator = ProducatorEvaporare;
    EXPECT_FALSE(AbsorbtieLaLungimeUnda(m, 450.0));
    EXPECT_TRUE(ListaTransmisie(m, 10.0f).empty());
    const MaterialOptic inainte = m;
    EXPECT_TRUE(CalculeazaKDinTransmisie(m).empty());
    EXPECT_EQ(bytesOf(m), bytesOf(inainte));
}

TEST(ProprietatiEditoare, DerivedValuesAndClassLists) {
    MaterialOptic m = namedRecord("E", ProducatorEvaporare);
    m.stres_suprafata[0] = 0.1f;
    m.stres_suprafata[1] = 0.001f;
    EXPECT_EQ(TextStresSuprafata(m, 100.0f), "0.2");
    EXPECT_EQ(TextStres(m, 100.0f), "2");  // MPa
    EXPECT_EQ(TextStres(m, 0.0f), "0.1");

    // Shown in 10^-7/K; the value shown, typed back, is stored in the scale
    // the record had: catalogue numbers stay catalogue numbers, 1/K stays 1/K.
    const struct {
        float v;
        std::uint16_t producator;
        double aratat;
    } dilatari[] = {{7.1e-6f, 0, 71.0}, {7.1e-6f, 2, 71.0}, {7.1f, 2, 71.0}, {7.1f, 0, 7.1}, {0.0f, 2, 0.0}};
    for (const auto& d : dilatari) {
        EXPECT_NEAR(DilatareAfisata(d.v, d.producator), d.aratat, 1e-4) << d.v << " " << d.producator;
        EXPECT_EQ(DilatareDinAfisata(d.aratat, d.v, d.producator), d.v) << d.v << " " << d.producator;
    }
    // A new value goes in 1/K; one too small for the catalogue scale too.
    EXPECT_EQ(DilatareDinAfisata(71.0, 0.0f, 2), 7.1e-6f);
    EXPECT_EQ(DilatareDinAfisata(0.01, 7.1f, 2), 1e-9f);

    m.incredere[1] = 0.0f;
    m.incredere[3] = 1.5f;
    m.incredere[0] = m.incredere[2] = 0.5f;
    EXPECT_TRUE(AsiguraIncrederi(m));
    EXPECT_EQ(m.incredere[1], 0.7f);
    EXPECT_EQ(m.incredere[3], 0.95f);
    EXPECT_EQ(m.incredere[0], 0.5f);

    // Stored class -> entry shown, entry picked -> class stored (CR FR SR AR PR).
    const struct {
        int lista, stocat, index, ales, pastrat;
    } clase[] = {{2, 52, 6, 4, 5}, {2, 30, 4, 7, 53}, {3, 0, -1, 0, 1}, {4, 3, 2, 3, 4}, {0, 0, -1, 0, 1}, {1, 6, -1, 5, 5}};
    for (const auto& c : clase) {
        EXPECT_EQ(ScalaSchott(c.lista).indexDinValoare(c.stocat), c.index) << c.lista << " " << c.stocat;
        EXPECT_EQ(ScalaSchott(c.lista).valoareDinIndex(c.ales), c.pastrat) << c.lista << " " << c.ales;
    }
    EXPECT_EQ(DialogChimicProducator(4), DialogChimic::Niciunul);
}
