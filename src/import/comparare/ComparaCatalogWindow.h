#pragma once
// "Compara catalog nou": a maker's new release held against the database
// before anything is stored. One row per glass with its class and its
// largest changes, sortable and filtered by class or name; below, the
// selected glass old and new side by side and its Δn over the wavelength.
// The user chooses per glass or per class what to apply, and the choice
// goes through the one store with progress and Cancel.
//
// Controls by object name: "fisier", "alegeFisier", "format", "producator",
// "cod", "asocieri", "tabel", "compara", "filtruClasa", "filtruNume",
// "tabelSticle", "actiuneSticla", "clasaAleasa", "actiuneClasa",
// "aplicaClasa", "categorieMarcaj", "detalii", "graficDeltaN", "aplica".

#include <QDialog>

#include "import/comparare/ComparaCatalog.h"

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QSortFilterProxyModel;
class QSpinBox;
class QStandardItemModel;
class QTableView;
class QTableWidget;

namespace vitramor {

class GraficWidget;

class ComparaCatalogWindow : public QDialog {
    Q_OBJECT
public:
    explicit ComparaCatalogWindow(QWidget* parent);

    const ComparatieCatalog& comparatie() const { return comparatie_; }
    const std::vector<ActiuneSticla>& actiuni() const { return actiuni_; }

public Q_SLOTS:
    void compara();
    void aplica();

private:
    QGroupBox* construiesteSursa();
    QHBoxLayout* construiesteFiltre();
    void construiesteTabel();
    QWidget* construiesteDetalii();
    QHBoxLayout* construiesteButoane();
    void umpleTabel();
    void aratDetalii();
    void schimbaActiune(int rand, ActiuneSticla a);
    int randSelectat() const;

    ComparatieCatalog comparatie_;
    std::vector<ActiuneSticla> actiuni_;
    QLineEdit *fisier_, *asocieri_, *tabelNume_, *filtruNume_;
    QComboBox *format_, *producator_, *filtruClasa_, *actiuneSticla_, *clasaAleasa_, *actiuneClasa_, *marcaj_;
    QSpinBox* cod_;
    QStandardItemModel* model_;
    QSortFilterProxyModel* filtru_;
    QTableView* tabel_;
    QTableWidget* detalii_;
    GraficWidget* grafic_;
};

// The command of the import menu: opens the window.
void ComandaComparaCatalog(QWidget* fereastraPrincipala);

}  // namespace vitramor
