#pragma once
// The window-position functions over real windows. A window's "class name"
// is its "clasaFereastra" property when set (e.g. "SticlaWndClass"), else
// its Qt class name.

#include <string>

class QWidget;

namespace vitramor {

std::string NumeClasaFereastra(const QWidget* w);

// Restores position and size for a full top-level window (caption, sizing
// border, minimise and maximise boxes), only the position for any other.
int RestaureazaPozitieFereastra(QWidget* w, const std::string& nume = {});
// Mode 1 the position only, any other mode position and size.
int RestaureazaPozitieFereastraMod(QWidget* w, const std::string& nume, int mod);
int SalveazaPozitieFereastraInRegistri(QWidget* w, const std::string& nume = {});
int SalveazaPozitieFereastraMod(QWidget* w, const std::string& nume, int mod);

}  // namespace vitramor
