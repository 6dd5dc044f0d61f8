#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <cstring>

#include "dispersion/ComenziDispersie.h"
#include "dispersion/EcuatieDispersie.h"
#include "support/PlatformaScriptata.h"
#include "suite/CatalixUi.h"
#include "suite/DispersieMaterialDialog.h"
#include "suite/TipMaterialDialog.h"
#include "support/ModalDriver.h"
#include "support/RecordImage.h"
#include "settings/Directoare.h"

using namespace vitramor;
using Modale = vitramor::test::DriverModal;

namespace {

// N-BK7 as the manufacturer catalogue (Schott) prints it: B1 B2 B3 C1 C2 C3,
// nd = 1.51680. C1 is typed in exponent form on purpose.
const char* const TexteNBK7[] = {"1.03961212", "0.231792344", "1.01046945", "6.00069867e-3", "0.0200179144",
                                 "103.560653"};
const double ValoriNBK7[] = {1.03961212, 0.231792344, 1.01046945, 0.00600069867, 0.0200179144, 103.560653};

template <class T>
T* Control(QWidget* w, const char* nume) {
    T* c = w->findChild<T*>(QString::fromLatin1(nume));
    EXPECT_NE(c, nullptr) << nume;
    return c;
}

void Scrie(QLineEdit* camp, const QString& text) {
    camp->selectAll();
    QTest::keyClicks(camp, text);
}

void Scrie(QSpinBox* s, int valoare) {
    s->selectAll();
    QTest::keyClicks(s, QString::number(valoare));
}

void AlegeCod(QComboBox* combo, int cod) { combo->setCurrentIndex(combo->findData(cod)); }

void ScrieNBK7(QWidget* d) {
    AlegeCod(Control<QComboBox>(d, "ecuatieN"), 4);
    for (int i = 0; i < 6; ++i)
        Scrie(Control<QLineEdit>(d, QStringLiteral("coefN%1").arg(i).toLatin1().constData()),
              QString::fromLatin1(TexteNBK7[i]));
}

void Apasa(QWidget* d, const char* buton) { QTest::mouseClick(Control<QPushButton>(d, buton), Qt::LeftButton); }

tag_dispersieNou BlocGol(const char* nume) {
    tag_dispersieNou b;
    std::memset(&b, 0, sizeof b);
    std::strcpy(b.nume, nume);
    return b;
}

class DialoguriDispersie : public ::testing::Test {
protected:
    void TearDown() override { legaturiDispersie() = LegaturiDispersie{}; }
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
};

}  // namespace

TEST_F(DialoguriDispersie, GarbageInACellIsRejectedAndTheOldValueKept) {
    alignas(8) tag_dispersieNou bloc = BlocGol("X");
    bloc.coef_disp_n[0] = 2.0;
    bloc.coef_disp_n[1] = 0.25;
    DispersieMaterialDialog d(nullptr, bloc);
    d.show();
    QLineEdit* c0 = Control<QLineEdit>(&d, "coefN0");
    QLineEdit* c1 = Control<QLineEdit>(&d, "coefN1");
    EXPECT_EQ(c0->text(), QStringLiteral("2"));

    for (const char* gunoi : {"1;5", "abc", "inf", "1e999"}) {
        p.casete.clear();
        Scrie(c0, QString::fromLatin1(gunoi));
        Q_EMIT c0->editingFinished();  // what leaving the cell does
        ASSERT_EQ(p.casete.size(), 1u) << gunoi;
        EXPECT_NE(p.casete[0].text.find(gunoi), std::string::npos) << p.casete[0].text;
        EXPECT_NE(p.casete[0].text.find("c0"), std::string::npos);
        EXPECT_EQ(c0->text(), QStringLiteral("2")) << gunoi;
    }

    // OK with garbage still in a cell: reported, the dialog stays open.
    p.casete.clear();
    Scrie(c1, QStringLiteral("0,5x"));
    d.accept();
    EXPECT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(c1->text(), QStringLiteral("0.25"));

    Scrie(c1, QStringLiteral(" -7.5E-2 "));
    d.accept();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.bloc().coef_disp_n[0], 2.0);
    EXPECT_EQ(d.bloc().coef_disp_n[1], -0.075);
}

TEST_F(DialoguriDispersie, CancelLeavesTheBlockAndUnknownCodesSurviveOk) {
    alignas(8) tag_dispersieNou bloc = BlocGol("Y");
    bloc.ec_dispersie_n = 14;  // not a code the dialog knows
    bloc.ec_dispersie_k = -1;
    bloc.coef_disp_n[0] = 1.25;
    bloc.parametri_dispersie[2] = 21;
    std::memset(bloc.rezervat_424, 0x5A, sizeof bloc.rezervat_424);
    const std::string inainte(reinterpret_cast<const char*>(&bloc), sizeof bloc);

    Modale anulare({[](QWidget* d) {
        Scrie(Control<QLineEdit>(d, "coefN0"), QStringLiteral("3"));
        Apasa(d, "cancel");
    }});
    EXPECT_EQ(DispersieMaterial(nullptr, nullptr, bloc), 2);
    ASSERT_TRUE(anulare.terminat());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bloc), sizeof bloc), inainte);

    QString previzualizare;
    Modale ok({[&](QWidget* d) {
        previzualizare = Control<QLabel>(d, "previzualizareN")->text();
        EXPECT_EQ(Control<QLineEdit>(d, "parametru2")->text(), QStringLiteral("21"));
        Apasa(d, "ok");
    }});
    EXPECT_EQ(DispersieMaterial(nullptr, nullptr, bloc), 1);
    ASSERT_TRUE(ok.terminat());
    EXPECT_EQ(bloc.ec_dispersie_n, 14);
    EXPECT_EQ(bloc.ec_dispersie_k, -1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bloc), sizeof bloc), inainte);
    EXPECT_EQ(previzualizare, QStringLiteral("n(587.56 nm): tipul 14 nu este o ecuatie"));
    EXPECT_EQ(p.beepuri, 0);  // the preview never evaluates a non-equation
}

TEST_F(DialoguriDispersie, TypeDialogStoresTheChoicesOnOkOnly) {
    MaterialOptic m = test::namedRecord("SF10");
    m.tip_material = 1;
    m.ec_dispersie_n = 1;
    m.ec_dispersie_k = 0;
    const std::string inainte = test::bytesOf(m);

    int tip = 0;
    Modale anulare({[](QWidget* d) {
        Control<QComboBox>(d, "tipMaterial")->setCurrentIndex(3);
        Apasa(d, "cancel");
    }});
    EXPECT_EQ(TipMaterial(nullptr, "/glass", tip, m), 2);
    ASSERT_TRUE(anulare.terminat());
    EXPECT_EQ(test::bytesOf(m), inainte);

    Modale ok({[&](QWidget* d) {
        auto* combo = Control<QComboBox>(d, "tipMaterial");
        EXPECT_EQ(combo->currentIndex(), 1);
        combo->setCurrentIndex(3);
        AlegeCod(Control<QComboBox>(d, "ecuatieN"), 4);
        AlegeCod(Control<QComboBox>(d, "ecuatieK"), 12);
        Apasa(d, "ok");
    }});
    EXPECT_EQ(TipMaterial(nullptr, "/glass", tip, m), 1);
    ASSERT_TRUE(ok.terminat());
    EXPECT_EQ(tip, 3);
    EXPECT_EQ(m.tip_material, 3);
    EXPECT_EQ(m.ec_dispersie_n, 4);
    EXPECT_EQ(m.ec_dispersie_k, 12);
}

// The whole road of the menu command with the real dialogs: the user picks
// the Sellmeier form in the type dialog and types the glass's constants.
TEST_F(DialoguriDispersie, CoefficientCommandWithTheInstalledDialogs) {
    InstaleazaDialoguriDispersie();
    SetLucru set;
    set.materiale.push_back(test::namedRecord("N-BK7"));
    set.curent().coef_disp_k[0] = 0.5;

    QString previzualizare;
    Modale m({[](QWidget* d) {
                  AlegeCod(Control<QComboBox>(d, "ecuatieN"), 4);
                  Apasa(d, "ok");
              },
              [&](QWidget* d) {
                  EXPECT_EQ(Control<QComboBox>(d, "ecuatieN")->currentData().toInt(), 4);
                  ScrieNBK7(d);
                  Scrie(Control<QSpinBox>(d, "domeniuInfN"), 300);
                  Scrie(Control<QSpinBox>(d, "domeniuSupN"), 2500);
                  previzualizare = Control<QLabel>(d, "previzualizareN")->text();
                  Apasa(d, "ok");
              }});
    EXPECT_EQ(ComandaCoeficientiDispersie(nullptr, path_sticle, set), 1);
    ASSERT_TRUE(m.terminat());

    const MaterialOptic& rec = set.curent();
    EXPECT_EQ(set.modificat, 1);
    EXPECT_EQ(rec.ec_dispersie_n, 4);
    EXPECT_EQ(rec.domeniu_n[0], 300);
    EXPECT_EQ(rec.domeniu_n[1], 2500);
    EXPECT_EQ(previzualizare, QStringLiteral("n(587.56 nm) = 1.516800"));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(rec.coef_disp_n[i], ValoriNBK7[i]) << i;
    EXPECT_EQ(rec.coef_disp_k[0], 0.5);
    float n = 0.0f;
    ASSERT_EQ(IndiceDinEcuatieDispersie(rec, 0, LambdaLiniaD, n), IndiceValid);
    EXPECT_NEAR(n, 1.51680, 1e-5);
}
