#include "core/imaging/sixteen_colours.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/imaging/error_diffusion.h"
#include "core/imaging/halftone_matrices.h"
#include "core/imaging/pixel_level.h"

namespace korva {
namespace {

constexpr uint32_t kBlueBit = 1;
constexpr uint32_t kGreenBit = 2;
constexpr uint32_t kRedBit = 4;

struct GreyWorker {
    PixelLevel level;
    void StartRow(uint32_t) {}
    uint32_t Nibble(const uint8_t* pixel, uint32_t) const { return static_cast<uint32_t>(level(pixel)) >> 4; }
};

struct TopBitWorker {
    void StartRow(uint32_t) {}
    uint32_t Nibble(const uint8_t* pixel, uint32_t) const {
        return (pixel[0] >> 7) * kBlueBit | (pixel[1] >> 7) * kGreenBit | (pixel[2] >> 7) * kRedBit;
    }
};

struct DitherWorker {
    const HalftoneMatrix& matrix;
    const uint8_t* row = nullptr;
    void StartRow(uint32_t y) { row = matrix.thresholds[y % matrix.size].data(); }
    uint32_t Nibble(const uint8_t* pixel, uint32_t x) const {
        const uint8_t m = row[x % matrix.size];
        return (pixel[0] >= m) * kBlueBit | (pixel[1] >= m) * kGreenBit | (pixel[2] >= m) * kRedBit;
    }
};

struct DiffusionWorker {
    const HalftoneMatrix& matrix;
    std::array<ErrorRows, 3> errors;  // blue, green, red
    const uint8_t* row = nullptr;
    void StartRow(uint32_t y) {
        if (y > 0) {
            for (ErrorRows& channel : errors) {
                channel.NextRow();
            }
        }
        row = matrix.thresholds[y % matrix.size].data();
    }
    uint32_t Nibble(const uint8_t* pixel, uint32_t x) {
        const uint8_t m = row[x % matrix.size];
        return errors[0].White(x, pixel[0], m) * kBlueBit | errors[1].White(x, pixel[1], m) * kGreenBit |
               errors[2].White(x, pixel[2], m) * kRedBit;
    }
};

// Packs the worker's nibbles over the 24-bit rows, in place.
template <typename Worker>
void PackNibbles(RenderedImage& image, Worker& worker) {
    const auto width = static_cast<uint32_t>(image.width);
    NarrowRowsInPlace(image, 4, 0, [&](const uint8_t* source, uint8_t* out, uint32_t y) {
        worker.StartRow(y);
        uint32_t x = 0;
        for (; x + 1 < width; x += 2, source += 6) {
            const uint32_t high = worker.Nibble(source, x);
            *out++ = static_cast<uint8_t>(high << 4 | worker.Nibble(source + 3, x + 1));
        }
        if (x < width) {
            *out++ = static_cast<uint8_t>(worker.Nibble(source, x) << 4);
        }
        return out;
    });
}

ErrorRows RowsFor(const RenderedImage& image) {
    return ErrorRows(static_cast<uint32_t>(image.width));
}

}  // namespace

void RenderSixteenColours(RenderedImage& image, const RenderType& type) {
    if (type.colourClass == ColourClass::kGrey) {
        GreyWorker worker{PixelLevel(0, type.dropout)};
        PackNibbles(image, worker);
        image.colours.resize(16);
        for (uint32_t i = 0; i < 16; ++i) {
            const auto grey = static_cast<uint8_t>(i * 255 / 15);
            image.colours[i] = DibColour{grey, grey, grey, 0};
        }
        return;
    }
    const int32_t mode = type.halftoneMode;
    if (mode <= kHalftoneNone || mode > kLastHalftoneMode) {
        TopBitWorker worker;
        PackNibbles(image, worker);
    } else if (mode <= kLastDiffusionMode) {
        DiffusionWorker worker{HalftoneMatrixFor(mode), {RowsFor(image), RowsFor(image), RowsFor(image)}};
        PackNibbles(image, worker);
    } else {
        DitherWorker worker{HalftoneMatrixFor(mode)};
        PackNibbles(image, worker);
    }
    image.colours.resize(8);
    for (uint32_t i = 0; i < 8; ++i) {
        const auto level = [i](uint32_t bit) { return static_cast<uint8_t>((i & bit) != 0 ? 255 : 0); };
        image.colours[i] = DibColour{level(kBlueBit), level(kGreenBit), level(kRedBit), 0};
    }
}

}  // namespace korva
