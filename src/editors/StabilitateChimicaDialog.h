#pragma once
// The chemical stability classes of a material on its producer's scales:
// one list per scale of the producer, the toxicity class and, for
// evaporation materials, the purity. Only the Schott-type scales (producers
// 2 and 10) have lists that store a class; the other producers' classes are
// shown as stored, and a class not given (0) shows nothing. Modal to the
// main window. Lists "101".."108", toxicity "109", purity cell "110".

#include <array>

#include "editors/EditorMaterialWindow.h"

class QComboBox;

namespace vitramor {

inline constexpr int IdComandaChimic = 40019;  // "Chimic"

class StabilitateChimicaDialog final : public EditorMaterialWindow {
    Q_OBJECT
public:
    StabilitateChimicaDialog(int indexMaterial, QWidget* proprietar);

    QComboBox* lista(int i) const { return liste_.at(static_cast<std::size_t>(i)); }

protected:
    void laReimprospatare() override;

private:
    void alegeClasa(int lista, int index);
    void alegeToxicitate(int index);

    std::array<QComboBox*, 8> liste_{};
    QComboBox* toxicitate_ = nullptr;
};

// "Chimic" (40019): the dialog that fits the current material's producer;
// nothing for a producer without chemical scales.
FereastraMaterial* ComandaChimic(QWidget* fereastraPrincipala);

}  // namespace vitramor
