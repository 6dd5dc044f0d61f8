#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <string>
#include <vector>

#include "dispersion/BlocDispersie.h"
#include "dispersion/ComenziDispersie.h"
#include "explorare/SticleCatalog.h"
#include "support/PlatformaScriptata.h"
#include "settings/Directoare.h"
#include "support/RecordImage.h"

using namespace vitramor;

namespace {

std::string BytesOf(const tag_dispersieNou& b) { return std::string(reinterpret_cast<const char*>(&b), sizeof b); }

// A record whose every dispersion field holds a distinct value; its name has
// no NUL, so the block takes 15 characters of it.
test::RecordImage ImagineMaterial() {
    test::RecordImage img;
    img.u16(0, 3).text(22, "ABCDEFGHIJKLMNOP").i16(1056, 4).i16(1058, 11);  // a name without NUL
    img.u16(1060, 300).u16(1062, 2500).u16(1064, 350).u16(1066, 2400);
    img.u16(1068, 11).u16(1070, 22).u16(1072, 33).u16(1074, 44);
    for (std::size_t i = 0; i < 24; ++i) img.f64(1080 + 8 * i, 1.0 + i).f64(1272 + 8 * i, -0.5 - i);
    return img;
}

class ComenziDispersie : public ::testing::Test {
protected:
    void SetUp() override {
        legaturiDispersie() = LegaturiDispersie{};
        set.materiale.push_back(test::namedRecord("GOL0"));
        set.materiale.push_back(test::namedRecord("GOL1"));
        set.materialCurent = 1;
    }
    void TearDown() override { legaturiDispersie() = LegaturiDispersie{}; }

    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    SetLucru set;
};

}  // namespace

TEST(BlocDispersie, FillCopiesEveryFieldToItsOffsetAndLeavesTheRestAlone) {
    alignas(8) tag_dispersieNou bloc;
    std::memset(&bloc, 0xCC, sizeof bloc);
    UmpleBlocDispersie(ImagineMaterial().record(), bloc);

    test::RecordImage asteptat(sizeof bloc, '\xCC');
    asteptat.text(0, std::string("ABCDEFGHIJKLMNO\0", 16)).u16(16, 3).u16(18, 4).u16(20, 11);
    for (std::size_t i = 0; i < 24; ++i) asteptat.f64(32 + 8 * i, 1.0 + i).f64(224 + 8 * i, -0.5 - i);
    asteptat.u16(416, 300).u16(418, 2500).u16(420, 350).u16(422, 2400);
    asteptat.u16(524, 11).u16(526, 22).u16(528, 33).u16(530, 44);
    EXPECT_EQ(BytesOf(bloc), asteptat.bytes());
}

TEST(BlocDispersie, CopyBackTakesTypesCoefficientsRangesAndWordsButNotTheName) {
    const test::RecordImage original = ImagineMaterial();
    MaterialOptic m = original.record();
    alignas(8) tag_dispersieNou bloc{};
    UmpleBlocDispersie(m, bloc);

    // What a dialog might do to the block, every field changed.
    std::strcpy(bloc.nume, "ALTUL");
    bloc.tip_material = 9;
    bloc.ec_dispersie_n = 1;
    bloc.ec_dispersie_k = 13;
    for (int i = 0; i < 24; ++i) {
        bloc.coef_disp_n[i] = 100.0 + i;
        bloc.coef_disp_k[i] = 200.0 + i;
    }
    for (int i = 0; i < 4; ++i) {
        bloc.domenii[i] = static_cast<std::uint16_t>(1000 + i);
        bloc.parametri_dispersie[i] = static_cast<std::uint16_t>(60000 + i);
    }
    std::memset(bloc.rezervat_22, 0x77, sizeof bloc.rezervat_22);
    std::memset(bloc.rezervat_424, 0x77, sizeof bloc.rezervat_424);
    CopiazaBlocDispersieInMaterial(bloc, m);

    test::RecordImage asteptat = original;
    for (std::size_t i = 0; i < 24; ++i) asteptat.f64(1080 + 8 * i, 100.0 + i).f64(1272 + 8 * i, 200.0 + i);
    asteptat.u16(1060, 1000).u16(1062, 1001).u16(1064, 1002).u16(1066, 1003);
    asteptat.u16(1068, 60000).u16(1070, 60001).u16(1072, 60002).u16(1074, 60003);
    asteptat.i16(1056, 1).i16(1058, 13);
    EXPECT_EQ(test::bytesOf(m), asteptat.bytes());
}

// ---- "Coef. ec. dispersie" ----

TEST_F(ComenziDispersie, OnlyAnAcceptedTypeDialogOpensTheDispersionDialog) {
    int apeluriDispersie = 0;
    legaturiDispersie().tipMaterial = [](Fereastra, const std::string&, int&, MaterialOptic&) { return 2; };
    legaturiDispersie().dispersieMaterial = [&](Fereastra, void*, tag_dispersieNou&) { return ++apeluriDispersie; };
    const std::string inainte = test::bytesOf(set.curent());

    EXPECT_EQ(ComandaCoeficientiDispersie(nullptr, path_sticle, set), 0);
    EXPECT_EQ(apeluriDispersie, 0);
    EXPECT_EQ(set.modificat, 0);
    EXPECT_EQ(test::bytesOf(set.curent()), inainte);

    // Without a material, or without dialogs installed, the commands do nothing.
    SetLucru gol;
    EXPECT_EQ(ComandaCoeficientiDispersie(nullptr, path_sticle, gol), 0);
    EXPECT_EQ(ComandaInitNDinDispersie(p, nullptr, gol).stare, StareOperatie::NimicDeFacut);
    legaturiDispersie() = LegaturiDispersie{};
    EXPECT_EQ(ComandaCoeficientiDispersie(nullptr, path_sticle, set), 0);
    EXPECT_TRUE(p.casete.empty());

    // A dispersion dialog that changes nothing still marks the material modified.
    legaturiDispersie().tipMaterial = [](Fereastra, const std::string&, int&, MaterialOptic&) { return 1; };
    legaturiDispersie().dispersieMaterial = [](Fereastra, void*, tag_dispersieNou&) { return 2; };
    EXPECT_EQ(ComandaCoeficientiDispersie(nullptr, path_sticle, set), 1);
    EXPECT_EQ(set.modificat, 1);
    EXPECT_EQ(test::bytesOf(set.curent()), inainte);
}

TEST_F(ComenziDispersie, DialogEditsComeBackTypeCodesIncluded) {
    const std::string directorVechi = path_sticle;
    path_sticle = "/glass/dir";
    set.curent() = ImagineMaterial().record();
    std::string directorPrimit;
    int tipInitial = -1;
    legaturiDispersie().tipMaterial = [&](Fereastra, const std::string& dir, int& tip, MaterialOptic& m) {
        directorPrimit = dir;
        tipInitial = tip;
        m.ec_dispersie_n = 6;  // a type dialog may change the record itself
        return 1;
    };
    std::int16_t codVazut = -1;
    legaturiDispersie().dispersieMaterial = [&](Fereastra, void*, tag_dispersieNou& b) {
        codVazut = b.ec_dispersie_n;
        b.ec_dispersie_n = 1;
        b.ec_dispersie_k = 0;
        b.coef_disp_n[0] = 2.5;  // which fields come back is the block's own test
        return 1;
    };

    EXPECT_EQ(ComandaCoeficientiDispersie(nullptr, path_sticle, set), 1);
    path_sticle = directorVechi;
    EXPECT_EQ(directorPrimit, "/glass/dir");
    EXPECT_EQ(tipInitial, 0);
    EXPECT_EQ(codVazut, 6);  // the block is filled after the type dialog

    // The types the dispersion dialog chose last, with the coefficients typed for them.
    EXPECT_EQ(test::bytesOf(set.curent()), ImagineMaterial().i16(1056, 1).i16(1058, 0).f64(1080, 2.5).bytes());
    EXPECT_EQ(set.modificat, 1);
    EXPECT_STREQ(set.materiale[0].nume, "GOL0");  // only the current material
}

// ---- "Init n from dispersion eq." ----

TEST_F(ComenziDispersie, InitNAsksThenFillsTheFilledSlotsAndRefreshesTheNWindow) {
    MaterialOptic& m = set.curent();
    m.ec_dispersie_n = 4;  // N-BK7, manufacturer catalogue (Schott)
    std::memcpy(m.coef_disp_n, test::NBK7().coef_disp_n, sizeof m.coef_disp_n);
    m.lambda_indici[0] = 587.5618f;
    m.indice_n[1] = 9.0;  // slot without a wavelength keeps its n
    m.lambda_indici[2] = 656.2725f;
    m.lambda_indici[39] = 486.1327f;
    m.lambda_indici[40] = 546.074f;  // beyond the slots the editors use
    m.indice_n[40] = 8.0;
    m.indice_k[0] = 0.125;
    std::vector<std::pair<int, int>> reimprospatari;
    legaturiDispersie().reimprospateazaFereastraIndici = [&](int idx, int which) {
        reimprospatari.emplace_back(idx, which);
    };
    p.raspunde(raspuns::IDNO);
    EXPECT_EQ(ComandaInitNDinDispersie(p, nullptr, set).stare, StareOperatie::Anulat);
    EXPECT_EQ(m.indice_n[0], 0.0);
    EXPECT_EQ(set.modificat, 0);
    EXPECT_TRUE(reimprospatari.empty());
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].text, "Initializati datele cu ecuatia de dispersie ?");
    EXPECT_EQ(p.casete[0].caption, "VITRAMOR V3.0");
    EXPECT_EQ(p.casete[0].style, 36u | stil::MB_DEFBUTTON2);

    p.raspunde(raspuns::IDYES);
    EXPECT_EQ(ComandaInitNDinDispersie(p, nullptr, set).codIesire(), 0);
    EXPECT_NEAR(m.indice_n[0], 1.51680, 1e-5);   // published nd
    EXPECT_NEAR(m.indice_n[2], 1.51432, 1e-5);   // published nC
    EXPECT_NEAR(m.indice_n[39], 1.52238, 1e-5);  // published nF
    EXPECT_EQ(m.indice_n[0], static_cast<double>(static_cast<float>(m.indice_n[0])));  // a widened float
    EXPECT_EQ(m.indice_n[1], 9.0);
    EXPECT_EQ(m.indice_n[40], 8.0);
    EXPECT_EQ(m.indice_k[0], 0.125);
    EXPECT_EQ(set.modificat, 1);
    EXPECT_EQ(p.casete.size(), 2u);
    EXPECT_EQ(reimprospatari, (std::vector<std::pair<int, int>>{{1, 0}}));
}

TEST_F(ComenziDispersie, InitNOnATabulatedMaterialBeepsAndRefusesEverySlot) {
    legaturiDispersie().titluAplicatie = [] { return std::string("VITRAMOR V3.0 - test"); };
    MaterialOptic& m = set.curent();
    m.ec_dispersie_n = 10;  // c0 = 0: every slot yields 0, status 3
    const float lambdas[] = {587.5618f, 1064.0f, 0.0f, 2325.42f};
    for (int i = 0; i < 4; ++i) {
        m.lambda_indici[i] = lambdas[i];
        m.indice_n[i] = 1.4 + i;
    }
    p.raspunde(raspuns::IDYES);

    const RezultatOperatie r = ComandaInitNDinDispersie(p, nullptr, set);
    EXPECT_EQ(p.beepuri, 3);
    EXPECT_EQ(p.casete.size(), 1u);  // the question; the slots are the caller's to list
    EXPECT_EQ(p.ultima().caption, "VITRAMOR V3.0 - test");
    std::vector<std::string> refuzate;
    for (const auto& x : r.refuzate) refuzate.push_back(x.motiv);
    EXPECT_EQ(refuzate,
              (std::vector<std::string>{"Eroare calcul indice n ptr. 587.562 nm", "Eroare calcul indice n ptr. 1064 nm",
                                        "Eroare calcul indice n ptr. 2325.42 nm"}));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(m.indice_n[i], 1.4 + i);
    EXPECT_EQ(set.modificat, 0);

    // With c0 set, every slot takes c0, still with a beep each.
    m.coef_disp_n[0] = 1.5;
    p.beepuri = 0;
    p.casete.clear();
    p.raspunde(raspuns::IDYES);
    ComandaInitNDinDispersie(p, nullptr, set);
    EXPECT_EQ(p.beepuri, 3);
    EXPECT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(m.indice_n[0], 1.5);
    EXPECT_EQ(m.indice_n[2], 1.4 + 2);  // no wavelength
    EXPECT_EQ(m.indice_n[3], 1.5);
}

// ---- The range step of the save ----

TEST_F(ComenziDispersie, SaveCompletesAnInvalidNRangeAndReportsFailure) {
    struct Caz {
        const char* ce;
        std::int16_t codN;
        float lambda0, lambda1;
        std::uint16_t n0, n1, k0, k1;  // stored before
        std::string mesaj;             // empty: no message
        std::uint16_t dupaN0, dupaN1, dupaK0, dupaK1;
    };
    const std::vector<Caz> cazuri = {
        {"tabulated n without values", 10, 0.0f, 0.0f, 0, 0, 0, 0,
         "Materialul PROBA nu are domeniul spectral valid: 65535 - 0nm. VerificatI!.", 65535, 0, 0, 0},
        {"tabulated n completed", 10, 400.0f, 700.0f, 0, 0, 300, 900, "", 400, 700, 300, 900},
        // The completion also fails on the k range; the message still names the n range.
        {"tabulated n completed, k range invalid", 10, 400.0f, 700.0f, 0, 0, 0, 0,
         "Materialul PROBA nu are domeniul spectral valid: 400 - 700nm. VerificatI!.", 400, 700, 0, 0},
        {"equation with an empty range", 4, 0.0f, 0.0f, 0, 0, 300, 900,
         "Materialul PROBA nu are domeniul spectral valid: 0 - 0nm. VerificatI!.", 0, 0, 300, 900},
        {"valid n range goes into the invalid k range", 4, 0.0f, 0.0f, 365, 2325, 900, 300, "", 365, 2325, 365, 2325},
        {"valid k range is kept", 4, 0.0f, 0.0f, 365, 2325, 300, 900, "", 365, 2325, 300, 900},
    };
    for (const auto& c : cazuri) {
        p.casete.clear();
        MaterialOptic m = test::namedRecord("PROBA");
        m.ec_dispersie_n = c.codN;
        m.ec_dispersie_k = 4;
        m.lambda_indici[0] = c.lambda0;
        m.lambda_indici[1] = c.lambda1;
        m.indice_n[0] = m.indice_n[1] = 1.5;
        std::tie(m.domeniu_n[0], m.domeniu_n[1], m.domeniu_k[0], m.domeniu_k[1]) = std::tuple(c.n0, c.n1, c.k0, c.k1);
        EXPECT_EQ(CompleteazaDomeniiPentruSalvare(m), c.mesaj) << c.ce;
        EXPECT_TRUE(p.casete.empty()) << c.ce;
        EXPECT_EQ(std::tie(m.domeniu_n[0], m.domeniu_n[1], m.domeniu_k[0], m.domeniu_k[1]),
                  std::tuple(c.dupaN0, c.dupaN1, c.dupaK0, c.dupaK1))
            << c.ce;
    }
}
