#pragma once
// The message list window: one per run at most, created by the first line
// reported, showing information lines in black and unread warnings blinking
// red. The lines and commands live in ModelListaMesaje; the window paints
// them, owns the blink timer and offers the commands in a window menu and a
// context menu.

#include <QWidget>
#include <string>

#include "messages/ModelListaMesaje.h"

class QAction;
class QListView;
class QMenu;
class QMenuBar;
class QTimer;

namespace vitramor {

inline constexpr const char* TitluAplicatieListaMesaje = "VITRAMOR V3.0";
inline constexpr int IntervalClipireImplicit = 1500;  // ms
// The window's frame: its size and its distance from the right and bottom
// screen edges.
inline constexpr int LatimeListaMesaje = 720;
inline constexpr int InaltimeListaMesaje = 300;
inline constexpr int DistantaDreaptaListaMesaje = 724;
inline constexpr int DistantaJosListaMesaje = 304;

class ModelQtListaMesaje;
class DelegatLinieMesaj;

class ListaMesajeWindow final : public QWidget {
public:
    ListaMesajeWindow();
    ~ListaMesajeWindow() override;

    // Hands one line to the list. Returns the result of the addition.
    int adaugaLinie(const std::string& text, int nivel);

    ModelListaMesaje& model();
    const ModelListaMesaje& model() const;
    QListView* lista() const { return lista_; }
    QMenuBar* baraMeniu() const { return bara_; }
    QMenu* meniuFereastra() const { return meniuFereastra_; }
    QMenu* meniuContext() const { return meniuContext_; }
    QTimer* timerClipire() const { return timer_; }
    QAction* actiune(int id) const;

    // Runs a menu command by its id.
    void executaComanda(int id);
    // Greys and checks the menu items as the list stands now; runs each
    // time a menu opens.
    void actualizeazaMeniu();
    // One blink step (the timer's work), callable directly.
    void bataieTimer();

    int extensieOrizontala() const { return extensie_; }
    int tabulatorPixeli() const;
    // Width of a line as it is drawn, tabs expanded into columns.
    int latimeDesenata(const QString& text) const;

protected:
    void closeEvent(QCloseEvent* ev) override;
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    Fereastra owner() { return static_cast<QWidget*>(this); }
    void construiesteMeniuri();
    void seteazaExtensie(int latime);
    void extensieDupaMarime();
    void remasoaraLinii();
    void selecteazaDinProgram(int rand);
    void cereTabulator();

    ModelQtListaMesaje* modelQt_ = nullptr;
    DelegatLinieMesaj* delegat_ = nullptr;
    QListView* lista_ = nullptr;
    QMenuBar* bara_ = nullptr;
    QMenu* meniuFereastra_ = nullptr;
    QMenu* meniuContext_ = nullptr;
    QTimer* timer_ = nullptr;
    int extensie_ = 0;
    int celMaiLatRand_ = 0;  // widest line drawn since the list was last emptied
};

// Creates, places and shows the window unless it exists. 1 when the window
// exists afterwards.
int CreazaFereastraListaMesaje();
// The window, or null when none is open.
ListaMesajeWindow* FereastraListaMesaje();
// Destroys the window without asking, unread warnings or not: for the end
// of the run, when nobody is left to read them.
void DistrugeFereastraListaMesaje();

// The GUI destination of AfiseazaMesajInLista: creates the window on the
// first line, falls back to a box captioned "Mesaj" when it cannot be
// created, and gives the focus back to the window that had it. A line
// reported from another thread is queued to the user-interface thread and
// the sender goes on at once. Called once at start-up.
void InstaleazaListaMesajeInFereastra();
// The destination itself.
int AfiseazaMesajInFereastraListaMesaje(const std::string& text, int nivel);

// For tests: the blink interval of windows created afterwards, and a window
// that cannot be created.
void SeteazaIntervalClipireListaMesaje(int milisecunde);
void SimuleazaEsecCreareListaMesaje(bool esec);

}  // namespace vitramor
