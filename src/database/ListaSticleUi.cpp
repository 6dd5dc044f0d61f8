#include "database/ListaSticleUi.h"

#include <QListWidget>

#include "database/ListaSticle.h"
#include "platform/Platforma.h"
#include "record/CodificareText.h"
#include "settings/Directoare.h"

namespace vitramor {

int ListeazaSticleInLista(QListWidget* lista) {
    if (!lista) return 0;
    lista->clear();
    std::vector<LinieSticla> linii;
    if (const RezultatOperatie r = ListeazaSticleInLista(path_sticle, linii); r.esuat()) {
        MesajBox(nullptr, r.motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return 0;
    }
    lista->setUpdatesEnabled(false);
    for (const LinieSticla& l : linii) {
        auto* item = new QListWidgetItem(TextQt(l.text));
        item->setData(Qt::UserRole, static_cast<int>(l.producator));
        lista->addItem(item);
    }
    lista->setUpdatesEnabled(true);
    return 1;
}

int ListeazaSticleInLista(QWidget* dialog, int idLista) {
    if (!dialog) return 0;
    return ListeazaSticleInLista(dialog->findChild<QListWidget*>(QString::number(idLista)));
}

}  // namespace vitramor
