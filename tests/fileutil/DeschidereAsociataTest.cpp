#include <gtest/gtest.h>

#include <set>

#include "fileutil/UtilitatiFisiere.h"
#include "support/PlatformaScriptata.h"

using namespace vitramor;

TEST(ShellOpen, EveryDocumentedCodeHasItsOwnTextAndOthersNameTheirNumber) {
    std::set<std::string> texte;
    for (int code : {0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32}) {
        EXPECT_EQ(TextEroareShellExecute(code).find("necunoscut"), std::string::npos) << code;
        texte.insert(TextEroareShellExecute(code));
    }
    EXPECT_EQ(texte.size(), 13u);
    EXPECT_EQ(TextEroareShellExecute(-1), "ShellExecute() - ErrorCode = -1 necunoscut");
}

TEST(ShellOpen, FailureIsReportedWithTheTextOfItsCode) {
    PlatformaScriptata p;
    PlatformaInstalata guard(p);
    EXPECT_EQ(DeschideCuAplicatiaAsociata(nullptr, "SubstrateMaterials.json", "", "/ml"), 1);
    EXPECT_EQ(p.documenteDeschise, (std::vector<std::string>{"SubstrateMaterials.json @/ml"}));
    EXPECT_TRUE(p.casete.empty());

    p.rezultatDeschidere = 2;
    EXPECT_EQ(DeschideCuAplicatiaAsociata(nullptr, "x.pdf", "", ""), 0);
    EXPECT_EQ(p.ultima().text, "The specified file was not found.");
}
