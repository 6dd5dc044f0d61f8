#pragma once
// The roles of the current material: a list of its up to four roles, a
// drop-down of the roles the attribute file offers, and buttons to add one,
// clear all or remove the selected one. Every change goes straight into the
// record and sets the modified flag; OK and Cancel only close.

#include <QDialog>
#include <cstdint>
#include <string>

#include "record/MaterialOptic.h"

class QComboBox;
class QListWidget;
class QPlainTextEdit;

namespace vitramor {

// Control ids (the object names of the controls).
namespace idRolMaterial {
inline constexpr int Lista = 101;
inline constexpr int Roluri = 102;
inline constexpr int Adauga = 1114;
inline constexpr int Reset = 1085;
inline constexpr int Sterge = 1026;
inline constexpr int Descriere = 1033;
inline constexpr int Ajutor = 1023;
}  // namespace idRolMaterial
inline constexpr const char* TitluDialogRol = "Rol material de evaporare ";
inline constexpr const char* TitluDialogRolSubstrat = "Rol material substrat ";

class RolMaterialDialog : public QDialog {
    Q_OBJECT
public:
    RolMaterialDialog(QWidget* parent, MaterialOptic& material, int& modificat);

    // The role number that "Adauga" would add: the data line of the chosen
    // drop-down entry, 0 before one is chosen.
    int candidat() const { return candidat_; }

public Q_SLOTS:
    void adauga();
    void reseteaza();
    void sterge();

private:
    void alegeRol(int index);
    void reumpleLista();
    std::uint32_t roluri() const;
    void seteazaRoluri(std::uint32_t cuvant);

    MaterialOptic& material_;
    int& modificat_;
    std::string fisier_;
    int candidat_ = 0;
    QListWidget* lista_;
    QComboBox* roluriFisier_;
    QPlainTextEdit* descriere_;
};

// Command "Rol material..." (40096): the dialog on the current material of
// the working set, owned by the main window. Nothing happens when no
// material is open.
void ComandaRolMaterial(QWidget* fereastraPrincipala);

}  // namespace vitramor
