#pragma once
// The thermal properties of an evaporation material: conductivity, specific
// heat and expansion with the confidence of each, the melting, substrate and
// damage temperatures, and the evaporation rate. Modal to the main window.
// Cells are named by their control ids.

#include "editors/EditorMaterialWindow.h"

class QComboBox;

namespace vitramor {

inline constexpr const char* TitluTermicEvaporare = "Editare proprietati termice material evaporare ";
inline constexpr int IdInitIncredere = 1134;

class TermicEvaporareDialog final : public EditorMaterialWindow {
    Q_OBJECT
public:
    TermicEvaporareDialog(int indexMaterial, QWidget* proprietar);

protected:
    void ajutor() override;
    void executaComanda(int id) override;
};

}  // namespace vitramor
