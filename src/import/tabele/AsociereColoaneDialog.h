#pragma once
// "Asociere struct materiale_optice cu coloane tabel catalog sticla": which
// catalogue columns feed which record field, with a factor; saved to and
// restored from the settings store or an *.aso file.

#include <QDialog>

#include "import/tabele/AsociereColoane.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace vitramor {

class AsociereColoaneDialog : public QDialog {
    Q_OBJECT
public:
    AsociereColoaneDialog(QWidget* parent, ContextImportExcel& c, const std::string& numeRegistru);

    QListWidget* lista() const { return lista_; }
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
    QListWidget* lista_;
    QCheckBox* activ_;
    QCheckBox* inFisier_;
    QLineEdit *tip_, *elemente_, *tipSql_, *coloane_, *factor_;
    QComboBox *start_, *stop_;
    std::vector<int> intrari_;  // list row -> entry
};

}  // namespace vitramor
