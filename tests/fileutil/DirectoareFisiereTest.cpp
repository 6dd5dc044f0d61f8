#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "fileutil/GardaDirectorCurent.h"
#include "fileutil/UtilitatiFisiere.h"
#include "support/PlatformaScriptata.h"
#include "support/TestDir.h"

using namespace vitramor;
using vitramor::test::CurrentDirGuard;
using vitramor::test::TestDir;
namespace fs = std::filesystem;

namespace {

struct Directories : ::testing::Test {
    CurrentDirGuard cwd;
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    TestDir d;
};

}  // namespace

TEST_F(Directories, AccessibleDirectoryIsFoundWithoutEnteringIt) {
    fs::create_directory(d / "sticle");
    d.write("file", "x");
    const struct {
        std::string cale;
        int rezultat;
        int cod;  // the reason reported, 0 for none
    } cazuri[] = {
        {(d / "sticle").string(), 1, 0},
        {(d / "STICLE").string(), 0, ENOENT},  // the case of the path counts
        {(d / "file").string(), 0, ENOTDIR},
        {"", 0, 0},
    };
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.cale);
        p.casete.clear();
        EXPECT_EQ(ExistaDirector(c.cale), c.rezultat);
        if (c.cod != 0) {
            EXPECT_EQ(DeCeDirectorInaccesibil(c.cale),
                      "Eroare schimbare director " + c.cale + ":\n" + std::strerror(c.cod));
        }
        EXPECT_TRUE(p.casete.empty());
        EXPECT_EQ(fs::current_path(), cwd.saved());
    }
    EXPECT_EQ(DirectorCurent(), cwd.saved().string());
}

TEST_F(Directories, CreateWithParentsWithoutAskingOrStopAtAFile) {
    const fs::path deep = d / "ML" / "export" / "json";
    ASSERT_EQ(CreazaDirector(p, deep.string()).stare, StareOperatie::Facut);
    EXPECT_TRUE(fs::is_directory(deep));
    EXPECT_EQ(CreazaDirector(p, deep.string() + "/").stare, StareOperatie::Facut);  // exists: nothing to do
    EXPECT_TRUE(p.casete.empty());

    // A component that is a file stops the creation, named in the reason.
    d.write("F", "not a directory");
    const RezultatOperatie r = CreazaDirector(p, (d / "F" / "x").string());
    EXPECT_EQ(r.stare, StareOperatie::Esuat);
    EXPECT_EQ(r.motiv, "Eroare creare director " + (d / "F").string() + ":\n" + std::strerror(ENOTDIR));
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(Directories, RelativePathAsksWhereItGoes) {
    fs::current_path(d.path());
    p.raspunde(raspuns::IDNO);
    EXPECT_EQ(CreazaDirector(p, "a/b").stare, StareOperatie::Anulat);
    EXPECT_FALSE(fs::exists(d / "a"));
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].text, "Directorul: a/b\nse va adauga la: " + d.str() + "\nContinuam?");
    EXPECT_EQ(p.casete[0].caption, "ATENTIE!");
    EXPECT_EQ(p.casete[0].style & stil::MaskButoane, stil::MB_YESNO);

    p.raspunde(raspuns::IDYES);
    EXPECT_EQ(CreazaDirector(p, "a/b").stare, StareOperatie::Facut);
    EXPECT_TRUE(fs::is_directory(d / "a" / "b"));
}

TEST_F(Directories, CreateOnlyAfterYes) {
    const std::string target = (d / "x" / "y").string();
    p.raspunde(raspuns::IDNO);
    EXPECT_EQ(CreazaDirectorCuIntrebare(p, target).stare, StareOperatie::Anulat);
    EXPECT_FALSE(fs::exists(d / "x"));
    EXPECT_EQ(p.ultima().text, "Directorul " + target + "\nu exista. Il creati?");

    p.raspunde(raspuns::IDYES);
    EXPECT_EQ(CreazaDirectorCuIntrebare(p, target).stare, StareOperatie::Facut);
    EXPECT_TRUE(fs::is_directory(target));
    p.casete.clear();
    EXPECT_EQ(CreazaDirectorCuIntrebare(p, target).stare, StareOperatie::Facut);  // exists: no question
    EXPECT_TRUE(p.casete.empty());
}
