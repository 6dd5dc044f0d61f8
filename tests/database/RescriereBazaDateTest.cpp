// The shared rewrite under failure at each of its steps: whatever goes
// wrong, the whole database is still in the database file or in its
// archive copy.

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <stdexcept>

#include "database/GlassDirFixture.h"
#include "database/RescriereBazaDate.h"
#include "fileutil/PermissionGuard.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct Rewrite : GlassDirFixture {
    std::string original;
    Rewrite() {
        for (int i = 0; i < 40; ++i) {
            MaterialOptic m = namedRecord("M" + std::to_string(i), static_cast<std::uint16_t>(i % 4));
            m.categorie = static_cast<std::uint16_t>(i);
            original += bytesOf(m);
        }
        writeDb(original);
    }
    bool dataWhole() const {
        return (d.exists("sticleNou32.dat") && db() == original) ||
               (d.exists("sticleNou32#_0.dat") && archive(0) == original);
    }
    static DecizieInregistrare keep(MaterialOptic&) { return DecizieInregistrare::Pastreaza; }
};

// Files of this process may not grow past `bytes` while it lives; the
// signal that would kill us is ignored, so the write just fails.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = saved_;
        l.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &l);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

}  // namespace

TEST_F(Rewrite, ChangedRecordsAreWrittenInOrder) {
    RezultatRescriere r;
    const auto process = [](MaterialOptic& m) {
        if (m.producator == 1) return DecizieInregistrare::Elimina;
        if (m.producator == 2) {
            m.categorie = 99;
            return DecizieInregistrare::Modificata;
        }
        return DecizieInregistrare::Pastreaza;
    };
    ASSERT_EQ(RescrieBazaDate(nullptr, process, r), 1);
    EXPECT_EQ(r.citite, 40u);
    EXPECT_EQ(r.eliminate, 10u);
    EXPECT_EQ(r.modificate, 10u);
    EXPECT_EQ(r.scrise, 30u);
    EXPECT_FALSE(r.eroareScriere);

    std::string expected;
    for (int i = 0; i < 40; ++i) {
        if (i % 4 == 1) continue;
        RecordImage img;
        img.u16(4, static_cast<std::uint16_t>(i % 4)).u16(20, i % 4 == 2 ? 99 : i).text(22, "M" + std::to_string(i));
        expected += img.bytes();
    }
    EXPECT_EQ(db(), expected);
    EXPECT_EQ(archive(0), original);
}

TEST_F(Rewrite, LargerThanOneBlock) {
    std::string big;
    for (int i = 0; i < 1300; ++i) big += bytesOf(namedRecord("R" + std::to_string(i), i % 3 == 0 ? 7 : 1));
    original = big;
    writeDb(big);
    RezultatRescriere r;
    ASSERT_EQ(RescrieBazaDate(nullptr, [](MaterialOptic& m) {
                  return m.producator == 7 ? DecizieInregistrare::Elimina : DecizieInregistrare::Pastreaza;
              }, r), 1);
    std::string expected;
    for (int i = 0; i < 1300; ++i)
        if (i % 3 != 0) expected += big.substr(static_cast<std::size_t>(i) * MarimeMaterialOptic, MarimeMaterialOptic);
    EXPECT_EQ(db(), expected);
    EXPECT_EQ(archive(0), big);
}

TEST_F(Rewrite, TemporaryCannotBeCreated) {
    PermissionGuard noBypass;
    if (!readOnlyDirectoriesHold(d.path())) GTEST_SKIP() << "read-only directories do not stop this process";
    makeReadOnly(d.path());
    RezultatRescriere r;
    EXPECT_EQ(RescrieBazaDate(nullptr, keep, r), 0);
    makeWritable(d.path());
    EXPECT_EQ(db(), original);
    EXPECT_EQ(d.files(), std::vector<std::string>{"sticleNou32.dat"});
    EXPECT_EQ(p.casete.at(0).caption, "Open");
    EXPECT_EQ(p.casete.at(1).text, "Eroare deschidere fisier 3.tmp din " + d.str());
}

TEST_F(Rewrite, WriteFailsHalfway) {
    RezultatRescriere r;
    {
        // Room for 7 records and a half: the write breaks inside record 7.
        FileSizeLimit limit(7 * MarimeMaterialOptic + 1000);
        EXPECT_EQ(RescrieBazaDate(nullptr, keep, r), 1);
    }
    EXPECT_TRUE(r.eroareScriere);
    EXPECT_EQ(r.scrise, 7u);
    ASSERT_GE(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].text, "Eroare scriere");
    EXPECT_EQ(p.casete[0].caption, "M7");
    EXPECT_EQ(archive(0), original);
    // What did get written is whole records, a prefix of the old file.
    EXPECT_EQ(db(), original.substr(0, 7 * MarimeMaterialOptic));
    EXPECT_TRUE(dataWhole());
}

TEST_F(Rewrite, CallerAbandonsOrThrows) {
    RezultatRescriere r;
    int seen = 0;
    EXPECT_EQ(RescrieBazaDate(nullptr, [&](MaterialOptic&) {
                  return ++seen == 20 ? DecizieInregistrare::Abandoneaza : DecizieInregistrare::Pastreaza;
              }, r), 0);
    EXPECT_TRUE(r.abandonata);
    EXPECT_EQ(db(), original);
    EXPECT_EQ(d.files(), std::vector<std::string>{"sticleNou32.dat"});

    EXPECT_THROW(RescrieBazaDate(nullptr, [](MaterialOptic&) -> DecizieInregistrare {
                     throw std::runtime_error("caller failed");
                 }, r),
                 std::runtime_error);
    EXPECT_EQ(db(), original);
    EXPECT_EQ(d.files(), std::vector<std::string>{"sticleNou32.dat"});
    EXPECT_EQ(std::filesystem::current_path(), cwd.saved());
}

TEST_F(Rewrite, OldDatabaseCannotBeRenamed) {
    PermissionGuard noBypass;
    if (!readOnlyDirectoriesHold(d.path())) GTEST_SKIP() << "read-only directories do not stop this process";
    RezultatRescriere r;
    // The directory turns read-only while the copy runs, after "3.tmp" is open.
    bool locked = false;
    EXPECT_EQ(RescrieBazaDate(nullptr, [&](MaterialOptic&) {
                  if (!locked) makeReadOnly(d.path());
                  locked = true;
                  return DecizieInregistrare::Pastreaza;
              }, r), 0);
    makeWritable(d.path());
    EXPECT_EQ(db(), original);
    EXPECT_EQ(d.read("3.tmp"), original);  // the new content waits in the work file
    ASSERT_EQ(p.casete.size(), 2u);
    EXPECT_EQ(p.casete[0].text, std::strerror(EACCES));
    EXPECT_EQ(p.casete[1].caption, "sticleNou32.dat");
    EXPECT_TRUE(dataWhole());
}
