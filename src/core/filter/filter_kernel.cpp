#include "core/filter/filter_kernel.h"

#include <emmintrin.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <utility>

#include "core/filter/filter_weights.h"

namespace korva {

namespace {

enum class Family { Sharpen, Smooth, Luminance };

constexpr int kReciprocalShift = 40;
// Room after every working line: the vector loops run past the last sample into it.
constexpr size_t kLinePadding = 48;

// The constants of the window average, built once per kernel size.
struct AverageTables {
    // Weights of groups 2p and 2p + 1 in the low and high half of entry p, for _mm_madd_epi16.
    std::array<int32_t, (kFilterGroupCount + 1) / 2> weightPairs;
    // For S <= 255 * divisor < 2^22, (S * reciprocal) >> 40 equals S / divisor exactly; it fits 32 bits
    // because every divisor is above 256.
    uint32_t reciprocal;
};

// The working lines of one output line: the 2R + 1 ring lines, top to bottom, each pointing at column
// 0 with R replicated pixels on either side; R + 1 lines of vertical sums; one line of window averages.
struct LineBuffers {
    const uint8_t* const* rows;
    int16_t* const* sums;
    uint8_t* averages;
};

constexpr std::array<uint16_t, 256> ScaledBytes(uint16_t factor) {
    std::array<uint16_t, 256> table{};
    for (int v = 0; v < 256; ++v) {
        table[v] = static_cast<uint16_t>(factor * v);
    }
    return table;
}

// Luminance Y = (38 red + 76 green + 14 blue) >> 7.
constexpr std::array<uint16_t, 256> kLumaRed = ScaledBytes(38);
constexpr std::array<uint16_t, 256> kLumaGreen = ScaledBytes(76);
constexpr std::array<uint16_t, 256> kLumaBlue = ScaledBytes(14);

// Samples are bytes, or 16-bit samples of which the kernels handle the range 0..255 (larger values
// count as 255).
template <typename Sample>
inline int32_t LoadSample(const uint8_t* line, size_t index) {
    if constexpr (sizeof(Sample) == 1) {
        return line[index];
    } else {
        uint16_t v;
        std::memcpy(&v, line + 2 * index, 2);
        return v < 255 ? v : 255;
    }
}

template <typename Sample>
inline void StoreSample(uint8_t* line, size_t index, int32_t value) {
    if constexpr (sizeof(Sample) == 1) {
        line[index] = static_cast<uint8_t>(value);
    } else {
        const auto v = static_cast<uint16_t>(value);
        std::memcpy(line + 2 * index, &v, 2);
    }
}

// Stores sixteen levels as samples index..index + 15.
template <typename Sample>
inline void StoreSixteen(uint8_t* line, size_t index, __m128i levels) {
    if constexpr (sizeof(Sample) == 1) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line + index), levels);
    } else {
        const __m128i zero = _mm_setzero_si128();
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line + 2 * index), _mm_unpacklo_epi8(levels, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line + 2 * index + 16), _mm_unpackhi_epi8(levels, zero));
    }
}

inline __m128i LoadWords(const int16_t* words) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(words));
}

inline int32_t ClampLevel(int32_t v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

// Copies a source line into a ring line (one byte per sample, or one luminance byte per pixel) and
// replicates its first and last pixel R times beyond the edges. `line` points at column 0.
template <typename Sample, int C, int R, Family F>
void LoadRingLine(uint8_t* line, const uint8_t* source, uint32_t width) {
    constexpr int kStep = F == Family::Luminance ? 1 : C;
    if constexpr (F == Family::Luminance) {
        for (uint32_t x = 0; x < width; ++x) {
            const int32_t blue = LoadSample<Sample>(source, 3 * x);
            const int32_t green = LoadSample<Sample>(source, 3 * x + 1);
            const int32_t red = LoadSample<Sample>(source, 3 * x + 2);
            line[x] = static_cast<uint8_t>((kLumaRed[red] + kLumaGreen[green] + kLumaBlue[blue]) >> 7);
        }
    } else if constexpr (sizeof(Sample) == 1) {
        std::memcpy(line, source, static_cast<size_t>(width) * C);
    } else {
        for (size_t i = 0; i < static_cast<size_t>(width) * C; ++i) {
            line[i] = static_cast<uint8_t>(LoadSample<Sample>(source, i));
        }
    }
    const ptrdiff_t last = static_cast<ptrdiff_t>(width - 1) * kStep;
    for (int p = 1; p <= R; ++p) {
        for (int ch = 0; ch < kStep; ++ch) {
            line[-p * kStep + ch] = line[ch];
            line[last + p * kStep + ch] = line[last + ch];
        }
    }
}

// Vertical sums of the window's rows for samples [-R * S, n + R * S + 8), sixteen at a time: line d
// holds row(-d) + row(+d), line 0 the centre row.
template <int R, int S>
void VerticalSums(const LineBuffers& b, ptrdiff_t n) {
    const __m128i zero = _mm_setzero_si128();
    for (ptrdiff_t i = -R * S; i < n + R * S + 8; i += 16) {
        const __m128i centre = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b.rows[R] + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(b.sums[0] + i), _mm_unpacklo_epi8(centre, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(b.sums[0] + i + 8), _mm_unpackhi_epi8(centre, zero));
        for (int d = 1; d <= R; ++d) {
            const __m128i above = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b.rows[R - d] + i));
            const __m128i below = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b.rows[R + d] + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(b.sums[d] + i),
                             _mm_add_epi16(_mm_unpacklo_epi8(above, zero), _mm_unpacklo_epi8(below, zero)));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(b.sums[d] + i + 8),
                             _mm_add_epi16(_mm_unpackhi_epi8(above, zero), _mm_unpackhi_epi8(below, zero)));
        }
    }
}

// The high offset of group g: the largest h with h (h + 1) / 2 <= g.
constexpr int GroupHigh(int g) {
    int h = 0;
    while ((h + 1) * (h + 2) / 2 <= g) {
        ++h;
    }
    return h;
}

// The sum of the samples of group g (offsets low <= high) around eight samples at i, from the vertical
// sums: the members (+-low, +-high) and (+-high, +-low), each position once.
template <int S, int G>
inline __m128i GroupSum(const int16_t* const* v, ptrdiff_t i) {
    constexpr int kHigh = GroupHigh(G);
    constexpr int kLow = G - kHigh * (kHigh + 1) / 2;
    if constexpr (kHigh == 0) {
        return LoadWords(v[0] + i);
    } else if constexpr (kLow == 0) {
        return _mm_add_epi16(LoadWords(v[kHigh] + i),
                             _mm_add_epi16(LoadWords(v[0] + i - kHigh * S), LoadWords(v[0] + i + kHigh * S)));
    } else if constexpr (kLow == kHigh) {
        return _mm_add_epi16(LoadWords(v[kLow] + i - kLow * S), LoadWords(v[kLow] + i + kLow * S));
    } else {
        return _mm_add_epi16(_mm_add_epi16(LoadWords(v[kHigh] + i - kLow * S), LoadWords(v[kHigh] + i + kLow * S)),
                             _mm_add_epi16(LoadWords(v[kLow] + i - kHigh * S), LoadWords(v[kLow] + i + kHigh * S)));
    }
}

// Adds weight * group sum of the groups 2P and 2P + 1 (a missing last group counts as zero) to the
// 32-bit sums of the low and high four samples.
template <int S, int Groups, int P>
inline void AddGroupPair(const int16_t* const* v, ptrdiff_t i, const __m128i* pairs, __m128i& low, __m128i& high) {
    const __m128i first = GroupSum<S, 2 * P>(v, i);
    __m128i second = _mm_setzero_si128();
    if constexpr (2 * P + 1 < Groups) {
        second = GroupSum<S, 2 * P + 1>(v, i);
    }
    low = _mm_add_epi32(low, _mm_madd_epi16(_mm_unpacklo_epi16(first, second), pairs[P]));
    high = _mm_add_epi32(high, _mm_madd_epi16(_mm_unpackhi_epi16(first, second), pairs[P]));
}

// Four exact quotients S / divisor of 32-bit sums below 2^22.
inline __m128i DivideSums(__m128i sums, __m128i reciprocal) {
    const __m128i even = _mm_srli_epi64(_mm_mul_epu32(sums, reciprocal), kReciprocalShift);
    const __m128i odd = _mm_srli_epi64(_mm_mul_epu32(_mm_srli_epi64(sums, 32), reciprocal), kReciprocalShift - 32);
    return _mm_or_si128(even, _mm_and_si128(odd, _mm_set_epi32(-1, 0, -1, 0)));
}

// Window averages of samples [0, n) (and a few beyond, into the padding), S bytes apart, for any weights.
template <int R, int S, int... P>
void WeightedAverages(const LineBuffers& b, ptrdiff_t n, const AverageTables& t, std::integer_sequence<int, P...>) {
    constexpr int kGroups = FilterGroupsOfClass(R);
    const __m128i pairs[] = {_mm_set1_epi32(t.weightPairs[P])...};
    const __m128i reciprocal = _mm_set1_epi32(static_cast<int32_t>(t.reciprocal));
    VerticalSums<R, S>(b, n);
    for (ptrdiff_t i = 0; i < n; i += 8) {
        __m128i low = _mm_setzero_si128();
        __m128i high = _mm_setzero_si128();
        (AddGroupPair<S, kGroups, P>(b.sums, i, pairs, low, high), ...);
        const __m128i averages = _mm_packs_epi32(DivideSums(low, reciprocal), DivideSums(high, reciprocal));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(b.averages + i), _mm_packus_epi16(averages, averages));
    }
}

template <int R, int S>
void WindowAverages(const LineBuffers& b, ptrdiff_t n, const AverageTables& t) {
    WeightedAverages<R, S>(b, n, t, std::make_integer_sequence<int, (FilterGroupsOfClass(R) + 1) / 2>{});
}

// Weights 4:2:1 in a 3 x 3 window make the binomial blur: a (1 2 1) column sum, then a (1 2 1) row sum
// of those, over 16. Every step stays below 2^12, so the whole average is exact in 16 bits.
template <int S>
void BinomialAverages(const LineBuffers& b, ptrdiff_t n, const AverageTables&) {
    const __m128i zero = _mm_setzero_si128();
    int16_t* column = b.sums[0];
    for (ptrdiff_t i = -S; i < n + S + 8; i += 16) {
        const __m128i above = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b.rows[0] + i));
        const __m128i centre = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b.rows[1] + i));
        const __m128i below = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b.rows[2] + i));
        const __m128i lowSum =
            _mm_add_epi16(_mm_add_epi16(_mm_unpacklo_epi8(above, zero), _mm_unpacklo_epi8(below, zero)),
                          _mm_slli_epi16(_mm_unpacklo_epi8(centre, zero), 1));
        const __m128i highSum =
            _mm_add_epi16(_mm_add_epi16(_mm_unpackhi_epi8(above, zero), _mm_unpackhi_epi8(below, zero)),
                          _mm_slli_epi16(_mm_unpackhi_epi8(centre, zero), 1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(column + i), lowSum);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(column + i + 8), highSum);
    }
    for (ptrdiff_t i = 0; i < n; i += 16) {
        const __m128i low = _mm_add_epi16(_mm_add_epi16(LoadWords(column + i - S), LoadWords(column + i + S)),
                                          _mm_slli_epi16(LoadWords(column + i), 1));
        const __m128i high = _mm_add_epi16(_mm_add_epi16(LoadWords(column + i + 8 - S), LoadWords(column + i + 8 + S)),
                                           _mm_slli_epi16(LoadWords(column + i + 8), 1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(b.averages + i),
                         _mm_packus_epi16(_mm_srli_epi16(low, 4), _mm_srli_epi16(high, 4)));
    }
}

using AverageWorker = void (*)(const LineBuffers&, ptrdiff_t, const AverageTables&);

template <int S>
AverageWorker AverageWorkerOfStep(uint32_t sizeClass, bool binomial) {
    static constexpr std::array<AverageWorker, kFilterMaxSizeClass> kByClass = {
        &WindowAverages<1, S>, &WindowAverages<2, S>, &WindowAverages<3, S>, &WindowAverages<4, S>};
    return binomial ? &BinomialAverages<S> : kByClass[sizeClass - 1];
}

// The scaled, thresholded difference of the unsharp mask: d = (difference * amount) / 100 truncated
// toward zero, then moved toward zero by the threshold (differences within it vanish). `table` holds it
// for every difference -255..255 (indexed from its middle); the vector form computes it as
// |d| = |diff| * (amount / 100) + (|diff| * (amount % 100)) / 100, the last division as a multiply by
// 5243 / 2^19, exact below 43690.
struct Sharpening {
    const int32_t* table;
    int16_t whole;
    int16_t fraction;
    int16_t threshold;
};

// The thresholded |d| of eight differences |diff| (16-bit lanes); an amount that is a multiple of 100
// needs no hundredths.
template <bool Hundredths>
inline __m128i ScaledMagnitude(__m128i magnitude, const Sharpening& s) {
    __m128i scaled = _mm_mullo_epi16(magnitude, _mm_set1_epi16(s.whole));
    if constexpr (Hundredths) {
        const __m128i parts = _mm_mullo_epi16(magnitude, _mm_set1_epi16(s.fraction));
        scaled = _mm_add_epi16(scaled, _mm_srli_epi16(_mm_mulhi_epu16(parts, _mm_set1_epi16(5243)), 3));
    }
    return _mm_subs_epu16(scaled, _mm_set1_epi16(s.threshold));
}

// Per-channel unsharp mask of samples [begin, end) from the centre ring line and the averages, sixteen
// at a time in bytes: the shift saturates at 255, which the clamped result cannot tell from more.
template <typename Sample, bool Hundredths>
void SharpenSpan(const uint8_t* centre,
                 const uint8_t* averages,
                 uint8_t* out,
                 size_t begin,
                 size_t end,
                 const Sharpening& s) {
    const __m128i zero = _mm_setzero_si128();
    size_t i = begin;
    for (; i + 16 <= end; i += 16) {
        const __m128i level = _mm_loadu_si128(reinterpret_cast<const __m128i*>(centre + i));
        const __m128i average = _mm_loadu_si128(reinterpret_cast<const __m128i*>(averages + i));
        const __m128i below = _mm_subs_epu8(average, level);
        const __m128i magnitude = _mm_or_si128(_mm_subs_epu8(level, average), below);
        const __m128i shift = _mm_packus_epi16(ScaledMagnitude<Hundredths>(_mm_unpacklo_epi8(magnitude, zero), s),
                                               ScaledMagnitude<Hundredths>(_mm_unpackhi_epi8(magnitude, zero), s));
        const __m128i rising = _mm_cmpeq_epi8(below, zero);
        const __m128i result =
            _mm_subs_epu8(_mm_adds_epu8(level, _mm_and_si128(shift, rising)), _mm_andnot_si128(rising, shift));
        StoreSixteen<Sample>(out, i, result);
    }
    for (; i < end; ++i) {
        StoreSample<Sample>(out, i, ClampLevel(centre[i] + s.table[centre[i] - averages[i]]));
    }
}

template <typename Sample>
void SmoothSpan(const uint8_t* averages, uint8_t* out, size_t begin, size_t end) {
    if constexpr (sizeof(Sample) == 1) {
        std::memcpy(out + begin, averages + begin, end - begin);
    } else {
        for (size_t i = begin; i < end; ++i) {
            StoreSample<Sample>(out, i, averages[i]);
        }
    }
}

// Output pixels [begin, end) of one line.
template <typename Sample, int C, int R, Family F>
void FilterSpan(const LineBuffers& b,
                const uint8_t* centreLine,
                uint8_t* out,
                uint32_t begin,
                uint32_t end,
                const Sharpening& s) {
    if constexpr (F == Family::Luminance) {
        const uint8_t* luma = b.rows[R];
        for (uint32_t x = begin; x < end; ++x) {
            const int32_t add = s.table[luma[x] - b.averages[x]];
            for (size_t i = 3 * x; i < 3 * x + 3; ++i) {
                StoreSample<Sample>(out, i, ClampLevel(LoadSample<Sample>(centreLine, i) + add));
            }
        }
    } else if constexpr (F == Family::Smooth) {
        SmoothSpan<Sample>(b.averages, out, size_t{begin} * C, size_t{end} * C);
    } else {
        const auto sharpen = s.fraction == 0 ? &SharpenSpan<Sample, false> : &SharpenSpan<Sample, true>;
        sharpen(b.rows[R], b.averages, out, size_t{begin} * C, size_t{end} * C, s);
    }
}

// Columns closer than R to both edges (images narrower than 2R + 1) keep their source values.
template <typename Sample, int C, int R, Family F>
void PassSpan(const uint8_t* centreRing, const uint8_t* centreLine, uint8_t* out, uint32_t begin, uint32_t end) {
    for (size_t i = static_cast<size_t>(begin) * C; i < static_cast<size_t>(end) * C; ++i) {
        const int32_t v = F == Family::Luminance ? LoadSample<Sample>(centreLine, i) : centreRing[i];
        StoreSample<Sample>(out, i, v);
    }
}

struct Workspace {
    uint8_t* ring;
    size_t ringLineBytes;
    int16_t* sums;
    size_t sumLineWords;
    uint8_t* averages;
};

struct LinesContext {
    const FilterKernel::Call& call;
    Workspace space;
    AverageWorker average;
    const AverageTables& tables;
    const Sharpening& sharpening;
};

template <typename Sample, int C, int R, Family F>
void FilterLines(const LinesContext& context) {
    constexpr int kStep = F == Family::Luminance ? 1 : C;
    const FilterKernel::Call& call = context.call;
    const FilterBand& work = call.working;
    const uint32_t width = work.width;
    const int64_t lines = work.lines;
    auto sourceLine = [&](int64_t j) -> const uint8_t* {
        return j < 0 ? call.context + (2 * R + j) * call.contextRowBytes : work.pixels + j * work.rowBytes;
    };

    std::array<uint8_t*, 2 * R + 1> ringLines{};
    for (int j = 0; j <= 2 * R; ++j) {
        ringLines[j] = context.space.ring + j * context.space.ringLineBytes + R * kStep;
        LoadRingLine<Sample, C, R, F>(ringLines[j], sourceLine(j - 2 * R), width);
    }
    std::array<int16_t*, R + 1> sums{};
    for (int d = 0; d <= R; ++d) {
        sums[d] = context.space.sums + d * context.space.sumLineWords + R * kStep;
    }

    const uint32_t passBegin = width > static_cast<uint32_t>(R) ? width - R : 0;
    const uint32_t passEnd = std::min<uint32_t>(width, R);
    const bool narrow = passBegin < passEnd;
    const auto samples = static_cast<ptrdiff_t>(width) * kStep;

    int64_t pointer = 0;
    for (int64_t k = 0; k < lines; ++k) {
        std::array<const uint8_t*, 2 * R + 1> window;
        std::copy(ringLines.begin(), ringLines.end(), window.begin());
        const LineBuffers buffers{window.data(), sums.data(), context.space.averages};
        context.average(buffers, samples, context.tables);
        const uint8_t* centreLine = sourceLine(k - R);
        uint8_t* out = call.output + k * work.rowBytes;
        if (narrow) {
            FilterSpan<Sample, C, R, F>(buffers, centreLine, out, 0, passBegin, context.sharpening);
            PassSpan<Sample, C, R, F>(window[R], centreLine, out, passBegin, passEnd);
            FilterSpan<Sample, C, R, F>(buffers, centreLine, out, passEnd, width, context.sharpening);
        } else {
            FilterSpan<Sample, C, R, F>(buffers, centreLine, out, 0, width, context.sharpening);
        }

        if (!(call.lastBand && k >= lines - (R + 1))) {
            ++pointer;
        }
        if (k < lines - 1) {
            std::rotate(ringLines.begin(), ringLines.begin() + 1, ringLines.end());
            LoadRingLine<Sample, C, R, F>(ringLines[2 * R], sourceLine(pointer), width);
        }
    }
}

using LinesWorker = void (*)(const LinesContext&);

template <typename Sample, int C, Family F>
LinesWorker WorkerOfClass(uint32_t sizeClass) {
    static constexpr std::array<LinesWorker, kFilterMaxSizeClass> kByClass = {
        &FilterLines<Sample, C, 1, F>, &FilterLines<Sample, C, 2, F>, &FilterLines<Sample, C, 3, F>,
        &FilterLines<Sample, C, 4, F>};
    return kByClass[sizeClass - 1];
}

// Grey formats share one kernel for both unsharp-mask modes.
template <typename Sample>
LinesWorker GreyWorker(uint32_t sizeClass, uint8_t mode) {
    return mode == kFilterSmooth ? WorkerOfClass<Sample, 1, Family::Smooth>(sizeClass)
                                 : WorkerOfClass<Sample, 1, Family::Sharpen>(sizeClass);
}

template <typename Sample>
LinesWorker ColourWorker(uint32_t sizeClass, uint8_t mode) {
    switch (mode) {
        case kFilterSmooth:
            return WorkerOfClass<Sample, 3, Family::Smooth>(sizeClass);
        case kFilterLuminanceUnsharpMask:
            return WorkerOfClass<Sample, 3, Family::Luminance>(sizeClass);
        default:
            return WorkerOfClass<Sample, 3, Family::Sharpen>(sizeClass);
    }
}

LinesWorker ChooseWorker(uint16_t bitsPerPixel, uint32_t sizeClass, uint8_t mode) {
    switch (bitsPerPixel) {
        case 8:
            return GreyWorker<uint8_t>(sizeClass, mode);
        case 12:
            return GreyWorker<uint16_t>(sizeClass, mode);
        case 24:
            return ColourWorker<uint8_t>(sizeClass, mode);
        case 36:
            return ColourWorker<uint16_t>(sizeClass, mode);
        default:
            return nullptr;
    }
}

// Samples apart of the window's neighbours: three for the channels of colour pixels, one for grey
// samples and the luminance of colour pixels.
AverageWorker ChooseAverage(uint16_t bitsPerPixel, uint32_t sizeClass, uint8_t mode, bool binomial) {
    const bool perChannel = FilterBytesPerPixel(bitsPerPixel) >= 3 && mode != kFilterLuminanceUnsharpMask;
    return perChannel ? AverageWorkerOfStep<3>(sizeClass, binomial) : AverageWorkerOfStep<1>(sizeClass, binomial);
}

std::array<int32_t, 511> BuildDeltaTable(uint32_t amount, uint32_t threshold) {
    std::array<int32_t, 511> table{};
    const auto a = static_cast<int32_t>(amount);
    const auto limit = static_cast<int32_t>(threshold);
    for (int32_t diff = -255; diff <= 255; ++diff) {
        const int32_t d = (diff * a) / 100;
        int32_t add = 0;
        if (d > limit) {
            add = d - limit;
        } else if (-d > limit) {
            add = d + limit;
        }
        table[diff + 255] = add;
    }
    return table;
}

}  // namespace

std::unique_ptr<FilterKernel> FilterKernel::Create(uint32_t kernelSize) {
    std::unique_ptr<FilterKernel> kernel(new (std::nothrow) FilterKernel());
    if (!kernel) {
        return nullptr;
    }
    const FilterWeights& weights = FilterWeightsFor(kernelSize);
    kernel->sizeClass_ = FilterSizeClass(kernelSize);
    kernel->divisor_ = static_cast<uint32_t>(weights.divisor);
    kernel->weights_ = weights.weights;
    const auto& w = weights.weights;
    kernel->binomial_ = kernel->sizeClass_ == 1 && w[0] == 2 * w[1] && w[1] == 2 * w[2];
    return kernel;
}

int32_t FilterKernel::Run(const Call& call) {
    const LinesWorker worker = ChooseWorker(call.working.bitsPerPixel, sizeClass_, call.mode);
    if (!worker) {
        return kFilterNoMemory;
    }
    if (call.working.width == 0) {
        return kFilterOk;
    }
    const size_t r = sizeClass_;
    // Room for three samples per pixel, the most any format keeps, and the margins and padding.
    const size_t lineSamples = (call.working.width + 2 * r) * 3 + kLinePadding;
    if (lineSamples > lineSamples_) {
        ring_.reset(new (std::nothrow) uint8_t[(2 * r + 1) * lineSamples]());
        sums_.reset(new (std::nothrow) int16_t[(r + 1) * lineSamples]());
        averages_.reset(new (std::nothrow) uint8_t[lineSamples]());
        lineSamples_ = ring_ && sums_ && averages_ ? lineSamples : 0;
        if (lineSamples_ == 0) {
            return kFilterNoMemory;
        }
    }

    AverageTables tables{};
    for (int g = 0; g < FilterGroupsOfClass(static_cast<int>(sizeClass_)); ++g) {
        const auto weight = static_cast<uint16_t>(weights_[g]);
        tables.weightPairs[g / 2] |= static_cast<int32_t>(g % 2 == 0 ? weight : uint32_t{weight} << 16);
    }
    tables.reciprocal = static_cast<uint32_t>((uint64_t{1} << kReciprocalShift) / divisor_ + 1);

    const std::array<int32_t, 511> delta = BuildDeltaTable(call.amount, call.threshold);
    const Sharpening sharpening{delta.data() + 255, static_cast<int16_t>(call.amount / 100),
                                static_cast<int16_t>(call.amount % 100), static_cast<int16_t>(call.threshold)};
    const LinesContext context{
        call,
        Workspace{ring_.get(), lineSamples_, sums_.get(), lineSamples_, averages_.get()},
        ChooseAverage(call.working.bitsPerPixel, sizeClass_, call.mode, binomial_),
        tables,
        sharpening,
    };
    worker(context);
    return kFilterOk;
}

}  // namespace korva
