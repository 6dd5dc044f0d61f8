#pragma once
// Work held back until a window is on screen: what it reports (a file that
// cannot be read, a question about a damaged database) then stands over a
// window the user can see, never before it.

#include <functional>

class QWidget;

namespace vitramor {

// Runs `f` once, when control returns to the event loop after `w` was first
// shown (queued at once when it already is).
void LaPrimaAfisare(QWidget* w, std::function<void()> f);

}  // namespace vitramor
