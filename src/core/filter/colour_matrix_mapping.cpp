// The pixel loops of the colour matrix: the table lookups a byte at a time, the matrix on SSE2 vectors.
#include <emmintrin.h>

#include <cstddef>
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

// Pixels handled by one vector step: 16 bytes of each channel.
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

// The coefficients of one output channel as two multiplier vectors for pairs of 16-bit lanes: (blue,
// green) pairs and (red, 0) pairs.
struct ChannelCoefficients {
    __m128i blueGreen;
    __m128i red;
};

ChannelCoefficients CoefficientsOf(const std::array<int32_t, 3>& row) {
    const auto low = [](int32_t m) { return static_cast<uint32_t>(m) & 0xFFFFu; };
    return {_mm_set1_epi32(static_cast<int32_t>(low(row[0]) | (low(row[1]) << 16))),
            _mm_set1_epi32(static_cast<int32_t>(low(row[2])))};
}

// Eight 32-bit sums (low, high) to eight levels in 16-bit lanes. Sums beyond the 16-bit range saturate
// to levels that clamp the same way.
inline __m128i Fiftieths(__m128i low, __m128i high) {
    __m128i sums = _mm_packs_epi32(low, high);
    sums = _mm_max_epi16(sums, _mm_setzero_si128());
    sums = _mm_min_epi16(sums, _mm_set1_epi16(kLargestUnclampedSum));
    return _mm_srli_epi16(_mm_mulhi_epu16(sums, _mm_set1_epi16(kFiftiethMultiplier)), kFiftiethShift);
}

// One output channel of sixteen pixels, from the channels widened to 16 bits and paired.
inline __m128i ChannelBlock(const ChannelCoefficients& c, const __m128i blueGreen[4], const __m128i red[4]) {
    __m128i sums[4];
    for (int i = 0; i < 4; ++i) {
        sums[i] = _mm_add_epi32(_mm_madd_epi16(blueGreen[i], c.blueGreen), _mm_madd_epi16(red[i], c.red));
    }
    return _mm_packus_epi16(Fiftieths(sums[0], sums[1]), Fiftieths(sums[2], sums[3]));
}

class TableMatrixMapper {
  public:
    TableMatrixMapper(const DisplayTables& tables, const ColourMatrix& matrix)
        : blue_(tables[kChannelBlue]),
          green_(tables[kChannelGreen]),
          red_(tables[kChannelRed]),
          m_(matrix),
          vector_(FitsSixteenBits(matrix)),
          coefficients_{CoefficientsOf(matrix[0]), CoefficientsOf(matrix[1]), CoefficientsOf(matrix[2])} {}

    void Row(const uint8_t* source, uint8_t* target, uint32_t width) const {
        uint32_t x = 0;
        if (vector_) {
            for (; x + kBlockPixels <= width; x += kBlockPixels) {
                Block(source + 3 * x, target + 3 * x);
            }
        }
        for (; x < width; ++x) {
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

    // Sixteen pixels: the table lookups one byte at a time, the matrix on vectors of each channel.
    void Block(const uint8_t* source, uint8_t* target) const {
        alignas(16) uint8_t planes[3][kBlockPixels];
        for (uint32_t i = 0; i < kBlockPixels; ++i, source += 3) {
            planes[0][i] = blue_[source[0]];
            planes[1][i] = green_[source[1]];
            planes[2][i] = red_[source[2]];
        }
        const __m128i zero = _mm_setzero_si128();
        const __m128i blue = _mm_load_si128(reinterpret_cast<const __m128i*>(planes[0]));
        const __m128i green = _mm_load_si128(reinterpret_cast<const __m128i*>(planes[1]));
        const __m128i red = _mm_load_si128(reinterpret_cast<const __m128i*>(planes[2]));
        const __m128i blue16[2] = {_mm_unpacklo_epi8(blue, zero), _mm_unpackhi_epi8(blue, zero)};
        const __m128i green16[2] = {_mm_unpacklo_epi8(green, zero), _mm_unpackhi_epi8(green, zero)};
        const __m128i red16[2] = {_mm_unpacklo_epi8(red, zero), _mm_unpackhi_epi8(red, zero)};
        const __m128i blueGreen[4] = {
            _mm_unpacklo_epi16(blue16[0], green16[0]), _mm_unpackhi_epi16(blue16[0], green16[0]),
            _mm_unpacklo_epi16(blue16[1], green16[1]), _mm_unpackhi_epi16(blue16[1], green16[1])};
        const __m128i redZero[4] = {_mm_unpacklo_epi16(red16[0], zero), _mm_unpackhi_epi16(red16[0], zero),
                                    _mm_unpacklo_epi16(red16[1], zero), _mm_unpackhi_epi16(red16[1], zero)};
        for (int c = 0; c < 3; ++c) {
            _mm_store_si128(reinterpret_cast<__m128i*>(planes[c]), ChannelBlock(coefficients_[c], blueGreen, redZero));
        }
        for (uint32_t i = 0; i < kBlockPixels; ++i, target += 3) {
            target[0] = planes[0][i];
            target[1] = planes[1][i];
            target[2] = planes[2][i];
        }
    }

    const ToneCurve& blue_;
    const ToneCurve& green_;
    const ToneCurve& red_;
    const ColourMatrix m_;
    const bool vector_;
    const ChannelCoefficients coefficients_[3];
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
    const TableMatrixMapper mapper(tables, matrix);
    for (uint32_t y = 0; y < height; ++y) {
        mapper.Row(source + y * rowBytes, target + y * rowBytes, width);
    }
}

}  // namespace korva
