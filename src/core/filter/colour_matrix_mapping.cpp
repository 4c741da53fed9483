// The pixel loops of the colour matrix: each channel's table level and coefficients looked up together as
// the terms of the three sums, added and divided in SSE2 vectors.
#include <emmintrin.h>

#include <cstddef>
#include <cstring>
#include <limits>

#include "core/filter/colour_matrix.h"

namespace korva {
namespace {

// sum / 50 truncated toward zero, clamped to 0..255. A negative sum gives at most 0, so the sum is
// clamped at 0 first and divided as an unsigned number. Written with masks rather than comparisons so
// that no branch depends on the pixel data.
inline uint8_t ClampedFiftieth(int32_t sum) {
    const auto positive = static_cast<uint32_t>(sum & ~(sum >> 31));
    const uint32_t level = positive / 50;
    return static_cast<uint8_t>(level | (0u - static_cast<uint32_t>(level > 255)));
}

// Pixels handled by one vector step.
constexpr uint32_t kBlockPixels = 16;

// Clamping the sum to 0..12799 first gives the same level, and below 43690 the fiftieth is exactly the
// high half of sum * 5243 shifted right by 2 more bits.
constexpr int16_t kLargestUnclampedSum = 50 * 256 - 1;
constexpr int16_t kFiftiethMultiplier = 5243;
constexpr int kFiftiethShift = 2;

// The vector step multiplies 16-bit levels by 16-bit coefficients.
bool FitsSixteenBits(const ColourMatrix& matrix) {
    for (const auto& row : matrix) {
        for (const int32_t m : row) {
            if (m < std::numeric_limits<int16_t>::min() || m > std::numeric_limits<int16_t>::max()) {
                return false;
            }
        }
    }
    return true;
}

// Eight 32-bit sums (low, high) to eight levels in 16-bit lanes. Sums beyond the 16-bit range saturate
// to levels that clamp the same way.
inline __m128i Fiftieths(__m128i low, __m128i high) {
    __m128i sums = _mm_packs_epi32(low, high);
    sums = _mm_max_epi16(sums, _mm_setzero_si128());
    sums = _mm_min_epi16(sums, _mm_set1_epi16(kLargestUnclampedSum));
    return _mm_srli_epi16(_mm_mulhi_epu16(sums, _mm_set1_epi16(kFiftiethMultiplier)), kFiftiethShift);
}

// Four pixels' 32-bit blue, green, red, 0 words packed to their 12 bytes in the low three quarters: each
// 64-bit half is squeezed to its two pixels' 6 bytes and the halves are joined.
inline __m128i TwelveBytes(__m128i words) {
    const __m128i lowPixel = _mm_set1_epi64x(0x0000000000FFFFFF);
    const __m128i highPixel = _mm_set1_epi64x(0x0000FFFFFF000000);
    const __m128i firstSix = _mm_set_epi32(0, 0, 0x0000FFFF, -1);
    const __m128i nextSix = _mm_set_epi32(0, -1, static_cast<int32_t>(0xFFFF0000u), 0);
    const __m128i sixes =
        _mm_or_si128(_mm_and_si128(words, lowPixel), _mm_and_si128(_mm_srli_epi64(words, 8), highPixel));
    return _mm_or_si128(_mm_and_si128(sixes, firstSix), _mm_and_si128(_mm_srli_si128(sixes, 2), nextSix));
}

// A row a block at a time. For each level of each input channel a table holds that channel's term of
// every output channel's sum (the coefficient times the display-table level) in the 32-bit lanes blue,
// green, red, 0, so a pixel's three sums are the sum of three table rows. Four pixels' sums become their
// levels in one vector of bytes, which is squeezed to their 12 bytes. The pixels beyond the last whole
// block go one at a time.
class TableMatrixMapper {
  public:
    TableMatrixMapper(const DisplayTables& tables, const ColourMatrix& matrix, uint32_t width)
        : blue_(tables[kChannelBlue]),
          green_(tables[kChannelGreen]),
          red_(tables[kChannelRed]),
          m_(matrix),
          blockWidth_(FitsSixteenBits(matrix) ? width / kBlockPixels * kBlockPixels : 0) {
        if (blockWidth_ == 0) {
            return;  // every pixel goes one at a time; the terms of a wide matrix might not fit 32 bits
        }
        for (uint32_t v = 0; v < 256; ++v) {
            for (size_t c = 0; c < 3; ++c) {
                blueTerms_[v][c] = matrix[c][0] * blue_[v];
                greenTerms_[v][c] = matrix[c][1] * green_[v];
                redTerms_[v][c] = matrix[c][2] * red_[v];
            }
            blueTerms_[v][3] = greenTerms_[v][3] = redTerms_[v][3] = 0;
        }
    }

    void Row(const uint8_t* source, uint8_t* target, uint32_t width) const {
        for (uint32_t x = 0; x < blockWidth_; x += kBlockPixels) {
            Block(source + 3 * x, target + 3 * x);
        }
        for (uint32_t x = blockWidth_; x < width; ++x) {
            Pixel(source + 3 * x, target + 3 * x);
        }
    }

  private:
    void Pixel(const uint8_t* source, uint8_t* target) const {
        const int32_t b = blue_[source[0]];
        const int32_t g = green_[source[1]];
        const int32_t r = red_[source[2]];
        target[0] = ClampedFiftieth(m_[0][0] * b + m_[0][1] * g + m_[0][2] * r);
        target[1] = ClampedFiftieth(m_[1][0] * b + m_[1][1] * g + m_[1][2] * r);
        target[2] = ClampedFiftieth(m_[2][0] * b + m_[2][1] * g + m_[2][2] * r);
    }

    // The three sums of one pixel in the lanes blue, green, red, 0. With 16-bit coefficients every term
    // and sum fits 32 bits.
    __m128i Sums(const uint8_t* source) const {
        const auto row = [](const int32_t(&terms)[256][4], uint8_t level) {
            return _mm_load_si128(reinterpret_cast<const __m128i*>(terms[level]));
        };
        return _mm_add_epi32(_mm_add_epi32(row(blueTerms_, source[0]), row(greenTerms_, source[1])),
                             row(redTerms_, source[2]));
    }

    // Four pixels' 12 bytes in the low three quarters of a vector.
    __m128i FourPixels(const uint8_t* source) const {
        const __m128i levels =
            _mm_packus_epi16(Fiftieths(Sums(source), Sums(source + 3)), Fiftieths(Sums(source + 6), Sums(source + 9)));
        return TwelveBytes(levels);
    }

    // Sixteen pixels: four times four pixels' 12 bytes, joined into three 16-byte stores.
    void Block(const uint8_t* source, uint8_t* target) const {
        const __m128i twelves[4] = {FourPixels(source), FourPixels(source + 12), FourPixels(source + 24),
                                    FourPixels(source + 36)};
        auto* out = reinterpret_cast<__m128i*>(target);
        _mm_storeu_si128(out, _mm_or_si128(twelves[0], _mm_slli_si128(twelves[1], 12)));
        _mm_storeu_si128(out + 1, _mm_or_si128(_mm_srli_si128(twelves[1], 4), _mm_slli_si128(twelves[2], 8)));
        _mm_storeu_si128(out + 2, _mm_or_si128(_mm_srli_si128(twelves[2], 8), _mm_slli_si128(twelves[3], 4)));
    }

    const ToneCurve& blue_;
    const ToneCurve& green_;
    const ToneCurve& red_;
    const ColourMatrix m_;
    const uint32_t blockWidth_;  // the pixels the vector pass takes: whole blocks, none for a wide matrix
    // Each input channel's terms of the output sums by its level, in the lanes blue, green, red, 0.
    alignas(16) int32_t blueTerms_[256][4];
    alignas(16) int32_t greenTerms_[256][4];
    alignas(16) int32_t redTerms_[256][4];
};

void MapThroughTablesOnly(const DisplayTables& tables, const uint8_t* source, uint8_t* target, uint32_t width) {
    const ToneCurve& blue = tables[kChannelBlue];
    const ToneCurve& green = tables[kChannelGreen];
    const ToneCurve& red = tables[kChannelRed];
    for (uint32_t x = 0; x < width; ++x, source += 3, target += 3) {
        const uint8_t b = blue[source[0]];
        const uint8_t g = green[source[1]];
        const uint8_t r = red[source[2]];
        target[0] = b;
        target[1] = g;
        target[2] = r;
    }
}

}  // namespace

void MapThroughTablesAndMatrix(const DisplayTables& tables,
                               const ColourMatrix& matrix,
                               const uint8_t* source,
                               uint8_t* target,
                               uint32_t width,
                               uint32_t height,
                               size_t rowBytes) {
    if (matrix == kIdentityColourMatrix) {
        for (uint32_t y = 0; y < height; ++y) {
            MapThroughTablesOnly(tables, source + y * rowBytes, target + y * rowBytes, width);
        }
        return;
    }
    TableMatrixMapper mapper(tables, matrix, width);
    for (uint32_t y = 0; y < height; ++y) {
        mapper.Row(source + y * rowBytes, target + y * rowBytes, width);
    }
}

}  // namespace korva
