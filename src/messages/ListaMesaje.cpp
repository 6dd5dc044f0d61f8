#include "messages/ListaMesaje.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

namespace vitramor {

namespace {
DestinatieMesaje& destinatie() {
    static DestinatieMesaje d;
    return d;
}
}  // namespace

void InstaleazaDestinatieMesaje(DestinatieMesaje d) { destinatie() = std::move(d); }

int AfiseazaMesajInLista(const std::string& text, int nivel) {
    if (destinatie()) {
        // Work run off the window's thread hands its lines to the list on
        // the thread that owns it.
        QCoreApplication* app = QCoreApplication::instance();
        if (!app || QThread::currentThread() == app->thread()) return destinatie()(text, nivel);
        int r = 0;
        QMetaObject::invokeMethod(app, [&] { r = destinatie()(text, nivel); }, Qt::BlockingQueuedConnection);
        return r;
    }
    std::fprintf(stderr, "%s%s\n", nivel > 0 ? "warning: " : "", text.c_str());
    return 1;
}

}  // namespace vitramor
