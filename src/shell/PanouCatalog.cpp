#include "shell/PanouCatalog.h"

#include <QAction>
#include <QDockWidget>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <cstring>

#include "explorare/CatalogSticleWidget.h"
#include "platform/Platforma.h"
#include "platform/DepozitSetari.h"
#include "record/SetLucru.h"
#include "settings/Directoare.h"
#include "shell/FereastraPrincipala.h"
#include "suite/Catalix.h"

namespace vitramor {

namespace {

constexpr int LatimePanou = 640, InaltimeCuPanou = 420;

// The window grows by the panel when it comes and gets its own size back
// when it goes, however the panel went (menu or its close button).
void SeteazaVizibil(FereastraPrincipala& w, QDockWidget* dock, bool vizibil) {
    if (dock->property("cuPanou").toBool() == vizibil) {
        dock->setVisible(vizibil);
        return;
    }
    dock->setProperty("cuPanou", vizibil);
    if (vizibil) {
        w.setProperty("marimeFaraPanou", w.size());
        dock->show();
        w.resize(w.width() + LatimePanou, std::max(w.height(), InaltimeCuPanou));
    } else {
        dock->hide();
        const QSize s = w.property("marimeFaraPanou").toSize();
        if (s.isValid()) w.resize(s);
    }
}

}  // namespace

QDockWidget* DockCatalog(FereastraPrincipala& w) { return w.findChild<QDockWidget*>(QStringLiteral("dockCatalog")); }

CatalogSticleWidget* InstaleazaPanouCatalog(FereastraPrincipala& w) {
    if (QDockWidget* d = DockCatalog(w)) return static_cast<CatalogSticleWidget*>(d->widget());
    auto* dock = new QDockWidget(QStringLiteral("Catalog sticle"), &w);
    dock->setObjectName(QStringLiteral("dockCatalog"));
    dock->setFeatures(QDockWidget::DockWidgetClosable);
    auto* panou = new CatalogSticleWidget(dock, [&w](const std::string& nume) { DeschideMaterialDinBaza(w, nume); });
    dock->setWidget(panou);
    dock->hide();
    w.addDockWidget(Qt::RightDockWidgetArea, dock);

    QMenu* meniu = w.menuBar()->addMenu(QStringLiteral("F&ereastra"));
    meniu->setObjectName(QStringLiteral("&Fereastra"));
    QAction* a = meniu->addAction(QStringLiteral("Catalog sticle"));
    a->setObjectName(QString::number(IdComandaPanouCatalog));
    a->setCheckable(true);

    SettingsStore& s = platforma().setari();
    const bool vizibil = s.citesteIntreg(CheieSetariCatalog, ValoareCatalogVizibil).value_or(1) != 0;
    a->setChecked(vizibil);
    SeteazaVizibil(w, dock, vizibil);
    QObject::connect(a, &QAction::toggled, dock, [&w, dock](bool on) {
        SeteazaVizibil(w, dock, on);
        platforma().setari().scrieIntreg(CheieSetariCatalog, ValoareCatalogVizibil, on ? 1 : 0);
    });
    // The close button of the panel is the same choice as the menu item.
    QObject::connect(dock, &QDockWidget::visibilityChanged, a, [a, dock](bool) {
        if (!dock->isHidden() || !a->isChecked() || dock->parentWidget()->isHidden()) return;
        a->setChecked(false);
    });
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
    return true;
}

}  // namespace vitramor
