
#include <cerrno>
#include <cstring>
#include "database/GlassDirFixture.h"
#include "database/Recuperare.h"
#include "database/StergeMaterialeProducator.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct DeleteByProducer : GlassDirFixture {
    // Two evaporation codes above 15 stand among ordinary producers.
    const std::string original = databaseOf({namedRecord("A", 2), namedRecord("B", 10), namedRecord("C", 17),
                                             namedRecord("D", 3), namedRecord("E", 10), namedRecord("F", 65535)});
};

}  // namespace

TEST_F(DeleteByProducer, CandidatesByCode) {
    struct Case {
        int producer;
        std::string remaining;
    };
    const Case cases[] = {
        {10, databaseOf({namedRecord("A", 2), namedRecord("D", 3)})},
        {2, databaseOf({namedRecord("B", 10), namedRecord("C", 17), namedRecord("D", 3), namedRecord("E", 10),
                        namedRecord("F", 65535)})},
        {17, databaseOf({namedRecord("A", 2), namedRecord("B", 10), namedRecord("D", 3), namedRecord("E", 10),
                         namedRecord("F", 65535)})},
        {5, original},
    };
    for (const Case& c : cases) {
        TestDir fresh;
        path_sticle = fresh.str();
        fresh.write("sticleNou32.dat", original);
        p.casete.clear();
        const int expected = static_cast<int>((original.size() - c.remaining.size()) / MarimeMaterialOptic);
        const RezultatOperatie r = StergeMaterialeProducator(p, nullptr, path_sticle, c.producer, false);
        EXPECT_EQ(r.sterse, expected) << c.producer;
        // A producer without materials is nothing to do, not a failure.
        EXPECT_EQ(r.stare, expected ? StareOperatie::Facut : StareOperatie::NimicDeFacut) << c.producer;
        EXPECT_EQ(r.motiv, TextMaterialeSterse(expected));
        EXPECT_EQ(fresh.read("sticleNou32.dat"), c.remaining) << c.producer;
        EXPECT_EQ(fresh.read("sticleNou32#_0.dat"), original) << c.producer;
        EXPECT_EQ(p.texte(), std::vector<std::string>{"S-a creat fisierul arhiva sticleNou32#_0.dat"});
        EXPECT_FALSE(fresh.exists("3.tmp"));
        // The deleted records wait in the recovery file, in file order.
        std::vector<IntrareRecuperare> rec;
        std::string motivCitire;
        ASSERT_TRUE(CitesteRecuperare(fresh.str(), rec, motivCitire));
        std::string recuperate;
        for (const auto& e : rec) {
            EXPECT_EQ(e.comanda, RecuperareStergeProducator);
            recuperate += bytesOf(e.material);
        }
        EXPECT_EQ(recuperate.size(), original.size() - c.remaining.size()) << c.producer;
        EXPECT_EQ(std::filesystem::current_path(), cwd.saved());
    }
}

TEST_F(DeleteByProducer, AskingDeletesOnlyTheYes) {
    writeDb(original);
    // "Nu la toate" keeps E and F without asking for F.
    p.raspunde({raspuns::IDNO, raspuns::IDYES, raspuns::IDNU_TOATE});
    const RezultatOperatie r = StergeMaterialeProducator(p, nullptr, path_sticle, 10, true);
    EXPECT_TRUE(r.sterse == 1 && r.sarite == 3 && r.codIesire() == 0) << r.rezumat();
    EXPECT_EQ(db(), databaseOf({namedRecord("A", 2), namedRecord("B", 10), namedRecord("D", 3),
                                namedRecord("E", 10), namedRecord("F", 65535)}));
    EXPECT_EQ(archive(0), original);
    ASSERT_EQ(p.casete.size(), 4u);
    const char* asked[] = {"B", "C", "E"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(p.casete[i].text, std::string("Stergeti materialul ") + asked[i] + "?");
        EXPECT_EQ(p.casete[i].caption, "ATENTIE !");
        EXPECT_EQ(p.casete[i].style,
                  stil::MB_YESNO | stil::MB_PENTRUTOATE | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON2);
    }
}

TEST_F(DeleteByProducer, FullSixteenCharacterNameIsAskedWhole) {
    MaterialOptic m = namedRecord("", 4);
    std::memcpy(m.nume, "ABCDEFGHIJKLMNOP", 16);  // no terminating zero in the record
    writeDb(databaseOf({m}));
    p.raspunde(raspuns::IDNO);
    EXPECT_EQ(StergeMaterialeProducator(p, nullptr, path_sticle, 4, true).sarite, 1);
    EXPECT_EQ(p.casete.at(0).text, "Stergeti materialul ABCDEFGHIJKLMNOP?");
}

TEST_F(DeleteByProducer, NothingLeftLeavesAnEmptyDatabaseBesideTheArchive) {
    writeDb(databaseOf({namedRecord("A", 2), namedRecord("B", 2)}));
    EXPECT_EQ(StergeMaterialeProducator(p, nullptr, path_sticle, 2, false).sterse, 2);
    EXPECT_EQ(d.files(), (std::vector<std::string>{"JurnalMateriale.txt", "recuperare.dat", "sticleNou32#_0.dat",
                                                   "sticleNou32.dat"}));
    EXPECT_EQ(db(), "");
    EXPECT_EQ(p.texte(), std::vector<std::string>{"S-a creat fisierul arhiva sticleNou32#_0.dat"});
}

TEST_F(DeleteByProducer, MissingDatabaseOrDirectory) {
    RezultatOperatie r = StergeMaterialeProducator(p, nullptr, path_sticle, 2, false);
    EXPECT_EQ(r.stare, StareOperatie::Esuat);
    EXPECT_EQ(r.motiv, "Eroare deschidere fisier sticleNou32.dat din " + d.str() + ":\n" + std::strerror(ENOENT));
    EXPECT_EQ(std::filesystem::current_path(), cwd.saved());

    path_sticle = (d / "lipsa").string();
    r = StergeMaterialeProducator(p, nullptr, path_sticle, 2, false);
    EXPECT_EQ(r.stare, StareOperatie::Esuat);
    EXPECT_EQ(r.motiv, "Eroare schimbare director " + path_sticle + ":\n" + std::strerror(ENOENT));
    EXPECT_TRUE(p.casete.empty());
    EXPECT_EQ(d.files(), std::vector<std::string>{});
}
