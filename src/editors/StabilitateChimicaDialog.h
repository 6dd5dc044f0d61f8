#pragma once
// The chemical stability classes of a material on its producer's scales:
// one line per scale with the stored class, up to eight class lists, the
// toxicity class and, for evaporation materials, the purity. Only the
// Schott-type scales (producers 2 and 10) have lists that store a class; the
// other producers' classes are shown. Modal to the main window.
// Lists "101".."108", toxicity "109", purity cell "110".

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
    QComboBox* toxicitate() const { return toxicitate_; }

protected:
    void laReimprospatare() override;
    void deseneaza(QPainter& p, const UnitatiDialog& u) override;

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
