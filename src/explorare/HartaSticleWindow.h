#pragma once
// "Harta sticlelor": the glass map of the whole database with its controls:
// the view (nd or P g,F against vd), the producers shown, back to the full
// map, and saving the picture as PNG or SVG.

#include <QWidget>
#include <functional>
#include <string>

class QComboBox;
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

public Q_SLOTS:
    void reincarca();
    void salveazaPng();
    void salveazaSvg();

private:
    void aplicaProducatori();

    HartaSticleWidget* harta_;
    QComboBox* vedere_;
    QListWidget* producatori_;
};

// The command of the checks menu: one map window, brought forward when open.
HartaSticleWindow* ComandaHartaSticle(QWidget* fereastraPrincipala, HartaSticleWindow::DeschideMaterial deschide);

}  // namespace vitramor
