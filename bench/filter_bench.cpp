// Filter engine speed on a 1024 x 1400 24-bit preview, single thread, one band in place.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "core/filter/filter_engine.h"

namespace korva {
namespace {

constexpr uint32_t kWidth = 1024;
constexpr uint32_t kHeight = 1400;
constexpr uint32_t kRowBytes = (kWidth * 3 + 3) & ~3u;

std::vector<uint8_t> RandomPreview() {
    std::mt19937 random(1);
    std::uniform_int_distribution<int> level(0, 255);
    std::vector<uint8_t> pixels(static_cast<size_t>(kRowBytes) * kHeight);
    for (uint8_t& byte : pixels) {
        byte = static_cast<uint8_t>(level(random));
    }
    return pixels;
}

void FilterPreview(benchmark::State& state, uint8_t mode, uint32_t kernelSize) {
    std::vector<uint8_t> pixels = RandomPreview();
    const FilterGeometry geometry{kWidth, kHeight, kRowBytes, kWidth, kHeight, kRowBytes, 24};
    for (auto _ : state) {
        FilterEngine engine(geometry, {200, kernelSize, 3}, mode);
        FilterBand band{pixels.data(), kWidth, kHeight, kRowBytes, 24};
        FilterBand output{pixels.data(), 0, 0, 0, 0};
        benchmark::DoNotOptimize(engine.Process(band, output));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

// The preview pipeline's sharpen; `value` is milliseconds per run.
void BM_PreviewSharpen(benchmark::State& state) {
    FilterPreview(state, kFilterUnsharpMask, 8);
    state.counters["value"] = benchmark::Counter(static_cast<double>(state.iterations()) / 1000.0,
                                                 benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["target"] = 2.0;
    state.counters["lower_is_better"] = 1;
    state.SetLabel("preview sharpen 1024x1400, ms");
}
void BM_Sharpen14(benchmark::State& state) {
    FilterPreview(state, kFilterUnsharpMask, 14);
}
void BM_Sharpen21(benchmark::State& state) {
    FilterPreview(state, kFilterUnsharpMask, 21);
}
void BM_Sharpen30(benchmark::State& state) {
    FilterPreview(state, kFilterUnsharpMask, 30);
}
void BM_LuminanceSharpen8(benchmark::State& state) {
    FilterPreview(state, kFilterLuminanceUnsharpMask, 8);
}

BENCHMARK(BM_PreviewSharpen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sharpen14)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sharpen21)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sharpen30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LuminanceSharpen8)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korva
