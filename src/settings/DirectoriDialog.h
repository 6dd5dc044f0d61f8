#pragma once
// The "Directories" dialog: the user, help and glass directories and the
// database file name. Each field is taken over when it loses the focus after
// an edit, and each "..." button chooses a value; the directory buffers keep
// what was taken over whether or not the user presses "Salveaza".

#include <QDialog>
#include <string>

class QLineEdit;
class QWidget;

namespace vitramor {

class UnitatiDialog;

// Control ids; the labels' ids belong to the texts beside the fields.
inline constexpr int IdTextPathUser = 101;
inline constexpr int IdTextPathHelp = 102;
inline constexpr int IdTextPathSticla = 103;
inline constexpr int IdTextNumeFisierSticle = 104;
inline constexpr int IdAlegePathUser = 131;
inline constexpr int IdAlegePathHelp = 132;
inline constexpr int IdAlegePathSticla = 133;
inline constexpr int IdAlegeFisierSticle = 134;
inline constexpr int IdButonSalveazaDirectori = 1025;
inline constexpr int IdButonAjutorDirectori = 1023;

// The longest database file name the name buffer holds.
inline constexpr std::size_t LungimeMaximaNumeFisierSticle = 15;

class DirectoriDialog : public QDialog {
    Q_OBJECT
public:
    explicit DirectoriDialog(QWidget* parent);

    // The edit beside label `id` (101 to 104); its object name is "edit<id>".
    QLineEdit* camp(int id) const;

    // Takes over the text of field `id` as it would on losing the focus
    // after an edit.
    void preiaCamp(int id);

    void alegeDirectorUtilizator();
    void alegeDirectorHelp();
    void alegeDirectorSticla();
    void alegeFisierSticle();

    void done(int r) override;

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    void construiesteCampuri(const UnitatiDialog& u);
    void construiesteButoane(const UnitatiDialog& u);
    void preiaDirector(QLineEdit* e, std::string& buffer, bool revinoLaRefuz);
    void preiaNumeFisier();
    void alegeDirectorSimplu(QLineEdit* e, std::string& buffer, const char* titlu);

    QLineEdit* user_;
    QLineEdit* help_;
    QLineEdit* sticla_;
    QLineEdit* fisier_;
};

// Opens the dialog modally; returns when the user closes it.
void DeschideDirectori(QWidget* owner);

// At start-up, after the settings were read: when no glass directory is set
// yet, says so and offers the Directories dialog.
void CereDirectorSticlaLaPrimaPornire(QWidget* owner);

}  // namespace vitramor
