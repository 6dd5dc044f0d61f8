#pragma once
// The menu command "Import sticle Schott (allglass.sch)" (IdComandaImportSchott,
// 40024). Its status tip is TextSugestieImportSchott() of ImportSchott.h:
// the file is looked for in the current directory, which the tip names.

class QWidget;

namespace vitramor {

// Imports allglass.sch of the current directory into the database, one box
// per glass owned by the window that has the focus (the main window when
// none has it).
void ComandaImportSchott(QWidget* fereastraPrincipala);

}  // namespace vitramor
