// Every command that changes data tells the truth about it: an input with
// nothing usable fails (exit 1, database as it was), one where every item
// is refused fails the same way, one refused item among good ones is partly
// done (exit 4, the good ones stored, the refused one named).
#include <limits>

#include "cli/CliFixture.h"
#include "import/AgfTestData.h"
#include "import/SchottTestData.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using RezultatCli = CliFixture;

std::string Nefizic(const char* nume) {
    MaterialOptic m = namedRecord(nume);
    m.densitate = std::numeric_limits<float>::quiet_NaN();
    return databaseOf({m});
}

TEST_F(RezultatCli, EmptyAllRefusedAndPartlyRefusedInputs) {
    auto schottTaiat = LiniiBloc(F2());
    schottTaiat.resize(40);
    const struct Caz {
        const char* comanda;  // %s is the input file
        const char* fisier;
        std::string continut;
        int iesire;
        const char* spus;
        std::size_t recorduri;
    } cazuri[] = {
        {"store %s", "gol.dat", "", 1, "nu contine nicio inregistrare intreaga", 0},
        {"store %s", "nan.dat", Nefizic("NAN"), 1, "Refuzat NAN: densitate = nan: nu este un numar finit", 0},
        {"store %s", "mixt.dat", databaseOf({namedRecord("BUN")}) + Nefizic("NAN"), 4, "Refuzat NAN: densitate", 1},
        {"import-db %s", "gol.dat", "", 1, "nu contine nicio inregistrare intreaga", 0},
        {"import-db %s", "nan.dat", Nefizic("NAN"), 1, "Refuzat NAN: densitate = nan", 0},
        {"import-db %s", "mixt.dat", Nefizic("NAN") + databaseOf({namedRecord("BUN")}), 4, "1 noi", 1},
        {"import-agf --producer 2 %s", "gol.agf", "", 1, "nu contine nicio sticla (nicio linie NM)", 0},
        {"import-agf --producer 2 %s", "bom.agf", "\xEF\xBB\xBF", 1, "nu contine nicio sticla", 0},
        {"import-agf --producer 2 %s", "nul.agf", std::string(64, '\0'), 1, "nu contine nicio sticla", 0},
        {"import-agf --producer 2 %s", "retrase.agf", BK7SchottAgf, 1, "sunt retrase (obsolete)", 0},
        {"import-agf --producer 2 %s", "rau.agf", "NM BAD 2 0 1.5 60 0 0\n", 1, "Refuzat BAD: linia 1", 0},
        {"import-text 4 %s", "fara.txt", "h\nh\n0\t5168\tK-OFF\n", 1, "Refuzat K-OFF: prima coloana nu este", 0},
        {"import-text 3 %s", "gol.txt", "h1\nh2\n", 1, "nu contine nicio sticla", 0},
        {"import-schott %s", "gol.sch", "", 1, "nu contine nicio sticla", 0},
        {"import-schott %s", "taiat.sch", TextLinii(schottTaiat), 1, "Refuzat F2: fisierul", 0},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(std::string(c.comanda) + " " + c.fisier);
        dir.write("sticleNou32.dat", "");
        char comanda[256];
        std::snprintf(comanda, sizeof comanda, c.comanda, fisier(c.fisier, c.continut).c_str());
        const Rezultat r = ruleaza(comanda);
        EXPECT_EQ(r.cod, c.iesire) << r.err;
        EXPECT_NE(r.err.find(c.spus), std::string::npos) << r.err;
        EXPECT_EQ(recorduri().size(), c.recorduri);
    }
}

// A selection is checked whole before anything is stored.
TEST_F(RezultatCli, ARepeatedOrMissingEntryIsRefusedBeforeAnythingIsStored) {
    const std::string agf = fisier("s.agf", std::string(NBK7Agf) + F2Agf);
    lucru.write("a.dat", databaseOf({namedRecord("A"), namedRecord("B")}));
    const std::string db = "'" + (lucru / "a.dat").string() + "'";
    for (const std::string& comanda : {"import-agf --producer 2 --select 0,0 " + agf, "import-db --select 0,0,0 " + db,
                                       "import-db --select 1,2 " + db}) {
        const Rezultat r = ruleaza(comanda);
        EXPECT_EQ(r.cod, 2) << comanda;
        EXPECT_NE(r.err.find(comanda.find(",2") != std::string::npos ? "\"2\"" : "entry 0 is given twice"),
                  std::string::npos)
            << r.err;
        EXPECT_TRUE(recorduri().empty());
    }
}

// Two makers, one name: a question, or the policy the command is given.
TEST_F(RezultatCli, ANameHeldByAnotherMakerIsAConflictNeverAReplacement) {
    dir.write("sticleNou32.dat", databaseOf({namedRecord("F2", 6)}));
    const std::string agf = fisier("SCHOTT.agf", std::string(NBK7Agf) + F2Agf);
    const Rezultat intreaba = ruleaza("import-agf " + agf);
    EXPECT_EQ(intreaba.cod, 3);
    EXPECT_EQ(recorduri().size(), 1u);
    const Rezultat da = ruleaza("--yes import-agf " + agf);
    EXPECT_EQ(da.cod, 0) << da.err;
    EXPECT_NE(da.err.find("F2 (Shott Mainz) a fost salvat ca F2_2"), std::string::npos) << da.err;
    EXPECT_EQ(recorduri().size(), 3u);
    const Rezultat sari = ruleaza("import-agf --on-conflict skip " + agf);
    EXPECT_NE(sari.err.find("0 noi, 1 actualizate, 0 redenumite, 1 sarite"), std::string::npos) << sari.err;
    EXPECT_EQ(ruleaza("import-agf --on-conflict keep " + agf).cod, 2);
    EXPECT_EQ(recorduri()[0].producator, 6);
}

}  // namespace
