#pragma once
// "Actualizeaza STICLE32.DAT din baze de date folosind ODBC" (command
// 40069): one window for the whole update. The catalogue layout, the
// producer the glasses are stored under (the layout proposes one, the user
// decides), the transmittance's thickness when the file does not state it
// and "Actualizeaza" stand at the top; below them the import panel (source,
// table, columns, preview, associations, results) works for the chosen
// layout and is made again when the layout changes.

#include <QDialog>
#include <memory>

#include "import/tabele/ActualizareExcel.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;
class QVBoxLayout;

namespace vitramor {

class ImportExcelDialog;

class ActualizareExcelDialog : public QDialog {
    Q_OBJECT
public:
    // With a file, the panel opens on it once the window is shown (the CSV
    // dialog's "Actualizeaza"), its header row given.
    explicit ActualizareExcelDialog(QWidget* parent, std::string fisier = {}, int randAntet = 0);
    ~ActualizareExcelDialog() override;

    ContextImportExcel& context() { return *c_; }
    QComboBox* formate() const { return formate_; }
    QComboBox* producatori() const { return producatori_; }
    QLineEdit* grosime() const { return grosime_; }
    QCheckBox* actualizeaza() const { return actualizeaza_; }
    // The panel of the chosen producer (null when the producer has no
    // catalogue layout) and its result table.
    ImportExcelDialog* panou() const { return panou_; }
    QTableWidget* rezultate() const;

private:
    void alegeFormat();

    std::unique_ptr<ContextImportExcel> c_;
    std::string fisier_;
    int randAntet_;
    QComboBox *formate_, *producatori_;
    QLineEdit* grosime_;
    QCheckBox* actualizeaza_;
    QVBoxLayout* asezare_;
    ImportExcelDialog* panou_ = nullptr;
};

void ComandaImportaExcel(QWidget* fereastraPrincipala);

}  // namespace vitramor
