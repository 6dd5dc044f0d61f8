#pragma once
// The producer choosers of the dialogs: the catalogue library's names in
// code order, or the program's own names of codes 0 to 14 when the library
// cannot list them.

class QComboBox;
class QWidget;

namespace vitramor {

inline constexpr int NumarProducatoriProprii = 15;  // codes 0-14 of the program's own table

// Empties `combo` and fills it; `maxim` caps the number of entries (-1: all
// the library lists). Returns true when the library's list was used.
bool UmpleComboProducatori(QComboBox* combo, QWidget* owner, int maxim = -1);

}  // namespace vitramor
