#pragma once
// The Excel catalogue update: every row of the selected table is fetched
// into the buffers of the active associations, transferred into the scratch
// record, merged with the stored material of the same name and stored.

#include <functional>
#include <string>
#include <vector>

#include "import/AsociereColoane.h"

namespace vitramor {

struct OptiuniActualizare {
    bool actualizeaza = false;   // "Actualizeaza": look up, merge and store; otherwise only list
    int codProducator = 1;       // selection code 1 or 3
    Fereastra owner = nullptr;
    // Called with each result line as it is made; returning false stops the
    // import after that row (Cancel).
    std::function<bool(const std::string&)> linie;
};

// Element j of entry i from the fetched buffers into the scratch record.
// 1, or 0 after a message for a conversion it cannot do.
int TransferaDataDinColoaneCititeInSticla(int i, int j, ContextImportExcel& c);

// The row message: merge the scratch record into its stored material (or a
// new one) and store it; the result line is returned (empty when the row has
// no name).
std::string ProceseazaRandCitit(ContextImportExcel& c, const OptiuniActualizare& o);

// "Update list": 1 when every row was transferred.
int ImportaTabelExcel(ContextImportExcel& c, const OptiuniActualizare& o);

// The producer stored with the glasses of a selection code (1 Schott, 3 Ohara).
int ProducatorDinCodSelectie(int cod);

}  // namespace vitramor
