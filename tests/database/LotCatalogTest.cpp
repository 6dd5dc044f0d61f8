// Storing many records at once gives the file that storing them one by one
// would give.
#include <sys/wait.h>
#include <unistd.h>

#include "database/CatalogFixture.h"
#include "database/CatalogMateriale.h"
#include "database/Recuperare.h"
#include "support/DefectFisiere.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

MaterialOptic (*const Rec)(const std::string&, std::uint16_t) = namedRecord;

TEST_F(CatalogFixture, ABatchStoresLikeOneStoreAfterAnother) {
    struct Caz {
        std::string inainte;
        std::string dupa;
    };
    const Caz cazuri[] = {
        {"", databaseOf({Rec("B", 2), Rec("C", 4)})},                                   // no file yet
        {databaseOf({Rec("A", 1), Rec("B", 1)}), databaseOf({Rec("A", 1), Rec("B", 2), Rec("C", 4)})},
    };
    for (const Caz& c : cazuri) {
        if (c.inainte.empty())
            std::filesystem::remove(dbPath());
        else
            writeDb(c.inainte);
        std::vector<int> coduri;
        const std::vector<MaterialOptic> lot = {Rec("B", 3), Rec("C", 3), Rec("B", 2), Rec("C", 4), Rec("", 5)};
        EXPECT_NE(SalveazaMaterialeOptice(path_sticle, lot, nullptr, coduri), 0);  // the nameless one
        EXPECT_EQ(coduri, (std::vector<int>{0, 0, 0, 0, 2}));
        EXPECT_EQ(db(), c.dupa);
    }
}

// A kill at each step of a catalogue store, in a child process, leaves a
// database that the next opening takes as it is or mends: the old records
// (the replaced one, if touched, with its old bytes in the recovery file),
// then a prefix of the appended ones, the fragment of a record cut in half
// beside the file. Storing again gives what an uninterrupted store gives.
TEST_F(CatalogFixture, AKillAtAnyStepOfACatalogueStoreLosesNothing) {
    constexpr std::size_t R = MarimeMaterialOptic;
    const std::string inainte = databaseOf({Rec("A", 1), Rec("B", 1), Rec("C", 1)});
    const std::vector<MaterialOptic> lot = {Rec("B", 2), Rec("N0", 3), Rec("N1", 3), Rec("N2", 3), Rec("N3", 3)};
    const std::string dupa = databaseOf({Rec("A", 1), Rec("B", 2), Rec("C", 1), lot[1], lot[2], lot[3], lot[4]});
    std::vector<int> coduri;
    int pas = 1;
    for (;; ++pas) {
        SCOPED_TRACE(pas);
        for (const std::string& f : d.files()) std::filesystem::remove(d / f);
        writeDb(inainte);
        if (const pid_t copil = ::fork(); copil == 0) {
            DefectFisiere ucidere(p, Pas::Niciunul);
            ucidere.ucideLa = pas;
            ::_exit(SalveazaMaterialeOptice(path_sticle, lot, nullptr, coduri) == 0 ? 1 : 2);
        } else {
            int stare = 0;
            ASSERT_EQ(::waitpid(copil, &stare, 0), copil);
            if (stare != 0) break;  // ran to its end: every step has been cut
        }
        if (db().size() % R != 0) p.raspunde(raspuns::IDYES);
        ASSERT_EQ(VerificaBazaDateIntreaga(nullptr, d.str()), 0);
        const std::string acum = db();
        ASSERT_GE(acum.size(), inainte.size());
        EXPECT_EQ(acum.substr(0, R) + acum.substr(2 * R, R), inainte.substr(0, R) + inainte.substr(2 * R));
        EXPECT_EQ(acum.substr(3 * R), dupa.substr(3 * R, acum.size() - 3 * R));
        const std::string rest = d.exists("sticleNou32.dat.rest") ? d.read("sticleNou32.dat.rest") : "";
        EXPECT_EQ(rest, dupa.substr(acum.size(), rest.size()));
        std::vector<IntrareRecuperare> e;
        std::string motivCitire;
        ASSERT_TRUE(CitesteRecuperare(d.str(), e, motivCitire));
        if (acum.substr(R, R) != inainte.substr(R, R)) {
            ASSERT_FALSE(e.empty());
            EXPECT_EQ(databaseOf({e[0].material}), inainte.substr(R, R));
        }
        ASSERT_EQ(SalveazaMaterialeOptice(path_sticle, lot, nullptr, coduri), 0);
        EXPECT_EQ(db(), dupa);
        ASSERT_TRUE(CitesteRecuperare(d.str(), e, motivCitire));
        EXPECT_EQ(databaseOf({e.at(0).material}), inainte.substr(R, R));
    }
    EXPECT_EQ(pas, 6);  // recovery entry and its sync, in place, appended, their sync
}

}  // namespace
