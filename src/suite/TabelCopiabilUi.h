#pragma once
// A table of cells under a row of column titles whose selection Ctrl+C
// copies as tab-separated lines, as a spreadsheet takes them.

#include <QStringList>

class QTableWidget;
class QWidget;

namespace vitramor {

// Read-only, whole rows selected, no row numbers; `id` is the object name.
QTableWidget* CreazaTabelCopiabil(QWidget* parinte, const QString& id, const QStringList& antete);
// One cell's text, the cell created when missing.
void ScrieCelula(QTableWidget* t, int rand, int coloana, const QString& text);
// The selected cells, one line per row, the cells apart by tabs.
QString TextSelectieTabel(const QTableWidget* t);

}  // namespace vitramor
