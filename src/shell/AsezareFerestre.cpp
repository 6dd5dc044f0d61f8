#include "shell/AsezareFerestre.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace vitramor {

namespace {

// Before a window is first mapped its frame is unknown: this much is
// reserved for the title bar and the borders.
constexpr int TitluEstimat = 32, MargineEstimata = 8;

bool DeAsezat(const QWidget* w) {
    if (!w || !w->isWindow()) return false;
    const Qt::WindowType tip = w->windowType();
    return tip == Qt::Window || tip == Qt::Dialog || tip == Qt::Sheet;
}

}  // namespace

void AseazaFereastra(QWidget* w) {
    if (!DeAsezat(w)) return;
    QWidget* proprietar = w->parentWidget() ? w->parentWidget()->window() : nullptr;
    const QScreen* ecran = proprietar ? proprietar->screen() : w->screen();
    if (!ecran) ecran = QGuiApplication::primaryScreen();
    if (!ecran) return;
    const QRect zona = ecran->availableGeometry();

    // pos() is where the frame's corner is, before the window is mapped too.
    const QRect g = w->geometry(), f = w->frameGeometry();
    QMargins margini(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
    if (margini.isNull()) margini = QMargins(MargineEstimata, TitluEstimat, MargineEstimata, MargineEstimata);
    QRect cadru(w->pos(), w->size().grownBy(margini));

    // A dialog away from its owner, and a tool window no one has placed yet
    // (it would open at the screen's corner), go over the owner; a window
    // put back where the user left it stays there.
    const bool peste = qobject_cast<QDialog*>(w) ? !cadru.intersects(proprietar ? proprietar->frameGeometry() : QRect())
                                                 : !w->testAttribute(Qt::WA_Moved);
    if (proprietar && proprietar->isVisible() && peste) cadru.moveCenter(proprietar->frameGeometry().center());

    // Too large for the screen: the window gives up what does not fit.
    const QSize maxim = zona.size().shrunkBy(margini);
    if (w->width() > maxim.width() || w->height() > maxim.height()) {
        const QSize nou = w->size().boundedTo(maxim).expandedTo(w->minimumSize());
        w->resize(nou);
        cadru.setSize(nou.grownBy(margini));
    }
    cadru.moveLeft(std::clamp(cadru.left(), zona.left(), std::max(zona.left(), zona.right() - cadru.width() + 1)));
    cadru.moveTop(std::clamp(cadru.top(), zona.top(), std::max(zona.top(), zona.bottom() - cadru.height() + 1)));
    if (cadru.topLeft() != w->pos()) w->move(cadru.topLeft());
}

bool AsezareFerestre::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::Show && o->isWidgetType()) {
        auto* w = static_cast<QWidget*>(o);
        if (DeAsezat(w)) {
            AseazaFereastra(w);
            // Once mapped, the real frame is known: check again with it.
            QTimer::singleShot(0, w, [p = QPointer<QWidget>(w)] {
                if (p && p->isVisible()) AseazaFereastra(p);
            });
        }
    }
    return QObject::eventFilter(o, e);
}

void InstaleazaAsezareFerestre() {
    static AsezareFerestre* filtru = nullptr;
    if (filtru || !qApp) return;
    filtru = new AsezareFerestre(qApp);
    qApp->installEventFilter(filtru);
}

}  // namespace vitramor
