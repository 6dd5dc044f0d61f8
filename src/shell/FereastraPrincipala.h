#pragma once
// The main window: the catalogue browser at the centre, the open materials
// in a side list (row i shows record i of the working set) and the sheet of
// the material chosen in either, under a menu that carries every function
// of the system and a toolbar with the everyday ones. The
// menu is built from the command table (ComenziMeniu.h); the working-set
// commands live here because they keep the list and the array in step.
//
// Every question and message goes through platforma(), so tests drive the
// window with the scripted platform.

#include <QMainWindow>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

class QAction;
class QDockWidget;
class QListWidget;
class QMenu;
class QToolBar;

namespace vitramor {

inline constexpr const char* ClasaFereastraPrincipala = "SticlaWndClass";
inline constexpr const char* TitluFereastraPrincipala = "VITRAMOR V" VITRAMOR_VERSIUNE;
inline constexpr int IdListaMateriale = 1066;
// Where the window's size, place and the docks' arrangement are kept.
inline constexpr const char* CheieSetariFereastra = "Software\\KESTRA\\VITRAMOR\\FEREASTRA";

// What the shutdown closes besides the shell's own windows. The windows and connections
// that hold those resources fill the hooks when they exist; an empty hook has
// nothing to close.
struct LegaturiInchidere {
    std::function<void()> inchideConexiuniOdbc;        // last opened first
    std::function<void()> inchideVerificareExport;     // the substrate pre-export verification window
};
LegaturiInchidere& legaturiInchidere();

class FereastraPrincipala : public QMainWindow {
    Q_OBJECT
public:
    explicit FereastraPrincipala(QWidget* parent = nullptr);
    ~FereastraPrincipala() override;

    // The start-up initialisation: dialog units, directory settings, screen
    // check, dispersion dialogs and refresh hook, user colours and the
    // suite's colours. False when start-up cannot go on.
    bool initializeaza();

    // The owner handed to the platform and the libraries.
    Fereastra proprietar() { return static_cast<QWidget*>(this); }
    QListWidget* lista() const { return lista_; }
    class FisaMaterialWidget* fisa() const { return fisa_; }
    // Shows the sheet of the open material `index` (the current one when -1).
    void arataFisaMaterialDeschis(int index = -1);
    QAction* actiune(int id) const;

    // Runs command `id` through the command table, as its menu item would;
    // a command that cannot run with the materials open says why.
    void executaComanda(int id);
    // Measures the frame correction; runs each time a menu is about to open.
    void actualizeazaMeniu();

    // Working-set commands.
    bool creazaMaterial();             // 40001
    void copiazaMaterial();            // 40099
    void distrugeMaterial();           // 40002
    // 40003; `numePropus` is the name the dialog starts with instead of the current one.
    void incarcaMaterial(const char* numePropus = nullptr);
    void salveazaMaterial();           // 40004
    void stergeMaterialCurent();       // 40005
    void stergeMaterialeAcelasiNume(); // 40028
    void curataMateriale();            // 40071
    // 40151: the current material as it was before its last change.
    void anuleazaUltimaModificare();
    void iesire();                     // 40007

    // Removes every row and adds the names of all records in array order.
    void reumpleLista();
    // Selects the first row that begins with `nume` (case-insensitive),
    // without making it the current material; -1 when none does.
    int selecteazaPrimulCuPrefix(const std::string& nume);
    // Rewrites row materialCurent with the current record's name and selects it.
    void actualizeazaRandCurent();

    // A material differs from what it was when it was created, loaded or last
    // saved. Only such a material is worth a question before it goes.
    bool materialModificat(int index);
    // Its present bytes are what the database holds (after an import stored it).
    void marcheazaNemodificat(int index);
    // After an import built it: it counts as modified exactly when it
    // differs from the record the database holds under its name.
    void potrivesteCuBazaDate(int index);
    // Asks whether a modified material is saved before it goes (Yes / No /
    // Cancel) and saves it on Yes. False when it must stay: Cancel, or a
    // save that failed.
    bool poatePleca(int index);

Q_SIGNALS:
    // The shutdown is complete: the event loop may end with exit code 0.
    void terminata();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void construiesteMeniu();
    void construiesteBaraComenzi();
    void aseazaInitial();
    void pastreazaAsezarea();
    QMenu* meniu(const std::string& cale);
    void laSelectie(int rand);
    void laDistrugere();
    bool salveaza(int index, bool intreabaNemodificat);

    QListWidget* lista_;
    class FisaMaterialWidget* fisa_;
    QToolBar* bara_ = nullptr;
    std::map<int, QAction*> actiuni_;
    std::map<std::string, QMenu*> meniuri_;
    std::map<std::string, std::string> mnemonici_;  // letters taken, per menu path
    bool inchis_ = false;
};

// The name of a record as the list shows it.
QString NumeAfisat(const char (&nume)[16]);

// Points the dispersion commands' refresh hook at the n and k window slots.
void InstaleazaReimprospatareIndici();

}  // namespace vitramor
