#pragma once
// The catalogue library's material chooser: the user narrows the database
// by producer and name pattern, picks one material, and the library loads
// it into the caller's record.

#include <QDialog>
#include <string>

#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;
class QPushButton;
class QLabel;

namespace vitramor {

// 1 when the user picked a material and it was loaded into `material`;
// 2 when the user cancelled; 0 when the pick could not be loaded.
int CautaMaterial(Fereastra owner, const std::string& directorSticle, MaterialOptic& material);

class CautaMaterialDialog : public QDialog {
    Q_OBJECT
public:
    CautaMaterialDialog(QWidget* parent, std::string directorSticle, const MaterialOptic& model);

    // The name of the chosen line, empty when none is chosen.
    std::string numeAles() const;
    // The producer code of the chosen line.
    int producatorAles() const;

    QTreeWidget* lista() const { return lista_; }
    QLineEdit* filtru() const { return filtru_; }
    QComboBox* producatori() const { return producatori_; }

public Q_SLOTS:
    void reincarca();

private:
    void actualizeazaButoane();

    std::string directorSticle_;
    QComboBox* producatori_;
    QLineEdit* filtru_;
    QTreeWidget* lista_;
    QLabel* numar_;
    QPushButton* ok_;
};

}  // namespace vitramor
