
#include <cstdlib>

#include "settings/Registri.h"
#include "settings/SettingsFixture.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using Directoare = SettingsFixture;

std::string acasa() {
    const char* h = std::getenv("HOME");
    return h ? h : ".";
}

}  // namespace

TEST_F(Directoare, FirstStartSetsNothingAndShutdownWritesFourEmptyValues) {
    CitesteRegistriVitramor();
    EXPECT_EQ(path_user + path_sticle + path_help + path_machine_learning, "");
    EXPECT_FALSE(DirectorSticlaSetat());
    EXPECT_TRUE(p.casete.empty()) << "a missing key is how every first start looks, not a failure";

    EXPECT_EQ(ScrieRegistriDirectori(), 1);
    EXPECT_TRUE(store().existaCheie(CheieDirectoare));
    for (const char* v : {"USER", "STICLE", "HELP", "ML"})
        EXPECT_EQ(store().citesteText(CheieDirectoare, v), std::optional<std::string>("")) << v;
    // The colours travel with the directories.
    EXPECT_TRUE(store().citesteBinar(CheieCulori, "CULOARE_24").has_value());

    // The next start finds the key and keeps the empty values instead of defaults.
    CitesteRegistriVitramor();
    EXPECT_EQ(path_sticle, "");
    EXPECT_EQ(path_machine_learning, "");
}

TEST_F(Directoare, MissingValuesTakeTheirDefaultsAndOverlongOnesAreCut) {
    store().scrieText(CheieDirectoare, "USER", std::string(400, 'a'));
    store().scrieText(CheieDirectoare, "HELP", "/h");
    CitesteRegistriVitramor();
    EXPECT_EQ(path_user, std::string(259, 'a'));
    EXPECT_EQ(path_help, "/h");
    EXPECT_EQ(path_sticle, acasa() + "/OPTIC/STICLA");
    EXPECT_EQ(path_machine_learning, acasa() + "/OPTIC/PLANOTEX/MACHINE_LEARNING/DATA");
    EXPECT_TRUE(DirectorSticlaSetat());
    EXPECT_TRUE(p.casete.empty());
}

// Every settings failure is named in the box caption; the operation goes on.
TEST(SettingsFailures, PendingStoreErrorsAreShownUnderTheOperationName) {
    StareSetariSalvata stare;
    auto store = std::make_unique<MemorySettingsStore>();
    MemorySettingsStore& s = *store;
    s.eroareInAsteptare = "fisierul de setari nu poate fi citit";
    PlatformaScriptata p(std::move(store));
    PlatformaInstalata guard(p);
    path_sticle = "/pastrat";

    CitesteRegistriVitramor();
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.ultima().caption, "CitesteRegistriVitramor");
    EXPECT_EQ(p.ultima().text, "fisierul de setari nu poate fi citit");
    EXPECT_EQ(path_sticle, "/pastrat");

    p.casete.clear();
    s.scrieText(CheieDirectoare, "USER", "/u");
    s.scrieText(CheieDirectoare, "HELP", "/h");
    CitesteRegistriVitramor();
    std::vector<std::string> titluri;
    for (const auto& c : p.casete) titluri.push_back(c.caption);
    EXPECT_EQ(titluri, (std::vector<std::string>{"path_sticle", "path_machine_learning"}));

    p.casete.clear();
    PozitieFereastra poz{5, 6, 7, 8};
    EXPECT_EQ(CitestePozitieFereastraDinRegistri("Editor", ModPozitie, poz), 0);
    EXPECT_EQ(p.ultima().caption, "CitestePozitieFereastraDinRegistri()");

    p.casete.clear();
    s.esueazaScrierea = true;
    EXPECT_EQ(SalveazaPozitieFereastraMod("Editor", ModPozitie | ModMarime, poz), 0);
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.ultima().caption, "SalveazaPozitieFereastraInRegistri()");

    p.casete.clear();
    EXPECT_EQ(ScrieRegistriDirectori(), 0);
    titluri.clear();
    for (const auto& c : p.casete) titluri.push_back(c.caption);
    EXPECT_EQ(titluri, (std::vector<std::string>{"ScrieRegistriDirectori", "ScrieRegistriCuloriUtilizator"}));
}
