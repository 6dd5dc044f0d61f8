#pragma once
// The category of an import's glasses when the category file cannot decide
// it: a file without entries named "Crown" and "Flint" gives no rule, so the
// user picks the one entry every glass of the import gets.
//
// Controls by object name: "categorie" (the combo, entry numbers as item
// data), "ok", "cancel".

#include <string>

class QWidget;

namespace vitramor {

// The entry picked; -1 when nothing needs picking (the file has "Crown" and
// "Flint", or no entry to pick from: the import then says what it gave);
// -2 when the user cancelled, and the import is not to run.
int AlegeCategorieImport(QWidget* parinte, const std::string& directorSticle);

}  // namespace vitramor
