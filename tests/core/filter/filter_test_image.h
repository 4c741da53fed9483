// Test images for the filter engine in its four pixel formats, and a reference filter computed straight
// from the definitions: a direct weighted sum over the window with clamped coordinates, no tables.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "core/filter/filter_types.h"
#include "core/filter/filter_weights.h"

namespace korva::testing {

// Rows padded to four bytes; the padding starts as 0xA5 like every sample.
struct FilterTestImage {
    FilterTestImage(uint16_t bits, uint32_t w, uint32_t h)
        : bitsPerPixel(bits),
          width(w),
          height(h),
          rowBytes((w * FilterBytesPerPixel(bits) + 3) & ~3u),
          bytes(size_t{rowBytes} * h, 0xA5) {}

    int Channels() const { return bitsPerPixel == 24 || bitsPerPixel == 36 ? 3 : 1; }
    bool Wide() const { return bitsPerPixel == 12 || bitsPerPixel == 36; }
    uint8_t* Line(uint32_t y) { return bytes.data() + size_t{y} * rowBytes; }
    FilterGeometry Geometry() const { return {width, height, rowBytes, width, height, rowBytes, bitsPerPixel}; }
    // Lines [first, first + count) as a band.
    FilterBand Band(uint32_t first, uint32_t count) { return {Line(first), width, count, rowBytes, bitsPerPixel}; }

    size_t Offset(uint32_t x, uint32_t y, int channel) const {
        return size_t{y} * rowBytes + (size_t{x} * Channels() + channel) * (Wide() ? 2 : 1);
    }
    uint32_t Sample(uint32_t x, uint32_t y, int channel) const {
        uint16_t v = bytes[Offset(x, y, channel)];
        if (Wide()) {
            std::memcpy(&v, bytes.data() + Offset(x, y, channel), 2);
        }
        return v;
    }
    void SetSample(uint32_t x, uint32_t y, int channel, uint32_t level) {
        const auto v = static_cast<uint16_t>(level);
        if (Wide()) {
            std::memcpy(bytes.data() + Offset(x, y, channel), &v, 2);
        } else {
            bytes[Offset(x, y, channel)] = static_cast<uint8_t>(v);
        }
    }
    // Sets every sample to a random level in minLevel..maxLevel.
    void Randomise(std::mt19937& random, uint32_t minLevel, uint32_t maxLevel) {
        std::uniform_int_distribution<uint32_t> level(minLevel, maxLevel);
        ForEachSample([&](uint32_t x, uint32_t y, int c) { SetSample(x, y, c, level(random)); });
    }
    // Compares the pixels only, not the row padding.
    bool SamePixels(const FilterTestImage& other) const {
        bool same = true;
        ForEachSample([&](uint32_t x, uint32_t y, int c) { same = same && Sample(x, y, c) == other.Sample(x, y, c); });
        return same;
    }
    template <class Visit>
    void ForEachSample(Visit visit) const {
        for (uint32_t y = 0; y < height; ++y) {
            for (uint32_t x = 0; x < width; ++x) {
                for (int c = 0; c < Channels(); ++c) {
                    visit(x, y, c);
                }
            }
        }
    }

    uint16_t bitsPerPixel;
    uint32_t width, height, rowBytes;
    std::vector<uint8_t> bytes;
};

inline FilterTestImage ReferenceFilter(const FilterTestImage& source, uint8_t mode, const FilterParams& params) {
    // Group of each window position (|dx|, |dy|), as the weight table lists them.
    static constexpr int kGroupOf[5][5] = {
        {0, 1, 3, 6, 10}, {1, 2, 4, 7, 11}, {3, 4, 5, 8, 12}, {6, 7, 8, 9, 13}, {10, 11, 12, 13, 14},
    };
    const int r = static_cast<int>(FilterSizeClass(params.kernelSize));
    const FilterWeights& weights = FilterWeightsFor(params.kernelSize);
    const int w = static_cast<int>(source.width);
    const int h = static_cast<int>(source.height);
    const auto amount = static_cast<int32_t>(params.amount);
    const auto threshold = static_cast<int32_t>(params.threshold);
    const auto softThreshold = [&](int32_t d) {
        return d > threshold ? d - threshold : d < -threshold ? d + threshold : 0;
    };
    // Samples above 255 count as 255; outside the image the nearest edge pixel counts.
    auto sample = [&](int x, int y, int c) -> int32_t {
        const uint32_t v = source.Sample(std::clamp(x, 0, w - 1), std::clamp(y, 0, h - 1), c);
        return static_cast<int32_t>(std::min<uint32_t>(v, 255));
    };
    auto luminance = [&](int x, int y) {
        return (38 * sample(x, y, 2) + 76 * sample(x, y, 1) + 14 * sample(x, y, 0)) >> 7;
    };
    auto average = [&](auto level, int x, int y) {
        int32_t sum = 0;
        for (int dy = -r; dy <= r; ++dy) {
            for (int dx = -r; dx <= r; ++dx) {
                sum += weights.weights[kGroupOf[std::abs(dx)][std::abs(dy)]] * level(x + dx, y + dy);
            }
        }
        return sum / weights.divisor;
    };

    FilterTestImage out(source.bitsPerPixel, source.width, source.height);
    const bool luminanceMode = mode == kFilterLuminanceUnsharpMask && source.Channels() == 3;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool passThrough = x < r && w - 1 - x < r;
            int32_t lumaShift = 0;
            if (luminanceMode && !passThrough) {
                lumaShift = softThreshold(((luminance(x, y) - average(luminance, x, y)) * amount) / 100);
            }
            for (int c = 0; c < source.Channels(); ++c) {
                const int32_t centre = sample(x, y, c);
                int32_t v = centre;  // pixels close to both edges keep their level
                if (!passThrough && luminanceMode) {
                    v = std::clamp(centre + lumaShift, 0, 255);
                } else if (!passThrough) {
                    const int32_t a = average([&](int xx, int yy) { return sample(xx, yy, c); }, x, y);
                    v = mode == kFilterSmooth
                            ? a
                            : std::clamp(centre + softThreshold(((centre - a) * amount) / 100), 0, 255);
                }
                out.SetSample(static_cast<uint32_t>(x), static_cast<uint32_t>(y), c, static_cast<uint32_t>(v));
            }
        }
    }
    return out;
}

}  // namespace korva::testing
