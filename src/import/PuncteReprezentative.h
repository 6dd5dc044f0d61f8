#pragma once
// Choosing the few points of a long curve that a 40-slot table can hold.
// Catalogues and n,k files give a curve as hundreds or thousands of points;
// the record keeps 40. Keeping every n-th point loses the absorption edges,
// where all the shape is, so the points are chosen where the curve needs
// them: the table is the one whose largest miss (linear interpolation
// between its points against every point of the curve) is smallest. The
// curve drawn through the kept points then follows the original wherever it
// bends and spends few points where it is straight.

#include <cstddef>
#include <vector>

namespace vitramor {

// One curve: its values at the abscissas. Several curves over the same
// abscissas (n and k) are each measured in the span of their own values.
struct CurbaEsantionata {
    std::vector<double> y;
};

// Indices (ascending) of at most `maxim` points of x (ascending) that best
// preserve every curve. With at most `maxim` points, all of them.
std::vector<std::size_t> PuncteReprezentative(const std::vector<double>& x, const std::vector<CurbaEsantionata>& curbe,
                                              std::size_t maxim);

}  // namespace vitramor
