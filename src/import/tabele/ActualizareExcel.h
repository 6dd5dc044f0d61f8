#pragma once
// The Excel catalogue update: every row of the selected table is fetched
// into the buffers of the active associations and transferred into the
// scratch record; the rows are then merged with the stored materials of the
// same names and stored together, in one pass over the database. An update
// is right or does nothing: a Cancel, a failed read or a refused answer
// leaves the database as it was.

#include <functional>
#include <string>
#include <vector>

#include "import/tabele/AsociereColoane.h"

namespace vitramor {

struct OptiuniActualizare {
    bool actualizeaza = false;   // "Actualizeaza": look up, merge and store; otherwise only list
    int codProducator = 1;       // selection code 1 or 3
    Fereastra owner = nullptr;
    // Called with each result line (UTF-8) as a row is read; returning false
    // stops the update (Cancel), which then stores nothing.
    std::function<bool(const std::string&)> linie;
    // Called once before the first line with the titles of its cells
    // (UTF-8, tab-separated), so that a window can show the lines as a table.
    std::function<void(const std::string&)> antet;
};

struct RezultatActualizare {
    int randuri = 0;    // rows with a name
    int respinse = 0;   // rows that cannot be stored as they stand (each listed with its reason)
    int salvate = 0;    // materials stored (new and updated)
    int noi = 0;
    bool oprita = false;  // Cancel, a failure, or the user's No: nothing stored
};

// Element j of entry i from the fetched buffers into the scratch record.
// 1, or 0 after a message for a conversion it cannot do. A text that a
// record field cannot hold as it stands (a character outside Windows-1252,
// more characters than the field) is not cut: the row is refused, with the
// reason in `c.motivRespingere`.
int TransferaDataDinColoaneCititeInSticla(int i, int j, ContextImportExcel& c);

// "Update list": 1 when every row was read and, with "Actualizeaza", every
// row was stored.
int ImportaTabelExcel(ContextImportExcel& c, const OptiuniActualizare& o, RezultatActualizare* rezultat = nullptr);

// The producer stored with the glasses of a selection code (1 Schott, 3 Ohara).
int ProducatorDinCodSelectie(int cod);

}  // namespace vitramor
