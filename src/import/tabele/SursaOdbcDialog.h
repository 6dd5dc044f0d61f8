#pragma once
// Where the driver manager has no data-source dialog of its own: the
// installed drivers and data sources, and the connection string built from
// the choice.

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QListWidget;

namespace vitramor {

class SursaOdbcDialog : public QDialog {
    Q_OBJECT
public:
    explicit SursaOdbcDialog(QWidget* parent);
    std::string sirConexiune() const;
    QLineEdit* atribute() const { return atribute_; }

private:
    QListWidget *drivere_, *surse_;
    QLineEdit* atribute_;
};

// Installs the dialog as the layer's data-source chooser.
void InstaleazaDialogSursaOdbc();

}  // namespace vitramor
