#pragma once
// The database dialogs' controls found by their ids, and a field typed into
// and left as the user does it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

namespace vitramor::test {

template <class T>
T* Control(QWidget& w, int id) {
    T* c = w.findChild<T*>(QString::number(id));
    EXPECT_NE(c, nullptr) << id;
    return c;
}

inline void Type(QLineEdit* e, const QString& text) {
    e->selectAll();
    QTest::keyClicks(e, text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(e, &out);
}

}  // namespace vitramor::test
