#pragma once
// Counts the progress dialogs a question could end up under: at every box,
// chooser or dialog a flow opens, each progress dialog alive must be the
// window the question goes over (one still hidden shows itself over the
// question later, and the question can no longer be reached).

#include <QApplication>
#include <QProgressDialog>
#include <QThread>
#include <atomic>

#include "support/PlatformaScriptata.h"

namespace vitramor::test {

inline int ProgreseSubIntrebare(Fereastra proprietar = nullptr) {
    int n = 0;
    for (QWidget* w : QApplication::allWidgets()) n += qobject_cast<QProgressDialog*>(w) && w != proprietar;
    return n;
}

// Questions of work off the window's thread are looked at from the window's thread.
inline void NumaraProgreseSubIntrebari(PlatformaScriptata& p, std::atomic<int>& n) {
    p.laIntrebare = [&n](Fereastra proprietar, const std::string&) {
        const auto numara = [&n, proprietar] { n += ProgreseSubIntrebare(proprietar); };
        if (QThread::currentThread() == qApp->thread()) numara();
        else QMetaObject::invokeMethod(qApp, numara, Qt::BlockingQueuedConnection);
    };
}

}  // namespace vitramor::test
