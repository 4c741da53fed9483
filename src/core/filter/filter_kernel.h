// The per-pixel work of the filter engine for one kernel size: a ring of the 2r + 1 source lines around
// the output line with the image's edge columns replicated, and SSE2 line passes over it. The window
// average sums each group's samples from column sums of the ring lines and weighs the groups with 32-bit
// multiply-adds and an exact reciprocal division; 4:2:1 weights take the separable binomial path in 16
// bits. The smoothing, per-channel and luminance unsharp-mask outputs follow from the averages.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/filter/filter_types.h"
#include "core/filter/filter_weights.h"

namespace korva {

class FilterKernel {
  public:
    // The kernel for a size in 3..30; nullptr when its tables cannot be allocated.
    static std::unique_ptr<FilterKernel> Create(uint32_t kernelSize);

    struct Call {
        // Output line k is centred r lines above working line k; working lines with a negative index are
        // lines of `context`.
        FilterBand working;
        // Output line k goes to output + k * working.rowBytes.
        uint8_t* output;
        const uint8_t* context;  // the 2r raw lines directly above the working band
        uint32_t contextRowBytes;
        uint32_t amount;
        uint32_t threshold;
        uint8_t mode;
        // Below the last working line that exists the last line repeats.
        bool lastBand;
    };

    // kFilterOk, or kFilterNoMemory for an unsupported pixel format or a ring that cannot be allocated.
    int32_t Run(const Call& call);

    FilterKernel(const FilterKernel&) = delete;
    FilterKernel& operator=(const FilterKernel&) = delete;

  private:
    FilterKernel() = default;

    uint32_t sizeClass_ = 0;
    uint32_t divisor_ = 0;
    std::array<int16_t, kFilterGroupCount> weights_{};
    bool binomial_ = false;  // a 3 x 3 window weighted 4:2:1
    // Per line of up to lineSamples_ samples: 2r + 1 ring lines, r + 1 lines of column sums, one line of
    // window averages; grown when a wider band arrives.
    std::unique_ptr<uint8_t[]> ring_;
    std::unique_ptr<int16_t[]> sums_;
    std::unique_ptr<uint8_t[]> averages_;
    size_t lineSamples_ = 0;
};

}  // namespace korva
