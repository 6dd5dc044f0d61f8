#include "explorare/HartaSvgUi.h"

#include <QApplication>
#include <memory>

#include "explorare/HartaSticleWidget.h"

namespace vitramor {

std::string SvgHartaSticle(std::vector<RezumatMaterial> catalog, std::set<std::uint16_t> producatori) {
    // The chart is a graphics widget: it needs an application, never a screen.
    static int argc = 1;
    static char nume[] = "vitramor-cli";
    static char* argv[] = {nume, nullptr};
    std::unique_ptr<QApplication> aplicatie;
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        aplicatie = std::make_unique<QApplication>(argc, argv);
    }
    HartaSticleWidget harta;
    harta.seteazaCatalog(std::move(catalog));
    harta.seteazaProducatori(std::move(producatori));
    return harta.svg(QSize(LatimeImagineHarta, InaltimeImagineHarta), QStringLiteral("Harta sticlelor"), true).toStdString();
}

}  // namespace vitramor
