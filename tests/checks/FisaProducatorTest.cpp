// Producer datasheets: which document each producer opens, and what the
// user is told when it is missing.

#include <gtest/gtest.h>

#include <filesystem>

#include "checks/FisaProducator.h"
#include "settings/Directoare.h"
#include "suite/Vedora.h"
#include "support/PlatformaScriptata.h"
#include "support/TestDir.h"

namespace vitramor {
namespace {

namespace fs = std::filesystem;

// A glass directory of the test's own, with the scripted platform.
class Fisa : public ::testing::Test {
protected:
    Fisa() : vechi_(path_sticle) { path_sticle = d.str(); }
    ~Fisa() override { path_sticle = vechi_; }

    test::TestDir d;
    PlatformaScriptata p;
    PlatformaInstalata guard{p};

private:
    std::string vechi_;
};

TEST(FisaProducator, DocumentOfEveryProducer) {
    const std::string schott = "SCHOTT/tie-30_chemical_properties_of_optical_glass.pdf";
    const std::vector<std::pair<int, std::string>> cazuri{
        {1, schott}, {2, schott}, {3, "HOYA/OpticalGlass.pdf"}, {4, schott}, {5, schott},
        {6, "OHARA/OHARA_CHIMIC.pdf"}, {7, schott}, {8, "PILKINGTON/opticalglasscatalogue.pdf"}, {9, schott},
        {10, schott}, {11, "SUMITA/glassdata.pdf"},
        {0, ""}, {12, ""}, {15, ""}, {-3, ""},
    };
    for (const auto& [cod, relativ] : cazuri) {
        const std::string asteptat = relativ.empty() ? "" : "/g/" + relativ;
        EXPECT_EQ(CaleFisaProducator("/g", cod), asteptat) << cod;
        EXPECT_EQ(CaleFisaProducator("/g/", cod), asteptat) << cod;
    }
}

// The scripted shell records "file @working-directory"; a missing document
// and a producer without a datasheet are the reasons the editor tells; a
// shell refusal is not reported.
TEST_F(Fisa, OpensTheDocumentInItsFolderOrSaysWhatIsMissing) {
    fs::create_directory(d / "OHARA");
    fs::create_directory(d / "SCHOTT");
    test::writeFile(d / "OHARA" / "OHARA_CHIMIC.pdf", "%PDF-1.4\n");
    DeschideFisaProducator(nullptr, path_sticle, 6);
    EXPECT_TRUE(p.casete.empty());
    EXPECT_EQ(p.documenteDeschise,
              std::vector<std::string>{d.str() + "/OHARA/OHARA_CHIMIC.pdf @" + d.str() + "/OHARA"});

    const std::string cale = d.str() + "/SCHOTT/tie-30_chemical_properties_of_optical_glass.pdf";
    EXPECT_EQ(DeschideFisaProducator(nullptr, path_sticle, 2).motiv,
              "Nu exista fisierul\n" + cale +
                  "\n\nCopiati fisa producatorului (PDF) cu numele "
                  "tie-30_chemical_properties_of_optical_glass.pdf in directorul " +
                  d.str() + "/SCHOTT, apoi apasati din nou Ajutor.");
    EXPECT_EQ(DeschideFisaProducator(nullptr, path_sticle, 0).motiv, ReturneazaMesajEroare({}, 0));
    EXPECT_TRUE(p.casete.empty());
    EXPECT_EQ(p.documenteDeschise.size(), 1u);

    p.rezultatDeschidere = 31;  // no application for PDF documents
    EXPECT_FALSE(DeschideFisaProducator(nullptr, path_sticle, 6).esuat());
    EXPECT_TRUE(p.casete.empty());
    EXPECT_EQ(p.documenteDeschise.size(), 2u);
}

}  // namespace
}  // namespace vitramor
