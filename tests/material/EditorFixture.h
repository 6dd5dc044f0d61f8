#pragma once
// The property editors under test: a working set of one material, the
// scripted platform (every box recorded, questions answered from a queue),
// and typing the way a user types: focus a cell, replace its text, leave it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/PlatformaScriptata.h"
#include "record/SetLucru.h"
#include "settings/PozitieFereastra.h"
#include "platform/FerestreMaterialUi.h"

namespace vitramor::test {

inline void stergeAmanate() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class EditorFixture : public ::testing::Test {
protected:
    PlatformaScriptata p;
    PlatformaInstalata guard{p};

    EditorFixture() {
        setLucru() = SetLucru{};
        ActiveazaPastrarePozitii(true);
    }
    ~EditorFixture() override {
        ferestreMaterial().inchideToate();
        stergeAmanate();
        setLucru() = SetLucru{};
    }

    // Makes the window the active one, so that focus changes deliver their events.
    static void activeaza(QWidget* w) {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    static QPushButton* buton(QWidget* w, int id) {
        auto* b = w->findChild<QPushButton*>(QString::number(id));
        EXPECT_NE(b, nullptr) << id;
        return b;
    }
    // Focuses a cell and replaces its text as typed keys (empty text: erased).
    static void tasteaza(QLineEdit* c, const QString& text) {
        c->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(c, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(c, Qt::Key_Backspace);
        else
            QTest::keyClicks(c, text);
    }
    // Types into a cell and leaves it with Tab.
    static void introdu(QLineEdit* c, const QString& text) {
        tasteaza(c, text);
        QTest::keyClick(c, Qt::Key_Tab);
    }
    static void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
};

}  // namespace vitramor::test
