#include "suite/DupaAfisareUi.h"

#include <QEvent>
#include <QWidget>

namespace vitramor {

namespace {

// Watches for the first Show and then gets out of the way; the work is
// queued so that the window is painted before any message it gives.
class DupaAfisare final : public QObject {
public:
    DupaAfisare(QWidget* w, std::function<void()> f) : QObject(w), w_(w), f_(std::move(f)) {
        w->installEventFilter(this);
    }

    void porneste() {
        w_->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this, [this] {
                auto f = std::move(f_);
                deleteLater();
                f();
            },
            Qt::QueuedConnection);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == w_ && e->type() == QEvent::Show) porneste();
        return false;
    }

private:
    QWidget* w_;
    std::function<void()> f_;
};

}  // namespace

void LaPrimaAfisare(QWidget* w, std::function<void()> f) {
    auto* d = new DupaAfisare(w, std::move(f));
    if (w->isVisible()) d->porneste();
}

}  // namespace vitramor
