#include "cli/CliFixture.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class TransmisieCli : public CliFixture {
protected:
    TransmisieCli() {
        MaterialOptic m = namedRecord("N-BK7", 2);
        m.grosime_transmisie = 10.0f;
        m.lambda_Ti[0] = 400;
        m.transmisia_interna[0] = 0.13862944f;  // 0.25 at 10 mm
        m.lambda_Ti[2] = 500;
        m.lambda_indici[0] = 400.0f;
        m.indice_k[5] = 1.0;
        dir.write("sticleNou32.dat", databaseOf({namedRecord("F2", 2), m}));
    }
};

}  // namespace

TEST_F(TransmisieCli, TransmittanceListsEverySlotAtTheThicknessAsked) {
    const struct {
        const char* argumente;
        int cod;
        const char* out;
    } cazuri[] = {{"transmittance N-BK7", 0, "400\t0.250000\n500\t1.000000\n"},
                  {"transmittance N-BK7 5", 0, "400\t0.500000\n500\t1.000000\n"},
                  {"transmittance N-BK7 -1", 2, ""},
                  {"transmittance NOPE", 1, ""}};
    for (const auto& c : cazuri) {
        const Rezultat r = ruleaza(c.argumente);
        EXPECT_EQ(r.cod, c.cod) << c.argumente << r.err;
        EXPECT_EQ(r.out, c.out) << c.argumente;
    }
}

TEST_F(TransmisieCli, KFromTransmittanceAsksBeforeReplacingAKTable) {
    const std::string inainte = dir.read("sticleNou32.dat");
    optiuni = "--no";
    EXPECT_EQ(ruleaza("k-from-transmittance N-BK7").cod, 0);
    EXPECT_EQ(dir.read("sticleNou32.dat"), inainte);
    optiuni = "";
    EXPECT_EQ(ruleaza("k-from-transmittance N-BK7").cod, 3);
    optiuni = "--yes";
    EXPECT_EQ(ruleaza("k-from-transmittance N-BK7").cod, 0);
    EXPECT_NEAR(recorduri()[1].indice_k[0], 0.13862944e-6 * 400 / (4 * 3.14159265358979), 1e-12);
    EXPECT_EQ(recorduri()[1].indice_k[5], 0.0);
}

// The opaque (37) and no-value (38) markers are not absorptions: k at 312.6
// nm comes from the measured slots around them. The k equation then reads
// the table, and only standard error tells what was written.
TEST_F(TransmisieCli, KFromTransmittanceSkipsTheMarkersAndMakesKTabulated) {
    MaterialOptic m = namedRecord("N-BK7", 2);
    const std::uint16_t lambda[] = {300, 310, 320, 340};
    const float alfa[] = {0.001f, 37.0f, 38.0f, 0.003f};
    std::copy(std::begin(lambda), std::end(lambda), m.lambda_Ti);
    std::copy(std::begin(alfa), std::end(alfa), m.transmisia_interna);
    m.lambda_indici[0] = 312.6f;
    m.lambda_indici[1] = 500.0f;  // beyond the measured slots
    dir.write("sticleNou32.dat", databaseOf({m}));

    const Rezultat r = ruleaza("k-from-transmittance N-BK7");
    EXPECT_EQ(r.cod, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("S-au scris 1 valori k din transmisia interna, la 312.6 nm"), std::string::npos) << r.err;
    const std::string eval = ruleaza("eval --k N-BK7 312.6").out;
    EXPECT_EQ(eval.substr(0, 8), "312.6\t0\t");
    EXPECT_NEAR(std::stod(eval.substr(8)), (0.001 + 0.315 * 0.002) * 1e-6 * 312.6 / (4 * 3.14159265358979), 1e-13);
}
