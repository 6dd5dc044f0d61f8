#pragma once
// The internal transmittance editor of one material: the reference thickness
// and 40 slots of wavelength and transmittance in three column pairs; an
// empty slot shows nothing. The
// user types transmittances at that thickness; the record keeps absorption
// coefficients, so a new thickness shows every slot again at that thickness.
// For an evaporation material the first ten slots hold evaporation data and
// their cells stay empty and closed.
//
// Cells are named "lambda0".."lambda39", "t0".."t39" and "grosime"; buttons
// and window commands by their ids.

#include <array>

#include "editors/EditorMaterialWindow.h"
#include "record/MaterialOptic.h"

class QGroupBox;

namespace vitramor {

inline constexpr int IdComandaTransmisie = 40016;  // "Transmisie interna..."
inline constexpr int IdButonGrafic = 184;
inline constexpr int IdButonStergeLambdaTi = 185;
inline constexpr int IdButonStergeTi = 186;
inline constexpr int MesajTransmisieRespinsa = 38;

class TransmisieWindow final : public EditorMaterialWindow {
    Q_OBJECT
public:
    TransmisieWindow(int indexMaterial, QWidget* proprietar);

    QLineEdit* celulaLambda(int slot) const { return lambda_.at(static_cast<std::size_t>(slot)); }
    QLineEdit* celulaTransmisie(int slot) const { return t_.at(static_cast<std::size_t>(slot)); }
    QLineEdit* celulaGrosime() const { return grosime_; }

protected:
    void executaComanda(int id) override;
    void laReimprospatare() override;

private:
    QGroupBox* construiesteTabelul();
    void reafiseazaTransmisii();
    void reimprospateazaGrafic();
    void comandaSlot(int id);
    bool intreaba(const char* text);

    std::array<QLineEdit*, NumarSloturiEditabile> lambda_{};
    std::array<QLineEdit*, NumarSloturiEditabile> t_{};
    QLineEdit* grosime_ = nullptr;
};

// "Transmisie interna..." (40016) on the current material.
FereastraMaterial* ComandaTransmisie(QWidget* fereastraPrincipala);

}  // namespace vitramor
