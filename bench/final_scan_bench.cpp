// The filter engine on a final scan: a 600-dpi A4 colour image (4960 x 7016, 24-bit) sharpened band by
// band as a data source delivers it, single thread. One case reports the speed, one the peak heap memory
// the filtering needs beyond the source and output images; this program counts every operator new itself.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

#include "core/filter/filter_engine.h"

namespace {

std::atomic<size_t> gHeapInUse{0};
std::atomic<size_t> gHeapPeak{0};

// Every block carries its size in a header that keeps the block aligned for any type.
constexpr size_t kHeader = alignof(std::max_align_t);

void* Allocate(size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (!block) {
        return nullptr;
    }
    *reinterpret_cast<size_t*>(block) = size;
    const size_t inUse = gHeapInUse.fetch_add(size) + size;
    size_t peak = gHeapPeak.load();
    while (inUse > peak && !gHeapPeak.compare_exchange_weak(peak, inUse)) {
    }
    return block + kHeader;
}

void Release(void* pointer) {
    if (!pointer) {
        return;
    }
    unsigned char* block = static_cast<unsigned char*>(pointer) - kHeader;
    gHeapInUse.fetch_sub(*reinterpret_cast<size_t*>(block));
    std::free(block);
}

void* AllocateOrThrow(size_t size) {
    void* pointer = Allocate(size);
    if (!pointer) {
        throw std::bad_alloc();
    }
    return pointer;
}

}  // namespace

void* operator new(size_t size) {
    return AllocateOrThrow(size);
}
void* operator new[](size_t size) {
    return AllocateOrThrow(size);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* pointer) noexcept {
    Release(pointer);
}
void operator delete[](void* pointer) noexcept {
    Release(pointer);
}
void operator delete(void* pointer, size_t) noexcept {
    Release(pointer);
}
void operator delete[](void* pointer, size_t) noexcept {
    Release(pointer);
}
void operator delete(void* pointer, const std::nothrow_t&) noexcept {
    Release(pointer);
}
void operator delete[](void* pointer, const std::nothrow_t&) noexcept {
    Release(pointer);
}

namespace korva {
namespace {

constexpr uint32_t kWidth = 4960;
constexpr uint32_t kHeight = 7016;
constexpr uint32_t kRowBytes = kWidth * 3;
constexpr uint32_t kBandLines = 32;
// Unsharp mask per channel with a 5 x 5 window, as a final scan is sharpened.
constexpr FilterParams kFinalScanSharpen = {150, 12, 4};

const std::vector<uint8_t>& Source() {
    static const std::vector<uint8_t> pixels = [] {
        std::vector<uint8_t> bytes(static_cast<size_t>(kRowBytes) * kHeight);
        uint32_t state = 12345;
        for (uint8_t& byte : bytes) {
            state = state * 1664525u + 1013904223u;
            byte = static_cast<uint8_t>(state >> 24);
        }
        return bytes;
    }();
    return pixels;
}

// Filters the whole image in bands of kBandLines lines into `output`.
void FilterInBands(const std::vector<uint8_t>& source, std::vector<uint8_t>& output) {
    const FilterGeometry geometry{kWidth, kHeight, kRowBytes, kWidth, kHeight, kRowBytes, 24};
    FilterEngine engine(geometry, kFinalScanSharpen, kFilterUnsharpMask);
    uint32_t produced = 0;
    for (uint32_t received = 0; received < kHeight;) {
        const uint32_t lines = std::min(kBandLines, kHeight - received);
        const FilterBand band{const_cast<uint8_t*>(source.data()) + static_cast<size_t>(received) * kRowBytes, kWidth,
                              lines, kRowBytes, 24};
        FilterBand out{output.data() + static_cast<size_t>(produced) * kRowBytes, 0, 0, 0, 0};
        if (engine.Process(band, out) != kFilterOk) {
            std::abort();
        }
        received += lines;
        produced += out.lines;
    }
}

void BM_FinalScanSharpenSpeed(benchmark::State& state) {
    const std::vector<uint8_t>& source = Source();
    std::vector<uint8_t> output(source.size());
    for (auto _ : state) {
        FilterInBands(source, output);
        benchmark::ClobberMemory();
    }
    const double megapixels = static_cast<double>(kWidth) * kHeight / 1e6;
    state.counters["value"] =
        benchmark::Counter(megapixels * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["target"] = 200;
    state.counters["lower_is_better"] = 0;
    state.SetLabel("A4 600-dpi colour sharpen in bands, Mpx/s");
}

void BM_FinalScanSharpenMemory(benchmark::State& state) {
    const std::vector<uint8_t>& source = Source();
    std::vector<uint8_t> output(source.size());
    size_t extra = 0;
    for (auto _ : state) {
        const size_t baseline = gHeapInUse.load();
        gHeapPeak.store(baseline);
        FilterInBands(source, output);
        extra = std::max(extra, gHeapPeak.load() - baseline);
    }
    state.counters["value"] = static_cast<double>(extra) / (1024.0 * 1024.0);
    state.counters["target"] = 8;
    state.counters["lower_is_better"] = 1;
    state.SetLabel("A4 600-dpi colour sharpen in bands, extra heap MB");
}

BENCHMARK(BM_FinalScanSharpenSpeed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FinalScanSharpenMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace korva
