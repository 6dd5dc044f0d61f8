#pragma once
// The dialog of the validity-range proposal: the user picks a producer and
// "Verifica" walks the database, offering each of its materials the span of
// its index table as the n equation's range. The dialog stays open, so
// several producers can be done in one visit.

#include <QDialog>

class QComboBox;

namespace vitramor {

inline constexpr int IdComboProducatorDomenii = 1097;
inline constexpr int IdButonVerifica = 1049;
inline constexpr int IdButonAjutorVerificari = 1023;
inline constexpr int ProducatorInitialDomenii = 2;  // the index selected at opening

class PropuneDomeniiDialog : public QDialog {
    Q_OBJECT
public:
    explicit PropuneDomeniiDialog(QWidget* parent);

    // The chosen producer code, or -1 when none is chosen.
    int producatorAles() const { return producator_; }

public Q_SLOTS:
    void verifica();

private:
    void umpleProducatori();
    void alegeProducator(int index);

    int producator_ = -1;
    QComboBox* producatori_;
};

}  // namespace vitramor
