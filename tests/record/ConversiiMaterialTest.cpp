// Conversions, roles, default LIDT wavelengths and code texts.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "record/ConversiiMaterial.h"
#include "record/LidtImplicit.h"
#include "record/Roluri.h"
#include "record/TexteMaterial.h"
#include "support/RecordImage.h"

using namespace vitramor;
using vitramor::test::bytesOf;
using vitramor::test::RecordImage;

namespace {
constexpr double Ln2 = 0.69314718055994530942;  // published constant, not computed here
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TEST(TransmisieInterna, EnteredTransmittanceToStoredCoefficient) {
    struct Caz { double tau; float grosime; std::optional<float> asteptat; };
    const Caz cazuri[] = {
        {0.0, 10.0f, 37.0f},                               // opaque sentinel
        {1.0, 10.0f, 0.0f},                                // clear
        {0.5, 10.0f, static_cast<float>(Ln2 / 10.0)},     // 0.0693147 per mm
        {0.0, 0.0f, 37.0f},                                // both ends need no division
        {1.0, 0.0f, 0.0f},
        {-0.0001, 10.0f, std::nullopt},                    // outside 0..1: message 38
        {1.0001, 10.0f, std::nullopt},
        {NaN, 10.0f, std::nullopt},
        {0.5, 0.0f, std::nullopt},                         // would store an infinity
        {0.5, -1.0f, std::nullopt},
    };
    for (const auto& c : cazuri) {
        const auto alfa = AbsorbtieDinTransmisieInterna(c.tau, c.grosime);
        ASSERT_EQ(alfa.has_value(), c.asteptat.has_value()) << c.tau << " d=" << c.grosime;
        if (alfa) {
            EXPECT_EQ(*alfa, *c.asteptat) << c.tau << " d=" << c.grosime;
        }
    }
}

TEST(TransmisieInterna, StoredCoefficientBackToTransmittance) {
    struct Caz { float alfa; float grosime; double asteptat; };
    const Caz cazuri[] = {
        {0.0f, 10.0f, 1.0},
        {static_cast<float>(Ln2 / 10.0), 10.0f, 0.5},
        {37.0f, 10.0f, 0.0},                 // opaque: not below 308/d = 30.8
        {37.0f, 1.0f, std::exp(-37.0)},      // at 1 mm the sentinel is a real coefficient
        {-0.1f, 10.0f, 0.0},                 // negative coefficient
        {30.7f, 10.0f, 0.0},                 // below 308/d, but -α·d is just under -307
        {30.69f, 10.0f, std::exp(-306.9)},
        {5.0f, 0.0f, 1.0},                   // zero thickness absorbs nothing
        {5.0f, -1.0f, 0.0},
        {std::numeric_limits<float>::infinity(), 10.0f, 0.0},
        {std::numeric_limits<float>::quiet_NaN(), 10.0f, 0.0},
    };
    for (const auto& c : cazuri) {
        const double t = TransmisieInternaDinAbsorbtie(c.alfa, c.grosime);
        if (c.asteptat == 0.0) {
            EXPECT_EQ(t, 0.0) << c.alfa << " d=" << c.grosime;
        } else {
            EXPECT_NEAR(t / c.asteptat, 1.0, 1e-5) << c.alfa << " d=" << c.grosime;
        }
    }
}

TEST(TransmisieInterna, ExportCoefficient) {
    EXPECT_EQ(CoeficientAbsorbtieDinTransmisie(0.0f, 10.0f), 38.0f);   // not the editor's 37
    EXPECT_EQ(CoeficientAbsorbtieDinTransmisie(-0.2f, 10.0f), 38.0f);
    EXPECT_EQ(CoeficientAbsorbtieDinTransmisie(1.0f, 10.0f), 0.0f);
    // ln 2 is rounded to single precision before the single-precision division.
    EXPECT_EQ(CoeficientAbsorbtieDinTransmisie(0.5f, 10.0f), static_cast<float>(Ln2) / 10.0f);
}

TEST(Dilatare, CatalogueScaleToPerKelvin) {
    struct Caz { float valoare; std::uint16_t producator; double asteptat; };
    const Caz cazuri[] = {
        {71.0f, 0, 7.1e-6},   // older catalogues: units of 1e-7/K
        {71.0f, 1, 7.1e-6},
        {7.1f, 2, 7.1e-6},    // units of 1e-6/K
        {7.1e-6f, 0, 7.1e-6}, // already in 1/K whatever the producer
        {0.004f, 2, 0.004},
        {0.0f, 2, 0.0},
    };
    for (const auto& c : cazuri)
        EXPECT_NEAR(DilatarePeKelvin(c.valoare, c.producator), c.asteptat, std::abs(c.asteptat) * 1e-6 + 1e-15)
            << c.valoare << " producer " << c.producator;
}

TEST(Roluri, WordOfTheRecordBytes) {
    MaterialOptic m = RecordImage().byte(2113, 3).byte(2111, 0xEE).byte(2116, 0xEE).record();
    EXPECT_EQ(CitesteCuvantRoluri(m), 0x300u);

    ScrieCuvantRoluri(m, 0x09070301u);
    EXPECT_EQ(bytesOf(m), RecordImage().text(2111, "\xEE\x01\x03\x07\x09\xEE").bytes());
}

TEST(LidtImplicit, FillsOnlyZeroSlotsOfGlassRecords) {
    MaterialOptic gol = RecordImage().u16(4, 2).record();
    EXPECT_TRUE(CompleteazaLungimiUndaLidt(gol));
    EXPECT_EQ(bytesOf(gol), RecordImage().u16(4, 2).u16(2116, 1064).u16(2118, 1540).u16(2120, 532).bytes());

    MaterialOptic partial = RecordImage().u16(2118, 1550).record();
    EXPECT_TRUE(CompleteazaLungimiUndaLidt(partial));
    EXPECT_EQ(bytesOf(partial), RecordImage().u16(2116, 1064).u16(2118, 1550).u16(2120, 532).bytes());

    MaterialOptic plin = partial;
    EXPECT_FALSE(CompleteazaLungimiUndaLidt(plin));
    EXPECT_EQ(bytesOf(plin), bytesOf(partial));

    // Evaporation records keep their purity where the glass wavelengths would go.
    const RecordImage evaporare = RecordImage().u16(4, 10).f32(2116, 99.99f);
    MaterialOptic m = evaporare.record();
    EXPECT_FALSE(CompleteazaLungimiUndaLidt(m));
    EXPECT_EQ(bytesOf(m), evaporare.bytes());
}

TEST(TexteMaterial, CodesOutOfRangeGiveTheirPlaceholder) {
    // The name dialog's entries 1-19 are the types, then the first producers;
    // beyond the table there is no text.
    const std::pair<const char*, const char*> cazuri[] = {
        {TextTipMaterial(14), "Tip material_15"}, {SirDinTabel(19), "Shott Mainz"}, {SirDinTabel(0), ""},
        {SirDinTabel(54), ""}, {NumeProducatorScurt(-1), "Necunoscut"},
    };
    for (const auto& [text, asteptat] : cazuri) EXPECT_STREQ(text, asteptat);
    for (int cod : {-1, 16, 65535}) {
        EXPECT_STREQ(TextTipMaterial(cod), "???");
        EXPECT_STREQ(TextStas(cod), "???");
        EXPECT_STREQ(NumeProducatorImplicit(cod), "???");
    }
    std::string text = "vechi";
    NumeProducatorScurt(11, text);
    EXPECT_EQ(text, "Necunoscut");
}
