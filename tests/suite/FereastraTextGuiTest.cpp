#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <memory>

#include "suite/VedoraUi.h"

namespace vitramor {
namespace {

BlocText blocDin(std::initializer_list<const char*> linii) {
    BlocText b;
    for (const char* l : linii) AddTextRAM(b, l);
    return b;
}

TEST(FereastraText, ShowsTheBlockUnderItsIdAndTitleAndRefreshReplacesIt) {
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
    EXPECT_EQ(w->linii(), (QStringList{"N-BK7\t1", "F2\t2"}));

    w->afiseazaText(blocDin({"DBMS_Name: SQLite"}));
    EXPECT_EQ(text->toPlainText(), QStringLiteral("DBMS_Name: SQLite"));
    w->afiseazaText(std::nullopt);
    EXPECT_TRUE(text->toPlainText().isEmpty());
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

}  // namespace
}  // namespace vitramor
