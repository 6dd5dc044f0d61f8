// The release comparison window, offscreen: its table, its filter, the
// choice for a class and what applying it stores.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "database/GlassDirFixture.h"
#include "import/AgfTestData.h"
#include "import/agf/ImportAgf.h"
#include "import/comparare/ComparaCatalogWindow.h"
#include "messages/ListaMesaje.h"
#include "suite/GraficWidget.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class ComparaCatalogGui : public GlassDirFixture {
protected:
    ComparaCatalogGui() { InstaleazaDestinatieMesaje([](const std::string&, int) { return 1; }); }
    ~ComparaCatalogGui() override { InstaleazaDestinatieMesaje({}); }
};

TEST_F(ComparaCatalogGui, ShowsTheReleaseFiltersItAndAppliesTheChosenClass) {
    const std::string a = std::string(NBK7Agf) + F2Agf;
    const CatalogAgf c = CitesteCatalogAgf(a);
    ImportaSticleAgf(nullptr, path_sticle, "a.agf", SursaDinOcteti("a.agf", a), c, SelectieImplicitaAgf(c), 2, PoliticaConflict::Sari);
    std::string nbk7 = NBK7Agf;
    nbk7.replace(nbk7.find("CD 1.03961212"), 13, "CD 1.03971212");
    d.write("b.agf", nbk7 + SilicaAgf);

    ComparaCatalogWindow w(nullptr);
    w.findChild<QLineEdit*>("fisier")->setText(QString::fromStdString(d.str() + "/b.agf"));
    w.findChild<QPushButton*>("compara")->click();
    auto* tabel = w.findChild<QTableView*>("tabelSticle");
    ASSERT_EQ(tabel->model()->rowCount(), 3);
    EXPECT_EQ(tabel->model()->index(0, 1).data().toString(), "schimbata");
    EXPECT_EQ(w.findChild<GraficWidget*>("graficDeltaN")->numarSerii(), 1);  // N-BK7's Δn, selected first
    w.findChild<QComboBox*>("filtruClasa")->setCurrentIndex(4);  // discontinued
    ASSERT_EQ(tabel->model()->rowCount(), 1);
    EXPECT_EQ(tabel->model()->index(0, 0).data().toString(), "F2");

    // New glasses left out as a class; the change applied.
    w.findChild<QComboBox*>("clasaAleasa")->setCurrentIndex(0);
    w.findChild<QComboBox*>("actiuneClasa")->setCurrentIndex(1);
    w.findChild<QPushButton*>("aplicaClasa")->click();
    EXPECT_EQ(w.actiuni(), (std::vector<ActiuneSticla>{ActiuneSticla::Stocheaza, ActiuneSticla::Nimic, ActiuneSticla::Nimic}));
    w.findChild<QPushButton*>("aplica")->click();
    EXPECT_EQ(p.ultima().text.rfind("0 noi, 1 actualizate", 0), 0u) << p.ultima().text;
    EXPECT_EQ(w.comparatie().numar, (std::array<int, 5>{1, 0, 1, 1, 0}));  // compared again
}

}  // namespace
