// The menu command asks for the catalogue, proposing allglass.sch in the
// glass directory, and shows each glass's classes in a box.

#include <QWidget>

#include "database/GlassDirFixture.h"
#include "import/schott/ImportSchott.h"
#include "import/schott/ImportSchottUi.h"
#include "import/SchottTestData.h"
#include "record/SetLucru.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class ComandaSchott : public GlassDirFixture {
protected:
    ComandaSchott() : salvat_(setLucru()) {
        setLucru() = SetLucru{};
        setLucru().materiale.push_back(namedRecord("Gol0", 2));
    }
    ~ComandaSchott() override { setLucru() = salvat_; }

    QWidget fereastra;

private:
    SetLucru salvat_;
};

TEST_F(ComandaSchott, ImportsTheChosenCatalogueAndNothingWhenTheChooserIsCancelled) {
    TestDir catalog;
    catalog.write("catalog.sch", TextBloc(NBK7()) + TextBloc(NSF11()));
    p.fisiereAlese = {std::nullopt, FisierAles{catalog.str(), "catalog.sch"}};

    EXPECT_FALSE(ComandaImportSchott(&fereastra));
    ASSERT_EQ(p.cereriFisier.size(), 1u);
    EXPECT_EQ(p.cereriFisier[0].directorInitial, d.str());
    EXPECT_EQ(p.cereriFisier[0].numeInitial, "allglass.sch");
    EXPECT_FALSE(d.exists("sticleNou32.dat"));

    EXPECT_TRUE(ComandaImportSchott(&fereastra));
    EXPECT_EQ(db().size(), 2 * MarimeMaterialOptic);
}

}  // namespace
