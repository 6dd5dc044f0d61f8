// vitramor-cli fit, export-agf and export-rii: the real program on a
// database of its own, with its output, messages and the files it writes.
#include "cli/CliFixture.h"
#include "dispersion/EcuatieDispersie.h"
#include "explorare/SticleCatalog.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

// A Sellmeier glass; with `tabel` only its n at ten wavelengths.
MaterialOptic Sticla(const std::string& nume, std::uint16_t producator, bool tabel) {
    MaterialOptic m = NBK7(nume);
    m.producator = producator;
    m.domeniu_n[0] = 300, m.domeniu_n[1] = 2500;
    for (int i = 0; i < 10; ++i) {
        m.lambda_indici[i] = 400.0f + 100.0f * static_cast<float>(i);
        float n = 0;
        IndiceDinEcuatieDispersie(m, 0, m.lambda_indici[i], n);
        m.indice_n[i] = n;
    }
    if (tabel) m.ec_dispersie_n = EcuatieTabelata;
    return m;
}

class PotrivireExportCli : public CliFixture {
protected:
    PotrivireExportCli() {
        dir.write("sticleNou32.dat",
                  databaseOf({Sticla("G1", 2, false), Sticla("G1", 6, false), Sticla("TAB", 2, true)}));
    }
    std::string cale(const char* nume) { return "'" + (lucru / nume).string() + "'"; }
};

TEST_F(PotrivireExportCli, FitShowsTheEquationAndTheResidualsAndStoresOnlyWhenAsked) {
    const Rezultat r = ruleaza("fit TAB");
    ASSERT_EQ(r.cod, 0) << r.err;
    EXPECT_EQ(r.out.rfind("4\t1.0", 0), 0u) << r.out;  // the table fits its own Sellmeier
    EXPECT_NE(r.out.find("\n400\t1.53085\t"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nmax\t"), std::string::npos);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 12);
    EXPECT_EQ(recorduri()[2].ec_dispersie_n, EcuatieTabelata);

    const Rezultat z = ruleaza("fit --code 11 TAB");
    EXPECT_EQ(z.cod, 1);
    EXPECT_NE(z.err.find("Tabelul n are 10 puncte; ecuatia 11 are 12 coeficienti"), std::string::npos) << z.err;
    EXPECT_EQ(ruleaza("fit --code x TAB").cod, 2);

    // Beyond the tolerance a fit is refused with its figure, the database as it was.
    const std::string inainte = dir.read("sticleNou32.dat");
    const Rezultat refuz = ruleaza("fit --store --code 3 TAB");
    EXPECT_EQ(refuz.cod, 1);
    EXPECT_NE(refuz.err.find("reziduul maxim este "), std::string::npos) << refuz.err;
    EXPECT_EQ(dir.read("sticleNou32.dat"), inainte);
    const Rezultat stocat = ruleaza("fit --store --code 3 --tolerance 1e-2 TAB");
    ASSERT_EQ(stocat.cod, 0) << stocat.err;
    EXPECT_NE(stocat.err.find("Domeniul ecuatiei lui n este acum 400 - 1300 nm"), std::string::npos) << stocat.err;
    EXPECT_EQ(recorduri()[2].ec_dispersie_n, 3);
    EXPECT_EQ(recorduri()[2].domeniu_n[1], 1300);
}

TEST_F(PotrivireExportCli, ExportsWriteOneGlassPerNameAndNameWhatTheyFitted) {
    const Rezultat p = ruleaza("export-agf --producer 2 " + cale("p2.agf"));
    ASSERT_EQ(p.cod, 0) << p.err;
    EXPECT_EQ(lucru.read("p2.agf").rfind("NM G1 2 ", 0), 0u);
    EXPECT_NE(p.err.find("TAB: n (tabel) scris cu formula 2 potrivita: abaterea maxima"), std::string::npos) << p.err;

    const Rezultat toate = ruleaza("export-agf " + cale("toate.agf"));
    ASSERT_EQ(toate.cod, 0) << toate.err;
    EXPECT_EQ(lucru.read("toate.agf").find("NM G1", 1), std::string::npos);
    EXPECT_NE(toate.err.find("G1: numele apare si la materialul producatorului"), std::string::npos) << toate.err;
    EXPECT_EQ(ruleaza("export-agf --producer 6 TAB " + cale("x.agf")).cod, 1);  // TAB is producer 2's
    EXPECT_FALSE(lucru.exists("x.agf"));
    const Rezultat gol = ruleaza("export-agf --producer 9 " + cale("x.agf"));
    EXPECT_EQ(gol.cod, 1);
    EXPECT_NE(gol.err.find("Producatorul 9 nu are materiale in baza de date; fisierul"), std::string::npos) << gol.err;
    EXPECT_FALSE(lucru.exists("x.agf"));

    ASSERT_EQ(ruleaza("export-rii G1 " + cale("g1.yml")).cod, 0);
    EXPECT_NE(lucru.read("g1.yml").find("type: formula 2\n    wavelength_range: 0.3 2.5\n    coefficients: 0 1.03961212"),
              std::string::npos);
    EXPECT_EQ(ruleaza("export-rii G1").cod, 2);

    // A directory under the name, a directory that is not there: the writer's reason, said once.
    std::filesystem::create_directory(lucru / "d.agf");
    for (const auto& [comanda, motiv] :
         {std::pair{"export-agf " + cale("d.agf"), (lucru / "d.agf").string() + " este un director"},
          {"export-rii G1 " + cale("x/g1.yml"), "Eroare scriere fisier " + (lucru / "x/g1.yml").string() + ":\n"}}) {
        const Rezultat r = ruleaza(comanda);
        EXPECT_EQ(r.cod, 1) << comanda;
        EXPECT_NE(r.err.find(motiv), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find(motiv), r.err.rfind(motiv)) << r.err;
        EXPECT_EQ(r.err.find("Eroare scriere fisier"), r.err.rfind("Eroare scriere fisier")) << r.err;
    }
}

}  // namespace
