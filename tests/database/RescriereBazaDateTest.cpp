// The shared rewrite under failure at each of its steps: whatever goes
// wrong, the whole database is still in the database file or in its
// archive copy.


#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <stdexcept>

#include "database/GlassDirFixture.h"
#include "database/RescriereBazaDate.h"
#include "fileutil/BlocareFisier.h"
#include "support/DefectFisiere.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct Rewrite : GlassDirFixture {
    std::string original;
    Rewrite() { scrie(40); }
    // n records told apart by name and category, four producers in turn.
    void scrie(int n) {
        original.clear();
        for (int i = 0; i < n; ++i)
            original += RecordImage().u16(4, static_cast<std::uint16_t>(i % 4)).u16(20, i).text(22, "M" + std::to_string(i)).bytes();
        writeDb(original);
    }
    static DecizieInregistrare keep(MaterialOptic&) { return DecizieInregistrare::Pastreaza; }
};

}  // namespace

TEST_F(Rewrite, ChangedRecordsAreWrittenInOrderAcrossBlocks) {
    // 1100 records: the copy runs in blocks of about a megabyte, so kept
    // records move within a block and across block ends.
    scrie(1100);
    RezultatRescriere r;
    const auto process = [](MaterialOptic& m) {
        if (m.producator == 1) return DecizieInregistrare::Elimina;
        if (m.producator == 2) {
            m.categorie = 9999;
            return DecizieInregistrare::Modificata;
        }
        return DecizieInregistrare::Pastreaza;
    };
    ASSERT_EQ(RescrieBazaDate(p, nullptr, path_sticle, process, r), 1);
    EXPECT_EQ(r.citite, 1100u);
    EXPECT_EQ(r.eliminate, 275u);
    EXPECT_EQ(r.modificate, 275u);
    EXPECT_EQ(r.pastrate, 825u);

    std::string expected;
    for (int i = 0; i < 1100; ++i) {
        if (i % 4 == 1) continue;
        RecordImage img;
        img.u16(4, static_cast<std::uint16_t>(i % 4)).u16(20, i % 4 == 2 ? 9999 : i).text(22, "M" + std::to_string(i));
        expected += img.bytes();
    }
    EXPECT_EQ(db(), expected);
    EXPECT_EQ(archive(0), original);
}

TEST_F(Rewrite, FaultAtAnyStepLeavesTheDatabaseAsItWas) {
    for (Pas pas : {Pas::Creare, Pas::Scriere, Pas::Sincronizare, Pas::PrimaRedenumire, Pas::ADouaRedenumire}) {
        p.casete.clear();
        RezultatRescriere r;
        {
            DefectFisiere defect(p, pas);
            EXPECT_EQ(RescrieBazaDate(
                          p, nullptr, path_sticle,
                          [](MaterialOptic& m) {
                              return m.producator == 1 ? DecizieInregistrare::Elimina : DecizieInregistrare::Pastreaza;
                          },
                          r),
                      0)
                << NumePas(pas);
        }
        EXPECT_EQ(db(), original) << NumePas(pas);
        EXPECT_EQ(d.files(), std::vector<std::string>{"sticleNou32.dat"}) << NumePas(pas);
        // The cause is named in the reason, whichever step failed, and not shown here.
        EXPECT_NE(r.motiv.find(std::strerror(ENOSPC)), std::string::npos) << r.motiv << " " << NumePas(pas);
        EXPECT_TRUE(p.casete.empty()) << NumePas(pas);
    }
}

TEST_F(Rewrite, CallerAbandonsOrThrows) {
    RezultatRescriere r;
    int seen = 0;
    EXPECT_EQ(RescrieBazaDate(
                  p, nullptr, path_sticle,
                  [&](MaterialOptic&) {
                      return ++seen == 20 ? DecizieInregistrare::Abandoneaza : DecizieInregistrare::Pastreaza;
                  },
                  r),
              0);
    EXPECT_EQ(r.stare, StareRescriere::Abandonata);
    EXPECT_EQ(db(), original);
    EXPECT_EQ(d.files(), std::vector<std::string>{"sticleNou32.dat"});

    EXPECT_THROW(RescrieBazaDate(
                     p, nullptr, path_sticle,
                     [](MaterialOptic&) -> DecizieInregistrare { throw std::runtime_error("caller failed"); }, r),
                 std::runtime_error);
    EXPECT_EQ(db(), original);
    EXPECT_EQ(d.files(), std::vector<std::string>{"sticleNou32.dat"});
    EXPECT_EQ(std::filesystem::current_path(), cwd.saved());
}

TEST_F(Rewrite, AnotherWriterHoldingTheLockStopsItNamingThatProcess) {
    int semnal[2];
    ASSERT_EQ(::pipe(semnal), 0);
    const pid_t copil = ::fork();
    if (copil == 0) {
        const int fd = ::open(d.str().c_str(), O_RDONLY | O_DIRECTORY);
        ::flock(fd, LOCK_EX);
        (void)!::write(semnal[1], "x", 1);
        ::sleep(5);
        ::_exit(0);
    }
    char c;
    ASSERT_EQ(::read(semnal[0], &c, 1), 1);
    const int inainte = TimpAsteptareBlocareMs;
    TimpAsteptareBlocareMs = 200;
    RezultatRescriere r;
    EXPECT_EQ(RescrieBazaDate(p, nullptr, path_sticle, keep, r), 0);
    TimpAsteptareBlocareMs = inainte;
    ::kill(copil, SIGKILL);
    ::waitpid(copil, nullptr, 0);
    EXPECT_EQ(db(), original);
    EXPECT_NE(r.motiv.find("procesul " + std::to_string(copil)), std::string::npos) << r.motiv;
    EXPECT_TRUE(p.casete.empty());
}
