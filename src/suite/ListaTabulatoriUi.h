#pragma once
// List boxes whose lines carry tab-separated columns: the columns start at
// tab stops given in horizontal dialog units, as list boxes with tab stops
// show them.

#include <QStringList>
#include <vector>

class QHeaderView;
class QListWidget;

namespace vitramor {

class UnitatiDialog;

// Installs a painter for the list's lines that honours the stops (in
// dialog units of `unitati`); past the last stop, tabs fall on multiples of
// the last interval.
void SeteazaTabulatoriLista(QListWidget* lista, const UnitatiDialog& unitati, const std::vector<int>& stopuri);
// The same in the application's dialog units.
void SeteazaTabulatoriLista(QListWidget* lista, const std::vector<int>& stopuri);

// Column titles over a list whose tab stops are set: a header whose sections
// start where the columns do. In a box layout the header takes the place
// above the list; in a window laid out by hand the list gives up the
// header's height at its top. The header's object name is the list's with
// "antet" in front.
QHeaderView* SeteazaAntetLista(QListWidget* lista, const QStringList& titluri);

}  // namespace vitramor
