#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "settings/Registri.h"
#include "settings/SettingsFixture.h"
#include "support/TestDir.h"

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

TEST_F(Directoare, MissingValuesTakeTheirDefaults) {
    store().scrieText(CheieDirectoare, "USER", "/u");
    store().scrieText(CheieDirectoare, "HELP", "/h");
    CitesteRegistriVitramor();
    EXPECT_EQ(path_user, "/u");
    EXPECT_EQ(path_help, "/h");
    EXPECT_EQ(path_sticle, acasa() + "/OPTIC/STICLA");
    EXPECT_EQ(path_machine_learning, acasa() + "/OPTIC/PLANOTEX/MACHINE_LEARNING/DATA");
    EXPECT_TRUE(DirectorSticlaSetat());
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(Directoare, AnOverlongValueIsCutToTheBuffer) {
    store().scrieText(CheieDirectoare, "STICLE", std::string(400, 'a'));
    CitesteRegistriVitramor();
    EXPECT_EQ(path_sticle, std::string(259, 'a'));
}

// Every settings failure is named in the box caption; the operation goes on.
TEST(SettingsFailures, PendingStoreErrorsAreShownUnderTheOperationName) {
    StareSetariSalvata stare;
    auto store = std::make_unique<StoreCuEroare>("fisierul de setari nu poate fi citit");
    StoreCuEroare& s = *store;
    ScriptedPlatform p(std::move(store));
    ScopedPlatform guard(p);
    path_sticle = "/pastrat";

    CitesteRegistriVitramor();
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.ultima().caption, "CitesteRegistriVitramor");
    EXPECT_EQ(p.ultima().text, "fisierul de setari nu poate fi citit");
    EXPECT_EQ(path_sticle, "/pastrat");

    p.casete.clear();
    s.memorie.scrieText(CheieDirectoare, "USER", "/u");
    s.memorie.scrieText(CheieDirectoare, "HELP", "/h");
    CitesteRegistriVitramor();
    std::vector<std::string> titluri;
    for (const auto& c : p.casete) titluri.push_back(c.caption);
    EXPECT_EQ(titluri, (std::vector<std::string>{"path_sticle", "path_machine_learning"}));

    p.casete.clear();
    PozitieFereastra poz{5, 6, 7, 8};
    EXPECT_EQ(CitestePozitieFereastraDinRegistri("Editor", ModPozitie, poz), 0);
    EXPECT_EQ(p.ultima().caption, "CitestePozitieFereastraDinRegistri()");

    p.casete.clear();
    s.memorie.esueazaScrierea = true;
    EXPECT_EQ(SalveazaPozitieFereastraMod("Editor", ModPozitie | ModMarime, poz), 0);
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.ultima().caption, "SalveazaPozitieFereastraInRegistri()");

    p.casete.clear();
    EXPECT_EQ(ScrieRegistriDirectori(), 0);
    titluri.clear();
    for (const auto& c : p.casete) titluri.push_back(c.caption);
    EXPECT_EQ(titluri, (std::vector<std::string>{"ScrieRegistriDirectori", "ScrieRegistriCuloriUtilizator"}));
}

// The real store on a scratch INI file: what shutdown writes, the next
// start reads back, directories, colours and window positions alike.
TEST(SettingsIni, WrittenSettingsAreReadBackByTheNextStart) {
    StareSetariSalvata stare;
    TestDir dir;
    const std::string ini = (dir / "x.ini").string();
    {
        ScriptedPlatform p(creazaSettingsStoreQt(ini));
        ScopedPlatform guard(p);
        path_user = "/home/u/lucru";
        path_sticle = "/date/OPTIC/STICLA cu spatii";
        path_help = "";
        path_machine_learning = "/ml";
        for (int i = 0; i < NumarCuloriUtilizator; ++i) culoriUtilizator[i] = 0x00010203u * static_cast<unsigned>(i);
        culoriUtilizator[24] = 0x00FFFFFF;
        EXPECT_EQ(ScrieRegistriDirectori(), 1);
        EXPECT_EQ(SalveazaPozitieFereastraMod("SticlaWndClass", ModPozitie | ModMarime, {-1280, 12, 640, 480}), 1);
        EXPECT_TRUE(p.casete.empty());
    }
    path_user = path_sticle = path_help = path_machine_learning = "vechi";
    std::uint32_t culori[NumarCuloriUtilizator] = {};

    ScriptedPlatform p(creazaSettingsStoreQt(ini));
    ScopedPlatform guard(p);
    CitesteRegistriVitramor();
    EXPECT_EQ(path_user, "/home/u/lucru");
    EXPECT_EQ(path_sticle, "/date/OPTIC/STICLA cu spatii");
    EXPECT_EQ(path_help, "");
    EXPECT_EQ(path_machine_learning, "/ml");
    EXPECT_EQ(CitesteRegistriCuloriUtilizator(culori, NumarCuloriUtilizator), 1);
    EXPECT_EQ(culori[5], 0x00050A0Fu);  // 5 * 0x010203
    EXPECT_EQ(culori[24], 0x00FFFFFFu);
    PozitieFereastra poz;
    EXPECT_EQ(CitestePozitieFereastraDinRegistri("SticlaWndClass", ModPozitie | ModMarime, poz), 1);
    EXPECT_EQ(std::tie(poz.x, poz.y, poz.dx, poz.dy), std::tuple(-1280, 12, 640, 480));
    EXPECT_TRUE(p.casete.empty());
}
