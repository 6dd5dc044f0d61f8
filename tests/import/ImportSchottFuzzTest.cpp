// Random damage to a real catalogue text: whatever the file holds, the block
// reader and the conversion must neither crash nor leave values in the
// record that the rest of the system cannot use. The suite runs this under
// AddressSanitizer and UBSan, which turn any stray access or undefined
// conversion into a failure.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <random>
#include <sstream>

#include "database/GlassDirFixture.h"
#include "import/ImportSchott.h"
#include "import/SchottTestData.h"
#include "messages/ListaMesaje.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

constexpr unsigned Samanta = 5303;
constexpr int IntrariMaxim = 2000;
constexpr auto TimpMaxim = std::chrono::seconds(2);

// Pieces that the format gives a meaning to, so that mutations reach the
// rules instead of only producing text that is no number.
// Entry 6 stands for a NUL byte.
const char* const Fragmente[] = {":", ";", "\"", "\n", "\r\n", "\r", "", "0", "0.", ".5",
                                 "-", "+", "e", "E-", "1e308", "1e-320", "-1e39", "99999999999999999999", "65536",
                                 "mm", "m", "inf", "nan", "0x1p3", " ", "\t", "\xFF", "\x80"};

class Mutator {
public:
    explicit Mutator(unsigned samanta) : g_(samanta) {}

    std::string mutatie(std::string t) {
        const int n = uniform(1, 8);
        for (int i = 0; i < n; ++i) aplica(t);
        return t;
    }

private:
    int uniform(int a, int b) { return std::uniform_int_distribution<int>(a, b)(g_); }
    std::size_t pozitie(const std::string& t) {
        return static_cast<std::size_t>(uniform(0, static_cast<int>(t.size())));
    }

    void aplica(std::string& t) {
        switch (uniform(0, 7)) {
            case 0:
                if (!t.empty()) t[pozitie(t) % t.size()] = static_cast<char>(uniform(0, 255));
                break;
            case 1: {
                const std::size_t i = static_cast<std::size_t>(uniform(0, static_cast<int>(std::size(Fragmente)) - 1));
                if (i == 6)
                    t.insert(pozitie(t), 1, '\0');
                else
                    t.insert(pozitie(t), Fragmente[i]);
                break;
            }
            case 2: {
                const std::size_t a = pozitie(t);
                t.erase(a, static_cast<std::size_t>(uniform(1, 400)));
                break;
            }
            case 3: {
                const std::size_t a = pozitie(t);
                t.insert(a, t.substr(a, static_cast<std::size_t>(uniform(1, 3000))));
                break;
            }
            case 4:
                t.insert(pozitie(t), static_cast<std::size_t>(uniform(70, 5000)), static_cast<char>(uniform(32, 126)));
                break;
            case 5:
                t.resize(pozitie(t));
                break;
            case 6: {
                // A whole line replaced by a value of some other kind.
                std::size_t a = t.find('\n', pozitie(t));
                if (a == std::string::npos) break;
                const std::size_t b = t.find('\n', a + 1);
                const std::size_t i = static_cast<std::size_t>(uniform(0, static_cast<int>(std::size(Fragmente)) - 1));
                t.replace(a + 1, b == std::string::npos ? std::string::npos : b - a - 1,
                          std::string("  v : ") + (i == 6 ? "" : Fragmente[i]) + ";");
                break;
            }
            default:
                // Lines dropped or doubled shift every block after them.
                if (std::size_t a = t.find('\n', pozitie(t)); a != std::string::npos) {
                    const std::size_t b = t.find('\n', a + 1);
                    if (b == std::string::npos) break;
                    if (uniform(0, 1))
                        t.erase(a, b - a);
                    else
                        t.insert(a, t.substr(a, b - a));
                }
        }
    }

    std::mt19937 g_;
};

// What the rest of the system relies on in a record the import wrote.
void VerificaInregistrare(const MaterialOptic& m) {
    ASSERT_NE(std::memchr(m.nume, '\0', CaractereNumeSchott + 1), nullptr);
    EXPECT_EQ(m.producator, ProducatorSchott);
    EXPECT_TRUE(std::isfinite(m.grosime_transmisie) && m.grosime_transmisie > 0.0f) << m.grosime_transmisie;
    for (int i = 0; i < NumarTransmisiiSchott; ++i) {
        const float a = m.transmisia_interna[i];
        EXPECT_TRUE(std::isfinite(a) && a >= 0.0f) << "slot " << i << ": " << a;
    }
    for (int i = 0; i < NumarIndiciSchott; ++i) EXPECT_TRUE(std::isfinite(m.indice_n[i]));
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(std::isfinite(m.coef_disp_n[i]));
    const float valori[] = {m.dilatare[0], m.dilatare[1], m.temperaturi_vascozitate[0], m.temperaturi_vascozitate[1],
                            m.temperaturi_vascozitate[2], m.caldura_specifica[0], m.conductibilitate_termica[0],
                            m.densitate, m.duritate_knoop};
    for (float v : valori) EXPECT_TRUE(std::isfinite(v));
}

TEST(ImportSchottFuzz, DamagedCataloguesNeverCrashTheReader) {
    InstaleazaDestinatieMesaje([](const std::string&, int) { return 1; });
    const std::string original = TextBloc(NBK7()) + TextBloc(F2()) + TextBloc(NFK51A());
    Mutator mutator(Samanta);
    const auto sfarsit = std::chrono::steady_clock::now() + TimpMaxim;
    int intrari = 0;
    for (; intrari < IntrariMaxim && std::chrono::steady_clock::now() < sfarsit; ++intrari) {
        const std::string text = mutator.mutatie(original);
        std::istringstream in(text);
        CititorLiniiSchott cititor(in);
        BlocSchott bloc;
        MaterialOptic m = namedRecord("Gol0", 2);
        while (CitesteBlocSchott(cititor, bloc)) {
            ASSERT_GE(bloc.liniiCitite, 1);
            ASSERT_LE(bloc.liniiCitite, LiniiBlocSchott);
            for (const std::string& l : bloc.linii) ASSERT_LE(l.size(), static_cast<std::size_t>(CaractereLinieSchott));
            for (const AvertizareSchott& a : ConvertesteBlocSchott(bloc, m)) {
                EXPECT_GE(a.linieBloc, 0);
                EXPECT_LT(a.linieBloc, LiniiBlocSchott);
            }
            VerificaInregistrare(m);
            if (::testing::Test::HasFailure()) {
                ADD_FAILURE() << "input " << intrari << " of seed " << Samanta;
                InstaleazaDestinatieMesaje({});
                return;
            }
            if (bloc.linieLunga >= 0) break;  // where the import stops
        }
    }
    InstaleazaDestinatieMesaje({});
    EXPECT_GT(intrari, 50);
    ::testing::Test::RecordProperty("inputs", intrari);
}

// The whole import, database included, on a few damaged files: whatever it
// stores is a whole record, and it always ends with its two beeps.
class ImportSchottFuzzBaza : public GlassDirFixture {};

TEST_F(ImportSchottFuzzBaza, DamagedCataloguesStoreOnlyWholeRecords) {
    InstaleazaDestinatieMesaje([](const std::string&, int) { return 1; });
    const std::string original = TextBloc(NBK7()) + TextBloc(F2());
    Mutator mutator(Samanta + 1);
    for (int i = 0; i < 25; ++i) {
        std::istringstream in(mutator.mutatie(original));
        MaterialOptic lucru = namedRecord("Gol0", 2);
        const int beepuri = p.beepuri;
        const RezultatImportSchott r = ImportaSticleSchott(in, lucru, {nullptr, NumeFisierSchott, [](const std::string&) {}});
        EXPECT_EQ(p.beepuri, beepuri + 2);
        EXPECT_LE(r.salvate, r.sticle);
        EXPECT_EQ(db().size() % MarimeMaterialOptic, 0u);
    }
    InstaleazaDestinatieMesaje({});
}

}  // namespace
