#pragma once
// Every table of values can be copied the way a spreadsheet pastes it:
// Ctrl+C (or "Copiaza" in the table's context menu) puts the selected cells
// on the clipboard as tab-separated lines, the column headers first.

#include <QString>
#include <QStringList>

class QAbstractItemView;
class QTableWidget;
class QWidget;

namespace vitramor {

// Gives `tabel` the copy shortcut and the context-menu item.
void PermiteCopiereTabel(QAbstractItemView* tabel);

// The text Ctrl+C puts on the clipboard: the headers of the columns that
// hold a selected cell, then one line per row with a selected cell, in the
// order the table shows them. Empty when nothing is selected.
QString TextCeluleSelectate(const QAbstractItemView* tabel);

// A read-only table of values under its column titles, whole rows
// selected, no row numbers, copyable; `id` is the object name.
QTableWidget* CreazaTabelCopiabil(QWidget* parinte, const QString& id, const QStringList& antete);
// One cell's text, the cell created when missing.
void ScrieCelula(QTableWidget* t, int rand, int coloana, const QString& text);

}  // namespace vitramor
