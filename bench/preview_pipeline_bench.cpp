// Preview rendering speed on a 1024 x 1400 preview, single thread: the full colour pipeline (tone curves,
// display tables, mapping, colour matrix, sharpening), the line-art pipeline in modes 0, 3 and 4, and the
// popularity quantisation.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>

#include "core/imaging/popularity_palette.h"
#include "core/imaging/preview_pipeline.h"
#include "core/preview/packed_dib.h"

namespace korva {
namespace {

constexpr int32_t kWidth = 1024;
constexpr int32_t kHeight = 1400;

// Smooth gradients with noise, like a photograph rather than white noise.
PackedDib PhotoLikePreview() {
    PackedDib preview = MakePackedDib24(kWidth, kHeight);
    std::mt19937 random(3);
    std::uniform_int_distribution<int> noise(-12, 12);
    const uint32_t stride = Stride24(kWidth);
    for (int32_t y = 0; y < kHeight; ++y) {
        uint8_t* pixel = preview.data() + kInfoHeaderBytes + static_cast<size_t>(y) * stride;
        for (int32_t x = 0; x < kWidth; ++x, pixel += 3) {
            pixel[0] = static_cast<uint8_t>(std::clamp(x / 4 + noise(random), 0, 255));
            pixel[1] = static_cast<uint8_t>(std::clamp(y * 255 / kHeight + noise(random), 0, 255));
            pixel[2] = static_cast<uint8_t>(std::clamp((x + y) / 10 + noise(random), 0, 255));
        }
    }
    return preview;
}

PreviewAdjustments Adjustments(const PackedDib& preview, const RenderType& type) {
    PreviewAdjustments in;
    in.preview = preview;
    in.iproc = {3, 120, 230, 12, 128, 40, 25, 0, 0, 0, 0, 0, 0, 0};
    in.toneMap = BuiltInToneMaps()[4].toneMap;
    in.channelBalance = {0.05f, 0.0f, -0.04f};
    in.unsharpMask = true;
    in.type = type;
    return in;
}

void RunPipeline(benchmark::State& state, const RenderType& type, DisplayKind display) {
    const PackedDib preview = PhotoLikePreview();
    PreviewAdjustments in = Adjustments(preview, type);
    in.display = display;
    ToneTables tables;
    for (auto _ : state) {
        auto rendering = RenderPreview(in, tables);
        benchmark::DoNotOptimize(rendering->image.pixels.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void BM_ColourPipeline(benchmark::State& state) {
    RunPipeline(state, RenderType{}, DisplayKind::kTrueColour);
}
void BM_ColourPipelineOnPaletteDisplay(benchmark::State& state) {
    RunPipeline(state, RenderType{}, DisplayKind::kPalette);
}
void BM_LineArtPipeline(benchmark::State& state) {
    const RenderType lineArt{ColourClass::kBlackWhite, 1, static_cast<int32_t>(state.range(0)), DropoutColour::kNone};
    RunPipeline(state, lineArt, DisplayKind::kTrueColour);
}

void BM_PopularityQuantisation(benchmark::State& state) {
    const PackedDib preview = PhotoLikePreview();
    RenderedImage source;
    source.width = kWidth;
    source.height = kHeight;
    source.rowBytes = Stride24(kWidth);
    source.pixels.assign(preview.begin() + kInfoHeaderBytes, preview.end());
    RenderedImage image;
    for (auto _ : state) {
        state.PauseTiming();
        image = source;
        state.ResumeTiming();
        QuantiseByPopularity(image, 216);
        benchmark::DoNotOptimize(image.pixels.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

BENCHMARK(BM_ColourPipeline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColourPipelineOnPaletteDisplay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LineArtPipeline)->Arg(0)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PopularityQuantisation)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korva
