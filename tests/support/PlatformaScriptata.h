#pragma once
// The platform of the tests: every box is recorded with its text, caption
// and style; questions take their answers from a queue, and a question that
// no test queued an answer for fails loudly instead of being guessed.

#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Platforma.h"
#include "platform/DepozitSetari.h"

namespace vitramor {

struct CasetaInregistrata {
    std::string text;
    std::string caption;
    unsigned style = 0;
    int rezultat = 0;
    int numar = -1;  // display-library message number, -1 for a literal box
};

class IntrebareNeasteptata : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// A settings store held in memory: for tests that must never touch a file.
class MemorySettingsStore final : public DepozitSetari {
public:
    bool existaCheie(const std::string& cheie) override;
    std::optional<std::string> citesteText(const std::string& cheie, const std::string& valoare) override;
    bool scrieText(const std::string& cheie, const std::string& valoare, const std::string& text) override;
    std::optional<std::int32_t> citesteIntreg(const std::string& cheie, const std::string& valoare) override;
    bool scrieIntreg(const std::string& cheie, const std::string& valoare, std::int32_t v) override;
    std::optional<std::vector<std::uint8_t>> citesteBinar(const std::string& cheie,
                                                           const std::string& valoare) override;
    bool scrieBinar(const std::string& cheie, const std::string& valoare,
                    const std::vector<std::uint8_t>& date) override;
    bool creazaCheie(const std::string& cheie) override;

    bool esueazaScrierea = false;  // simulates a key that cannot be written
    std::string eroareInAsteptare;  // a pending failure, as a settings file that cannot be read reports
    std::string textEroare() override { return eroareInAsteptare; }

private:
    struct Valoare {
        std::string cheie, nume;
        std::vector<std::uint8_t> octeti;
    };
    Valoare* gaseste(const std::string& cheie, const std::string& nume);
    std::vector<Valoare> valori_;
    std::vector<std::string> chei_;
};

class PlatformaScriptata final : public Platforma {
public:
    PlatformaScriptata();
    explicit PlatformaScriptata(std::unique_ptr<DepozitSetari> setari);

    // Queues the answer of the next question box (IDYES, IDNO, IDOK, IDCANCEL).
    void raspunde(int rezultat) { raspunsuri.push_back(rezultat); }
    void raspunde(std::initializer_list<int> rezultate) { raspunsuri.insert(raspunsuri.end(), rezultate); }

    int messageBox(Fereastra owner, const std::string& text, const std::string& caption, unsigned style) override;
    int mesajNumerotat(Fereastra owner, int numar, const std::string& text, unsigned style) override;
    void beep() override { ++beepuri; }
    std::optional<FisierAles> alegeFisierDeschidere(Fereastra, const CerereAlegereFisier& c) override;
    std::optional<FisierAles> alegeFisierSalvare(Fereastra, const CerereAlegereFisier& c) override;
    std::optional<std::string> alegeDirector(Fereastra, const std::string& titlu, const std::string& initial) override;
    int deschideDocument(const std::string& fisier, const std::string& parametri, const std::string& director) override;
    bool scrieClipboard(const std::string& text) override;
    std::string citesteClipboard() override { return clipboard; }
    bool scrieClipboardImagine(const std::string& png) override {
        if (clipboardEsueaza) return false;
        clipboardImagine = png;
        return true;
    }
    void cursorAsteptare(bool) override {}
    DepozitSetari& setari() override { return *setari_; }

    // The last box, or a failure when none was shown.
    const CasetaInregistrata& ultima() const;
    // Texts of all boxes, in order.
    std::vector<std::string> texte() const;

    std::vector<CasetaInregistrata> casete;
    std::deque<int> raspunsuri;
    std::deque<std::optional<FisierAles>> fisiereAlese;  // answers of the file choosers
    std::deque<std::optional<std::string>> directoareAlese;
    std::vector<CerereAlegereFisier> cereriFisier;
    std::vector<std::string> documenteDeschise;
    int rezultatDeschidere = 33;
    bool clipboardEsueaza = false;
    std::string clipboard;
    std::string clipboardImagine;  // PNG bytes
    int beepuri = 0;
    // Sees every box and chooser as it opens, with the window it goes over.
    std::function<void(Fereastra proprietar, const std::string& text)> laIntrebare;

private:
    std::unique_ptr<DepozitSetari> setari_;
};

}  // namespace vitramor
