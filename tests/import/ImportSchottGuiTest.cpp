// The menu command reads allglass.sch from the current directory and shows
// each glass's classes in a box.
#include <gtest/gtest.h>

#include <QWidget>

#include "database/GlassDirFixture.h"
#include "import/ImportSchott.h"
#include "import/ImportSchottUi.h"
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

TEST_F(ComandaSchott, ImportsTheCatalogueOfTheCurrentDirectory) {
    TestDir catalog;
    catalog.write(NumeFisierSchott, TextBloc(NBK7()) + TextBloc(NSF11()));
    std::filesystem::current_path(catalog.path());
    EXPECT_NE(TextSugestieImportSchott().find(catalog.str()), std::string::npos) << TextSugestieImportSchott();

    ComandaImportSchott(&fereastra);
    EXPECT_EQ(p.texte(), (std::vector<std::string>{"1 0 1 2 2", "1 0 1 1 1"}));
    EXPECT_EQ(p.beepuri, 2);
    EXPECT_EQ(db().size(), 2 * MarimeMaterialOptic);
}

}  // namespace
