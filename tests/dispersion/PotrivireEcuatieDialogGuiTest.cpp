// The fit dialog driven as the user drives it: the residual table, a code
// that cannot be fitted, and Store against Cancel.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <cstring>

#include "dispersion/PotrivireEcuatieDialog.h"
#include "record/SetLucru.h"
#include "support/ModalDriver.h"
#include "support/PlatformaScriptata.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

MaterialOptic Tabel() {
    MaterialOptic m{};
    std::strcpy(m.nume, "TAB");
    m.ec_dispersie_n = EcuatieTabelata;
    for (int i = 0; i < 10; ++i) {
        m.lambda_indici[i] = 400.0f + 100.0f * static_cast<float>(i);
        m.indice_n[i] = 1.5 + 5000.0 / (m.lambda_indici[i] * m.lambda_indici[i]);
    }
    return m;
}

TEST(PotrivireEcuatieDialog, ShowsTheResidualsAndStoresOnlyOnStore) {
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    SetLucru& set = setLucru();
    set.materiale = {Tabel()};
    set.materialCurent = 0;
    set.modificat = 0;
    const auto alegeCod = [](QWidget* w, int cod) {
        auto* c = w->findChild<QComboBox*>("cod");
        c->setCurrentIndex(c->findData(cod));
    };
    DriverModal anulat({[&](QWidget* w) {
        auto* puncte = w->findChild<QTableWidget*>("puncte");
        EXPECT_EQ(puncte->rowCount(), 10);
        EXPECT_EQ(puncte->horizontalHeaderItem(2)->text(), "Reziduu");
        EXPECT_TRUE(w->findChild<QLabel*>("abatere")->text().startsWith("Reziduul maxim: "));
        alegeCod(w, 11);
        EXPECT_TRUE(w->findChild<QLabel*>("ecuatie")->text().contains("are 10 puncte; ecuatia 11 are 12"));
        EXPECT_FALSE(w->findChild<QPushButton*>("stocheaza")->isEnabled());
        w->findChild<QPushButton*>("anuleaza")->click();
    }});
    EXPECT_EQ(ComandaPotrivireEcuatie(nullptr, 0, 0), 0);
    EXPECT_EQ(set.materiale[0].ec_dispersie_n, EcuatieTabelata);
    EXPECT_EQ(set.modificat, 0);

    // A Cauchy table fits code 3 to the float rounding of n, not to 1e-12.
    DriverModal stocat({[&](QWidget* w) {
        alegeCod(w, 3);
        auto* toleranta = w->findChild<QLineEdit*>("toleranta");
        EXPECT_EQ(toleranta->text(), "0.0001");
        toleranta->setText("1e-12");
        w->findChild<QPushButton*>("stocheaza")->click();
        EXPECT_NE(p.ultima().text.find("Ecuatia 3 nu se potriveste tabelului n: reziduul maxim este"), std::string::npos)
            << p.ultima().text;
        EXPECT_EQ(set.materiale[0].ec_dispersie_n, EcuatieTabelata);
        toleranta->setText("1e-4");
        w->findChild<QPushButton*>("stocheaza")->click();
    }});
    EXPECT_EQ(ComandaPotrivireEcuatie(nullptr, 0, 0), 1);
    EXPECT_EQ(p.ultima().text, "Domeniul ecuatiei lui n este acum 400 - 1300 nm.");
    EXPECT_EQ(set.materiale[0].ec_dispersie_n, 3);
    EXPECT_NEAR(set.materiale[0].coef_disp_n[1], 5000.0, 1e-3);
    EXPECT_EQ(set.modificat, 1);
    set.materiale.clear();
}

}  // namespace
