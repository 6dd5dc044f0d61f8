#pragma once
// "Import sticle": the materials of another database file beside those of
// the system's own database; the selected ones are copied into the own file.
// The destination directory and file can be changed here too.

#include <QDialog>
#include <string>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace vitramor {

inline constexpr int IdCampSursaImport = 101;
inline constexpr int IdButonSursaImport = 102;
inline constexpr int IdCampDestinatieImport = 103;
inline constexpr int IdButonDestinatieImport = 104;
inline constexpr int IdListaSursaImport = 105;
inline constexpr int IdListaDestinatieImport = 106;
inline constexpr int IdButonImportSticle = 107;
inline constexpr int IdButonAjutorImportSticle = 1023;

class ImportSticleDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImportSticleDialog(QWidget* parent);


public Q_SLOTS:
    void importa();

private:
    bool eventFilter(QObject* o, QEvent* e) override;
    void alegeSursa();
    void alegeDestinatie();
    // Lists a database file into a list; the list keeps its content on failure.
    bool listeaza(QListWidget* lista, const std::string& director, const std::string& fisier);
    // The file chooser for database files in `director`; false on cancel or
    // when the chosen directory cannot be entered (message 9).
    bool alege(std::string& director, std::string& fisier);

    std::string directorSursa_;
    std::string fisierSursa_;
    QLineEdit* sursa_;
    QLineEdit* destinatie_;
    QListWidget* listaSursa_;
    QListWidget* listaDestinatie_;
    QPushButton* importa_;
};

// Command 40029, "Import din alt fisier STICLE32.DAT...".
void ComandaImportSticle(QWidget* fereastraPrincipala);

}  // namespace vitramor
