#include "core/filter/filter_kernel.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <utility>

#include "core/filter/filter_weights.h"

namespace korva {

namespace {

enum class Family { Sharpen, Smooth, Luminance };

constexpr int kCentreEntries = 256;
constexpr int kGroupEntries = 1021;  // sums of four 8-bit samples
constexpr int kReciprocalShift = 40;

// Product tables and the divisor's reciprocal: for S <= 255 * divisor < 2^22, (S * reciprocal) >> 40
// equals S / divisor exactly.
struct Tables {
    const int32_t* centre;
    std::array<const int32_t*, kFilterGroupCount> group;
    uint64_t reciprocal;
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

// The 2R + 1 ring lines of one output line, top to bottom, each pointing at column 0.
template <int R>
struct Window {
    std::array<const uint8_t*, 2 * R + 1> rows;
};

template <int R, int Step, int DX, int DY>
inline int32_t At(const Window<R>& w, ptrdiff_t i) {
    return w.rows[R + DY][i + DX * Step];
}

// The products of group (A, B), A <= B: four samples on an axis or a diagonal in one lookup, the eight
// of an off-axis group in two.
template <int R, int Step, int A, int B>
inline int32_t GroupProducts(const Window<R>& w, ptrdiff_t i, const Tables& t) {
    const int32_t* table = t.group[FilterGroup(A, B)];
    if constexpr (A == 0) {
        return table[At<R, Step, 0, -B>(w, i) + At<R, Step, 0, B>(w, i) + At<R, Step, -B, 0>(w, i) +
                     At<R, Step, B, 0>(w, i)];
    } else if constexpr (A == B) {
        return table[At<R, Step, -A, -A>(w, i) + At<R, Step, A, -A>(w, i) + At<R, Step, -A, A>(w, i) +
                     At<R, Step, A, A>(w, i)];
    } else {
        return table[At<R, Step, -A, -B>(w, i) + At<R, Step, A, -B>(w, i) + At<R, Step, -A, B>(w, i) +
                     At<R, Step, A, B>(w, i)] +
               table[At<R, Step, -B, -A>(w, i) + At<R, Step, B, -A>(w, i) + At<R, Step, -B, A>(w, i) +
                     At<R, Step, B, A>(w, i)];
    }
}

template <int R, int Step, int B, int... A>
inline int32_t RingProducts(const Window<R>& w, ptrdiff_t i, const Tables& t, std::integer_sequence<int, A...>) {
    return (GroupProducts<R, Step, A, B>(w, i, t) + ...);
}

template <int R, int Step, int... B>
inline int32_t WindowProducts(const Window<R>& w, ptrdiff_t i, const Tables& t, std::integer_sequence<int, B...>) {
    return (RingProducts<R, Step, B + 1>(w, i, t, std::make_integer_sequence<int, B + 2>{}) + ...);
}

// The weighted average of the window around sample i.
template <int R, int Step>
inline int32_t WindowAverage(const Window<R>& w, ptrdiff_t i, const Tables& t) {
    const int32_t sum = t.centre[w.rows[R][i]] + WindowProducts<R, Step>(w, i, t, std::make_integer_sequence<int, R>{});
    return static_cast<int32_t>((static_cast<uint64_t>(sum) * t.reciprocal) >> kReciprocalShift);
}

// Output columns [begin, end) of one line. `delta` is indexed by centre minus average (-255..255) and
// gives the scaled, thresholded difference to add.
template <typename Sample, int C, int R, Family F>
void FilterSpan(const Window<R>& w,
                const uint8_t* centreLine,
                uint8_t* out,
                uint32_t begin,
                uint32_t end,
                const Tables& t,
                const int32_t* delta) {
    if constexpr (F == Family::Luminance) {
        for (uint32_t x = begin; x < end; ++x) {
            const int32_t luma = w.rows[R][x];
            const int32_t add = delta[luma - WindowAverage<R, 1>(w, x, t)];
            for (size_t i = 3 * x; i < 3 * x + 3; ++i) {
                StoreSample<Sample>(out, i, ClampLevel(LoadSample<Sample>(centreLine, i) + add));
            }
        }
    } else {
        for (size_t i = static_cast<size_t>(begin) * C; i < static_cast<size_t>(end) * C; ++i) {
            const int32_t average = WindowAverage<R, C>(w, static_cast<ptrdiff_t>(i), t);
            if constexpr (F == Family::Smooth) {
                StoreSample<Sample>(out, i, average);
            } else {
                const int32_t centre = w.rows[R][i];
                StoreSample<Sample>(out, i, ClampLevel(centre + delta[centre - average]));
            }
        }
    }
}

// Columns closer than R to both edges (images narrower than 2R + 1) keep their source values.
template <typename Sample, int C, int R, Family F>
void PassSpan(const Window<R>& w, const uint8_t* centreLine, uint8_t* out, uint32_t begin, uint32_t end) {
    for (size_t i = static_cast<size_t>(begin) * C; i < static_cast<size_t>(end) * C; ++i) {
        const int32_t v = F == Family::Luminance ? LoadSample<Sample>(centreLine, i) : w.rows[R][i];
        StoreSample<Sample>(out, i, v);
    }
}

struct RingMemory {
    uint8_t* base;
    size_t lineBytes;
};

template <typename Sample, int C, int R, Family F>
void FilterLines(const Tables& t, RingMemory ring, const FilterKernel::Call& call, const int32_t* delta) {
    constexpr int kStep = F == Family::Luminance ? 1 : C;
    const FilterBand& work = call.working;
    const uint32_t width = work.width;
    const int64_t lines = work.lines;
    auto sourceLine = [&](int64_t j) -> const uint8_t* {
        return j < 0 ? call.context + (2 * R + j) * call.contextRowBytes : work.pixels + j * work.rowBytes;
    };

    std::array<uint8_t*, 2 * R + 1> ringLines{};
    for (int j = 0; j <= 2 * R; ++j) {
        ringLines[j] = ring.base + j * ring.lineBytes + R * kStep;
        LoadRingLine<Sample, C, R, F>(ringLines[j], sourceLine(j - 2 * R), width);
    }

    const uint32_t passBegin = width > static_cast<uint32_t>(R) ? width - R : 0;
    const uint32_t passEnd = std::min<uint32_t>(width, R);
    const bool narrow = passBegin < passEnd;

    int64_t pointer = 0;
    for (int64_t k = 0; k < lines; ++k) {
        Window<R> window;
        std::copy(ringLines.begin(), ringLines.end(), window.rows.begin());
        const uint8_t* centreLine = sourceLine(k - R);
        uint8_t* out = call.output + k * work.rowBytes;
        if (narrow) {
            FilterSpan<Sample, C, R, F>(window, centreLine, out, 0, passBegin, t, delta);
            PassSpan<Sample, C, R, F>(window, centreLine, out, passBegin, passEnd);
            FilterSpan<Sample, C, R, F>(window, centreLine, out, passEnd, width, t, delta);
        } else {
            FilterSpan<Sample, C, R, F>(window, centreLine, out, 0, width, t, delta);
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

using LinesWorker = void (*)(const Tables&, RingMemory, const FilterKernel::Call&, const int32_t*);

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

// Soft threshold: differences within +-threshold vanish, larger ones shrink by the threshold.
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
    const int groups = FilterGroupsOfClass(static_cast<int>(kernel->sizeClass_));
    kernel->products_.reset(new (std::nothrow) int32_t[kCentreEntries + (groups - 1) * kGroupEntries]);
    if (!kernel->products_) {
        return nullptr;
    }
    int32_t* table = kernel->products_.get();
    for (int v = 0; v < kCentreEntries; ++v) {
        table[v] = weights.weights[0] * v;
    }
    table += kCentreEntries;
    for (int g = 1; g < groups; ++g, table += kGroupEntries) {
        for (int v = 0; v < kGroupEntries; ++v) {
            table[v] = weights.weights[g] * v;
        }
    }
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
    // Room for three samples per pixel, the most any format keeps.
    const size_t ringLineBytes = (call.working.width + 2 * r) * 3;
    if (ringLineBytes > ringLineBytes_) {
        ring_.reset(new (std::nothrow) uint8_t[(2 * r + 1) * ringLineBytes]);
        if (!ring_) {
            ringLineBytes_ = 0;
            return kFilterNoMemory;
        }
        ringLineBytes_ = ringLineBytes;
    }

    Tables tables{};
    tables.centre = products_.get();
    const int groups = FilterGroupsOfClass(static_cast<int>(sizeClass_));
    for (int g = 1; g < groups; ++g) {
        tables.group[g] = products_.get() + kCentreEntries + (g - 1) * kGroupEntries;
    }
    tables.reciprocal = (uint64_t{1} << kReciprocalShift) / divisor_ + 1;

    const std::array<int32_t, 511> delta = BuildDeltaTable(call.amount, call.threshold);
    worker(tables, RingMemory{ring_.get(), ringLineBytes_}, call, delta.data() + 255);
    return kFilterOk;
}

}  // namespace korva
