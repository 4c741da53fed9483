// The band-wise neighbourhood filter: unsharp mask per channel (mode 1), smoothing (mode 2) and unsharp
// mask driven by luminance (mode 3) over an image that arrives in horizontal bands, top to bottom. The
// engine carries the raw lines the next band's first output lines need, replicates the first and last
// image lines beyond the edges and reports a status code.
//
// For an image of H lines the first band returns r lines fewer than it receives (r = size class), middle
// bands as many as they receive, and the last band its lines plus the r lines still owed: H lines in all.
// A single band holding the whole image may be filtered in place (output pixels = input pixels).
#pragma once

#include <cstdint>
#include <memory>

#include "core/filter/filter_kernel.h"
#include "core/filter/filter_types.h"

namespace korva {

class FilterEngine {
  public:
    FilterEngine(const FilterGeometry& geometry, const FilterParams& params, uint8_t mode);
    FilterEngine(const FilterEngine&) = delete;
    FilterEngine& operator=(const FilterEngine&) = delete;

    // Filters the next band. The caller sets output.pixels; the engine writes the filtered lines there,
    // `rowBytes` apart, and sets the output's width, lines, row bytes and bits per pixel from the input.
    // Returns:
    // - kFilterOk; a band of no lines after the first gives no lines;
    // - kFilterNoMemory when a buffer is missing, a line of the band is longer than the geometry's input
    //   row bytes (the carried lines would not fit), or the format is not 8, 12, 24 or 36 bits per pixel;
    // - kFilterShortFirstBand when the first band has fewer than 2r + 1 lines; it is not counted, so a
    //   longer first band may follow;
    // - kFilterBadParameter for a kernel size outside 3..30, an amount above 500 or a threshold above 255
    //   in modes 1 and 3, or a mode other than 1, 2 and 3.
    // After status 3 or 4 nothing has been written to the output.
    int32_t Process(const FilterBand& input, FilterBand& output);

    // The size class r of the kernel size: the window is (2r + 1) x (2r + 1).
    uint32_t SizeClass() const { return sizeClass_; }

  private:
    uint8_t* CarryLine(uint8_t* buffer, uint32_t line) const;
    // The last `overlap_` raw lines seen so far: the band's own, preceded by the context when the band
    // is shorter than that.
    void KeepTail(const FilterBand& input);
    void FillFirstContext(const FilterBand& input);

    FilterGeometry geometry_;
    FilterParams params_;
    uint8_t mode_;
    uint32_t sizeClass_;
    uint32_t overlap_;  // 2r lines
    std::unique_ptr<uint8_t[]> tail_;
    std::unique_ptr<uint8_t[]> context_;
    uint32_t linesReceived_ = 0;
    bool firstBand_ = true;
    std::unique_ptr<FilterKernel> kernel_;
};

}  // namespace korva
