// Test images for the filter engine in its four pixel formats, and a reference filter computed straight
// from the definitions: a direct weighted sum over the window with clamped coordinates, no tables.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "core/filter/filter_types.h"

namespace korva::testing {

class FilterTestImage {
  public:
    FilterTestImage(uint16_t bitsPerPixel, uint32_t width, uint32_t height);

    // Fills every sample with a random level in minLevel..maxLevel.
    void Randomise(std::mt19937& random, uint32_t minLevel, uint32_t maxLevel);
    void Fill(uint32_t level);

    uint32_t Sample(uint32_t x, uint32_t y, int channel) const;
    void SetSample(uint32_t x, uint32_t y, int channel, uint32_t level);

    int Channels() const { return bitsPerPixel_ == 24 || bitsPerPixel_ == 36 ? 3 : 1; }
    uint16_t BitsPerPixel() const { return bitsPerPixel_; }
    uint32_t Width() const { return width_; }
    uint32_t Height() const { return height_; }
    uint32_t RowBytes() const { return rowBytes_; }
    uint8_t* Line(uint32_t y) { return bytes_.data() + static_cast<size_t>(y) * rowBytes_; }
    FilterGeometry Geometry() const;
    // Lines [first, first + count) as a band.
    FilterBand Band(uint32_t first, uint32_t count);

    // Compares the pixels only, not the row padding.
    bool SamePixels(const FilterTestImage& other) const;

  private:
    size_t SampleOffset(uint32_t x, uint32_t y, int channel) const;

    uint16_t bitsPerPixel_;
    uint32_t width_;
    uint32_t height_;
    uint32_t rowBytes_;
    std::vector<uint8_t> bytes_;
};

FilterTestImage ReferenceFilter(const FilterTestImage& source, uint8_t mode, const FilterParams& params);

}  // namespace korva::testing
