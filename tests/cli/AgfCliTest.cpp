// vitramor-cli import-agf and import-rii: the real program on files.
#include "cli/CliFixture.h"
#include "import/AgfTestData.h"
#include "record/MaterialOptic.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using AgfCli = CliFixture;

TEST_F(AgfCli, ListsImportsTheDefaultSelectionOrTheGivenOne) {
    const std::string cat = fisier("ohara.agf", std::string(NBK7Agf) + BK7SchottAgf + F2Agf);
    const Rezultat l = ruleaza("import-agf --list " + cat);
    ASSERT_EQ(l.cod, 0) << l.err;
    EXPECT_EQ(l.out, "N-BK7\t1.516800\t64.17\tpreferred\nBK7\t1.516800\t64.17\tobsolete\nF2\t1.620040\t36.37\tstandard\n");
    EXPECT_TRUE(recorduri().empty());

    // Crown or flint by the Abbe diagram; the status the file gives.
    dir.write("CategoriiMaterial.txt", "Laser\nFlint\nCrown\n");
    const Rezultat i = ruleaza("import-agf " + cat);  // the withdrawn BK7 stays out; Ohara from the file name
    ASSERT_EQ(i.cod, 0) << i.err;
    ASSERT_EQ(recorduri().size(), 2u);
    EXPECT_EQ(recorduri()[1].producator, 6);
    EXPECT_EQ(recorduri()[0].categorie, 2);
    EXPECT_EQ(recorduri()[1].categorie, 1);
    EXPECT_EQ(recorduri()[0].stare_catalog, 2);  // preferred

    // Without Crown and Flint the glass gets entry 0, and the command says so.
    dir.write("CategoriiMaterial.txt", "Laser\nCristal\n");
    const Rezultat b = ruleaza("import-agf --select 1 --producer 3 " + cat);
    ASSERT_EQ(b.cod, 0) << b.err;
    EXPECT_NE(b.err.find("1 materiale au primit categoria 0 (Laser)"), std::string::npos) << b.err;
    ASSERT_EQ(recorduri().size(), 3u);
    EXPECT_STREQ(recorduri()[2].nume, "BK7");
    EXPECT_EQ(recorduri()[2].producator, 3);
}

TEST_F(AgfCli, AMakersUtf16CatalogueIsStoredWhole) {
    const Rezultat r = ruleaza("import-agf --producer 9 " + fisier("maker.agf", Utf16Le(CatalogProducatorAgf)));
    ASSERT_EQ(r.cod, 0) << r.err;
    ASSERT_EQ(recorduri().size(), 3u);
    EXPECT_STREQ(recorduri()[2].nume, "MK-IR12");
    EXPECT_NE(r.err.find("formula 12 aproximata cu ecuatia 11"), std::string::npos) << r.err;
}

TEST_F(AgfCli, UsageAndInputErrors) {
    const std::string cat = fisier("misc.agf", std::string(NBK7Agf) + "NM BAD 2 0 1.5 60 0 0\n");
    EXPECT_EQ(ruleaza("import-agf " + cat).cod, 2);  // no producer in the file name
    EXPECT_EQ(ruleaza("import-agf --select 5 --producer 2 " + cat).cod, 2);
    // Some stored, one refused and named: partly done.
    const Rezultat r = ruleaza("import-agf --producer 2 " + cat);
    EXPECT_EQ(r.cod, 4);
    EXPECT_NE(r.err.find("Refuzat BAD: linia 12: lipseste linia CD"), std::string::npos) << r.err;
    EXPECT_EQ(recorduri().size(), 1u);
    EXPECT_EQ(ruleaza("import-agf --select 0 --producer 2 " + cat).cod, 0);  // the refused glass is not selected
    EXPECT_EQ(ruleaza("import-rii " + cat).cod, 2);  // --name is required
}

TEST_F(AgfCli, ImportsARefractiveIndexFileAsEvaporationMaterial) {
    const std::string yml = fisier("Malitson.yml", "DATA:\n  - type: formula 1\n    wavelength_range: 0.21 6.7\n"
                                                   "    coefficients: 0 0.6961663 0.0684043 0.4079426 0.1162414\n");
    ASSERT_EQ(ruleaza("import-rii --name SiO2 " + yml).cod, 0);
    ASSERT_EQ(recorduri().size(), 1u);
    EXPECT_EQ(recorduri()[0].producator, 10);
    EXPECT_EQ(recorduri()[0].ec_dispersie_n, 4);
    const Rezultat r = ruleaza("import-rii --name X " + fisier("bad.yml", "REFERENCES: x\n"));
    EXPECT_EQ(r.cod, 1);
    EXPECT_NE(r.err.find("fisierul nu are DATA"), std::string::npos) << r.err;

    // A range of a table: only its points, and how far the stored table is from them.
    const std::string tabel = fisier("t.yml", "DATA:\n  - type: tabulated n\n    data: |\n        0.3 1.6\n"
                                              "        0.5 1.5\n        0.7 1.45\n        0.9 1.44\n");
    const Rezultat t = ruleaza("import-rii --name T --from 400 --to 800 " + tabel);
    ASSERT_EQ(t.cod, 0) << t.err;
    EXPECT_NE(t.err.find("tabelul salvat (2 puncte) se abate de la fisier cu cel mult "),
              std::string::npos) << t.err;
    EXPECT_EQ(recorduri()[1].domeniu_n[0], 500);
    EXPECT_EQ(recorduri()[1].domeniu_n[1], 700);
    EXPECT_EQ(ruleaza("import-rii --name T --from 400 " + tabel).cod, 2);
    EXPECT_EQ(ruleaza("import-rii --name T --from 800 --to 400 " + tabel).cod, 2);
    EXPECT_EQ(ruleaza("import-rii --name T --from 1000 --to 2000 " + tabel).cod, 1);  // no data there
}

TEST_F(AgfCli, DiffCatalogueListsEveryGlassAndAppliesTheChosenClasses) {
    ASSERT_EQ(ruleaza("import-agf --producer 2 " + fisier("a.agf", std::string(NBK7Agf) + F2Agf)).cod, 0);
    std::string nbk7 = NBK7Agf;
    nbk7.replace(nbk7.find("2.51"), 4, "2.52");
    const std::string b = fisier("b.agf", nbk7 + SilicaAgf);
    const Rezultat r = ruleaza("diff-catalogue --producer 2 " + b);
    ASSERT_EQ(r.cod, 0) << r.err;
    EXPECT_EQ(r.out, "N-BK7\tschimbat\t0.00e+00\t0.0000\tdensitate\nSUPRASIL\tnou\t0.00e+00\t0.0000\t-\n"
                     "F2\tdisparut\t0.00e+00\t0.0000\t-\ntotal\t1 nou\t1 schimbat\t0 neschimbat\t1 disparut\t0 conflict\n");
    EXPECT_EQ(recorduri().size(), 2u);
    EXPECT_EQ(ruleaza("diff-catalogue --producer 2 --apply new,gone " + b).cod, 2);
    EXPECT_EQ(ruleaza("diff-catalogue --producer 2 --apply new,changed " + b).cod, 0);
    EXPECT_EQ(recorduri().size(), 3u);
    EXPECT_NE(ruleaza("diff-catalogue --producer 2 " + b).out.find("total\t0 nou\t0 schimbat\t2 neschimbat\t1 disparut"),
              std::string::npos);
}

}  // namespace
