#include "settings/PozitieFereastraUi.h"

#include <QEvent>
#include <QTimer>
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

void marimeCadru(QWidget* w, const QSize& cadru) {
    const QSize margini = w->frameGeometry().size() - w->geometry().size();
    w->resize(std::max(1, cadru.width() - margini.width()), std::max(1, cadru.height() - margini.height()));
}

// A window restored before it is first shown has no frame yet, so its
// client area was sized to the whole frame. Once it is on screen the
// margins are known and the size is corrected once; without that every
// session would open the window a frame wider than the last.
class CorectieCadru final : public QObject {
public:
    CorectieCadru(QWidget* w, const QSize& cadru) : QObject(w), w_(w), cadru_(cadru) { w->installEventFilter(this); }

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override {
        if (obj == w_ && ev->type() == QEvent::Show) {
            w_->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                if (w_->frameGeometry().size() != w_->geometry().size()) marimeCadru(w_, cadru_);
                deleteLater();
            });
        }
        return false;
    }

private:
    QWidget* w_;
    QSize cadru_;
};

void aplica(QWidget* w, const PozitieFereastra& p, bool siMarimea) {
    // move() places the frame; resize() sizes the client area, so the frame
    // margins known now are taken off the stored frame size.
    w->move(p.x, p.y);
    if (!siMarimea) return;
    const QSize cadru(p.dx, p.dy);
    marimeCadru(w, cadru);
    if (w->isWindow() && !w->isVisible() && w->frameGeometry().size() == w->geometry().size())
        new CorectieCadru(w, cadru);
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
