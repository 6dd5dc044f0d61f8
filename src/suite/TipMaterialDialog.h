#pragma once
// The catalogue library's type dialog: the material type and the equation
// types of n and k. It runs just before the dispersion dialog in "Coef. ec.
// dispersie", and it is the place where the record's equation types are
// chosen: the dispersion command copies only coefficients, ranges and the
// further words back from its block.

#include <QDialog>
#include <cstdint>

#include "record/MaterialOptic.h"

class QComboBox;
class QLabel;

namespace vitramor {

class TipMaterialDialog : public QDialog {
    Q_OBJECT
public:
    TipMaterialDialog(QWidget* parent, const MaterialOptic& material);

    // The choices, ready to be stored in the record.
    std::uint16_t tipMaterial() const;
    std::int16_t ecuatieN() const;
    std::int16_t ecuatieK() const;

private:
    void actualizeazaForme();

    QComboBox* tip_;
    QComboBox* ecuatieN_;
    QComboBox* ecuatieK_;
    QLabel* formaN_;
    QLabel* formaK_;
};

// Fills an equation-type combo with codes 0 to 13 ("4 Sellmeier (3 termeni)")
// and selects `cod`; a code outside 0..13 gets an item of its own so that
// opening and closing the dialog never changes it. Shared with the
// dispersion dialog.
void UmpleComboEcuatii(QComboBox* combo, std::int16_t cod);
std::int16_t CodEcuatieAles(const QComboBox* combo);

}  // namespace vitramor
