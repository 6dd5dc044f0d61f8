#include "fileutil/ListaTextComboUi.h"

#include <QComboBox>
#include <QString>
#include <QWidget>

#include "fileutil/UtilitatiFisiere.h"
#include "record/CodificareText.h"

namespace vitramor {

int UmpleComboDinFisierText(QComboBox* combo, const std::string& director, const std::string& numeFisier,
                            bool reseteaza, int modFiltru) {
    if (!combo) return 0;
    if (reseteaza) combo->clear();
    std::vector<IntrareListaText> intrari;
    if (!CitesteListaText(director, numeFisier, modFiltru, intrari)) return 0;
    for (const IntrareListaText& intrare : intrari)
        combo->addItem(TextQt(intrare.text),
                       intrare.numar);
    return 1;
}

int UmpleComboDinFisierText(QWidget* dialog, int idControl, const std::string& director,
                            const std::string& numeFisier, bool reseteaza, int modFiltru) {
    if (!dialog) return 0;
    auto* combo = dialog->findChild<QComboBox*>(QString::number(idControl));
    return UmpleComboDinFisierText(combo, director, numeFisier, reseteaza, modFiltru);
}

}  // namespace vitramor
