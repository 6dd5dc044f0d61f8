#pragma once
// "Actualizeaza STICLE32.DAT din baze de date folosind ODBC" (command
// 40069): owns the import context and lists one result line per glass.

#include <QDialog>
#include <memory>

#include "import/tabele/ActualizareExcel.h"

class QCheckBox;
class QComboBox;
class QTableWidget;
class QRadioButton;

namespace vitramor {

class ActualizareExcelDialog : public QDialog {
    Q_OBJECT
public:
    // With a file, the import dialog opens on it (the CSV dialog's
    // "Actualizeaza"), its header row given.
    explicit ActualizareExcelDialog(QWidget* parent, std::string fisier = {}, int randAntet = 0);

    ContextImportExcel& context() { return *c_; }
    QComboBox* producatori() const { return producatori_; }
    QTableWidget* rezultate() const { return rezultate_; }
    QCheckBox* actualizeaza() const { return actualizeaza_; }
    void conecteazaSiActualizeaza();

private:
    std::unique_ptr<ContextImportExcel> c_;
    std::string fisier_;
    int randAntet_;
    QComboBox* producatori_;
    QCheckBox* actualizeaza_;
    QTableWidget* rezultate_;
};

void ComandaImportaExcel(QWidget* fereastraPrincipala);

}  // namespace vitramor
