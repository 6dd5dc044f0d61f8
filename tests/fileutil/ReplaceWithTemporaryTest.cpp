#include <gtest/gtest.h>

#include "fileutil/FileUtil.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestDir.h"

using namespace vitramor;
using vitramor::test::TestDir;

namespace {

struct Replacement : ::testing::Test {
    ScriptedPlatform p;
    ScopedPlatform guard{p};
    TestDir d;
    std::FILE* fd = nullptr;
    std::FILE* ft = nullptr;
    std::string db = (d / "db.dat").string();
    std::string tmp = (d / "3.tmp").string();
};

}  // namespace

TEST_F(Replacement, OpenHandlesAreClosedAndCleared) {
    d.write("db.dat", "OLD");
    fd = std::fopen(db.c_str(), "rb");
    ft = std::fopen(tmp.c_str(), "wb");
    std::fputs("NEW", ft);  // still in the stdio buffer: closing must flush it
    ASSERT_EQ(InlocuiesteFisierCuTemporar(db, fd, tmp, ft), 1);
    EXPECT_EQ(fd, nullptr);
    EXPECT_EQ(ft, nullptr);
    EXPECT_EQ(d.read("db.dat"), "NEW");
    EXPECT_EQ(d.read("db#_0.dat"), "OLD");
}

TEST_F(Replacement, EmptyTemporaryIsDeletedAndDataSurvivesOnlyAsArchive) {
    d.write("db.dat", "DATA");
    d.write("3.tmp", "");
    ASSERT_EQ(InlocuiesteFisierCuTemporar(db, fd, tmp, ft), 1);
    EXPECT_EQ(p.texte(), (std::vector<std::string>{"S-a creat fisierul arhiva " + (d / "db#_0.dat").string(),
                                                   "Fisierul " + tmp + " nu contine date. Se va sterge"}));
    EXPECT_EQ(d.files(), (std::vector<std::string>{"db#_0.dat"}));
    EXPECT_EQ(d.read("db#_0.dat"), "DATA");
}

TEST_F(Replacement, MissingTemporaryFailsAfterArchiving) {
    d.write("db.dat", "DATA");
    EXPECT_EQ(InlocuiesteFisierCuTemporar(db, fd, tmp, ft), 0);
    EXPECT_EQ(d.read("db#_0.dat"), "DATA");
}

TEST_F(Replacement, MissingDataFileSimplyReceivesTheTemporary) {
    d.write("3.tmp", "FIRST");
    ASSERT_EQ(InlocuiesteFisierCuTemporar(db, fd, tmp, ft), 1);
    EXPECT_EQ(d.files(), (std::vector<std::string>{"db.dat"}));
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(Replacement, DataFileWithoutExtensionIsDeletedBeforeTheTemporaryTakesItsPlace) {
    const std::string plain = (d / "plain").string();
    d.write("plain", "OLD");
    d.write("3.tmp", "NEW");
    ASSERT_EQ(InlocuiesteFisierCuTemporar(plain, fd, tmp, ft), 1);
    EXPECT_EQ(d.files(), (std::vector<std::string>{"plain"}));
    EXPECT_EQ(d.read("plain"), "NEW");
}

// A data file that cannot be removed (a /proc entry refuses even root)
// stops the replacement and leaves the temporary file where it is.
TEST_F(Replacement, OldFileThatCannotGoKeepsTheTemporary) {
    d.write("3.tmp", "NEW");
    EXPECT_EQ(InlocuiesteFisierCuTemporar("/proc/version", fd, tmp, ft), 0);
    EXPECT_EQ(d.read("3.tmp"), "NEW");
    ASSERT_GE(p.casete.size(), 3u);
    EXPECT_EQ(p.casete.back().caption, "/proc/version");
}
