#include "import/PuncteReprezentative.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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

    // How far the chord from a to b misses point i, in the span of each curve.
    double abatere(std::size_t a, std::size_t b, std::size_t i) const {
        const double dx = x_[b] - x_[a];
        const double t = dx > 0.0 ? (x_[i] - x_[a]) / dx : 0.5;
        double e = 0.0;
        for (std::size_t k = 0; k < curbe_.size(); ++k) {
            const std::vector<double>& y = curbe_[k].y;
            e = std::max(e, std::fabs(y[i] - (y[a] + t * (y[b] - y[a]))) / scara_[k]);
        }
        return e;
    }

    // The interior point of (a, b) that the chord from a to b misses most.
    Candidat celMaiDeparte(std::size_t a, std::size_t b) const {
        Candidat c;
        for (std::size_t i = a + 1; i < b; ++i)
            if (const double e = abatere(a, b, i); e > c.eroare) c = {e, i};
        return c;
    }

    // Adds to `pastrate` (which holds both ends) the point that linear
    // interpolation misses most, again and again, until `maxim` are kept.
    // Each gap between kept points offers its worst point; a split gap
    // offers two new ones, so every insertion scans only the gap it splits.
    void completeaza(std::set<std::size_t>& pastrate, std::size_t maxim) const {
        struct Gol {
            Candidat c;
            std::size_t a, b;
            bool operator<(const Gol& o) const {
                return c.eroare != o.c.eroare ? c.eroare < o.c.eroare : c.index > o.c.index;
            }
        };
        std::vector<Gol> goluri;
        for (auto it = pastrate.begin(); std::next(it) != pastrate.end(); ++it)
            if (*std::next(it) - *it >= 2) goluri.push_back({celMaiDeparte(*it, *std::next(it)), *it, *std::next(it)});
        std::make_heap(goluri.begin(), goluri.end());
        while (pastrate.size() < maxim && !goluri.empty()) {
            std::pop_heap(goluri.begin(), goluri.end());
            const Gol g = goluri.back();
            goluri.pop_back();
            pastrate.insert(g.c.index);
            for (const auto& [a, b] : {std::pair{g.a, g.c.index}, std::pair{g.c.index, g.b}}) {
                if (b - a < 2) continue;
                goluri.push_back({celMaiDeparte(a, b), a, b});
                std::push_heap(goluri.begin(), goluri.end());
            }
        }
    }

private:
    const std::vector<double>& x_;
    const std::vector<CurbaEsantionata>& curbe_;
    std::vector<double> scara_;
};

// The fewest candidates, first and last among them, whose chords all miss
// the candidates between by at most `prag`, as positions in `c`; the
// chord errors are in `e` (row a, column b).
std::vector<std::size_t> CelMaiScurtDrum(const std::vector<double>& e, std::size_t n, double prag) {
    std::vector<std::size_t> pasi(n, SIZE_MAX), inainte(n, 0);
    pasi[0] = 0;
    for (std::size_t b = 1; b < n; ++b)
        for (std::size_t a = 0; a < b; ++a)
            if (pasi[a] != SIZE_MAX && e[a * n + b] <= prag && pasi[a] + 1 < pasi[b]) pasi[b] = pasi[a] + 1, inainte[b] = a;
    std::vector<std::size_t> drum{n - 1};
    while (drum.back() != 0) drum.push_back(inainte[drum.back()]);
    std::reverse(drum.begin(), drum.end());
    return drum;
}

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
    std::set<std::size_t> candidati{0, n - 1};
    if (maxim > 100) {  // no table is that long; the exact choice below would cost the cube of it
        alegere.completeaza(candidati, maxim);
        return {candidati.begin(), candidati.end()};
    }

    // Inserting the worst point one at a time leaves the error of the first
    // choices standing: a point placed early to split a wide gap is rarely
    // where the final table needs it. So the greedy pass only narrows the
    // file to a few times the slots (a curve that those follow closely),
    // and among those candidates the table with the smallest largest error
    // is found exactly: for a trial error, the fewest candidates whose
    // chords all stay within it; the smallest trial error that needs at most
    // `maxim` points wins.
    alegere.completeaza(candidati, std::max<std::size_t>(4 * maxim, 160));
    const std::vector<std::size_t> c(candidati.begin(), candidati.end());
    const std::size_t k = c.size();
    std::vector<double> e(k * k, 0.0), praguri;
    praguri.reserve(k * k / 2);
    for (std::size_t a = 0; a < k; ++a)
        for (std::size_t b = a + 1; b < k; ++b) {
            double maxim_ = 0.0;
            for (std::size_t i = a + 1; i < b; ++i) maxim_ = std::max(maxim_, alegere.abatere(c[a], c[b], c[i]));
            e[a * k + b] = maxim_;
            praguri.push_back(maxim_);
        }
    std::sort(praguri.begin(), praguri.end());
    praguri.erase(std::unique(praguri.begin(), praguri.end()), praguri.end());
    std::size_t jos = 0, sus = praguri.size() - 1;
    while (jos < sus) {
        const std::size_t mijloc = (jos + sus) / 2;
        if (CelMaiScurtDrum(e, k, praguri[mijloc]).size() <= maxim)
            sus = mijloc;
        else
            jos = mijloc + 1;
    }
    std::set<std::size_t> pastrate;
    for (std::size_t p : CelMaiScurtDrum(e, k, praguri[jos])) pastrate.insert(c[p]);
    // Slots left over go where the table still misses most.
    alegere.completeaza(pastrate, maxim);
    ales.assign(pastrate.begin(), pastrate.end());
    return ales;
}

}  // namespace vitramor
