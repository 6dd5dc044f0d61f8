// The category column of `list`: entries are read back by number, skipping
// comment lines and the lines that begin with "#" or "\", as the category
// combos count them.
#include "cli/CliFixture.h"
#include "database/GlassDirFixture.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using CategoriiCli = CliFixture;
MaterialOptic cuCategoria(const std::string& nume, std::uint16_t categorie) { return withCategory(nume, 2, categorie); }

}  // namespace

TEST_F(CategoriiCli, HashAndBackslashLinesAreNotCategories) {
    dir.write("sticleNou32.dat", databaseOf({cuCategoria("A", 0), cuCategoria("B", 1), cuCategoria("C", 2),
                                             cuCategoria("D", 3), cuCategoria("E", 3)}));
    dir.write("CategoriiMaterial.txt",
              "; categorii\r\nCrown\tcoroane\r\n#retras\r\n\r\n  Flint\t1\r\n\\vechi\r\nLaser\r\n");
    const Rezultat r = ruleaza("list");
    EXPECT_EQ(r.cod, 0) << r.err;
    // Category 1 is "Flint", not "#retras"; 2 is "Laser"; there is no 3.
    EXPECT_EQ(r.out,
              "A\tShott Mainz\tCrown\n"
              "B\tShott Mainz\tFlint\n"
              "C\tShott Mainz\tLaser\n"
              "D\tShott Mainz\t???\n"
              "E\tShott Mainz\t???\n");
    // The missing entry is reported once for both records that name it.
    EXPECT_EQ(r.err, "ATENTIE!: In fisier CategoriiMaterial.txt nu exista inregistrarea 3\n");
}
