#include "shell/PanouCatalog.h"

#include <QAction>
#include <QDockWidget>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <cstring>

#include "material/FisaMaterial.h"
#include "editors/FisaMaterialWidget.h"
#include "explorare/CatalogSticleWidget.h"
#include "platform/Platforma.h"
#include "record/SetLucru.h"
#include "settings/Directoare.h"
#include "shell/FereastraPrincipala.h"
#include "database/CatalogMateriale.h"
#include "database/Recuperare.h"

namespace vitramor {

CatalogSticleWidget* PanouCatalog(FereastraPrincipala& w) {
    return w.findChild<CatalogSticleWidget*>(QString::fromLatin1(NumePanouCatalog));
}

CatalogSticleWidget* InstaleazaPanouCatalog(FereastraPrincipala& w) {
    if (CatalogSticleWidget* p = PanouCatalog(w)) return p;
    auto* panou = new CatalogSticleWidget(&w, [&w](const std::string& nume) { DeschideMaterialDinBaza(w, nume); });
    w.setCentralWidget(panou);
    // A row of the catalogue is shown as the file holds it, without opening it.
    QObject::connect(panou, &CatalogSticleWidget::materialAles, &w, [&w](quint32 index, const QString&) {
        MaterialOptic m;
        if (CitesteMaterialDinBaza(CaleBazaDate(path_sticle), index, m)) w.fisa()->arata(m);
    });

    // The first row's sheet from the start: the window never opens empty.
    if (panou->model()->rowCount() > 0) panou->tabel()->selectRow(0);

    QMenu* meniu = w.menuBar()->addMenu(QStringLiteral("F&ereastra"));
    meniu->setObjectName(QStringLiteral("&Fereastra"));
    for (QDockWidget* d : w.findChildren<QDockWidget*>()) meniu->addAction(d->toggleViewAction());
    return panou;
}

bool DeschideMaterialDinBaza(FereastraPrincipala& w, const std::string& nume) {
    if (w.lista()->count() > NumarMaximMateriale - 1) {
        platforma().beep();
        return false;
    }
    MaterialOptic gasit;
    std::memset(&gasit, 0, sizeof gasit);
    std::strncpy(gasit.nume, nume.c_str(), sizeof gasit.nume - 1);
    if (CautaMaterialOptic(path_sticle, gasit, w.proprietar(), CautaOp) != 0) return false;
    if (!w.creazaMaterial()) return false;
    setLucru().incarca(setLucru().materialCurent, gasit);
    w.actualizeazaRandCurent();
    w.arataFisaMaterialDeschis();
    w.actualizeazaMeniu();
    return true;
}

}  // namespace vitramor
