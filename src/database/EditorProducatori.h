#pragma once
// The producers dialog without its window: one producer entry held for
// editing, the list lines of the catalogue library's producer table, and the
// rule that a changed entry is offered for storing before another entry
// takes its place. The dialog only shows what this holds and forwards the
// user's actions; every question and message goes through the platform.

#include <string>
#include <vector>

#include "platform/Platforma.h"
#include "database/CatalogMateriale.h"

namespace vitramor {

// Codes the dialog gives to new producers stay at or below this; a larger
// one is allowed only when the user confirms it.
inline constexpr int CodMaximProducatorNou = 63900;
inline constexpr const char* TitluEditorProducatori = "Editare producatori materiale optice";

class EditorProducatori {
public:
    // Its questions go through `intrebari`, over `owner`.
    EditorProducatori(Intrebari& intrebari, Fereastra owner, std::string directorSticle);

    // Reads the table's list lines again (mode 0). 1 on success; on failure
    // (no table yet, or its message shown) the list is empty.
    int umpleLista();

    const std::vector<std::string>& linii() const { return linii_; }
    const tag_ProducatorMatOptic& intrare() const { return intrare_; }
    bool modificata() const { return modificata_; }
    int codMaxim() const { return codMaxim_; }
    // The row the list should show selected, -1 for none.
    int randSelectat() const { return randSelectat_; }

    // The list line of the held entry, "%2d\t%s\t%s".
    std::string linieIntrare() const;

    // A row was selected: offers a changed entry for storing (message 205),
    // then loads the producer whose code begins the row's text. Returns 1
    // when the row's producer is now the entry; 0 when it stays as it was
    // (storing the changed entry failed, or the producer cannot be loaded).
    int selecteazaRand(int rand);

    // The edits, taken over when they lose the focus after a change. The
    // name keeps its first 15 characters and the directory its first 259.
    void preiaNume(const std::string& text);
    void preiaDirector(const std::string& text);
    // A code below 1 (or not a number, or past the 16-bit field) shows
    // message 10 and is not taken: false.
    bool preiaCod(const std::string& text);

    // "Create new": offers a changed entry for storing, then prepares a new
    // entry "?" in the glass directory with the largest code plus one. A code
    // above 63900 is confirmed with message 216 first. 1 when the new entry
    // is prepared.
    int creeazaNou();

    // "Include": stores the entry, reads the list again and selects the row
    // that begins with the entry's list line. 1 when stored.
    int include();

    // "Sterge": after a question that names the producer (No the default),
    // deletes the entry's producer, reads the
    // list again and shows the producer now at the deleted one's place (the
    // last one when it was the last). 1 when deleted.
    int sterge();

private:
    // The changed entry is offered for storing; false when the user wanted
    // it stored and that failed, so the caller must not replace it.
    bool oferaSalvarea();
    int incarcaCod(int cod);
    int stocheaza();
    int randCuInceputul(const std::string& linie) const;

    Intrebari& intrebari_;
    Fereastra owner_;
    std::string directorSticle_;
    tag_ProducatorMatOptic intrare_{};
    bool modificata_ = false;
    int codMaxim_ = 0;
    int randSelectat_ = -1;
    std::vector<std::string> linii_;
};

// The code at the start of a list line (up to its first tab); -1 when the
// text does not begin with a number.
int CodDinLinieProducator(const std::string& linie);

}  // namespace vitramor
