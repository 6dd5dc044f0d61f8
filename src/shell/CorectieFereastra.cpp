#include "shell/CorectieFereastra.h"

#include <QWidget>

namespace vitramor {

CorectieFereastra MasoaraCorectieFereastra(const QWidget* w) {
    if (!w) return {};
    const QRect cadru = w->frameGeometry();
    const QRect client = w->geometry();
    return {cadru.width() - client.width(), cadru.height() - client.height()};
}

CorectieFereastra& corectieFereastra() {
    static CorectieFereastra c;
    return c;
}

}  // namespace vitramor
