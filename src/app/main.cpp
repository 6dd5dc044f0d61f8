#include <QApplication>

#include "platform/PlatformaQt.h"
#include "shell/Pornire.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vitramor::PlatformaQt platforma;
    vitramor::instaleazaPlatforma(&platforma);
    const int cod = vitramor::RuleazaVitramor(app);
    vitramor::instaleazaPlatforma(nullptr);
    return cod;
}
