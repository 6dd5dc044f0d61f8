#pragma once
// The n and k windows: the index table of one material, 40 slots of
// wavelength and value in three column pairs, with the fill from the
// dispersion equation, the erase buttons and the slot insert and delete
// commands. Both windows edit the same wavelength column, so a wavelength
// change in one refreshes the other.
//
// Cells are named "lambda0".."lambda39" and "n0".."n39" (or "k0".."k39"),
// buttons and window commands by their ids.

#include <QString>
#include <array>

#include "editors/EditorMaterialWindow.h"
#include "material/TabelIndici.h"

class QLineEdit;
class QPushButton;

namespace vitramor {

inline constexpr int IdComandaIndiciN = 40013;  // "Indici n"
inline constexpr int IdComandaIndiciK = 40027;  // "Indici k"

// Ids of the controls: slot s has value cell 101 + s and wavelength cell 141 + s.
inline constexpr int IdPrimaCelulaValoare = 101;
inline constexpr int IdPrimaCelulaLambda = 141;
inline constexpr int IdButonInitDinEcuatie = 1134;
inline constexpr int IdButonStergeLambda = 184;
inline constexpr int IdButonStergeValori = 185;
inline constexpr int IdButonPotriveste = 186;  // "Fit...": the fit dialog of this table
// The window commands.
inline constexpr int IdIncludeInainte = 0xFF10;  // "Include before lambda"
inline constexpr int IdIncludeDupa = 0xFF20;     // "Include after lambda"
inline constexpr int IdStergeLambdaCurenta = 0xFF30;  // "Delete current lambda"

class FereastraIndici : public EditorMaterialWindow {
    Q_OBJECT
public:
    // The column this window edits: ColoanaN or ColoanaK.
    int coloana() const { return which_; }

    QLineEdit* celulaLambda(int slot) const { return lambda_.at(static_cast<std::size_t>(slot)); }
    QLineEdit* celulaValoare(int slot) const { return valoare_.at(static_cast<std::size_t>(slot)); }
    // The spectral-line label drawn beside the wavelength of a slot (blanks for none).
    QString etichetaSlot(int slot) const;

protected:
    FereastraIndici(int which, int indexMaterial, QWidget* proprietar);

    void executaComanda(int id) override;
    void laReimprospatare() override;
    void deseneaza(QPainter& p, const UnitatiDialog& u) override;

private:
    TipEditor tipCealalta() const { return which_ == ColoanaN ? TipEditor::IndiciK : TipEditor::IndiciN; }
    void reimprospateazaCealalta();
    bool preiaLambda(MaterialOptic& m, int slot, const std::string& text);
    void initDinEcuatie();
    void stergeLungimiUnda();
    void stergeValori();
    void comandaSlot(int id);

    int which_;
    std::array<QLineEdit*, NumarSloturiEditabile> lambda_{};
    std::array<QLineEdit*, NumarSloturiEditabile> valoare_{};
    QPushButton* init_ = nullptr;
};

// The n window ("%s - Indici de refractie - n").
class EditIndiciClass final : public FereastraIndici {
    Q_OBJECT
public:
    EditIndiciClass(int indexMaterial, QWidget* proprietar);
};

// The k window ("%s - Indici de refractie - k").
class EditIndice_kClass final : public FereastraIndici {
    Q_OBJECT
public:
    EditIndice_kClass(int indexMaterial, QWidget* proprietar);
};

// "Indici n" (40013) and "Indici k" (40027): the window of the current
// material, opened or brought forward. Null when no material is open.
FereastraMaterial* ComandaIndiciN(QWidget* fereastraPrincipala);
FereastraMaterial* ComandaIndiciK(QWidget* fereastraPrincipala);

}  // namespace vitramor
