#pragma once
// "Sticle echivalente": the nearest materials of other producers to the
// current material, by (nd, vd, P g,F) with weights the user sets or by the
// RMS difference of n over a wavelength range; a double-click opens one.

#include <QDialog>
#include <functional>
#include <string>

#include "explorare/SticleEchivalente.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTreeWidget;

namespace vitramor {

inline constexpr int IdComandaSticleEchivalente = 40101;

class SticleEchivalenteDialog : public QDialog {
    Q_OBJECT
public:
    using DeschideMaterial = std::function<void(const std::string& nume)>;

    SticleEchivalenteDialog(QWidget* parent, const MaterialOptic& referinta, DeschideMaterial deschide);

    QTreeWidget* rezultate() const { return rezultate_; }
    QSpinBox* numar() const { return numar_; }

public Q_SLOTS:
    void cauta();

private:
    MaterialOptic referinta_;
    DeschideMaterial deschide_;
    QSpinBox* numar_;
    QRadioButton* rms_;
    QDoubleSpinBox *pNd_, *pVd_, *pPgF_, *de_, *la_;
    QTreeWidget* rezultate_;
    QCheckBox* aceeasiClasa_;
    QLabel* explicatie_;
    std::vector<std::string> categorii_;
};

// The command of the checks menu, on the current material; nothing without one.
void ComandaSticleEchivalente(QWidget* fereastraPrincipala, SticleEchivalenteDialog::DeschideMaterial deschide);

}  // namespace vitramor
