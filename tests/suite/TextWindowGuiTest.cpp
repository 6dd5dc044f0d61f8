#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <memory>

#include "suite/DialogUnits.h"
#include "suite/VedoraUi.h"

namespace vitramor {
namespace {

BlocText blocDin(std::initializer_list<const char*> linii) {
    BlocText b;
    for (const char* l : linii) AddTextRAM(b, l);
    return b;
}

TEST(FereastraText, ShowsTheBlockUnderItsIdAndTitle) {
    std::unique_ptr<TextWindow> w(
        InitInstanceAfisWnd(nullptr, 0, 40045, "Materiale cu probleme", blocDin({"N-BK7\t1", "F2\t2"})));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), QStringLiteral("40045"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Materiale cu probleme"));
    EXPECT_TRUE(w->isVisible());
    QPlainTextEdit* text = w->findChild<QPlainTextEdit*>(QStringLiteral("101"));
    ASSERT_EQ(text, w->controlText());
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isReadOnly());
    // CR LF of the block become one line break each: two lines, no stray CR.
    EXPECT_EQ(text->toPlainText(), QStringLiteral("N-BK7\t1\nF2\t2"));
    EXPECT_EQ(text->document()->blockCount(), 2);
    EXPECT_EQ(w->linii(), (QStringList{"N-BK7\t1", "F2\t2"}));
}

TEST(FereastraText, RefreshReplacesTheWholeText) {
    std::unique_ptr<TextWindow> w(InitInstanceAfisWnd(nullptr, 0, 1, "Informatii conexiune", blocDin({"a", "b", "c"})));
    ASSERT_NE(w, nullptr);
    w->afiseazaText(blocDin({"DBMS_Name: SQLite"}));
    EXPECT_EQ(w->controlText()->toPlainText(), QStringLiteral("DBMS_Name: SQLite"));
    w->afiseazaText(std::nullopt);
    EXPECT_TRUE(w->controlText()->toPlainText().isEmpty());
    EXPECT_TRUE(w->linii().isEmpty());
}

TEST(FereastraText, ClosingDeletesTheWindowSoCallersSeeItGone) {
    auto* parinte = new QWidget;
    QPointer<TextWindow> w = InitInstanceAfisWnd(parinte, 0, 0, "Raport", blocDin({"x"}));
    ASSERT_FALSE(w.isNull());
    EXPECT_EQ(w->parentWidget(), parinte);
    EXPECT_TRUE(w->isWindow());  // owned, but a window of its own
    w->close();
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
    delete parinte;
}

// The tab stops set through the dialog-unit helper move the text after a
// tab to the stop: "a<TAB>b" puts b at 50 units, 100 pixels for 8 x 16.
TEST(FereastraText, TabStopsInDialogUnitsPlaceTheColumns) {
    std::unique_ptr<TextWindow> w(InitInstanceAfisWnd(nullptr, 0, 40045, "Tab", blocDin({"a\tb\tc"})));
    ASSERT_NE(w, nullptr);
    const UnitatiDialog u(8, 16);
    u.tabulatori(w->controlText(), {50, 120});
    QTextDocument* doc = w->controlText()->document();
    const QTextBlock bloc = doc->firstBlock();
    doc->documentLayout()->blockBoundingRect(bloc);  // lays the block out
    ASSERT_GT(bloc.layout()->lineCount(), 0);
    const QTextLine linie = bloc.layout()->lineAt(0);
    // Stops count from where the text starts, inside the control's margin.
    const qreal start = linie.cursorToX(0);
    EXPECT_NEAR(linie.cursorToX(2) - start, 100.0, 0.5);  // before "b"
    EXPECT_NEAR(linie.cursorToX(4) - start, 240.0, 0.5);  // before "c"
}

}  // namespace
}  // namespace vitramor
