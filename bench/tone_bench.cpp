// Tone table construction and automatic exposure, single thread; automatic exposure over the whole of a
// 1024 x 1400 24-bit preview.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "core/tone/auto_exposure.h"
#include "core/tone/display_tables.h"
#include "core/tone/tone_map.h"

namespace korva {
namespace {

constexpr uint16_t kWidth = 1024;
constexpr uint16_t kHeight = 1400;
constexpr uint32_t kRowBytes = (kWidth * 3 + 3) & ~3u;

void BM_BuildDisplayTables(benchmark::State& state) {
    ToneTables tables;
    BuildToneMapCurves(BuiltInToneMaps()[3].toneMap, tables);
    ToneState tone;
    tone.gammaPercent = 180;
    tone.highlightLevel = 230;
    tone.shadowLevel = 12;
    tone.grayBalancePercent = 50;
    tone.channelBalance = {0.1f, 0.0f, -0.2f};
    for (auto _ : state) {
        BuildDisplayTables(ExposureParamsFromState(tone), tables);
        benchmark::DoNotOptimize(tables.displayTables.data());
    }
}

void BM_BuildToneMapCurves(benchmark::State& state) {
    ToneTables tables;
    for (auto _ : state) {
        BuildToneMapCurves(BuiltInToneMaps()[3].toneMap, tables);
        benchmark::DoNotOptimize(tables.toneCurves.data());
    }
}

void BM_AutoExposure(benchmark::State& state) {
    std::mt19937 random(1);
    std::uniform_int_distribution<int> level(0, 255);
    std::vector<uint8_t> pixels(static_cast<size_t>(kRowBytes) * kHeight);
    for (uint8_t& byte : pixels) {
        byte = static_cast<uint8_t>(level(random));
    }
    const ExposureImage image{pixels.data(), kWidth, kHeight, kRowBytes};
    AutoExposureResult result;
    for (auto _ : state) {
        AutoExposure(image, {0, 0, kWidth - 1, kHeight - 1}, ExposureMode::Reflective, 1.8f, 1.8f, result);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

BENCHMARK(BM_BuildDisplayTables)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildToneMapCurves)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AutoExposure)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korva
