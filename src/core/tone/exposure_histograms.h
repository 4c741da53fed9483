// The histograms automatic exposure analyses: red, green and blue counts of the pixels of a bottom-up
// 24-bit image inside an inclusive rectangle, and the level searches over them (a running pixel fraction
// compared in single precision against a threshold), plus the display-gamma transform of a level.
#pragma once

#include <array>
#include <cstdint>

namespace korva {

// Rows of blue, green, red bytes; the first row in memory is the bottom row of the picture.
struct ExposureImage {
    const uint8_t* pixels;
    uint16_t width;
    uint16_t height;
    uint32_t rowBytes;
};

// Pixel columns and rows counted from the top-left corner; all four bounds inclusive.
struct ExposureRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

struct ExposureHistograms {
    std::array<std::array<uint32_t, 256>, 3> counts{};  // red, green, blue
    uint32_t pixelCount = 0;
};

// Counts every image pixel whose column and row lie inside the rectangle.
ExposureHistograms BuildExposureHistograms(const ExposureImage& image, const ExposureRect& rect);

// 255 * (value / 255)^(1 / displayGamma), rounded; 0 for value 0.
int16_t GammaLevel(double value, float displayGamma);

// From `start` down to 0: the first level at which the running count, as a single-precision fraction of
// all pixels, exceeds `fraction` strictly; 0 when none does.
int16_t ScanDown(const ExposureHistograms& histograms, int channel, int start, float fraction);

// The same from `start` up to `end` - 1.
int16_t ScanUp(const ExposureHistograms& histograms, int channel, int start, int end, float fraction);

}  // namespace korva
