#pragma once
// "Set tabs...": the small dialog that asks for the first tab stop of the
// message list.

#include <QDialog>

#include "messages/ModelListaMesaje.h"

class QLineEdit;

namespace vitramor {

// Field "101" holds the stop; "OK" is button "1", "Cancel" button "2".
class TabulatorDialog final : public QDialog {
public:
    TabulatorDialog(QWidget* parent, ModelListaMesaje& model);

    QLineEdit* camp() const { return camp_; }
    void accept() override;

private:
    ModelListaMesaje& model_;
    QLineEdit* camp_;
};

// Runs the dialog; 1 when a new stop was taken.
int CereTabulatorListaMesaje(QWidget* parent, ModelListaMesaje& model);

}  // namespace vitramor
