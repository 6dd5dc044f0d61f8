#include <gtest/gtest.h>

#include <set>
#include <vector>
#include <string>

#include "support/PlatformaScriptata.h"
#include "suite/Vedora.h"

namespace vitramor {
namespace {

using namespace stil;
using namespace raspuns;

// Every number the system shows, with whether its callers ask a question
// with it (the box then has Yes/No buttons, so the text must ask).
struct MesajFolosit {
    int numar;
    bool intrebare;
};

const MesajFolosit kFolosite[] = {
    {0, false},    {1, false},    {2, false},   {362, false}, {4, false},   {8, false},   {1507, false},
    {1508, false}, {799, false},  {1471, false}, {9, false},  {40, false},  {10, false}, {38, false},
    {21, false},   {22, false},   {23, true},   {41, true},   {77, false},  {81, false}, {82, false},
    {83, false},   {1321, false}, {144, false}, {145, false}, {576, false}, {947, true}, {568, true},
    {205, true},   {206, true},   {216, true},  {336, true},  {1467, false},
};

TEST(MesajeNumerotate, EveryUsedNumberHasItsOwnFittingText) {
    std::set<std::string> texte;
    for (const MesajFolosit& m : kFolosite) {
        SCOPED_TRACE("message " + std::to_string(m.numar));
        const std::string text = ReturneazaMesajEroare("", m.numar);
        ASSERT_FALSE(text.empty());
        // The fallback names its number; a real text does not need to.
        EXPECT_EQ(text.find(std::to_string(m.numar) + " nu are"), std::string::npos) << text;
        EXPECT_EQ(text.find('%'), std::string::npos) << "unfilled placeholder: " << text;
        for (unsigned char c : text) EXPECT_LT(c, 0x80) << "texts are plain ASCII: " << text;
        EXPECT_EQ(text.back() == '?', m.intrebare) << text;
        texte.insert(text);
    }
    // No two situations share a text (2 and 362 are two different clipboard failures).
    EXPECT_EQ(texte.size(), std::size(kFolosite));
    for (int numar : {3, 99, 65535, -1})
        EXPECT_NE(ReturneazaMesajEroare("", numar).find(std::to_string(numar)), std::string::npos) << numar;
}

TEST(Eroare, ShowsTheNumberedTextWithTheCallersStyleAndReturnsTheAnswer) {
    PlatformaScriptata p;
    PlatformaInstalata guard(p);
    p.raspunde(IDNO);
    EXPECT_EQ(eroare("/help", nullptr, MB_YESNO | MB_ICONQUESTION, 23), IDNO);
    EXPECT_EQ(eroare("/help", nullptr, MB_OK | MB_ICONEXCLAMATION, 10), IDOK);

    ASSERT_EQ(p.casete.size(), 2u);
    EXPECT_EQ(p.casete[0].numar, 23);
    EXPECT_EQ(p.casete[0].style, 36u);
    EXPECT_EQ(p.casete[0].text, "Materialul nu a fost modificat. Il salvati totusi?");
    EXPECT_EQ(p.casete[1].numar, 10);
    EXPECT_EQ(p.casete[1].style, 48u);
    EXPECT_EQ(p.casete[1].text, ReturneazaMesajEroare("/help", 10));
}

// The first line makes the block, even an empty one; every later line is
// joined with CR LF, empty lines included.
TEST(AddTextRAM, GrowsABlockFromAbsentWithCrLfBetweenLines) {
    const struct {
        std::vector<std::string> linii;
        std::string bloc;
    } cazuri[] = {
        {{"Materiale cu probleme", "N-BK7\t587.6", "", "F2"}, "Materiale cu probleme\r\nN-BK7\t587.6\r\n\r\nF2"},
        {{""}, ""},
        {{"", "x"}, "\r\nx"},
    };
    for (const auto& c : cazuri) {
        BlocText bloc;
        for (const std::string& l : c.linii) EXPECT_EQ(AddTextRAM(bloc, l), 1);
        ASSERT_TRUE(bloc.has_value());
        EXPECT_EQ(*bloc, c.bloc);
    }
}

}  // namespace
}  // namespace vitramor
