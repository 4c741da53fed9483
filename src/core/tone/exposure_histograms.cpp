#include "core/tone/exposure_histograms.h"

#include <algorithm>
#include <cmath>

namespace korva {

namespace {

// True when `sum` pixels of `total`, rounded to single precision, are more than `fraction`.
bool ExceedsFraction(uint32_t sum, uint32_t total, float fraction) {
    const auto q = static_cast<float>(static_cast<double>(sum) / total);
    return q > fraction;
}

}  // namespace

ExposureHistograms BuildExposureHistograms(const ExposureImage& image, const ExposureRect& rect) {
    ExposureHistograms histograms;
    const int32_t left = std::max(rect.left, 0);
    const int32_t right = std::min<int32_t>(rect.right, image.width - 1);
    const int32_t top = std::max(rect.top, 0);
    const int32_t bottom = std::min<int32_t>(rect.bottom, image.height - 1);
    if (left > right || top > bottom) {
        return histograms;
    }
    auto& red = histograms.counts[0];
    auto& green = histograms.counts[1];
    auto& blue = histograms.counts[2];
    for (int32_t y = top; y <= bottom; ++y) {
        const uint8_t* row = image.pixels + static_cast<size_t>(image.height - 1 - y) * image.rowBytes;
        const uint8_t* pixel = row + static_cast<size_t>(left) * 3;
        for (int32_t x = left; x <= right; ++x, pixel += 3) {
            ++blue[pixel[0]];
            ++green[pixel[1]];
            ++red[pixel[2]];
        }
    }
    histograms.pixelCount = static_cast<uint32_t>(right - left + 1) * static_cast<uint32_t>(bottom - top + 1);
    return histograms;
}

int16_t GammaLevel(double value, float displayGamma) {
    if (value == 0) {
        return 0;
    }
    return static_cast<int16_t>(255 * std::pow(10.0, std::log10(value / 255) / displayGamma) + 0.5);
}

int16_t ScanDown(const ExposureHistograms& histograms, int channel, int start, float fraction) {
    const auto& counts = histograms.counts[channel];
    if (histograms.pixelCount == 0) {
        return 0;
    }
    uint32_t sum = 0;
    for (int level = std::min(start, 255); level >= 0; --level) {
        sum += counts[level];
        if (ExceedsFraction(sum, histograms.pixelCount, fraction)) {
            return static_cast<int16_t>(level);
        }
    }
    return 0;
}

int16_t ScanUp(const ExposureHistograms& histograms, int channel, int start, int end, float fraction) {
    const auto& counts = histograms.counts[channel];
    if (histograms.pixelCount == 0) {
        return 0;
    }
    uint32_t sum = 0;
    for (int level = std::max(start, 0); level < std::min(end, 256); ++level) {
        sum += counts[level];
        if (ExceedsFraction(sum, histograms.pixelCount, fraction)) {
            return static_cast<int16_t>(level);
        }
    }
    return 0;
}

}  // namespace korva
