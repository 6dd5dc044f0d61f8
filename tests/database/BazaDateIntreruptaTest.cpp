#include <chrono>
#include <filesystem>
#include <thread>

#include "database/BazaDateIntrerupta.h"
#include "database/GlassDirFixture.h"
#include "database/Recuperare.h"
#include "fileutil/UtilitatiFisiere.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct Intrerupta : GlassDirFixture {
    const std::string baza = bytesOf(namedRecord("G1")) + bytesOf(namedRecord("G2", 3));
    // Written one after another, so that the last one is the newest.
    void arhive(const std::vector<std::pair<std::string, std::string>>& fisiere) {
        for (const auto& [nume, continut] : fisiere) {
            d.write(nume, continut);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
};

}  // namespace

TEST_F(Intrerupta, TheNewestGoodArchiveIsOfferedAndRestoredOnlyOnYes) {
    // Nothing missing, or nothing to restore from: nothing is asked.
    writeDb(baza);
    EXPECT_EQ(OferaRestaurareBazaDate(p, nullptr, d.str()).stare, StareOperatie::NimicDeFacut);
    std::filesystem::remove(d / "sticleNou32.dat");
    EXPECT_EQ(OferaRestaurareBazaDate(p, nullptr, d.str()).stare, StareOperatie::NimicDeFacut);
    EXPECT_TRUE(p.casete.empty());

    arhive({{"sticleNou32#_0.dat", baza}, {"sticleNou32#_1.dat", baza + "xyz"}, {"3.tmp", "x"}});
    for (const int raspunsDat : {raspuns::IDNO, raspuns::IDYES}) {
        SCOPED_TRACE(raspunsDat);
        p.casete.clear();
        p.raspunde(raspunsDat);
        const RezultatOperatie r = OferaRestaurareBazaDate(p, nullptr, d.str());
        ASSERT_EQ(p.casete.size(), 1u);
        const std::string& intrebare = p.casete[0].text;
        EXPECT_EQ(p.casete[0].caption, "ATENTIE!");
        EXPECT_EQ(p.casete[0].style & stil::MaskButoane, stil::MB_YESNO);
        // The question names what was left behind and the archive passed over.
        const std::string arhiva = d.str() + "/sticleNou32#_0.dat";
        for (const std::string& parte :
             std::vector<std::string>{arhiva + ", " + d.str() + "/3.tmp", "#_1.dat are 4259 octeti",
                                      "Restaurati cea mai noua copie arhiva buna, " + arhiva + "?"})
            EXPECT_NE(intrebare.find(parte), std::string::npos) << parte << "\n" << intrebare;
        if (raspunsDat == raspuns::IDNO) {
            EXPECT_EQ(r.stare, StareOperatie::Anulat);
            EXPECT_FALSE(d.exists("sticleNou32.dat"));
        } else {
            EXPECT_EQ(r.stare, StareOperatie::Facut);
            EXPECT_EQ(r.noi, 2);
            EXPECT_EQ(r.motiv, TextArhivaRestaurata(d.str() + "/sticleNou32#_0.dat", d.str() + "/sticleNou32.dat"));
            EXPECT_EQ(db(), baza);
            EXPECT_EQ(archive(0), baza);
        }
    }
}

TEST_F(Intrerupta, WithoutAGoodArchiveTheOutcomeSaysWhyAndNothingIsAsked) {
    arhive({{"sticleNou32#_0.dat", ""}, {"sticleNou32#_1.dat", std::string(MarimeMaterialOptic, '\0')}});
    for (const bool comanda : {false, true}) {
        SCOPED_TRACE(comanda);
        const RezultatOperatie r =
            comanda ? RestaureazaBazaDate(d.str()) : OferaRestaurareBazaDate(p, nullptr, d.str());
        EXPECT_EQ(r.stare, StareOperatie::Esuat);
        EXPECT_NE(r.motiv.find("#_0.dat este gol (0 octeti)"), std::string::npos) << r.motiv;
        EXPECT_NE(r.motiv.find("#_1.dat nu contine niciun material"), std::string::npos) << r.motiv;
    }
    EXPECT_TRUE(p.casete.empty());
    EXPECT_FALSE(d.exists("sticleNou32.dat"));

    // The command restores without asking and names what it passed over in its notes.
    arhive({{"sticleNou32#_2.dat", baza}, {"sticleNou32#_3.dat", "abc"}});
    const RezultatOperatie r = RestaureazaBazaDate(d.str());
    EXPECT_EQ(r.stare, StareOperatie::Facut);
    ASSERT_EQ(r.note.size(), 1u);
    EXPECT_NE(r.note[0].find("#_3.dat are 3 octeti"), std::string::npos) << r.note[0];
    EXPECT_EQ(db(), baza);
    EXPECT_TRUE(p.casete.empty());
    EXPECT_EQ(RestaureazaBazaDate(d.str()).motiv,
              "Fisierul " + d.str() + "/sticleNou32.dat exista; nu se restaureaza nimic.");
}

// An older version removed the database when its last materials were
// deleted; that deletion is on record, so an empty database is what the user wanted.
TEST_F(Intrerupta, ADeletionOnRecordLeavesAnEmptyDatabaseInsteadOfAnOffer) {
    arhive({{"sticleNou32#_0.dat", baza}});
    std::string motiv;
    ASSERT_TRUE(AdaugaInRecuperare(nullptr, d.str(), RecuperareStergeProducator, baza, motiv)) << motiv;
    const RezultatOperatie r = OferaRestaurareBazaDate(p, nullptr, d.str());
    EXPECT_EQ(r.stare, StareOperatie::NimicDeFacut);
    EXPECT_TRUE(DeRaportat(r));
    EXPECT_NE(r.motiv.find("s-a creat o baza de date goala"), std::string::npos) << r.motiv;
    EXPECT_EQ(db(), "");
    EXPECT_EQ(archive(0), baza);
    EXPECT_TRUE(p.casete.empty());
}
