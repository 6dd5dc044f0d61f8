#pragma once
// The seam that stands where Win32 stood: every message box, beep, chooser,
// shell start, clipboard access and settings access of the system goes
// through one Platforma object. The GUI installs the Qt implementation, the
// command line the console one, tests the scripted one; the logic never
// knows which, so every behaviour can be driven and checked headless.

#include <functional>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "operatie/RezultatOperatie.h"
#include "platform/Intrebari.h"

namespace vitramor {

class DepozitSetari;
class SistemFisiere;

// A file filter as the choosers take it: a description and its patterns
// ("Text files (*.txt)", {"*.txt"}).
struct FiltruFisier {
    std::string descriere;
    std::vector<std::string> modele;
};

struct CerereAlegereFisier {
    std::string titlu;
    std::string directorInitial;
    std::string numeInitial;
    std::string extensieImplicita;
    std::vector<FiltruFisier> filtre;
    int filtruSelectat = 0;
    bool trebuieSaExiste = true;  // open choosers: the chosen file must exist
};

// Choosers return the directory and the file name apart, as the callers
// store them in separate buffers.
struct FisierAles {
    std::string director;
    std::string nume;
};

class Platforma : public Intrebari {
public:
    ~Platforma() override = default;

    // The platform answers an operation's questions the way it shows its
    // own: the GUI in a box, the console by --yes/--no, tests by script.
    int intreaba(Fereastra owner, const std::string& text, const std::string& titlu, unsigned stilBox) final {
        return messageBox(owner, text, titlu, stilBox);
    }
    int intreabaNumerotat(Fereastra owner, int numar, const std::string& text, unsigned stilBox) final {
        return mesajNumerotat(owner, numar, text, stilBox);
    }
    int intreabaOptiuni(Fereastra owner, const std::string& text, const std::string& titlu,
                        const std::vector<std::string>& optiuni, int da, int nu, int implicit) final {
        return intrebareOptiuni(owner, text, titlu, optiuni, da, nu, implicit);
    }
    int intreabaVizualizare(Fereastra owner, int numar, const std::string& text, unsigned stilBox) final {
        return intrebareVizualizare(owner, numar, text, stilBox);
    }

    // Returns the Win32 button code (IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7).
    virtual int messageBox(Fereastra owner, const std::string& text, const std::string& caption,
                           unsigned style) = 0;
    // A numbered message of the display library. The GUI shows it as a box
    // captioned with its number; the console writes "message N: text".
    virtual int mesajNumerotat(Fereastra owner, int numar, const std::string& text, unsigned style);

    // MessageBeep(0): the default warning sound.
    virtual void beep() = 0;

    virtual std::optional<FisierAles> alegeFisierDeschidere(Fereastra owner, const CerereAlegereFisier&) = 0;
    virtual std::optional<FisierAles> alegeFisierSalvare(Fereastra owner, const CerereAlegereFisier&) = 0;
    virtual std::optional<std::string> alegeDirector(Fereastra owner, const std::string& titlu,
                                                     const std::string& directorInitial) = 0;

    // Starts a document or program through the platform's association.
    // Returns a value above 32 on success, otherwise one of the shell-execute
    // error codes (0, 2, 3, 5, 8, 11, 26..32).
    virtual int deschideDocument(const std::string& fisier, const std::string& parametri,
                                 const std::string& directorLucru) = 0;

    virtual bool scrieClipboard(const std::string& text) = 0;
    virtual std::string citesteClipboard() = 0;
    // A picture, given as the bytes of a PNG file; false when the platform
    // has no clipboard for pictures or could not read the bytes.
    virtual bool scrieClipboardImagine(const std::string& png);

    // Wait cursor around long file operations; a presentation detail that
    // only the GUI shows.
    virtual void cursorAsteptare(bool activ) = 0;

    virtual DepozitSetari& setari() = 0;

    // Text of the last system error (errno here, GetLastError on Windows);
    // empty when no error is pending.
    virtual std::string textUltimaEroare();
    virtual void stergeUltimaEroare();

    // The file-system calls of every rewrite and lock. Tests put in place
    // one that fails at a chosen step; null restores the system's own.
    SistemFisiere& fisiere();
    void inlocuiesteFisiere(SistemFisiere* s) { fisiere_ = s; }

    // A numbered question that only offers to open a file or a window for
    // viewing. The command line answers it No without asking, so that a
    // script never stops at it.
    virtual int intrebareVizualizare(Fereastra owner, int numar, const std::string& text, unsigned style) {
        return mesajNumerotat(owner, numar, text, style);
    }

    // A choice that Yes and No cannot say ("replace / keep both / skip"):
    // the answers are button texts. `da` and `nu` are the answers that
    // --yes and --no give on the command line, and that a Yes/No/Cancel box
    // stands for where the platform has no buttons of its own; `implicit`
    // is the default button. Returns the index of the answer, or -1 when
    // the user cancelled.
    virtual int intrebareOptiuni(Fereastra owner, const std::string& text, const std::string& titlu,
                                 const std::vector<std::string>& optiuni, int da, int nu, int implicit);
    // The closing summary of an operation that changed (or would have
    // changed) data: a box with the counts and the refused materials (the
    // first `maximLiniiMesaj()` of them); the GUI shows a window with every
    // material in a table instead.
    virtual void raportRezultat(Fereastra owner, const std::string& titlu, const RezultatOperatie& r);
    virtual std::size_t maximLiniiMesaj() const { return 25; }

    // The window a question is shown over while long work runs: its
    // progress dialog, shown first, so that no progress dialog ever covers
    // a question the work waits for. Set by whoever runs the work.
    std::function<Fereastra(Fereastra owner)> proprietarIntrebari;
    Fereastra proprietarPentru(Fereastra owner) { return proprietarIntrebari ? proprietarIntrebari(owner) : owner; }

private:
    SistemFisiere* fisiere_ = nullptr;
};

// The process-wide platform. It is installed once by main() (or by a test
// fixture) before any logic runs, as the Win32 API was simply there for the
// original program; PlatformaInstalata restores the previous one so tests nest.
Platforma& platforma();
void instaleazaPlatforma(Platforma* p);

class PlatformaInstalata {
public:
    explicit PlatformaInstalata(Platforma& p);
    ~PlatformaInstalata();
    PlatformaInstalata(const PlatformaInstalata&) = delete;
    PlatformaInstalata& operator=(const PlatformaInstalata&) = delete;

private:
    Platforma* anterior_;
};

// Shows what an operation did, once: the window's closing message and the
// command line's summary are this one text.
void RaporteazaRezultat(Fereastra owner, const std::string& titlu, const RezultatOperatie& r);

// Shorthand used all over the logic: MessageBox(owner, text, caption, style).
inline int MesajBox(Fereastra owner, const std::string& text, const std::string& caption, unsigned style) {
    return platforma().messageBox(owner, text, caption, style);
}

}  // namespace vitramor
