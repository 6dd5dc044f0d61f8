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

TEST_F(Directories, ChangeRememberAndComeBack) {
    fs::create_directory(d / "Sticle");
    std::string prev;
    ASSERT_EQ(SchimbaDirectorCuSalvare((d / "Sticle").string(), prev, true), 1);
    EXPECT_EQ(fs::current_path(), d / "Sticle");
    EXPECT_EQ(prev, cwd.saved().string());
    RevinoInDirector(prev);
    EXPECT_EQ(fs::current_path(), cwd.saved());
    EXPECT_EQ(DirectorCurent(), cwd.saved().string());

    // Looking for a directory does not leave the current one.
    EXPECT_EQ(ExistaDirector(d.str()), 1);
    EXPECT_EQ(ExistaDirector((d / "none").string()), 0);
    EXPECT_EQ(ExistaDirector(""), 0);
    EXPECT_EQ(fs::current_path(), cwd.saved());

    // An empty remembered directory means: stay.
    fs::current_path(d.path());
    RevinoInDirector("");
    EXPECT_EQ(fs::current_path(), d.path());
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(Directories, FailedChangeReportsAndStays) {
    const std::string missing = (d / "nu-exista").string();
    std::string prev = "junk";
    EXPECT_EQ(SchimbaDirectorCuSalvare(missing, prev, true), 0);
    EXPECT_EQ(prev, "");
    EXPECT_EQ(fs::current_path(), cwd.saved());
    ASSERT_EQ(p.casete.size(), 2u);
    EXPECT_EQ(p.casete[0].text, "Eroare schimbare director " + missing);
    EXPECT_EQ(p.casete[1].text, std::strerror(ENOENT));
    EXPECT_EQ(p.casete[1].caption, "Eroare schimbare director " + missing);

    p.casete.clear();
    EXPECT_EQ(SchimbaDirectorCuSalvare(missing, prev, false), 0);
    EXPECT_EQ(SchimbaDirectorCuSalvare("", prev, true), 0);
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(Directories, SchimbaDirectorKeepsTheCaseOfThePath) {
    fs::create_directory(d / "sticle");
    std::string path = (d / "sticle").string();
    const std::string given = path;
    std::string prev;
    EXPECT_EQ(SchimbaDirector(path, prev), 0);
    EXPECT_EQ(path, given);
    EXPECT_EQ(fs::current_path(), d / "sticle");

    // A missing directory is a plain failure, not worth a box; a file in
    // the way is, titled with the path.
    std::string missing = (d / "STICLE").string();
    EXPECT_EQ(SchimbaDirector(missing, prev), 9);
    EXPECT_EQ(fs::current_path(), d / "sticle");
    EXPECT_TRUE(p.casete.empty());
    d.write("file", "x");
    std::string file = (d / "file").string();
    EXPECT_EQ(SchimbaDirector(file, prev), 9);
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].caption, file);
    EXPECT_EQ(p.casete[0].text, std::strerror(ENOTDIR));
}

TEST_F(Directories, CreateWithParentsWithoutAskingOrStopAtAFile) {
    const fs::path deep = d / "ML" / "export" / "json";
    ASSERT_EQ(CreazaDirector(deep.string()), 1);
    EXPECT_TRUE(fs::is_directory(deep));
    EXPECT_EQ(CreazaDirector(deep.string() + "/"), 1);  // exists: nothing to do
    EXPECT_TRUE(p.casete.empty());

    // A component that is a file stops the creation, named in the caption.
    d.write("F", "not a directory");
    EXPECT_EQ(CreazaDirector((d / "F" / "x").string()), 0);
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].caption, (d / "F").string());
    EXPECT_EQ(p.casete[0].text, std::strerror(ENOTDIR));
}

TEST_F(Directories, RelativePathAsksWhereItGoes) {
    fs::current_path(d.path());
    p.raspunde(raspuns::IDNO);
    EXPECT_EQ(CreazaDirector("a/b"), 0);
    EXPECT_FALSE(fs::exists(d / "a"));
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].text, "Directorul: a/b\nse va adauga la: " + d.str() + "\nContinuam?");
    EXPECT_EQ(p.casete[0].caption, "ATENTIE!");
    EXPECT_EQ(p.casete[0].style & stil::MaskButoane, stil::MB_YESNO);

    p.raspunde(raspuns::IDYES);
    EXPECT_EQ(CreazaDirector("a/b"), 1);
    EXPECT_TRUE(fs::is_directory(d / "a" / "b"));
}

TEST_F(Directories, CreateOnlyAfterYes) {
    const std::string target = (d / "x" / "y").string();
    p.raspunde(raspuns::IDNO);
    EXPECT_EQ(CreazaDirectorCuIntrebare(target), 0);
    EXPECT_FALSE(fs::exists(d / "x"));
    EXPECT_EQ(p.ultima().text, "Directorul " + target + "\nu exista. Il creati?");

    p.raspunde(raspuns::IDYES);
    EXPECT_EQ(CreazaDirectorCuIntrebare(target), 1);
    EXPECT_TRUE(fs::is_directory(target));
    p.casete.clear();
    EXPECT_EQ(CreazaDirectorCuIntrebare(target), 1);  // exists: no question
    EXPECT_TRUE(p.casete.empty());
}
