// The substrate export and its verification over a real glass directory and
// export directory, with every box the user would see.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "export/ExportFixture.h"
#include "export/ExportSubstrat.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::test;
namespace fs = std::filesystem;

namespace {

constexpr const char* Nume = "SubstrateMaterials.json";

// PATH for one test, put back afterwards.
class CaleCautare {
public:
    explicit CaleCautare(const std::string& valoare) {
        if (const char* v = std::getenv("PATH")) vechi_ = v;
        ::setenv("PATH", valoare.c_str(), 1);
    }
    ~CaleCautare() { ::setenv("PATH", vechi_.c_str(), 1); }

private:
    std::string vechi_;
};

class Export : public ExportFixture {
protected:
    Export() { glass.write("sticleNou32.dat", databaseOf({Complet("A"), Complet("B"), namedRecord("C", 3)})); }

    Json document() {
        Json d(cJSON_Parse(mlFile(Nume).c_str()));
        EXPECT_NE(d, nullptr);
        return d;
    }

    TestDir bin;
    CaleCautare cale{bin.str()};  // no editor unless a test puts one there
};

TEST_F(Export, ANewFileIsCreatedInListOrderAndOpenedInTheEditorOnTheSearchPath) {
    bin.write("notepad++", "#!/bin/sh\n");
    ::chmod((bin / "notepad++").c_str(), 0755);
    p.raspunde(raspuns::IDYES);
    const auto r =
        ExportaSticleSubstrat(p, nullptr, {path_sticle, path_machine_learning}, {"B\tcode\t1.5\t0", "A\t\t-\t0"}, 2);
    EXPECT_TRUE(r.documentFolosit);
    EXPECT_TRUE(r.trecereCompleta);
    EXPECT_TRUE(r.salvat);
    EXPECT_EQ(Chei(document().get()), (std::vector<std::string>{"B", "A"}));
    ASSERT_EQ(p.casete.size(), 1u);  // no archive box for a new file
    EXPECT_EQ(p.casete[0].numar, 41);
    EXPECT_EQ(p.casete[0].style, 36u);
    EXPECT_EQ(p.documenteDeschise, std::vector<std::string>{(bin / "notepad++").string() + " " + Nume + " @" +
                                                            path_machine_learning});
}

TEST_F(Export, AnExistingFileIsArchivedAndKeptMaterialsStayWhereTheyWere) {
    writeMl(Nume, R"({"A": {"old": true}, "Z": {}})");
    p.raspunde({raspuns::IDNO, raspuns::IDYES});  // keep the old A; open the file
    const auto r = ExportaSticleSubstrat(p, nullptr, {path_sticle, path_machine_learning}, {"A\t", "B\t"}, 2);
    EXPECT_TRUE(r.salvat);
    Json d = document();
    EXPECT_EQ(Chei(d.get()), (std::vector<std::string>{"A", "Z", "B"}));
    EXPECT_TRUE(cJSON_IsTrue(cJSON_GetObjectItemCaseSensitive(cJSON_GetObjectItemCaseSensitive(d.get(), "A"), "old")));
    EXPECT_EQ(mlFile("SubstrateMaterials#_0.json"), R"({"A": {"old": true}, "Z": {}})");
    EXPECT_EQ(p.texte(), (std::vector<std::string>{"Materialul A este in fisierul SubstrateMaterials.json\nScriem peste?",
                                                   "S-a creat fisierul arhiva SubstrateMaterials#_0.json",
                                                   p.casete[2].text}));
    EXPECT_EQ(p.casete[2].numar, 41);
    // Without an editor on the search path the file goes to the system's
    // association for .json files.
    EXPECT_EQ(p.documenteDeschise,
              std::vector<std::string>{path_machine_learning + "/" + Nume + " @" + path_machine_learning});
}

TEST_F(Export, AFailedLineEndsThePassAndWhatCameBeforeIsSaved) {
    struct Caz {
        const char* nume;
        std::vector<std::string> linii;
        std::vector<std::string> casete;  // the catalogue library's own
        std::string motiv;
    } cazuri[] = {
        {"a line without a tab", {"A\t", "no tab here", "B\t"}, {}, "no tab here"},
        {"a name not in the database",
         {"A\t", "MISSING\t", "B\t"},
         {"Materialul MISSING nu exista in " + glass.str() + "/sticleNou32.dat"},
         "eroare cautare material MISSING"},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.nume);
        fs::remove_all(path_machine_learning);
        p.casete.clear();
        p.raspunde(raspuns::IDNO);
        const auto r = ExportaSticleSubstrat(p, nullptr, {path_sticle, path_machine_learning}, c.linii, 2);
        EXPECT_FALSE(r.trecereCompleta);
        EXPECT_TRUE(r.salvat);
        EXPECT_EQ(r.motiv, c.motiv);
        EXPECT_EQ(Chei(document().get()), std::vector<std::string>{"A"});
        ASSERT_EQ(p.casete.size(), c.casete.size() + 1);
        for (std::size_t i = 0; i < c.casete.size(); ++i) EXPECT_EQ(p.casete[i].text, c.casete[i]);
        EXPECT_EQ(p.casete.back().numar, 41);
        EXPECT_TRUE(p.documenteDeschise.empty());
    }
}

TEST_F(Export, AFileThatCannotBeLoadedIsLeftAsItIs) {
    const struct {
        std::string continut, mesaj;
    } cazuri[] = {{"{\"A\": trunc", "Eroare IncarcaInMemorieFisierJSON()"},
                  {"[\"an array\", 1, 2]", "contine o lista [...] de 3 elemente, nu un obiect JSON cu materiale"},
                  {"[]", "contine o lista [...] de 0 elemente, nu un obiect JSON cu materiale"}};
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.continut);
        writeMl(Nume, c.continut);
        p.casete.clear();
        const auto r = ExportaSticleSubstrat(p, nullptr, {path_sticle, path_machine_learning}, {"A\t"}, 2);
        EXPECT_FALSE(r.documentFolosit);
        EXPECT_FALSE(r.salvat);
        EXPECT_EQ(mlFile(Nume), c.continut);
        EXPECT_FALSE(mlExists("SubstrateMaterials#_0.json"));
        EXPECT_TRUE(p.casete.empty());
        EXPECT_NE(r.motiv.find(c.mesaj), std::string::npos) << r.motiv;
    }
}

TEST_F(Export, NothingSelectedOnlyMakesTheDirectoryAndABlockedDirectoryStopsEverything) {
    EXPECT_FALSE(ExportaSticleSubstrat(p, nullptr, {path_sticle, path_machine_learning}, {}, 2).documentFolosit);
    EXPECT_TRUE(fs::is_directory(path_machine_learning));
    EXPECT_FALSE(mlExists(Nume));
    EXPECT_TRUE(p.casete.empty());

    glass.write("blocker", "a file where a directory should be");
    path_machine_learning = (glass.path() / "blocker" / "ML").string();
    const auto r = ExportaSticleSubstrat(p, nullptr, {path_sticle, path_machine_learning}, {"A\t"}, 2);
    EXPECT_FALSE(r.documentFolosit);
    EXPECT_FALSE(r.motiv.empty());
    EXPECT_TRUE(p.casete.empty());
}

// The filtered list itself is driven through the export dialog's test.
TEST_F(Export, AListWithoutADatabaseIsReported) {
    fs::remove(glass / "sticleNou32.dat");
    std::vector<std::string> linii;
    std::string motiv;
    EXPECT_NE(IncarcaListaSticleSubstrat(nullptr, path_sticle, 2, "*", linii, motiv), 0);
    EXPECT_EQ(motiv.rfind("Eroare la incarcarea listei cu sticle, cod eroare: ", 0), 0u);
}

TEST(VerificareSubstrat, EachMissingValueAddsItsLabelInAFixedOrder) {
    struct Caz {
        const char* nume;
        std::function<void(MaterialOptic&)> schimba;
        std::string lipsuri;
    } cazuri[] = {
        {"complete", [](MaterialOptic&) {}, ""},
        {"Knoop and Tg", [](MaterialOptic& m) { m.duritate_knoop = 0; m.temperaturi[0] = 0; },
         "Knoop hardness\tTg\t"},
        {"negative counts as missing", [](MaterialOptic& m) { m.modul_young = -1; }, "Young's module\t"},
        {"density and LIDT are not checked",
         [](MaterialOptic& m) { m.densitate = 0; m.lidt[0] = 0; }, ""},
        {"chemistry only through the toxicity class",
         [](MaterialOptic& m) { m.stabilitate_chimica[0] = 0; m.clasa_toxicitate = 2; }, ""},
        {"chemistry from slot 8", [](MaterialOptic& m) { m.stabilitate_chimica[0] = 0; m.stabilitate_chimica[8] = 1; },
         ""},
        {"no chemistry", [](MaterialOptic& m) { m.stabilitate_chimica[0] = 0; }, "stabilitateChimica\t"},
        {"everything", [](MaterialOptic& m) { m = namedRecord("X"); },
         "Knoop hardness\tYoung's module\tPoisson ratio\tcoef_slefuire\tHeat capacity\tHeat conductivity\t"
         "dilatare\tTg\tstabilitateChimica\t"},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.nume);
        MaterialOptic m = Complet("X");
        c.schimba(m);
        EXPECT_EQ(LipsuriMaterialSubstrat(m), c.lipsuri);
    }
}

TEST_F(Export, VerificationRewritesIncompleteLinesAndStopsAtAFailure) {
    MaterialOptic b = Complet("B");
    b.duritate_knoop = 0;
    b.temperaturi[0] = 0;
    glass.write("sticleNou32.dat", databaseOf({Complet("A"), b}));
    std::vector<std::string> linii{"A\tc\t1.5\t0", "B\tc\t1.6\t0", "GONE\t", "A\tagain"};
    std::string motiv;
    EXPECT_EQ(VerificaSticleSubstrat(nullptr, path_sticle, linii, 2, motiv), 2u);
    EXPECT_EQ(linii, (std::vector<std::string>{"A\tc\t1.5\t0", "B\tKnoop hardness\tTg\t", "GONE\t", "A\tagain"}));
    EXPECT_EQ(motiv, "eroare cautare material GONE");
    EXPECT_EQ(p.casete.size(), 1u);  // the library's own, about GONE
}

}  // namespace
