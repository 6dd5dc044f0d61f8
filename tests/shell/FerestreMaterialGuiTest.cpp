#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>

#include "dispersion/ComenziDispersie.h"
#include "support/PlatformaScriptata.h"
#include "shell/FereastraPrincipala.h"
#include "platform/FerestreMaterialUi.h"
#include "shell/ShellHelpers.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class EditorDeProba : public FereastraMaterial {
public:
    EditorDeProba(TipEditor tip, int index, int* anulari) : FereastraMaterial(tip, index), anulari_(anulari) {}
    void reimprospateaza() override { ++reimprospatari; }
    void anuleaza() override {
        ++*anulari_;
        FereastraMaterial::anuleaza();
    }
    int reimprospatari = 0;

private:
    int* anulari_;
};

void stergeAmanate() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

struct EditorWindows : ::testing::Test {
    FerestreMaterial& f = ferestreMaterial();
    int create = 0;
    int anulari = 0;
    FerestreMaterial::Fabrica fabrica(TipEditor tip, int index) {
        return [this, tip, index] {
            ++create;
            return new EditorDeProba(tip, index, &anulari);
        };
    }
    ~EditorWindows() override {
        f.inchideToate();
        stergeAmanate();
    }
};

}  // namespace

TEST_F(EditorWindows, OneWindowPerKindAndMaterial) {
    setLucru() = SetLucru{};
    setLucru().materiale.resize(5);
    FereastraMaterial* n3 = f.deschide(TipEditor::IndiciN, 3, fabrica(TipEditor::IndiciN, 3));
    ASSERT_NE(n3, nullptr);
    EXPECT_TRUE(n3->isVisible());
    EXPECT_EQ(f.deschide(TipEditor::IndiciN, 3, fabrica(TipEditor::IndiciN, 3)), n3);
    EXPECT_EQ(create, 1);
    FereastraMaterial* k3 = f.deschide(TipEditor::IndiciK, 3, fabrica(TipEditor::IndiciK, 3));
    FereastraMaterial* n4 = f.deschide(TipEditor::IndiciN, 4, fabrica(TipEditor::IndiciN, 4));
    EXPECT_NE(k3, n3);
    EXPECT_NE(n4, n3);
    EXPECT_EQ(f.numarDeschise(), 3);
    EXPECT_EQ(f.deschide(TipEditor::IndiciN, 5, fabrica(TipEditor::IndiciN, 5)), nullptr);  // no material there
    EXPECT_EQ(f.deschide(TipEditor::IndiciN, -1, fabrica(TipEditor::IndiciN, -1)), nullptr);

    // A window the user closed frees its place.
    n4->close();
    stergeAmanate();
    EXPECT_EQ(f.fereastra(TipEditor::IndiciN, 4), nullptr);
    EXPECT_EQ(f.numarDeschise(), 2);

    // Their material closes: they close.
    setLucru().scoate(3);
    EXPECT_EQ(anulari, 2);
    stergeAmanate();
    EXPECT_EQ(f.numarDeschise(), 0);
}

TEST_F(EditorWindows, InitNFromTheEquationRefreshesTheNWindowOfTheCurrentMaterial) {
    PlatformaScriptata p;
    PlatformaInstalata guard(p);
    InstaleazaReimprospatareIndici();
    SetLucru& set = setLucru();
    set = SetLucru{};
    set.materiale.resize(4);
    std::memset(set.materiale.data(), 0, 4 * sizeof(MaterialOptic));
    set.materialCurent = 2;
    set.materiale[2].lambda_indici[0] = 587.56f;
    set.materiale[2].coef_disp_n[0] = 1.5;  // equation type 0: n is the constant

    auto* n2 = static_cast<EditorDeProba*>(f.deschide(TipEditor::IndiciN, 2, fabrica(TipEditor::IndiciN, 2)));
    auto* n1 = static_cast<EditorDeProba*>(f.deschide(TipEditor::IndiciN, 1, fabrica(TipEditor::IndiciN, 1)));
    auto* k2 = static_cast<EditorDeProba*>(f.deschide(TipEditor::IndiciK, 2, fabrica(TipEditor::IndiciK, 2)));
    p.raspunde(raspuns::IDYES);
    ComandaInitNDinDispersie(p, nullptr, set);
    EXPECT_DOUBLE_EQ(set.materiale[2].indice_n[0], 1.5);
    EXPECT_EQ(n2->reimprospatari, 1);
    EXPECT_EQ(n1->reimprospatari, 0);
    EXPECT_EQ(k2->reimprospatari, 0);
    EXPECT_FALSE(f.trimiteReimprospatare(TipEditor::Termic, 2));
    set = SetLucru{};
}

TEST_F(EditorWindows, ShutdownOfTheMainWindowCancelsThem) {
    TestDir d;
    PlatformaScriptata p;
    PlatformaInstalata guard(p);
    StareCurata stare(d);
    {
        FereastraPrincipala w;
        for (int i = 0; i < NumarMaximMateriale; ++i) w.creazaMaterial();
        f.deschide(TipEditor::Mecanic, 0, fabrica(TipEditor::Mecanic, 0));
        f.deschide(TipEditor::Chimic, 9, fabrica(TipEditor::Chimic, 9));
        p.raspunde(raspuns::IDYES);
        EXPECT_TRUE(w.close());
        EXPECT_EQ(anulari, 2);
    }
    stergeAmanate();
    EXPECT_EQ(f.numarDeschise(), 0);
}
