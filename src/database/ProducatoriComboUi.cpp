#include "database/ProducatoriComboUi.h"

#include <QComboBox>
#include <QString>
#include <string>
#include <vector>

#include "record/CodificareText.h"
#include "record/TexteMaterial.h"
#include "settings/Directoare.h"
#include "database/CatalogMateriale.h"

namespace vitramor {

namespace {
// Producer names are 8-bit Windows-1252 text, like every text of the files.
QString TextProducator(const std::string& nume) { return TextQt(nume); }
}  // namespace

bool UmpleComboProducatori(QComboBox* combo, QWidget* owner, int maxim) {
    combo->clear();
    int index = 0;
    int codMaxim = 0;
    tag_ProducatorMatOptic intrare{};
    std::vector<std::string> nume;
    if (IncarcaProducatoriSticla(owner, path_sticle, ListeazaNumeProducatori, index, codMaxim, intrare, &nume) == 1 &&
        !nume.empty()) {
        for (std::size_t i = 0; i < nume.size() && (maxim < 0 || i < static_cast<std::size_t>(maxim)); ++i)
            combo->addItem(TextProducator(nume[i]));
        return true;
    }
    const int numar = maxim < 0 ? NumarProducatoriProprii : std::min(maxim, NumarProducatoriProprii);
    for (int cod = 0; cod < numar; ++cod) combo->addItem(QString::fromLatin1(NumeProducatorImplicit(cod)));
    return false;
}

}  // namespace vitramor
