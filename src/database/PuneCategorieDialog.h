#pragma once
// The dialog "Pune categorie material optic": every material of the
// database in a multiple-selection table (name, producer, category), a
// category combo, and the button that stores the category into the selected
// materials' records and says how many changed. The
// selection group selects all rows, the rows that contain a text, or the
// inverse of the selection.

#include <QDialog>
#include <string>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QTableWidget;
class QPushButton;

namespace vitramor {

inline constexpr const char* TitluPuneCategorie = "Pune categorie material optic";
inline constexpr int IdListaMaterialeCategorie = 1066;
inline constexpr int IdComboCategorieDeAtribuit = 108;
inline constexpr int IdButonPuneCategoria = 1099;
inline constexpr int IdAlegeTot = 1113;
inline constexpr int IdAlegeCautare = 1115;
inline constexpr int IdAlegeRevers = 1116;
inline constexpr int IdEditNumeCareContine = 1118;
inline constexpr int IdButonSelecteaza = 1114;
inline constexpr int IdButonDeselecteaza = 1117;

// The enabling rule applied to the controls of `dialog` (found by id): the
// selected rows are counted in its list.
void ActualizeazaButoaneCategorie(QWidget* dialog, int mod, const std::string& textCautare, bool categoriePusa);

class PuneCategorieDialog : public QDialog {
    Q_OBJECT
public:
    explicit PuneCategorieDialog(QWidget* parent);

    int mod() const { return mod_; }
    bool categoriePusa() const { return pusa_; }

    void selecteaza();
    void deselecteaza();
    void puneCategoria();

private:
    void construiesteLista();
    QGroupBox* construiesteSelectia();
    void alegeMod(int mod);
    void actualizeaza();

    int mod_;
    bool pusa_ = false;
    QTableWidget* lista_;
    QComboBox* categorii_;
    QLineEdit* cautare_;
};

// Menu command 40078 "Pune categorie material....": opens the dialog
// modally.
void ComandaPuneCategorie(QWidget* fereastraPrincipala);

}  // namespace vitramor
