#pragma once
// How far long work is, and whether whoever runs it asked it to stop. The
// work is handed one and reports to it; it is never a global, so that two
// pieces of work (a check in a window, a reading of the explorer) never stop
// each other. The work asks `anulat()` only where stopping leaves the data
// as it was, and decides itself what a stop leaves.

#include <cstddef>
#include <string>

namespace vitramor {

class Progres {
public:
    virtual ~Progres() = default;
    // `facut` of `total` steps; a total of 0 means unknown (a busy bar).
    virtual void pas(std::size_t facut, std::size_t total) = 0;
    // What the work is doing now, for whoever shows it.
    virtual void text(const std::string& /*ce*/) {}
    virtual bool anulat() const = 0;
};

// Work whose caller does not care: nothing is shown and nothing stops it.
class ProgresNul final : public Progres {
public:
    void pas(std::size_t, std::size_t) override {}
    bool anulat() const override { return false; }
};

// The one shared null progress: it holds nothing, so every thread may use it.
inline Progres& FaraProgres() {
    static ProgresNul nul;
    return nul;
}

}  // namespace vitramor
