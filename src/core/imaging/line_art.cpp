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

// Error diffusion four rows at a time, one row a lane of SSE2 vectors, with the errors as ErrorRows keeps
// them. A pixel waits for the error of the pixel before it, so a row is one chain of dependent steps;
// a row needs of the row above only the pixels up to one past its own, so each row runs two pixels behind
// the one above and the four chains advance side by side. Step s holds column s - 2 r of lane r; the
// errors of a step are kept as one vector, so the row above comes from the previous steps one lane down,
// and for the first lanes from the previous four rows. Lanes outside the image hold 0.
class FourRowDiffusion {
  public:
    static constexpr uint32_t kRows = 4;

    FourRowDiffusion(uint32_t width, const HalftoneMatrix& matrix)
        : width_(width),
          steps_(width + kLastLag),
          errors_(2 * kRows * (steps_ + kBefore + kAfter), 0),
          levels_(2 * kRows * steps_, 0),
          thresholds_(kPhases * kRows * steps_, 0),
          white_(steps_ + kBitsPerByte) {
        // The matrix is 4 or 8 rows high: every other set of four rows has the same thresholds.
        const uint32_t mask = matrix.size - 1;
        for (uint32_t y = 0; y < kPhases * kRows; ++y) {
            int32_t* limits = Lane(thresholds_.data() + (y / kRows) * kRows * steps_, y % kRows);
            for (uint32_t x = 0; x < width_; ++x) {
                limits[kRows * x] = matrix.thresholds[y % matrix.size][x & mask];
            }
        }
    }

    // Sets the levels of the first four rows: levelAt(r, x) is that of column x of row r.
    template <typename LevelAt>
    void SetFirstLevels(LevelAt&& levelAt) {
        int32_t* next = NextLevels();
        for (uint32_t x = 0; x < width_; ++x) {
            SetLevels(next, x, levelAt);
        }
    }

    // Packs the decisions of lane `row` like PackRow; the bytes of `white_` are little-endian lanes.
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

    // Runs the four chains over rows y to y + 3 of the image, the rows above being those of the previous
    // call; meanwhile takes the levels of the next four rows from levelAt, between the steps that wait.
    template <typename LevelAt>
    void Decide(uint32_t y, LevelAt&& levelAt) {
        std::swap(current_, previous_);
        levelsNow_ = 1 - levelsNow_;
        int32_t* next = NextLevels();
        // Everything the steps use in locals: the stores of the errors could alias the members.
        const Pass pass{Errors(previous_, 0),
                        Errors(current_, 0),
                        levels_.data() + levelsNow_ * kRows * steps_,
                        thresholds_.data() + (y / kRows) % kPhases * kRows * steps_,
                        white_.data(),
                        static_cast<int32_t>(width_)};
        Chains chains{};
        const uint32_t width = width_;
        const uint32_t steps = steps_;
        const uint32_t full = std::min(width, kLastLag);
        uint32_t s = 0;
        for (; s < full; ++s) {
            Step<true>(pass, s, chains);
            SetLevels(next, s, levelAt);
        }
        for (; s < width; ++s) {
            Step<false>(pass, s, chains);
            SetLevels(next, s, levelAt);
        }
        for (; s < steps; ++s) {
            Step<true>(pass, s, chains);
        }
    }

  private:
    static constexpr uint32_t kLag = 2;
    static constexpr uint32_t kLastLag = kLag * (kRows - 1);
    // Steps read before the first and after the last, all zero.
    static constexpr uint32_t kBefore = 4;
    static constexpr uint32_t kAfter = 8;
    static constexpr uint32_t kPhases = 2;

    int32_t* NextLevels() { return levels_.data() + (1 - levelsNow_) * kRows * steps_; }

    // Column x of the four rows, each at its own step.
    template <typename LevelAt>
    static void SetLevels(int32_t* levels, uint32_t x, LevelAt& levelAt) {
        for (uint32_t r = 0; r < kRows; ++r) {
            Lane(levels, r)[kRows * x] = levelAt(r, x);
        }
    }

    // Column 0 of lane `row` in four lanes a step.
    static int32_t* Lane(int32_t* steps, uint32_t row) { return steps + kRows * kLag * row + row; }

    // The errors of step s, in one of the two sets of four rows.
    int32_t* Errors(uint32_t which, uint32_t s) {
        return errors_.data() + kRows * (which * (steps_ + kBefore + kAfter) + kBefore + s);
    }
    static __m128i Load(const int32_t* lanes) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes)); }

    // Division by 4 and by 8 truncating toward zero: negative sums are raised by 3 or 7 first.
    static __m128i Quarter(__m128i sum) {
        return _mm_srai_epi32(_mm_add_epi32(sum, _mm_srli_epi32(_mm_srai_epi32(sum, 31), 30)), 2);
    }
    static __m128i Eighth(__m128i sum) {
        return _mm_srai_epi32(_mm_add_epi32(sum, _mm_srli_epi32(_mm_srai_epi32(sum, 31), 29)), 3);
    }

    // Lanes 1..3 from `own` one lane down, lane 0 from the last lane of `previous`.
    static __m128i OneLaneDown(__m128i own, __m128i previous) {
        return _mm_or_si128(_mm_slli_si128(own, 4), _mm_srli_si128(previous, 12));
    }

    // The errors of the last four steps, kept in registers: each step waits for the one before.
    struct Chains {
        __m128i before;
        __m128i twoBefore;
        __m128i threeBefore;
        __m128i fourBefore;
    };

    struct Pass {
        const int32_t* above;
        int32_t* own;
        const int32_t* levels;
        const int32_t* thresholds;
        uint8_t* white;
        int32_t width;
    };

    template <bool kEdge>
    static void Step(const Pass& pass, uint32_t s, Chains& chains) {
        const int32_t* above = pass.above + kRows * s;
        // Column p of lane r reads the row above at p - 1, p and p + 1, and the row two above at p.
        const __m128i aboveLeft = OneLaneDown(chains.threeBefore, Load(above + 5 * kRows));
        const __m128i aboveSame = OneLaneDown(chains.twoBefore, Load(above + 6 * kRows));
        const __m128i twoAbove =
            _mm_or_si128(_mm_slli_si128(chains.fourBefore, 8), _mm_srli_si128(Load(above + 4 * kRows), 8));
        // The row above at p + 1 is the newest error but one lane down: it is added last, the lanes from
        // the previous rows first, so that the chain from the step before is as short as it can be.
        const __m128i others =
            _mm_add_epi32(_mm_add_epi32(twoAbove, aboveLeft),
                          _mm_add_epi32(chains.twoBefore, _mm_srli_si128(Load(above + 7 * kRows), 12)));
        const __m128i v = _mm_add_epi32(
            _mm_add_epi32(Load(pass.levels + kRows * s), Quarter(_mm_add_epi32(aboveSame, chains.before))),
            Eighth(_mm_add_epi32(others, _mm_slli_si128(chains.before, 4))));
        const __m128i black = _mm_cmplt_epi32(v, Load(pass.thresholds + kRows * s));
        __m128i error = _mm_sub_epi32(v, _mm_andnot_si128(black, _mm_set1_epi32(255)));
        if constexpr (kEdge) {
            error = _mm_and_si128(error, InsideLanes(s, pass.width));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pass.own + kRows * s), error);
        pass.white[s] = static_cast<uint8_t>(~_mm_movemask_ps(_mm_castsi128_ps(black)) & 0xF);
        chains = {error, chains.before, chains.twoBefore, chains.threeBefore};
    }

    // All ones in the lanes whose column at step s lies in the image.
    static __m128i InsideLanes(uint32_t s, int32_t width) {
        const __m128i column = _mm_sub_epi32(_mm_set1_epi32(static_cast<int32_t>(s)), _mm_setr_epi32(0, 2, 4, 6));
        const __m128i outside = _mm_or_si128(_mm_cmplt_epi32(column, _mm_setzero_si128()),
                                             _mm_cmpgt_epi32(column, _mm_set1_epi32(width - 1)));
        return _mm_xor_si128(outside, _mm_set1_epi32(-1));
    }

    uint32_t width_;
    uint32_t steps_;
    // Four lanes a step.
    std::vector<int32_t> errors_;
    std::vector<int32_t> levels_;
    std::vector<int32_t> thresholds_;
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
        FourRowDiffusion diffusion(columns, HalftoneMatrixFor(mode));
        // The rows of the set of four from row y; past the last row, the last row again, never written.
        const auto levelsFrom = [&](uint32_t y) {
            std::array<const uint8_t*, FourRowDiffusion::kRows> pixels{};
            for (uint32_t r = 0; r < FourRowDiffusion::kRows; ++r) {
                pixels[r] = source + std::min(y + r, rows - 1) * rowBytes;
            }
            return [&level, pixels](uint32_t r, uint32_t x) { return level(pixels[r] + 3 * x); };
        };
        diffusion.SetFirstLevels(levelsFrom(0));
        for (uint32_t y = 0; y < rows; y += FourRowDiffusion::kRows) {
            diffusion.Decide(y, levelsFrom(std::min(y + FourRowDiffusion::kRows, rows - 1)));
            for (uint32_t r = 0; r < std::min(rows - y, FourRowDiffusion::kRows); ++r) {
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
