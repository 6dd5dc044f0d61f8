#include "platform/FerestreMaterialUi.h"


namespace vitramor {

FereastraMaterial::FereastraMaterial(TipEditor tip, int indexMaterial, QWidget* parent)
    : QWidget(parent, Qt::Window), tip_(tip), index_(indexMaterial) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void FereastraMaterial::anuleaza() { close(); }

namespace {

bool slotValid(TipEditor tip, int index) {
    const int t = static_cast<int>(tip);
    return t >= 0 && t < NumarTipuriEditor && index >= 0 && index < NumarMaximMateriale;
}

}  // namespace

FereastraMaterial* FerestreMaterial::fereastra(TipEditor tip, int indexMaterial) const {
    if (!slotValid(tip, indexMaterial)) return nullptr;
    return sloturi_[static_cast<std::size_t>(tip)][static_cast<std::size_t>(indexMaterial)].data();
}

FereastraMaterial* FerestreMaterial::deschide(TipEditor tip, int indexMaterial, const Fabrica& creeaza) {
    if (!slotValid(tip, indexMaterial)) return nullptr;
    if (FereastraMaterial* w = fereastra(tip, indexMaterial)) {
        AduInFata(w);
        return w;
    }
    FereastraMaterial* w = creeaza ? creeaza() : nullptr;
    if (!w) return nullptr;
    sloturi_[static_cast<std::size_t>(tip)][static_cast<std::size_t>(indexMaterial)] = w;
    w->show();
    return w;
}

bool FerestreMaterial::trimiteReimprospatare(TipEditor tip, int indexMaterial) {
    FereastraMaterial* w = fereastra(tip, indexMaterial);
    if (!w) return false;
    w->reimprospateaza();
    return true;
}

void FerestreMaterial::inchideToate() {
    for (auto& tip : sloturi_)
        for (auto& slot : tip) {
            // Take the pointer out first: the cancel may delete the window.
            QPointer<FereastraMaterial> w = slot;
            slot.clear();
            if (w) w->anuleaza();
        }
}

int FerestreMaterial::numarDeschise() const {
    int n = 0;
    for (const auto& tip : sloturi_)
        for (const auto& slot : tip)
            if (slot) ++n;
    return n;
}

FerestreMaterial& ferestreMaterial() {
    static FerestreMaterial f;
    return f;
}

void AduInFata(QWidget* w) {
    if (!w) return;
    if (w->isMinimized()) w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
}

}  // namespace vitramor
