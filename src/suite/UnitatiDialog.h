#pragma once
// Dialog units: every window of the system places its controls in them, so
// that a layout drawn for one font keeps its proportions with another.
// One horizontal unit is a quarter of the dialog font's average character
// width, one vertical unit an eighth of its height.
//
// A coordinate is converted as a dialog template is: n units become
// n * base / 4 (or / 8) pixels, rounded to the nearest pixel, and a
// rectangle converts its two corners, so that controls that touch in units
// still touch in pixels. Painting code converts its offsets the same way
// (x(50) for "50 units from the left"), which keeps frames drawn round a
// control on the control's pixels.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <initializer_list>
#include <vector>

class QFont;
class QPushButton;
class QString;
class QWidget;
class QPlainTextEdit;
class QTextEdit;

namespace vitramor {

class UnitatiDialog {
public:
    // Base units given directly: average character width and font height in pixels.
    UnitatiDialog(int bazaX, int bazaY);
    // Base units measured from a font.
    explicit UnitatiDialog(const QFont& font);

    int bazaX() const { return bazaX_; }
    int bazaY() const { return bazaY_; }

    // One coordinate or length in dialog units -> pixels.
    int x(int unitati) const;
    int y(int unitati) const;
    QPoint punct(int x, int y) const;
    QSize dimensiune(int cx, int cy) const;
    // The rectangle of a control at (x, y) of size (cx, cy) in dialog units.
    QRect dreptunghi(int x, int y, int cx, int cy) const;
    // Moves and sizes a control (or a window's client area, for a top-level
    // widget) to a rectangle in dialog units.
    void plaseaza(QWidget* w, int x, int y, int cx, int cy) const;

    // Tab stops in horizontal dialog units, as edit controls take them: no
    // stop leaves the default of 32 units, one stop repeats every that many
    // units, several stops stand at those positions (past the last one,
    // tabs fall on multiples of the last interval).
    void tabulatori(QPlainTextEdit* control, const std::vector<int>& stopuri) const;
    void tabulatori(QTextEdit* control, const std::vector<int>& stopuri) const;

private:
    int bazaX_;
    int bazaY_;
};

// The average character width of a font the way Win32 measures it for
// dialogs: the width of "A".."Z" "a".."z" over 26, halved and rounded up.
int latimeMedieCaracter(const QFont& font);

// The application's dialog units, measured from the application font the
// first time they are asked for (after the QApplication exists).
const UnitatiDialog& unitatiDialog();
// Measures them again, for when the application font has been changed.
const UnitatiDialog& remasoaraUnitatiDialog();

// A push button named by its control id (so tests and callers find it by
// number), placed at a dialog-unit rectangle of the application's units.
QPushButton* ButonDialog(QWidget* parinte, const QString& text, int id, int x, int y, int cx, int cy);

// A push button named by its control id that never becomes the automatic
// default: Enter stays with the dialog's own default button. Placed by the
// caller.
QPushButton* ButonComanda(QWidget* parinte, const QString& text, int id);

}  // namespace vitramor
