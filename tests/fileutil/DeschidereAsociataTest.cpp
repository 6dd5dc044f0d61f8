#include <gtest/gtest.h>

#include "fileutil/UtilitatiFisiere.h"
#include "support/PlatformaScriptata.h"

using namespace vitramor;

TEST(ShellOpen, ErrorTexts) {
    const std::pair<int, const char*> cases[] = {
        {0, "The operating system is out of memory or resources."},
        {2, "The specified file was not found."},
        {11, "The .exe file is invalid (non-Microsoft Win32\xc2\xae .exe or error in .exe image)."},
        {31, "There is no application associated with the given file name extension. This error will also be "
             "returned if you attempt to print a file that is not printable."},
        {26, "A sharing violation occurred."},
        {4, "ShellExecute() - ErrorCode = 4 necunoscut"},
        {-1, "ShellExecute() - ErrorCode = -1 necunoscut"},
    };
    for (const auto& [code, text] : cases) EXPECT_EQ(TextEroareShellExecute(code), text) << code;
    // Every documented code has its own text.
    for (int code : {0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32})
        EXPECT_EQ(TextEroareShellExecute(code).find("necunoscut"), std::string::npos) << code;
}

TEST(ShellOpen, FailureIsReportedWithTheTextOfItsCode) {
    ScriptedPlatform p;
    ScopedPlatform guard(p);
    EXPECT_EQ(DeschideCuAplicatiaAsociata(nullptr, "SubstrateMaterials.json", "", "/ml"), 1);
    EXPECT_EQ(p.documenteDeschise, (std::vector<std::string>{"SubstrateMaterials.json @/ml"}));
    EXPECT_TRUE(p.casete.empty());

    p.rezultatDeschidere = 2;
    EXPECT_EQ(DeschideCuAplicatiaAsociata(nullptr, "x.pdf", "", ""), 0);
    EXPECT_EQ(p.ultima().text, "The specified file was not found.");
}
