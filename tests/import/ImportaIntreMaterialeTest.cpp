// Copying index tables and dispersion equations between open materials,
// checked byte by byte at the record's file offsets: what is copied must be
// exactly the source's bytes there, and every other byte the destination's.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "import/ImportaIntreMateriale.h"
#include "support/PlatformaScriptata.h"
#include "support/RecordImage.h"

namespace vitramor {
namespace {

using test::bytesOf;

// A record whose every byte is set, from a seed, so that any byte copied or
// left behind shows.
MaterialOptic Plin(unsigned char seed, const char* nume) {
    MaterialOptic m;
    auto* b = reinterpret_cast<unsigned char*>(&m);
    for (std::size_t i = 0; i < sizeof m; ++i) b[i] = static_cast<unsigned char>(seed + i * 7);
    std::memset(m.nume, 0, sizeof m.nume);
    std::strcpy(m.nume, nume);
    return m;
}

struct Interval {
    std::size_t inceput, sfarsit;
};

// The expected result: the destination's bytes with the source's in the intervals.
std::string Asteptat(const MaterialOptic& sursa, const MaterialOptic& destinatie, const std::vector<Interval>& iv) {
    std::string r = bytesOf(destinatie);
    const std::string s = bytesOf(sursa);
    for (const Interval& i : iv) {
        const std::size_t n = i.sfarsit - i.inceput;
        r.replace(i.inceput, n, s.substr(i.inceput, n));
    }
    return r;
}

// lambda_indici at 52 (4-byte slots), indice_n at 256 and indice_k at 656 (8-byte slots): forty slots each.
// Equation codes and both ranges at 1056..1067; the four parameter words after them stay. Coefficients of
// n and k at 1080..1463.
TEST(ImportaIntreMateriale, CopiesExactlyTheirOwnBytes) {
    const struct {
        void (*copiaza)(const MaterialOptic&, MaterialOptic&);
        std::vector<Interval> intervale;
    } cazuri[] = {
        {CopiazaIndiciNK, {{52, 52 + 40 * 4}, {256, 256 + 40 * 8}, {656, 656 + 40 * 8}}},
        {CopiazaEcuatiiDispersie, {{1056, 1068}, {1080, 1464}}},
    };
    for (const auto& c : cazuri) {
        const MaterialOptic sursa = Plin(11, "SURSA");
        MaterialOptic dest = Plin(200, "DEST");
        const MaterialOptic inainte = dest;
        c.copiaza(sursa, dest);
        EXPECT_EQ(bytesOf(dest), Asteptat(sursa, inainte, c.intervale));
    }
}

SetLucru TreiMateriale() {
    SetLucru set;
    set.materiale = {Plin(1, "N-BK7"), Plin(50, "F2"), Plin(99, "SF6")};
    set.materialCurent = 1;
    return set;
}

TEST(ImportaIntreMateriale, QuestionDecides) {
    struct Caz {
        int comanda;
        int raspuns;
        std::string intrebare;
        bool copiat;
    };
    const std::vector<Caz> cazuri{
        {40057, raspuns::IDYES, "Importati n,k din SF6 in F2", true},
        {40057, raspuns::IDNO, "Importati n,k din SF6 in F2", false},
        {40058, raspuns::IDYES, "Importi ec. de dispersie din SF6 in F2", true},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.intrebare + (c.copiat ? " yes" : " no"));
        PlatformaScriptata p;
        PlatformaInstalata guard(p);
        SetLucru set = TreiMateriale();
        const std::string inainte = bytesOf(set.materiale[1]);
        p.raspunde(c.raspuns);
        EXPECT_EQ(ImportaInMaterialCurent(p, nullptr, c.comanda, set, 2), c.copiat);
        ASSERT_EQ(p.casete.size(), 1u);
        EXPECT_EQ(p.ultima().text, c.intrebare);
        EXPECT_EQ(p.ultima().style & stil::MaskButoane, stil::MB_YESNO);
        EXPECT_EQ(set.modificat, c.copiat ? 1 : 0);
        EXPECT_EQ(bytesOf(set.materiale[1]) != inainte, c.copiat);
        // The source and the bystander are never touched.
        EXPECT_EQ(bytesOf(set.materiale[2]), bytesOf(Plin(99, "SF6")));
        EXPECT_EQ(bytesOf(set.materiale[0]), bytesOf(Plin(1, "N-BK7")));
    }
}

TEST(ImportaIntreMateriale, NoQuestionWithoutAUsableSource) {
    PlatformaScriptata p;
    PlatformaInstalata guard(p);
    SetLucru set = TreiMateriale();
    EXPECT_FALSE(ImportaInMaterialCurent(p, nullptr, 40057, set, 1));  // itself
    EXPECT_FALSE(ImportaInMaterialCurent(p, nullptr, 40057, set, 3));
    EXPECT_FALSE(ImportaInMaterialCurent(p, nullptr, 40057, set, -1));
    EXPECT_FALSE(ImportaInMaterialCurent(p, nullptr, 40034, set, 2));
    EXPECT_TRUE(p.casete.empty());
    EXPECT_EQ(set.modificat, 0);

    // Names in the question come from Windows-1252.
    std::strcpy(set.materiale[2].nume, "LAK\xE9");
    p.raspunde(raspuns::IDNO);
    ImportaInMaterialCurent(p, nullptr, 40057, set, 2);
    EXPECT_EQ(p.ultima().text, "Importati n,k din LAK\xC3\xA9 in F2");
}

}  // namespace
}  // namespace vitramor
