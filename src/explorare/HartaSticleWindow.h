#pragma once
// "Harta sticlelor": the glass map of the whole database with its controls:
// the view (nd or P g,F against vd), the producers shown (the legend, each
// with its colour and count), the materials outside the optical window
// counted and shown on request, back to the first axes, and saving the
// picture as PNG or SVG.

#include <QWidget>
#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;

namespace vitramor {

class HartaSticleWidget;

inline constexpr int IdComandaHartaSticle = 40102;

class HartaSticleWindow : public QWidget {
    Q_OBJECT
public:
    using DeschideMaterial = std::function<void(const std::string& nume)>;

    HartaSticleWindow(QWidget* parent, DeschideMaterial deschide);

    HartaSticleWidget* harta() const { return harta_; }
    QComboBox* vedere() const { return vedere_; }
    QListWidget* producatori() const { return producatori_; }
    QCheckBox* toate() const { return toate_; }
    QLabel* stare() const { return stare_; }

public Q_SLOTS:
    void reincarca();
    void salveazaPng();
    void salveazaSvg();

private:
    void aplicaProducatori();
    void actualizeazaStare();

    HartaSticleWidget* harta_;
    QComboBox* vedere_;
    QListWidget* producatori_;
    QCheckBox* toate_;
    QLabel* stare_;
};

// The command of the checks menu: one map window, brought forward when open.
HartaSticleWindow* ComandaHartaSticle(QWidget* fereastraPrincipala, HartaSticleWindow::DeschideMaterial deschide);

}  // namespace vitramor
