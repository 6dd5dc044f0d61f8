#pragma once
// The Excel catalogue update: the cells of every row of the selected table,
// in the columns of the active associations, are transferred into the
// scratch record; the rows are then merged with the stored materials of the
// same names and producer and stored together through the one store of
// materials. An update is right or does nothing: a Cancel, a failed read or
// a refused answer leaves the database as it was. A value that cannot be
// physical is refused by name, the rest of its row is kept.

#include <functional>
#include <string>
#include <vector>

#include "database/StocareMateriale.h"
#include "import/tabele/AsociereColoane.h"
#include "operatie/RezultatOperatie.h"

namespace vitramor {

// The update window's title, the caption of its closing summary.
inline constexpr const char* TitluActualizareExcel = "Actualizeaza STICLE32.DAT din baze de date folosind ODBC";

struct OptiuniActualizare {
    bool actualizeaza = false;   // "Actualizeaza": look up, merge and store; otherwise only list
    int codProducator = 1;       // layout code 1 or 3; the producer is the scratch record's
    PoliticaConflict laConflict = PoliticaConflict::Intreaba;
    // The category entry the user picked for new glasses the Abbe diagram
    // cannot place (CategoriiImport), -1 for none.
    int categorie = -1;
    Fereastra owner = nullptr;
    // The update's own questions (a glass the database lacks, stored points
    // the file does not carry) are asked through it; without it the safe
    // answers hold: such a glass is skipped, the stored points are kept.
    Intrebari* intrebari = nullptr;
    std::string directorSticle;  // the database the glasses are merged into
    // Called with each result line (UTF-8) as a row is read; returning false
    // stops the update (Cancel), which then stores nothing.
    std::function<bool(const std::string&)> linie;
    // Called once before the first line with the titles of its cells
    // (UTF-8, tab-separated), so that a window can show the lines as a table.
    std::function<void(const std::string&)> antet;
    // Called when every row is read, before the questions of the store: a
    // progress window over the reading goes away there.
    std::function<void()> dupaCitire;
    // Set by the release comparison: the merged records are handed over
    // instead of stored, and nothing is asked (a glass the database lacks is
    // new, stored points the file does not carry are kept).
    std::function<void(std::vector<MaterialOptic>&)> construite;
};

// A cell of the table into element j of entry i of the scratch record, by
// the field's type: a text field takes a text as written and a number with
// all its digits, a number field a number, or a text read by NumarCatalog's
// rules (a placeholder such as "-" is empty). 1, or 0 with why in `motiv`
// for a field it cannot fill. An empty cell of a number field becomes NaN: the
// file says nothing there. A text that a
// record field cannot hold as it stands (a character outside Windows-1252,
// more characters than the field) is not cut: the row is refused, with the
// reason in `c.motivRespingere`.
int TransferaCelulaInSticla(int i, int j, const CelulaFoaie& celula, ContextImportExcel& c, std::string& motiv);

// "Update list": every row read and listed. With "Actualizeaza" the rows are
// merged and stored, stored points the file does not carry are kept or
// replaced as the user chooses once, and the run ends with its summary
// (returned, for the caller to report). Without it nothing is stored:
// NimicDeFacut, or a failure with why.
RezultatOperatie ImportaTabelExcel(ContextImportExcel& c, const OptiuniActualizare& o);

// The producer a layout code proposes (1 Schott, 3 Ohara); the user decides.
int ProducatorDinCodSelectie(int cod);

}  // namespace vitramor
