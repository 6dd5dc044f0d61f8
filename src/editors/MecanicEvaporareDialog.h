#pragma once
// The mechanical properties of an evaporation material: density, elastic
// constants, hardness, molar mass, the surface stress of a layer as a
// function of its thickness (with a test thickness to try it out), the
// layer-thickness range and the ALD thickness. Modal to the main window.
// Cells are named by their control ids.

#include "editors/EditorMaterialWindow.h"

namespace vitramor {

inline constexpr const char* TitluMecanicEvaporare = "Editare proprietati mecanice material de evaporare ";
inline constexpr int IdStresSuprafata = 103, IdStres = 118, IdGrosimeTest = 117;

class MecanicEvaporareDialog final : public EditorMaterialWindow {
    Q_OBJECT
public:
    MecanicEvaporareDialog(int indexMaterial, QWidget* proprietar);


protected:
    void ajutor() override;
    void laReimprospatare() override;
    void laPreluare() override;

private:
    void arataStres();

    float grosimeTest_ = 10.0f;  // nm; a working value of the dialog, not data
    QLineEdit* stresSuprafata_ = nullptr;
    QLineEdit* stres_ = nullptr;
};

}  // namespace vitramor
