#include "explorare/SticleEchivalente.h"

#include <algorithm>
#include <cmath>

namespace vitramor {

namespace {

constexpr int PuncteRms = 41;

// Keeps the `numar` smallest distances seen: a bounded max-heap, so that a
// search among 100,000 rows never sorts them all.
class CeleMaiApropiate {
public:
    explicit CeleMaiApropiate(int numar) : numar_(static_cast<std::size_t>(std::max(numar, 0))) {}
    void adauga(const RezumatMaterial& m, double d) {
        if (numar_ == 0) return;
        if (heap_.size() == numar_) {
            if (!(d < heap_.front().distanta)) return;
            std::pop_heap(heap_.begin(), heap_.end(), maiAproape);
            heap_.pop_back();
        }
        heap_.push_back({m, d});
        std::push_heap(heap_.begin(), heap_.end(), maiAproape);
    }
    std::vector<Echivalent> rezultat() {
        std::sort_heap(heap_.begin(), heap_.end(), maiAproape);
        return std::move(heap_);
    }

private:
    static bool maiAproape(const Echivalent& a, const Echivalent& b) {
        if (a.distanta != b.distanta) return a.distanta < b.distanta;
        return a.material.index < b.material.index;  // file order among equals
    }
    std::size_t numar_;
    std::vector<Echivalent> heap_;
};

void Termen(double referinta, double valoare, double pondere, double unitate, double& suma, bool& lipseste) {
    if (pondere == 0.0 || !AreValoare(referinta)) return;
    if (!AreValoare(valoare)) {
        lipseste = true;
        return;
    }
    const double t = pondere * (valoare - referinta) / unitate;
    suma += t * t;
}

}  // namespace

std::vector<Echivalent> CautaEchivalente(const RezumatMaterial& referinta, const std::vector<RezumatMaterial>& catalog,
                                         int numar, const PonderiEchivalenta& ponderi) {
    CeleMaiApropiate cele(numar);
    for (const RezumatMaterial& m : catalog) {
        if (m.producator == referinta.producator) continue;
        double suma = 0.0;
        bool lipseste = false;
        Termen(referinta.nd, m.nd, ponderi.nd, UnitateNd, suma, lipseste);
        Termen(referinta.vd, m.vd, ponderi.vd, UnitateVd, suma, lipseste);
        Termen(referinta.pgF, m.pgF, ponderi.pgF, UnitatePgF, suma, lipseste);
        if (!lipseste) cele.adauga(m, std::sqrt(suma));
    }
    return cele.rezultat();
}

std::vector<Echivalent> CautaEchivalenteRms(const MaterialOptic& referinta, const std::string& caleFisier, float de,
                                            float la, int numar, CitireRezumat* citire) {
    std::vector<float> lungimi;
    std::vector<double> nRef;
    for (int i = 0; i < PuncteRms; ++i) {
        const float l = de + (la - de) * static_cast<float>(i) / (PuncteRms - 1);
        const double n = IndiceNLa(referinta, l);
        if (!AreValoare(n)) continue;  // where the reference has no n there is nothing to compare
        lungimi.push_back(l);
        nRef.push_back(n);
    }
    CeleMaiApropiate cele(lungimi.empty() ? 0 : numar);
    const CitireRezumat r = ParcurgeBazaDate(caleFisier, [&](const MaterialOptic& m, std::uint32_t index) {
        if (lungimi.empty() || m.producator == referinta.producator) return;
        double suma = 0.0;
        for (std::size_t i = 0; i < lungimi.size(); ++i) {
            const double n = IndiceNLa(m, lungimi[i]);
            if (!AreValoare(n)) return;
            suma += (n - nRef[i]) * (n - nRef[i]);
        }
        cele.adauga(RezumaMaterial(m, index), std::sqrt(suma / static_cast<double>(lungimi.size())));
    });
    if (citire) *citire = r;
    return cele.rezultat();
}

}  // namespace vitramor
