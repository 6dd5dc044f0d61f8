// Loading and saving JSON files: every refusal with its own words and the
// archive copy of the previous file. Hostile bytes are the json fuzz harness's.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <optional>

#include "export/ExportFixture.h"
#include "export/FisierJson.h"
#include "suite/Vedora.h"
#include "support/DefectFisiere.h"

using namespace vitramor;
using namespace vitramor::test;
namespace fs = std::filesystem;

namespace {

constexpr const char* Nume = "SubstrateMaterials.json";

class Store : public ExportFixture {
protected:
    Store() { fs::create_directories(path_machine_learning); }

    struct Incarcare {
        int rezultat;
        Json arbore;
        std::uint64_t marime;
        std::string motiv;
    };
    Incarcare load(const std::string& name = Nume) {
        cJSON* a = reinterpret_cast<cJSON*>(0x1);  // cleared by the loader
        std::uint64_t m = 12345;
        std::string motiv;
        const int r = IncarcaInMemorieFisierJSON(path_machine_learning, name, a, m, motiv);
        return {r, Json(a), m, motiv};
    }
    std::string in(const std::string& text) const { return text + Nume + " din " + path_machine_learning; }
};

// Short files may hold any value, longer ones must be an object or array;
// a refusal is the caller's to tell, in the words of its numbered message.
TEST_F(Store, EachFileIsLoadedOrRefusedInItsOwnWords) {
    const std::string lipsa =
        std::string("Fisierul ") + Nume + " nu exista in " + path_machine_learning + ", sau nu are date";
    struct Caz {
        const char* nume;
        std::optional<std::string> continut;  // none: no file
        int tip;                              // the loaded tree's type, or 0: refused
        std::string motiv;                    // why it was refused
    } cazuri[] = {
        {"missing", std::nullopt, 0, lipsa},
        {"empty", "", 0, lipsa},
        {"truncated", R"({"A": {"metadata": {"manufacturer_code": 2,)", 0, in("Eroare cJSON_Parse(): fisierul ")},
        {"garbage", "not json at all", 0, in("Eroare cJSON_Parse(): fisierul ")},
        {"bare number of 12 bytes", "123456789012", 0, in("Eroare cJSON_IsObject(): fisierul ")},
        {"string of 11 bytes", "\"abcdefghi\"", 0, in("Eroare cJSON_IsObject(): fisierul ")},
        {"NUL in the first line", std::string("{\"a\": 1}\0\n", 10), 0, ReturneazaMesajEroare({}, 799)},
        {"NUL at the start", std::string("\0{}\n", 4), 0, ReturneazaMesajEroare({}, 799)},
        {"object", "{}", cJSON_Object, ""},
        {"array", "[]", cJSON_Array, ""},
        {"number of 10 bytes", "1234567890", cJSON_Number, ""},
        {"true", "true", cJSON_True, ""},
        {"long array", "[1, 2, 3, 4, 5]", cJSON_Array, ""},
        {"NUL after the first line", std::string("{}\n\0 rest", 8), cJSON_Object, ""},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.nume);
        linii.clear();
        p.casete.clear();
        fs::remove(fs::path(path_machine_learning) / Nume);
        if (c.continut) writeMl(Nume, *c.continut);
        Incarcare r = load();
        EXPECT_EQ(r.rezultat, c.tip ? 1 : 0);
        if (c.tip) {
            ASSERT_NE(r.arbore, nullptr);
            EXPECT_EQ(r.arbore->type & 0xFF, c.tip);
        } else {
            EXPECT_EQ(r.arbore, nullptr);
            EXPECT_EQ(r.marime, c.continut ? c.continut->size() : 0u);
            EXPECT_EQ(r.motiv, c.motiv);
        }
        EXPECT_TRUE(linii.empty());
        EXPECT_TRUE(p.casete.empty());
    }
}

TEST_F(Store, AFileTooLargeToHoldIsRefusedAsOutOfMemory) {
    writeMl(Nume, "{\n");
    ASSERT_EQ(::truncate((fs::path(path_machine_learning) / Nume).c_str(),
                         static_cast<off_t>(MarimeMaximaFisierJson + 1)),
              0);
    Incarcare r = load();
    EXPECT_EQ(r.rezultat, 0);
    EXPECT_EQ(r.marime, MarimeMaximaFisierJson + 1);
    EXPECT_EQ(r.motiv, ReturneazaMesajEroare({}, 1));
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(Store, BytesAboveAsciiAreReadUnchanged) {
    writeMl(Nume, "{\"F\xE9\": {\"x\": \"\xE9\"}}\n");
    Incarcare r = load();
    ASSERT_EQ(r.rezultat, 1);
    EXPECT_STREQ(r.arbore->child->string, "F\xE9");
    EXPECT_STREQ(r.arbore->child->child->valuestring, "\xE9");
}

TEST_F(Store, SavingWritesTheFormattedTextAndArchivesThePreviousFile) {
    // A new file: no archive, and the tree is released on request.
    cJSON* a = cJSON_Parse(R"({"B": {"n": [1.5, 2]}, "A": null})");
    EXPECT_FALSE(SalveazaDateJsonInFisier(path_machine_learning, Nume, a, true).esuat());
    EXPECT_EQ(a, nullptr);
    const std::string primul = mlFile(Nume);
    EXPECT_EQ(primul, "{\n\t\"B\":\t{\n\t\t\"n\":\t[1.5, 2]\n\t},\n\t\"A\":\tnull\n}");
    EXPECT_TRUE(p.casete.empty());
    EXPECT_TRUE(linii.empty());
    EXPECT_EQ(fs::current_path(), cwd.saved());
    Incarcare r = load();
    ASSERT_EQ(r.rezultat, 1);
    EXPECT_EQ(Tiparit(r.arbore.get()), primul);

    // Over it: the old file goes to the next free archive copy; without the
    // release flag the tree is kept.
    writeMl("SubstrateMaterials#_0.json", "older");
    Json doc(cJSON_Parse(R"({"A": 1})"));
    a = doc.get();
    EXPECT_FALSE(SalveazaDateJsonInFisier(path_machine_learning, Nume, a, false).esuat());
    EXPECT_EQ(a, doc.get());
    EXPECT_EQ(mlFile("SubstrateMaterials#_1.json"), primul);
    EXPECT_EQ(mlFile("SubstrateMaterials#_0.json"), "older");
    EXPECT_EQ(mlFile(Nume), "{\n\t\"A\":\t1\n}");
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].text, "S-a creat fisierul arhiva SubstrateMaterials#_1.json");

    // An empty document archives the old file and writes none; no document does nothing.
    a = cJSON_CreateObject();
    EXPECT_FALSE(SalveazaDateJsonInFisier(path_machine_learning, Nume, a, true).esuat());
    EXPECT_FALSE(mlExists(Nume));
    EXPECT_EQ(mlFile("SubstrateMaterials#_2.json"), "{\n\t\"A\":\t1\n}");
    a = nullptr;
    EXPECT_FALSE(SalveazaDateJsonInFisier(path_machine_learning, Nume, a, true).esuat());
    EXPECT_FALSE(mlExists(Nume));
    EXPECT_FALSE(mlExists("SubstrateMaterials#_3.json"));
}

TEST_F(Store, AFaultAtAnyStepKeepsTheOldDocumentAndSaysWhy) {
    // The new text goes to a work file that is synced before the old file
    // is archived; whichever step fails, the old document stays in place.
    struct Caz {
        Pas pas;
        std::string motiv;
    } cazuri[] = {
        {Pas::Creare, ReturneazaMesajEroare({}, 8)},
        {Pas::Scriere, "Eroare fwrite(): cerut 11, scris 0"},
        {Pas::Sincronizare, "Eroare fwrite(): cerut 11, scris 0"},
        {Pas::PrimaRedenumire, ReturneazaMesajEroare({}, 1508)},
        {Pas::ADouaRedenumire, ReturneazaMesajEroare({}, 8)},
    };
    // A directory that cannot be entered fails before anything and still releases the tree.
    cJSON* a = cJSON_Parse(R"({"A": 1})");
    const std::string lipsa = path_machine_learning + "/missing";
    EXPECT_EQ(SalveazaDateJsonInFisier(lipsa, Nume, a, true).motiv.rfind("Eroare schimbare director " + lipsa, 0), 0u);
    EXPECT_EQ(a, nullptr);
    EXPECT_TRUE(p.casete.empty());
    EXPECT_FALSE(fs::exists(lipsa));

    const std::string vechi = "{\"Old\": 12345}";
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(NumePas(c.pas));
        fs::remove_all(path_machine_learning);
        fs::create_directories(path_machine_learning);
        writeMl(Nume, vechi);
        p.casete.clear();
        linii.clear();
        a = cJSON_Parse(R"({"A": 1})");
        {
            DefectFisiere defect(p, c.pas);
            EXPECT_EQ(SalveazaDateJsonInFisier(path_machine_learning, Nume, a, true).motiv, c.motiv);
        }
        EXPECT_EQ(a, nullptr);
        EXPECT_EQ(mlFile(Nume), vechi);
        EXPECT_EQ(std::distance(fs::directory_iterator(path_machine_learning), fs::directory_iterator()), 1);
        EXPECT_TRUE(p.casete.empty());
        EXPECT_TRUE(linii.empty());
        EXPECT_EQ(fs::current_path(), cwd.saved());
    }
}

}  // namespace
