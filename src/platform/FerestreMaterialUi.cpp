#include "platform/FerestreMaterialUi.h"

#include <algorithm>

namespace vitramor {

FereastraMaterial::FereastraMaterial(TipEditor tip, int indexMaterial, QWidget* parent)
    : QWidget(parent, Qt::Window), tip_(tip), identitate_(setLucru().identitate(indexMaterial)) {
    setAttribute(Qt::WA_DeleteOnClose);
}

int FereastraMaterial::indexMaterial() const { return setLucru().index(identitate_); }

void FereastraMaterial::anuleaza() { close(); }

namespace {

void Inchide(QWidget* w, int tip) {
    if (tip < 0) {
        w->close();
        return;
    }
    static_cast<FereastraMaterial*>(w)->anuleaza();
}

}  // namespace

FereastraMaterial* FerestreMaterial::fereastra(TipEditor tip, int indexMaterial) const {
    const IdentitateMaterial id = setLucru().identitate(indexMaterial);
    if (id == FaraIdentitate) return nullptr;
    for (const Legatura& l : legaturi_)
        if (l.fereastra && l.identitate == id && l.tip == static_cast<int>(tip))
            return static_cast<FereastraMaterial*>(l.fereastra.data());
    return nullptr;
}

FereastraMaterial* FerestreMaterial::deschide(TipEditor tip, int indexMaterial, const Fabrica& creeaza) {
    const IdentitateMaterial id = setLucru().identitate(indexMaterial);
    if (id == FaraIdentitate) return nullptr;
    if (FereastraMaterial* w = fereastra(tip, indexMaterial)) {
        AduInFata(w);
        return w;
    }
    FereastraMaterial* w = creeaza ? creeaza() : nullptr;
    if (!w) return nullptr;
    std::erase_if(legaturi_, [](const Legatura& l) { return !l.fereastra; });
    legaturi_.push_back({w, w->identitate(), static_cast<int>(tip)});
    w->show();
    return w;
}

bool FerestreMaterial::trimiteReimprospatare(TipEditor tip, int indexMaterial) {
    FereastraMaterial* w = fereastra(tip, indexMaterial);
    if (!w) return false;
    w->reimprospateaza();
    return true;
}

void FerestreMaterial::reimprospateazaMaterial(int indexMaterial) {
    for (int tip = 0; tip < NumarTipuriEditor; ++tip) trimiteReimprospatare(static_cast<TipEditor>(tip), indexMaterial);
}

void FerestreMaterial::leaga(QWidget* w, const std::vector<int>& indici) {
    std::erase_if(legaturi_, [w](const Legatura& l) { return !l.fereastra || (l.tip < 0 && l.fereastra == w); });
    if (!w) return;
    for (int i : indici)
        if (const IdentitateMaterial id = setLucru().identitate(i); id != FaraIdentitate)
            legaturi_.push_back({w, id, -1});
}

void FerestreMaterial::inchideMaterial(IdentitateMaterial identitate) {
    // Taken out first: a window closing may open or close others.
    std::vector<Legatura> pleaca;
    std::erase_if(legaturi_, [&](const Legatura& l) {
        if (l.identitate != identitate) return !l.fereastra;
        pleaca.push_back(l);
        return true;
    });
    for (const Legatura& l : pleaca)
        if (l.fereastra) Inchide(l.fereastra, l.tip);
}

void FerestreMaterial::inchideToate() {
    std::vector<Legatura> toate;
    toate.swap(legaturi_);
    for (const Legatura& l : toate)
        if (l.fereastra) Inchide(l.fereastra, l.tip);
}

int FerestreMaterial::numarDeschise() const {
    return static_cast<int>(std::count_if(legaturi_.begin(), legaturi_.end(),
                                          [](const Legatura& l) { return l.fereastra && l.tip >= 0; }));
}

FerestreMaterial& ferestreMaterial() {
    static FerestreMaterial f;
    // Windows hear of every material that leaves the application's set.
    static const bool instalat = [] {
        LaPlecareMaterial() = [](IdentitateMaterial id) { f.inchideMaterial(id); };
        return true;
    }();
    (void)instalat;
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
