#pragma once
// The menu command "Import sticle Schott (allglass.sch)" (IdComandaImportSchott,
// 40024).

class QWidget;

namespace vitramor {

// Asks for the catalogue file (allglass.sch in the glass directory is
// proposed) and imports it into the database, one box per glass owned by the
// window that has the focus (the main window when none has it). False when
// the user cancelled the chooser.
bool ComandaImportSchott(QWidget* fereastraPrincipala);

}  // namespace vitramor
