#include <cstring>

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
    MaterialOptic stocat() {
        MaterialOptic m;
        std::memcpy(&m, dir.read("sticleNou32.dat").data() + 2128, sizeof m);
        return m;
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
    EXPECT_NEAR(stocat().indice_k[0], 0.13862944e-6 * 400 / (4 * 3.14159265358979), 1e-12);
    EXPECT_EQ(stocat().indice_k[5], 0.0);
}
