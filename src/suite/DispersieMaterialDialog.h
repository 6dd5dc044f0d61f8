#pragma once
// The catalogue library's dispersion dialog: edits a dispersion block (the
// equation types, the 24 coefficients of n and of k, the validity ranges)
// and shows n and k at the d line as they are typed, so that a catalogue
// glass can be entered and checked against its printed nd on the spot.

#include <QDialog>
#include <array>

#include "dispersion/BlocDispersie.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace vitramor {

class DispersieMaterialDialog : public QDialog {
    Q_OBJECT
public:
    DispersieMaterialDialog(QWidget* parent, const tag_dispersieNou& bloc);

    // The block with the committed edits.
    const tag_dispersieNou& bloc() const { return bloc_; }

    void accept() override;

private:
    struct Cantitate {
        QComboBox* ecuatie = nullptr;
        QLabel* forma = nullptr;
        std::array<QLabel*, NumarCoeficientiDispersie> etichete{};
        std::array<QLineEdit*, NumarCoeficientiDispersie> coeficienti{};
        QSpinBox* inferior = nullptr;
        QSpinBox* superior = nullptr;
        QLabel* previzualizare = nullptr;
    };

    QWidget* creazaGrup(int which);
    // Commits one cell into the block; a text that is not a number is
    // reported, the cell gets its old value back, and false is returned.
    bool comiteCelula(int which, int i);
    void actualizeazaEtichete(int which);
    void actualizeazaPrevizualizare();
    // Element access by member: the block is packed, so no double& into it.
    double valoare(int which, int i) const;
    void seteaza(int which, int i, double v);

    alignas(8) tag_dispersieNou bloc_;
    std::array<Cantitate, 2> c_;
    bool raporteaza_ = false;  // a rejection box is open: focus changes commit nothing
};

}  // namespace vitramor
