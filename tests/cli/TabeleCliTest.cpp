// The table commands on a real ODBC source and an .xlsx file.

#include "cli/CliFixture.h"
#include "import/tabele/AsociereColoane.h"
#include "support/PlatformaScriptata.h"
#include "support/TabelCatalog.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class TabeleCli : public CliFixture {
protected:
    TabeleCli() {
        ConfigureazaOdbc(lucru.str());
        const Randuri r = {{std::string("nume"), std::string(" nd"), std::string("TAUI10/400")},
                           {std::string("N-SF6"), 1.8052, 0.9}};
        ScrieSqlite((lucru / "cat.db").string(), "sticle", r);
        ScrieXlsx((lucru / "cat.xlsx").string(), "Foaie 5桁", r);
        ContextImportExcel c;
        StergeAsocieri(c.asocieri);
        ScrieAsocieriImplicite(c);
        for (auto [i, k] : {std::pair{0, 0}, {3, 1}, {9, 2}}) {
            c.asocieri[i].activ = 1;
            c.asocieri[i].coloanaStart = c.asocieri[i].coloanaStop = static_cast<std::int16_t>(k);
            c.asocieri[i].nrColoane = 1;
        }
        ScriptedPlatform p;
        ScopedPlatform garda(p);
        SalveazaAsocieriInFisier((lucru / "o.aso").string(), c.asocieri);
        sursa = "'" + SirSqlite((lucru / "cat.db").string()) + "'";
    }
    std::string sursa;
};

TEST_F(TabeleCli, CommandsFollowTheContract) {
    const std::string xlsx = "'" + (lucru / "cat.xlsx").string() + "'";
    const std::string aso = " --associations '" + (lucru / "o.aso").string() + "' ";
    const struct {
        std::string argumente, iesire;
        int cod;
    } cazuri[] = {
        {"tables " + sursa, "sticle\n", 0},
        {"tables " + xlsx, "Foaie 5桁\n", 0},
        {"columns " + sursa + " sticle", "0\tnume\tSQL_LONGVARCHAR\n1\t nd\tSQL_DOUBLE\n2\tTAUI10/400\tSQL_DOUBLE\n", 0},
        {"columns --header-row 2 " + xlsx + " 'Foaie 5桁'", "0\tN-SF6\tSQL_VARCHAR\n1\t1.8052\tSQL_VARCHAR\n2\t0.9\tSQL_VARCHAR\n", 0},
        {"associations '" + (lucru / "o.aso").string() + "'", "", 0},
        {"import-table --code 3" + aso + sursa + " sticle", "N-SF6\t1.8052\t0.900\n", 0},
        {"import-table --code 2" + aso + sursa + " sticle", "", 2},
        {"--yes import-table --update --code 3" + aso + xlsx + " 'Foaie 5桁'", "N-SF6\t1.8052\t0.900\n", 0},
        {"odbc-info 'DRIVER={Lipsa}'", "", 1},
    };
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.argumente);
        const Rezultat r = ruleaza(c.argumente);
        EXPECT_EQ(r.cod, c.cod) << r.err;
        if (c.argumente.rfind("associations", 0) == 0) {
            EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "*nume\tchar\t15\t0 - \t0 - \t1\t1");
            EXPECT_NE(r.out.find(" Grindability class (HG)\tfloat\t1\t \t \t \n"), std::string::npos);
        } else if (c.argumente.find("import-table --", 0) != std::string::npos && c.cod == 0) {
            ASSERT_GE(r.out.size(), c.iesire.size());
            EXPECT_EQ(r.out.substr(r.out.size() - c.iesire.size()), c.iesire);
            EXPECT_EQ(r.out.rfind("Lungimi de unda indici\t587.562\n", 0), 0u);
        } else if (c.cod == 0) {
            EXPECT_EQ(r.out, c.iesire);
        }
    }
}

}  // namespace
