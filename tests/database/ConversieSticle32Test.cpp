// The old 1216-byte records are built here byte by byte and the converted
// records checked byte by byte against the new layout, the fields that the
// old file does not give included.

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "database/ConversieSticle32.h"
#include "database/GlassDirFixture.h"
#include "support/DefectFisiere.h"
#include "support/ProgresTest.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

// One of each kind of field, at both ends of the arrays.
RecordImage Exemplu(float grosimeMaxima) {
    RecordImage v(MarimeInregistrareVeche);
    for (std::size_t o = 740; o < 860; ++o) v.byte(o, 0xAA);  // what the conversion never reads
    for (std::size_t o = 1198; o < MarimeInregistrareVeche; ++o) v.byte(o, 0xAA);
    v.f32(0, 365.0f).f32(156, 2325.0f).f32(160, 1.5168f).f32(316, 1.4f).f32(320, 1e-7f).f32(480, 10.0f);
    v.f32(484, 0.5f).f32(640, 37.0f).f32(644, 1.0396f).f32(688, 103.56f).f32(692, 0.1f);
    v.u32(860, 0xDEADBEEF);
    for (int i = 1; i < 8; ++i) v.f32(860 + 4 * static_cast<std::size_t>(i), static_cast<float>(i) + 0.5f);
    v.f32(892, 2.77f).f32(896, 0.9f).f32(900, 1.2f).f32(904, 0.858f).f32(932, 1.11f).f32(936, 7.1f).f32(948, 8.2f);
    v.f32(952, 557.0f).f32(964, 1000.0f);
    for (std::size_t i = 0; i < 32; ++i) v.byte(968 + i, static_cast<std::uint8_t>(0x11 + i));
    v.f32(1000, 20.0f).f32(1004, 21.0f).f32(1016, 24.0f).f32(1020, 3.3f);
    v.u32(1024, 0x01020304).u32(1028, 0x05060708).f32(1032, 10.0f).f32(1036, grosimeMaxima).u32(1040, 0x0A0B0C0D);
    v.u16(1044, 250).u16(1122, 2500).u16(1124, 4).u16(1126, 1).u16(1128, 365).u16(1130, 2325);
    v.u16(1132, 400).u16(1134, 700).u16(1136, 0x1234).u16(1138, 0x5678).u16(1140, 3).u16(1142, 5);
    v.u16(1144, 1).u16(1146, 2).u16(1148, 16).u16(1150, 1).u16(1156, 4).u16(1158, 5);
    v.u16(1160, 0x0B0B).u16(1162, 12).u16(1164, 0x0808).u16(1166, 557);
    v.text(1168, "ABCDEFGHIJ").text(1179, "CODE567890123456").u16(1196, 7);
    return v;
}

RecordImage Asteptat(float grosimeMaxima) {
    RecordImage r;
    r.f32(52, 365.0f).f32(208, 2325.0f).f64(256, 1.5168f).f64(568, 1.4f).f64(656, 1e-7f).f32(1464, 10.0f);
    r.f32(1568, 0.5f).f32(1724, 37.0f).f64(1080, 1.0396f).f64(1168, 103.56f).f64(1272, 0.1f);
    r.u32(1772, 0xDEADBEEF);
    for (int i = 1; i < 8; ++i) r.f32(1772 + 4 * static_cast<std::size_t>(i), static_cast<float>(i) + 0.5f);
    r.f32(1804, 2.77f).f32(1808, 0.9f).f32(1812, 1.2f).f32(1952, 0.858f).f32(1980, 1.11f).f32(1984, 7.1f);
    r.f32(1996, 8.2f).f32(1816, 557.0f).f32(1828, 1000.0f);
    for (std::size_t i = 0; i < 32; ++i) r.byte(2012 + i, static_cast<std::uint8_t>(0x11 + i));
    r.f32(2044, 20.0f).f32(2048, 21.0f).f32(2060, 24.0f).f32(2064, 3.3f);
    r.u32(12, 0x01020304).u32(16, 0x05060708).f32(2068, 10.0f).f32(2072, grosimeMaxima).u32(2076, 0x0A0B0C0D);
    r.u16(1468, 250).u16(1546, 2500).u16(1056, 4).u16(1058, 1).u16(1060, 365).u16(1062, 2325);
    r.u16(1064, 400).u16(1066, 700).u32(1768, 0x56781234).u16(2080, 3).u16(2082, 5);
    r.u16(0, 1).u16(2, 2).u16(4, 16).u16(2084, 1).u16(2090, 4).u16(2092, 5);
    r.u16(10, 0x0B0B).u16(6, 12).u16(8, 0x0808).u16(2000, 557);
    r.text(22, "ABCDEFGHIJ").text(38, "CODE567890123").u16(20, 7);
    return r;
}

void ComparaOcteti(const std::string& a, const std::string& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        ASSERT_EQ(static_cast<int>(static_cast<unsigned char>(a[i])), static_cast<int>(static_cast<unsigned char>(b[i])))
            << "offset " << i % MarimeMaterialOptic << " of record " << i / MarimeMaterialOptic;
}

using Conversie = GlassDirFixture;

TEST_F(Conversie, EveryOldFieldLandsInItsNewPlaceAndPartialTailIsReported) {
    d.write("sticle32.dat", Exemplu(0.0f).bytes() + Exemplu(350.0f).bytes() + std::string(100, 'x'));
    d.write("SticleNou32.dat", "older conversion");
    p.raspunde({raspuns::IDYES, raspuns::IDYES});
    const RezultatOperatie r = ComandaConvertesteSticle32(p, nullptr, path_sticle);
    ASSERT_EQ(r.stare, StareOperatie::Facut);
    EXPECT_EQ(r.noi, 2);
    ComparaOcteti(d.read("SticleNou32.dat"), Asteptat(2000.0f).bytes() + Asteptat(350.0f).bytes());
    EXPECT_EQ(d.read("SticleNou32#_0.dat"), "older conversion");
    EXPECT_FALSE(d.exists("SticleNou32.dat.tmp"));
    const auto t = p.texte();
    // The first question says in words what the conversion does.
    EXPECT_NE(t.front().find("(inregistrari de 1216 octeti)"), std::string::npos) << t.front();
    ASSERT_EQ(r.note.size(), 1u);
    EXPECT_NE(r.note[0].find("100 octeti"), std::string::npos) << r.note[0];
    EXPECT_EQ(r.motiv, "S-au scris 2 inregistrari");
}

TEST_F(Conversie, NoOrMissingInputLeavesTheOutputAlone) {
    d.write("SticleNou32.dat", "kept");
    p.raspunde({raspuns::IDYES, raspuns::IDNO});
    EXPECT_EQ(ComandaConvertesteSticle32(p, nullptr, path_sticle).stare, StareOperatie::Anulat);
    p.raspunde({raspuns::IDYES, raspuns::IDYES});
    const RezultatOperatie lipsa = ComandaConvertesteSticle32(p, nullptr, path_sticle);
    EXPECT_EQ(lipsa.stare, StareOperatie::Esuat);
    EXPECT_EQ(lipsa.motiv, "Eroare deschidere fisier " + (d / "sticle32.dat").string());
    EXPECT_EQ(d.files(), std::vector<std::string>{"SticleNou32.dat"});
    EXPECT_EQ(d.read("SticleNou32.dat"), "kept");

    // Stopped: only the work file was begun, and it is gone again.
    d.write("sticle32.dat", Exemplu(0.0f).bytes());
    ProgresAnulatDupa anulare(0);
    p.raspunde({raspuns::IDYES, raspuns::IDYES});
    EXPECT_EQ(ComandaConvertesteSticle32(p, nullptr, path_sticle, anulare).stare, StareOperatie::Anulat);
    EXPECT_EQ(d.read("SticleNou32.dat"), "kept");
    EXPECT_FALSE(d.exists("SticleNou32.dat.tmp"));
}

TEST_F(Conversie, TestFoldsProducerCodesAboveFourteen) {
    std::string in;
    for (std::uint16_t cod : {0, 14, 15, 16, 200}) {
        MaterialOptic m = namedRecord("M" + std::to_string(cod), cod);
        m.densitate = 2.5f;
        in += bytesOf(m);
    }
    d.write("sticleNouX32.dat", in + "tail");
    p.raspunde(raspuns::IDYES);
    const RezultatOperatie r = ComandaCorecteazaCoduriProducator(p, nullptr, path_sticle);
    ASSERT_EQ(r.stare, StareOperatie::Facut);
    EXPECT_EQ(r.noi, 5);
    const std::string out = d.read("1.tmp");
    ASSERT_EQ(out.size(), 5 * MarimeMaterialOptic);
    const std::uint16_t asteptat[] = {0, 14, 10, 10, 10};
    for (std::size_t i = 0; i < 5; ++i) {
        std::string record = in.substr(i * MarimeMaterialOptic, MarimeMaterialOptic);
        std::memcpy(&record[4], &asteptat[i], 2);
        ComparaOcteti(out.substr(i * MarimeMaterialOptic, MarimeMaterialOptic), record);
    }
    EXPECT_EQ(d.read("sticleNouX32.dat"), in + "tail");
    EXPECT_NE(r.motiv.find("S-a creat fisierul 1.tmp."), std::string::npos);
}

TEST_F(Conversie, AFaultAtAnyStepLeavesTheOutputAsItWasAndNoWorkFile) {
    d.write("sticle32.dat", Exemplu(0.0f).bytes());
    d.write("sticleNouX32.dat", bytesOf(namedRecord("M", 20)));
    d.write("SticleNou32.dat", "older");
    d.write("1.tmp", "older");
    struct {
        bool convert;
        Pas pas;
    } const cazuri[] = {{true, Pas::Scriere}, {true, Pas::Sincronizare}, {true, Pas::PrimaRedenumire},
                        {true, Pas::ADouaRedenumire}, {false, Pas::Sincronizare}};
    for (const auto& c : cazuri) {
        const char* iesire = c.convert ? "SticleNou32.dat" : "1.tmp";
        p.casete.clear();
        DefectFisiere defect(p, c.pas);
        p.raspunde({raspuns::IDYES, raspuns::IDYES});
        const RezultatOperatie r = c.convert ? ComandaConvertesteSticle32(p, nullptr, path_sticle)
                                             : ComandaCorecteazaCoduriProducator(p, nullptr, path_sticle);
        // The reason names the system's error; nothing is shown where it was found.
        EXPECT_EQ(r.stare, StareOperatie::Esuat) << iesire << " " << NumePas(c.pas);
        EXPECT_NE(r.motiv.find(std::strerror(ENOSPC)), std::string::npos) << r.motiv << " " << NumePas(c.pas);
        p.raspunsuri.clear();
        EXPECT_EQ(d.read(iesire), "older") << NumePas(c.pas);
        EXPECT_EQ(d.files(), (std::vector<std::string>{"1.tmp", "SticleNou32.dat", "sticle32.dat", "sticleNouX32.dat"}))
            << iesire << " " << NumePas(c.pas);
        EXPECT_FALSE(std::any_of(p.casete.begin(), p.casete.end(), [](auto& m) {
            return m.text.find(std::strerror(ENOSPC)) != std::string::npos;
        })) << NumePas(c.pas);
    }
    DefectFisiere fara(p, Pas::Niciunul);
    p.raspunde({raspuns::IDYES, raspuns::IDYES});
    ASSERT_EQ(ComandaConvertesteSticle32(p, nullptr, path_sticle).stare, StareOperatie::Facut);
    EXPECT_EQ(fara.jurnal, "write sync rename rename dirsync ");
}

}  // namespace
