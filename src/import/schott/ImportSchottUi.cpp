#include "import/schott/ImportSchottUi.h"

#include <QApplication>
#include <QWidget>

#include "database/CategorieImportDialog.h"
#include "fileutil/AlegereFisier.h"
#include "import/schott/ImportSchott.h"
#include "settings/Directoare.h"

namespace vitramor {

bool ComandaImportSchott(QWidget* fereastraPrincipala) {
    QWidget* focus = QApplication::focusWidget();
    OptiuniImportSchott optiuni;
    optiuni.directorSticle = path_sticle;
    optiuni.owner = focus != nullptr ? focus : fereastraPrincipala;
    std::string director = path_sticle;
    std::string nume = NumeFisierSchott;
    if (AlegeFisierDeschidere(optiuni.owner, tipfisier::CatalogSchott, director, nume) != 0) return false;
    optiuni.numeFisier = nume;
    optiuni.categorie = AlegeCategorieImport(fereastraPrincipala, path_sticle);
    if (optiuni.categorie == -2) return false;
    RaporteazaRezultat(optiuni.owner, TitluImportSchott, ImportaFisierSchott(director + "/" + nume, optiuni));
    return true;
}

}  // namespace vitramor
