#pragma once
// The frame correction: how much wider and taller a window is than its
// client area. Editor windows that lay themselves out in dialog units add it
// to the client size they want to know the size of the whole window (Qt
// sizes the client area already, so most of them need it only for placing
// a window beside another).

class QWidget;

namespace vitramor {

struct CorectieFereastra {
    int dx = 0;  // window width - client width
    int dy = 0;  // window height - client height
};

// Measures a window now: frame size minus client size.
CorectieFereastra MasoaraCorectieFereastra(const QWidget* w);

// The correction last measured on the main window (each time its menu opens).
CorectieFereastra& corectieFereastra();

}  // namespace vitramor
