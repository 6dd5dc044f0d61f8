#pragma once
// "Grafic indici n, k...": n(lambda) and k(lambda) of one material, each with
// the filled slots of its table as points and its dispersion equation as a
// curve over the equation's range, so that a mistyped value or an equation
// that leaves the measurements shows at a glance. The plots follow the
// record: they are drawn again whenever the window comes forward.

#include "platform/FerestreMaterialUi.h"

namespace vitramor {

class GraficWidget;

inline constexpr int IdComandaGraficIndici = 40076;

class GraficIndiciWindow final : public FereastraMaterial {
    Q_OBJECT
public:
    GraficIndiciWindow(int indexMaterial, QWidget* proprietar);

    void reimprospateaza() override;

protected:
    void changeEvent(QEvent* e) override;

private:
    GraficWidget* n_;
    GraficWidget* k_;
};

// The command on the current material; beeps when none is open.
FereastraMaterial* ComandaGraficIndici(QWidget* fereastraPrincipala);

}  // namespace vitramor
