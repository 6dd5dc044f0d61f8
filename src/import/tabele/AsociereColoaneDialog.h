#pragma once
// "Asociere campuri material cu coloane din tabel": which catalogue columns
// feed which field of the material, with a factor; saved to and restored
// from the settings store or an *.aso file. The user sees fields and
// columns by name and what they hold in words; the record's C types stay
// with the code that transfers the values.

#include <QDialog>
#include <QStringList>

#include "import/tabele/AsociereColoane.h"

class QCheckBox;
class QComboBox;
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
    std::vector<int> intrari_;  // list row -> entry
};

}  // namespace vitramor
