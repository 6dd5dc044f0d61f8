
#include <tuple>

#include "settings/SettingsFixture.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using Pozitii = SettingsFixture;

constexpr int M = -7777;  // a field the read must not touch

struct CazCitire {
    const char* nume;
    bool posx, posy, dx, dy;  // which values the key holds
    int mod;
    int rezultat;
    PozitieFereastra asteptat;
};

}  // namespace

TEST_F(Pozitii, ReadingRules) {
    const CazCitire cazuri[] = {
        {"toate, pozitie si marime", true, true, true, true, 3, 1, {10, 20, 300, 400}},
        {"toate, doar pozitia", true, true, true, true, 1, 1, {10, 20, M, M}},
        {"toate, doar marimea", true, true, true, true, 2, 1, {M, M, 300, 400}},
        {"fara POSY", true, false, true, true, 1, 0, {1, M, M, M}},
        {"fara POSY: marimea nu se mai citeste", true, false, true, true, 3, 0, {1, M, M, M}},
        {"fara DX", true, true, false, true, 3, 0, {10, 20, 100, 400}},
        {"fara marime", true, true, false, false, 3, 0, {10, 20, 100, 100}},
        {"fara marime, doar pozitia", true, true, false, false, 1, 1, {10, 20, M, M}},
    };
    for (const CazCitire& c : cazuri) {
        SCOPED_TRACE(c.nume);
        const std::string cheie = cheieFereastra(c.nume);
        PlatformaScriptata local(std::make_unique<MemorySettingsStore>());
        PlatformaInstalata g(local);
        DepozitSetari& st = local.setari();
        st.creazaCheie(cheie);
        if (c.posx) st.scrieIntreg(cheie, "POSX", 10);
        if (c.posy) st.scrieIntreg(cheie, "POSY", 20);
        if (c.dx) st.scrieIntreg(cheie, "DX", 300);
        if (c.dy) st.scrieIntreg(cheie, "DY", 400);

        PozitieFereastra poz{M, M, M, M};
        EXPECT_EQ(CitestePozitieFereastraDinRegistri(c.nume, c.mod, poz), c.rezultat);
        EXPECT_EQ(std::tie(poz.x, poz.y, poz.dx, poz.dy),
                  std::tie(c.asteptat.x, c.asteptat.y, c.asteptat.dx, c.asteptat.dy));
        EXPECT_TRUE(local.casete.empty());
    }
}

TEST_F(Pozitii, NoKeyKeepingOffOrTheMessageListChangeNothing) {
    PozitieFereastra poz{M, M, M, M};
    EXPECT_EQ(CitestePozitieFereastraDinRegistri("Necunoscuta", 3, poz), 0);
    EXPECT_EQ(poz.x, M);
    EXPECT_EQ(poz.dy, M);

    ASSERT_EQ(SalveazaPozitieFereastraMod("Editor", 3, {1, 2, 3, 4}), 1);
    ActiveazaPastrarePozitii(false);
    EXPECT_EQ(CitestePozitieFereastraDinRegistri("Editor", 3, poz), 0);
    EXPECT_EQ(poz.x, M);
    EXPECT_EQ(SalveazaPozitieFereastraMod("Editor", 3, {9, 9, 9, 9}), 0);
    EXPECT_EQ(store().citesteIntreg(cheieFereastra("Editor"), "POSX"), 1);

    // The message list never keeps a position: even a key left by someone else is not read.
    ActiveazaPastrarePozitii(true);
    store().creazaCheie(cheieFereastra(ClasaListaErori));
    store().scrieIntreg(cheieFereastra(ClasaListaErori), "POSX", 500);
    poz = {M, M, M, M};
    EXPECT_EQ(CitestePozitieFereastraDinRegistri(ClasaListaErori, 3, poz), 0);
    EXPECT_EQ(std::tie(poz.x, poz.y, poz.dx, poz.dy), std::tuple(1, 1, 200, 200));

    EXPECT_EQ(SalveazaPozitieFereastraMod(ClasaListaErori, 3, {7, 7, 7, 7}), 0);
    EXPECT_EQ(store().citesteIntreg(cheieFereastra(ClasaListaErori), "POSX"), 500);
    EXPECT_FALSE(store().citesteIntreg(cheieFereastra(ClasaListaErori), "DX").has_value());
}

TEST_F(Pozitii, SavingWritesOnlyTheRequestedHalfAndRepairsAPartialKey) {
    const std::string cheie = cheieFereastra("Grafic");
    EXPECT_EQ(SalveazaPozitieFereastraMod("Grafic", ModPozitie, {-5, 6, 700, 800}), 1);
    EXPECT_EQ(store().citesteIntreg(cheie, "POSX"), -5);
    EXPECT_EQ(store().citesteIntreg(cheie, "POSY"), 6);
    EXPECT_FALSE(store().citesteIntreg(cheie, "DX").has_value());

    PozitieFereastra poz;
    EXPECT_EQ(CitestePozitieFereastraDinRegistri("Grafic", 3, poz), 0);
    EXPECT_EQ(SalveazaPozitieFereastraMod("Grafic", ModPozitie | ModMarime, {-5, 6, 700, 800}), 1);
    EXPECT_EQ(CitestePozitieFereastraDinRegistri("Grafic", 3, poz), 1);
    EXPECT_EQ(poz.dx, 700);
    EXPECT_EQ(poz.dy, 800);

    EXPECT_EQ(SalveazaPozitieFereastraMod("Grafic", ModMarime, {0, 0, 10, 20}), 1);
    EXPECT_EQ(store().citesteIntreg(cheie, "POSX"), -5) << "the size alone leaves the position";
    EXPECT_EQ(store().citesteIntreg(cheie, "DX"), 10);
}
