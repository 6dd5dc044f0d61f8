// vitramor-cli check, report and propose-ranges: the real program on
// database files of catalogue glasses.
#include <cmath>

#include "explorare/SticleCatalog.h"
#include "cli/CliFixture.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

const std::string Linie60(60, '-');
const std::string Antet = "Material   Producator\t\tStare  \n" + Linie60 + "\n";

using VerificariCli = CliFixture;

TEST_F(VerificariCli, CheckPrintsTheReportWithTheGivenSettings) {
    Rezultat r = ruleaza("check");  // no database yet
    EXPECT_EQ(r.cod, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Eroare deschidere sticleNou32.dat"), std::string::npos) << r.err;

    MaterialOptic f2 = F2();
    f2.indice_n[Slot(f2, LiniaD)] = 1.62040;  // 3.6e-4 off
    MaterialOptic hoya = F2("E-F2", ProducatorHoya);
    hoya.indice_n[Slot(hoya, LiniaC)] = 1.51503;  // 0.1 off
    // k of an absorbing film, 10^(-2 - 0.002·λ): right at 500 nm, 7.6e-4 high at 250 nm.
    MaterialOptic film = Material("FILM", ProducatorEvaporare, 10, {}, {{250, 2.9, 0.0039223}, {500, 2.9, 0.001}});
    film.ec_dispersie_k = 12;
    film.coef_disp_k[0] = -2.0;
    film.coef_disp_k[1] = 0.002;
    dir.write("sticleNou32.dat", databaseOf({NBK7(), f2, SiliceTopita(), hoya, film}));

    r = ruleaza("check");
    EXPECT_EQ(r.cod, 0) << r.err;
    EXPECT_EQ(r.out, Antet + "E-F2\tHoya\n" + Linie60 + "\n5 materiale verificate, 1 cu probleme\n");

    r = ruleaza("check --n-precision 0.0001");
    EXPECT_EQ(r.out, Antet + "F2\tSchott Mainz\nE-F2\tHoya\n" + Linie60 + "\n5 materiale verificate, 2 cu probleme\n");

    r = ruleaza("check --k --no-n --k-precision 0.0005");
    EXPECT_EQ(r.cod, 0) << r.err;
    EXPECT_EQ(r.out, Antet + "FILM\tEvaporare\n" + Linie60 + "\n5 materiale verificate, 1 cu probleme\n");

    r = ruleaza("check --no-n --k");
    EXPECT_EQ(r.out, Antet + Linie60 + "\n5 materiale verificate, 0 cu probleme\n");
}

TEST_F(VerificariCli, APrecisionGivenAs0001AcceptsADifferenceOfExactlyThatMuch) {
    // "0.001" reads as the float 0.001f; 1.5 + 0.001f is an exact double
    // (34 significant bits), so against the constant 1.5 the difference is
    // exactly the precision, and the next double above it is not.
    const double pas = static_cast<double>(0.001f);
    dir.write("sticleNou32.dat", databaseOf({Material("LIMITA", 2, 0, {1.5}, {{500, 1.5 + pas}}),
                                             Material("PESTE", 2, 0, {1.5}, {{500, std::nextafter(1.5 + pas, 2.0)}})}));
    const Rezultat r = ruleaza("check --n-precision 0.001");
    EXPECT_EQ(r.out, Antet + "PESTE\tSchott Mainz\n" + Linie60 + "\n2 materiale verificate, 1 cu probleme\n");
}

TEST_F(VerificariCli, ReportPrintsOneLinePerReportLine) {
    dir.write("sticleNou32.dat", databaseOf({NBK7(), F2()}));
    Rezultat r = ruleaza("report F2");
    ASSERT_EQ(r.cod, 0) << r.err;
    const std::string linie84(84, '-');
    // F2's equation gives ng 1.6420180, nF 1.6320815, ne 1.6240804,
    // nd 1.6200402, nC 1.6150317 against the catalogue's five decimals.
    EXPECT_EQ(r.out, "Material: F2   Producator: Schott Mainz\n"
                     "  \n"
                     "Lambda\t n[i]\t n\t n[i]-n\t k[i]\t k\t k[i]-k\n" +
                         linie84 +
                         "\n"
                         "  435.8\t1.64202\t1.64202\t0.00000\n"
                         "  486.1\t1.63208\t1.63208\t-0.00000\n"
                         "  546.1\t1.62408\t1.62408\t-0.00000\n"
                         "  587.6\t1.62004\t1.62004\t-0.00000\n"
                         "  656.3\t1.61503\t1.61503\t-0.00000\n" +
                         linie84 + "\n");

    r = ruleaza("report NOPE");
    EXPECT_EQ(r.cod, 1);
    EXPECT_EQ(r.out, "");
}

TEST_F(VerificariCli, ProposeRangesAsksPerMaterialOrEndsWithStatus3) {
    const std::string inainte = databaseOf({NBK7(), SiliceTopita(), F2()});
    dir.write("sticleNou32.dat", inainte);
    const std::string intrebare =
        "ATENTIE!: Sticla N-BK7: Domeniu spectral valabil ec. dispersie n: [435 nm - 656 nm]. Acualizati?";

    Rezultat r = ruleaza("propose-ranges 2");
    EXPECT_EQ(r.cod, 3);
    EXPECT_NE(r.err.find(intrebare), std::string::npos) << r.err;
    EXPECT_EQ(dir.read("sticleNou32.dat"), inainte);
    EXPECT_FALSE(dir.exists("3.tmp"));

    r = ruleaza("--no propose-ranges 2");
    EXPECT_EQ(r.cod, 0) << r.err;
    EXPECT_EQ(r.out, "");
    // The proposal is a message line and a question, for each Schott glass.
    EXPECT_NE(r.err.find("Sticla F2: Domeniu spectral valabil ec. dispersie n: [435 nm - 656 nm]. Acualizati?\n"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(dir.read("sticleNou32.dat"), inainte);

    r = ruleaza("--yes propose-ranges 7");
    EXPECT_EQ(r.cod, 0) << r.err;
    std::string asteptat = inainte;
    asteptat.replace(MarimeMaterialOptic + 1060, 4, std::string("\xB3\x01\x90\x02", 4));  // 435, 656
    EXPECT_EQ(dir.read("sticleNou32.dat"), asteptat);
}

}  // namespace
