// vitramor-cli import-text, import-db, convert and fix-producers on real files.
#include "cli/CliFixture.h"
#include "record/MaterialOptic.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using ImportTextCli = CliFixture;

TEST_F(ImportTextCli, ListsAndImportsTheSelectedEntries) {
    const std::string cale = fisier("o.txt", "h1\nh2\n1\tS-BAL2\t57095\n2\tS-BSL7\t51633\n3\tS-FPL51\t49700\n");
    const Rezultat l = ruleaza("import-text --list 3 " + cale);
    ASSERT_EQ(l.cod, 0) << l.err;
    EXPECT_EQ(l.out, "S-BAL2\t1.57095\nS-BSL7\t1.51633\nS-FPL51\t1.49700\n");
    const Rezultat r = ruleaza("import-text --select 2,0 3 " + cale);
    ASSERT_EQ(r.cod, 0) << r.err;
    const std::string db = dir.read("sticleNou32.dat");
    ASSERT_EQ(db.size(), 2 * MarimeMaterialOptic);
    EXPECT_EQ(db.substr(22, 7), std::string("S-BAL2\0", 7));
    EXPECT_EQ(ruleaza("import-text --select 3 3 " + cale).cod, 2);
    EXPECT_EQ(ruleaza("import-text 6 " + cale).cod, 2);
    EXPECT_EQ(ruleaza("import-text 3 /nonexistent/o.txt").cod, 1);
}

TEST_F(ImportTextCli, ImportDbConvertAndFixProducers) {
    lucru.write("a.dat", databaseOf({namedRecord("A", 20), namedRecord("B", 3)}));
    const std::string a = (lucru / "a.dat").string();
    ASSERT_EQ(ruleaza("import-db --select 1 '" + a + "'").cod, 0);
    EXPECT_EQ(dir.read("sticleNou32.dat"), databaseOf({namedRecord("B", 3)}));

    const std::string b = (lucru / "b.dat").string();
    EXPECT_EQ(ruleaza("fix-producers '" + a + "' '" + b + "'").cod, 3);  // the question has no answer
    EXPECT_FALSE(lucru.exists("b.dat"));
    const Rezultat f = ruleaza("--yes fix-producers '" + a + "' '" + b + "'");
    ASSERT_EQ(f.cod, 0) << f.err;
    EXPECT_EQ(lucru.read("b.dat"), databaseOf({namedRecord("A", 10), namedRecord("B", 3)}));

    lucru.write("old.dat", std::string(1216 + 10, '\0'));
    const Rezultat c = ruleaza("--yes convert '" + (lucru / "old.dat").string() + "' '" + (lucru / "new.dat").string() + "'");
    ASSERT_EQ(c.cod, 0) << c.err;
    EXPECT_EQ(lucru.read("new.dat").size(), MarimeMaterialOptic);
    EXPECT_NE(c.err.find("S-au scris 1 inregistrari"), std::string::npos);
}

}  // namespace
