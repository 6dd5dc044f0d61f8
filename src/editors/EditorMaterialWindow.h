#pragma once
// The common body of the property editors: a fixed-size window laid out in
// dialog units whose cells write straight into the record of its material.
//
// A concrete editor is mostly a table of cells. For each cell it gives the
// rectangle, how the record's value is shown, and how typed text is taken
// over; this class does the rest the same way for every editor:
//   - a cell commits when it loses the focus or on Enter, and only when its
//     text was edited to something else than the record's value shows: the
//     shown text stands for the stored value, which may hold more digits
//     than it shows, so typing it again changes no byte; an accepted value is already in the record and marks
//     the working set modified; a refused one brings message 10 and the
//     stored value back into the cell. Nothing waits for OK: closing keeps
//     what was accepted; the material's last change can be undone
//     (SetLucru::memoreazaAnterior).
//   - the focused slot (the slot number a cell was given, -1 for none) is
//     what the window commands act on; it is -1 again after a commit that
//     moved the focus away;
//   - buttons 1 (OK) and 2 (Cancel) close the window, 1023 ("Ajutor") opens
//     the producer's datasheet; every other button or command id goes to
//     executaComanda();
//   - commands that belong in the window's system menu are given once and
//     appear in a menu bar and in the context menu of the panel and cells;
//   - the window keeps its screen position when closed through the title
//     bar and takes it back when opened again (when position keeping is on);
//   - the refresh request refills every cell and the title from the record.
//
// A derived editor builds its cells, buttons and labels in its constructor
// and ends it with reimprospateaza(), which fills them; it opens through
// ferestreMaterial().deschide() like every per-material window.
//
// An editor is laid out one of two ways. Given a size in dialog units it is
// a fixed panel whose cells and labels stand where the editor puts them.
// Without a size it is a form: cells, labels and group boxes in Qt layouts
// that make room for every label at any font size, inside a scroll area so
// that the window works at half the screen too, with the buttons in a row
// at the bottom. The number cells of a form show a value of 0, which the
// record uses for "not given", as an empty cell, and an emptied cell stores 0.
//
// The window belongs to the material it was opened for, wherever that
// material moves in the list; it closes when the material leaves the working
// set, and should a commit still come after that, it is refused with a beep.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platforma.h"
#include "record/MaterialOptic.h"
#include "platform/FerestreMaterialUi.h"

class QAction;
class QBoxLayout;
class QFormLayout;
class QHBoxLayout;
class QLineEdit;
class QScrollArea;
class QVBoxLayout;
class QMenu;
class QMenuBar;
class QPainter;
class QPushButton;

namespace vitramor {

class UnitatiDialog;

inline constexpr int IdButonAjutorEditor = 1023;
inline constexpr int MesajValoareRespinsa = 10;  // "Valoare incorecta. ..." of the display library

// How a cell answers a refused entry, and whether an accepted one counts as
// a change of the material. Most cells take the defaults; the exceptions are
// the editors' own (the transmittance table answers with message 38, a few
// cells keep what was typed so that it can be corrected, some values are
// working values of the window and not data).
struct OptiuniCelula {
    int mesaj = MesajValoareRespinsa;
    unsigned stil = 0x30;  // exclamation
    bool pastreazaTextul = false;
    bool marcheazaModificat = true;
    // A number cell left empty stores 0, "not given", whatever its rule says
    // of typed values; false where 0 is not a value the record may hold.
    bool golPermis = true;
};

// What an editor is, before any cell: its window class name (also the key
// its position is kept under), the title format whose %s takes the material
// name, the command that opened it and the client size in dialog units.
struct DescriereEditor {
    std::string clasa;
    std::string formatTitlu;
    int comanda = 0;
    QPoint pozitie;       // dialog units, on the screen
    QSize dimensiune;     // client area, dialog units; none: a form (see above)
};

// Which typed values a number cell of the property editors takes.
using RegulaValoare = bool (*)(const MaterialOptic&, float);
inline bool OriceValoare(const MaterialOptic&, float) { return true; }
inline bool ValoareNeNegativa(const MaterialOptic&, float v) { return v >= 0.0f; }
inline bool ValoarePozitiva(const MaterialOptic&, float v) { return v > 0.0f; }

// A float or 16-bit field of the record, as the cell tables name it.
using CampFloat = float& (*)(MaterialOptic&);
using CampIntreg = std::uint16_t& (*)(MaterialOptic&);

class EditorMaterialWindow : public FereastraMaterial {
    Q_OBJECT
public:
    // How a cell shows the record, and how it takes typed text over: true
    // when the text was accepted and stored.
    using Afisare = std::function<QString(const MaterialOptic&)>;
    using Preluare = std::function<bool(MaterialOptic&, const std::string&)>;

    EditorMaterialWindow(TipEditor tip, int indexMaterial, QWidget* proprietar, DescriereEditor descriere);
    ~EditorMaterialWindow() override;

    // The record this window edits, or null once its material is gone.
    MaterialOptic* material() const;

    // Refills every cell and the title from the record, then lets the editor
    // refresh what else it shows (laReimprospatare).
    void reimprospateaza() override;
    // Closes without taking over a half-typed value and without keeping the
    // position: the Cancel button and the shutdown.
    void anuleaza() override;

    // Slot of the cell that has (or last had) the focus, -1 for none.
    int slotFocalizat() const { return slotFocalizat_; }
    const DescriereEditor& descriere() const { return descriere_; }
    int comanda() const { return descriere_.comanda; }

    // Runs a button or window command by id, as a click on it would.
    void executa(int id);

    // The panel holding the cells (the client area in dialog units).
    QWidget* panou() const { return panou_; }
    // Laid out by Qt layouts rather than in dialog units.
    bool forma() const { return descriere_.dimensiune.isEmpty(); }
    QMenuBar* baraMeniu() const { return bara_; }

protected:
    // One cell at (x, y) of size (cx, cy) in dialog units (a form's cells and
    // buttons take a null rectangle: the editor lays cells out itself, the
    // buttons go to the row at the bottom). `slot` is what the
    // window commands see as the focused slot while this cell has the focus.
    // `respins` gives the text shown after a refused entry (default: afisare).
    // Cells join the Tab order in the order they are added.
    QLineEdit* adaugaCelula(const QString& nume, int slot, QRect unitati, Afisare afisare, Preluare preluare,
                            Afisare respins = {}, OptiuniCelula optiuni = {});
    // The usual number cells, named by their control id: a float field shown
    // with a printf format and taken when `regula` accepts it (a refusal
    // shows the field again as "%g" unless the options keep the text), and a
    // 16-bit field shown "%d" that takes whole numbers from 0 to 65535. In a
    // form both show 0 as an empty cell.
    QLineEdit* adaugaCelulaFloat(int id, QRect unitati, CampFloat camp, const char* format, RegulaValoare regula,
                                 OptiuniCelula optiuni = {});
    QLineEdit* adaugaCelulaIntreg(int id, QRect unitati, CampIntreg camp, OptiuniCelula optiuni = {});
    QPushButton* adaugaButon(int id, const QString& text, QRect unitati);
    // Makes `mostra` (the widest text the cell must show whole, e.g.
    // "8.88888e-88" for a "%g" value) fit the cell: when it does not, the
    // cells of the window take a smaller font together, so the table keeps
    // one size of type.
    void asiguraLatime(QLineEdit* celula, const QString& mostra);
    // A fixed label drawn on the panel; its top-left corner at `unitati`.
    // With a width (dialog units) it is made narrower when it would not fit
    // there, as deseneazaTextInLatime does.
    void adaugaEticheta(const QString& text, QPoint unitati, int latime = 0);
    // A form's column of groups, and a titled group of labelled rows put at
    // its end (or into `in`).
    QVBoxLayout* coloana() const { return coloana_; }
    QFormLayout* adaugaGrup(const QString& titlu, QBoxLayout* in = nullptr);
    // A command of the window (system) menu, by id.
    QAction* adaugaComandaFereastra(int id, const QString& text);
    // The raised frame drawn round the cells, in dialog units.
    void seteazaZonaPanou(QRect unitati) { zonaPanou_ = unitati; }
    void seteazaTitluMeniu(const QString& titlu);

    // An id that is not OK, Cancel or Ajutor: the editor's buttons and window
    // commands. Pending edits are already committed.
    virtual void executaComanda(int) {}
    // "Ajutor": the producer's datasheet, unless the editor has other help.
    virtual void ajutor();
    // After any cell was accepted: values the editor derives from others.
    virtual void laPreluare() {}
    // After a refill: what the editor shows beside its cells.
    virtual void laReimprospatare() {}
    // Painting beyond the frames and fixed labels (labels that follow the data).
    virtual void deseneaza(QPainter&, const UnitatiDialog&) {}

    // Draws a label inside `r`, made narrower (a smaller, then a squeezed
    // font) when it is wider than the room the layout leaves it.
    static void deseneazaTextInLatime(QPainter& p, const QRect& r, const QString& text);
    // A value through a printf format, as the cells show it.
    static QString formateaza(const char* format, double v);
    // Keeps the material as it is now for the undo: before a command of the
    // editor changes it (a cell's commit keeps it by itself). A command that
    // blanks or replaces data (`suprascrie`) marks the material so as well.
    void memoreazaPentruAnulare(bool suprascrie = false);
    // Shows `text` in a cell without it counting as an edit.
    void arataInCelula(QLineEdit* celula, const QString& text);
    // Closes as OK does: accepted values stay, the position is not kept.
    void inchide();
    // Modal to the main window, as the editors that are dialogs are: the
    // working set cannot change under them.
    void faModal();
    // The owner handed to boxes and libraries.
    Fereastra proprietar() { return static_cast<QWidget*>(this); }

    bool eventFilter(QObject* obiect, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    struct Celula {
        QLineEdit* control = nullptr;
        int slot = -1;
        QRect unitati;
        Afisare afisare;
        Preluare preluare;
        Afisare respins;
        OptiuniCelula optiuni;
        bool modificata = false;
    };
    struct Eticheta {
        QString text;
        QPoint unitati;
        int latime;
    };
    class Panou;

    Celula* celula(QObject* o);
    // Commits a cell's edited text; the focused slot is reset when the
    // focus has left it.
    void preia(Celula& c, bool pastreazaFocus);
    // Commits whatever cell still holds an edit (before a command runs).
    void preiaCelulaModificata();
    void actualizeazaTitlu();
    void deseneazaPanou(QPainter& p);
    void meniuContext(QWidget* sursa, const QPoint& pozitie);
    // A form's first size: all of it, as far as the screen allows.
    void potrivesteMarimea();

    DescriereEditor descriere_;
    QWidget* panou_ = nullptr;
    QScrollArea* derulare_ = nullptr;
    QVBoxLayout* coloana_ = nullptr;
    QHBoxLayout* randButoane_ = nullptr;
    bool marimeData_ = false;  // a kept size was restored, or the form was fitted once
    QMenuBar* bara_ = nullptr;
    QMenu* meniuFereastra_ = nullptr;
    std::vector<QAction*> comenziFereastra_;
    std::vector<Celula> celule_;
    std::vector<Eticheta> etichete_;
    QRect zonaPanou_;
    std::optional<QFont> fontCelule_;
    int slotFocalizat_ = -1;
    bool inchisPrinComanda_ = false;
};

// Opens the `tip` window of the current material, or brings it forward, with
// `creeaza(index)` making a new one; beeps and returns null when no material
// is open.
FereastraMaterial* DeschideEditorMaterialCurent(TipEditor tip, const std::function<FereastraMaterial*(int)>& creeaza);

}  // namespace vitramor
