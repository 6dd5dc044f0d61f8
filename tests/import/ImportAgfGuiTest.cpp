// The AGF and refractiveindex.info dialogs, offscreen: what they list and
// what their Importa button stores.

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "database/GlassDirFixture.h"
#include "import/AgfTestData.h"
#include "import/agf/ImportAgfDialog.h"
#include "import/rii/ImportRiiDialog.h"
#include "messages/ListaMesaje.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class ImportAgfGui : public GlassDirFixture {
protected:
    ImportAgfGui() { InstaleazaDestinatieMesaje([](const std::string&, int) { return 1; }); }
    ~ImportAgfGui() override { InstaleazaDestinatieMesaje({}); }
    std::size_t recorduri() const { return db().size() / sizeof(MaterialOptic); }
};

TEST_F(ImportAgfGui, ListsEveryGlassAndStoresTheCheckedOnes) {
    const std::string text = std::string(NBK7Agf) + BK7SchottAgf + "NM BAD 2 0 1.5 60 0 0\n" + F2Agf;
    ImportAgfDialog d(nullptr, "/x/SCHOTT.AGF", SursaDinOcteti("/x/SCHOTT.AGF", text), CitesteCatalogAgf(text));
    auto* lista = d.findChild<QTreeWidget*>("1201");
    ASSERT_EQ(lista->topLevelItemCount(), 4);
    EXPECT_EQ(lista->topLevelItem(1)->text(3), "obsolete");
    // The bad glass is selected like the command line selects it, so that
    // its refusal is reported, not passed over.
    EXPECT_EQ(d.selectie(), (std::vector<bool>{true, false, true, true}));
    EXPECT_EQ(lista->topLevelItem(2)->text(4), "lipseste linia CD cu coeficientii de dispersie");
    EXPECT_EQ(d.findChild<QComboBox*>("1202")->currentIndex(), 2);
    d.findChild<QPushButton*>("1203")->click();  // "Toate": the withdrawn glass too
    EXPECT_EQ(d.selectie(), (std::vector<bool>{true, true, true, true}));
    d.show();
    d.findChild<QPushButton*>("1")->click();
    EXPECT_EQ(recorduri(), 3u);
    EXPECT_EQ(p.ultima().text, "3 noi, 0 actualizate, 0 redenumite, 0 sarite, 1 refuzate.\nRefuzat BAD: linia 15: "
                               "lipseste linia CD cu coeficientii de dispersie");
    EXPECT_EQ(p.ultima().style & stil::MB_ICONEXCLAMATION, stil::MB_ICONEXCLAMATION);
}

TEST_F(ImportAgfGui, RefractiveIndexFileIsDescribedThenStoredUnderTheGivenName) {
    const std::string yaml = "DATA:\n  - type: formula 1\n    wavelength_range: 0.21 6.7\n"
                             "    coefficients: 0 0.6961663 0.0684043 0.4079426 0.1162414 0.8974794 9.896161\n";
    d.write("Malitson.yml", yaml);
    ImportRiiDialog dlg(nullptr, (d / "Malitson.yml").string(), yaml);
    EXPECT_EQ(dlg.findChild<QComboBox*>("1212")->currentIndex(), 10);
    EXPECT_NE(dlg.findChild<QPlainTextEdit*>("1213")->toPlainText().indexOf("cod 4"), -1);
    dlg.findChild<QLineEdit*>("1211")->setText("SiO2-M");
    dlg.show();
    dlg.findChild<QPushButton*>("1")->click();
    ASSERT_EQ(recorduri(), 1u);
    EXPECT_STREQ(reinterpret_cast<const MaterialOptic*>(db().data())->nume, "SiO2-M");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

}  // namespace
