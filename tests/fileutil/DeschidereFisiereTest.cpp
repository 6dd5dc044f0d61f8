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

struct OpenFiles : ::testing::Test {
    CurrentDirGuard cwd;
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    TestDir d;
};

}  // namespace

TEST_F(OpenFiles, FailedOpenShowsSystemTextThenWhereItLooked) {
    std::FILE* f = reinterpret_cast<std::FILE*>(1);
    EXPECT_EQ(DeschideFisierCuMesaj("lipsa.dat", "rb", f, true), 0);
    EXPECT_EQ(f, nullptr);
    ASSERT_EQ(p.casete.size(), 2u);
    EXPECT_EQ(p.casete[0].caption, "Open");
    EXPECT_EQ(p.casete[0].text, std::strerror(ENOENT));
    EXPECT_EQ(p.casete[1].text, "Eroare deschidere fisier lipsa.dat din " + cwd.saved().string());

    p.casete.clear();
    EXPECT_EQ(DeschideFisierCuMesaj("lipsa.dat", "rb", f, false), 0);
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(OpenFiles, DirectoryIsNotAFile) {
    std::FILE* f = nullptr;
    EXPECT_EQ(DeschideFisierCuMesaj(d.str(), "rb", f, true), 0);
    EXPECT_EQ(f, nullptr);
    EXPECT_EQ(p.casete.at(0).text, std::strerror(EISDIR));
    EXPECT_EQ(ExistaFisier("", d.str(), false), 0);
}

TEST_F(OpenFiles, ExistenceAndSize) {
    d.write("a.txt", "12345");
    std::uint64_t size = 99;
    EXPECT_EQ(ExistaFisier(d.str(), "a.txt", true), 1);
    EXPECT_EQ(MarimeFisier("a.txt", d.str(), size), 1);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(MarimeFisier("b.txt", d.str(), size), 0);
    EXPECT_EQ(ExistaFisier(d.str(), "b.txt", false), 0);
    EXPECT_TRUE(p.casete.empty());
    EXPECT_EQ(ExistaFisier(d.str(), "b.txt", true), 0);
    EXPECT_EQ(p.ultima().text, "In directorul " + d.str() + " nu exista fisierul b.txt");
}

TEST_F(OpenFiles, OpenInDirectoryByItsPath) {
    d.write("sticleNou32.dat", "x");
    std::FILE* f = nullptr;
    ASSERT_FALSE(DeschideInDirector(d.str(), "sticleNou32.dat", "rb", f).esuat());
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_TRUE(p.casete.empty());

    // A read of a missing file fails before opening and names the directory.
    EXPECT_EQ(DeschideInDirector(d.str(), "SticleNou32.dat", "rb", f).motiv,
              "In directorul " + d.str() + " nu exista fisierul SticleNou32.dat");
    EXPECT_EQ(f, nullptr);
    EXPECT_TRUE(p.casete.empty());
    EXPECT_EQ(fs::current_path(), cwd.saved());

    // Writing needs no existing file; an empty directory means "here".
    fs::current_path(d.path());
    ASSERT_FALSE(DeschideInDirector("", "new.dat", "wb", f).esuat());
    std::fclose(f);
    EXPECT_TRUE(d.exists("new.dat"));
}
