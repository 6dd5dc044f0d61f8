#pragma once
// "Asociere campuri material cu coloane din tabel": which catalogue columns
// feed which field of the material, with a factor; saved to and restored
// from the settings store or an *.aso file. The user sees fields and
// columns by name, each field's unit and the first glass's value as it will
// be stored; a column is judged by its data. A start and a stop column are
// chosen together and judged once both are set: a choice is never undone,
// the dialog says what is wrong until it is right.

#include <QDialog>
#include <QStringList>

#include "import/tabele/AsociereColoane.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace vitramor {

// The association list's column titles, shared with the CSV dialog's empty
// association window.
QStringList AnteteAsocieri();

class AsociereColoaneDialog : public QDialog {
    Q_OBJECT
public:
    AsociereColoaneDialog(QWidget* parent, ContextImportExcel& c, const std::string& numeRegistru);

    QTableWidget* lista() const { return lista_; }
    QComboBox* start() const { return start_; }
    QComboBox* stop() const { return stop_; }
    QLabel* indicatie() const { return indicatie_; }
    void selecteaza(int intrare);
    void alegeColoana(bool esteStart, int index);

protected:
    void done(int r) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void reumple();
    void arataIntrarea();
    void salveaza();
    void restaureaza();

    ContextImportExcel& c_;
    std::string registru_;
    QTableWidget* lista_;
    QCheckBox* activ_;
    QCheckBox* inFisier_;
    QLineEdit *tip_, *elemente_, *tipSql_, *coloane_, *factor_;
    QComboBox *start_, *stop_;
    QLabel* indicatie_;
    int startAles_ = -1, stopAles_ = -1;  // the columns chosen, applied once they make a range
    std::vector<int> intrari_;  // list row -> entry
};

}  // namespace vitramor
