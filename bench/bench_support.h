// What the benchmark programs share: the generated preview and the settings they render it with, and
// the fastest-run timer.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <random>
#ifndef _WIN32
#include <time.h>
#endif

#include "core/imaging/preview_pipeline.h"
#include "core/preview/packed_dib.h"

namespace korva::bench {

constexpr int32_t kPreviewWidth = 1024;
constexpr int32_t kPreviewHeight = 1400;

// Smooth gradients with noise, like a photograph rather than white noise.
inline PackedDib PhotoLikePreview() {
    PackedDib preview = MakePackedDib24(kPreviewWidth, kPreviewHeight);
    std::mt19937 random(3);
    std::uniform_int_distribution<int> noise(-12, 12);
    const uint32_t stride = Stride24(kPreviewWidth);
    for (int32_t y = 0; y < kPreviewHeight; ++y) {
        uint8_t* pixel = preview.data() + kInfoHeaderBytes + static_cast<size_t>(y) * stride;
        for (int32_t x = 0; x < kPreviewWidth; ++x, pixel += 3) {
            pixel[0] = static_cast<uint8_t>(std::clamp(x / 4 + noise(random), 0, 255));
            pixel[1] = static_cast<uint8_t>(std::clamp(y * 255 / kPreviewHeight + noise(random), 0, 255));
            pixel[2] = static_cast<uint8_t>(std::clamp((x + y) / 10 + noise(random), 0, 255));
        }
    }
    return preview;
}

// The settings every pipeline benchmark renders with: a tone map, exposure values, a gray balance,
// saturation and the unsharp mask.
inline PreviewAdjustments BenchAdjustments(const PackedDib& preview, const RenderType& type, DisplayKind display) {
    PreviewAdjustments in;
    in.preview = preview;
    in.iproc = {3, 120, 230, 12, 128, 40, 25, 0, 0, 0, 0, 0, 0, 0};
    in.toneMap = BuiltInToneMaps()[4].toneMap;
    in.channelBalance = {0.05f, 0.0f, -0.04f};
    in.unsharpMask = true;
    in.type = type;
    in.display = display;
    return in;
}

// The fastest of the timed runs of a piece of work, in milliseconds: on a shared machine the fastest run
// is the one least disturbed by others. Natively the time is the thread's processor time, which other
// processes on the same cores do not stretch; under Wine it is the clock's.
class FastestRun {
  public:
    template <typename Work>
    void Time(Work&& work) {
        const double start = Now();
        work();
        fastest_ = std::min(fastest_, Now() - start);
    }
    double Milliseconds() const { return fastest_; }

  private:
    static double Now() {
#ifdef _WIN32
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
#else
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
#endif
    }

    double fastest_ = 1e300;
};

}  // namespace korva::bench
