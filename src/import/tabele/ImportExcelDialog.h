#pragma once
// "Incarca sticle %s din fisier Excel": connects to the catalogue (an ODBC
// data source or a spreadsheet file), picks the table (at once when there
// is only one) and shows its first rows, defines the column associations,
// detects the wavelengths and runs the update.

#include <QDialog>
#include <QPointer>
#include <functional>

#include "import/tabele/ActualizareExcel.h"
#include "import/tabele/ConexiuneOdbc.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;
class QPushButton;
class QTableWidget;

namespace vitramor {

class TextWindow;

class ImportExcelDialog : public QDialog {
    Q_OBJECT
public:
    // `actualizeaza` reads the owner's "Actualizeaza" check when the list is updated.
    ImportExcelDialog(QWidget* parent, ContextImportExcel& c, std::function<bool()> actualizeaza);
    ~ImportExcelDialog() override;
    bool pregatit() const { return pregatit_; }

    void conecteaza(bool da);
    bool deschideFisier(const std::string& cale);
    void alegeTabel(int index);
    void detecteazaLambda();
    void actualizeazaLista();
    void stari();

    QComboBox* tabele() const { return tabele_; }
    QTableWidget* lista() const { return lista_; }
    QTableWidget* previzualizare() const { return previzualizare_; }
    QLineEdit* randAntet() const { return randAntet_; }

private:
    // The buttons' and lists' signals, once the widgets exist.
    void leaga(QPushButton* fisier, QPushButton* ok, QPushButton* anuleaza, QPushButton* ajutor);
    void umpleTabele();
    void arataPrimeleRanduri();

    ContextImportExcel& c_;
    // The ODBC connection is this window's: the update sees only the source made over it.
    ConexiuneODBC odbc_;
    std::function<bool()> actualizeaza_;
    bool pregatit_ = true;
    QCheckBox* conectare_;
    QLineEdit *sursa_, *randAntet_;
    QComboBox *tabele_, *coloane_;
    QTableWidget* lista_;
    QTableWidget* previzualizare_;
    QPushButton *info_, *sterge_, *asociere_, *detect_, *update_;
    // "Info" asked again refreshes this window rather than opening another.
    QPointer<TextWindow> fereastraInfo_;
};

}  // namespace vitramor
