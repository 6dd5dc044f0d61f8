#include "settings/PozitieFereastraUi.h"

#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "settings/PozitieFereastra.h"

namespace vitramor {

namespace {

std::string numeCheie(const QWidget* w, const std::string& nume) {
    return nume.empty() ? NumeClasaFereastra(w) : nume;
}

// The message list keeps no position whatever name a caller passes for it.
bool esteListaErori(const QWidget* w) { return NumeClasaFereastra(w) == ClasaListaErori; }

// A full top-level window: caption, system menu, sizing border, minimise
// and maximise boxes. A plain Qt::Window without customised hints gets all
// of them from the window manager; dialogs, tool windows and fixed-size
// windows do not.
bool fereastraCompleta(const QWidget* w) {
    if (!w->isWindow()) return false;
    const Qt::WindowFlags f = w->windowFlags();
    if ((f & Qt::WindowType_Mask) != Qt::Window) return false;
    if (f & Qt::FramelessWindowHint) return false;
    if (w->minimumSize() == w->maximumSize()) return false;  // no sizing border
    if (!(f & Qt::CustomizeWindowHint)) return true;
    const Qt::WindowFlags necesare =
        Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    return (f & necesare) == necesare;
}

// The frame rectangle: screen coordinates for a window, the parent's for a
// child. Before the window manager decorates a window (and always
// offscreen) the frame is the geometry itself.
PozitieFereastra dreptunghiCadru(const QWidget* w) {
    const QRect r = w->frameGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void aplica(QWidget* w, const PozitieFereastra& p, bool siMarimea) {
    // move() places the frame; resize() sizes the client area, so the frame
    // margins known now are taken off the stored frame size.
    w->move(p.x, p.y);
    if (!siMarimea) return;
    const QSize margini = w->frameGeometry().size() - w->geometry().size();
    w->resize(std::max(1, p.dx - margini.width()), std::max(1, p.dy - margini.height()));
}

}  // namespace

std::string NumeClasaFereastra(const QWidget* w) {
    if (!w) return {};
    const QVariant clasa = w->property("clasaFereastra");
    if (clasa.isValid() && !clasa.toString().isEmpty()) return clasa.toString().toStdString();
    return w->metaObject()->className();
}

int RestaureazaPozitieFereastra(QWidget* w, const std::string& nume) {
    if (!w) return 0;
    return RestaureazaPozitieFereastraMod(w, nume, fereastraCompleta(w) ? ModPozitie | ModMarime : ModPozitie);
}

int RestaureazaPozitieFereastraMod(QWidget* w, const std::string& nume, int mod) {
    if (!w || esteListaErori(w)) return 0;
    const int cerut = mod == ModPozitie ? ModPozitie : ModPozitie | ModMarime;
    PozitieFereastra p = dreptunghiCadru(w);
    if (!CitestePozitieFereastraDinRegistri(numeCheie(w, nume), cerut, p)) return 0;
    aplica(w, p, cerut & ModMarime);
    return 1;
}

int SalveazaPozitieFereastraInRegistri(QWidget* w, const std::string& nume) {
    return SalveazaPozitieFereastraMod(w, nume, ModPozitie | ModMarime);
}

int SalveazaPozitieFereastraMod(QWidget* w, const std::string& nume, int mod) {
    // A minimised window's rectangle says nothing about where the user wants it.
    if (!w || w->isMinimized() || esteListaErori(w) || !PastrarePozitiiActiva()) return 0;
    return SalveazaPozitieFereastraMod(numeCheie(w, nume), mod, dreptunghiCadru(w));
}

}  // namespace vitramor
