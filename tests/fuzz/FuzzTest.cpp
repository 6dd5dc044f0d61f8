// Every parser of outside data on its committed corpus and on mutations of
// it from a fixed seed, for a bounded time each: a crash, a sanitizer report
// or a broken invariant fails the suite, and the seed and input number
// reproduce it.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "fuzz/FuzzHarnesses.h"
#include "support/TestDir.h"

using namespace vitramor;

namespace {

constexpr unsigned Samanta = 20261205;
constexpr auto TimpPeHarness = std::chrono::milliseconds(1500);
constexpr int MinimPeHarness = 10;

std::vector<std::string> Corpus(const char* nume) {
    std::vector<std::string> c;
    const std::filesystem::path dir = std::filesystem::path(VITRAMOR_SOURCE_DIR) / "tests/fuzz/corpus" / nume;
    for (const auto& e : std::filesystem::directory_iterator(dir)) c.push_back(test::readFile(e.path()));
    std::sort(c.begin(), c.end());
    return c;
}

std::string Mutatie(std::mt19937& g, const std::vector<std::string>& corpus) {
    auto alege = [&g](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(g); };
    std::string t = corpus[alege(corpus.size() - 1)];
    for (std::size_t k = alege(7); k-- > 0;) {
        const std::size_t p = alege(t.size());
        switch (alege(5)) {
            case 0: if (!t.empty()) t[p % t.size()] = static_cast<char>(alege(255)); break;
            case 1: t.insert(p, alege(16), static_cast<char>(alege(255))); break;
            case 2: t.erase(p, alege(64)); break;
            case 3: t.insert(p, t.substr(alege(t.size()), alege(3000))); break;
            case 4: t.resize(p); break;
            default: {
                const std::string& alt = corpus[alege(corpus.size() - 1)];
                t.insert(p, alt.substr(alege(alt.size())));
            }
        }
    }
    return t;
}

}  // namespace

TEST(Fuzz, EveryParserSurvivesItsCorpusAndMutations) {
    for (const fuzz::Harness& h : fuzz::Harnessuri) {
        const std::vector<std::string> corpus = Corpus(h.nume);
        ASSERT_FALSE(corpus.empty()) << h.nume;
        for (const std::string& c : corpus) h.functie(reinterpret_cast<const std::uint8_t*>(c.data()), c.size());
        std::mt19937 g(Samanta);
        const auto sfarsit = std::chrono::steady_clock::now() + TimpPeHarness;
        int intrari = 0;
        // A fixed first share whatever the machine's load, then as many as
        // the time allows.
        for (; intrari < MinimPeHarness || std::chrono::steady_clock::now() < sfarsit; ++intrari) {
            const std::string t = Mutatie(g, corpus);
            SCOPED_TRACE(std::string(h.nume) + " input " + std::to_string(intrari));
            h.functie(reinterpret_cast<const std::uint8_t*>(t.data()), t.size());
        }
    }
}
