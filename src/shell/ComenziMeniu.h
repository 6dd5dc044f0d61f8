#pragma once
// The main window's command table: one row per command id with its menu
// text, where it sits in the menu, when it is enabled and what it runs. The
// menu bar is built from it, the enabling walks it each time a menu is about
// to open, and every QAction dispatches through it; a new command is one row
// here and one function in its own folder.

#include <span>
#include <string>
#include <string_view>

namespace vitramor {

class FereastraPrincipala;

// When a command may run. Every command stays enabled, so that one that
// cannot run now says why (TextComandaIndisponibila) instead of being grey
// without a hint.
enum class Activare {
    Mereu,                // always
    CuMaterial,           // on the current material: one must be open
    CuMaiMulteMateriale,  // with more than one material open
};

// Runs a command on the main window.
using HandlerComanda = void (*)(FereastraPrincipala&);

struct ComandaMeniu {
    int id;
    const char* text;
    Activare activare;
    // The menu path: "&File", "&File/Importa", ...; null for a command that
    // has no menu item (it still has its action, for enabling and dispatch).
    const char* meniu;
    bool separatorInainte;
    // Null: the command's function is not built yet and it shows message 0.
    HandlerComanda handler;
};

// The whole table, in menu order.
std::span<const ComandaMeniu> TabelaComenzi();

// The row of a command id, or null.
const ComandaMeniu* GasesteComanda(int id);

// The usual shortcut of a command ("Ctrl+N"), or null.
const char* ScurtaturaComanda(int id);

// A menu text with a keyboard mnemonic: the one it has ("&Exit"), else the
// first free initial of a word, else the first free letter. `folosite`
// holds the letters already taken in that menu and receives the new one.
std::string TextCuMnemonica(std::string_view text, std::string& folosite);

// Whether a command can run with `numarMateriale` materials open, and what
// it answers when it cannot.
bool ComandaActiva(const ComandaMeniu& c, int numarMateriale);
std::string TextComandaIndisponibila(const ComandaMeniu& c, int numarMateriale);

}  // namespace vitramor
