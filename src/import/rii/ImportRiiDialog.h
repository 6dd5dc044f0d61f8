#pragma once
// A refractiveindex.info file before it is stored: what it holds (the
// references, how its data will be taken, or why it cannot be), the name
// the material gets and its producer (evaporation unless changed).

#include <QDialog>
#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vitramor {

inline constexpr int IdNumeRii = 1211;
inline constexpr int IdProducatorRii = 1212;
inline constexpr int IdDescriereRii = 1213;

class ImportRiiDialog : public QDialog {
    Q_OBJECT
public:
    ImportRiiDialog(QWidget* parent, std::string cale, std::string continut);

public Q_SLOTS:
    void importa();

private:
    std::string cale_;
    std::string continut_;
    QLineEdit* nume_;
    QComboBox* producator_;
    QPlainTextEdit* descriere_;
    QPushButton* importa_;
};

// The name a file suggests: refractiveindex.info keeps a material's files
// in a folder named after it ("SiO2/Malitson.yml"), so the folder's name,
// when it fits the 15 characters of a name, else the file's own name, cut.
std::string NumePropusRii(const std::string& cale);

// "Import n,k din refractiveindex.info (*.yml)...": chooses the file, reads
// it and opens the dialog.
void ComandaImportRii(QWidget* fereastraPrincipala);

}  // namespace vitramor
