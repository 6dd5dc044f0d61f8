#pragma once
// The chemical stability of a glass of the two older catalogues (producers 0
// and 1): a humidity class and an acid class, each picked from a list whose
// entry index is the class stored. Modal to the main window. Lists "101"
// (humidity) and "102" (acid).

#include <array>

#include "editors/EditorMaterialWindow.h"

class QComboBox;

namespace vitramor {

class StabChimDialog final : public EditorMaterialWindow {
    Q_OBJECT
public:
    StabChimDialog(int indexMaterial, QWidget* proprietar);

    QComboBox* lista(int i) const { return liste_.at(static_cast<std::size_t>(i)); }

protected:
    void laReimprospatare() override;

private:
    void alege(int lista, int index);

    std::array<QComboBox*, 2> liste_{};
};

}  // namespace vitramor
