// The pixel loops of the colour matrix: the table lookups into the lanes of SSE2 vectors, the matrix on those vectors.
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

// Sixteen pixels from their blue, green and red planes to 48 bytes of blue, green, red triples. Four
// pixels at a time become 32-bit blue, green, red, 0 words, each 64-bit half is squeezed to its two
// pixels' 6 bytes and the halves are joined to 12 bytes; the four twelves fill three 16-byte stores.
inline void StoreInterleaved(__m128i blue, __m128i green, __m128i red, uint8_t* target) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i blueGreen[2] = {_mm_unpacklo_epi8(blue, green), _mm_unpackhi_epi8(blue, green)};
    const __m128i redZero[2] = {_mm_unpacklo_epi8(red, zero), _mm_unpackhi_epi8(red, zero)};
    const __m128i lowPixel = _mm_set1_epi64x(0x0000000000FFFFFF);
    const __m128i highPixel = _mm_set1_epi64x(0x0000FFFFFF000000);
    const __m128i firstSix = _mm_set_epi32(0, 0, 0x0000FFFF, -1);
    const __m128i nextSix = _mm_set_epi32(0, -1, static_cast<int32_t>(0xFFFF0000u), 0);
    __m128i twelves[4];
    for (int i = 0; i < 4; ++i) {
        const __m128i words = (i % 2 == 0) ? _mm_unpacklo_epi16(blueGreen[i / 2], redZero[i / 2])
                                           : _mm_unpackhi_epi16(blueGreen[i / 2], redZero[i / 2]);
        const __m128i sixes =
            _mm_or_si128(_mm_and_si128(words, lowPixel), _mm_and_si128(_mm_srli_epi64(words, 8), highPixel));
        twelves[i] = _mm_or_si128(_mm_and_si128(sixes, firstSix), _mm_and_si128(_mm_srli_si128(sixes, 2), nextSix));
    }
    auto* out = reinterpret_cast<__m128i*>(target);
    _mm_storeu_si128(out, _mm_or_si128(twelves[0], _mm_slli_si128(twelves[1], 12)));
    _mm_storeu_si128(out + 1, _mm_or_si128(_mm_srli_si128(twelves[1], 4), _mm_slli_si128(twelves[2], 8)));
    _mm_storeu_si128(out + 2, _mm_or_si128(_mm_srli_si128(twelves[2], 8), _mm_slli_si128(twelves[3], 4)));
}

// A row a block at a time: the table lookups straight into the 32-bit lanes the
// matrix multiplies (blue and green levels paired, red beside a zero), then the matrix on vectors of those
// lanes, stored as pixels. The pixels beyond the last whole block go one at a time.
class TableMatrixMapper {
  public:
    TableMatrixMapper(const DisplayTables& tables, const ColourMatrix& matrix, uint32_t width)
        : blue_(tables[kChannelBlue]),
          green_(tables[kChannelGreen]),
          red_(tables[kChannelRed]),
          m_(matrix),
          blockWidth_(FitsSixteenBits(matrix) ? width / kBlockPixels * kBlockPixels : 0),
          coefficients_{CoefficientsOf(matrix[0]), CoefficientsOf(matrix[1]), CoefficientsOf(matrix[2])} {
        for (uint32_t v = 0; v < 256; ++v) {
            blueLanes_[v] = blue_[v];
            greenLanes_[v] = uint32_t{green_[v]} << 16;
            redLanes_[v] = red_[v];
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

    // Sixteen pixels through the tables and the matrix. Four pixels at a time are read as one 8-byte and
    // one 4-byte word (the bytes in memory order on this little-endian target), and their lanes are
    // written two pixels to a 64-bit word, which halves the loads and stores of the lookups.
    void Block(const uint8_t* source, uint8_t* target) const {
        alignas(16) uint64_t blueGreenLanes[kBlockPixels / 2];
        alignas(16) uint64_t redLanes[kBlockPixels / 2];
        for (uint32_t i = 0; i < kBlockPixels / 2; i += 2, source += 12) {
            uint64_t low;
            uint32_t high;
            std::memcpy(&low, source, sizeof low);
            std::memcpy(&high, source + 8, sizeof high);
            const auto byte = [](uint64_t bytes, int index) { return static_cast<uint8_t>(bytes >> (8 * index)); };
            blueGreenLanes[i] = (blueLanes_[byte(low, 0)] | greenLanes_[byte(low, 1)]) |
                                uint64_t{blueLanes_[byte(low, 3)] | greenLanes_[byte(low, 4)]} << 32;
            redLanes[i] = redLanes_[byte(low, 2)] | uint64_t{redLanes_[byte(low, 5)]} << 32;
            blueGreenLanes[i + 1] = (blueLanes_[byte(low, 6)] | greenLanes_[byte(low, 7)]) |
                                    uint64_t{blueLanes_[byte(high, 1)] | greenLanes_[byte(high, 2)]} << 32;
            redLanes[i + 1] = redLanes_[byte(high, 0)] | uint64_t{redLanes_[byte(high, 3)]} << 32;
        }
        __m128i blueGreen[4];
        __m128i redZero[4];
        for (int i = 0; i < 4; ++i) {
            blueGreen[i] = _mm_load_si128(reinterpret_cast<const __m128i*>(blueGreenLanes) + i);
            redZero[i] = _mm_load_si128(reinterpret_cast<const __m128i*>(redLanes) + i);
        }
        StoreInterleaved(ChannelBlock(coefficients_[0], blueGreen, redZero),
                         ChannelBlock(coefficients_[1], blueGreen, redZero),
                         ChannelBlock(coefficients_[2], blueGreen, redZero), target);
    }

    const ToneCurve& blue_;
    const ToneCurve& green_;
    const ToneCurve& red_;
    const ColourMatrix m_;
    const uint32_t blockWidth_;  // the pixels the vector pass takes: whole blocks, none for a wide matrix
    const ChannelCoefficients coefficients_[3];
    // The tables' levels placed in the lanes of a block: blue low, green high, red low.
    uint32_t blueLanes_[256];
    uint32_t greenLanes_[256];
    uint32_t redLanes_[256];
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
