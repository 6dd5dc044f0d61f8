#include <QApplication>
#include <clocale>

#include "platform/PlatformaQt.h"
#include "shell/Pornire.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Qt takes the user's locale for the C library too; the catalogue files,
    // reports and exports are written with printf and must keep a decimal
    // point under a comma locale. Texts keep their encoding.
    std::setlocale(LC_NUMERIC, "C");
    vitramor::PlatformaQt platforma;
    vitramor::instaleazaPlatforma(&platforma);
    const int cod = vitramor::RuleazaVitramor(app);
    vitramor::instaleazaPlatforma(nullptr);
    return cod;
}
