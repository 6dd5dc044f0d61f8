#pragma once
// The laser damage thresholds of a material: rows of a wavelength cell
// ("101"..) and its threshold cell ("106"..);
// three rows for a glass, five for an evaporation material. Modal to the
// main window.

#include "editors/EditorMaterialWindow.h"

namespace vitramor {

inline constexpr int IdComandaLaserDamage = 40062;  // "Laser damage threshold..."

class LaserDamageDialog final : public EditorMaterialWindow {
    Q_OBJECT
public:
    LaserDamageDialog(int indexMaterial, QWidget* proprietar);

    bool evaporare() const { return evaporare_; }

protected:
    void ajutor() override;

private:
    bool evaporare_;
};

// "Laser damage threshold..." (40062) on the current material.
FereastraMaterial* ComandaLaserDamage(QWidget* fereastraPrincipala);

}  // namespace vitramor
