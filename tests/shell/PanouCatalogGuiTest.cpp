// The catalogue panel of the main window and opening materials from the database.
#include <QDockWidget>

#include "explorare/CatalogSticleWidget.h"
#include "platform/DepozitSetari.h"
#include "shell/PanouCatalog.h"
#include "shell/ShellHelpers.h"
#include "support/RecordImage.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using PanouCatalogTest = MainWindowTest;

}  // namespace

TEST_F(PanouCatalogTest, HiddenPanelLeavesTheWindowAsItWasAndTheChoiceIsKept) {
    p.setari().scrieIntreg(CheieSetariCatalog, ValoareCatalogVizibil, 0);
    const QSize inainte = w.size();
    InstaleazaPanouCatalog(w);
    QDockWidget* dock = DockCatalog(w);
    ASSERT_NE(dock, nullptr);
    EXPECT_TRUE(dock->isHidden());
    EXPECT_EQ(w.size(), inainte);

    QAction* a = w.findChild<QAction*>(QString::number(IdComandaPanouCatalog));
    ASSERT_NE(a, nullptr);
    a->trigger();
    EXPECT_FALSE(dock->isHidden());
    EXPECT_GT(w.width(), inainte.width());
    EXPECT_EQ(p.setari().citesteIntreg(CheieSetariCatalog, ValoareCatalogVizibil), 1);
    a->trigger();
    EXPECT_TRUE(dock->isHidden());
    EXPECT_EQ(w.size(), inainte);
    EXPECT_EQ(p.setari().citesteIntreg(CheieSetariCatalog, ValoareCatalogVizibil), 0);
}

TEST_F(PanouCatalogTest, OpeningFromTheDatabaseAddsAMaterialUpToTen) {
    MaterialOptic m = namedRecord("N-BK7");
    m.coef_disp_n[0] = 1.5;
    d.write("sticleNou32.dat", databaseOf({m}));
    CatalogSticleWidget* panou = InstaleazaPanouCatalog(w);
    ASSERT_EQ(panou->model()->rowCount(), 1);

    for (int i = 1; i <= NumarMaximMateriale; ++i) {
        ASSERT_TRUE(DeschideMaterialDinBaza(w, "N-BK7"));
        EXPECT_EQ(setLucru().numarMateriale(), i);
        EXPECT_EQ(setLucru().curent().coef_disp_n[0], 1.5);
    }
    EXPECT_EQ(randuri().first(), "N-BK7");
    EXPECT_FALSE(DeschideMaterialDinBaza(w, "N-BK7"));
    EXPECT_EQ(p.beepuri, 1);
    EXPECT_EQ(setLucru().numarMateriale(), NumarMaximMateriale);
}
