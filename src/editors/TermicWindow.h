#pragma once
// The thermal properties of a glass or crystal: specific heat and thermal
// conductivity at four temperatures, the expansion coefficients, the
// viscosity temperatures, Tg and the ALD thickness. Cells are named by their
// control ids ("101".."118"). The expansion coefficients are shown and typed
// in the scale of the producer's catalogue numbers.

#include <array>

#include "editors/EditorMaterialWindow.h"

class QLabel;

namespace vitramor {

inline constexpr int IdComandaTermic = 40020;  // "Termic"

class EditTermicClass final : public EditorMaterialWindow {
    Q_OBJECT
public:
    EditTermicClass(int indexMaterial, QWidget* proprietar);

protected:
    void laReimprospatare() override;

private:
    std::array<QLabel*, 4> etichetaDilatare_{};  // the scale follows the producer
};

// "Termic" (40020) on the current material: this window, or for an
// evaporation material the evaporation dialog.
FereastraMaterial* ComandaTermic(QWidget* fereastraPrincipala);

}  // namespace vitramor
