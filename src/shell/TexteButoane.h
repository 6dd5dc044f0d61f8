#pragma once
// The texts of Qt's own standard buttons (message boxes, button boxes) in
// the program's Romanian: a question answered with "Da" or "Nu", not with
// English words among Romanian sentences.

class QCoreApplication;

namespace vitramor {

// Installs the texts for the life of the application.
void InstaleazaTexteButoane(QCoreApplication& app);

}  // namespace vitramor
