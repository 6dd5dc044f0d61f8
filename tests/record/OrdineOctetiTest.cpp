// Byte order conversion on hand-built images in both orders, and whole-record
// reading and writing.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "record/FisierMaterial.h"
#include "record/OrdineOcteti.h"
#include "support/RecordImage.h"

using namespace vitramor;
using vitramor::test::bytesOf;
using vitramor::test::namedRecord;
using vitramor::test::RecordImage;

namespace {

// The same values written little-endian (the file) and big-endian.
class ImaginiPereche {
public:
    ImaginiPereche& u16(std::size_t off, std::uint16_t v) { return numar(off, v, 2); }
    ImaginiPereche& i16(std::size_t off, std::int16_t v) { return numar(off, static_cast<std::uint16_t>(v), 2); }
    ImaginiPereche& f32(std::size_t off, float v) {
        std::uint32_t u;
        std::memcpy(&u, &v, 4);
        return numar(off, u, 4);
    }
    ImaginiPereche& f64(std::size_t off, double v) {
        std::uint64_t u;
        std::memcpy(&u, &v, 8);
        return numar(off, u, 8);
    }
    // Bytes that are not numbers stay where they are in both orders.
    ImaginiPereche& octeti(std::size_t off, const std::string& s) {
        std::memcpy(&le_[off], s.data(), s.size());
        std::memcpy(&be_[off], s.data(), s.size());
        return *this;
    }

    MaterialOptic le() const { return inRecord(le_); }
    MaterialOptic be() const { return inRecord(be_); }

private:
    ImaginiPereche& numar(std::size_t off, std::uint64_t v, int n) {
        for (int i = 0; i < n; ++i) {
            const auto b = static_cast<char>((v >> (8 * i)) & 0xFF);
            le_[off + static_cast<std::size_t>(i)] = b;
            be_[off + static_cast<std::size_t>(n - 1 - i)] = b;
        }
        return *this;
    }
    static MaterialOptic inRecord(const std::string& s) {
        MaterialOptic m;
        std::memcpy(&m, s.data(), sizeof m);
        return m;
    }
    std::string le_ = std::string(MarimeMaterialOptic, '\0');
    std::string be_ = std::string(MarimeMaterialOptic, '\0');
};

// Values at both ends of every kind of field, text, roles and reserved bytes.
ImaginiPereche ImaginiComune(std::uint16_t producator) {
    ImaginiPereche p;
    p.u16(0, 0x0102).u16(2, 0x0304).u16(4, producator).u16(6, 17);
    p.octeti(8, "\x11\x22\x33\x44\x55\x66\x77\x88\x99\xAA\xBB\xCC");  // reserved words, carried raw
    p.u16(20, 0x0A0B);
    p.octeti(22, std::string("N-BK7\0garbage", 13)).octeti(38, "517642.251");
    p.f32(52, 312.6f).f32(52 + 4 * 49, 2325.4f);
    p.octeti(252, "\x01\x02\x03\x04");
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
    p.f32(2108, 60.08f).octeti(2112, "\x01\x05\x00\x09").octeti(2122, "\xDE\xAD\xBE\xEF\x00\x01");
    return p;
}

}  // namespace

TEST(OrdineOcteti, GlassAndEvaporationRecordsBothWays) {
    ImaginiPereche sticla = ImaginiComune(2);
    sticla.u16(1468, 280).u16(1470, 290).u16(1486, 370).u16(2116, 1064).u16(2118, 1540).u16(2120, 532);
    // The evaporation overlay ranges hold floats; the glass slots beyond them stay words.
    ImaginiPereche evaporare = ImaginiComune(10);
    evaporare.f32(1468, 0.5f).f32(1472, 0.9f).f32(1484, 0.25f).u16(1488, 380).f32(2116, 99.99f).u16(2120, 532);

    for (const ImaginiPereche* p : {&sticla, &evaporare}) {
        MaterialOptic m = p->be();
        InverseazaOrdineaOctetilor(m, ProducatorCitit::Inversat);
        EXPECT_EQ(bytesOf(m), bytesOf(p->le()));
        MaterialOptic inapoi = p->le();
        InverseazaOrdineaOctetilor(inapoi, ProducatorCitit::Direct);
        EXPECT_EQ(bytesOf(inapoi), bytesOf(p->be()));
    }
}

TEST(OrdineOcteti, ProducerReadingDecidesTheOverlay) {
    // Producer 10 read the wrong way round is 0x0A00: the record would be
    // converted as glass and the evaporation rate torn into two words.
    ImaginiPereche p = ImaginiComune(10);
    p.f32(1468, 0.5f);
    MaterialOptic m = p.be();
    InverseazaOrdineaOctetilor(m, ProducatorCitit::Direct);
    EXPECT_NE(bytesOf(m), bytesOf(p.le()));
}

TEST(FisierMaterial, WholeRecordsOnlyAndTheFileBytesAsTheyStand) {
    const MaterialOptic a = ImaginiComune(2).le();
    const MaterialOptic b = ImaginiComune(10).le();
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
    EXPECT_FALSE(CitesteMaterial(f, m));
    std::fclose(f);
}
