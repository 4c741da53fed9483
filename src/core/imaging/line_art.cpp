#include "core/imaging/line_art.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

#include "core/imaging/halftone_matrices.h"
#include "core/imaging/pixel_level.h"
#include "core/tone/display_tables.h"

namespace korva {
namespace {

constexpr int32_t kLevelOffsetBase = 128;
constexpr int32_t kModeNoneWhiteLevel = 129;
constexpr uint32_t kBitsPerByte = 8;

// Ten times the level each of the eight pixels of an output byte must reach to be white. A matrix is 4
// or 8 wide, so every byte of a row starts at the same column of it.
using ByteLimits = std::array<int32_t, kBitsPerByte>;

ByteLimits LimitsOfRow(const HalftoneMatrix& matrix, uint32_t y) {
    ByteLimits limits{};
    for (uint32_t x = 0; x < kBitsPerByte; ++x) {
        limits[x] = 10 * matrix.At(x, y);
    }
    return limits;
}

// Packs eight decisions a byte, most significant bit first; the spare bits of the last byte are white.
template <typename White>
uint8_t* PackRow(uint32_t width, uint8_t* out, White&& white) {
    uint32_t x = 0;
    for (; x + kBitsPerByte <= width; x += kBitsPerByte) {
        uint32_t bits = 0;
        for (uint32_t j = 0; j < kBitsPerByte; ++j) {
            bits = (bits << 1) | static_cast<uint32_t>(white(x + j, j));
        }
        *out++ = static_cast<uint8_t>(bits);
    }
    if (x < width) {
        const uint32_t count = width - x;
        uint32_t bits = 0;
        for (uint32_t j = 0; j < count; ++j) {
            bits = (bits << 1) | static_cast<uint32_t>(white(x + j, j));
        }
        *out++ = static_cast<uint8_t>((bits << (kBitsPerByte - count)) | (0xFFu >> count));
    }
    return out;
}

// Error diffusion two rows at a time, with the errors as ErrorRows keeps them. A pixel waits for the
// error of the pixel before it, so a row is one chain of dependent steps; the second row of a pair needs
// of the first only the pixels up to one past its own, so it runs two pixels behind and the two chains
// overlap. Four rows of errors with two zero margins each side; the errors of the two pixels before
// stay in variables.
class PairedDiffusion {
  public:
    PairedDiffusion(uint32_t width, const HalftoneMatrix& matrix)
        : width_(width),
          stride_(width + 2 * kMargin),
          matrix_(matrix),
          errors_(4 * stride_, 0),
          levels_(2 * size_t{width}),
          white_(2 * size_t{width}) {}

    int32_t* Levels(uint32_t row) { return levels_.data() + row * width_; }
    const uint8_t* White(uint32_t row) const { return white_.data() + row * width_; }

    // Decides row y from Levels(0), and row y + 1 from Levels(1) when `pair`, into White(0) and White(1).
    void Decide(uint32_t y, bool pair) {
        Chain first{Errors(y + 2), Errors(y + 3), Errors(y), Levels(0), Thresholds(y), white_.data()};
        Chain second{Errors(y + 3), Errors(y), Errors(y + 1), Levels(1), Thresholds(y + 1), white_.data() + width_};
        const uint32_t mask = matrix_.size - 1;
        const uint32_t lead = std::min(width_, kLag);
        for (uint32_t x = 0; x < lead; ++x) {
            first.Step(x, mask);
        }
        if (!pair) {
            for (uint32_t x = lead; x < width_; ++x) {
                first.Step(x, mask);
            }
            return;
        }
        for (uint32_t x = lead; x < width_; ++x) {
            first.Step(x, mask);
            second.Step(x - kLag, mask);
        }
        for (uint32_t x = width_ - lead; x < width_; ++x) {
            second.Step(x, mask);
        }
    }

  private:
    static constexpr uint32_t kMargin = 2;
    static constexpr uint32_t kLag = 2;

    struct Chain {
        const int32_t* twoAbove;
        const int32_t* above;
        int32_t* current;
        const int32_t* levels;
        const uint8_t* thresholds;
        uint8_t* white;
        int32_t before = 0;     // the error of the pixel before
        int32_t twoBefore = 0;  // and of the one before that

        void Step(uint32_t x, uint32_t mask) {
            const uint32_t i = x + kMargin;
            const int32_t v =
                levels[x] + (above[i] + before) / 4 + (twoAbove[i] + above[i - 1] + above[i + 1] + twoBefore) / 8;
            // A conditional move rather than arithmetic on the decision: one step less in the chain.
            const bool isWhite = v >= thresholds[x & mask];
            const int32_t error = isWhite ? v - 255 : v;
            current[i] = error;
            white[x] = isWhite;
            twoBefore = before;
            before = error;
        }
    };

    int32_t* Errors(uint32_t row) { return errors_.data() + (row % 4) * stride_; }
    const uint8_t* Thresholds(uint32_t y) const { return matrix_.thresholds[y % matrix_.size].data(); }

    uint32_t width_;
    size_t stride_;
    const HalftoneMatrix& matrix_;
    std::vector<int32_t> errors_;
    std::vector<int32_t> levels_;
    std::vector<uint8_t> white_;
};

}  // namespace

int32_t ModeNoneThreshold(int32_t threshold) {
    return static_cast<int32_t>(255.0 * std::pow(threshold / 255.0, 5.0 / 9.0));
}

RenderedImage RenderLineArt(const uint8_t* source,
                            size_t rowBytes,
                            int32_t width,
                            int32_t height,
                            const DisplayTables& tables,
                            const RenderType& type,
                            int32_t threshold) {
    const int32_t t = std::clamp(threshold, 0, 255);
    const int32_t mode = type.halftoneMode;
    const bool plain = mode <= kHalftoneNone || mode > kLastHalftoneMode;
    const PixelLevel level(kLevelOffsetBase - (plain ? ModeNoneThreshold(t) : t), type.dropout, tables);

    RenderedImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = 1;
    image.rowBytes = PaddedRowBytes(width, 1);
    image.pixels.resize(size_t{image.rowBytes} * static_cast<uint32_t>(height));
    image.colours = {DibColour{0, 0, 0, 0}, DibColour{255, 255, 255, 0}};

    const auto columns = static_cast<uint32_t>(width);
    const auto rows = static_cast<uint32_t>(height);
    const auto eachRow = [&](auto&& renderRow) {
        for (uint32_t y = 0; y < rows; ++y) {
            uint8_t* out = image.pixels.data() + size_t{y} * image.rowBytes;
            uint8_t* end = renderRow(source + y * rowBytes, out, y);
            std::fill(end, out + image.rowBytes, uint8_t{0xFF});
        }
    };
    if (!plain && mode <= kLastDiffusionMode) {
        PairedDiffusion diffusion(columns, HalftoneMatrixFor(mode));
        for (uint32_t y = 0; y < rows; y += 2) {
            const bool pair = y + 1 < rows;
            for (uint32_t r = 0; r < (pair ? 2u : 1u); ++r) {
                const uint8_t* pixels = source + (y + r) * rowBytes;
                int32_t* levels = diffusion.Levels(r);
                for (uint32_t x = 0; x < columns; ++x) {
                    levels[x] = level(pixels + 3 * x);
                }
            }
            diffusion.Decide(y, pair);
            for (uint32_t r = 0; r < (pair ? 2u : 1u); ++r) {
                const uint8_t* white = diffusion.White(r);
                uint8_t* out = image.pixels.data() + size_t{y + r} * image.rowBytes;
                uint8_t* end = PackRow(columns, out, [&](uint32_t x, uint32_t) { return white[x] != 0; });
                std::fill(end, out + image.rowBytes, uint8_t{0xFF});
            }
        }
    } else {
        const ByteLimits constant = [&] {
            ByteLimits limits;
            limits.fill(10 * kModeNoneWhiteLevel);
            return limits;
        }();
        eachRow([&](const uint8_t* pixels, uint8_t* out, uint32_t y) {
            const ByteLimits limits = plain ? constant : LimitsOfRow(HalftoneMatrixFor(mode), y);
            return PackRow(columns, out,
                           [&](uint32_t x, uint32_t j) { return level.Tenths(pixels + 3 * x) >= limits[j]; });
        });
    }
    return image;
}

void HalftoneLineArt(RenderedImage& image, const RenderType& type, int32_t threshold) {
    image = RenderLineArt(image.pixels.data(), image.rowBytes, image.width, image.height, IdentityTables(), type,
                          threshold);
}

}  // namespace korva
