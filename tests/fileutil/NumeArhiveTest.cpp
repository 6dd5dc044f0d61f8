#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "fileutil/UtilitatiFisiere.h"
#include "support/PlatformaScriptata.h"
#include "support/TestDir.h"

using namespace vitramor;
using vitramor::test::TestDir;

namespace {

struct ArchiveNames : ::testing::Test {
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    TestDir d;
};

}  // namespace

TEST_F(ArchiveNames, ExtensionAndNameWithoutExtension) {
    struct Case {
        const char* path;
        bool ok;
        const char* extension;
        const char* withoutExtension;
    };
    const Case cases[] = {
        {"sticleNou32.dat", true, "dat", "sticleNou32"},
        {"/a/b/archive.tar.gz", true, "gz", "/a/b/archive.tar"},
        {"dir.d/noext", false, "", "dir.d/noext"},  // a dot in a directory is not an extension
        {".hidden", false, "", ".hidden"},
        {"trailing.", false, "", "trailing"},
        {"x.abcdefghijklmno", true, "abcdefghijklmno", "x"},  // 15 characters: the longest allowed
        {"x.abcdefghijklmnop", false, "", "x"},              // 16 characters
    };
    for (const Case& c : cases) {
        p.casete.clear();
        std::string ext = "junk";
        EXPECT_EQ(ReturneazaExtensieFisier(c.path, ext, 15), c.ok ? 1 : 0) << c.path;
        EXPECT_EQ(ext, c.extension) << c.path;
        EXPECT_EQ(NumeFaraExtensie(c.path), c.withoutExtension) << c.path;
        EXPECT_TRUE(p.casete.empty()) << c.path;
    }
}

TEST_F(ArchiveNames, FirstFreeIndexIsTaken) {
    const std::string db = (d / "db.dat").string();
    std::string name;
    ASSERT_FALSE(CreazaNumeFisierArhiva(db, name, 20).esuat());
    EXPECT_EQ(name, (d / "db#_0.dat").string());

    d.write("db#_0.dat", "a");
    d.write("db#_1.dat", "b");
    d.write("db#_3.dat", "c");
    ASSERT_FALSE(CreazaNumeFisierArhiva(db, name, 20).esuat());
    EXPECT_EQ(name, (d / "db#_2.dat").string());
    EXPECT_TRUE(p.casete.empty());

    // A file without an extension has no archive name, and says so.
    EXPECT_EQ(CreazaNumeFisierArhiva("/tmp/noext", name, 20).motiv,
              "Eroare ReturneazaExtensieFisier() ptr. /tmp/noext, lungime max. extensie 15");
    EXPECT_EQ(name, "");
    EXPECT_TRUE(p.casete.empty());
}

// With the limit reached, the archive created last goes: here index 7 is
// made last on purpose, so neither the highest index nor directory order
// would find it by accident.
TEST_F(ArchiveNames, NewestArchiveIsDeletedPastTheLimitThenIndexZeroIsReused) {
    for (int i = 0; i <= 20; ++i)
        if (i != 7) d.write("db#_" + std::to_string(i) + ".dat", "archive " + std::to_string(i));
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    d.write("db#_7.dat", "archive 7");

    const std::string db = (d / "db.dat").string();
    const std::string tmp = (d / "3.tmp").string();
    d.write("db.dat", "OLD");
    d.write("3.tmp", "NEW");
    ASSERT_FALSE(InlocuiesteFisierCuTemporar(db, tmp).esuat());

    ASSERT_EQ(p.casete.size(), 2u);
    EXPECT_EQ(p.casete[0].text, "Index > 20. S-a sters fisierul arhiva " + (d / "db#_7.dat").string());
    EXPECT_EQ(p.casete[0].caption, "CreazaNumeFisierArhiva()");
    EXPECT_EQ(p.casete[1].text, "S-a creat fisierul arhiva db#_21.dat");
    EXPECT_FALSE(d.exists("db#_7.dat"));
    EXPECT_EQ(d.read("db#_21.dat"), "OLD");
    EXPECT_EQ(d.read("db.dat"), "NEW");
    EXPECT_FALSE(d.exists("3.tmp"));

    // Index 0 freed: the next archive takes it, before the gap at 7.
    std::filesystem::remove(d / "db#_0.dat");
    d.write("3.tmp", "NEWER");
    p.casete.clear();
    ASSERT_FALSE(InlocuiesteFisierCuTemporar(db, tmp).esuat());
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].text, "S-a creat fisierul arhiva db#_0.dat");
    EXPECT_EQ(d.read("db#_0.dat"), "NEW");
    EXPECT_EQ(d.read("db.dat"), "NEWER");
}

TEST_F(ArchiveNames, CopyIntoArchiveLeavesTheFile) {
    std::string big(3 << 20, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 % 251);
    d.write("x.json", big);
    d.write("x#_0.json", "older");
    const RezultatOperatie r = CopiazaInArhiva((d / "x.json").string(), 20);
    ASSERT_FALSE(r.esuat());
    EXPECT_EQ(d.read("x#_1.json"), big);
    EXPECT_EQ(d.read("x.json"), big);
    EXPECT_EQ(r.motiv, "S-a creat fisier arhiva " + (d / "x#_1.json").string());
    EXPECT_TRUE(p.casete.empty());
}
