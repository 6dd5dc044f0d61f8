#include "import/ImportSchottUi.h"

#include <QApplication>
#include <QWidget>

#include "import/ImportSchott.h"

namespace vitramor {

void ComandaImportSchott(QWidget* fereastraPrincipala) {
    QWidget* focus = QApplication::focusWidget();
    OptiuniImportSchott optiuni;
    optiuni.owner = focus != nullptr ? focus : fereastraPrincipala;
    // The bare name: the catalogue is the one in the current directory.
    ImportaFisierSchott(NumeFisierSchott, optiuni);
}

}  // namespace vitramor
