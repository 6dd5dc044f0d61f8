#pragma once
// The dialog of the database pass: which of n and k to compare, and within
// what precision. The settings start from their initial values at every
// opening and live only as long as the dialog; "Verifica" may be pressed
// any number of times, each run refreshing the report window.

#include <QDialog>

#include "checks/VerificariDispersie.h"

class QCheckBox;
class QLineEdit;

namespace vitramor {

inline constexpr int IdVerificaN = 101;
inline constexpr int IdPrecizieN = 102;
inline constexpr int IdVerificaK = 103;
inline constexpr int IdPrecizieK = 104;

class VerificaBazaDateDialog : public QDialog {
    Q_OBJECT
public:
    // `fereastraPrincipala` owns the report window.
    VerificaBazaDateDialog(QWidget* parent, QWidget* fereastraPrincipala);

    const SetariVerificare& setari() const { return setari_; }

public Q_SLOTS:
    void verifica();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent*) override;

private:
    // Takes over an edited precision field; a value that is not a number or
    // is negative is refused with message 38 and the field shows the setting again.
    void preiaPrecizie(QLineEdit* camp, float& precizie, bool& editat);

    SetariVerificare setari_;
    QWidget* fereastraPrincipala_;
    QCheckBox* verificaN_;
    QCheckBox* verificaK_;
    QLineEdit* precizieN_;
    QLineEdit* precizieK_;
    bool editatN_ = false;
    bool editatK_ = false;
};

// The text a precision field shows: "%7.5f".
QString TextPrecizie(float precizie);

}  // namespace vitramor
