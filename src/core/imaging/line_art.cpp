#include "core/imaging/line_art.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/imaging/error_diffusion.h"
#include "core/imaging/halftone_matrices.h"
#include "core/imaging/pixel_level.h"

namespace korva {
namespace {

constexpr int32_t kLevelOffsetBase = 128;
constexpr int32_t kModeNoneWhiteLevel = 129;

struct ThresholdWorker {
    PixelLevel level;
    void StartRow(uint32_t) {}
    bool White(const uint8_t* pixel, uint32_t) const { return level(pixel) >= kModeNoneWhiteLevel; }
};

struct DitherWorker {
    PixelLevel level;
    const HalftoneMatrix& matrix;
    const uint8_t* row = nullptr;
    void StartRow(uint32_t y) { row = matrix.thresholds[y % matrix.size].data(); }
    bool White(const uint8_t* pixel, uint32_t x) const { return level(pixel) >= row[x % matrix.size]; }
};

struct DiffusionWorker {
    PixelLevel level;
    const HalftoneMatrix& matrix;
    ErrorRows errors;
    const uint8_t* row = nullptr;
    void StartRow(uint32_t y) {
        if (y > 0) {
            errors.NextRow();
        }
        row = matrix.thresholds[y % matrix.size].data();
    }
    bool White(const uint8_t* pixel, uint32_t x) { return errors.White(x, level(pixel), row[x % matrix.size]); }
};

// Packs the worker's decisions into bits over the 24-bit rows, in place; spare bits are white.
template <typename Worker>
void PackBits(RenderedImage& image, Worker& worker) {
    const auto width = static_cast<uint32_t>(image.width);
    NarrowRowsInPlace(image, 1, 0xFF, [&](const uint8_t* source, uint8_t* out, uint32_t y) {
        worker.StartRow(y);
        uint32_t bits = 0;
        uint32_t count = 0;
        for (uint32_t x = 0; x < width; ++x, source += 3) {
            bits = (bits << 1) | static_cast<uint32_t>(worker.White(source, x));
            if (++count == 8) {
                *out++ = static_cast<uint8_t>(bits);
                bits = 0;
                count = 0;
            }
        }
        if (count > 0) {
            *out++ = static_cast<uint8_t>((bits << (8 - count)) | (0xFFu >> count));
        }
        return out;
    });
    image.colours = {DibColour{0, 0, 0, 0}, DibColour{255, 255, 255, 0}};
}

}  // namespace

int32_t ModeNoneThreshold(int32_t threshold) {
    return static_cast<int32_t>(255.0 * std::pow(threshold / 255.0, 5.0 / 9.0));
}

void HalftoneLineArt(RenderedImage& image, const RenderType& type, int32_t threshold) {
    const int32_t t = std::clamp(threshold, 0, 255);
    const int32_t mode = type.halftoneMode;
    if (mode <= kHalftoneNone || mode > kLastHalftoneMode) {
        ThresholdWorker worker{PixelLevel(kLevelOffsetBase - ModeNoneThreshold(t), type.dropout)};
        PackBits(image, worker);
    } else if (mode <= kLastDiffusionMode) {
        DiffusionWorker worker{PixelLevel(kLevelOffsetBase - t, type.dropout), HalftoneMatrixFor(mode),
                               ErrorRows(static_cast<uint32_t>(image.width))};
        PackBits(image, worker);
    } else {
        DitherWorker worker{PixelLevel(kLevelOffsetBase - t, type.dropout), HalftoneMatrixFor(mode)};
        PackBits(image, worker);
    }
}

}  // namespace korva
