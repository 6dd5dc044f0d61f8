#pragma once
// A progress for tests: it counts the steps reported and asks the work to
// stop once it has seen `pasiPanaLaAnulare` of them (0: stopped before the
// first step).

#include <cstddef>
#include <limits>

#include "operatie/Progres.h"

namespace vitramor::test {

class ProgresAnulatDupa final : public Progres {
public:
    explicit ProgresAnulatDupa(std::size_t pasiPanaLaAnulare = std::numeric_limits<std::size_t>::max())
        : limita_(pasiPanaLaAnulare) {}
    void pas(std::size_t facut, std::size_t total) override {
        ++pasi;
        ultimulFacut = facut;
        ultimulTotal = total;
    }
    bool anulat() const override { return pasi >= limita_; }

    std::size_t pasi = 0;
    std::size_t ultimulFacut = 0, ultimulTotal = 0;

private:
    std::size_t limita_;
};

}  // namespace vitramor::test
