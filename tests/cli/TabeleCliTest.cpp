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
        PlatformaScriptata p;
        PlatformaInstalata garda(p);
        SalveazaAsocieriInFisier((lucru / "o.aso").string(), c.asocieri);
        sursa = "'" + SirSqlite((lucru / "cat.db").string()) + "'";
    }
    std::string sursa;
};

TEST_F(TabeleCli, CommandsFollowTheContract) {
    const std::string xlsx = "'" + (lucru / "cat.xlsx").string() + "'";
    const std::string aso = " --associations '" + (lucru / "o.aso").string() + "' ";
    // A column headed by its wavelength alone, no thickness anywhere, an index no glass can have.
    const std::string csv = fisier("fara.csv", "nume,nd,400\r\nN-SK2,1.6,0.9\r\nBAD,-1.5,0.8\r\n") + " fara";
    const struct {
        std::string argumente, iesire;
        int cod;
    } cazuri[] = {
        {"tables " + sursa, "sticle\n", 0},
        {"tables " + xlsx, "Foaie 5桁\n", 0},
        {"columns " + sursa + " sticle", "0\tnume\tSQL_LONGVARCHAR\n1\t nd\tSQL_DOUBLE\n2\tTAUI10/400\tSQL_DOUBLE\n", 0},
        {"columns --header-row 2 " + xlsx + " 'Foaie 5桁'", "0\tN-SF6\tSQL_VARCHAR\n1\t1.8052\tSQL_VARCHAR\n2\t0.9\tSQL_VARCHAR\n", 0},
        {"associations '" + (lucru / "o.aso").string() + "'", "da\tNume\t\ttext, max. 15 caractere\tcoloana 1\tcoloana 1\t1\t1\n", 0},
        {"import-table --code 3" + aso + sursa + " sticle", "N-SF6\t1.8052\t0.900\n", 0},
        {"import-table --code 2" + aso + sursa + " sticle", "", 2},
        {"import-table --code 3 --on-conflict keep" + aso + sursa + " sticle", "", 2},
        {"--yes import-table --update --code 3" + aso + xlsx + " 'Foaie 5桁'", "N-SF6\t1.8052\t0.900\n", 0},
        // Everything but the transmittance is stored; the refused index is named: partly done.
        {"--yes import-table --update --code 3 --producer 4" + aso + csv, "Grosime transmisie [mm]\t\tTransmisia nu se importa", 4},
        {"--yes import-table --update --code 3 --producer 4 --thickness 5" + aso + csv, "Grosime transmisie [mm]\t5\tdata", 4},
        {"odbc-info 'DRIVER={Lipsa}'", "", 1},
    };
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.argumente);
        const Rezultat r = ruleaza(c.argumente);
        EXPECT_EQ(r.cod, c.cod) << r.err;
        if (c.argumente.rfind("associations", 0) == 0) {
            EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), c.iesire);
            EXPECT_NE(r.out.find("\tClasa de abraziune (HG)\t\tun numar\t\t\t\t\n"), std::string::npos) << r.out;
        } else if (c.cod == 4) {
            EXPECT_NE(r.out.find(c.iesire), std::string::npos) << r.out;
            EXPECT_NE(r.err.find("Refuzat BAD: n 587.562 nm = -1.5: n nu este in (0, 50]"), std::string::npos) << r.err;
        } else if (c.argumente.find("import-table --", 0) != std::string::npos && c.cod == 0) {
            ASSERT_GE(r.out.size(), c.iesire.size());
            EXPECT_EQ(r.out.substr(r.out.size() - c.iesire.size()), c.iesire);
            EXPECT_EQ(r.out.rfind("Lungimi de unda indici\t nd = 587.562\n", 0), 0u);
        } else if (c.cod == 0) {
            EXPECT_EQ(r.out, c.iesire);
        }
    }
    // A source that cannot be reached is told once, in the driver's words.
    const Rezultat lipsa = ruleaza("odbc-info 'DRIVER={Lipsa}'");
    EXPECT_NE(lipsa.err.find("Can't open lib"), std::string::npos) << lipsa.err;
    EXPECT_EQ(lipsa.err.find("Can't open lib"), lipsa.err.rfind("Can't open lib"));
    // The producer named, the thickness given.
    const auto m = recorduri();
    const auto sk2 = std::find_if(m.begin(), m.end(), [](const MaterialOptic& x) { return std::string(x.nume) == "N-SK2"; });
    ASSERT_NE(sk2, m.end());
    EXPECT_EQ(sk2->producator, 4);
    EXPECT_EQ(sk2->grosime_transmisie, 5.0f);
}

// The connection report walks the source: its driver, then every table with the count of its columns.
TEST_F(TabeleCli, OdbcInfoReportsEachTableWithItsColumns) {
    const Rezultat r = ruleaza("odbc-info " + sursa);
    ASSERT_EQ(r.cod, 0) << r.err;
    for (const char* parte : {"DBMS_Name: SQLite", "\tFunctie: SQL_API_SQLFETCH - ", "Tabelele din baza de date:\n",
                              "\tsticle\n", "Coloane din tabelul sticle\nnume\n", "\n nd\n\t\tDataType = SQL_DOUBLE (8)\n",
                              "\tNr. coloane din tabelul sticle  este: 3\n"})
        EXPECT_NE(r.out.find(parte), std::string::npos) << parte << "\n" << r.out;
}

}  // namespace
