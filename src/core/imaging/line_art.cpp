#include "core/imaging/line_art.h"

#include <emmintrin.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
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

// Error diffusion eight rows at a time, one row a 16-bit lane of SSE2 vectors, with the errors as ErrorRows
// keeps them: levels and thresholds lie in 0..255, so every error stays within -255..255 and every sum of a
// step fits 16 bits. A pixel waits for the error of the pixel before it, so a row is one chain of dependent
// steps; a row needs of the row above only the pixels up to one past its own, so each row runs two pixels
// behind the one above and the eight chains advance side by side. Step s holds column s - 2 r of lane r;
// the errors of a step are kept as one vector, so the row above comes from the previous steps one lane
// down, and for the first lanes from the previous eight rows. Lanes outside the image hold 0.
class EightRowDiffusion {
  public:
    static constexpr uint32_t kRows = 8;

    EightRowDiffusion(uint32_t width, const HalftoneMatrix& matrix)
        : width_(width),
          steps_(width + kLastLag),
          errors_(2 * kRows * (steps_ + kAfter), 0),
          levels_(2 * kRows * steps_, 0),
          thresholds_(kRows * steps_, 0),
          white_(steps_ + kBitsPerByte) {
        // The matrix is 4 or 8 rows high: every set of eight rows has the same thresholds.
        const uint32_t mask = matrix.size - 1;
        for (uint32_t y = 0; y < kRows; ++y) {
            int16_t* limits = Lane(thresholds_.data(), y);
            for (uint32_t x = 0; x < width_; ++x) {
                limits[kRows * x] = matrix.thresholds[y % matrix.size][x & mask];
            }
        }
    }

    // Sets the levels of the first eight rows: tenthsAt(r, x) is ten times that of column x of row r.
    template <typename TenthsAt>
    void SetFirstLevels(TenthsAt&& tenthsAt) {
        int16_t* next = NextLevels();
        for (uint32_t x = 0; x < width_; ++x) {
            SetLevels(next, x, tenthsAt);
        }
    }

    // Packs the decisions of lane `row` like PackRow; bit r of a byte of `white_` is lane r.
    uint8_t* PackLane(uint32_t row, uint8_t* out) const {
        const auto bitsAt = [&](uint32_t x) {
            uint64_t lanes = 0;
            std::memcpy(&lanes, white_.data() + x + kLag * row, sizeof lanes);
            // One bit a byte, gathered into the top byte with the first column highest.
            return static_cast<uint32_t>((((lanes >> row) & 0x0101010101010101u) * 0x8040201008040201u) >> 56);
        };
        uint32_t x = 0;
        for (; x + kBitsPerByte <= width_; x += kBitsPerByte) {
            *out++ = static_cast<uint8_t>(bitsAt(x));
        }
        if (x < width_) {
            const uint32_t count = width_ - x;
            *out++ = static_cast<uint8_t>(bitsAt(x) | (0xFFu >> count));
        }
        return out;
    }

    // Runs the eight chains over the next eight rows of the image, the rows above being those of the
    // previous call; meanwhile takes the levels of the eight rows after from tenthsAt, between the steps.
    template <typename TenthsAt>
    void Decide(TenthsAt&& tenthsAt) {
        std::swap(current_, previous_);
        levelsNow_ = 1 - levelsNow_;
        int16_t* next = NextLevels();
        // Everything the steps use in locals: the stores of the errors could alias the members.
        const Pass pass{Errors(previous_),  Errors(current_), levels_.data() + levelsNow_ * kRows * steps_,
                        thresholds_.data(), white_.data(),    static_cast<int32_t>(width_)};
        Chains chains{};
        const uint32_t width = width_;
        const uint32_t steps = steps_;
        const uint32_t full = std::min(width, kLastLag);
        uint32_t s = 0;
        for (; s < full; ++s) {
            Step<true>(pass, s, chains);
            SetLevels(next, s, tenthsAt);
        }
        for (; s < width; ++s) {
            Step<false>(pass, s, chains);
            SetLevels(next, s, tenthsAt);
        }
        for (; s < steps; ++s) {
            Step<true>(pass, s, chains);
        }
    }

  private:
    static constexpr uint32_t kLag = 2;
    static constexpr uint32_t kLastLag = kLag * (kRows - 1);
    // Steps read after the last, all zero.
    static constexpr uint32_t kAfter = kLag * kRows;

    int16_t* NextLevels() { return levels_.data() + (1 - levelsNow_) * kRows * steps_; }

    // Column x of the eight rows, each at its own step, as ten times the level (at most 2550): the steps
    // divide by 10.
    template <typename TenthsAt>
    static void SetLevels(int16_t* levels, uint32_t x, TenthsAt& tenthsAt) {
        for (uint32_t r = 0; r < kRows; ++r) {
            Lane(levels, r)[kRows * x] = static_cast<int16_t>(tenthsAt(r, x));
        }
    }

    // Column 0 of lane `row` in eight lanes a step.
    static int16_t* Lane(int16_t* steps, uint32_t row) { return steps + kRows * kLag * row + row; }

    // The errors of step 0, in one of the two sets of eight rows.
    int16_t* Errors(uint32_t which) { return errors_.data() + kRows * which * (steps_ + kAfter); }
    static __m128i Load(const int16_t* lanes) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes)); }

    // Division by 4 and by 8 truncating toward zero: negative sums are raised by 3 or 7 first.
    static __m128i Quarter(__m128i sum) {
        return _mm_srai_epi16(_mm_add_epi16(sum, _mm_srli_epi16(_mm_srai_epi16(sum, 15), 14)), 2);
    }
    static __m128i Eighth(__m128i sum) {
        return _mm_srai_epi16(_mm_add_epi16(sum, _mm_srli_epi16(_mm_srai_epi16(sum, 15), 13)), 3);
    }

    // The level from ten times it: below 2^16, x / 10 is (x * 52429) >> 19.
    static __m128i Level(__m128i tenths) {
        return _mm_srli_epi16(_mm_mulhi_epu16(tenths, _mm_set1_epi16(static_cast<int16_t>(52429))), 3);
    }

    // Lanes 1..7 from `own` one lane down, lane 0 from the last lane of `previous`.
    static __m128i OneLaneDown(__m128i own, __m128i previous) {
        return _mm_or_si128(_mm_slli_si128(own, 2), _mm_srli_si128(previous, 14));
    }

    // The errors of the last four steps, kept in registers: each step waits for the one before.
    struct Chains {
        __m128i before;
        __m128i twoBefore;
        __m128i threeBefore;
        __m128i fourBefore;
    };

    struct Pass {
        const int16_t* above;
        int16_t* own;
        const int16_t* levels;
        const int16_t* thresholds;
        uint8_t* white;
        int32_t width;
    };

    template <bool kEdge>
    static void Step(const Pass& pass, uint32_t s, Chains& chains) {
        // Column p of lane r reads the row above at p - 1, p and p + 1, and the row two above at p. Lane 0
        // finds the last lane of the previous eight rows, 14 steps behind, at steps s + 13 to s + 15, and
        // lanes 0 and 1 the last two at s + 12.
        const int16_t* above = pass.above + kRows * s;
        const __m128i aboveLeft = OneLaneDown(chains.threeBefore, Load(above + 13 * kRows));
        const __m128i aboveSame = OneLaneDown(chains.twoBefore, Load(above + 14 * kRows));
        const __m128i twoAbove =
            _mm_or_si128(_mm_slli_si128(chains.fourBefore, 4), _mm_srli_si128(Load(above + 12 * kRows), 12));
        // The row above at p + 1 is the newest error but one lane down: it is added last, the lanes from
        // the previous rows first, so that the chain from the step before is as short as it can be.
        const __m128i others =
            _mm_add_epi16(_mm_add_epi16(twoAbove, aboveLeft),
                          _mm_add_epi16(chains.twoBefore, _mm_srli_si128(Load(above + 15 * kRows), 14)));
        const __m128i v = _mm_add_epi16(
            _mm_add_epi16(Level(Load(pass.levels + kRows * s)), Quarter(_mm_add_epi16(aboveSame, chains.before))),
            Eighth(_mm_add_epi16(others, _mm_slli_si128(chains.before, 2))));
        const __m128i black = _mm_cmplt_epi16(v, Load(pass.thresholds + kRows * s));
        __m128i error = _mm_sub_epi16(v, _mm_andnot_si128(black, _mm_set1_epi16(255)));
        if constexpr (kEdge) {
            error = _mm_and_si128(error, InsideLanes(s, pass.width));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pass.own + kRows * s), error);
        // One bit a lane in the low byte of the mask.
        pass.white[s] = static_cast<uint8_t>(~_mm_movemask_epi8(_mm_packs_epi16(black, black)));
        chains = {error, chains.before, chains.twoBefore, chains.threeBefore};
    }

    // All ones in the lanes whose column at step s lies in the image: found in 32 bits, for any width.
    static __m128i InsideLanes(uint32_t s, int32_t width) {
        const auto inside = [&](__m128i lags) {
            const __m128i column = _mm_sub_epi32(_mm_set1_epi32(static_cast<int32_t>(s)), lags);
            const __m128i outside = _mm_or_si128(_mm_cmplt_epi32(column, _mm_setzero_si128()),
                                                 _mm_cmpgt_epi32(column, _mm_set1_epi32(width - 1)));
            return _mm_xor_si128(outside, _mm_set1_epi32(-1));
        };
        return _mm_packs_epi32(inside(_mm_setr_epi32(0, 2, 4, 6)), inside(_mm_setr_epi32(8, 10, 12, 14)));
    }

    uint32_t width_;
    uint32_t steps_;
    // Eight lanes a step.
    std::vector<int16_t> errors_;
    std::vector<int16_t> levels_;
    std::vector<int16_t> thresholds_;
    std::vector<uint8_t> white_;
    uint32_t levelsNow_ = 1;
    uint32_t current_ = 0;
    uint32_t previous_ = 1;
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
    if (rows == 0) {
        return image;
    }
    const auto eachRow = [&](auto&& renderRow) {
        for (uint32_t y = 0; y < rows; ++y) {
            uint8_t* out = image.pixels.data() + size_t{y} * image.rowBytes;
            uint8_t* end = renderRow(source + y * rowBytes, out, y);
            std::fill(end, out + image.rowBytes, uint8_t{0xFF});
        }
    };
    if (!plain && mode <= kLastDiffusionMode) {
        EightRowDiffusion diffusion(columns, HalftoneMatrixFor(mode));
        // The rows of the set of eight from row y; past the last row, the last row again, never written.
        const auto levelsFrom = [&](uint32_t y) {
            std::array<const uint8_t*, EightRowDiffusion::kRows> pixels{};
            for (uint32_t r = 0; r < EightRowDiffusion::kRows; ++r) {
                pixels[r] = source + std::min(y + r, rows - 1) * rowBytes;
            }
            return [&level, pixels](uint32_t r, uint32_t x) { return level.Tenths(pixels[r] + 3 * x); };
        };
        diffusion.SetFirstLevels(levelsFrom(0));
        for (uint32_t y = 0; y < rows; y += EightRowDiffusion::kRows) {
            diffusion.Decide(levelsFrom(std::min(y + EightRowDiffusion::kRows, rows - 1)));
            for (uint32_t r = 0; r < std::min(rows - y, EightRowDiffusion::kRows); ++r) {
                uint8_t* out = image.pixels.data() + size_t{y + r} * image.rowBytes;
                std::fill(diffusion.PackLane(r, out), out + image.rowBytes, uint8_t{0xFF});
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
