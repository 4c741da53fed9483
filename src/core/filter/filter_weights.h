// The radially symmetric weights of the filter window. Window positions (dx, dy) with |dx|, |dy| <= r
// fall into groups by the unordered pair (|dx|, |dy|); a group shares one weight. The kernel size
// (3..30) selects the weights and the size class r (1..4, a 3x3 to 9x9 window); the divisor is the sum
// of every used weight times its group's member count.
#pragma once

#include <array>
#include <cstdint>

namespace korva {

inline constexpr int kFilterGroupCount = 15;
inline constexpr int kFilterMaxSizeClass = 4;

// Members of each group: 1 for the centre, 4 on the axes and diagonals, 8 otherwise.
inline constexpr std::array<int, kFilterGroupCount> kFilterGroupMembers = {1, 4, 4, 4, 8, 4, 4, 8, 8, 4, 4, 8, 8, 8, 4};

// Group of the window position (dx, dy).
constexpr int FilterGroup(int dx, int dy) {
    const int a = dx < 0 ? -dx : dx;
    const int b = dy < 0 ? -dy : dy;
    const int low = a < b ? a : b;
    const int high = a < b ? b : a;
    return high * (high + 1) / 2 + low;
}

// Groups used by size class r: those with both offsets at most r.
constexpr int FilterGroupsOfClass(int sizeClass) {
    return (sizeClass + 1) * (sizeClass + 2) / 2;
}

// 1 below 9, 2 below 15, 3 below 22, 4 otherwise.
uint32_t FilterSizeClass(uint32_t kernelSize);

struct FilterWeights {
    std::array<int16_t, kFilterGroupCount> weights;  // unused groups 0
    int32_t divisor;
};

// Weights of a kernel size in 3..30.
const FilterWeights& FilterWeightsFor(uint32_t kernelSize);

}  // namespace korva
