// Byte order conversion on hand-built images in both orders, and whole-record
// reading and writing.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "record/FisierMaterial.h"
#include "record/OrdineOcteti.h"
#include "support/RecordImage.h"

using namespace vitramor;
using vitramor::test::bytesOf;
using vitramor::test::namedRecord;
using vitramor::test::RecordImage;

namespace {

// Values at both ends of every kind of field, text, roles and reserved bytes
// (bytes that are not numbers stay where they are in both orders). The
// evaporation overlay ranges hold floats; the glass slots beyond them stay words.
MaterialOptic Imagine(std::uint16_t producator, bool bigEndian) {
    RecordImage p(MarimeMaterialOptic, '\0', bigEndian);
    p.u16(0, 0x0102).u16(2, 0x0304).u16(4, producator).u16(6, 17);
    p.text(8, "\x11\x22\x33\x44\x55\x66\x77\x88\x99\xAA\xBB\xCC");  // reserved words, carried raw
    p.u16(20, 0x0A0B);
    p.text(22, std::string("N-BK7\0garbage", 13)).text(38, "517642.251");
    p.f32(52, 312.6f).f32(52 + 4 * 49, 2325.4f);
    p.text(252, "\x01\x02\x03\x04");
    p.f64(256, 1.5168).f64(256 + 8 * 49, 1.4).f64(656 + 8 * 3, 1e-7);
    p.i16(1056, -1).i16(1058, 10).u16(1060, 300).u16(1062, 2500).u16(1066, 20000).u16(1068, 0xBEEF);
    p.f64(1080, 1.03961212).f64(1080 + 8 * 23, -2.5).f64(1272 + 8 * 5, 103.560653);
    p.f32(1464, 10.0f);
    p.u16(1468 + 2 * 30, 580).u16(1468 + 2 * 49, 770);
    p.f32(1568, 37.0f).f32(1568 + 4 * 49, 0.0693147f);
    p.f32(1776, 82.0f).f32(1808 + 4, -2.78f).f32(1816 + 12, 719.0f);
    p.f32(1952, 858.0f).f32(1984 + 12, 1e-9f).u16(2000, 557).u16(2010, 0x0102);
    p.f32(2012, 355.0f).f32(2044, 12.5f).f32(2052, 20.25f);
    p.f32(2056 + 8, -0.001f).f32(2072, 2000.0f).u16(2080, 3).u16(2084 + 16, 0x0203).u16(2102, 1);
    p.f32(2108, 60.08f).text(2112, std::string("\x01\x05\x00\x09", 4));
    p.text(2122, std::string("\xDE\xAD\xBE\xEF\x00\x01", 6));
    if (producator == ProducatorEvaporare)
        p.f32(1468, 0.5f).f32(1472, 0.9f).f32(1484, 0.25f).u16(1488, 380).f32(2116, 99.99f).u16(2120, 532);
    else
        p.u16(1468, 280).u16(1470, 290).u16(1486, 370).u16(2116, 1064).u16(2118, 1540).u16(2120, 532);
    return p.record();
}

}  // namespace

TEST(OrdineOcteti, GlassAndEvaporationRecordsBothWays) {
    for (std::uint16_t producator : {std::uint16_t{2}, ProducatorEvaporare}) {
        SCOPED_TRACE(producator);
        MaterialOptic m = Imagine(producator, true);
        InverseazaOrdineaOctetilor(m, ProducatorCitit::Inversat);
        EXPECT_EQ(bytesOf(m), bytesOf(Imagine(producator, false)));
        InverseazaOrdineaOctetilor(m, ProducatorCitit::Direct);
        EXPECT_EQ(bytesOf(m), bytesOf(Imagine(producator, true)));
    }
    // Producer 10 read the wrong way round is 0x0A00: the record would be
    // converted as glass and the evaporation rate torn into two words.
    MaterialOptic m = Imagine(ProducatorEvaporare, true);
    InverseazaOrdineaOctetilor(m, ProducatorCitit::Direct);
    EXPECT_NE(bytesOf(m), bytesOf(Imagine(ProducatorEvaporare, false)));
}

TEST(FisierMaterial, WholeRecordsOnlyAndTheFileBytesAsTheyStand) {
    const MaterialOptic a = Imagine(2, false);
    const MaterialOptic b = Imagine(ProducatorEvaporare, false);
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(ScrieMaterial(f, a));
    ASSERT_TRUE(ScrieMaterial(f, b));
    std::fwrite("partial", 1, 7, f);  // the start of a third record that never got written

    std::rewind(f);
    std::string continut(2 * MarimeMaterialOptic + 7, '\0');
    ASSERT_EQ(std::fread(continut.data(), 1, continut.size(), f), continut.size());
    EXPECT_EQ(continut.substr(0, 2 * MarimeMaterialOptic), bytesOf(a) + bytesOf(b));

    std::rewind(f);
    MaterialOptic m = namedRecord("neatins");
    ASSERT_TRUE(CitesteMaterial(f, m));
    EXPECT_EQ(bytesOf(m), bytesOf(a));
    ASSERT_TRUE(CitesteMaterial(f, m));
    EXPECT_EQ(bytesOf(m), bytesOf(b));
    m = namedRecord("neatins");
    EXPECT_FALSE(CitesteMaterial(f, m));  // the partial record is no record
    EXPECT_EQ(bytesOf(m), bytesOf(namedRecord("neatins")));
    std::fclose(f);
}
