// vitramor-cli export-json and verify, run as a user runs them: the real
// program on real files, with its streams, exit status and the document it
// leaves in the export directory.
#include "cli/CliFixture.h"
#include "export/ExportFixture.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class ExportCli : public CliFixture {
protected:
    TestDir ml;

    ExportCli() {
        optiuni = "--ml-dir '" + ml.str() + "'";
        MaterialOptic b = Complet("BAK1");
        b.duritate_knoop = 0;
        b.temperaturi[0] = 0;
        dir.write("sticleNou32.dat", databaseOf({Complet("BK7"), b, Complet("FK5", 3)}));
    }

    std::vector<std::string> chei() const {
        return Chei(Json(cJSON_Parse(ml.read("SubstrateMaterials.json").c_str())).get());
    }
};

TEST_F(ExportCli, ExportsEveryMaterialOfTheProducerAndAsksToOpenTheFile) {
    const Rezultat r = ruleaza("--yes export-json --producer 2");
    EXPECT_EQ(r.cod, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(chei(), (std::vector<std::string>{"BK7", "BAK1"}));
    EXPECT_NE(r.err.find("message 41: "), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("S-a creat fisierul arhiva"), std::string::npos) << r.err;

    // Without --yes the offer to open the file is answered No without asking.
    const Rezultat fara = ruleaza("export-json --producer 3");
    EXPECT_EQ(fara.cod, 0) << fara.err;
    EXPECT_NE(fara.err.find("message 41: "), std::string::npos) << fara.err;
    EXPECT_EQ(chei(), (std::vector<std::string>{"BK7", "BAK1", "FK5"}));
}

TEST_F(ExportCli, AnExistingMaterialIsKeptWithNoAndTheOldFileIsArchived) {
    ASSERT_EQ(ruleaza("--no export-json --producer 2 BAK1").cod, 0);
    const std::string inainte = ml.read("SubstrateMaterials.json");
    const Rezultat r = ruleaza("--no export-json --producer 2 BAK1 BK7");
    EXPECT_EQ(r.cod, 0) << r.err;
    EXPECT_NE(r.err.find("ATENTIE!: Materialul BAK1 este in fisierul SubstrateMaterials.json\nScriem peste?"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("S-a creat fisierul arhiva SubstrateMaterials#_0.json"), std::string::npos) << r.err;
    EXPECT_EQ(ml.read("SubstrateMaterials#_0.json"), inainte);
    EXPECT_EQ(chei(), (std::vector<std::string>{"BAK1", "BK7"}));
}

// A document that is no object of materials is left alone, and said so once.
TEST_F(ExportCli, ADocumentOfAnotherShapeFailsWithItsReasonOnce) {
    ml.write("SubstrateMaterials.json", "[1, 2, 3, 4, 5]");
    const Rezultat r = ruleaza("--yes export-json --producer 2");
    EXPECT_EQ(r.cod, 1);
    const std::size_t i = r.err.find("nu un obiect JSON cu materiale");
    EXPECT_NE(i, std::string::npos) << r.err;
    EXPECT_EQ(i, r.err.rfind("nu un obiect JSON cu materiale"));
}

TEST_F(ExportCli, NamesMustBeAmongTheProducersMaterials) {
    for (const char* argumente : {"--yes export-json --producer 2 FK5", "--yes export-json --producer 2 --filter 'B*' ZZ",
                                  "verify --producer 2 --filter 'F*' BK7"}) {
        SCOPED_TRACE(argumente);
        const Rezultat r = ruleaza(argumente);
        EXPECT_EQ(r.cod, 1);
        EXPECT_NE(r.err.find("is not a material of producer 2"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(ml.exists("SubstrateMaterials.json"));
    }
}

TEST_F(ExportCli, VerifyPrintsEachLineAsTheWindowShowsIt) {
    Rezultat r = ruleaza("verify --producer 2");
    EXPECT_EQ(r.cod, 0) << r.err;
    EXPECT_EQ(r.out, "BK7\t\t-\t0\nBAK1\tKnoop hardness\tTg\t\n");

    r = ruleaza("verify --producer 2 --filter 'bak*'");
    EXPECT_EQ(r.out, "BAK1\tKnoop hardness\tTg\t\n");
    r = ruleaza("verify --producer 2 BAK1 BK7");
    EXPECT_EQ(r.out, "BAK1\tKnoop hardness\tTg\t\nBK7\t\t-\t0\n");
    r = ruleaza("verify --producer 7");
    EXPECT_EQ(r.cod, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(ml.exists("SubstrateMaterials.json"));
}

// One name, three ways in: the list, show and the export all meet the
// record's Windows-1252 bytes, and exporting twice keeps one member.
TEST_F(ExportCli, AnAccentedNameIsListedFoundAndExportedOnce) {
    const std::string octeti = "Sticl\xE2-\xB5\xCE", utf8 = "Sticlâ-µÎ";
    EXPECT_EQ(ruleaza("store " + fisier("m.dat", databaseOf({Complet(octeti)}))).cod, 0);
    EXPECT_NE(ruleaza("list").out.find("\n" + utf8 + "\t"), std::string::npos);
    const Rezultat show = ruleaza("show '" + utf8 + "'");
    cJSON* json = cJSON_Parse(show.out.c_str());
    EXPECT_STREQ(cJSON_GetStringValue(cJSON_GetObjectItem(json, "nume")), utf8.c_str()) << show.err;
    cJSON_Delete(json);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(ruleaza("--yes export-json --producer 2 '" + utf8 + "'").cod, 0);
    EXPECT_EQ(chei(), std::vector<std::string>{octeti});
    locala = "C";  // a terminal that is not UTF-8 gets the bytes
    EXPECT_NE(ruleaza("list").out.find("\n" + octeti + "\t"), std::string::npos);
}

}  // namespace
