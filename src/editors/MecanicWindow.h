#pragma once
// The mechanical properties of a glass or crystal: density, elasticity,
// hardness, stress-optical and photoelastic constants, molar mass. Cells are
// named by their control ids ("101".."111").

#include "editors/EditorMaterialWindow.h"

namespace vitramor {

inline constexpr int IdComandaMecanic = 40017;  // "Mecanic"

class EditMecanicClass final : public EditorMaterialWindow {
    Q_OBJECT
public:
    EditMecanicClass(int indexMaterial, QWidget* proprietar);

protected:
    void laReimprospatare() override;

private:
    QFormLayout* elasticitate_ = nullptr;
};

// "Mecanic" (40017) on the current material: this window, or for an
// evaporation material the evaporation dialog.
FereastraMaterial* ComandaMecanic(QWidget* fereastraPrincipala);

}  // namespace vitramor
