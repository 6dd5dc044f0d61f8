#pragma once
// "Potriveste ec. dispersie...": the fit of a material's n or k table shown
// before anything changes: the equation, its coefficients, the residual at
// every table point and the largest one. "Stocheaza" puts the equation and
// its range into the record, only when the largest residual is within the
// tolerance (a refusal names the figure; a change of the range is told);
// closing the dialog any other way leaves the record as it was.
//
// Controls by object name: "marime" (n or k), "cod" (the best code or one),
// "ecuatie" (the code or why there is no fit), "coeficienti" and "puncte"
// (tables), "abatere", "toleranta", "stocheaza", "anuleaza".

#include <QDialog>

#include "dispersion/PotrivireEcuatie.h"
#include "record/MaterialOptic.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vitramor {

inline constexpr int IdComandaPotrivireEcuatie = 40125;  // "Potriveste ec. dispersie..."

class PotrivireEcuatieDialog : public QDialog {
    Q_OBJECT
public:
    // `care` 0 fits n, 1 k; the record must outlive the dialog, which is modal.
    PotrivireEcuatieDialog(QWidget* parent, MaterialOptic& m, int care);

    const PotrivireTabel& potrivire() const { return potrivire_; }
    int care() const;

public Q_SLOTS:
    void potriveste();
    void stocheaza();

private:
    MaterialOptic& m_;
    PotrivireTabel potrivire_;
    QComboBox* marime_;
    QComboBox* cod_;
    QLabel* ecuatie_;
    QTableWidget* coeficienti_;
    QTableWidget* puncte_;
    QLabel* abatere_;
    QLineEdit* toleranta_;
    QPushButton* stocheaza_;
};

// The dialog on material `indexMaterial` of the working set; on "Stocheaza"
// the material is marked modified and its index windows refilled. 1 when
// the fit was stored.
int ComandaPotrivireEcuatie(QWidget* parent, int indexMaterial, int care);

}  // namespace vitramor
