#include "shell/InchidereEscape.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "shell/FereastraPrincipala.h"

namespace vitramor {

namespace {

class FiltruEscape final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* obiect, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || !obiect->isWidgetType()) return false;
        const auto* tasta = static_cast<QKeyEvent*>(e);
        if (tasta->key() != Qt::Key_Escape || tasta->modifiers() != Qt::NoModifier) return false;
        auto* w = static_cast<QWidget*>(obiect);
        // Only the window itself: the key reaches it when no control took it.
        if (!w->isWindow() || w->windowType() != Qt::Window) return false;
        if (w->objectName() == QLatin1String(ClasaFereastraPrincipala)) return false;
        w->close();
        return true;
    }
};

}  // namespace

void InstaleazaInchidereCuEscape() {
    static FiltruEscape* filtru = nullptr;
    if (filtru || !qApp) return;
    filtru = new FiltruEscape(qApp);
    qApp->installEventFilter(filtru);
}

}  // namespace vitramor
