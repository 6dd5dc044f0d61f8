#include "shell/Pornire.h"

#include <QApplication>
#include <QTimer>

#include "settings/DirectoriDialog.h"
#include "shell/AsezareFerestre.h"
#include "shell/CorectieFereastra.h"
#include "shell/DespreDialog.h"
#include "shell/FereastraPrincipala.h"
#include "shell/InstantaUnica.h"
#include "shell/TexteButoane.h"

namespace vitramor {

std::unique_ptr<FereastraPrincipala> PornesteFereastraPrincipala() {
    auto w = std::make_unique<FereastraPrincipala>();
    if (!w->initializeaza()) return nullptr;
    w->show();
    // 500 x 170 is the size of the whole window; once the frame is known,
    // the client area gives up what the frame takes.
    const CorectieFereastra c = MasoaraCorectieFereastra(w.get());
    if (c.dx > 0 || c.dy > 0) w->resize(w->width() - c.dx, w->height() - c.dy);
    return w;
}

int RuleazaVitramor(QApplication& app) {
    InstantaUnica instanta;
    if (instanta.porneste() == InstantaUnica::Rezultat::ExistaAlta) return 0;

    app.setWindowIcon(IconAplicatie());
    InstaleazaTexteButoane(app);
    InstaleazaAsezareFerestre();
    // The shell decides when the run ends: after the close question, not
    // when the last window happens to close.
    app.setQuitOnLastWindowClosed(false);
    std::unique_ptr<FereastraPrincipala> w = PornesteFereastraPrincipala();
    if (!w) return 0;
    instanta.seteazaFereastra(w.get());
    QObject::connect(w.get(), &FereastraPrincipala::terminata, &app, [] { QCoreApplication::exit(0); },
                     Qt::QueuedConnection);
    // Offered once the main window is on the screen, so the question has
    // its owner in view.
    QTimer::singleShot(0, w.get(), [fp = w.get()] { CereDirectorSticlaLaPrimaPornire(fp); });
    return app.exec();
}

}  // namespace vitramor
