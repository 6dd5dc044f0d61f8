#include "import/PuncteReprezentative.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace vitramor {

namespace {

struct Candidat {
    double eroare = -1.0;
    std::size_t index = 0;
};

class Alegere {
public:
    Alegere(const std::vector<double>& x, const std::vector<CurbaEsantionata>& curbe) : x_(x), curbe_(curbe) {
        for (const CurbaEsantionata& c : curbe_) {
            const auto [mn, mx] = std::minmax_element(c.y.begin(), c.y.end());
            const double span = c.y.empty() ? 0.0 : *mx - *mn;
            scara_.push_back(span > 0.0 ? span : 1.0);
        }
    }

    // The interior point of (a, b) that the chord from a to b misses most.
    Candidat celMaiDeparte(std::size_t a, std::size_t b) const {
        Candidat c;
        const double dx = x_[b] - x_[a];
        for (std::size_t i = a + 1; i < b; ++i) {
            const double t = dx > 0.0 ? (x_[i] - x_[a]) / dx : 0.5;
            double e = 0.0;
            for (std::size_t k = 0; k < curbe_.size(); ++k) {
                const std::vector<double>& y = curbe_[k].y;
                e = std::max(e, std::fabs(y[i] - (y[a] + t * (y[b] - y[a]))) / scara_[k]);
            }
            if (e > c.eroare) c = {e, i};
        }
        return c;
    }

private:
    const std::vector<double>& x_;
    const std::vector<CurbaEsantionata>& curbe_;
    std::vector<double> scara_;
};

}  // namespace

std::vector<std::size_t> PuncteReprezentative(const std::vector<double>& x, const std::vector<CurbaEsantionata>& curbe,
                                              std::size_t maxim) {
    const std::size_t n = x.size();
    std::vector<std::size_t> ales;
    if (n <= maxim) {
        for (std::size_t i = 0; i < n; ++i) ales.push_back(i);
        return ales;
    }
    if (maxim == 0) return ales;
    if (maxim == 1) return {0};
    const Alegere alegere(x, curbe);
    std::set<std::size_t> pastrate{0, n - 1};
    // Each gap between kept points offers its worst point; a split gap offers
    // two new ones, so every insertion scans only the gap it splits.
    struct Gol {
        Candidat c;
        std::size_t a, b;
        bool operator<(const Gol& o) const {
            return c.eroare != o.c.eroare ? c.eroare < o.c.eroare : c.index > o.c.index;
        }
    };
    std::vector<Gol> goluri;
    goluri.push_back({alegere.celMaiDeparte(0, n - 1), 0, n - 1});
    while (pastrate.size() < maxim && !goluri.empty()) {
        std::pop_heap(goluri.begin(), goluri.end());
        const Gol g = goluri.back();
        goluri.pop_back();
        if (g.c.eroare < 0.0) continue;  // a gap without interior points
        pastrate.insert(g.c.index);
        for (const auto& [a, b] : {std::pair{g.a, g.c.index}, std::pair{g.c.index, g.b}}) {
            if (b - a < 2) continue;
            goluri.push_back({alegere.celMaiDeparte(a, b), a, b});
            std::push_heap(goluri.begin(), goluri.end());
        }
    }
    ales.assign(pastrate.begin(), pastrate.end());
    return ales;
}

}  // namespace vitramor
