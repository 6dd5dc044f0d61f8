// vitramor-cli check, report and propose-ranges: the real program on
// database files of catalogue glasses.
#include <cmath>

#include "explorare/SticleCatalog.h"
#include "checks/VerificariDispersie.h"
#include "cli/CliFixture.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

const std::string Linie60(60, '-');
const std::string Antet = "Material\tProducator\tStare\n" + Linie60 + "\n";

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
    EXPECT_EQ(r.out, Antet + "E-F2\tHoya\tn la 656.3 nm: 1.51503 fata de 1.61503 din ecuatie\n" + Linie60 + "\n5 materiale verificate, 1 cu probleme\n");

    r = ruleaza("check --n-precision 0.0001");
    EXPECT_EQ(r.out, Antet + "F2\tSchott Mainz\tn la 587.6 nm: 1.62040 fata de 1.62004 din ecuatie\n" + "E-F2\tHoya\tn la 656.3 nm: 1.51503 fata de 1.61503 din ecuatie\n" + Linie60 + "\n5 materiale verificate, 2 cu probleme\n");

    r = ruleaza("check --k --no-n --k-precision 0.0005");
    EXPECT_EQ(r.cod, 0) << r.err;
    EXPECT_EQ(r.out, Antet + "FILM\tEvaporare\tk la 250.0 nm: 0.00392 fata de 0.00316 din ecuatie\n" + Linie60 + "\n5 materiale verificate, 1 cu probleme\n");

    r = ruleaza("check --no-n --k");  // k's own precision by default
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
    EXPECT_EQ(r.out, Antet + "PESTE\tSchott Mainz\tn la 500.0 nm: 1.50100 fata de 1.50000 din ecuatie\n" + Linie60 + "\n2 materiale verificate, 1 cu probleme\n");
}

TEST_F(VerificariCli, CheckNamesStoredNonFiniteValuesAndEveryProducerAsTheListDoes) {
    MaterialOptic x = F2("X13", 13);
    x.indice_n[3] = NAN;
    x.indice_n[7] = INFINITY;
    x.densitate = -INFINITY;
    dir.write("sticleNou32.dat", databaseOf({NBK7(), x, F2("X12", 12)}));
    Rezultat r = ruleaza("check");
    EXPECT_EQ(r.cod, 0) << r.err;
    EXPECT_EQ(r.out, Antet + "X13\tHaraeus\tvaloare nefinita indice_n[3] = nan (si inca 1)\n" +
                         "X13\tHaraeus\tvaloare nefinita densitate = -inf\n" + Linie60 +
                         "\n3 materiale verificate, 1 cu probleme (1 cu valori nefinite)\n");
    r = ruleaza("report X12");
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Material: X12   Producator: Umicore");
}

TEST_F(VerificariCli, ReportPrintsOneLinePerReportLine) {
    dir.write("sticleNou32.dat", databaseOf({NBK7(), F2()}));
    Rezultat r = ruleaza("report F2");
    ASSERT_EQ(r.cod, 0) << r.err;
    // Each line of the material report, as the window shows it, on a line of its own.
    BlocText raport;
    RaportMaterial(dir.str(), F2(), raport);
    ASSERT_TRUE(raport);
    std::string asteptat = *raport + "\r\n";
    for (std::size_t i; (i = asteptat.find("\r\n")) != std::string::npos;) asteptat.replace(i, 2, "\n");
    EXPECT_EQ(r.out, asteptat);

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
