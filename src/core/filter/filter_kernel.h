// The per-pixel work of the filter engine for one kernel size: the weighted window average computed from
// product tables (each weight folded into a table once, equal-weight positions summed and looked up once
// per four samples), a ring of the 2r + 1 source lines around the output line with the image's edge
// columns replicated, and the smoothing, per-channel and luminance unsharp-mask outputs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/filter/filter_types.h"

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
    // The centre's products w0 * v (256 entries), then for each further group of the class wg * v for
    // sums of four samples (1021 entries).
    std::unique_ptr<int32_t[]> products_;
    // 2r + 1 ring lines of ringLineBytes_ each, grown when a wider band arrives.
    std::unique_ptr<uint8_t[]> ring_;
    size_t ringLineBytes_ = 0;
};

}  // namespace korva
