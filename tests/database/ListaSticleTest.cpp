
#include "database/CitesteIntrareFisierText.h"
#include "database/GlassDirFixture.h"
#include "database/ListaSticle.h"
#include "record/TexteMaterial.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

const char* const Categories =
    "; categorii de materiale\r\n"
    "Sticla optica\tnota\r\n"
    "\r\n"
    "\\ ignorata de cititor\n"
    "# si aceasta\n"
    "   Cristal  \n"
    "\x01Polimer\n"
    ";Comentariu\n"
    "Metal";

struct GlassList : GlassDirFixture {
    GlassList() { d.write("CategoriiMaterial.txt", Categories); }
};

}  // namespace

TEST_F(GlassList, EntryReaderSkipsCommentsBackslashAndHashLines) {
    const std::pair<int, const char*> found[] = {
        {0, "Sticla optica\tnota"}, {1, "Cristal"}, {2, "Polimer"}, {3, "Metal"}};
    for (const auto& [n, text] : found) {
        std::string t;
        EXPECT_EQ(CitesteIntrareFisierText(d.str(), "CategoriiMaterial.txt", n, t, 127), 1) << n;
        EXPECT_EQ(t, text);
    }
    std::string t;
    EXPECT_EQ(CitesteIntrareFisierText(d.str(), "CategoriiMaterial.txt", 0, t, 8), 1);
    EXPECT_EQ(t, "Sticla ");  // cut to the buffer
    EXPECT_TRUE(p.casete.empty());

    EXPECT_EQ(CitesteIntrareFisierText(d.str(), "CategoriiMaterial.txt", 4, t, 127), 0);
    EXPECT_EQ(t, "?????????");
    EXPECT_EQ(p.ultima().text, "In fisier CategoriiMaterial.txt nu exista inregistrarea 4");

    p.casete.clear();
    EXPECT_EQ(CitesteIntrareFisierText(d.str(), "lipsa.txt", 0, t, 127), -1);
    EXPECT_EQ(t, "???");
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(GlassList, LineHasNameProducerAndCategoryUpToItsTab) {
    std::string line;
    LinieListaSticla(path_sticle, withCategory("N-BK7", 2, 0), line);
    EXPECT_EQ(line, std::string("N-BK7\t") + NumeProducatorImplicit(2) + "\tSticla optica");
    LinieListaSticla(path_sticle, withCategory("CaF2", 1, 1), line);
    EXPECT_EQ(line, std::string("CaF2\t") + NumeProducatorImplicit(1) + "\tCristal");

    MaterialOptic full = withCategory("", 0, 3);
    std::memcpy(full.nume, "ABCDEFGHIJKLMNOP", 16);
    LinieListaSticla(path_sticle, full, line);
    EXPECT_EQ(line, std::string("ABCDEFGHIJKLMNOP\t") + NumeProducatorImplicit(0) + "\tMetal");
    LinieListaSticla(path_sticle, full, line, 10);
    EXPECT_EQ(line, "ABCDEFGHI");
    EXPECT_TRUE(p.casete.empty());

    LinieListaSticla(path_sticle, withCategory("X", 0, 9), line);
    EXPECT_EQ(line, std::string("X\t") + NumeProducatorImplicit(0) + "\t???");
    EXPECT_EQ(p.ultima().text, "In fisier CategoriiMaterial.txt nu exista inregistrarea 9");

    std::filesystem::remove(d / "CategoriiMaterial.txt");
    p.casete.clear();
    LinieListaSticla(path_sticle, withCategory("X", 0, 0), line);
    EXPECT_EQ(line, std::string("X\t") + NumeProducatorImplicit(0) + "\t???");
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(GlassList, ListingFollowsFileOrder) {
    writeDb(databaseOf({withCategory("Z", 3, 1), withCategory("A", 10, 0), withCategory("M", 5, 7), withCategory("Q", 6, 7)}));
    std::vector<LinieSticla> lines;
    ASSERT_FALSE(ListeazaSticleInLista(path_sticle, lines).esuat());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, std::string("Z\t") + NumeProducatorImplicit(3) + "\tCristal");
    EXPECT_EQ(lines[1].text, std::string("A\t") + NumeProducatorImplicit(10) + "\tSticla optica");
    EXPECT_EQ(lines[2].text, std::string("M\t") + NumeProducatorImplicit(5) + "\t???");
    const std::uint16_t producers[] = {3, 10, 5, 6};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(lines[i].producator, producers[i]);
    // Two records share the stale category: one message, not two.
    EXPECT_EQ(p.texte(), std::vector<std::string>{"In fisier CategoriiMaterial.txt nu exista inregistrarea 7"});
    EXPECT_EQ(std::filesystem::current_path(), cwd.saved());
}

TEST_F(GlassList, EmptyAndMissingDatabase) {
    writeDb("");
    std::vector<LinieSticla> lines(2);
    EXPECT_FALSE(ListeazaSticleInLista(path_sticle, lines).esuat());
    EXPECT_TRUE(lines.empty());

    std::filesystem::remove(d / "sticleNou32.dat");
    EXPECT_EQ(ListeazaSticleInLista(path_sticle, lines).motiv,
              "In directorul " + d.str() + " nu exista fisierul sticleNou32.dat\nEroare deschidere sticle32.da");
    EXPECT_TRUE(p.texte().empty());
    EXPECT_EQ(std::filesystem::current_path(), cwd.saved());
}
