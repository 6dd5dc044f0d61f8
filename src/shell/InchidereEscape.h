#pragma once
// Esc closes every window but the main one, as it closes a dialog. The
// editors, plots and reports are plain windows: a key a control of theirs
// did not take climbs to the window, and there the application-wide filter
// closes it. A control that uses Esc itself (a cell being edited, an open
// list) keeps it, because it takes the key before the window sees it.

namespace vitramor {

// Installs the filter on the application once; later calls do nothing.
void InstaleazaInchidereCuEscape();

}  // namespace vitramor
