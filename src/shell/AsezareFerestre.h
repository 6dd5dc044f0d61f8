#pragma once
// Every window and dialog of the application opens whole on the screen, and
// a dialog opens over the window that owns it. Positions come from many
// places (saved positions of another screen, dialog-unit layouts made for
// larger screens, the message list placed at the screen's corner), so one
// application-wide filter checks each window as it is shown instead of each
// window checking itself.

#include <QObject>

class QWidget;

namespace vitramor {

class AsezareFerestre final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
};

// Installs the filter on the application (once).
void InstaleazaAsezareFerestre();

// Moves (and if it must, shrinks) a top-level window so that it lies inside
// the available area of its screen; a dialog that does not overlap its
// owner is first centred over it.
void AseazaFereastra(QWidget* w);

}  // namespace vitramor
