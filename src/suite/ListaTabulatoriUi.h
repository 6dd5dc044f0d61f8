#pragma once
// List boxes whose lines carry tab-separated columns: the columns start at
// tab stops given in horizontal dialog units, as list boxes with tab stops
// show them.

#include <vector>

class QListWidget;

namespace vitramor {

class UnitatiDialog;

// Installs a painter for the list's lines that honours the stops (in
// dialog units of `unitati`); past the last stop, tabs fall on multiples of
// the last interval.
void SeteazaTabulatoriLista(QListWidget* lista, const UnitatiDialog& unitati, const std::vector<int>& stopuri);
// The same in the application's dialog units.
void SeteazaTabulatoriLista(QListWidget* lista, const std::vector<int>& stopuri);

}  // namespace vitramor
