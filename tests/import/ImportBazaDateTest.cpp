// Import from another database file: listing, selection in file order,
// replacement by name, and sources that cannot be used.

#include <filesystem>

#include "database/GlassDirFixture.h"
#include "import/bazadate/ImportBazaDate.h"
#include "messages/ListaMesaje.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using ImportBazaDate = GlassDirFixture;

TEST_F(ImportBazaDate, SelectedRecordsReplaceOrJoinTheDatabaseInFileOrder) {
    std::vector<std::string> mesaje;
    InstaleazaDestinatieMesaje([&](const std::string& t, int) { return mesaje.push_back(t), 1; });
    std::filesystem::create_directory(d / "alt");
    writeFile(d / "alt" / "alt.dat", databaseOf({namedRecord("A"), namedRecord("B"), namedRecord("C")}) +
                                         std::string(50, 'x'));
    writeDb(databaseOf({namedRecord("KEEP", 4), namedRecord("C", 4)}));
    const std::string sursa = (d / "alt").string();

    std::vector<std::string> nume;
    ASSERT_FALSE(ListeazaBazaDate(sursa, "alt.dat", nume).esuat());
    EXPECT_EQ(nume, (std::vector<std::string>{"A", "B", "C"}));
    ASSERT_EQ(mesaje.size(), 1u);  // the 50 bytes after the last record
    EXPECT_NE(mesaje[0].find("50 octeti"), std::string::npos);

    // Another maker's C is a conflict: kept beside the old one under a new name.
    const RezultatOperatie r = ImportaDinBazaDate(nullptr, path_sticle, sursa, "alt.dat", {2, 0}, PoliticaConflict::Redenumeste);
    EXPECT_EQ(r.noi + r.redenumite, 2);
    EXPECT_EQ(db(), databaseOf({namedRecord("KEEP", 4), namedRecord("C", 4), namedRecord("A"), namedRecord("C_2")}));
    InstaleazaDestinatieMesaje({});
}

TEST_F(ImportBazaDate, UnusableSourcesAreReportedAndChangeNothing) {
    writeDb(databaseOf({namedRecord("KEEP")}));
    std::vector<std::string> nume{"previous"};
    const std::string lipsa = (d / "nu exista").string();
    EXPECT_EQ(ListeazaBazaDate(lipsa, "x.dat", nume).motiv, "Nu exista director " + lipsa + ")");
    const std::size_t casete = p.casete.size();
    const RezultatOperatie r =
        ImportaDinBazaDate(nullptr, path_sticle, d.str(), "x.dat", {0}, PoliticaConflict::Intreaba);
    EXPECT_EQ(r.codIesire(), 1);
    EXPECT_EQ(r.motiv, "Eroare open() " + (d / "x.dat").string() + ": No such file or directory");
    EXPECT_EQ(p.casete.size(), casete);  // the caller reports it
    EXPECT_EQ(casete, 0u);
    EXPECT_EQ(nume, std::vector<std::string>{"previous"});
    EXPECT_EQ(db(), databaseOf({namedRecord("KEEP")}));
}

// The import runs off the window's thread: the source is read by its path,
// so the working directory the window relies on never moves, not even during.
TEST_F(ImportBazaDate, ReadingTheSourceLeavesTheWorkingDirectoryAlone) {
    const std::filesystem::path inainte = std::filesystem::current_path();
    std::filesystem::create_directory(d / "alt");
    writeFile(d / "alt" / "alt.dat", databaseOf({namedRecord("A")}));
    std::vector<std::filesystem::path> vazute;
    ASSERT_FALSE(ParcurgeFisierBazaDate((d / "alt").string(), "alt.dat", [&](const MaterialOptic&, std::size_t) {
                     vazute.push_back(std::filesystem::current_path());
                 }).esuat());
    EXPECT_EQ(vazute, std::vector<std::filesystem::path>{inainte});
}

}  // namespace
