// Where the CSV dialog looks for catalogues, and which typed paths it keeps.

#include <gtest/gtest.h>

#include <filesystem>

#include "import/csv/CaleCsv.h"
#include "support/TestDir.h"

namespace vitramor {
namespace {

TEST(CaleCsv, ProducerFolders) {
    const std::vector<std::pair<int, std::string>> cazuri{
        {0, "/g/RUSIA/*.csv"}, {2, "/g/Schott/*.csv"}, {11, "/g/SUMITA/*.csv"}, {12, "/g/*.csv"}, {-1, "/g/*.csv"},
    };
    for (const auto& [cod, cale] : cazuri) {
        EXPECT_EQ(CaleCsvProducator("/g", cod), cale) << cod;
        EXPECT_EQ(CaleCsvProducator("/g/", cod), cale) << cod;
    }
    EXPECT_EQ(DirectorCsvProducator("/g", 2), "/g/Schott");
    EXPECT_EQ(DirectorCsvProducator("/g", 15), "/g");
}

TEST(CaleCsv, TypedPathIsKeptOnlyWhenUsable) {
    test::TestDir d;
    std::filesystem::create_directory(d / "Schott");
    test::writeFile(d / "Schott" / "catalog.csv", "a;b\n");
    const std::string g = d.str();

    struct Caz {
        std::string text, pastrat;
    };
    const std::vector<Caz> cazuri{
        {g + "/Schott/catalog.csv", g + "/Schott/catalog.csv"},
        {"Schott/catalog.csv", g + "/Schott/catalog.csv"},  // below the glass directory
        {g + "/Schott/*.csv", g + "/Schott/*.csv"},           // the proposed pattern
        {g + "/Schott/N-?.csv", g + "/Schott/N-?.csv"},
        {g + "/Schott/lipsa.csv", ""},
        {g + "/Hoya/*.csv", ""},  // pattern in a folder that is not there
        {g + "/Schott", ""},      // a directory is not a catalogue
        {g + "/Schott/", ""},
        {"", ""},
        {"/" + std::string(259, 'x'), ""},
    };
    for (const Caz& c : cazuri) EXPECT_EQ(VerificaCaleCsv(g, c.text), c.pastrat) << c.text;
}

}  // namespace
}  // namespace vitramor
