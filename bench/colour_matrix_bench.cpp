// Preview colour matrix speed on a 1024 x 1400 24-bit preview, single thread, in place.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "core/filter/colour_matrix.h"

namespace korva {
namespace {

constexpr uint32_t kWidth = 1024;
constexpr uint32_t kHeight = 1400;
constexpr uint32_t kRowBytes = (kWidth * 3 + 3) & ~3u;

void BM_ApplyColourMatrix(benchmark::State& state) {
    std::mt19937 random(1);
    std::uniform_int_distribution<int> level(0, 255);
    std::vector<uint8_t> pixels(static_cast<size_t>(kRowBytes) * kHeight);
    for (uint8_t& byte : pixels) {
        byte = static_cast<uint8_t>(level(random));
    }
    for (auto _ : state) {
        ApplyColourMatrix(BuildPreviewColourMatrix(30, false), pixels.data(), kWidth, kHeight);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

BENCHMARK(BM_ApplyColourMatrix)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korva
