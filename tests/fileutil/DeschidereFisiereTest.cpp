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

// A failed opening says where it looked and why, and shows nothing.
TEST_F(OpenFiles, FailedOpenGivesTheReasonAndShowsNothing) {
    std::FILE* f = reinterpret_cast<std::FILE*>(1);
    EXPECT_EQ(DeschideFisierObisnuit("lipsa.dat", "rb", f).motiv,
              "Eroare deschidere fisier lipsa.dat din " + cwd.saved().string() + ":\n" + std::strerror(ENOENT));
    EXPECT_EQ(f, nullptr);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_NE(DeschideFisierObisnuit(d.str(), "rb", f).motiv.find(std::strerror(EISDIR)), std::string::npos);
    EXPECT_EQ(f, nullptr);
    EXPECT_TRUE(p.casete.empty());
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
