#include <gtest/gtest.h>

#include "fileutil/UtilitatiFisiere.h"
#include "support/PlatformaScriptata.h"
#include "support/TestDir.h"

using namespace vitramor;
using vitramor::test::TestDir;

namespace {

// "text|flag|number" of each entry, for compact expectations.
std::vector<std::string> Summary(const std::vector<IntrareListaText>& v) {
    std::vector<std::string> r;
    for (const auto& e : v) r.push_back(e.text + "|" + std::to_string(e.indicator) + "|" + std::to_string(e.numar));
    return r;
}

}  // namespace

TEST(TextList, FormatAndFilterModes) {
    const std::string file =
        "; categories\r\n"
        "Sticla optica\t0\r\n"
        "\r\n"
        "   \t \r\n"
        "\x01\x02"
        "Cristal\t1\tcomment\n"
        "Polimer\t3\n"
        "Fara indicator\n"
        "\tIndentat\t2\n"
        "Gunoi\tabc\n"
        "  ; an indented comment\n"
        "#retras\t0\n"
        "\\vechi\n"
        "Ultima\t1";  // no line end at the end of the file
    struct Case {
        int mode;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {0,
         {"Sticla optica|0|0", "Cristal|1|1", "Polimer|3|2", "Fara indicator|0|3", "Indentat|2|4", "Gunoi|0|5",
          "Ultima|1|6"}},
        {2,
         {"Sticla optica|0|0", "Cristal|1|1", "Fara indicator|0|3", "Gunoi|0|5", "Ultima|1|6"}},
        {1, {"Sticla optica|0|0", "Fara indicator|0|3", "Gunoi|0|5"}},
        {5, {"Sticla optica|0|0", "Fara indicator|0|3", "Gunoi|0|5"}},
    };
    TestDir d;
    d.write("CategoriiMaterial.txt", file);
    for (const Case& c : cases) {
        std::vector<IntrareListaText> v;
        ASSERT_EQ(CitesteListaText(d.str(), "CategoriiMaterial.txt", c.mode, v), 1);
        EXPECT_EQ(Summary(v), c.expected) << "mode " << c.mode;
    }
}

TEST(TextList, MissingAndEmptyFiles) {
    TestDir d;
    std::vector<IntrareListaText> v(3);
    EXPECT_EQ(CitesteListaText(d.str(), "none.txt", 0, v), 0);
    EXPECT_TRUE(v.empty());
    d.write("empty.txt", "");
    EXPECT_EQ(CitesteListaText(d.str() + "/", "empty.txt", 0, v), 1);
    EXPECT_TRUE(v.empty());
    EXPECT_EQ(CitesteListaText("", (d / "empty.txt").string(), 0, v), 1);
}
