// Preview rendering speed on a 1024 x 1400 preview, single thread: the full colour pipeline (tone curves,
// display tables, mapping, colour matrix, sharpening), the same without sharpening, the line-art
// pipeline in every halftone and dither mode, and the popularity quantisation.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench_support.h"
#include "core/imaging/popularity_palette.h"
#include "core/imaging/preview_pipeline.h"
#include "core/preview/packed_dib.h"
#include "target_report.h"

namespace korva {
namespace {

using bench::kPreviewHeight;
using bench::kPreviewWidth;

constexpr double kLineArtMilliseconds = 3.0;
constexpr double kQuantisationMilliseconds = 2.0;
constexpr double kUnsharpenedColourMilliseconds = 3.0;

// Runs the pipeline and returns the fastest run in milliseconds.
double RunPipeline(benchmark::State& state, const RenderType& type, DisplayKind display, bool sharpen = true) {
    const PackedDib preview = bench::PhotoLikePreview();
    PreviewAdjustments in = bench::BenchAdjustments(preview, type, display);
    in.unsharpMask = sharpen;
    ToneTables tables;
    bench::FastestRun run;
    for (auto _ : state) {
        run.Time([&] {
            auto rendering = RenderPreview(in, tables);
            benchmark::DoNotOptimize(rendering->image.pixels.data());
            benchmark::ClobberMemory();
        });
    }
    state.SetItemsProcessed(state.iterations() * kPreviewWidth * kPreviewHeight);
    return run.Milliseconds();
}

void BM_ColourPipeline(benchmark::State& state) {
    RunPipeline(state, RenderType{}, DisplayKind::kTrueColour);
}
void BM_ColourPipelineOnPaletteDisplay(benchmark::State& state) {
    RunPipeline(state, RenderType{}, DisplayKind::kPalette);
}
// Everything but the unsharp mask: the working copy, the tables, the mapping and the matrix.
void BM_ColourPipelineWithoutSharpen(benchmark::State& state) {
    const double ms = RunPipeline(state, RenderType{}, DisplayKind::kTrueColour, false);
    bench::ReportTarget(state, "colour pipeline without sharpen, ms", ms, kUnsharpenedColourMilliseconds, true);
}
void BM_LineArtPipeline(benchmark::State& state) {
    const auto mode = static_cast<int32_t>(state.range(0));
    const RenderType lineArt{ColourClass::kBlackWhite, 1, mode, DropoutColour::kNone};
    const double ms = RunPipeline(state, lineArt, DisplayKind::kTrueColour);
    const std::string description = "line art mode " + std::to_string(mode) + ", ms";
    bench::ReportTarget(state, description.c_str(), ms, kLineArtMilliseconds, true);
}

void BM_PopularityQuantisation(benchmark::State& state) {
    const PackedDib preview = bench::PhotoLikePreview();
    RenderedImage source;
    source.width = kPreviewWidth;
    source.height = kPreviewHeight;
    source.rowBytes = Stride24(kPreviewWidth);
    source.pixels.assign(preview.begin() + kInfoHeaderBytes, preview.end());
    RenderedImage image;
    bench::FastestRun run;
    for (auto _ : state) {
        state.PauseTiming();
        image = source;
        state.ResumeTiming();
        run.Time([&] {
            QuantiseByPopularity(image, 216);
            benchmark::DoNotOptimize(image.pixels.data());
            benchmark::ClobberMemory();
        });
    }
    state.SetItemsProcessed(state.iterations() * kPreviewWidth * kPreviewHeight);
    bench::ReportTarget(state, "popularity quantisation, ms", run.Milliseconds(), kQuantisationMilliseconds, true);
}

BENCHMARK(BM_ColourPipeline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColourPipelineOnPaletteDisplay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColourPipelineWithoutSharpen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LineArtPipeline)->DenseRange(0, kLastHalftoneMode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PopularityQuantisation)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korva
