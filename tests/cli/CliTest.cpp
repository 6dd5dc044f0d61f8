// vitramor-cli as a user runs it: the real program on real files, with its
// output streams and exit status checked.
#include <cstdlib>
#include <sstream>

#include "cli/CliFixture.h"
#include "explorare/SticleCatalog.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using Cli = CliFixture;

TEST_F(Cli, ListShowsOneLinePerRecordInFileOrderOfTheChosenFile) {
    dir.write("sticleNou32.dat", databaseOf({namedRecord("B", 2), namedRecord("A", 3)}));
    dir.write("CategoriiMaterial.txt", "; categories\nCrown\tx\nFlint\n");
    const Rezultat r = ruleaza("list");
    EXPECT_EQ(r.cod, 0) << r.err;
    EXPECT_EQ(r.out, "B\tShott Mainz\tCrown\nA\tHoya\tCrown\n");

    // --db names another file of the glass directory.
    dir.write("other.dat", databaseOf({namedRecord("X", 3)}));
    EXPECT_EQ(ruleaza("--db other.dat list").out.substr(0, 7), "X\tHoya\t");
}

TEST_F(Cli, ShowPrintsTheRecordAsJsonAndFailsForAnUnknownName) {
    dir.write("sticleNou32.dat", databaseOf({NBK7()}));
    Rezultat r = ruleaza("show N-BK7");
    ASSERT_EQ(r.cod, 0) << r.err;
    EXPECT_NE(r.out.find("\"nume\":\t\"N-BK7\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("0.00600069867"), std::string::npos);

    r = ruleaza("show NOPE");
    EXPECT_EQ(r.cod, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("NOPE"), std::string::npos) << r.err;
}

TEST_F(Cli, EvalPrintsWavelengthStatusAndValue) {
    MaterialOptic bk7 = NBK7();
    bk7.coef_disp_k[0] = -0.5;  // a constant k equation (code 0) that is negative
    dir.write("sticleNou32.dat", databaseOf({bk7}));
    Rezultat r = ruleaza("eval N-BK7 587.5618 1000");
    ASSERT_EQ(r.cod, 0) << r.err;
    std::istringstream linii(r.out);
    std::string linie;
    std::getline(linii, linie);
    EXPECT_EQ(linie.substr(0, 12), "587.562\t0\t1.");
    EXPECT_NEAR(std::strtod(linie.c_str() + 10, nullptr), 1.51680, 1e-5);
    std::getline(linii, linie);
    EXPECT_EQ(linie.substr(0, 7), "1000\t0\t");

    // k from a constant equation that is negative: clamped to 0, status 0.
    r = ruleaza("eval --k N-BK7 500");
    EXPECT_EQ(r.out, "500\t0\t0\n");
}

TEST_F(Cli, StoreReplacesByNameAndIgnoresATrailingFragment) {
    MaterialOptic vechi = namedRecord("A", 2);
    vechi.densitate = 1.0f;
    dir.write("sticleNou32.dat", databaseOf({vechi, namedRecord("B", 2)}));
    MaterialOptic nou = vechi;
    nou.densitate = 2.5f;
    const Rezultat r = ruleaza("store " + fisier("in.dat", databaseOf({nou, namedRecord("C", 3)}) + "xyz"));
    EXPECT_EQ(r.cod, 0) << r.err;
    EXPECT_EQ(dir.read("sticleNou32.dat"), databaseOf({nou, namedRecord("B", 2), namedRecord("C", 3)}));
    EXPECT_NE(r.err.find("3 octeti"), std::string::npos) << r.err;
}

TEST_F(Cli, DeleteCleanAndDeleteAllKeepArchives) {
    const MaterialOptic a = namedRecord("A"), b = namedRecord("B");
    const struct {
        const char* comanda;
        std::string inainte, dupa;
    } cazuri[] = {
        {"delete A", databaseOf({a, b, a}), databaseOf({b, a})},
        {"delete --all A", databaseOf({a, b, a}), databaseOf({b})},
        {"clean", databaseOf({namedRecord(""), b}), databaseOf({b})},
    };
    for (const auto& c : cazuri) {
        dir.write("sticleNou32.dat", c.inainte);
        EXPECT_EQ(ruleaza(c.comanda).cod, 0) << c.comanda;
        EXPECT_EQ(dir.read("sticleNou32.dat"), c.dupa) << c.comanda;
    }
    EXPECT_EQ(dir.read("sticleNou32#_0.dat"), databaseOf({a, b, a}));
}

TEST_F(Cli, QuestionsNeedAnAnswerOrEndWithStatus3) {
    const std::string db = databaseOf({namedRecord("A", 4), namedRecord("B", 2)});
    dir.write("sticleNou32.dat", db);

    Rezultat r = ruleaza("delete-producer --ask 4");
    EXPECT_EQ(r.cod, 3);
    EXPECT_NE(r.err.find("ATENTIE !: Stergeti materialul A?"), std::string::npos) << r.err;
    EXPECT_EQ(dir.read("sticleNou32.dat"), db);

    r = ruleaza("--no delete-producer --ask 4");
    EXPECT_EQ(r.cod, 0);
    EXPECT_EQ(r.out, "S-au sters 0 materiale\n");

    r = ruleaza("--yes delete-producer --ask 4");
    EXPECT_EQ(r.out, "S-au sters 1 materiale\n");
    EXPECT_EQ(dir.read("sticleNou32.dat"), databaseOf({namedRecord("B", 2)}));
}

// Every command's argument errors, checked before any file is touched.
TEST_F(Cli, WrongUsageEndsWithStatus2AndAUsageText) {
    dir.write("sticleNou32.dat", databaseOf({namedRecord("N-BK7", 2)}));
    optiuni = "--ml-dir '" + lucru.str() + "'";
    for (const char* gresit :
         {"", "frobnicate", "show", "eval N-BK7", "eval N-BK7 abc", "delete-producer 99", "show SIXTEEN_CHARACTER",
          "show Sticl\xC4\x83" /* no Windows-1252 byte */,
          "--db", "list extra", "import-schott", "import-schott a b", "export-json", "export-json --producer",
          "export-json --producer 15", "export-json --producer x", "export-json --producer 2 NAME_LONGER_THAN_15",
          "verify --producer 2 --filter 0123456789abcdef", "verify --producer 2 --frobnicate",
          "check --n-precision", "check --n-precision -1", "check --k-precision x", "check --frobnicate", "report",
          "report A B", "propose-ranges", "propose-ranges 16", "propose-ranges two"}) {
        const Rezultat r = ruleaza(gresit);
        EXPECT_EQ(r.cod, 2) << gresit;
        EXPECT_NE(r.err.find("usage: vitramor-cli [OPTIONS] "), std::string::npos) << gresit << ": " << r.err;
        EXPECT_EQ(dir.files(), std::vector<std::string>{"sticleNou32.dat"}) << gresit;
    }
    // The manual page names every command the program knows.
    const std::string manual = readFile(VITRAMOR_SOURCE_DIR "/packaging/vitramor-cli.1");
    const Rezultat ajutor = ruleaza("--help");
    std::istringstream linii(ajutor.out + ajutor.err);
    bool comenzi = false;
    for (std::string linie; std::getline(linii, linie);) {
        if (linie == "commands:") comenzi = true;
        if (!comenzi || linie.rfind("  ", 0) != 0) continue;
        std::string nume = linie.substr(2, linie.find(' ', 2) - 2), scris;
        for (char c : nume) scris += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_TRUE(manual.find(" " + scris + " ") != std::string::npos ||
                    manual.find(" " + scris + "\n") != std::string::npos)
            << nume;
    }
    EXPECT_TRUE(comenzi);
}

}  // namespace
