#pragma once
// A refractiveindex.info file before it is stored: what it holds (the
// references, how its data will be taken and how closely the stored table
// follows the file, or why it cannot be), the name the material gets, its
// producer (evaporation unless changed) and the range of wavelengths kept
// (empty fields: the whole file).

#include <QDialog>
#include <string>

#include "import/rii/ImportRii.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vitramor {

inline constexpr int IdNumeRii = 1211;
inline constexpr int IdProducatorRii = 1212;
inline constexpr int IdDescriereRii = 1213;
inline constexpr int IdDeLaRii = 1214;
inline constexpr int IdPanaLaRii = 1215;

class ImportRiiDialog : public QDialog {
    Q_OBJECT
public:
    ImportRiiDialog(QWidget* parent, std::string cale, std::string continut);

public Q_SLOTS:
    void importa();
    // The description again, for the range in the fields.
    void descrie();

private:
    // The range of the two fields; false, with the reason, when they do not make one.
    bool domeniu(DomeniuRii& d, std::string& motiv) const;

    std::string cale_;
    std::string continut_;
    QLineEdit* nume_;
    QComboBox* producator_;
    QLineEdit* deLa_;
    QLineEdit* panaLa_;
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
