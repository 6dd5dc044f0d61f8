#pragma once
// The content and the commands of the message list window, without the
// window: the lines with their levels, where new lines go, the cap on the
// number of lines, which warning is still unread, and the commands of the
// window menu with their questions and refusals. Every box, beep, chooser
// and clipboard access goes through the platform, so the whole behaviour
// can be driven headless; the window only paints and forwards.

#include <deque>
#include <string>
#include <vector>

#include "platform/Platforma.h"

namespace vitramor {

// The list keeps at most this many lines; further lines push the oldest out.
inline constexpr int NumarMaximLiniiMesaje = 32765;

// Option bits.
inline constexpr unsigned OptiuneInserareLaSfarsit = 1;   // clear: new lines at the beginning
inline constexpr unsigned OptiuneArataDupaInserare = 2;  // bring the window up after each line

// The first tab stop a new list starts with.
inline constexpr int TabulatorImplicit = 100;

inline constexpr const char* NumeFisierMesaje = "message.txt";

// Commands of the window menu; the ids are the menu item ids.
namespace comandaLista {
inline constexpr int AmCitit = 241;
inline constexpr int StergeMesaje = 240;
inline constexpr int CopiazaMesaj = 496;
inline constexpr int SalveazaMesaje = 752;
inline constexpr int PrintMesaje = 1008;
inline constexpr int InsereazaLaInceput = 1264;
inline constexpr int InsereazaLaSfarsit = 1520;
inline constexpr int ArataDupaInserare = 1776;
inline constexpr int SetTabs = 2032;
}  // namespace comandaLista

struct ComandaListaMesaje {
    int id;
    const char* text;
    bool separatorInainte;  // a separator stands before this item
};
// The menu in the order it is shown.
const std::vector<ComandaListaMesaje>& ComenziListaMesaje();

struct LinieMesaj {
    std::string text;
    int nivel = 0;
    std::string ora;  // "HH:MM:SS" local time the line came, shown before it
};

// Which menu items are enabled and checked when the menu opens.
struct StareMeniuListaMesaje {
    bool amCitit = false;
    bool sterge = false;
    bool copiaza = false;
    bool salveaza = false;
    bool print = false;
    bool bifaInceput = false;
    bool bifaSfarsit = false;
    bool bifaArata = false;

    bool activ(int id) const;
    bool bifat(int id) const;
};

// Told before and after each change of the lines, so a view over the model
// (the window's item model) can follow row by row instead of starting over.
class NotificariListaMesaje {
public:
    virtual ~NotificariListaMesaje() = default;
    virtual void inainteInserare(int /*index*/) {}
    virtual void dupaInserare() {}
    virtual void inainteStergere(int /*index*/) {}
    virtual void dupaStergere() {}
    virtual void inainteResetare() {}
    virtual void dupaResetare() {}
    virtual void niveleSchimbate() {}
};

class ModelListaMesaje {
public:
    // Adds one line where the options say. Returns 1, or 0 when the line
    // could not be stored (default beep). A level above 0 also raises the
    // application-wide warnings-pending flag.
    int adaugaLinie(const std::string& text, int nivel);

    int numarLinii() const { return static_cast<int>(linii_.size()); }
    const LinieMesaj& linie(int index) const { return linii_.at(static_cast<std::size_t>(index)); }
    std::vector<std::string> texte() const;

    unsigned optiuni() const { return optiuni_; }
    bool inserareLaSfarsit() const { return (optiuni_ & OptiuneInserareLaSfarsit) != 0; }
    bool arataDupaInserare() const { return (optiuni_ & OptiuneArataDupaInserare) != 0; }

    // The most recently added line with a level above 0 that is still
    // unread; -1 when none.
    int ultimaAvertizareNecitita() const { return ultimaAvertizare_; }
    bool existaAvertizariNecitite() const { return ultimaAvertizare_ >= 0; }

    // The line the user last selected; -1 when none. It follows its line
    // when lines are inserted above it.
    int linieApasata() const { return linieApasata_; }
    void seteazaLinieApasata(int index) { linieApasata_ = index; }

    int tabulator() const { return tabulator_; }
    // Below 1: message 10 and the old stop stays. Returns 1 when taken.
    int seteazaTabulator(Fereastra owner, int valoare);

    bool fazaClipire() const { return fazaClipire_; }

    // "Am citit": every line becomes information, the flag is cleared.
    void amCitit();
    // "Sterge mesaje": refused while unread warnings exist. Returns 1 when emptied.
    int stergeMesaje(Fereastra owner);
    // "Copiaza mesaj": the clicked line to the clipboard.
    int copiazaMesaj(Fereastra owner);
    // "Salveaza mesaje": every line to a text file chosen by the user.
    int salveazaMesaje(Intrebari& intrebari, Fereastra owner);
    // "Insereaza la inceput" / "Insereaza la sfarsit": switch the option and
    // offer to reverse the lines so that the newest stay on the insertion
    // side. Nothing happens when the option is already so.
    void insereazaLaInceput(Intrebari& intrebari, Fereastra owner);
    void insereazaLaSfarsit(Intrebari& intrebari, Fereastra owner);
    void comutaArataDupaInserare() { optiuni_ ^= OptiuneArataDupaInserare; }

    StareMeniuListaMesaje stareMeniu() const;

    // One blink step: beeps while warnings are pending, toggles the phase,
    // and returns the line to select (-1: no selection).
    int bataieTimer();

    // Closing is refused (with its box) while unread warnings exist.
    bool poateFiInchisa(Fereastra owner) const;

    void seteazaNotificari(NotificariListaMesaje* n) { notificari_ = n; }

private:
    void sterge(int index);
    void inverseaza(Intrebari& intrebari, Fereastra owner);
    void cautaUltimaAvertizare();

    std::deque<LinieMesaj> linii_;
    unsigned optiuni_ = 0;
    int ultimaAvertizare_ = -1;
    int linieApasata_ = -1;
    int tabulator_ = TabulatorImplicit;
    bool fazaClipire_ = false;
    NotificariListaMesaje* notificari_ = nullptr;
};

// Columns of a line with tabs: each tab-separated part starts where the
// previous one started plus the larger of the tab stop and the widest part,
// so the parts of one line stay aligned however long one of them is. Takes
// the widths of the parts (pixels) and the tab stop in the same unit.
std::vector<int> InceputuriColoane(const std::vector<int>& latimiParti, int tabulator);
// The width the line takes when drawn so.
int LatimeColoane(const std::vector<int>& latimiParti, int tabulator);

// Application-wide: set when a warning line is added, cleared by "Am citit"
// and when the window is created. While it is set the window beeps.
bool AvertizariInAsteptare();
void SeteazaAvertizariInAsteptare(bool activ);

}  // namespace vitramor
