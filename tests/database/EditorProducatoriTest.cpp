// The producers dialog's rules on a real producer table: a changed entry is
// offered for storing before another one replaces it, codes are checked,
// deletion moves to the neighbouring producer.

#include "database/EditorProducatori.h"
#include "database/GlassDirFixture.h"
#include "database/ProducatoriHelpers.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

struct ProducerEditor : GlassDirFixture {
    ProducerEditor() {
        storeProducer(3, "Hoya", "/cat/hoya");
        storeProducer(20, "Nou", "/cat/nou");
        storeProducer(41, "Altul", "");
        p.casete.clear();
    }

    EditorProducatori opened() {
        EditorProducatori e(p, nullptr, path_sticle);
        EXPECT_EQ(e.umpleLista(), 1);
        return e;
    }
};

}  // namespace

TEST(ProducerLine, CodeIsReadUpToTheFirstTab) {
    EXPECT_EQ(CodDinLinieProducator(" 3\tHoya\t/x"), 3);
    EXPECT_EQ(CodDinLinieProducator("63900\tX\t"), 63900);
    EXPECT_EQ(CodDinLinieProducator("\tX\t"), -1);
    EXPECT_EQ(CodDinLinieProducator("abc\t1"), -1);
    EXPECT_EQ(CodDinLinieProducator("70000\tX"), -1);
}

TEST_F(ProducerEditor, ChangedEntryDroppedOnNo) {
    EditorProducatori e = opened();
    ASSERT_EQ(e.selecteazaRand(0), 1);
    ASSERT_TRUE(e.preiaCod("7"));
    e.preiaNume("Alt nume");
    const auto before = producerTable();

    p.raspunde(raspuns::IDNO);
    ASSERT_EQ(e.selecteazaRand(1), 1);
    EXPECT_EQ(numberedMessages(p), std::vector<int>{205});
    EXPECT_EQ(producerTable(), before);
    EXPECT_STREQ(e.intrare().nume, "Nou");
}

TEST_F(ProducerEditor, CodeBelowOneOrNotANumberIsRefusedWithMessage10) {
    EditorProducatori e = opened();
    ASSERT_EQ(e.selecteazaRand(1), 1);
    for (const char* text : {"0", "-4", "", "abc", "12x", "65536"}) EXPECT_FALSE(e.preiaCod(text)) << text;
    EXPECT_EQ(numberedMessages(p), std::vector<int>(6, 10));
    EXPECT_EQ(e.intrare().cod, 20);
    EXPECT_FALSE(e.modificata());
    EXPECT_TRUE(e.preiaCod("65535"));
    EXPECT_EQ(e.intrare().cod, 65535);
    EXPECT_TRUE(e.modificata());
}

TEST_F(ProducerEditor, CodesPast63900AreConfirmedWithMessage216) {
    storeProducer(63900, "Ultimul", "");
    EditorProducatori e = opened();
    p.raspunde(raspuns::IDNO);
    EXPECT_EQ(e.creeazaNou(), 0);
    EXPECT_EQ(numberedMessages(p), std::vector<int>{216});
    EXPECT_EQ(e.intrare().cod, 0);

    p.raspunde(raspuns::IDYES);
    ASSERT_EQ(e.creeazaNou(), 1);
    EXPECT_EQ(e.intrare().cod, 63901);

    // The code field has 16 bits: past them there is no code to give.
    storeProducer(65535, "Plin", "");
    ASSERT_EQ(e.umpleLista(), 1);
    p.casete.clear();
    p.raspunde(raspuns::IDYES);
    EXPECT_EQ(e.creeazaNou(), 0);
    EXPECT_EQ(numberedMessages(p), (std::vector<int>{216, 38}));
    EXPECT_EQ(e.intrare().cod, 63901);
}

TEST_F(ProducerEditor, DeleteAsksThenShowsTheNeighbour) {
    EditorProducatori e = opened();
    ASSERT_EQ(e.selecteazaRand(1), 1);
    p.raspunde(raspuns::IDNO);
    EXPECT_EQ(e.sterge(), 0);
    EXPECT_EQ(producerTable().size(), 3u);

    // The question names the producer; Enter alone answers No.
    EXPECT_EQ(p.ultima().text, "Stergeti producatorul Nou (cod 20) din tabelul producatorilor?");
    EXPECT_EQ(p.ultima().caption, TitluEditorProducatori);
    EXPECT_EQ(p.ultima().style, stil::MB_YESNO | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON2);
    p.raspunde(raspuns::IDYES);
    ASSERT_EQ(e.sterge(), 1);
    EXPECT_EQ(producerTable(), (std::vector<std::string>{" 3\tHoya\t/cat/hoya", "41\tAltul\t"}));
    EXPECT_STREQ(e.intrare().nume, "Altul");  // the row that took the deleted one's place
    EXPECT_EQ(e.randSelectat(), 1);

    // Deleting the last row moves back to the one before it.
    p.raspunde(raspuns::IDYES);
    ASSERT_EQ(e.sterge(), 1);
    EXPECT_STREQ(e.intrare().nume, "Hoya");
    EXPECT_EQ(e.randSelectat(), 0);
    EXPECT_TRUE(numberedMessages(p).empty());
}

TEST_F(ProducerEditor, NamelessEntryIsNotStored) {
    EditorProducatori e = opened();
    ASSERT_EQ(e.selecteazaRand(0), 1);
    e.preiaNume("");
    const auto before = producerTable();
    EXPECT_EQ(e.include(), 0);
    EXPECT_EQ(numberedMessages(p), std::vector<int>{10});
    EXPECT_EQ(producerTable(), before);
    EXPECT_TRUE(e.modificata());

    // Answering Yes to storing it fails the same way, and the entry stays
    // rather than being replaced.
    p.casete.clear();
    p.raspunde(raspuns::IDYES);
    EXPECT_EQ(e.selecteazaRand(1), 0);
    EXPECT_EQ(numberedMessages(p), (std::vector<int>{205, 10}));
    EXPECT_EQ(e.intrare().cod, 3);
    EXPECT_TRUE(e.modificata());
}
