#pragma once
// "Importa sticle din fisier text": the glasses of one manufacturer's text
// catalogue in a list; the selected ones are built in the current material
// and stored in the database. Opened by the "Import catalog text" commands
// with the catalogue's selection code (1 to 5).

#include <QDialog>
#include <functional>
#include <string>

#include "record/SetLucru.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace vitramor {

inline constexpr int IdCaleCatalogText = 102;
inline constexpr int IdButonAlegeCatalogText = 103;
inline constexpr int IdButonIncarcaSticle = 104;
inline constexpr int IdButonSelecteazaTot = 105;
inline constexpr int IdButonImportaText = 1025;
inline constexpr int IdButonAjutorText = 1023;
inline constexpr int IdListaCatalogText = 1066;

class ImportCatalogTextDialog : public QDialog {
    Q_OBJECT
public:
    // `dupaImport` runs after each import: the current material then holds
    // the last glass stored, and the main window shows its name.
    ImportCatalogTextDialog(QWidget* parent, int cod, std::function<void()> dupaImport = {},
                            SetLucru& set = setLucru());

    const std::string& cale() const { return cale_; }
    // Fills the list from the current path again; false when the file cannot be read.
    bool incarcaLista();

public Q_SLOTS:
    void importa();

private:
    bool eventFilter(QObject* o, QEvent* e) override;
    void alegeFisier();
    void preiaCale();
    void golesteSelectia();

    int cod_;
    std::function<void()> dupaImport_;
    SetLucru& set_;
    std::string cale_;
    QLineEdit* camp_;
    QListWidget* lista_;
    QPushButton* importa_;
};

// Opens the dialog for a code over the main window; nothing without an open
// material to build the glasses in.
void ComandaImportCatalogText(QWidget* fereastraPrincipala, int cod, std::function<void()> dupaImport);

}  // namespace vitramor
