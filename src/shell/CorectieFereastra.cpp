#include "shell/CorectieFereastra.h"
#include "record/TextFormatat.h"

#include <QWidget>
#include <cstdio>

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

std::string TextCorectieFereastra(const CorectieFereastra& c) {
    return TextFormatat("Dx = %d  Dy = %d", c.dx, c.dy);
}

}  // namespace vitramor
