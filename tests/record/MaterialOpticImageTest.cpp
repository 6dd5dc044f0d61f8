// The struct and the field table against record bytes built by offset.

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "record/CampuriMaterial.h"
#include "record/MaterialOptic.h"
#include "support/RecordImage.h"

using namespace vitramor;
using vitramor::test::bytesOf;
using vitramor::test::RecordImage;

namespace {

template <typename T>
T& elem(T& x, std::size_t) requires(!std::is_array_v<T>) { return x; }
template <typename T, std::size_t N>
T& elem(T (&a)[N], std::size_t i) { return a[i]; }

struct Camp {
    const char* nume;
    std::size_t offset;
    TipElement tip;
    std::size_t numar;
    double (*citeste)(const MaterialOptic&, std::size_t);
};

#define CAMP(n, off, t, cnt)               \
    Camp{#n, off, TipElement::t, cnt,      \
         [](const MaterialOptic& m, std::size_t i) { return static_cast<double>(elem(m.n, i)); }}

// The general layout as the file format gives it, each byte owned once
// (`lidt` is the tail of `lidt_evaporare` and is tested with the overlays).
const std::vector<Camp> CampuriFisier = {
    CAMP(tip_material, 0, U16, 1), CAMP(stas, 2, U16, 1), CAMP(producator, 4, U16, 1),
    CAMP(pret_relativ, 6, U16, 1), CAMP(categorie, 20, U16, 1), CAMP(nume, 22, Char, 16), CAMP(cod, 38, Char, 14),
    CAMP(lambda_indici, 52, F32, 50), CAMP(indice_n, 256, F64, 50), CAMP(indice_k, 656, F64, 50),
    CAMP(ec_dispersie_n, 1056, I16, 1), CAMP(ec_dispersie_k, 1058, I16, 1), CAMP(domeniu_n, 1060, U16, 2),
    CAMP(domeniu_k, 1064, U16, 2), CAMP(parametri_dispersie, 1068, U16, 4), CAMP(stare_catalog, 1076, U8, 1),
    CAMP(coef_disp_n, 1080, F64, 24),
    CAMP(coef_disp_k, 1272, F64, 24), CAMP(grosime_transmisie, 1464, F32, 1), CAMP(lambda_Ti, 1468, U16, 50),
    CAMP(transmisia_interna, 1568, F32, 50), CAMP(modul_young, 1776, F32, 1), CAMP(raport_poisson, 1780, F32, 1),
    CAMP(duritate_abraziune, 1784, F32, 1), CAMP(duritate_knoop, 1788, F32, 1), CAMP(coeficient_quer, 1792, F32, 1),
    CAMP(densitate, 1796, F32, 1), CAMP(rezistenta_inelara, 1800, F32, 1), CAMP(coef_optic_tensiune, 1804, F32, 1),
    CAMP(constante_fotoelastice, 1808, F32, 2), CAMP(temperaturi_vascozitate, 1816, F32, 4),
    CAMP(caldura_specifica, 1952, F32, 4), CAMP(conductibilitate_termica, 1968, F32, 4), CAMP(dilatare, 1984, F32, 4),
    CAMP(temperaturi, 2000, U16, 6), CAMP(lidt_lambda_evaporare, 2012, F32, 5), CAMP(lidt_evaporare, 2036, F32, 5),
    CAMP(stres_suprafata, 2056, F32, 3), CAMP(grosime_min, 2068, F32, 1), CAMP(grosime_max, 2072, F32, 1),
    CAMP(clasa_catalog, 2080, U16, 1), CAMP(clasa_catalog_implicita, 2082, U16, 1),
    CAMP(stabilitate_chimica, 2084, U16, 9), CAMP(clasa_toxicitate, 2102, U16, 1), CAMP(grosime_ald, 2104, F32, 1),
    CAMP(masa_molara, 2108, F32, 1), CAMP(roluri, 2112, U8, 4), CAMP(lidt_lambda, 2116, U16, 3),
};

// Reserved ranges, [start, end).
const std::vector<std::pair<std::size_t, std::size_t>> Rezervate = {
    {8, 20}, {252, 256}, {1077, 1080}, {1768, 1776}, {1832, 1952}, {2032, 2036}, {2076, 2080}, {2122, 2128},
};

// A value distinct for every (field, element), exact in the field's type;
// doubles are not exact as floats, so a double read through a float view would show.
double Valoare(std::size_t f, std::size_t i, TipElement tip) {
    switch (tip) {
        case TipElement::U8:
        case TipElement::Char: return static_cast<double>(1 + (f * 5 + i) % 120);
        case TipElement::U16: return static_cast<double>(1000 * f + i + 1);
        case TipElement::I16: return -static_cast<double>(100 * f + i + 1);
        case TipElement::U32: return static_cast<double>(70000 * f + i);
        case TipElement::F32: return static_cast<double>(f) + static_cast<double>(i) / 64.0 + 0.25;
        case TipElement::F64: return static_cast<double>(f) + static_cast<double>(i) / 1024.0 + 1.0 / 3.0;
    }
    return 0;
}

void ScrieInImagine(RecordImage& img, std::size_t off, TipElement tip, double v) {
    switch (tip) {
        case TipElement::U8:
        case TipElement::Char: img.byte(off, static_cast<std::uint8_t>(v)); break;
        case TipElement::U16: img.u16(off, static_cast<std::uint16_t>(v)); break;
        case TipElement::I16: img.i16(off, static_cast<std::int16_t>(v)); break;
        case TipElement::U32: img.u32(off, static_cast<std::uint32_t>(v)); break;
        case TipElement::F32: img.f32(off, static_cast<float>(v)); break;
        case TipElement::F64: img.f64(off, v); break;
    }
}

}  // namespace

TEST(MaterialOpticImage, EveryFieldReadsItsOwnBytes) {
    // All fields at once: a field at a wrong offset either reads a neighbour's
    // value or is overwritten by it.
    RecordImage img;
    for (std::size_t f = 0; f < CampuriFisier.size(); ++f)
        for (std::size_t i = 0; i < CampuriFisier[f].numar; ++i) {
            const Camp& c = CampuriFisier[f];
            ScrieInImagine(img, c.offset + i * MarimeElement(c.tip), c.tip, Valoare(f, i, c.tip));
        }
    const MaterialOptic m = img.record();
    for (std::size_t f = 0; f < CampuriFisier.size(); ++f)
        for (std::size_t i = 0; i < CampuriFisier[f].numar; ++i)
            EXPECT_EQ(CampuriFisier[f].citeste(m, i), Valoare(f, i, CampuriFisier[f].tip))
                << CampuriFisier[f].nume << "[" << i << "]";
}

// The overlays: the glass LIDT is the tail of the evaporation LIDT; the
// evaporation rate and confidence share the transmittance wavelengths; the
// purity occupies the first two LIDT wavelengths.
TEST(MaterialOpticImage, OverlaysShareTheirBytes) {
    RecordImage img;
    img.u16(4, 10).f32(1468, 0.75f).u16(1488, 700);  // lambda_Ti[10], first slot after the overlay
    for (std::size_t k = 0; k < 5; ++k) img.f32(2036 + 4 * k, 1.5f + static_cast<float>(k));
    for (std::size_t k = 0; k < 4; ++k) img.f32(1472 + 4 * k, 0.5f + static_cast<float>(k));
    img.f32(2056, 9.0f);
    MaterialOptic m = img.record();
    EXPECT_EQ(m.lidt[0], 3.5f);
    EXPECT_EQ(m.lidt[2], 5.5f);
    EXPECT_EQ(m.lidt_evaporare[0], 1.5f);
    EXPECT_EQ(m.stres_suprafata[0], 9.0f);
    EXPECT_EQ(m.rata_evaporare, 0.75f);
    EXPECT_EQ(m.incredere[0], 0.5f);
    EXPECT_EQ(m.incredere[3], 3.5f);
    EXPECT_EQ(m.lambda_Ti[10], 700);
    // 0.75f is 0x3F400000: the two glass words under it, low word first.
    EXPECT_EQ(m.lambda_Ti[0], 0x0000);
    EXPECT_EQ(m.lambda_Ti[1], 0x3F40);

    m = RecordImage().u16(2116, 1064).u16(2118, 1540).u16(2120, 532).byte(2122, 0xAB).record();
    m.puritate = 99.5f;
    EXPECT_EQ(bytesOf(m), RecordImage().f32(2116, 99.5f).u16(2120, 532).byte(2122, 0xAB).bytes());
}

TEST(CampuriMaterial, TableMatchesTheFileFormat) {
    std::vector<Camp> asteptat = CampuriFisier;
    auto dupaLidtEvaporare = std::find_if(asteptat.begin(), asteptat.end(),
                                          [](const Camp& c) { return std::string(c.nume) == "lidt_evaporare"; });
    asteptat.insert(dupaLidtEvaporare + 1, Camp{"lidt", 2044, TipElement::F32, 3, nullptr});
    const std::vector<Camp> evaporare = {{"rata_evaporare", 1468, TipElement::F32, 1, nullptr},
                                         {"incredere", 1472, TipElement::F32, 4, nullptr},
                                         {"puritate", 2116, TipElement::F32, 1, nullptr}};

    const std::pair<std::span<const CampMaterial>, std::vector<Camp>> tabele[] = {{CampuriMaterial(), asteptat},
                                                                                  {CampuriEvaporare(), evaporare}};
    for (const auto& [tabel, asteptate] : tabele) {
        ASSERT_EQ(tabel.size(), asteptate.size());
        for (std::size_t k = 0; k < tabel.size(); ++k) {
            EXPECT_STREQ(tabel[k].nume, asteptate[k].nume);
            EXPECT_EQ(tabel[k].offset, asteptate[k].offset) << asteptate[k].nume;
            EXPECT_EQ(tabel[k].tip, asteptate[k].tip) << asteptate[k].nume;
            EXPECT_EQ(tabel[k].numar, asteptate[k].numar) << asteptate[k].nume;
        }
    }
    for (const auto& c : CampuriMaterial()) EXPECT_EQ(c.vedere, std::string(c.nume) == "lidt") << c.nume;
}

TEST(CampuriMaterial, OwnedFieldsAndReservedRangesCoverEveryByteOnce) {
    std::vector<int> acoperire(MarimeMaterialOptic, 0);
    for (const auto& c : CampuriMaterial())
        if (!c.vedere)
            for (std::size_t b = c.offset; b < c.sfarsit(); ++b) ++acoperire[b];
    for (const auto& [inceput, sfarsit] : Rezervate)
        for (std::size_t b = inceput; b < sfarsit; ++b) ++acoperire[b];
    for (std::size_t b = 0; b < MarimeMaterialOptic; ++b) EXPECT_EQ(acoperire[b], 1) << "byte " << b;
}
