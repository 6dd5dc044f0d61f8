#pragma once
// The dialog "Sterge materiale producator": the user picks a producer and
// deletes all its materials from the database file, optionally confirming
// each one. The dialog stays open after a deletion so several producers can
// go in one visit.

#include <QDialog>

#include "database/StergeMaterialeProducator.h"
#include "platform/Platforma.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace vitramor {

inline constexpr int IdComboProducatorSterge = 1097;
inline constexpr int IdIntreabaLaFiecare = 101;
inline constexpr int IdButonSterge = 1026;

class StergeMaterialeProducatorDialog : public QDialog {
    Q_OBJECT
public:
    // `producatorCurent` is the current material's producer code, shown
    // selected (codes above 15 select 15).
    StergeMaterialeProducatorDialog(QWidget* parent, int producatorCurent);

    int producatorAles() const { return producator_; }
    bool intreaba() const { return intreaba_; }

public Q_SLOTS:
    void sterge();

private:
    void umpleProducatori();

    int producator_ = 0;
    bool intreaba_ = true;
    QComboBox* producatori_;
    QCheckBox* intreabaLaFiecare_;
};

// Opens the dialog modally for the current material of the working set (or
// producer 0 when none is open); returns when the user closes it.
void DeschideStergeMaterialeProducator(Fereastra owner);

}  // namespace vitramor
