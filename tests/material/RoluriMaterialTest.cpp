// Material roles: the packed role word and the attribute files the role
// names and descriptions come from.
#include <gtest/gtest.h>

#include "material/RoluriMaterial.h"
#include "support/PlatformaScriptata.h"
#include "support/RecordImage.h"
#include "support/TestDir.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct Roluri : ::testing::Test {
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    TestDir d;
};

// Words written as bytes, lowest first: 0x09070300 is 0, 3, 7, 9.
TEST_F(Roluri, AddingTakesTheFirstFreeSlotAndRefusesDuplicatesAndAFifthRole) {
    struct Caz {
        std::uint32_t inainte;
        int rol;
        int rezultat;
        std::uint32_t dupa;
        const char* mesaj;
    } cazuri[] = {
        {0x00000000, 5, 1, 0x00000005, nullptr},
        {0x00000703, 9, 1, 0x00090703, nullptr},
        {0x00000300, 7, 1, 0x00000307, nullptr},  // an unpacked word: byte 0 is free
        {0x00000703, 7, 0, 0x00000703, "Rolul deja exista"},
        {0x00000703, 0, 0, 0x00000703, "Rolul deja exista"},  // 0 meets a free slot
        {0x04030201, 5, 0, 0x04030201, "Nu mai sunt locuri. Maxim 4 roluri"},
        {0x04030201, 0, 0, 0x04030201, "Nu mai sunt locuri. Maxim 4 roluri"},
        {0x00000000, 256, 0, 0x00000000, "Rolul 256 nu poate fi memorat (maxim 255)"},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.rol);
        p.casete.clear();
        std::uint32_t cuvant = c.inainte;
        EXPECT_EQ(AdaugaRol(cuvant, c.rol), c.rezultat);
        EXPECT_EQ(cuvant, c.dupa);
        if (c.mesaj) {
            ASSERT_EQ(p.casete.size(), 1u);
            EXPECT_EQ(p.casete[0].text, c.mesaj);
            EXPECT_EQ(p.casete[0].caption, "");
            EXPECT_EQ(p.casete[0].style, 0u);
        } else {
            EXPECT_TRUE(p.casete.empty());
        }
    }
}

TEST_F(Roluri, RemovingMovesTheFollowingRolesUp) {
    struct Caz {
        std::uint32_t inainte;
        int pozitie;
        int rezultat;
        std::uint32_t dupa;
    } cazuri[] = {
        {0x00090703, 0, 1, 0x00000907},  // 3, 7, 9 -> 7, 9, 0, 0
        {0x00090703, 2, 1, 0x00000703},
        {0x04030201, 3, 1, 0x00030201},
        {0x04030201, 1, 1, 0x00040301},
        {0x00000703, 4, 0, 0x00000703},
        {0x00000703, -1, 0, 0x00000703},
    };
    for (const Caz& c : cazuri) {
        std::uint32_t cuvant = c.inainte;
        EXPECT_EQ(StergeRol(cuvant, c.pozitie), c.rezultat);
        EXPECT_EQ(cuvant, c.dupa) << c.pozitie;
    }
}

TEST_F(Roluri, TheAttributeFileFollowsTheProducer) {
    EXPECT_STREQ(FisierAtributeMaterial(namedRecord("E", 10)), "AtributMatEvap_ML.txt");
    EXPECT_STREQ(FisierAtributeMaterial(namedRecord("S", 2)), "AtributMatSubstrat_ML.txt");
    EXPECT_STREQ(FisierAtributeMaterial(namedRecord("S", 11)), "AtributMatSubstrat_ML.txt");
}

TEST_F(Roluri, DataLinesSkipCommentsAndEmptyLinesAndCutNamesAtTheTab) {
    const std::string lung(70, 'x');
    d.write("A.txt",
            "; comment\r\n"
            "  \\ another comment\r\n"
            "\t# and another\r\n"
            "\r\n"
            "zero\t0\tdescription zero\r\n"
            "\x01one\t1\r\n" +
                lung + "\t0\tlong\r\n"
                       "three\n");
    struct Caz {
        int numar;
        int rezultat;
        std::string nume;
        std::string descriere;
    } cazuri[] = {
        {0, 1, "zero", "description zero"},
        {1, 1, "one", ""},
        {2, 1, std::string(63, 'x'), "long"},
        {3, 1, "three", ""},
    };
    for (const Caz& c : cazuri) {
        std::string nume, descriere;
        EXPECT_EQ(NumeRol(d.str(), "A.txt", c.numar, nume, "?"), c.rezultat);
        EXPECT_EQ(nume, c.nume);
        EXPECT_EQ(DescriereRol(d.str(), "A.txt", c.numar, descriere), 1);
        EXPECT_EQ(descriere, c.descriere);
    }
    EXPECT_TRUE(p.casete.empty());

    std::string nume, descriere;
    EXPECT_EQ(NumeRol(d.str(), "A.txt", 4, nume, NumeRolLipsaDialog), 0);
    EXPECT_EQ(nume, "????????");
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].text, "In fisier A.txt nu exista inregistrarea 4");
    EXPECT_EQ(DescriereRol(d.str(), "A.txt", 4, descriere), 0);
    EXPECT_EQ(descriere, "????");

    // A file that cannot be read gives the placeholder without a box.
    p.casete.clear();
    EXPECT_EQ(NumeRol(d.str(), "missing.txt", 0, nume, NumeRolLipsaJson), -1);
    EXPECT_EQ(nume, "?????????");
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(Roluri, TheRoleListShowsEveryRoleAndTheFreeSlotOnce) {
    d.write("A.txt", "(liber)\t1\nSubstrat\t0\nLentila\t0\nFereastra\t0\nPrisma\t0\n");
    struct Caz {
        std::uint32_t cuvant;
        std::vector<std::string> linii;
        std::vector<int> sloturi;  // what removing each line removes
    } cazuri[] = {
        {0, {"(liber)"}, {-1}},
        {0x00000302, {"Lentila", "Fereastra", "(liber)"}, {0, 1, -1}},
        {0x01040302, {"Lentila", "Fereastra", "Prisma", "Substrat"}, {0, 1, 2, 3}},
        {0x04000200, {"(liber)", "Lentila", "Prisma"}, {-1, 1, 3}},
    };
    for (const Caz& c : cazuri) {
        EXPECT_EQ(LiniiListaRoluri(d.str(), "A.txt", c.cuvant), c.linii) << c.cuvant;
        EXPECT_EQ(SloturiListaRoluri(c.cuvant), c.sloturi) << c.cuvant;
    }
}

}  // namespace
