#include "filter/filter_test_image.h"

#include <algorithm>
#include <cstring>

#include "core/filter/filter_weights.h"

namespace korva::testing {

namespace {

// Group of each window position (|dx|, |dy|), as the weight table lists them.
constexpr int kGroupOf[5][5] = {
    {0, 1, 3, 6, 10}, {1, 2, 4, 7, 11}, {3, 4, 5, 8, 12}, {6, 7, 8, 9, 13}, {10, 11, 12, 13, 14},
};

int32_t SoftThreshold(int32_t d, int32_t threshold) {
    if (d > threshold) {
        return d - threshold;
    }
    if (d < -threshold) {
        return d + threshold;
    }
    return 0;
}

}  // namespace

FilterTestImage::FilterTestImage(uint16_t bitsPerPixel, uint32_t width, uint32_t height)
    : bitsPerPixel_(bitsPerPixel), width_(width), height_(height) {
    const uint32_t bytesPerPixel = FilterBytesPerPixel(bitsPerPixel);
    rowBytes_ = (width * bytesPerPixel + 3) & ~3u;
    bytes_.assign(static_cast<size_t>(rowBytes_) * height, 0xA5);
}

size_t FilterTestImage::SampleOffset(uint32_t x, uint32_t y, int channel) const {
    const size_t sampleBytes = bitsPerPixel_ == 12 || bitsPerPixel_ == 36 ? 2 : 1;
    return static_cast<size_t>(y) * rowBytes_ + (static_cast<size_t>(x) * Channels() + channel) * sampleBytes;
}

uint32_t FilterTestImage::Sample(uint32_t x, uint32_t y, int channel) const {
    const size_t offset = SampleOffset(x, y, channel);
    if (bitsPerPixel_ == 12 || bitsPerPixel_ == 36) {
        uint16_t v;
        std::memcpy(&v, bytes_.data() + offset, 2);
        return v;
    }
    return bytes_[offset];
}

void FilterTestImage::SetSample(uint32_t x, uint32_t y, int channel, uint32_t level) {
    const size_t offset = SampleOffset(x, y, channel);
    if (bitsPerPixel_ == 12 || bitsPerPixel_ == 36) {
        const auto v = static_cast<uint16_t>(level);
        std::memcpy(bytes_.data() + offset, &v, 2);
    } else {
        bytes_[offset] = static_cast<uint8_t>(level);
    }
}

void FilterTestImage::Randomise(std::mt19937& random, uint32_t minLevel, uint32_t maxLevel) {
    std::uniform_int_distribution<uint32_t> level(minLevel, maxLevel);
    for (uint32_t y = 0; y < height_; ++y) {
        for (uint32_t x = 0; x < width_; ++x) {
            for (int c = 0; c < Channels(); ++c) {
                SetSample(x, y, c, level(random));
            }
        }
    }
}

void FilterTestImage::Fill(uint32_t level) {
    for (uint32_t y = 0; y < height_; ++y) {
        for (uint32_t x = 0; x < width_; ++x) {
            for (int c = 0; c < Channels(); ++c) {
                SetSample(x, y, c, level);
            }
        }
    }
}

FilterGeometry FilterTestImage::Geometry() const {
    return {width_, height_, rowBytes_, width_, height_, rowBytes_, bitsPerPixel_};
}

FilterBand FilterTestImage::Band(uint32_t first, uint32_t count) {
    return {Line(first), width_, count, rowBytes_, bitsPerPixel_};
}

bool FilterTestImage::SamePixels(const FilterTestImage& other) const {
    for (uint32_t y = 0; y < height_; ++y) {
        for (uint32_t x = 0; x < width_; ++x) {
            for (int c = 0; c < Channels(); ++c) {
                if (Sample(x, y, c) != other.Sample(x, y, c)) {
                    return false;
                }
            }
        }
    }
    return true;
}

FilterTestImage ReferenceFilter(const FilterTestImage& source, uint8_t mode, const FilterParams& params) {
    const int r = static_cast<int>(FilterSizeClass(params.kernelSize));
    const FilterWeights& weights = FilterWeightsFor(params.kernelSize);
    const int w = static_cast<int>(source.Width());
    const int h = static_cast<int>(source.Height());
    const auto amount = static_cast<int32_t>(params.amount);
    const auto threshold = static_cast<int32_t>(params.threshold);
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

    FilterTestImage out(source.BitsPerPixel(), source.Width(), source.Height());
    const bool luminanceMode = mode == kFilterLuminanceUnsharpMask && source.Channels() == 3;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool passThrough = x < r && w - 1 - x < r;
            int32_t lumaShift = 0;
            if (luminanceMode && !passThrough) {
                const int32_t a = average(luminance, x, y);
                lumaShift = SoftThreshold(((luminance(x, y) - a) * amount) / 100, threshold);
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
                            : std::clamp(centre + SoftThreshold(((centre - a) * amount) / 100, threshold), 0, 255);
                }
                out.SetSample(static_cast<uint32_t>(x), static_cast<uint32_t>(y), c, static_cast<uint32_t>(v));
            }
        }
    }
    return out;
}

}  // namespace korva::testing
