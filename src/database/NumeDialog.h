#pragma once
// The dialog "NUME": the identity fields of the current material (name,
// code, type, standard, producer, relative price and its unit, category),
// each taken into the record as soon as the user leaves it or picks a new
// entry. There is no cancel: what was taken over stays, as in every editor.

#include <QDialog>
#include <functional>
#include <string>

class QComboBox;
class QLineEdit;

namespace vitramor {

inline constexpr int IdEditNumeMaterial = 1079;
inline constexpr int IdEditCodMaterial = 102;
inline constexpr int IdComboTipMaterial = 103;
inline constexpr int IdComboProducatorMaterial = 1097;
inline constexpr int IdComboStas = 105;
inline constexpr int IdEditPretRelativ = 106;
inline constexpr int IdEditUnitatePret = 107;
inline constexpr int IdComboCategorieMaterial = 108;
inline constexpr int IdButonStergeProducatorNume = 1026;

// Replaces main list row `index` with a new name (and selects it again).
using RedenumesteRand = std::function<void(int index, const std::string& nume)>;

class NumeDialog : public QDialog {
    Q_OBJECT
public:
    // Works on the current material of the working set, which must exist.
    NumeDialog(QWidget* parent, RedenumesteRand redenumeste);

    // Takes an edit over as it would on losing the focus after a change.
    void preiaCamp(QLineEdit* camp);

    void done(int r) override;

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;
    void paintEvent(QPaintEvent* ev) override;

private:
    void umpleCombouri();
    void laCombo(QComboBox* combo, int selectie);
    void arataCombo(QComboBox* combo, int selectie);
    QLineEdit* edituri(int i) const;

    int index_;
    RedenumesteRand redenumeste_;
    QLineEdit* nume_;
    QLineEdit* cod_;
    QLineEdit* pret_;
    QLineEdit* unitate_;
    QComboBox* tip_;
    QComboBox* producator_;
    QComboBox* stas_;
    QComboBox* categorie_;
    bool initializare_ = true;  // combos being set by us, not by the user
};

// Menu command 40012 "Nume": the name dialog on the current material;
// nothing when no material is open.
void ComandaNume(QWidget* fereastraPrincipala, std::function<void(int, const std::string&)> redenumesteRand);

}  // namespace vitramor
