#pragma once
// Fills a combo box from a tab-separated list file: the shown text of each
// admitted entry, with its entry number as item data, so that a stored entry
// number finds its text again even when the filter hides some entries.

#include <string>

class QComboBox;
class QWidget;

namespace vitramor {

// The combo box is the child of `dialog` whose objectName is the control id.
// Returns 1 when the file could be read, 0 otherwise (also when there is no
// such control).
int UmpleComboDinFisierText(QWidget* dialog, int idControl, const std::string& director,
                            const std::string& numeFisier, bool reseteaza, int modFiltru);
int UmpleComboDinFisierText(QComboBox* combo, const std::string& director, const std::string& numeFisier,
                            bool reseteaza, int modFiltru);

}  // namespace vitramor
